#pragma once

// What the window program says about itself before it opens a window:
// `sorvel --help` and `sorvel --version` answer on a terminal without a
// display, before any application object is made, and the build turns the
// same help text into the manual page.

#include <QTextStream>

// The desktop entry's name without ".desktop", also the icon's name and the
// AppStream id: the desktop matches the running window to its launcher by it.
extern const char *const DESKTOP_ID;

// "Sorvel Numerology 7.8.0"
void writeVersion(QTextStream &out);
void writeWindowHelp(QTextStream &out);

// When the arguments ask for --help (-h) or --version, prints the answer on
// standard output and returns the exit status; otherwise returns -1 and the
// window starts. Any other argument is left for Qt's own options.
int answerInfoOption(int argc, const char *const argv[]);
