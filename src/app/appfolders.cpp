#include "appfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

QString imageFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/images/");
}

QString dataFolder()
{
#ifdef Q_OS_WIN
    QString folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    folder.chop(5); // AppData/Local/Temp -> AppData/Local
    return folder + QLatin1Char('/');
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(folder);
    return folder + QLatin1Char('/');
#endif
}

QString configFilePath()
{
    return dataFolder() + QStringLiteral("sorvel7.cfg");
}

QString imageButtonStyleSheet(const QString &picture)
{
    return QStringLiteral("QPushButton { border: none; background: transparent; image: url(%1%2.png); }"
                          " QPushButton:hover { image: url(%1%2h.png); }")
        .arg(imageFolder(), picture);
}
