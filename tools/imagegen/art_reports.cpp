// The report emblems, doc/res01.jpg ... res39.jpg: 150 x 150 medallions on
// the reports' white page, one per chapter, each with its own glyph and
// colour accent.

#include "glyphs.h"
#include "paintkit.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace imagegen {
namespace {

// Accents that read well on white paper.
const QRgb ACCENTS[] = {
    0x7d9424, // olive
    0xb8862b, // gold
    0xb55a3a, // terracotta
    0xa8455f, // rose
    0x774a8c, // plum
    0x4a5d9e, // indigo
    0x2f8480, // teal
    0x5b6d7c, // slate
    0x85573a, // cocoa
    0x3f7d4d, // forest
};

// ------------------------------------------------------------- chapter glyphs

void lifePath(QPainter &p, const Ink &ink)
{
    // A winding road to a star: a pale band with a dotted line along it.
    QPainterPath road(QPointF(18, 94));
    road.cubicTo(74, 86, 82, 62, 50, 58);
    road.cubicTo(20, 54, 26, 34, 56, 30);
    p.save();
    p.setOpacity(0.28);
    p.strokePath(road, roundPen(ink.accent, ink.line * 2.6));
    p.restore();
    QPen dotted(ink.main, ink.line * 0.95, Qt::CustomDashLine, Qt::RoundCap, Qt::RoundJoin);
    dotted.setDashPattern({0.01, 2.2});
    p.strokePath(road, dotted);
    p.fillPath(starPath(QPointF(66, 20), 17, 7, 5), ink.accent);
}

void birthday(QPainter &p, const Ink &ink)
{
    const QRectF cake(18, 54, 64, 34);
    p.fillPath(roundedRect(cake, 6), ink.ground);
    p.strokePath(roundedRect(cake, 6), roundPen(ink.main, ink.line * 0.8));
    QPainterPath icing(QPointF(18, 64));
    for (int i = 0; i < 4; ++i)
        icing.cubicTo(18 + i * 16 + 4, 74, 18 + i * 16 + 12, 74, 18 + (i + 1) * 16, 64);
    p.strokePath(icing, roundPen(ink.accent, ink.line * 0.7));
    for (int i = 0; i < 3; ++i) {
        const qreal x = 32 + i * 18;
        p.strokePath(linePath(QPointF(x, 52), QPointF(x, 34)), roundPen(ink.main, ink.line * 0.8));
        QPainterPath flame(QPointF(x, 16));
        flame.cubicTo(x + 6, 22, x + 5, 29, x, 29);
        flame.cubicTo(x - 5, 29, x - 6, 22, x, 16);
        p.fillPath(flame, ink.accent);
    }
}

void expression(QPainter &p, const Ink &ink)
{
    QPainterPath feather(QPointF(30, 74));
    feather.cubicTo(34, 44, 56, 18, 86, 10);
    feather.cubicTo(80, 38, 60, 62, 30, 74);
    p.save();
    p.setOpacity(0.3);
    p.fillPath(feather, ink.accent);
    p.restore();
    p.strokePath(feather, roundPen(ink.main, ink.line * 0.7));
    p.strokePath(linePath(QPointF(80, 16), QPointF(22, 84)), roundPen(ink.main, ink.line * 0.8));
    QPainterPath flourish(QPointF(14, 90));
    flourish.cubicTo(30, 80, 46, 98, 66, 88);
    p.strokePath(flourish, roundPen(ink.accent, ink.line * 0.7));
}

void heartsDesire(QPainter &p, const Ink &ink)
{
    const QPainterPath heart = heartPath(QPointF(50, 56), 76);
    p.save();
    p.setOpacity(0.22);
    p.fillPath(heart, ink.accent);
    p.restore();
    p.strokePath(heart, roundPen(ink.main, ink.line * 0.9));
    p.fillPath(heartPath(QPointF(50, 54), 30), ink.accent);
}

void personality(QPainter &p, const Ink &ink)
{
    p.strokePath(circlePath(QPointF(50, 34), 17), roundPen(ink.main, ink.line * 0.9));
    QPainterPath shoulders(QPointF(16, 90));
    shoulders.cubicTo(16, 62, 84, 62, 84, 90);
    p.strokePath(shoulders, roundPen(ink.main, ink.line * 0.9));
    p.fillPath(starPath(QPointF(50, 77), 8, 3.2, 5), ink.accent);
}

void karmicDebts(QPainter &p, const Ink &ink)
{
    // An hourglass: what was borrowed runs back.
    p.strokePath(linePath(QPointF(24, 12), QPointF(76, 12)), roundPen(ink.main, ink.line));
    p.strokePath(linePath(QPointF(24, 88), QPointF(76, 88)), roundPen(ink.main, ink.line));
    QPainterPath glass(QPointF(30, 14));
    glass.cubicTo(30, 40, 46, 44, 46, 50);
    glass.cubicTo(46, 56, 30, 60, 30, 86);
    glass.lineTo(70, 86);
    glass.cubicTo(70, 60, 54, 56, 54, 50);
    glass.cubicTo(54, 44, 70, 40, 70, 14);
    glass.closeSubpath();
    QPainterPath sandTop(QPointF(37, 32));
    sandTop.lineTo(63, 32);
    sandTop.quadTo(58, 42, 50, 47);
    sandTop.quadTo(42, 42, 37, 32);
    QPainterPath sandBottom(QPointF(33, 84));
    sandBottom.quadTo(50, 64, 67, 84);
    sandBottom.closeSubpath();
    p.fillPath(sandTop, ink.accent);
    p.fillPath(sandBottom, ink.accent);
    p.strokePath(linePath(QPointF(50, 50), QPointF(50, 74)), roundPen(ink.accent, ink.line * 0.35));
    p.strokePath(glass, roundPen(ink.main, ink.line * 0.7));
}

void maturity(QPainter &p, const Ink &ink)
{
    QPainterPath trunk(QPointF(50, 92));
    trunk.lineTo(50, 50);
    trunk.moveTo(50, 66);
    trunk.lineTo(36, 54);
    trunk.moveTo(50, 60);
    trunk.lineTo(63, 50);
    QPainterPath crown = circlePath(QPointF(50, 36), 24);
    crown = crown.united(circlePath(QPointF(30, 48), 16)).united(circlePath(QPointF(70, 48), 16));
    p.save();
    p.setOpacity(0.3);
    p.fillPath(crown, ink.accent);
    p.restore();
    p.strokePath(crown, roundPen(ink.accent, ink.line * 0.7));
    knockStroke(p, trunk, ink.line * 2.2);
    p.strokePath(trunk, roundPen(ink.main, ink.line));
    p.strokePath(linePath(QPointF(34, 92), QPointF(66, 92)), roundPen(ink.main, ink.line * 0.7));
}

QPainterPath gearPath(const QPointF &c, qreal outer, qreal inner, int teeth)
{
    QPainterPath path;
    const qreal step = 360.0 / teeth;
    for (int k = 0; k < teeth; ++k) {
        const qreal a = k * step;
        const QPointF pts[] = {onCircle(c, inner, a - step * 0.32), onCircle(c, outer, a - step * 0.18),
                               onCircle(c, outer, a + step * 0.18), onCircle(c, inner, a + step * 0.32)};
        for (int i = 0; i < 4; ++i) {
            if (k == 0 && i == 0)
                path.moveTo(pts[i]);
            else
                path.lineTo(pts[i]);
        }
    }
    path.closeSubpath();
    return path;
}

void rationalThought(QPainter &p, const Ink &ink)
{
    const QPainterPath big = gearPath(QPointF(42, 56), 34, 26, 10).subtracted(circlePath(QPointF(42, 56), 11));
    p.fillPath(big, ink.main);
    const QPainterPath small = gearPath(QPointF(76, 24), 19, 13.5, 8).subtracted(circlePath(QPointF(76, 24), 6));
    knockStroke(p, small, ink.line * 1.2);
    p.fillPath(small, ink.accent);
}

void karmicLessons(QPainter &p, const Ink &ink)
{
    p.strokePath(circlePath(QPointF(32, 34), 17), roundPen(ink.main, ink.line));
    p.fillPath(circlePath(QPointF(32, 34), 6), ink.accent);
    QPainterPath shaft(QPointF(44, 46));
    shaft.lineTo(86, 88);
    shaft.moveTo(70, 72);
    shaft.lineTo(62, 80);
    shaft.moveTo(79, 81);
    shaft.lineTo(71, 89);
    p.strokePath(shaft, roundPen(ink.main, ink.line));
}

void balance(QPainter &p, const Ink &ink)
{
    p.strokePath(linePath(QPointF(50, 14), QPointF(50, 86)), roundPen(ink.main, ink.line));
    p.strokePath(linePath(QPointF(32, 88), QPointF(68, 88)), roundPen(ink.main, ink.line));
    p.strokePath(linePath(QPointF(14, 24), QPointF(86, 24)), roundPen(ink.main, ink.line * 0.8));
    p.fillPath(circlePath(QPointF(50, 14), 5), ink.accent);
    for (qreal x : {22.0, 78.0}) {
        QPainterPath strings(QPointF(x, 24));
        strings.lineTo(x - 12, 56);
        strings.moveTo(x, 24);
        strings.lineTo(x + 12, 56);
        p.strokePath(strings, roundPen(ink.main, ink.line * 0.45));
        QPainterPath pan(QPointF(x - 15, 56));
        pan.quadTo(x, 72, x + 15, 56);
        pan.closeSubpath();
        p.fillPath(pan, ink.accent);
    }
}

void hiddenPassion(QPainter &p, const Ink &ink)
{
    QPainterPath flame(QPointF(50, 8));
    flame.cubicTo(60, 28, 80, 42, 78, 64);
    flame.cubicTo(76, 84, 62, 92, 50, 92);
    flame.cubicTo(38, 92, 24, 84, 22, 64);
    flame.cubicTo(21, 48, 32, 40, 36, 30);
    flame.cubicTo(42, 40, 40, 48, 44, 50);
    flame.cubicTo(48, 38, 44, 22, 50, 8);
    p.strokePath(flame, roundPen(ink.main, ink.line * 0.8));
    QPainterPath core(QPointF(50, 48));
    core.cubicTo(58, 60, 64, 68, 62, 76);
    core.cubicTo(60, 84, 54, 86, 50, 86);
    core.cubicTo(44, 86, 38, 82, 38, 74);
    core.cubicTo(38, 64, 48, 60, 50, 48);
    p.fillPath(core, ink.accent);
}

void subconscious(QPainter &p, const Ink &ink)
{
    const QPainterPath moon = crescentPath(QPointF(46, 54), 34, 0.62);
    p.save();
    p.setOpacity(0.25);
    p.fillPath(moon, ink.accent);
    p.restore();
    p.strokePath(moon, roundPen(ink.main, ink.line * 0.8));
    p.fillPath(starPath(QPointF(76, 24), 10, 3, 4), ink.accent);
    p.fillPath(starPath(QPointF(86, 48), 6, 2, 4), ink.accent);
    p.fillPath(circlePath(QPointF(62, 12), 2.6), ink.accent);
}

void pinnacles(QPainter &p, const Ink &ink)
{
    QPainterPath range(QPointF(6, 86));
    range.lineTo(36, 40);
    range.lineTo(50, 60);
    range.lineTo(66, 26);
    range.lineTo(94, 86);
    range.closeSubpath();
    QPainterPath snow(QPointF(66, 26));
    snow.lineTo(75, 45);
    snow.lineTo(69, 41);
    snow.lineTo(64, 47);
    snow.lineTo(58, 42);
    snow.closeSubpath();
    p.fillPath(snow, ink.accent);
    p.strokePath(range, roundPen(ink.main, ink.line * 0.8));
    p.strokePath(linePath(QPointF(66, 26), QPointF(66, 8)), roundPen(ink.main, ink.line * 0.6));
    QPainterPath flag(QPointF(66, 8));
    flag.lineTo(80, 12);
    flag.lineTo(66, 17);
    flag.closeSubpath();
    p.fillPath(flag, ink.accent);
}

void challenges(QPainter &p, const Ink &ink)
{
    QPainterPath steps(QPointF(10, 88));
    steps.lineTo(10, 72);
    for (int i = 0; i < 3; ++i) {
        steps.lineTo(30 + i * 20, 72 - i * 18);
        steps.lineTo(30 + i * 20, 54 - i * 18);
    }
    steps.lineTo(90, 18);
    p.strokePath(steps, roundPen(ink.main, ink.line * 0.85));
    drawArrow(p, ink.accent, QPointF(26, 48), QPointF(66, 10), ink.line * 0.75, ink.line * 2.8);
}

void personalYear(QPainter &p, const Ink &ink)
{
    const QPointF c(50, 50);
    p.fillPath(circlePath(c, 18), ink.accent);
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * 30;
        p.strokePath(linePath(onCircle(c, 27, a), onCircle(c, i % 3 == 0 ? 44 : 37, a)),
                     roundPen(ink.main, ink.line * (i % 3 == 0 ? 0.85 : 0.6)));
    }
}

