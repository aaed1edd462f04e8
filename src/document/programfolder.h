#pragma once

// Where the program finds what ships with it: the interpretation data file
// (eng.dat), the pictures, the chart templates and the manual (images/).
//
//   build tree   bin/sorvel, bin/eng.dat, bin/images/          beside the executable
//   installed    <prefix>/bin/sorvel, <prefix>/share/sorvel/   found relative to it
//                <prefix>/libexec/sorvel-numerology/ (helper programs)
//
// The installed layout is found from the executable's own folder, so a
// package unpacked anywhere (or installed under any prefix) works without
// environment variables. What the program writes for itself lives elsewhere
// (files/datafolder.h).

#include <QString>

// The folder beside an executable in folder executableFolder holding the
// program's data, ending in "/": the executable's own folder when eng.dat or
// images/ is there; else its "../share/sorvel/" when that folder exists, or a
// helper program's "../../share/sorvel/"; else
// the executable's own folder again, so messages about missing files name
// the place a build would put them.
QString programDataFolderFor(const QString &executableFolder);

// The data folder of the running program: from QCoreApplication's folder,
// or from the executable the system names when there is no application
// object; empty when neither is known.
QString programDataFolder();
