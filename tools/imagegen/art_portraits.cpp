// Portrait cards for the celebrity list, doc2/000.jpg ... 199.jpg (100 x 120):
// we ship no photographs of people, only a neutral silhouette on a soft
// coloured ground. Colour, hair and build vary with the card's number.

#include "paintkit.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace imagegen {

static QImage portrait(int index)
{
    const int w = 100, h = 120;
    // The golden angle spreads neighbouring cards' hues far apart.
    const qreal hue = std::fmod(index * 137.508 + 20.0, 360.0) / 360.0;
    const qreal sat = 0.22 + 0.10 * ((index * 7) % 5) / 4.0;
    auto tone = [hue](qreal s, qreal v) { return QColor::fromHsvF(hue, qBound(0.0, s, 1.0), qBound(0.0, v, 1.0)); };

    QImage image = canvas(w, h, Qt::white);
    QPainter p(&image);
    prepare(p);
    QLinearGradient ground(0, 0, 0, h);
    ground.setColorAt(0.0, tone(sat * 0.7, 0.95));
    ground.setColorAt(1.0, tone(sat * 1.2, 0.78));
    p.fillRect(image.rect(), ground);
    glow(p, QPointF(50, 44), 52, withAlpha(Qt::white, 0.55));

    // The figure: shoulders, neck and head, with one of four hair shapes.
    const int hair = (index + index / 5) % 4;
    const qreal build = 1.0 + 0.1 * ((index / 4) % 3 - 1);
    const qreal headW = 16 + (index / 12) % 3, headH = 20 + (index / 3) % 2;
    const QPointF head(50, 52);
    const QColor figure = tone(sat * 1.4, 0.40);
    const QColor shade = tone(sat * 1.5, 0.27);

    QPainterPath shoulders(QPointF(50 - 46 * build, h + 2));
    shoulders.cubicTo(50 - 45 * build, 96, 50 - 30 * build, 86, 50, 86);
    shoulders.cubicTo(50 + 30 * build, 86, 50 + 45 * build, 96, 50 + 46 * build, h + 2);
    shoulders.closeSubpath();
    QPainterPath neck;
    neck.addRoundedRect(QRectF(50 - 8.5, head.y() + headH - 8, 17, 96 - head.y() - headH), 7, 7);
    QPainterPath face;
    face.addEllipse(head, headW, headH);

    // Hair: a cap following the head's crown (a larger ellipse less the face
    // below the hairline), with something behind the head for longer styles.
    auto cap = [&](qreal lift, qreal spread, qreal tilt) {
        QPainterPath outer;
        outer.addEllipse(head + QPointF(tilt, -lift), headW + spread, headH + spread * 0.6);
        QPainterPath faceBelow;
        faceBelow.addEllipse(head + QPointF(-tilt * 0.5, lift * 1.6), headW - 0.5, headH);
        return outer.subtracted(faceBelow);
    };
    QPainterPath hairBack;
    QPainterPath hairTop;
    switch (hair) {
    case 0: // short
        hairTop = cap(3, 1.5, 0);
        break;
    case 1: // long, falling to the shoulders
        hairBack.addRoundedRect(QRectF(head.x() - headW - 5, head.y() - headH - 2, 2 * headW + 10, 2 * headH + 20),
                                headW, headW * 0.9);
        hairTop = cap(3, 3, 0);
        break;
    case 2: // gathered in a bun
        hairBack.addEllipse(head - QPointF(0, headH + 2), 9, 7.5);
        hairTop = cap(2.5, 1.5, 0);
        break;
    default: // a side parting, fuller on one side
        hairBack.addRoundedRect(QRectF(head.x() - headW - 4, head.y() - headH - 1, 2 * headW + 8, headH + 26), 14, 14);
        hairTop = cap(4, 3, 3);
        break;
    }
    const QPainterPath body = shoulders.united(neck).united(face).united(hairBack);
    softShadow(p, image.size(), body, QPointF(0, 2), 4, withAlpha(shade, 0.35));
    QLinearGradient fill(0, 20, 0, h);
    fill.setColorAt(0.0, figure.lighter(112));
    fill.setColorAt(1.0, figure);
    p.fillPath(hairBack, shade);
    p.fillPath(shoulders.united(neck), fill);
    // The neck in a touch of shadow under the chin.
    QLinearGradient chin(0, head.y() + headH - 6, 0, head.y() + headH + 6);
    chin.setColorAt(0.0, withAlpha(shade, 0.55));
    chin.setColorAt(1.0, withAlpha(shade, 0.0));
    p.fillPath(neck, chin);
    p.fillPath(face, fill);
    p.fillPath(hairTop, shade);
    // A collar line for a touch of clothing.
    QPainterPath collar(QPointF(50 - 14 * build, 88));
    collar.lineTo(50, 100 + 3 * (index % 3));
    collar.lineTo(50 + 14 * build, 88);
    p.strokePath(collar, QPen(withAlpha(tone(sat * 0.5, 0.9), 0.45), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    // A thin light rim, as on a mounted print.
    QRadialGradient vignette(QPointF(50, 56), 80);
    vignette.setColorAt(0.7, withAlpha(Qt::black, 0.0));
    vignette.setColorAt(1.0, withAlpha(Qt::black, 0.14));
    p.fillRect(image.rect(), vignette);
    p.setPen(QPen(withAlpha(Qt::white, 0.7), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2.5, 2.5, w - 5, h - 5));
    p.setPen(QPen(withAlpha(tone(sat, 0.45), 0.6), 1.0));
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    p.end();
    return image;
}

void addPortraits(PictureList &out)
{
    for (int i = 0; i < 200; ++i)
        out.append({QStringLiteral("doc2/%1.jpg").arg(i, 3, 10, QLatin1Char('0')), portrait(i)});
}

} // namespace imagegen
