#include "datafolder.h"

#include <QDir>
#include <QStandardPaths>

QString dataFolder()
{
#ifdef Q_OS_WIN
    QString folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    folder.chop(5); // AppData/Local/Temp -> AppData/Local
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
#endif
    QDir().mkpath(folder);
    return folder + QLatin1Char('/');
}

QString configFilePath()
{
    return dataFolder() + QStringLiteral("sorvel7.cfg");
}

QString previousConfigFilePath()
{
    return dataFolder() + QStringLiteral("sorvel6.cfg");
}

QString recentListPath()
{
    return dataFolder() + QStringLiteral("sorvel7.num");
}
