#include "appfolders.h"

#include "document/programfolder.h"

QString imageFolder()
{
    return programDataFolder() + QStringLiteral("images/");
}
