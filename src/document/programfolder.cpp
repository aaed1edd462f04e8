#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The installed data's place relative to the executables' bin/ folder, and
// relative to the helper programs' libexec/sorvel-numerology/ folder, as the
// install rules put them (GNU install directories).
const char *const INSTALLED_DATA_FOLDERS[] = {"../share/sorvel", "../../share/sorvel"};

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
    for (const char *relative : INSTALLED_DATA_FOLDERS) {
        const QString installed = QDir::cleanPath(beside.filePath(QLatin1String(relative)));
        if (QFileInfo(installed).isDir())
            return withSlash(installed);
    }
    return withSlash(beside.path());
}

QString programDataFolder()
{
    if (QCoreApplication::instance())
        return programDataFolderFor(QCoreApplication::applicationDirPath());
    // sorvel-cli's text program runs without an application object; the
    // system names its executable.
    const QString executable = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    return executable.isEmpty() ? QString() : programDataFolderFor(QFileInfo(executable).path());
}
