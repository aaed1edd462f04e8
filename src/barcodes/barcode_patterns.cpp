// The barcode kinds' registry and the linear symbologies' shared helpers:
// everything of a barcode but its picture, so it needs QtCore alone.

#include "barcodekinds.h"
#include "linear_barcodes.h"

#include <cstring>

namespace {

// One barcode kind: its name and its steps (see linear_barcodes.h). The QR
// Code has its own encoder (qrencoder.h).
struct Symbology
{
    const char *name;
    bool (*encode)(const QByteArray &text, QByteArray &pattern);
    bool (*layout)(const QByteArray &pattern, BarLayout &layout);
};

// clang-format off
const Symbology SYMBOLOGIES[BARCODE_KIND_COUNT] = {
    // name                  encode          layout             kind
    {"QR Code",             nullptr,        nullptr},          // 0
    {"Codabar",             EncodeCodabar,  LayoutCodabar},    // 1
    {"Code 128",            EncodeCode128,  LayoutCode128},    // 2
    {"Code 39",             EncodeCode39,   LayoutCode39},     // 3
    {"Code 93",             EncodeCode93,   LayoutCode93},     // 4
    {"EAN-13",              EncodeEan13,    LayoutEan13},      // 5
    {"EAN-8",               EncodeEan8,     LayoutEan8},       // 6
    {"Interleaved 2 of 5",  EncodeItf,      LayoutItf},        // 7
    {"MSI",                 EncodeMsi,      LayoutMsi},        // 8
    {"Postnet",             EncodePostnet,  LayoutPostnet},    // 9
    {"UPC-A",               EncodeUpcA,     LayoutUpcA},       // 10
};
// clang-format on

const Symbology *linearSymbology(int kind)
{
    if (kind <= BARCODE_QR || kind >= BARCODE_KIND_COUNT)
        return nullptr;
    return &SYMBOLOGIES[kind];
}

} // namespace

// --- helpers shared by the symbology files --------------------------------

QByteArray ModulesFromWidths(const char *widths)
{
    QByteArray modules;
    char module = '1';
    for (const char *w = widths; *w; ++w) {
        modules.append(*w - '0', module);
        module = module == '1' ? '0' : '1';
    }
    return modules;
}

QByteArray ModulesFromNarrowWide(const char *elements, int wideModules)
{
    QByteArray modules;
    char module = '1';
    for (const char *e = elements; *e; ++e) {
        modules.append(*e == '1' ? wideModules : 1, module);
        module = module == '1' ? '0' : '1';
    }
    return modules;
}

QByteArray KeepBytes(const QByteArray &text, const char *allowed)
{
    QByteArray kept;
    for (const char c : text) {
        if (c != '\0' && strchr(allowed, c))
            kept.append(c);
    }
    return kept;
}

QByteArray KeepDigits(const QByteArray &text)
{
    return KeepBytes(text, "0123456789");
}

bool AllDigits(const QByteArray &text)
{
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// --- public entry points ---------------------------------------------------

QString BarcodeKindName(int kind)
{
    if (kind < 0 || kind >= BARCODE_KIND_COUNT)
        return QString();
    return QString::fromLatin1(SYMBOLOGIES[kind].name);
}

bool EncodeBarcode(int kind, const QByteArray &text, QByteArray &pattern)
{
    pattern.clear();
    const Symbology *symbology = linearSymbology(kind);
    if (!symbology || text.isEmpty() || text.size() > MAX_BARCODE_TEXT)
        return false;
    if (symbology->encode(text, pattern))
        return true;
    pattern.clear();
    return false;
}

QByteArray BarcodeModules(int kind, const QByteArray &pattern)
{
    const Symbology *symbology = linearSymbology(kind);
    BarLayout layout;
    if (!symbology || !symbology->layout(pattern, layout))
        return QByteArray();
    QByteArray modules;
    for (const BarElement &element : layout)
        modules += element.modules;
    return modules;
}

bool LayoutBarcode(int kind, const QByteArray &pattern, BarLayout &layout)
{
    const Symbology *symbology = linearSymbology(kind);
    return symbology && symbology->layout(pattern, layout);
}
