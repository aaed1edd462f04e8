// sorvel-cli barcode: the symbol image of a chart's barcode element, as PNG.

#include "barcodes/barcodekinds.h"
#include "barcodes/qrpng.h"
#include "cliutil.h"
#include "commands.h"
#include "plainqr.h"

#include <QRegularExpression>

void usageBarcode(QTextStream &out)
{
    out << "  barcode --kind N --text TEXT [--color #RRGGBB] [--margin N] --out FILE.png\n"
           "    Writes the symbol image of TEXT as a PNG file. Kinds:\n";
    for (int kind = 0; kind < BARCODE_KIND_COUNT; ++kind)
        out << "      " << kind << "  " << BarcodeKindName(kind) << "\n";
    out << "    --color #RRGGBB        bar colour on white (default #000000)\n"
           "    --margin N             QR Code: light modules around the symbol, 0 to "
        << MAX_QUIET_MODULES << " (default " << DEFAULT_QR_MARGIN << ")\n"
           "    Linear symbols carry their human-readable text under the bars.\n"
           "    Exit status 1, and no file, when the text cannot be encoded as that\n"
           "    kind whole: a character the symbology lacks, or a number of a length\n"
           "    it would fill with zeros or cut.\n";
}

int runBarcodeWith(const QStringList &args, LinearBarcodeWriter writeLinear)
{
    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(QStringLiteral("kind"), QString(), QStringLiteral("N")));
    parser.addOption(QCommandLineOption(QStringLiteral("text"), QString(), QStringLiteral("TEXT")));
    parser.addOption(QCommandLineOption(QStringLiteral("color"), QString(), QStringLiteral("COLOR")));
    parser.addOption(QCommandLineOption(QStringLiteral("out"), QString(), QStringLiteral("FILE")));
    parser.addOption(QCommandLineOption(QStringLiteral("margin"), QString(), QStringLiteral("N")));
    if (!parseArguments(parser, QStringLiteral("barcode"), args))
        return EXIT_USAGE;

    // Required options and their shapes.
    for (const char *name : {"kind", "text", "out"}) {
        if (!parser.isSet(QLatin1String(name)))
            return usageError(QStringLiteral("barcode: missing --") + QLatin1String(name));
    }
    static const QRegularExpression number(QStringLiteral("^\\d{1,2}$"));
    const QString kindText = parser.value(QStringLiteral("kind"));
    const int kind = number.match(kindText).hasMatch() ? kindText.toInt() : -1;
    if (kind < 0 || kind >= BARCODE_KIND_COUNT)
        return usageError(
            QStringLiteral("barcode: --kind: expected 0 to %1, got ").arg(BARCODE_KIND_COUNT - 1) + kindText);
    std::uint32_t rgb = 0x000000;
    if (parser.isSet(QStringLiteral("color"))) {
        const QString colorText = parser.value(QStringLiteral("color"));
        if (!parseHexColour(colorText.toStdString(), rgb))
            return usageError(QStringLiteral("barcode: --color: expected #RRGGBB, got ") + colorText);
    }
    int margin = DEFAULT_QR_MARGIN;
    if (parser.isSet(QStringLiteral("margin"))) {
        const QString marginText = parser.value(QStringLiteral("margin"));
        if (kind != BARCODE_QR)
            return usageError(QStringLiteral("barcode: --margin: only a QR Code (--kind 0) has one"));
        if (!parseQrMargin(marginText.toStdString(), margin))
            return usageError(QStringLiteral("barcode: --margin: expected 0 to %1, got ").arg(MAX_QUIET_MODULES)
                              + marginText);
    }
    const QString outPath = parser.value(QStringLiteral("out"));
    if (outPath.isEmpty())
        return usageError(QStringLiteral("barcode: --out: empty file name"));

    // The symbol as the chart designer would draw it, encoded in memory
    // first, so the file is written (and checked) in one go.
    QTextStream err(stderr);
    if (kind != BARCODE_QR && !writeLinear) {
        err << "sorvel-cli: barcode: this program writes QR Codes only; run sorvel-cli\n";
        return EXIT_FAILED;
    }
    const QString text = parser.value(QStringLiteral("text"));
    if (kind != BARCODE_QR && !BarcodeKeepsWholeText(kind, text.toUtf8())) {
        err << "sorvel-cli: barcode: the text cannot be encoded as " << BarcodeKindName(kind)
            << " whole: the symbol would leave characters out or put zeros in their place\n";
        return EXIT_FAILED;
    }
    const QByteArray png = kind == BARCODE_QR
                               ? QByteArray::fromStdString(QrCodePng(text.toUtf8().toStdString(), rgb, margin))
                               : writeLinear(text, kind, rgb);
    if (png.isEmpty()) {
        err << "sorvel-cli: barcode: the text cannot be encoded as " << BarcodeKindName(kind) << "\n";
        return EXIT_FAILED;
    }
    return writeOutputFile(outPath, QStringLiteral("barcode"), png);
}