void carnal(QPainter &p, const Ink &ink)
{
    // A rose: a spiral bloom, a stem and two leaves.
    QPainterPath stem(QPointF(50, 58));
    stem.cubicTo(48, 72, 52, 82, 50, 94);
    p.strokePath(stem, roundPen(ink.main, ink.line * 0.8));
    for (qreal side : {-1.0, 1.0}) {
        const QPointF base(50, 76 - side * 4);
        QPainterPath leaf(base);
        leaf.cubicTo(base + QPointF(side * 8, -14), base + QPointF(side * 22, -12), base + QPointF(side * 26, -4));
        leaf.cubicTo(base + QPointF(side * 18, 4), base + QPointF(side * 8, 4), base);
        p.fillPath(leaf, ink.main);
    }
    QPainterPath bloom(QPointF(26, 30));
    bloom.cubicTo(24, 54, 40, 62, 50, 62);
    bloom.cubicTo(62, 62, 76, 54, 74, 30);
    bloom.cubicTo(66, 36, 58, 34, 50, 26);
    bloom.cubicTo(42, 34, 34, 36, 26, 30);
    p.fillPath(bloom, ink.accent);
    QPainterPath spiral(QPointF(50, 38));
    spiral.cubicTo(56, 36, 58, 44, 52, 46);
    spiral.cubicTo(44, 48, 40, 40, 44, 34);
    spiral.cubicTo(48, 28, 60, 28, 63, 38);
    p.strokePath(spiral, roundPen(ink.ground, ink.line * 0.55));
    p.strokePath(bloom, roundPen(ink.main, ink.line * 0.55));
}

