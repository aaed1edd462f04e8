#include "templateinput.h"

#include <QBuffer>
#include <QDataStream>
#include <QIODevice>

#include <cmath>

namespace {

constexpr quint32 NULL_STRING_LENGTH = 0xffffffffu;
constexpr qint64 COLOUR_BYTES = 11;     // model, alpha, red, green, blue, pad
constexpr qint64 FONT_FIXED_BYTES = 28; // everything after the family at version 12
constexpr qint64 PATH_ELEMENT_BYTES = 20;

// A stream over bytes this reader already holds, for handing a checked
// value to Qt's own reader.
QDataStream &templateStream(QDataStream &stream)
{
    stream.setVersion(QDataStream::Qt_4_6);
    stream.setByteOrder(QDataStream::BigEndian);
    stream.setFloatingPointPrecision(QDataStream::DoublePrecision);
    return stream;
}

quint32 bigEndian32(const char *bytes)
{
    const auto *b = reinterpret_cast<const uchar *>(bytes);
    return quint32(b[0]) << 24 | quint32(b[1]) << 16 | quint32(b[2]) << 8 | quint32(b[3]);
}

// PNG (ISO/IEC 15948) facts the chunk walk needs.
const char PNG_SIGNATURE[] = "\x89PNG\r\n\x1a\n";
constexpr qint64 PNG_SIGNATURE_BYTES = 8;
constexpr qint64 PNG_IHDR_BYTES = 13;
// Deflate codes a run of 258 bytes in as little as two bits: no compressed
// stream expands more than 1032 times (zlib's technical details).
constexpr qint64 DEFLATE_MAX_RATIO = 1032;

// Bits per pixel of a PNG colour type and bit depth (11.2.2, table 11.1);
// 0 for a combination the standard does not allow.
int pngBitsPerPixel(int colourType, int bitDepth)
{
    const bool depth8or16 = bitDepth == 8 || bitDepth == 16;
    switch (colourType) {
    case 0: // greyscale
        return (bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || depth8or16) ? bitDepth : 0;
    case 2: // truecolour
        return depth8or16 ? 3 * bitDepth : 0;
    case 3: // indexed
        return (bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8) ? bitDepth : 0;
    case 4: // greyscale with alpha
        return depth8or16 ? 2 * bitDepth : 0;
    case 6: // truecolour with alpha
        return depth8or16 ? 4 * bitDepth : 0;
    default:
        return 0;
    }
}

} // namespace

TemplateInput::TemplateInput(QDataStream &stream)
    : m_stream(stream)
{
}

bool TemplateInput::ok() const
{
    return !m_damaged && m_stream.status() == QDataStream::Ok;
}

qint64 TemplateInput::remaining() const
{
    const QIODevice *device = m_stream.device();
    return device ? device->bytesAvailable() : 0;
}

bool TemplateInput::hasBytes(qint64 count)
{
    if (!ok() || count < 0 || remaining() < count) {
        m_damaged = true;
        return false;
    }
    return true;
}

qint32 TemplateInput::readInt()
{
    qint32 value = 0;
    if (hasBytes(4))
        m_stream >> value;
    return value;
}

qint64 TemplateInput::readInt64()
{
    qint64 value = 0;
    if (hasBytes(8))
        m_stream >> value;
    return value;
}

qint8 TemplateInput::readByte()
{
    qint8 value = 0;
    if (hasBytes(1))
        m_stream >> value;
    return value;
}

bool TemplateInput::readInvertedFlag()
{
    return readByte() == 0;
}

double TemplateInput::readDouble()
{
    double value = 0.0;
    if (!hasBytes(8))
        return 0.0;
    m_stream >> value;
    if (!std::isfinite(value)) {
        m_damaged = true;
        return 0.0;
    }
    return value;
}

int TemplateInput::readCount(qint64 minimumBytes)
{
    const qint32 count = readInt();
    if (!ok() || count < 0 || qint64(count) > remaining() / qMax<qint64>(1, minimumBytes)) {
        m_damaged = true;
        return 0;
    }
    return count;
}

