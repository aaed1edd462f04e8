// Small buttons: the window's image buttons (20 x 20), the input overlay's
// file buttons (24 x 24), each plain and hovered ("h"), and the chart
// designer's tool pictures (20 x 20) and its field-group tiles (16 x 16).

#include "glyphs.h"
#include "paintkit.h"
#include "pictures.h"

#include <QLinearGradient>

namespace imagegen {

// A small rounded tile; the hovered one is lighter, its glyph brighter and
// its accents green.
static QImage buttonTile(int size, GlyphFn glyph, bool hovered, qreal glyphSize, qreal line)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    prepare(p);
    const QRectF tile(0.5, 0.5, size - 1, size - 1);
    const QPainterPath shape = roundedRect(tile, size / 5.0);
    QLinearGradient body(0, 0, 0, size);
    body.setColorAt(0.0, hovered ? QColor(0x65544a) : QColor(0x4a3c34));
    body.setColorAt(1.0, hovered ? QColor(0x4a3c33) : QColor(0x352b25));
    p.fillPath(shape, body);
    QLinearGradient edge(0, 0, 0, size);
    edge.setColorAt(0.0, hovered ? QColor(0x8d7b6e) : QColor(0x6a5a4f));
    edge.setColorAt(1.0, hovered ? QColor(0x5c524c) : QColor(0x3e3733));
    p.strokePath(shape, QPen(QBrush(edge), 1.0));

    Ink ink;
    ink.main = hovered ? QColor(0xfff3d6) : QColor(0xcdbc96);
    ink.accent = hovered ? QColor(0xb2cd3c) : QColor(0xa8976f);
    ink.ground = hovered ? QColor(0x54443a) : QColor(0x3d3129);
    ink.line = line;
    const qreal offset = (size - glyphSize) / 2.0;
    paintGlyph(p, image.size(), glyph, QRectF(offset, offset, glyphSize, glyphSize), ink, 0.55, QPointF(0, 1), 1);
    p.end();
    return image;
}

// A tool picture of the chart designer: the glyph alone, light on the
// toolbar's dark ground, with a faint dark halo so it also reads on a page.
static QImage toolPicture(GlyphFn glyph)
{
    QImage image = canvas(20, 20);
    QPainter p(&image);
    prepare(p);
    Ink ink;
    ink.main = QColor(0xe6d5ad);
    ink.accent = colour(palette::Accent);
    ink.ground = colour(palette::Field);
    ink.line = 9;
    paintGlyph(p, image.size(), glyph, QRectF(2, 2, 16, 16), ink, 0.7, QPointF(0, 0.5), 1);
    p.end();
    return image;
}

// A handle the chart designer draws on the page at a selected element: a
// dark disc with a light glyph, legible on white paper and dark ground alike.
static QImage handlePicture(GlyphFn glyph)
{
    QImage image = canvas(20, 20);
    QPainter p(&image);
    prepare(p);
    QPainterPath disc;
    disc.addEllipse(QPointF(10, 10), 9.2, 9.2);
    softShadow(p, image.size(), disc, QPointF(0, 0.6), 1, withAlpha(Qt::black, 0.45));
    QLinearGradient body(0, 0, 0, 20);
    body.setColorAt(0.0, QColor(0x54443a));
    body.setColorAt(1.0, QColor(0x2d241f));
    p.fillPath(disc, body);
    p.strokePath(disc, QPen(QColor(0x9cb62d), 1.0));
    Ink ink;
    ink.main = QColor(0xf4e4bf);
    ink.accent = colour(palette::Accent);
    ink.ground = colour(palette::Field);
    ink.line = 11;
    paintGlyph(p, image.size(), glyph, QRectF(3.5, 3.5, 13, 13), ink);
    p.end();
    return image;
}

void addButtons(PictureList &out)
{
    const struct {
        const char *name;
        GlyphFn glyph;
    } windowButtons[] = {
        {"savebut", glyphSave}, {"printbut", glyphPrint}, {"resbut", glyphReset},
        {"menubut", glyphMenu}, {"infobut", glyphInfo},
    };
    for (const auto &b : windowButtons) {
        out.append({QStringLiteral("%1.png").arg(QLatin1String(b.name)), buttonTile(20, b.glyph, false, 12, 10)});
        out.append({QStringLiteral("%1h.png").arg(QLatin1String(b.name)), buttonTile(20, b.glyph, true, 12, 10)});
    }

    const struct {
        const char *name;
        GlyphFn glyph;
    } fileButtons[] = {{"savebbut", glyphSave}, {"openbbut", glyphOpen}, {"newbbut", glyphNew}};
    for (const auto &b : fileButtons) {
        out.append({QStringLiteral("%1.png").arg(QLatin1String(b.name)), buttonTile(24, b.glyph, false, 15, 9)});
        out.append({QStringLiteral("%1h.png").arg(QLatin1String(b.name)), buttonTile(24, b.glyph, true, 15, 9)});
    }

    const struct {
        const char *name;
        GlyphFn glyph;
    } tools[] = {
        {"bzoomn.png", glyphZoomNormal}, {"bzoomi.png", glyphZoomIn},         {"bzoomo.png", glyphZoomOut},
        {"bprops.png", glyphProperties}, {"bdelete.png", glyphDelete},        {"bgrid.png", glyphGrid},
        {"bsnap.png", glyphSnap},        {"bbound.png", glyphBounds},         {"bbringfront.png", glyphBringFront},
        {"bbringback.png", glyphBringBack},
    };
    for (const auto &t : tools)
        out.append({QLatin1String(t.name), toolPicture(t.glyph)});

    // The groups of the designer's fields list: small tiles that read on the
    // list's light ground as well as on a dark skin.
    out.append({QStringLiteral("datafield-i.png"), buttonTile(16, glyphChart, false, 11, 10)});
    out.append({QStringLiteral("datafieldtitle-i.png"), buttonTile(16, glyphNumbers, false, 11, 10)});
    out.append({QStringLiteral("thumb.png"), buttonTile(16, glyphNew, false, 11, 10)});

    out.append({QStringLiteral("move-s.png"), handlePicture(glyphMove)});
    out.append({QStringLiteral("rotate-s.png"), handlePicture(glyphRotate)});
    out.append({QStringLiteral("scale-s.png"), handlePicture(glyphScale)});
}

} // namespace imagegen