void nameCompatibility(QPainter &p, const Ink &ink)
{
    const QRectF a(8, 12, 50, 54), b(42, 34, 50, 54);
    p.fillPath(roundedRect(a, 8), ink.ground);
    p.strokePath(roundedRect(a, 8), roundPen(ink.main, ink.line * 0.75));
    p.fillPath(centredText(QStringLiteral("A"), serifFont(32, QFont::Bold), QPointF(24, 32)), ink.main);
    knockFill(p, roundedRect(b.adjusted(-ink.line, -ink.line, ink.line, ink.line), 11));
    p.fillPath(roundedRect(b, 8), ink.accent);
    knockFill(p, centredText(QStringLiteral("B"), serifFont(36, QFont::Bold), b.center()));
}

void lifePathCompatibility(QPainter &p, const Ink &ink)
{
    QPainterPath left(QPointF(14, 92));
    left.cubicTo(20, 64, 46, 60, 50, 40);
    QPainterPath right(QPointF(86, 92));
    right.cubicTo(80, 64, 54, 60, 50, 40);
    p.strokePath(left, roundPen(ink.main, ink.line * 1.05));
    p.strokePath(right, roundPen(ink.accent, ink.line * 1.05));
    p.strokePath(linePath(QPointF(50, 40), QPointF(50, 28)), roundPen(ink.main, ink.line * 1.05));
    p.fillPath(starPath(QPointF(50, 18), 13, 5.4, 5), ink.accent);
}

