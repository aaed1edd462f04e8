#pragma once

// Glyphs: the line and shape art of the icons and report emblems. Every glyph
// draws itself in a 100 x 100 box; paintGlyph places it in a target square,
// so one drawing serves a 12-pixel button and a 60-pixel emblem alike.

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QSize>

#include <functional>

namespace imagegen {

struct Ink
{
    QBrush main;     // lines and shapes
    QBrush accent;   // highlighted details
    QColor ground;   // the colour behind the glyph, for gaps and cut-outs
    qreal line = 7;  // stroke width in glyph units
};

// The ink of glyphs on dark grounds: the warm light text colour with a soft
// top highlight, accents in the lime-olive green.
Ink lightInk(qreal line);

using GlyphFn = std::function<void(QPainter &, const Ink &)>;

// Draws a glyph into a square box. With shadowAlpha > 0 the glyph's shape
// first casts a blurred black shadow, offset in device pixels.
void paintGlyph(QPainter &painter, const QSize &device, GlyphFn glyph, const QRectF &box, const Ink &ink,
                qreal shadowAlpha = 0.0, const QPointF &shadowOffset = QPointF(0, 1), int shadowBlur = 1);

// A round-capped, round-joined pen.
QPen roundPen(const QBrush &brush, qreal width);

// Shapes shared by several glyphs (glyph units).
QPainterPath circlePath(const QPointF &centre, qreal radius);
QPainterPath linePath(const QPointF &a, const QPointF &b);
// The point at an angle (degrees, clockwise from three o'clock on screen).
QPointF onCircle(const QPointF &centre, qreal radius, qreal degrees);
// Clear a band along a path, or a whole shape, on the glyph's own layer: the
// gap that lets one line pass over another.
void knockStroke(QPainter &p, const QPainterPath &path, qreal width);
void knockFill(QPainter &p, const QPainterPath &path);
QPainterPath heartPath(const QPointF &centre, qreal width);
QPainterPath starPath(const QPointF &centre, qreal outer, qreal inner, int points, qreal rotationDeg = -90);
QPainterPath crescentPath(const QPointF &centre, qreal radius, qreal cut);
// A circular arc of a stroke with an arrow head at its end (angles in degrees,
// counter-clockwise from three o'clock, as QPainterPath::arcTo takes them).
void drawArcArrow(QPainter &p, const QBrush &brush, const QPointF &centre, qreal radius, qreal startDeg,
                  qreal sweepDeg, qreal width, qreal head);
// A straight arrow from a to b with a filled head at b.
void drawArrow(QPainter &p, const QBrush &brush, const QPointF &a, const QPointF &b, qreal width, qreal head);

// --- the glyphs ---
// Module buttons.
void glyphNumbers(QPainter &p, const Ink &ink);
void glyphMatrix(QPainter &p, const Ink &ink);
void glyphLove(QPainter &p, const Ink &ink);
void glyphStar(QPainter &p, const Ink &ink);
void glyphPaw(QPainter &p, const Ink &ink);
void glyphChart(QPainter &p, const Ink &ink);
void glyphAdvisor(QPainter &p, const Ink &ink);
void glyphForecast(QPainter &p, const Ink &ink);
void glyphBook(QPainter &p, const Ink &ink);
// Window and file buttons.
void glyphSave(QPainter &p, const Ink &ink);
void glyphPrint(QPainter &p, const Ink &ink);
void glyphReset(QPainter &p, const Ink &ink);
void glyphMenu(QPainter &p, const Ink &ink);
void glyphInfo(QPainter &p, const Ink &ink);
void glyphOpen(QPainter &p, const Ink &ink);
void glyphNew(QPainter &p, const Ink &ink);
// Chart designer tools.
void glyphZoomNormal(QPainter &p, const Ink &ink);
void glyphZoomIn(QPainter &p, const Ink &ink);
void glyphZoomOut(QPainter &p, const Ink &ink);
void glyphProperties(QPainter &p, const Ink &ink);
void glyphDelete(QPainter &p, const Ink &ink);
void glyphGrid(QPainter &p, const Ink &ink);
void glyphSnap(QPainter &p, const Ink &ink);
void glyphBounds(QPainter &p, const Ink &ink);
void glyphBringFront(QPainter &p, const Ink &ink);
void glyphBringBack(QPainter &p, const Ink &ink);
void glyphMove(QPainter &p, const Ink &ink);
void glyphRotate(QPainter &p, const Ink &ink);
void glyphScale(QPainter &p, const Ink &ink);
// The product emblem: nine points on a ring joined by three triangles.
void glyphEmblem(QPainter &p, const Ink &ink);

} // namespace imagegen
