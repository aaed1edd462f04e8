#pragma once

// Runs the sorvel-cli built beside the test executable and collects what it
// printed.

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

struct CliRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
};

inline CliRun runCli(const QStringList &args,
                     const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/sorvel-cli"), args);
    CliRun run;
    // No limit of its own: a busy machine may take minutes, and the test's
    // timeout (tests/CMakeLists.txt) ends a tool that never does.
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// Copies the tool's programs - the launcher sorvel-cli and the two programs it
// starts - into folder, so a test can choose what lies beside them. The PDF
// printer comes along when asked. False when a copy fails.
inline bool copyCliTool(const QString &folder, bool withPrinter)
{
    QStringList programs = {"sorvel-cli", "sorvel-cli-core", "sorvel-cli-draw"};
    if (withPrinter)
        programs.append(QStringLiteral("sorvel-pdf-printer"));
    for (const QString &program : programs) {
        if (!QFile::copy(QCoreApplication::applicationDirPath() + QLatin1Char('/') + program,
                         folder + QLatin1Char('/') + program))
            return false;
    }
    return true;
}