void family(QPainter &p, const Ink &ink)
{
    QPainterPath house(QPointF(8, 48));
    house.lineTo(50, 12);
    house.lineTo(92, 48);
    house.moveTo(20, 40);
    house.lineTo(20, 88);
    house.lineTo(80, 88);
    house.lineTo(80, 40);
    p.strokePath(house, roundPen(ink.main, ink.line * 0.85));
    p.strokePath(roundedRect(QRectF(30, 62, 16, 26), 2), roundPen(ink.main, ink.line * 0.6));
    p.fillPath(heartPath(QPointF(63, 60), 20), ink.accent);
}

void calendarPage(QPainter &p, const Ink &ink, const QRectF &r, bool front)
{
    const QPainterPath shape = roundedRect(r, 6);
    if (front)
        knockFill(p, roundedRect(r.adjusted(-ink.line, -ink.line, ink.line, ink.line), 9));
    p.fillPath(shape, ink.ground);
    p.save();
    p.setClipPath(shape);
    p.fillRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.28), ink.accent);
    p.restore();
    p.strokePath(shape, roundPen(ink.main, ink.line * 0.7));
}

void birthdayCompatibility(QPainter &p, const Ink &ink)
{
    calendarPage(p, ink, QRectF(8, 14, 50, 54), false);
    calendarPage(p, ink, QRectF(40, 34, 52, 56), true);
    p.fillPath(heartPath(QPointF(66, 70), 24), ink.accent);
}