QByteArray TemplateInput::readRaw(qint64 count)
{
    if (count > MAX_TEMPLATE_VALUE_BYTES)
        m_damaged = true;
    if (!hasBytes(count))
        return QByteArray();
    QByteArray bytes(int(count), Qt::Uninitialized);
    if (m_stream.readRawData(bytes.data(), int(count)) != count) {
        m_damaged = true;
        return QByteArray();
    }
    return bytes;
}

QString TemplateInput::readString()
{
    const quint32 length = quint32(readInt());
    if (!ok() || length == NULL_STRING_LENGTH)
        return QString();
    if (length % 2 != 0) {
        m_damaged = true;
        return QString();
    }
    const QByteArray bytes = readRaw(qint64(length));
    if (!ok())
        return QString();
    // UTF-16, big-endian.
    QString text(int(length / 2), Qt::Uninitialized);
    for (int i = 0; i < text.size(); ++i)
        text[i] = QChar(ushort(uchar(bytes[2 * i]) << 8 | uchar(bytes[2 * i + 1])));
    return length == 0 ? QString(QLatin1String("")) : text;
}

QColor TemplateInput::readColour()
{
    const QByteArray bytes = readRaw(COLOUR_BYTES);
    if (!ok())
        return QColor();
    // Invalid, Rgb, Hsv, Cmyk and Hsl; a hue is below 360 degrees (in
    // hundredths) or 0xffff for none. Extended RGB needs a later stream
    // version than the file's.
    const int model = qint8(bytes[0]);
    const quint32 hue = bigEndian32(bytes.constData() + 3) >> 16;
    const bool hueModel = model == QColor::Hsv || model == QColor::Hsl;
    if (model < QColor::Invalid || model > QColor::Hsl || (hueModel && hue >= 36000 && hue != 0xffff)) {
        m_damaged = true;
        return QColor();
    }
    QDataStream in(bytes);
    QColor colour;
    templateStream(in) >> colour;
    return colour;
}

QFont TemplateInput::readFont()
{
    // Family first, as a string; its length must fit before the fixed part.
    const QByteArray lengthBytes = readRaw(4);
    if (!ok())
        return QFont();
    const quint32 length = bigEndian32(lengthBytes.constData());
    const qint64 familyBytes = length == NULL_STRING_LENGTH ? 0 : qint64(length);
    if (familyBytes % 2 != 0) {
        m_damaged = true;
        return QFont();
    }
    const QByteArray rest = readRaw(familyBytes + FONT_FIXED_BYTES);
    if (!ok())
        return QFont();

    // Point size (double) and pixel size (int) open the fixed part.
    QDataStream sizes(rest.mid(int(familyBytes), 12));
    double pointSize = 0.0;
    qint32 pixelSize = 0;
    templateStream(sizes) >> pointSize >> pixelSize;
    // -1 is Qt's "no point size"; a pixel size of 0 or less is "none".
    if (!std::isfinite(pointSize) || pointSize < -1.0 || pointSize > MAX_TEMPLATE_FONT_SIZE ||
        pixelSize > MAX_TEMPLATE_FONT_SIZE) {
        m_damaged = true;
        return QFont();
    }
    QDataStream in(lengthBytes + rest);
    QFont font;
    templateStream(in) >> font;
    if (in.status() != QDataStream::Ok)
        m_damaged = true;
    return font;
}

QImage TemplateInput::readImage(bool kept)
{
    // A null image is the marker 0 alone; any other marker is followed by
    // a PNG file.
    const qint32 marker = readInt();
    if (!ok() || marker == 0)
        return QImage();
    const QByteArray png = readPng(kept);
    if (!ok())
        return QImage();
    QImage image = QImage::fromData(png, "PNG");
    if (image.isNull())
        m_damaged = true;
    return image;
}

