// sorvel-cli: a thin terminal driver over the core library. Every reading the
// window shows can be computed here and printed as JSON or HTML, so numbers
// can be checked and compared between versions without a display.

#include "commands.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstring>
#include <memory>

static void printHelp(QTextStream &out)
{
    out << "Usage: sorvel-cli COMMAND [OPTIONS]\n"
           "       sorvel-cli --help\n\n"
           "Commands:\n\n";
    for (const CliCommand &command : CLI_COMMANDS) {
        command.usage(out);
        out << "\n";
    }
    out << "Exit status: 0 success, 1 the request failed, 2 bad usage,\n"
           "3 the names were rejected by the name check.\n";
}

// Commands that draw text into pictures need fonts, hence a GUI
// application; it never shows a window, so it runs on the offscreen platform.
static bool needsFonts(int argc, char *argv[])
{
    if (argc < 2)
        return false;
    for (const char *command : {"barcode", "template", "chart-image"}) {
        if (std::strcmp(argv[1], command) == 0)
            return true;
    }
    return false;
}

int main(int argc, char *argv[])
{
    std::unique_ptr<QCoreApplication> application;
    QTemporaryDir runtimeFolder; // lent to Qt when the machine has none, so it does not warn
    if (needsFonts(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeFolder.isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder.path()));
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication &app = *application;
    QCoreApplication::setApplicationName(QStringLiteral("sorvel-cli"));
    QStringList args = app.arguments().mid(1);
    QTextStream out(stdout);
    QTextStream err(stderr);

    if (args.isEmpty()) {
        printHelp(err);
        return EXIT_USAGE;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        printHelp(out);
        return EXIT_OK;
    }
    for (const CliCommand &command : CLI_COMMANDS) {
        if (name == QLatin1String(command.name)) {
            if (args.contains(QLatin1String("--help"))) {
                command.usage(out);
                return EXIT_OK;
            }
            return command.run(args);
        }
    }
    err << "sorvel-cli: unknown command '" << name << "' (try --help)\n";
    return EXIT_USAGE;
}
