#include "appfolders.h"

#include "document/programfolder.h"

QString imageFolder()
{
    return programDataFolder() + QStringLiteral("images/");
}

QString imageButtonStyleSheet(const QString &picture)
{
    return QStringLiteral("QPushButton { border: none; background: transparent; image: url(%1%2.png); }"
                          " QPushButton:hover { image: url(%1%2h.png); }")
        .arg(imageFolder(), picture);
}
