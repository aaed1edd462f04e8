#pragma once

#include <QString>

// Where the program finds what ships beside it (what it writes for itself:
// files/datafolder.h).

// The application folder + "/images/": pictures, report pictures, templates.
QString imageFolder();

// The style sheet of a picture button: picture + ".png" from the image
// folder, picture + "h.png" under the mouse.
QString imageButtonStyleSheet(const QString &picture);
