#include "glyphs.h"

#include "paintkit.h"

#include <QLinearGradient>
#include <QtMath>

namespace imagegen {

Ink lightInk(qreal line)
{
    QLinearGradient main(0, 0, 0, 100);
    main.setColorAt(0.0, QColor(0xfaeccb));
    main.setColorAt(1.0, QColor(0xd7c291));
    QLinearGradient accent(0, 0, 0, 100);
    accent.setColorAt(0.0, QColor(0xb4cf41));
    accent.setColorAt(1.0, QColor(0x87a024));
    Ink ink;
    ink.main = main;
    ink.accent = accent;
    ink.ground = colour(palette::Field);
    ink.line = line;
    return ink;
}

void paintGlyph(QPainter &painter, const QSize &device, GlyphFn glyph, const QRectF &box, const Ink &ink,
                qreal shadowAlpha, const QPointF &shadowOffset, int shadowBlur)
{
    // The glyph is drawn on a layer of its own, so its cut-outs (drawn with
    // the Clear mode) open onto whatever lies behind it.
    QTransform place;
    place.translate(box.x(), box.y());
    place.scale(box.width() / 100.0, box.height() / 100.0);
    QImage layer = canvas(device.width(), device.height());
    {
        QPainter p(&layer);
        prepare(p);
        p.setTransform(place * painter.transform());
        glyph(p, ink);
    }
    painter.save();
    painter.resetTransform();
    if (shadowAlpha > 0.0) {
        QImage shadow = layer;
        {
            QPainter p(&shadow);
            p.setCompositionMode(QPainter::CompositionMode_SourceIn);
            p.fillRect(shadow.rect(), withAlpha(Qt::black, shadowAlpha));
        }
        painter.drawImage(shadowOffset, blurred(shadow, shadowBlur));
    }
    painter.drawImage(0, 0, layer);
    painter.restore();
}

QPen roundPen(const QBrush &brush, qreal width)
{
    return QPen(brush, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Clears a band around a path on the glyph's layer: the gap that makes one
// line pass over another.
void knockStroke(QPainter &p, const QPainterPath &path, qreal width)
{
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.strokePath(path, roundPen(Qt::black, width));
    p.restore();
}

void knockFill(QPainter &p, const QPainterPath &path)
{
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillPath(path, Qt::black);
    p.restore();
}

QPainterPath circlePath(const QPointF &centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath linePath(const QPointF &a, const QPointF &b)
{
    QPainterPath path(a);
    path.lineTo(b);
    return path;
}

QPointF onCircle(const QPointF &centre, qreal radius, qreal degrees)
{
    const qreal a = qDegreesToRadians(degrees);
    return centre + QPointF(radius * qCos(a), radius * qSin(a));
}

QPainterPath heartPath(const QPointF &centre, qreal width)
{
    auto at = [&](qreal x, qreal y) { return centre + QPointF(x * width, y * width); };
    QPainterPath path(at(0, -0.20));
    path.cubicTo(at(0.09, -0.42), at(0.5, -0.46), at(0.5, -0.12));
    path.cubicTo(at(0.5, 0.12), at(0.22, 0.27), at(0, 0.45));
    path.cubicTo(at(-0.22, 0.27), at(-0.5, 0.12), at(-0.5, -0.12));
    path.cubicTo(at(-0.5, -0.46), at(-0.09, -0.42), at(0, -0.20));
    path.closeSubpath();
    return path;
}

QPainterPath starPath(const QPointF &centre, qreal outer, qreal inner, int points, qreal rotationDeg)
{
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const QPointF pt = onCircle(centre, i % 2 ? inner : outer, rotationDeg + i * 180.0 / points);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath crescentPath(const QPointF &centre, qreal radius, qreal cut)
{
    return circlePath(centre, radius).subtracted(circlePath(centre + QPointF(radius * cut, -radius * cut * 0.55), radius * 0.92));
}

void drawArrow(QPainter &p, const QBrush &brush, const QPointF &a, const QPointF &b, qreal width, qreal head)
{
    const QLineF shaft(a, b);
    const QPointF dir = (b - a) / shaft.length();
    const QPointF normal(-dir.y(), dir.x());
    p.strokePath(linePath(a, b - dir * head * 0.7), roundPen(brush, width));
    QPainterPath tip(b);
    tip.lineTo(b - dir * head + normal * head * 0.6);
    tip.lineTo(b - dir * head * 0.78);
    tip.lineTo(b - dir * head - normal * head * 0.6);
    tip.closeSubpath();
    p.fillPath(tip, brush);
    p.strokePath(tip, roundPen(brush, width * 0.35));
}

void drawArcArrow(QPainter &p, const QBrush &brush, const QPointF &centre, qreal radius, qreal startDeg,
                  qreal sweepDeg, qreal width, qreal head)
{
    const qreal sign = sweepDeg < 0 ? -1.0 : 1.0;
    const qreal trim = qRadiansToDegrees(head * 0.8 / radius) * sign;
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath arc;
    arc.arcMoveTo(box, startDeg);
    arc.arcTo(box, startDeg, sweepDeg - trim);
    p.strokePath(arc, roundPen(brush, width));
    // The head: its base on the arc's end, pointing along the arc.
    const qreal end = qDegreesToRadians(startDeg + sweepDeg - trim);
    const QPointF base = centre + QPointF(radius * qCos(end), -radius * qSin(end));
    const QPointF dir = QPointF(-qSin(end), -qCos(end)) * sign;
    const QPointF normal(-dir.y(), dir.x());
    QPainterPath tip(base + dir * head);
    tip.lineTo(base - normal * head * 0.62);
    tip.lineTo(base + dir * head * 0.18);
    tip.lineTo(base + normal * head * 0.62);
    tip.closeSubpath();
    p.fillPath(tip, brush);
    p.strokePath(tip, roundPen(brush, width * 0.35));
}

// ---------------------------------------------------------------- modules

void glyphNumbers(QPainter &p, const Ink &ink)
{
    const QPointF c(50, 50);
    p.strokePath(circlePath(c, 43), roundPen(ink.main, ink.line * 0.55));
    for (int i = 0; i < 9; ++i) {
        const QPointF pt = onCircle(c, 43, -90 + i * 40);
        knockFill(p, circlePath(pt, 8.5));
        p.fillPath(circlePath(pt, i == 0 ? 6.5 : 5), ink.accent);
    }
    p.fillPath(centredText(QStringLiteral("9"), serifFont(60, QFont::Bold), QPointF(50, 51)), ink.main);
}

void glyphMatrix(QPainter &p, const Ink &ink)
{
    const qreal cell = 25, gap = 7.5, start = (100 - 3 * cell - 2 * gap) / 2;
    for (int col = 0; col < 3; ++col)
        for (int row = 0; row < 3; ++row) {
            const QRectF r(start + col * (cell + gap), start + row * (cell + gap), cell, cell);
            const QPainterPath shape = roundedRect(r, 5.5);
            if (col + row == 2)
                p.fillPath(roundedRect(r.adjusted(-1, -1, 1, 1), 6), ink.accent);
            else
                p.strokePath(roundedRect(r.adjusted(2, 2, -2, -2), 4), roundPen(ink.main, ink.line * 0.62));
        }
}

void glyphLove(QPainter &p, const Ink &ink)
{
    const QPainterPath left = heartPath(QPointF(34, 56), 58);
    const QPainterPath right = heartPath(QPointF(66, 46), 58);
    const qreal w = ink.line * 0.95, gap = ink.line * 0.4;
    p.strokePath(left, roundPen(ink.main, w));
    knockStroke(p, right, w + 2 * gap);
    p.strokePath(right, roundPen(ink.accent, w));
    // Lower down the left heart passes over again: the two interlock.
    p.save();
    p.setClipRect(QRectF(0, 54, 100, 46));
    knockStroke(p, left, w + 2 * gap);
    p.strokePath(left, roundPen(ink.main, w));
    p.restore();
}

void glyphStar(QPainter &p, const Ink &ink)
{
    const QPainterPath star = starPath(QPointF(46, 56), 42, 18, 5);
    p.fillPath(star, ink.main);
    p.strokePath(star, roundPen(ink.main, ink.line * 0.8));
    p.fillPath(starPath(QPointF(81, 18), 13, 3.4, 4), ink.accent);
    p.fillPath(circlePath(QPointF(90, 37), 3.2), ink.accent);
}

void glyphPaw(QPainter &p, const Ink &ink)
{
    QPainterPath pad;
    pad.moveTo(50, 50);
    pad.cubicTo(62, 50, 78, 66, 78, 78);
    pad.cubicTo(78, 90, 66, 93, 58, 90);
    pad.cubicTo(54, 88.5, 46, 88.5, 42, 90);
    pad.cubicTo(34, 93, 22, 90, 22, 78);
    pad.cubicTo(22, 66, 38, 50, 50, 50);
    p.fillPath(pad, ink.accent);
    const struct {
        qreal x, y, angle;
    } toes[] = {{17, 46, -28}, {36, 25, -8}, {64, 25, 8}, {83, 46, 28}};
    for (const auto &toe : toes) {
        p.save();
        p.translate(toe.x, toe.y);
        p.rotate(toe.angle);
        QPainterPath oval;
        oval.addEllipse(QPointF(0, 0), 9.5, 13);
        p.fillPath(oval, ink.main);
        p.restore();
    }
}

void glyphChart(QPainter &p, const Ink &ink)
{
    QPainterPath page(QPointF(20, 8));
    page.lineTo(63, 8);
    page.lineTo(82, 27);
    page.lineTo(82, 92);
    page.lineTo(20, 92);
    page.closeSubpath();
    p.fillPath(page, ink.ground);
    p.strokePath(page, roundPen(ink.main, ink.line * 0.75));
    QPainterPath fold(QPointF(63, 8));
    fold.lineTo(63, 27);
    fold.lineTo(82, 27);
    p.strokePath(fold, roundPen(ink.main, ink.line * 0.6));
    // A small wheel chart with one bright sector.
    const QPointF c(43, 38);
    p.strokePath(circlePath(c, 13), roundPen(ink.accent, ink.line * 0.55));
    QPainterPath sector(c);
    sector.arcTo(QRectF(c.x() - 13, c.y() - 13, 26, 26), 90, -120);
    sector.closeSubpath();
    p.fillPath(sector, ink.accent);
    p.save();
    p.setOpacity(0.75);
    const QPen text = roundPen(ink.main, ink.line * 0.5);
    p.strokePath(linePath(QPointF(31, 62), QPointF(71, 62)), text);
    p.strokePath(linePath(QPointF(31, 72), QPointF(71, 72)), text);
    p.strokePath(linePath(QPointF(31, 82), QPointF(57, 82)), text);
    p.restore();
}

void glyphAdvisor(QPainter &p, const Ink &ink)
{
    p.fillPath(centredText(QStringLiteral("Aa"), serifFont(52, QFont::Bold), QPointF(36, 30)), ink.main);
    const QPointF lens(58, 64);
    const qreal r = 17;
    knockFill(p, circlePath(lens, r + ink.line * 1.1));
    knockStroke(p, linePath(QPointF(71, 77), QPointF(89, 95)), ink.line * 2.8);
    p.save();
    p.setOpacity(0.28);
    p.fillPath(circlePath(lens, r), ink.accent);
    p.restore();
    p.strokePath(circlePath(lens, r), roundPen(ink.accent, ink.line * 0.95));
    p.strokePath(linePath(QPointF(72, 78), QPointF(88, 94)), roundPen(ink.main, ink.line * 1.5));
}

void glyphForecast(QPainter &p, const Ink &ink)
{
    const QRectF body(12, 18, 76, 72);
    const QPainterPath shape = roundedRect(body, 9);
    p.fillPath(shape, ink.ground);
    p.save();
    p.setClipPath(shape);
    p.fillRect(QRectF(0, 0, 100, 37), ink.accent);
    p.restore();
    p.strokePath(shape, roundPen(ink.main, ink.line * 0.75));
    for (qreal x : {33.0, 67.0}) {
        knockStroke(p, linePath(QPointF(x, 10), QPointF(x, 26)), ink.line * 2.2);
        p.strokePath(linePath(QPointF(x, 10), QPointF(x, 26)), roundPen(ink.main, ink.line * 0.95));
    }
    p.fillPath(crescentPath(QPointF(48, 63), 17, 0.55), ink.main);
    p.fillPath(starPath(QPointF(69, 55), 7, 2, 4), ink.accent);
}

void glyphBook(QPainter &p, const Ink &ink)
{
    auto page = [](qreal side) {
        auto at = [side](qreal x, qreal y) { return QPointF(50 + side * x, y); };
        QPainterPath path(at(0, 30));
        path.cubicTo(at(-12, 22), at(-28, 20), at(-43, 24));
        path.lineTo(at(-43, 80));
        path.cubicTo(at(-28, 76), at(-12, 78), at(0, 86));
        path.closeSubpath();
        return path;
    };
    for (qreal side : {-1.0, 1.0}) {
        const QPainterPath shape = page(side);
        p.fillPath(shape, ink.ground);
        p.strokePath(shape, roundPen(ink.main, ink.line * 0.75));
        p.save();
        p.setOpacity(0.7);
        for (int i = 0; i < 3; ++i) {
            const qreal y = 40 + i * 12;
            QPainterPath text(QPointF(50 + side * 34, y));
            text.quadTo(QPointF(50 + side * 20, y - 2), QPointF(50 + side * 9, y + 3));
            p.strokePath(text, roundPen(ink.main, ink.line * 0.45));
        }
        p.restore();
    }
    QPainterPath ribbon(QPointF(53, 80));
    ribbon.lineTo(61, 80);
    ribbon.lineTo(61, 97);
    ribbon.lineTo(57, 92);
    ribbon.lineTo(53, 97);
    ribbon.closeSubpath();
    knockStroke(p, ribbon, ink.line * 0.9);
    p.fillPath(ribbon, ink.accent);
}

// ---------------------------------------------------------------- buttons

void glyphSave(QPainter &p, const Ink &ink)
{
    QPainterPath body(QPointF(14, 22));
    body.quadTo(14, 12, 24, 12);
    body.lineTo(72, 12);
    body.lineTo(88, 28);
    body.lineTo(88, 78);
    body.quadTo(88, 88, 78, 88);
    body.lineTo(24, 88);
    body.quadTo(14, 88, 14, 78);
    body.closeSubpath();
    p.strokePath(body, roundPen(ink.main, ink.line));
    p.fillRect(QRectF(32, 12, 32, 24), ink.main);
    p.fillPath(roundedRect(QRectF(28, 56, 44, 32), 4), ink.accent);
}

void glyphPrint(QPainter &p, const Ink &ink)
{
    p.strokePath(roundedRect(QRectF(27, 8, 46, 26), 2), roundPen(ink.main, ink.line * 0.85));
    const QPainterPath body = roundedRect(QRectF(8, 34, 84, 38), 8);
    p.fillPath(body, ink.main);
    const QRectF sheet(26, 56, 48, 38);
    knockFill(p, roundedRect(sheet.adjusted(-ink.line, -ink.line, ink.line, ink.line), 4));
    p.fillPath(roundedRect(sheet, 2), ink.ground);
    p.strokePath(roundedRect(sheet, 2), roundPen(ink.main, ink.line * 0.85));
    knockFill(p, circlePath(QPointF(79, 46), 5.5));
    p.fillPath(circlePath(QPointF(79, 46), 5.5), ink.accent);
}

void glyphReset(QPainter &p, const Ink &ink)
{
    drawArcArrow(p, ink.main, QPointF(50, 52), 36, 115, -290, ink.line, ink.line * 2.9);
}

void glyphMenu(QPainter &p, const Ink &ink)
{
    for (int i = 0; i < 3; ++i) {
        const qreal y = 25 + i * 25;
        p.strokePath(linePath(QPointF(16, y), QPointF(84, y)), roundPen(i == 1 ? ink.accent : ink.main, ink.line * 1.1));
    }
}

void glyphInfo(QPainter &p, const Ink &ink)
{
    // A disc with the letter cut out of it, the dot in the accent colour.
    p.fillPath(circlePath(QPointF(50, 50), 46), ink.main);
    knockStroke(p, linePath(QPointF(50, 46), QPointF(50, 76)), ink.line * 1.35);
    knockFill(p, circlePath(QPointF(50, 27), ink.line * 1.05));
    p.fillPath(circlePath(QPointF(50, 27), ink.line * 0.8), ink.accent);
}

void glyphOpen(QPainter &p, const Ink &ink)
{
    QPainterPath back(QPointF(80, 42));
    back.lineTo(80, 34);
    back.lineTo(46, 34);
    back.lineTo(38, 24);
    back.lineTo(14, 24);
    back.quadTo(8, 24, 8, 30);
    back.lineTo(8, 80);
    p.strokePath(back, roundPen(ink.main, ink.line));
    QPainterPath front(QPointF(8, 82));
    front.lineTo(22, 46);
    front.lineTo(94, 46);
    front.lineTo(80, 82);
    front.closeSubpath();
    knockStroke(p, front, ink.line * 2.2);
    p.fillPath(front, ink.accent);
    p.strokePath(front, roundPen(ink.accent, ink.line));
}

void glyphNew(QPainter &p, const Ink &ink)
{
    QPainterPath page(QPointF(18, 8));
    page.lineTo(56, 8);
    page.lineTo(78, 30);
    page.lineTo(78, 92);
    page.lineTo(18, 92);
    page.closeSubpath();
    p.strokePath(page, roundPen(ink.main, ink.line));
    QPainterPath fold(QPointF(56, 8));
    fold.lineTo(56, 30);
    fold.lineTo(78, 30);
    p.strokePath(fold, roundPen(ink.main, ink.line * 0.8));
    const QPointF c(74, 74);
    knockFill(p, circlePath(c, 22));
    p.strokePath(linePath(c - QPointF(13, 0), c + QPointF(13, 0)), roundPen(ink.accent, ink.line * 1.1));
    p.strokePath(linePath(c - QPointF(0, 13), c + QPointF(0, 13)), roundPen(ink.accent, ink.line * 1.1));
}

// ---------------------------------------------------------------- designer

static void magnifier(QPainter &p, const Ink &ink)
{
    p.strokePath(circlePath(QPointF(42, 42), 29), roundPen(ink.main, ink.line));
    p.strokePath(linePath(QPointF(64, 64), QPointF(88, 88)), roundPen(ink.main, ink.line * 1.7));
}

void glyphZoomNormal(QPainter &p, const Ink &ink)
{
    magnifier(p, ink);
    p.fillPath(centredText(QStringLiteral("1"), sansFont(38, QFont::Bold), QPointF(42, 42)), ink.accent);
}

void glyphZoomIn(QPainter &p, const Ink &ink)
{
    magnifier(p, ink);
    p.strokePath(linePath(QPointF(29, 42), QPointF(55, 42)), roundPen(ink.accent, ink.line));
    p.strokePath(linePath(QPointF(42, 29), QPointF(42, 55)), roundPen(ink.accent, ink.line));
}

void glyphZoomOut(QPainter &p, const Ink &ink)
{
    magnifier(p, ink);
    p.strokePath(linePath(QPointF(29, 42), QPointF(55, 42)), roundPen(ink.accent, ink.line));
}

void glyphProperties(QPainter &p, const Ink &ink)
{
    const qreal knobs[] = {66, 32, 54};
    for (int i = 0; i < 3; ++i) {
        const qreal y = 20 + i * 30;
        p.strokePath(linePath(QPointF(10, y), QPointF(90, y)), roundPen(ink.main, ink.line * 0.8));
        knockFill(p, circlePath(QPointF(knobs[i], y), 11 + ink.line * 0.6));
        p.fillPath(circlePath(QPointF(knobs[i], y), 11), ink.accent);
    }
}

void glyphDelete(QPainter &p, const Ink &ink)
{
    p.strokePath(linePath(QPointF(12, 24), QPointF(88, 24)), roundPen(ink.main, ink.line));
    QPainterPath handle(QPointF(37, 22));
    handle.lineTo(39, 11);
    handle.lineTo(61, 11);
    handle.lineTo(63, 22);
    p.strokePath(handle, roundPen(ink.main, ink.line * 0.8));
    QPainterPath bin(QPointF(22, 34));
    bin.lineTo(28, 90);
    bin.lineTo(72, 90);
    bin.lineTo(78, 34);
    p.strokePath(bin, roundPen(ink.main, ink.line));
    for (qreal x : {41.0, 59.0})
        p.strokePath(linePath(QPointF(x, 44), QPointF(x, 78)), roundPen(ink.accent, ink.line * 0.8));
}

void glyphGrid(QPainter &p, const Ink &ink)
{
    const qreal a = 12, b = 88, step = (b - a) / 3;
    p.fillRect(QRectF(a + step, a + step, step, step), ink.accent);
    const QPen pen = roundPen(ink.main, ink.line * 0.7);
    for (int i = 1; i < 3; ++i) {
        p.strokePath(linePath(QPointF(a + i * step, a), QPointF(a + i * step, b)), pen);
        p.strokePath(linePath(QPointF(a, a + i * step), QPointF(b, a + i * step)), pen);
    }
    p.strokePath(roundedRect(QRectF(a, a, b - a, b - a), 4), roundPen(ink.main, ink.line * 0.9));
}

void glyphSnap(QPainter &p, const Ink &ink)
{
    QPainterPath magnet(QPointF(26, 12));
    magnet.lineTo(26, 52);
    magnet.arcTo(QRectF(26, 28, 48, 48), 180, 180);
    magnet.lineTo(74, 12);
    const QPen body = QPen(ink.main, ink.line * 2.3, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    p.strokePath(magnet, body);
    p.save();
    p.setClipRect(QRectF(0, 0, 100, 27));
    p.strokePath(magnet, QPen(ink.accent, ink.line * 2.3, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.restore();
    knockStroke(p, linePath(QPointF(0, 28), QPointF(100, 28)), ink.line * 0.5);
}

void glyphBounds(QPainter &p, const Ink &ink)
{
    p.save();
    p.setOpacity(0.75);
    p.strokePath(roundedRect(QRectF(20, 20, 60, 60), 1), QPen(ink.main, ink.line * 0.55));
    p.restore();
    for (const QPointF &corner : {QPointF(20, 20), QPointF(80, 20), QPointF(20, 80), QPointF(80, 80)}) {
        const QRectF handle(corner - QPointF(11, 11), QSizeF(22, 22));
        knockFill(p, roundedRect(handle.adjusted(-4, -4, 4, 4), 4));
        p.fillPath(roundedRect(handle, 3), ink.accent);
    }
}

static void stackGlyph(QPainter &p, const Ink &ink, bool frontSelected)
{
    const QRectF back(8, 8, 54, 54), front(38, 38, 54, 54);
    if (frontSelected) {
        p.strokePath(roundedRect(back, 6), roundPen(ink.main, ink.line * 0.8));
        knockFill(p, roundedRect(front.adjusted(-ink.line, -ink.line, ink.line, ink.line), 9));
        p.fillPath(roundedRect(front, 6), ink.accent);
    } else {
        p.fillPath(roundedRect(back, 6), ink.accent);
        knockFill(p, roundedRect(front.adjusted(-ink.line, -ink.line, ink.line, ink.line), 9));
        p.strokePath(roundedRect(front, 6), roundPen(ink.main, ink.line * 0.8));
    }
}

void glyphBringFront(QPainter &p, const Ink &ink)
{
    stackGlyph(p, ink, true);
}

void glyphBringBack(QPainter &p, const Ink &ink)
{
    stackGlyph(p, ink, false);
}

void glyphMove(QPainter &p, const Ink &ink)
{
    const QPointF c(50, 50);
    for (const QPointF &d : {QPointF(0, -1), QPointF(1, 0), QPointF(0, 1), QPointF(-1, 0)})
        drawArrow(p, ink.main, c, c + d * 46, ink.line * 0.9, ink.line * 2.9);
}

void glyphRotate(QPainter &p, const Ink &ink)
{
    drawArcArrow(p, ink.main, QPointF(50, 52), 36, 150, -285, ink.line, ink.line * 3.0);
}

void glyphScale(QPainter &p, const Ink &ink)
{
    const QPointF a(12, 88), b(88, 12), mid(50, 50);
    drawArrow(p, ink.main, mid, a, ink.line * 0.95, ink.line * 3.0);
    drawArrow(p, ink.main, mid, b, ink.line * 0.95, ink.line * 3.0);
}

// ---------------------------------------------------------------- emblem

void glyphEmblem(QPainter &p, const Ink &ink)
{
    const QPointF c(50, 50);
    const qreal r = 42;
    QPointF points[9];
    for (int i = 0; i < 9; ++i)
        points[i] = onCircle(c, r, -90 + i * 40);
    p.strokePath(circlePath(c, r), roundPen(ink.main, ink.line * 0.35));
    // Three triangles join the points 1-4-7, 2-5-8 and 3-6-9.
    for (int t = 2; t >= 0; --t) {
        QPainterPath triangle(points[t]);
        triangle.lineTo(points[t + 3]);
        triangle.lineTo(points[t + 6]);
        triangle.closeSubpath();
        p.strokePath(triangle, roundPen(t == 0 ? ink.accent : ink.main, ink.line * (t == 0 ? 0.55 : 0.4)));
    }
    for (int i = 0; i < 9; ++i) {
        knockFill(p, circlePath(points[i], ink.line * 1.3));
        p.fillPath(circlePath(points[i], ink.line * (i % 3 == 0 ? 0.95 : 0.7)), i % 3 == 0 ? ink.accent : ink.main);
    }
    p.fillPath(circlePath(c, ink.line * 0.8), ink.accent);
}

} // namespace imagegen
