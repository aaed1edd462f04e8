#include "checkedfilewriter.h"

bool writeFileChecked(const QString &path, const QByteArray &bytes, QString *error)
{
    CheckedFileWriter writer(path);
    if (writer.write(bytes) && writer.commit())
        return true;
    if (error)
        *error = writer.errorString();
    return false;
}

bool writeOwnFileChecked(const QString &path, const QByteArray &bytes, QString *error)
{
    CheckedFile::removeStaleTemporaries(QFile::encodeName(path).toStdString());
    CheckedFileWriter writer(path);
    writer.regularFilesOnly();
    if (writer.write(bytes) && writer.commit())
        return true;
    if (error)
        *error = writer.errorString();
    return false;
}
