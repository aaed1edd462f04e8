#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// The installed data's place relative to the executables' bin/ folder, as
// the install rules put it (GNU install directories).
const char *const INSTALLED_DATA_FOLDER = "../share/sorvel";

bool holdsProgramData(const QDir &folder)
{
    return QFileInfo(folder.filePath(QStringLiteral("eng.dat"))).isFile() ||
           QFileInfo(folder.filePath(QStringLiteral("images"))).isDir();
}

QString withSlash(const QString &path)
{
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

} // namespace

QString programDataFolderFor(const QString &executableFolder)
{
    const QDir beside(QDir::cleanPath(executableFolder));
    if (holdsProgramData(beside))
        return withSlash(beside.path());
    const QString installed = QDir::cleanPath(beside.filePath(QLatin1String(INSTALLED_DATA_FOLDER)));
    if (QFileInfo(installed).isDir())
        return withSlash(installed);
    return withSlash(beside.path());
}

QString programDataFolder()
{
    if (!QCoreApplication::instance())
        return QString();
    return programDataFolderFor(QCoreApplication::applicationDirPath());
}
