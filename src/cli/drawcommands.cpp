// sorvel-cli-draw: every command of sorvel-cli, the pictures and the PDF
// included (cliroute.h). A command that draws text gets a GUI application
// on the offscreen platform; the others a core application.

#include "barcodes/barcode.h"
#include "cliroute.h"
#include "cliutil.h"
#include "commands.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstring>
#include <memory>
#include <vector>

namespace {

// A linear symbol with its printed text, as PNG; empty when the text cannot
// be encoded as that kind or the image does not encode.
QByteArray linearBarcodePng(const QString &text, int kind, unsigned int rgb)
{
    const QImage image = MakeBarcodeImage(text, kind, QColor(QRgb(rgb)));
    QByteArray png;
    QBuffer buffer(&png);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return QByteArray();
    return png;
}

// The barcode command of this program: every kind, linear ones included.
int runAnyBarcode(const QStringList &args)
{
    return runBarcodeWith(args, linearBarcodePng);
}

const CliCommand DRAWING_COMMANDS[] = {SORVEL_CLI_DRAWING_COMMANDS(SORVEL_CLI_COMMAND)};

// The text commands, their barcode able to draw linear symbols, then the
// drawing commands.
std::vector<CliCommand> allCommands()
{
    const CliCommandList text = textCommands();
    std::vector<CliCommand> commands(text.begin(), text.end());
    for (CliCommand &command : commands) {
        if (std::strcmp(command.name, "barcode") == 0)
            command.run = runAnyBarcode;
    }
    commands.insert(commands.end(), std::begin(DRAWING_COMMANDS), std::end(DRAWING_COMMANDS));
    return commands;
}

// Whether the command draws text into a picture (a linear barcode, a chart,
// the chart page of a PDF). None shows a window, so the GUI application
// runs on the offscreen platform. PDFs are printed by a helper program with
// the web engine, which this program never loads.
bool needsFonts(int argc, char *argv[])
{
    if (argc < 2)
        return false;
    // A QR Code carries no text under it.
    if (std::strcmp(argv[1], "barcode") == 0) {
        const char *kind = cliOptionValue(argc, argv, "--kind");
        return !kind || std::strcmp(kind, "0") != 0;
    }
    for (const char *command : {"template", "chart-image", "pdf"}) {
        if (std::strcmp(argv[1], command) == 0)
            return true;
    }
    // A batch draws the chart pages of its PDFs, and of HTML documents with a
    // chart (a template, or the chart named in --reports); JSON needs the core.
    if (std::strcmp(argv[1], "batch") == 0) {
        const char *format = cliOptionValue(argc, argv, "--format");
        if (format && std::strcmp(format, "pdf") == 0)
            return true;
        const char *reports = cliOptionValue(argc, argv, "--reports");
        return format && std::strcmp(format, "html") == 0 &&
               (cliOptionValue(argc, argv, "--template") || (reports && std::strstr(reports, "chart")));
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    std::unique_ptr<QCoreApplication> application;
    std::unique_ptr<QTemporaryDir> runtimeFolder; // lent to Qt when the machine has none, so it does not warn
    if (needsFonts(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            runtimeFolder = std::make_unique<QTemporaryDir>();
            if (runtimeFolder->isValid())
                qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder->path()));
        }
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    // This program links the client book: --client ID reads from it.
    setClientPersonReader(readBookClient);
    const std::vector<CliCommand> commands = allCommands();
    return runCommandLine(application->arguments(), {commands.data(), int(commands.size())});
}
