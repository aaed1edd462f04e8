// The barcode kinds' registry, the drawers and MakeBarcodeImage.

#include "barcode.h"

#include "linear_barcodes.h"
#include "qrencoder.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>

#include <cstring>
#include <memory>

namespace {

QImage DrawBars(const BarLayout &layout, const QColor &color);
QImage DrawPostnet(const BarLayout &layout, const QColor &color);

// One barcode kind: its name and its steps (see linear_barcodes.h). The QR
// Code has its own encoder and image.
struct Symbology
{
    const char *name;
    bool (*encode)(const QByteArray &text, QByteArray &pattern);
    bool (*layout)(const QByteArray &pattern, BarLayout &layout);
    QImage (*draw)(const BarLayout &layout, const QColor &color);
};

// clang-format off
const Symbology SYMBOLOGIES[BARCODE_KIND_COUNT] = {
    // name                encode         layout         draw            kind
    {"QR Code", nullptr, nullptr, nullptr},                           // 0
    {"Codabar", EncodeCodabar, LayoutCodabar, DrawBars},              // 1
    {"Code 128", EncodeCode128, LayoutCode128, DrawBars},             // 2
    {"Code 39", EncodeCode39, LayoutCode39, DrawBars},                // 3
    {"Code 93", EncodeCode93, LayoutCode93, DrawBars},                // 4
    {"EAN-13", EncodeEan13, LayoutEan13, DrawBars},                   // 5
    {"EAN-8", EncodeEan8, LayoutEan8, DrawBars},                      // 6
    {"Interleaved 2 of 5", EncodeItf, LayoutItf, DrawBars},           // 7
    {"MSI", EncodeMsi, LayoutMsi, DrawBars},                          // 8
    {"Postnet", EncodePostnet, LayoutPostnet, DrawPostnet},           // 9
    {"UPC-A", EncodeUpcA, LayoutUpcA, DrawBars},                      // 10
};
// clang-format on

const Symbology *linearSymbology(int kind)
{
    if (kind <= BARCODE_QR || kind >= BARCODE_KIND_COUNT)
        return nullptr;
    return &SYMBOLOGIES[kind];
}

QRgb barColor(const QColor &color)
{
    return color.isValid() ? color.rgb() : qRgb(0, 0, 0);
}

int moduleCount(const BarLayout &layout)
{
    int modules = 0;
    for (const BarElement &element : layout)
        modules += element.modules.size();
    return modules;
}

// The image is as wide as the symbol needs (2 pixels per module plus the
// margin), so a long text is never cut off in the middle of a character.
QImage DrawBars(const BarLayout &layout, const QColor &color)
{
    const int modules = moduleCount(layout);
    if (modules == 0)
        return QImage();
    const int width = modules * BAR_MODULE_PIXELS + BAR_RIGHT_MARGIN;
    QImage image(width, BAR_IMAGE_HEIGHT, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);

    // Bars: paint the first row, then copy it down to BAR_HEIGHT.
    const QRgb bar = barColor(color);
    QRgb *first = reinterpret_cast<QRgb *>(image.scanLine(0));
    int x = 0;
    for (const BarElement &element : layout) {
        for (const char module : element.modules) {
            if (module == '1') {
                for (int i = 0; i < BAR_MODULE_PIXELS; ++i)
                    first[x + i] = bar;
            }
            x += BAR_MODULE_PIXELS;
        }
    }
    for (int y = 1; y < BAR_HEIGHT; ++y)
        memcpy(image.scanLine(y), first, size_t(width) * sizeof(QRgb));

    // Printed text, centred under each element. Fonts need a GUI application.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return image;
    QPainter painter(&image);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(BAR_LABEL_PIXEL_SIZE);
    painter.setFont(font);
    painter.setPen(QColor(bar));
    x = 0;
    for (const BarElement &element : layout) {
        const int elementWidth = element.modules.size() * BAR_MODULE_PIXELS;
        if (!element.label.isEmpty()) {
            painter.drawText(QRect(x, BAR_HEIGHT, elementWidth, BAR_IMAGE_HEIGHT - BAR_HEIGHT),
                             Qt::AlignCenter | Qt::TextDontClip, element.label);
        }
        x += elementWidth;
    }
    return image;
}

// Postnet: one bar every POSTNET_PITCH pixels, '1' full height, '0' half
// height standing on the same baseline; no printed text.
QImage DrawPostnet(const BarLayout &layout, const QColor &color)
{
    const int bars = moduleCount(layout);
    if (bars == 0)
        return QImage();
    const int width = (bars - 1) * POSTNET_PITCH + BAR_MODULE_PIXELS + BAR_RIGHT_MARGIN;
    QImage image(width, POSTNET_HEIGHT, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    const QRgb bar = barColor(color);
    int x = 0;
    for (const BarElement &element : layout) {
        for (const char module : element.modules) {
            const int top = module == '1' ? 0 : POSTNET_HEIGHT - POSTNET_SHORT_HEIGHT;
            for (int y = top; y < POSTNET_HEIGHT; ++y) {
                QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
                for (int i = 0; i < BAR_MODULE_PIXELS; ++i)
                    line[x + i] = bar;
            }
            x += POSTNET_PITCH;
        }
    }
    return image;
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

QImage DrawBarcode(int kind, const QByteArray &pattern, const QColor &color)
{
    const Symbology *symbology = linearSymbology(kind);
    BarLayout layout;
    if (!symbology || !symbology->layout(pattern, layout))
        return QImage();
    return symbology->draw(layout, color);
}

QImage MakeQrImage(const CQrEncoder &encoder, const QColor &color)
{
    const int size = encoder.symbolSize();
    if (size == 0)
        return QImage();
    const int pixels = size * QR_MODULE_PIXELS;
    QImage image(pixels, pixels, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const QRgb dark = barColor(color);
    const QRgb light = qRgb(255, 255, 255);
    for (int y = 0; y < size; ++y) {
        // One pixel row of the module row, copied to the module's height.
        QRgb *first = reinterpret_cast<QRgb *>(image.scanLine(y * QR_MODULE_PIXELS));
        for (int x = 0; x < size; ++x) {
            const QRgb value = encoder.isDark(x, y) ? dark : light;
            for (int i = 0; i < QR_MODULE_PIXELS; ++i)
                first[x * QR_MODULE_PIXELS + i] = value;
        }
        for (int i = 1; i < QR_MODULE_PIXELS; ++i)
            memcpy(image.scanLine(y * QR_MODULE_PIXELS + i), first, size_t(pixels) * sizeof(QRgb));
    }
    return image;
}

QImage MakeBarcodeImage(const QString &text, int kind, const QColor &color)
{
    if (kind < 0 || kind >= BARCODE_KIND_COUNT)
        return QImage();
    // The local 8-bit encoding of our platform is UTF-8. Converting with
    // toUtf8() rather than through the locale keeps every character, accents
    // and CJK included, whatever the locale variables say.
    const QByteArray bytes = text.toUtf8();
    if (bytes.isEmpty())
        return QImage();

    if (kind == BARCODE_QR) {
        // Level L, the smallest version that fits, automatic mask.
        const auto encoder = std::make_unique<CQrEncoder>();
        if (!encoder->EncodeQr(QR_LEVEL_L, 0, true, -1, bytes.constData(), bytes.size()))
            return QImage();
        return MakeQrImage(*encoder, color);
    }

    QByteArray pattern;
    if (!EncodeBarcode(kind, bytes, pattern))
        return QImage();
    return DrawBarcode(kind, pattern, color);
}
