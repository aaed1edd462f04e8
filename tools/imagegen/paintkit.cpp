#include "paintkit.h"

#include <QRadialGradient>

#include <vector>

namespace imagegen {

QColor withAlpha(const QColor &c, qreal alpha)
{
    QColor out = c;
    out.setAlphaF(qBound(0.0, alpha, 1.0));
    return out;
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    const qreal s = 1.0 - t;
    return QColor::fromRgbF(a.redF() * s + b.redF() * t, a.greenF() * s + b.greenF() * t,
                            a.blueF() * s + b.blueF() * t, a.alphaF() * s + b.alphaF() * t);
}

QImage canvas(int width, int height, const QColor &fill)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void prepare(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QPainterPath roundedRect(const QRectF &rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

// One pass of a running-sum box blur along a line of pixels, channel by
// channel; the edges repeat their outermost pixel.
static void blurLine(const QRgb *in, QRgb *out, int count, int stride, int radius)
{
    const int window = 2 * radius + 1;
    int sum[4] = {0, 0, 0, 0};
    auto channel = [](QRgb p, int c) { return int((p >> (8 * c)) & 0xff); };
    auto at = [&](int i) { return in[qBound(0, i, count - 1) * stride]; };
    for (int i = -radius; i <= radius; ++i)
        for (int c = 0; c < 4; ++c)
            sum[c] += channel(at(i), c);
    for (int i = 0; i < count; ++i) {
        QRgb value = 0;
        for (int c = 0; c < 4; ++c)
            value |= QRgb(sum[c] / window) << (8 * c);
        out[i] = value;
        for (int c = 0; c < 4; ++c)
            sum[c] += channel(at(i + radius + 1), c) - channel(at(i - radius), c);
    }
}

QImage blurred(const QImage &image, int radius)
{
    QImage work = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (radius <= 0)
        return work;
    const int w = work.width();
    const int h = work.height();
    const int stride = int(work.bytesPerLine() / sizeof(QRgb));
    std::vector<QRgb> line(size_t(qMax(w, h)));
    for (int pass = 0; pass < 3; ++pass) {
        QRgb *bits = reinterpret_cast<QRgb *>(work.bits());
        for (int y = 0; y < h; ++y) {
            blurLine(bits + y * stride, line.data(), w, 1, radius);
            std::copy(line.begin(), line.begin() + w, bits + y * stride);
        }
        for (int x = 0; x < w; ++x) {
            blurLine(bits + x, line.data(), h, stride, radius);
            for (int y = 0; y < h; ++y)
                bits[x + y * stride] = line[size_t(y)];
        }
    }
    return work;
}

void softShadow(QPainter &painter, const QSize &size, const QPainterPath &shape, const QPointF &offset,
                int radius, const QColor &colour)
{
    QImage layer = canvas(size.width(), size.height());
    {
        QPainter p(&layer);
        prepare(p);
        p.setTransform(painter.transform());
        p.translate(offset);
        p.fillPath(shape, colour);
    }
    painter.save();
    painter.resetTransform();
    painter.drawImage(0, 0, blurred(layer, radius));
    painter.restore();
}

void glow(QPainter &painter, const QPointF &centre, qreal radius, const QColor &colour)
{
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0.0, colour);
    gradient.setColorAt(0.5, withAlpha(colour, colour.alphaF() * 0.45));
    gradient.setColorAt(1.0, withAlpha(colour, 0.0));
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

QFont sansFont(qreal pixelSize, int weight)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont serifFont(qreal pixelSize, int weight, bool italic)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setWeight(weight);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QPainterPath centredOn(const QPainterPath &path, const QPointF &centre)
{
    return path.translated(centre - path.boundingRect().center());
}

QPainterPath centredText(const QString &text, const QFont &font, const QPointF &centre)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    return centredOn(path, centre);
}

QPainterPath spacedText(const QString &text, const QFont &font, qreal spacing)
{
    QFont spaced = font;
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    QPainterPath path;
    path.addText(0, 0, spaced, text);
    return path;
}

} // namespace imagegen
