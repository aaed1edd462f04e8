// sorvel-cli-core: the commands of sorvel-cli that need QtCore alone
// (cliroute.h). sorvel-cli starts it for a chart, a reading, a report or a
// QR Code.

#include "commands.h"

#include <clocale>
#include <cstring>
#include <langinfo.h>

int main(int argc, char *argv[])
{
    // No application object: these commands use no event loop, plugin or
    // platform, and making one costs more than a chart takes. The one thing
    // it would do that matters here, taking the locale's character set for
    // the arguments and the output, is done the same way.
    std::setlocale(LC_ALL, "");
    // Arguments in a UTF-8 locale are read without Qt's text codecs, whose
    // set-up costs more than a chart takes.
    const bool utf8 = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
    // Each pattern is matched once or twice in a run: compiling it to
    // machine code would cost more than it saves.
    qputenv("QT_ENABLE_REGEXP_JIT", "0");
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(utf8 ? QString::fromUtf8(argv[i]) : QString::fromLocal8Bit(argv[i]));
    return runCommandLine(arguments, textCommands());
}
