#pragma once

// The one writer of every file the program writes (checkedfile.h), with Qt's
// strings: reports, pictures, data files, person files, the configuration,
// the recent list.
//
//     CheckedFileWriter writer(path);
//     if (!writer.write(header) || !writer.write(body) || !writer.commit())
//         report(path, writer.errorString());
//
//     CheckedFileWriter::InjectedFailure full(CheckedFileWriter::Step::Write, ENOSPC);
//     QVERIFY(!writeFileChecked(path, bytes)); // previous file intact

#include "checkedfile.h"

#include <QByteArray>
#include <QFile>
#include <QString>

class CheckedFileWriter
{
public:
    using Step = CheckedFile::Step;
    using InjectedFailure = CheckedFile::InjectedFailure;

    // Standard output ("-") is named without Qt's text codecs, whose set-up
    // costs more than a command-line chart takes.
    explicit CheckedFileWriter(const QString &path)
        : m_file(path == QLatin1String("-") ? std::string("-") : QFile::encodeName(path).toStdString())
    {
    }

    bool write(const QByteArray &bytes) { return m_file.write(bytes.constData(), size_t(bytes.size())); }
    bool commit() { return m_file.commit(); }
    QString errorString() const { return QString::fromLocal8Bit(m_file.errorString().c_str()); }
    bool writesDirectly() const { return m_file.writesDirectly(); }
    void regularFilesOnly() { m_file.regularFilesOnly(); }

private:
    CheckedFile m_file;
};

// Writes bytes to path through a CheckedFileWriter. On failure returns false
// and, when error is given, sets it to the system's reason.
bool writeFileChecked(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// The same for the program's own files in its data folder (configuration,
// recent list): only a regular file is written, never a FIFO or a device,
// and the temporary files that killed saves of it left behind are removed.
bool writeOwnFileChecked(const QString &path, const QByteArray &bytes, QString *error = nullptr);
