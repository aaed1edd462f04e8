#pragma once
// Runs one of poppler's command-line tools (pdftotext, pdfinfo, pdfimages)
// on a PDF the test made and returns what it printed; the tests read their
// PDFs through these tools, never through the code under test.

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

inline QString runTool(const QString &tool, const QStringList &args)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(tool), args);
    // No limit of its own: a slow machine only makes it slower, and the
    // test's timeout bounds a tool that never ends.
    if (!process.waitForFinished(-1))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}
