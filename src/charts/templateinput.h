#pragma once

// Reading the values of a template file without trusting it.
//
// Every value uses Qt's data stream encoding at version 12 (Qt 4.6, big-
// endian, 64-bit doubles). Qt's own readers trust lengths and counts: its
// painter path reader loops over whatever element count the file claims,
// and its image reader allocates whatever size the picture's header claims.
// TemplateInput reads each value itself, or checks what it may cost before
// handing exactly its bytes to Qt, so a hostile file can neither allocate
// more than it could hold nor loop past its end:
//
//   - a length or count must fit in the bytes that remain, and no single
//     value may be longer than MAX_TEMPLATE_VALUE_BYTES;
//   - doubles must be finite (the designer never writes anything else);
//   - a colour's model (RGB, HSV, ...) must be one Qt knows;
//   - a painter path is rebuilt element by element through QPainterPath's
//     own calls, so its structure is always well formed;
//   - a picture's PNG chunks are walked first: its size is capped, and its
//     compressed data must be able to fill it;
//   - anything else wrong marks the input damaged; every later read then
//     returns a default value, and the caller checks ok() after each record.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QSizeF>
#include <QString>
#include <QTransform>

class QDataStream;

// The largest picture a template may hold, and all its pictures together.
constexpr qint64 MAX_TEMPLATE_IMAGE_PIXELS = 2048 * 2048;
constexpr qint64 MAX_TEMPLATE_TOTAL_PIXELS = 3 * MAX_TEMPLATE_IMAGE_PIXELS;
// Font sizes beyond any printable chart are taken as damage.
constexpr double MAX_TEMPLATE_FONT_SIZE = 10000.0;
// The longest single value (a text, a picture's PNG file) a template may
// hold, so no file, however large, makes one allocation beyond it.
constexpr qint64 MAX_TEMPLATE_VALUE_BYTES = 32 * 1024 * 1024;

class TemplateInput
{
public:
    explicit TemplateInput(QDataStream &stream);

    // False once the stream failed or a value was found damaged.
    bool ok() const;
    // Bytes left on the stream's device.
    qint64 remaining() const;
    void markDamaged() { m_damaged = true; }

    qint32 readInt();
    qint64 readInt64();
    qint8 readByte();
    // An item flag: stored inverted, 0 for true.
    bool readInvertedFlag();
    double readDouble();
    // A count of records of at least minimumBytes each.
    int readCount(qint64 minimumBytes);
    // count raw bytes; empty when they are not all there.
    QByteArray readRaw(qint64 count);

    QString readString();
    QColor readColour();
    QFont readFont();
    // A picture the document keeps counts towards the pixels all its
    // pictures may hold together; one read and dropped does not.
    QImage readImage(bool kept = true);
    QTransform readTransform();
    QPainterPath readPath();
    QSizeF readSize();

private:
    bool hasBytes(qint64 count);
    QByteArray readPng(bool kept);

    QDataStream &m_stream;
    bool m_damaged = false;
    qint64 m_pixelsKept = 0;
};