void characterCompatibility(QPainter &p, const Ink &ink)
{
    const QPainterPath left = circlePath(QPointF(37, 50), 26);
    const QPainterPath right = circlePath(QPointF(63, 50), 26);
    const qreal w = ink.line * 0.95;
    p.strokePath(left, roundPen(ink.main, w));
    knockStroke(p, right, w * 2.6);
    p.strokePath(right, roundPen(ink.accent, w));
    p.save();
    p.setClipRect(QRectF(0, 50, 100, 50));
    knockStroke(p, left, w * 2.6);
    p.strokePath(left, roundPen(ink.main, w));
    p.restore();
}

void chartNote(QPainter &p, const Ink &ink)
{
    const QRectF sheet(18, 18, 64, 74);
    p.fillPath(roundedRect(sheet, 4), ink.ground);
    p.strokePath(roundedRect(sheet, 4), roundPen(ink.main, ink.line * 0.7));
    p.save();
    p.setOpacity(0.65);
    for (int i = 0; i < 4; ++i)
        p.strokePath(linePath(QPointF(28, 44 + i * 12), QPointF(i == 3 ? 56 : 72, 44 + i * 12)),
                     roundPen(ink.main, ink.line * 0.5));
    p.restore();
    knockFill(p, circlePath(QPointF(50, 18), 12));
    p.fillPath(circlePath(QPointF(50, 18), 9), ink.accent);
    p.strokePath(linePath(QPointF(50, 27), QPointF(50, 33)), roundPen(ink.main, ink.line * 0.5));
}

// The psychomatrix: digit d sits in column (d-1)/3, row (d-1)%3.
QPointF cellPoint(int digit, const QPointF &centre, qreal step)
{
    return centre + QPointF(((digit - 1) / 3 - 1) * step, ((digit - 1) % 3 - 1) * step);
}

// One cell's chapter: its digit, large, over a small grid marking its place.
GlyphFn matrixCell(int digit)
{
    return [digit](QPainter &p, const Ink &ink) {
        p.fillPath(centredText(QString::number(digit), serifFont(64, QFont::Bold), QPointF(50, 34)), ink.main);
        for (int d = 1; d <= 9; ++d) {
            const QPointF at = cellPoint(d, QPointF(50, 82), 12.5);
            if (d == digit)
                p.fillPath(circlePath(at, 5), ink.accent);
            else
                p.fillPath(circlePath(at, 2.8), withAlpha(ink.main.color(), 0.35));
        }
    };
}

// One line's chapter: the nine digits in their places, the line's three
// joined by a band.
GlyphFn matrixLine(int a, int b, int c)
{
    return [a, b, c](QPainter &p, const Ink &ink) {
        const QPointF centre(50, 50);
        const qreal step = 31;
        p.save();
        p.setOpacity(0.3);
        p.strokePath(linePath(cellPoint(a, centre, step), cellPoint(c, centre, step)), roundPen(ink.accent, 25));
        p.restore();
        for (int d = 1; d <= 9; ++d) {
            const bool on = d == a || d == b || d == c;
            const QPointF at = cellPoint(d, centre, step);
            const QPainterPath digit = centredText(QString::number(d), serifFont(on ? 24 : 18, on ? QFont::Bold : QFont::Normal), at);
            p.fillPath(digit, on ? ink.main : QBrush(withAlpha(ink.main.color(), 0.38)));
        }
    };
}

