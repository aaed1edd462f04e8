#pragma once

#include <QString>

// Where the program finds what ships beside it and keeps what it writes.

// The application folder + "/images/": pictures, report pictures, templates.
QString imageFolder();

// The folder of the configuration and the recent list. On Windows this is
// the user's local application data folder (the temporary folder's parent);
// elsewhere the platform's application data folder, created on demand, since
// the temporary folder there (/tmp) has no such parent of the user's own.
QString dataFolder();

// The configuration file of this version, inside dataFolder().
QString configFilePath();

// The style sheet of a picture button: picture + ".png" from the image
// folder, picture + "h.png" under the mouse.
QString imageButtonStyleSheet(const QString &picture);
