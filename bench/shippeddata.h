#pragma once

// The data file the build puts beside the benchmarks, as the program ships
// it: what the window reads at start-up.

#include "document/programfolder.h"

#include <QFileInfo>
#include <QString>

inline QString shippedDataFile()
{
    const QString executable = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    const QString path = programDataFolderFor(QFileInfo(executable).path()) + QStringLiteral("eng.dat");
    return QFileInfo(path).isFile() ? path : QString();
}