struct Chapter
{
    GlyphFn glyph;
    int accent;        // index into ACCENTS
    bool matrixFrame;  // psychomatrix chapters wear a ring of nine points
};

QVector<Chapter> chapters()
{
    QVector<Chapter> list = {
        {lifePath, 0, false},        {birthday, 1, false},       {expression, 5, false},
        {heartsDesire, 3, false},    {personality, 6, false},    {karmicDebts, 8, false},
        {maturity, 9, false},        {rationalThought, 7, false}, {karmicLessons, 1, false},
        {balance, 5, false},         {hiddenPassion, 2, false},  {subconscious, 4, false},
        {pinnacles, 6, false},       {challenges, 2, false},     {personalYear, 1, false},
    };
    for (int digit = 1; digit <= 9; ++digit)
        list.append({matrixCell(digit), (digit * 3) % 10, true});
    const int lines[][3] = {{1, 4, 7}, {2, 5, 8}, {3, 6, 9}, {1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 5, 9}, {3, 5, 7}};
    int n = 0;
    for (const auto &l : lines)
        list.append({matrixLine(l[0], l[1], l[2]), (n++ * 7 + 2) % 10, true});
    list.append({carnal, 3, false});
    list.append({nameCompatibility, 5, false});
    list.append({lifePathCompatibility, 0, false});
    list.append({family, 8, false});
    list.append({birthdayCompatibility, 1, false});
    list.append({characterCompatibility, 4, false});
    list.append({chartNote, 7, false});
    return list;
}

QImage medallion(const Chapter &chapter)
{
    const QColor accent(ACCENTS[chapter.accent]);
    const QColor ink = mix(accent, QColor(0x2a211d), 0.45);
    const QColor pale = mix(accent, Qt::white, 0.9);
    QImage image = canvas(150, 150, Qt::white);
    QPainter p(&image);
    prepare(p);
    const QPointF c(75, 74);
    const qreal r = 62;
    const QPainterPath disc = circlePath(c, r);
    softShadow(p, image.size(), disc, QPointF(0, 2.5), 4, withAlpha(mix(accent, Qt::black, 0.6), 0.22));
    QRadialGradient body(c - QPointF(14, 18), r * 1.45);
    body.setColorAt(0.0, Qt::white);
    body.setColorAt(0.55, mix(accent, Qt::white, 0.93));
    body.setColorAt(1.0, mix(accent, Qt::white, 0.78));
    p.fillPath(disc, body);
    p.strokePath(disc, QPen(accent, 2.2));
    p.strokePath(circlePath(c, r - 5.5), QPen(withAlpha(accent, 0.45), 0.9));
    // Ornament between the rings: nine points for the psychomatrix chapters,
    // twelve small ticks for the others.
    if (chapter.matrixFrame) {
        for (int i = 0; i < 9; ++i)
            p.fillPath(circlePath(onCircle(c, r - 2.75, -90 + i * 40), 1.5), accent);
    } else {
        for (int i = 0; i < 12; ++i)
            p.strokePath(linePath(onCircle(c, r - 4.3, i * 30), onCircle(c, r - 1.4, i * 30)),
                         QPen(withAlpha(accent, 0.8), 1.0));
    }
    Ink glyphInk;
    glyphInk.main = ink;
    glyphInk.accent = accent;
    glyphInk.ground = pale;
    glyphInk.line = 6;
    paintGlyph(p, image.size(), chapter.glyph, QRectF(c.x() - 34, c.y() - 34, 68, 68), glyphInk, 0.12,
               QPointF(0, 1), 1);
    p.end();
    return image;
}

} // namespace

void addReportEmblems(PictureList &out)
{
    const QVector<Chapter> list = chapters();
    for (int i = 0; i < list.size(); ++i)
        out.append({QStringLiteral("doc/res%1.jpg").arg(i + 1, 2, 10, QLatin1Char('0')), medallion(list.at(i))});
}

} // namespace imagegen
