#include "artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

bool readColour(const QJsonObject &art, const char *key, QColor &colour, QString &error)
{
    const QString text = art.value(QLatin1String(key)).toString();
    colour = QColor(text);
    if (!colour.isValid())
        error = QStringLiteral("art \"%1\": \"%2\" is not a colour").arg(QLatin1String(key), text);
    return colour.isValid();
}

void drawGradient(QPainter &painter, const QRectF &area, const QColor &from, const QColor &to)
{
    QLinearGradient gradient(area.topLeft(), area.topRight());
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    painter.fillRect(area, gradient);
}

// Nine digits on a ring, joined in steps of four (1-5-9-4-8-3-7-2-6): a
// star that passes every digit once.
void drawWheel(QPainter &painter, const QRectF &area, const QColor &colour)
{
    const QPointF centre = area.center();
    const double radius = qMin(area.width(), area.height()) / 2 * 0.92;
    const double unit = radius / 50;
    QPointF points[9];
    for (int i = 0; i < 9; ++i) {
        const double angle = qDegreesToRadians(-90.0 + 40.0 * i);
        points[i] = centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.72;
    }
    painter.setPen(QPen(colour, 1.2 * unit));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
    painter.drawEllipse(centre, radius * 0.86, radius * 0.86);
    QPainterPath star;
    star.moveTo(points[0]);
    for (int step = 1; step <= 9; ++step)
        star.lineTo(points[(step * 4) % 9]);
    QColor faint = colour;
    faint.setAlphaF(colour.alphaF() * 0.55);
    painter.setPen(QPen(faint, 0.8 * unit));
    painter.drawPath(star);

    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(qMax(1, int(13 * unit)));
    font.setBold(true);
    painter.setFont(font);
    for (int i = 0; i < 9; ++i) {
        const double angle = qDegreesToRadians(-90.0 + 40.0 * i);
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.93;
        const QRectF cell(at - QPointF(9 * unit, 9 * unit), QSizeF(18 * unit, 18 * unit));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(Qt::white));
        painter.drawEllipse(cell.center(), 7.5 * unit, 7.5 * unit);
        painter.setPen(colour);
        painter.drawText(cell, Qt::AlignCenter, QString::number(i + 1));
    }
}

void drawRule(QPainter &painter, const QRectF &area, const QColor &colour)
{
    const double middle = area.center().y();
    const double half = qMin(area.height() * 0.45, area.width() / 20);
    painter.setPen(QPen(colour, qMax(1.0, area.height() * 0.08)));
    painter.drawLine(QPointF(area.left(), middle), QPointF(area.center().x() - half * 2, middle));
    painter.drawLine(QPointF(area.center().x() + half * 2, middle), QPointF(area.right(), middle));
    QPainterPath diamond;
    diamond.moveTo(area.center().x(), middle - half);
    diamond.lineTo(area.center().x() + half * 1.4, middle);
    diamond.lineTo(area.center().x(), middle + half);
    diamond.lineTo(area.center().x() - half * 1.4, middle);
    diamond.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(diamond);
}

void drawPanel(QPainter &painter, const QRectF &area, const QColor &fill, const QColor &border, double radius)
{
    const double pen = qMax(1.0, radius / 6);
    painter.setPen(QPen(border, pen));
    painter.setBrush(fill);
    painter.drawRoundedRect(area.adjusted(pen, pen, -pen, -pen), radius, radius);
}

} // namespace

QImage drawArtwork(const QJsonObject &art, const QSizeF &size, double pixelsPerUnit, QString &error)
{
    const QSize pixels(qRound(size.width() * pixelsPerUnit), qRound(size.height() * pixelsPerUnit));
    if (pixels.isEmpty()) {
        error = QStringLiteral("a picture needs a width and a height");
        return QImage();
    }
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(pixels));
    const QString type = art.value(QLatin1String("type")).toString();
    QColor a;
    QColor b;
    if (type == QLatin1String("gradient")) {
        if (!readColour(art, "from", a, error) || !readColour(art, "to", b, error))
            return QImage();
        drawGradient(painter, area, a, b);
    } else if (type == QLatin1String("wheel") || type == QLatin1String("rule")) {
        if (!readColour(art, "colour", a, error))
            return QImage();
        type == QLatin1String("wheel") ? drawWheel(painter, area, a) : drawRule(painter, area, a);
    } else if (type == QLatin1String("panel")) {
        if (!readColour(art, "fill", a, error) || !readColour(art, "border", b, error))
            return QImage();
        drawPanel(painter, area, a, b, art.value(QLatin1String("radius")).toDouble(8) * pixelsPerUnit);
    } else {
        error = QStringLiteral("unknown art type \"%1\"").arg(type);
        return QImage();
    }
    painter.end();
    // Stored unpremultiplied, as the template file's pictures read back.
    return image.convertToFormat(QImage::Format_ARGB32);
}
