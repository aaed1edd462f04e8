// sorvel-cli: a thin terminal driver over the core library. Every reading the
// window shows can be computed here and printed as JSON or HTML, so numbers
// can be checked and compared between versions without a display. This is
// the part both of its programs share (cliroute.h): help, version and the
// choice of the command.

#include "cliutil.h"
#include "commands.h"

#include <QCoreApplication>

static void printHelp(QTextStream &out, CliCommandList commands)
{
    out << "Usage: sorvel-cli COMMAND [OPTIONS]\n"
           "       sorvel-cli --help\n"
           "       sorvel-cli --version\n\n"
           "Computes the readings of Sorvel Numerology on a terminal, without a\n"
           "display: every number of a chart as JSON, the window's reports as HTML,\n"
           "the combined PDF, barcodes and chart pictures, and one file per client\n"
           "of a CSV list.\n\n"
           "Commands:\n\n";
    for (const CliCommand &command : commands) {
        command.usage(out);
        out << "\n";
    }
    out << "Exit status: 0 success; 1 the request failed, a file it reads included\n"
           "(a person file, chart template, client list or data file that is missing,\n"
           "cannot be read or is not such a file) as well as one it cannot write; 2 bad\n"
           "usage: the command line's own form (an unknown option, a missing or\n"
           "malformed value); 3 the names were rejected by the name check.\n";
}

int runCommandLine(const QStringList &arguments, CliCommandList commands)
{
    QCoreApplication::setApplicationName(QStringLiteral("sorvel-cli"));
    QStringList args = arguments.mid(1);
    // The streams are made when something is printed: making one sets up
    // Qt's text codecs, which costs more than a chart takes.
    if (args.isEmpty()) {
        QTextStream err(stderr);
        printHelp(err, commands);
        return EXIT_USAGE;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        QTextStream out(stdout);
        printHelp(out, commands);
        return EXIT_OK;
    }
    if (name == QLatin1String("--version")) {
        QTextStream(stdout) << "sorvel-cli (Sorvel Numerology) " << SORVEL_VERSION_TEXT << "\n";
        return EXIT_OK;
    }
    for (const CliCommand &command : commands) {
        if (name == QLatin1String(command.name)) {
            if (args.contains(QLatin1String("--help"))) {
                QTextStream out(stdout);
                command.usage(out);
                return EXIT_OK;
            }
            return command.run(args);
        }
    }
    QTextStream(stderr) << "sorvel-cli: unknown command '" << shownText(name) << "' (try --help)\n";
    return EXIT_USAGE;
}
