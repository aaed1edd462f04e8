#pragma once

#include <QString>

// Where the program finds what ships beside it (what it writes for itself:
// files/datafolder.h).

// The application folder + "/images/": pictures, report pictures, templates.
QString imageFolder();

