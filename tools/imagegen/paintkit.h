#pragma once

// Drawing helpers shared by every picture of the generator: the base design's
// colours, blank canvases, colour mixing, soft shadows and text outlines.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace imagegen {

// The "Chocolate" palette. Every window picture is drawn in these colours; the
// skins re-tint them later by brightness, so brightness carries the design.
namespace palette {
constexpr QRgb Field = 0x2c2420;   // field and dialog backgrounds
constexpr QRgb Window = 0x1e1917;  // window background
constexpr QRgb Button = 0x44372f;
constexpr QRgb Hovered = 0x54443a;
constexpr QRgb Pressed = 0x2d241f;
constexpr QRgb Border = 0x5c524c;  // the light border
constexpr QRgb Border2 = 0x594f49;
constexpr QRgb Border3 = 0x403935;
constexpr QRgb Border4 = 0x3e3733; // the dark border
constexpr QRgb Drawer = 0x352821;
constexpr QRgb Text = 0xeddbb2;
constexpr QRgb Accent = 0x9cb62d;  // lime-olive green
} // namespace palette

// An opaque colour from a palette value.
inline QColor colour(QRgb rgb)
{
    return QColor(rgb);
}

// The colour with its alpha set to a fraction (0..1).
QColor withAlpha(const QColor &c, qreal alpha);
// Linear blend of two colours (t = 0 gives a, t = 1 gives b), alpha included.
QColor mix(const QColor &a, const QColor &b, qreal t);

// A transparent (or filled) premultiplied canvas.
QImage canvas(int width, int height, const QColor &fill = Qt::transparent);
// Antialiasing for shapes and text, smooth scaling of pictures.
void prepare(QPainter &painter);

QPainterPath roundedRect(const QRectF &rect, qreal radius);

// Box blur (three passes, close to a Gaussian) of every channel.
QImage blurred(const QImage &image, int radius);
// Paints a soft shadow of a shape: the shape filled with the colour, offset
// and blurred, onto the painter's device (whose size is given).
void softShadow(QPainter &painter, const QSize &size, const QPainterPath &shape, const QPointF &offset,
                int radius, const QColor &colour);
// A soft glow: a radial fade from the colour at the centre to transparent.
void glow(QPainter &painter, const QPointF &centre, qreal radius, const QColor &colour);

// Fonts are named by the faces the build machines install (fonts-liberation).
QFont sansFont(qreal pixelSize, int weight = QFont::Normal);
QFont serifFont(qreal pixelSize, int weight = QFont::Normal, bool italic = false);

// The outline of a text, its ink box centred on a point (the box, not the
// baseline: digits and capitals sit optically centred).
QPainterPath centredText(const QString &text, const QFont &font, const QPointF &centre);
// The same with extra space between the letters (in pixels).
QPainterPath spacedText(const QString &text, const QFont &font, qreal spacing);

// A path moved so its bounding box is centred on a point.
QPainterPath centredOn(const QPainterPath &path, const QPointF &centre);

} // namespace imagegen
