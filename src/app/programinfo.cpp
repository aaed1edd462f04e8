#include "programinfo.h"

#include <cstring>

const char *const DESKTOP_ID = SORVEL_DESKTOP_ID;

void writeVersion(QTextStream &out)
{
    out << "Sorvel Numerology " << SORVEL_VERSION_TEXT << "\n";
}

void writeWindowHelp(QTextStream &out)
{
    out << "Usage: sorvel [OPTIONS]\n\n"
           "Opens the Sorvel Numerology window: the numbers of a person's name and birth\n"
           "date, compatibility, pet, name advisor and celebrity readings, with reports,\n"
           "printable charts and the combined PDF. The window needs a display (X11 or\n"
           "Wayland); sorvel-cli computes the same readings on a terminal.\n\n"
           "Options:\n"
           "    --help, -h             print this help and exit\n"
           "    --version              print the program's version and exit\n"
           "    --designer [FILE.snc]  open the chart designer alone, on the template\n"
           "                           FILE or on a new one; Save writes back to FILE\n"
           "    -platform NAME         Qt's choice of display system (xcb, wayland)\n"
           "    -style NAME            Qt's widget style\n\n"
           "Files:\n"
           "    The settings and the recent list are kept in the user's application data\n"
           "    folder (~/.local/share/Sorvel/Sorvel Numerology/ on Linux); templates the\n"
           "    user saves go to ~/Documents/Sorvel Numerology/.\n";
}

int answerInfoOption(int argc, const char *const argv[])
{
    for (int i = 1; i < argc; ++i) {
        QTextStream out(stdout);
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            writeWindowHelp(out);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            writeVersion(out);
            return 0;
        }
    }
    return -1;
}
