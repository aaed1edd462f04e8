#include "datafolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString dataFolderPath()
{
#ifdef Q_OS_WIN
    QString folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    folder.chop(5); // AppData/Local/Temp -> AppData/Local
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
#endif
    return folder;
}
const char CONFIG_FILE_NAME[] = "sorvel7.cfg";
} // namespace

QString dataFolder()
{
    const QString folder = dataFolderPath();
    QDir().mkpath(folder);
    return folder + QLatin1Char('/');
}

bool configFileExists()
{
    return QFileInfo::exists(dataFolderPath() + QLatin1Char('/') + QLatin1String(CONFIG_FILE_NAME));
}

QString configFilePath()
{
    return dataFolder() + QLatin1String(CONFIG_FILE_NAME);
}

QString previousConfigFilePath()
{
    return dataFolder() + QStringLiteral("sorvel6.cfg");
}

QString recentListPath()
{
    return dataFolder() + QStringLiteral("sorvel7.num");
}

QString unwritableDataFolderMessage(const QString &configPath, const QString &reason)
{
    return QStringLiteral("Sorvel Numerology cannot keep its settings in the folder %1: %2.\n\n"
                          "Until that folder can be written, the licence agreement is shown at every "
                          "start and no setting or recent person is kept.")
        .arg(QDir::toNativeSeparators(QFileInfo(configPath).absolutePath()), reason);
}
