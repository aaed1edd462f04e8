// The product's marks: the wordmark with its emblem (logo.png), the larger
// splash version (logoh.png), the application icon (sorvel.png) and its
// copies in the desktop's icon theme (icons/hicolor/, installed apart).

#include "glyphs.h"
#include "paintkit.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace imagegen {

// A dark backdrop: a warm gradient, a light from the emblem's side and a
// soft vignette, inside a fine border.
static void backdrop(QPainter &p, const QSize &size, const QPointF &light, qreal lightRadius)
{
    const QRectF all(0, 0, size.width(), size.height());
    QLinearGradient ground(0, 0, 0, size.height());
    ground.setColorAt(0.0, QColor(0x30271f));
    ground.setColorAt(1.0, QColor(0x1b1614));
    p.fillRect(all, ground);
    glow(p, light, lightRadius, withAlpha(QColor(0x6f5a48), 0.45));
    glow(p, light, lightRadius * 0.55, withAlpha(colour(palette::Accent), 0.10));
    QRadialGradient vignette(all.center(), size.width() * 0.75);
    vignette.setColorAt(0.6, withAlpha(Qt::black, 0.0));
    vignette.setColorAt(1.0, withAlpha(Qt::black, 0.35));
    p.fillRect(all, vignette);
    p.setPen(QPen(withAlpha(QColor(0x5c524c), 0.9), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
}

// The wordmark: "Sorvel" in a serif face, "NUMEROLOGY" spaced out beneath a
// fine rule; left-aligned at x, the name's baseline at y.
static void wordmark(QPainter &p, const QSize &size, qreal x, qreal y, qreal nameSize)
{
    const QPainterPath name = [&] {
        QPainterPath path;
        path.addText(x, y, serifFont(nameSize), QStringLiteral("Sorvel"));
        return path;
    }();
    const QRectF box = name.boundingRect();
    softShadow(p, size, name, QPointF(0, nameSize * 0.04), qMax(1, qRound(nameSize / 24)), withAlpha(Qt::black, 0.6));
    QLinearGradient gold(0, box.top(), 0, box.bottom());
    gold.setColorAt(0.0, QColor(0xfff4d9));
    gold.setColorAt(0.55, QColor(0xeddbb2));
    gold.setColorAt(1.0, QColor(0xc7b07d));
    p.fillPath(name, gold);

    const qreal ruleY = y + nameSize * 0.24;
    QLinearGradient rule(x, 0, x + box.width() * 1.35, 0);
    rule.setColorAt(0.0, withAlpha(colour(palette::Accent), 0.95));
    rule.setColorAt(1.0, withAlpha(colour(palette::Accent), 0.0));
    p.fillRect(QRectF(x + 2, ruleY, box.width() * 1.35, qMax(1.0, nameSize / 40)), rule);

    const qreal subSize = nameSize * 0.27;
    QPainterPath sub = spacedText(QStringLiteral("NUMEROLOGY"), sansFont(subSize, QFont::Bold), subSize * 0.42);
    sub.translate(x + 3 - sub.boundingRect().left(), ruleY + subSize * 0.55 + subSize - sub.boundingRect().bottom());
    p.fillPath(sub, colour(palette::Accent));
}

static QImage logo()
{
    const QSize size(300, 120);
    QImage image = canvas(size.width(), size.height());
    QPainter p(&image);
    prepare(p);
    backdrop(p, size, QPointF(58, 60), 90);
    paintGlyph(p, size, glyphEmblem, QRectF(18, 20, 80, 80), lightInk(4.5), 0.6, QPointF(0, 1.5), 2);
    wordmark(p, size, 112, 66, 50);
    p.end();
    return image;
}

// The splash shows this one on the window's own background, in whatever skin
// is current, so it has no ground of its own: a soft light and a scatter of
// faint points fade out towards the edges.
static QImage heroLogo()
{
    const QSize size(420, 200);
    QImage image = canvas(size.width(), size.height());
    QPainter p(&image);
    prepare(p);
    glow(p, QPointF(96, 100), 94, withAlpha(QColor(0x6f5a48), 0.45));
    glow(p, QPointF(96, 100), 70, withAlpha(colour(palette::Accent), 0.10));
    // Points placed by a fixed sequence, like a night sky, fainter away
    // from the middle.
    quint32 seed = 20240611u;
    auto next = [&seed]() {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) / double(1u << 24);
    };
    for (int i = 0; i < 80; ++i) {
        const QPointF at(next() * size.width(), next() * size.height());
        const qreal r = 0.4 + next() * 0.8;
        const qreal dx = (at.x() - size.width() / 2.0) / (size.width() / 2.0);
        const qreal dy = (at.y() - size.height() / 2.0) / (size.height() / 2.0);
        const qreal fade = qMax(0.0, 1.0 - (dx * dx + dy * dy) * 0.7);
        p.fillPath(circlePath(at, r), withAlpha(colour(palette::Text), (0.08 + next() * 0.22) * fade));
    }
    paintGlyph(p, size, glyphEmblem, QRectF(26, 30, 140, 140), lightInk(4.0), 0.65, QPointF(0, 2), 3);
    wordmark(p, size, 180, 108, 66);
    p.end();
    return image;
}

static QImage appIcon()
{
    const QSize size(256, 256);
    QImage image = canvas(size.width(), size.height());
    QPainter p(&image);
    prepare(p);
    const QRectF tile(12, 10, 232, 232);
    const QPainterPath shape = roundedRect(tile, 48);
    softShadow(p, size, shape, QPointF(0, 4), 5, withAlpha(Qt::black, 0.55));
    QLinearGradient body(0, tile.top(), 0, tile.bottom());
    body.setColorAt(0.0, QColor(0x54443a));
    body.setColorAt(0.5, QColor(0x3a2f29));
    body.setColorAt(1.0, QColor(0x221c19));
    p.fillPath(shape, body);
    p.save();
    p.setClipPath(shape);
    glow(p, QPointF(128, 120), 120, withAlpha(colour(palette::Accent), 0.16));
    // A glassy sheen over the upper half.
    QLinearGradient sheen(0, tile.top(), 0, tile.center().y());
    sheen.setColorAt(0.0, withAlpha(Qt::white, 0.10));
    sheen.setColorAt(1.0, withAlpha(Qt::white, 0.0));
    p.fillRect(QRectF(tile.left(), tile.top(), tile.width(), tile.height() / 2), sheen);
    p.restore();
    QLinearGradient edge(0, tile.top(), 0, tile.bottom());
    edge.setColorAt(0.0, QColor(0x9a8676));
    edge.setColorAt(0.4, QColor(0x5c524c));
    edge.setColorAt(1.0, QColor(0x2d241f));
    p.strokePath(roundedRect(tile.adjusted(1, 1, -1, -1), 47), QPen(QBrush(edge), 2.0));
    paintGlyph(p, size, glyphEmblem, QRectF(40, 38, 176, 176), lightInk(4.2), 0.7, QPointF(0, 3), 3);
    p.end();
    return image;
}

// The launcher's icon in the desktop's icon theme, one picture per size the
// menus and task bars ask for: the 256-pixel icon reduced with smoothing, so
// every size shows the same picture.
static void addThemeIcons(PictureList &out, const QImage &icon)
{
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString path =
            QStringLiteral("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(QLatin1String(SORVEL_DESKTOP_ID));
        out.append({path, icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)});
    }
}

void addBrand(PictureList &out)
{
    out.append({QStringLiteral("logo.png"), logo()});
    out.append({QStringLiteral("logoh.png"), heroLogo()});
    const QImage icon = appIcon();
    out.append({QStringLiteral("sorvel.png"), icon});
    addThemeIcons(out, icon);
}

} // namespace imagegen
