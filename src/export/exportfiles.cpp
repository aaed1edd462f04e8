#include "exportfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

bool saveExportBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written && error)
        *error = file.errorString();
    return written;
}

QString withDefaultSuffix(const QString &path, const QString &suffix)
{
    return QFileInfo(path).suffix().isEmpty() ? path + suffix : path;
}

QString writeTemporaryReport(const QString &html, QString *error)
{
    // The temporary file only reserves a unique name; the document itself is
    // written like every other export file.
    QTemporaryFile reserved(QDir::tempPath() + QStringLiteral("/reportXXXXXX.html"));
    reserved.setAutoRemove(false);
    if (!reserved.open()) {
        if (error)
            *error = reserved.errorString();
        return QString();
    }
    const QString path = reserved.fileName();
    reserved.close();
    if (!saveExportBytes(path, html.toUtf8(), error)) {
        QFile::remove(path);
        return QString();
    }
    return path;
}
