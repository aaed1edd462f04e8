#include "exportfiles.h"

#include "files/checkedfilewriter.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

QString withDefaultSuffix(const QString &path, const QString &suffix)
{
    return QFileInfo(path).suffix().isEmpty() ? path + suffix : path;
}

QString writeTemporaryReport(const QString &html, QString *error)
{
    // The temporary file only reserves a unique name; the document itself is
    // written like every other file.
    QTemporaryFile reserved(QDir::tempPath() + QStringLiteral("/reportXXXXXX.html"));
    reserved.setAutoRemove(false);
    if (!reserved.open()) {
        if (error)
            *error = reserved.errorString();
        return QString();
    }
    const QString path = reserved.fileName();
    reserved.close();
    if (!writeFileChecked(path, html.toUtf8(), error)) {
        QFile::remove(path);
        return QString();
    }
    return path;
}
