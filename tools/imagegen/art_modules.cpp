// The module buttons: 64 x 60 pictures, a glyph on a rounded dark tile. The
// window frames the left 60 x 60 square with a 1-pixel line of its own; the
// four columns to the right stay clear.

#include "glyphs.h"
#include "paintkit.h"
#include "pictures.h"

#include <QLinearGradient>

namespace imagegen {

static QImage moduleButton(GlyphFn glyph)
{
    QImage image = canvas(64, 60);
    QPainter p(&image);
    prepare(p);
    p.fillRect(QRect(0, 0, 60, 60), colour(palette::Window));

    const QRectF tile(2.5, 2.5, 55, 55);
    const QPainterPath shape = roundedRect(tile, 6);
    QLinearGradient body(0, tile.top(), 0, tile.bottom());
    body.setColorAt(0.0, QColor(0x4d3e35));
    body.setColorAt(0.45, QColor(0x3a2f29));
    body.setColorAt(1.0, QColor(0x2b231f));
    p.fillPath(shape, body);
    // A faint green light behind the glyph.
    p.save();
    p.setClipPath(shape);
    glow(p, QPointF(30, 31), 27, withAlpha(colour(palette::Accent), 0.13));
    p.restore();
    // Edge: light at the top, fading into the dark border below.
    QLinearGradient edge(0, tile.top(), 0, tile.bottom());
    edge.setColorAt(0.0, QColor(0x7d6b5d));
    edge.setColorAt(0.5, QColor(0x4a3d35));
    edge.setColorAt(1.0, QColor(0x3e3733));
    p.strokePath(shape, QPen(QBrush(edge), 1.0));

    paintGlyph(p, image.size(), glyph, QRectF(12, 12, 36, 36), lightInk(7.5), 0.65, QPointF(0, 1.2), 1);
    p.end();
    return image;
}

void addModuleButtons(PictureList &out)
{
    const struct {
        const char *name;
        GlyphFn glyph;
    } buttons[] = {
        {"numer-but.png", glyphNumbers}, {"matr-but.png", glyphMatrix},   {"love-but.png", glyphLove},
        {"cel-but.png", glyphStar},      {"pet-but.png", glyphPaw},       {"chart-but.png", glyphChart},
        {"an-but.png", glyphAdvisor},    {"fore-but.png", glyphForecast}, {"guide-but.png", glyphBook},
    };
    for (const auto &button : buttons)
        out.append({QLatin1String(button.name), moduleButton(button.glyph)});
}

} // namespace imagegen
