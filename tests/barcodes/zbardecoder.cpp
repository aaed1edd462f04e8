#include "zbardecoder.h"

#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

QString zbarPath()
{
    return QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
}

QImage withQuietZone(const QImage &image, int margin)
{
    QImage padded(image.width() + 2 * margin, image.height() + 2 * margin, QImage::Format_RGB32);
    padded.fill(Qt::white);
    QPainter painter(&padded);
    painter.drawImage(margin, margin, image);
    return padded;
}

QByteArrayList zbarDecodeFile(const QString &pngPath, const QStringList &settings, QString *error)
{
    error->clear();
    const QString program = zbarPath();
    if (program.isEmpty()) {
        *error = QStringLiteral("zbarimg not found (install zbar-tools)");
        return {};
    }
    // --raw: the data only, one symbol per line, no charset conversion.
    QStringList arguments{QStringLiteral("--nodbus"), QStringLiteral("--quiet"), QStringLiteral("--raw"),
                          QStringLiteral("-Sdisable")};
    for (const QString &setting : settings)
        arguments << QStringLiteral("-S") + setting;
    arguments << pngPath;

    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000)) {
        *error = QStringLiteral("zbarimg did not finish: ") + process.errorString();
        process.kill();
        return {};
    }
    // Exit status 4 means that no symbol was found.
    if (process.exitStatus() != QProcess::NormalExit ||
        (process.exitCode() != 0 && process.exitCode() != 4)) {
        *error = QStringLiteral("zbarimg failed: ") + QString::fromLocal8Bit(process.readAllStandardError());
        return {};
    }
    QByteArray output = process.readAllStandardOutput();
    if (output.endsWith('\n'))
        output.chop(1);
    if (output.isEmpty())
        return {};
    return output.split('\n');
}

QByteArrayList zbarDecode(const QImage &symbol, int margin, const QStringList &settings, QString *error)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("symbol.png"));
    if (!dir.isValid() || !withQuietZone(symbol, margin).save(path, "PNG")) {
        *error = QStringLiteral("cannot write ") + path;
        return {};
    }
    return zbarDecodeFile(path, settings, error);
}
