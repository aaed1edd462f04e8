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
           "       sorvel-cli --help\n"
           "       sorvel-cli --version\n\n"
           "Computes the readings of Sorvel Numerology on a terminal, without a\n"
           "display: every number of a chart as JSON, the window's reports as HTML,\n"
           "the combined PDF, barcodes and chart pictures, and one file per client\n"
           "of a CSV list.\n\n"
           "Commands:\n\n";
    for (const CliCommand &command : CLI_COMMANDS) {
        command.usage(out);
        out << "\n";
    }
    out << "Exit status: 0 success, 1 the request failed, 2 bad usage,\n"
           "3 the names were rejected by the name check.\n";
}

// What a command needs of Qt: the core alone, or fonts (text drawn into
// pictures, the chart page of a PDF). None shows a window, so the GUI
// application runs on the offscreen platform. PDFs are printed by a helper
// program with the web engine, which this tool never loads.
enum class Needs { Core, Fonts };

// The value of an option given as "--name value" or "--name=value".
static const char *optionValue(int argc, char *argv[], const char *name)
{
    const size_t length = std::strlen(name);
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0)
            return i + 1 < argc ? argv[i + 1] : nullptr;
        if (std::strncmp(argv[i], name, length) == 0 && argv[i][length] == '=')
            return argv[i] + length + 1;
    }
    return nullptr;
}

static Needs needsOf(int argc, char *argv[])
{
    if (argc < 2)
        return Needs::Core;
    // A QR Code carries no text: its picture is drawn without fonts, so the
    // command starts no GUI platform.
    if (std::strcmp(argv[1], "barcode") == 0) {
        const char *kind = optionValue(argc, argv, "--kind");
        if (kind && std::strcmp(kind, "0") == 0)
            return Needs::Core;
    }
    for (const char *command : {"barcode", "template", "chart-image"}) {
        if (std::strcmp(argv[1], command) == 0)
            return Needs::Fonts;
    }
    if (std::strcmp(argv[1], "pdf") == 0)
        return Needs::Fonts;
    // A batch draws the chart pages of its PDFs; JSON and HTML need the core.
    if (std::strcmp(argv[1], "batch") == 0) {
        const char *format = optionValue(argc, argv, "--format");
        if (format && std::strcmp(format, "pdf") == 0)
            return Needs::Fonts;
    }
    return Needs::Core;
}

int main(int argc, char *argv[])
{
    std::unique_ptr<QCoreApplication> application;
    QTemporaryDir runtimeFolder; // lent to Qt when the machine has none, so it does not warn
    const Needs needs = needsOf(argc, argv);
    if (needs != Needs::Core) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeFolder.isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder.path()));
    }
    if (needs == Needs::Fonts) {
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
    if (name == QLatin1String("--version")) {
        out << "sorvel-cli (Sorvel Numerology) " << SORVEL_VERSION_TEXT << "\n";
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