// Walks the PNG's chunks up to IEND and returns its bytes. The header's
// size is capped, alone and with the pictures kept before, and its
// compressed data must be able to fill it, so the decoder never allocates
// more than the file could describe.
QByteArray TemplateInput::readPng(bool kept)
{
    QByteArray png = readRaw(PNG_SIGNATURE_BYTES);
    if (!ok() || png != QByteArray(PNG_SIGNATURE, int(PNG_SIGNATURE_BYTES))) {
        m_damaged = true;
        return QByteArray();
    }
    qint64 rawBytes = -1; // the decoded size, known once the header is read
    qint64 compressedBytes = 0;
    for (;;) {
        const QByteArray head = readRaw(8);
        if (!ok())
            return QByteArray();
        const quint32 length = bigEndian32(head.constData());
        const QByteArray type = head.mid(4, 4);
        const QByteArray body = length <= 0x7fffffffu ? readRaw(qint64(length) + 4) : QByteArray();
        if (!ok() || length > 0x7fffffffu) {
            m_damaged = true;
            return QByteArray();
        }
        if (png.size() + head.size() + body.size() > MAX_TEMPLATE_VALUE_BYTES) {
            m_damaged = true;
            return QByteArray();
        }
        png += head;
        png += body;

        if (rawBytes < 0) {
            // The first chunk is the header: width, height, depth, colour type.
            if (type != "IHDR" || length != PNG_IHDR_BYTES) {
                m_damaged = true;
                return QByteArray();
            }
            const qint64 width = bigEndian32(body.constData());
            const qint64 height = bigEndian32(body.constData() + 4);
            const int bits = pngBitsPerPixel(uchar(body[9]), uchar(body[8]));
            if (width > MAX_TEMPLATE_IMAGE_PIXELS || height > MAX_TEMPLATE_IMAGE_PIXELS) {
                m_damaged = true;
                return QByteArray();
            }
            const qint64 pixels = width * height;
            // Wide samples decode to 8 bytes a pixel, the rest to 4.
            const qint64 weight = bits > 32 ? 2 : 1;
            if (kept)
                m_pixelsKept += pixels * weight;
            if (width < 1 || height < 1 || bits == 0 || pixels * weight > MAX_TEMPLATE_IMAGE_PIXELS ||
                m_pixelsKept > MAX_TEMPLATE_TOTAL_PIXELS) {
                m_damaged = true;
                return QByteArray();
            }
            rawBytes = height * ((width * bits + 7) / 8);
        } else if (type == "IDAT") {
            compressedBytes += length;
        } else if (type == "IEND") {
            break;
        }
    }
    if (rawBytes > compressedBytes * DEFLATE_MAX_RATIO) {
        m_damaged = true;
        return QByteArray();
    }
    return png;
}

QTransform TemplateInput::readTransform()
{
    double m[9];
    for (double &value : m)
        value = readDouble();
    if (!ok())
        return QTransform();
    return QTransform(m[0], m[1], m[2], m[3], m[4], m[5], m[6], m[7], m[8]);
}

// The elements are rebuilt through moveTo, lineTo and cubicTo: a curve
// element must be followed by its two data elements, and the path must
// start with a move.
QPainterPath TemplateInput::readPath()
{
    const int count = readCount(PATH_ELEMENT_BYTES);
    if (!ok() || count == 0)
        return QPainterPath();
    QPainterPath path;
    QPointF curve[3];
    int curvePoints = 0; // data points still owed to the current curve
    for (int i = 0; i < count && ok(); ++i) {
        const qint32 type = readInt();
        const double x = readDouble();
        const double y = readDouble();
        const QPointF point(x, y);
        if (!ok())
            break;
        const bool dataExpected = curvePoints > 0;
        if ((type == QPainterPath::CurveToDataElement) != dataExpected ||
            (i == 0 && type != QPainterPath::MoveToElement)) {
            m_damaged = true;
            break;
        }
        switch (type) {
        case QPainterPath::MoveToElement:
            path.moveTo(point);
            break;
        case QPainterPath::LineToElement:
            path.lineTo(point);
            break;
        case QPainterPath::CurveToElement:
            curve[0] = point;
            curvePoints = 2;
            break;
        case QPainterPath::CurveToDataElement:
            curve[3 - curvePoints] = point;
            if (--curvePoints == 0)
                path.cubicTo(curve[0], curve[1], curve[2]);
            break;
        default:
            m_damaged = true;
            break;
        }
    }
    readInt(); // the start of the last subpath; the calls above set it
    const qint32 fillRule = readInt();
    if (curvePoints != 0 || (fillRule != Qt::OddEvenFill && fillRule != Qt::WindingFill))
        m_damaged = true;
    if (!ok())
        return QPainterPath();
    path.setFillRule(Qt::FillRule(fillRule));
    return path;
}

QSizeF TemplateInput::readSize()
{
    const double width = readDouble();
    const double height = readDouble();
    return QSizeF(width, height);
}
