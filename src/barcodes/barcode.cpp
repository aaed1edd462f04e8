// The barcode pictures: the linear drawers, the QR image and MakeBarcodeImage.

#include "barcode.h"

#include "linear_barcodes.h"
#include "qrencoder.h"
#include "qrpng.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>

#include <cstring>
#include <memory>

namespace {

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

QImage DrawBarcode(int kind, const QByteArray &pattern, const QColor &color)
{
    BarLayout layout;
    if (!LayoutBarcode(kind, pattern, layout))
        return QImage();
    return kind == BARCODE_POSTNET ? DrawPostnet(layout, color) : DrawBars(layout, color);
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
        const auto encoder = std::make_unique<CQrEncoder>();
        if (!EncodeSymbolText(*encoder, bytes.constData(), bytes.size()))
            return QImage();
        return MakeQrImage(*encoder, color);
    }

    QByteArray pattern;
    if (!EncodeBarcode(kind, bytes, pattern))
        return QImage();
    return DrawBarcode(kind, pattern, color);
}
