// Panel pictures: title bars, the today panel, the input overlay's frame
// pieces, the separator, the day text drawer's handle, the psychomatrix
// background and the small arrows of the style sheets.

#include "glyphs.h"
#include "paintkit.h"
#include "pictures.h"

#include <QLinearGradient>

namespace imagegen {

// A light olive-gold bar under a bold black title, with a fine darker edge.
static QImage titleBar(int width)
{
    const int height = 22;
    QImage image = canvas(width, height);
    QPainter p(&image);
    QLinearGradient body(0, 0, 0, height);
    body.setColorAt(0.0, QColor(0xede5b9));
    body.setColorAt(0.45, QColor(0xdbd093));
    body.setColorAt(1.0, QColor(0xc2b66d));
    p.fillRect(image.rect(), body);
    // A soft sheen from the left, where the title sits.
    QLinearGradient sheen(0, 0, width, 0);
    sheen.setColorAt(0.0, withAlpha(Qt::white, 0.14));
    sheen.setColorAt(0.5, withAlpha(Qt::white, 0.0));
    p.fillRect(QRect(0, 0, width, height), sheen);
    p.fillRect(QRect(0, 0, width, 1), QColor(0xf4eecb));
    p.fillRect(QRect(0, height - 2, width, 1), QColor(0xa39752));
    p.fillRect(QRect(0, height - 1, width, 1), QColor(0x6f6634));
    p.end();
    return image;
}

// The today panel: a header band for its green "Today" (centred in the top
// 25 pixels), the personal day large at the left, the month and year
// beside it from x 90; a faint emblem rests in the free lower right corner.
static QImage todayPanel()
{
    const int w = 180, h = 100, header = 25;
    QImage image = canvas(w, h);
    QPainter p(&image);
    prepare(p);
    const QRectF card(0.5, 0.5, w - 1, h - 1);
    const QPainterPath shape = roundedRect(card, 7);
    QLinearGradient body(0, header, 0, h);
    body.setColorAt(0.0, QColor(0x352b25));
    body.setColorAt(1.0, QColor(0x261f1b));
    p.fillPath(shape, body);
    p.save();
    p.setClipPath(shape);
    QLinearGradient band(0, 0, 0, header);
    band.setColorAt(0.0, QColor(0x4a3c33));
    band.setColorAt(1.0, QColor(0x3a2f29));
    p.fillRect(QRectF(0, 0, w, header), band);
    p.fillRect(QRectF(0, header, w, 1), QColor(0x1e1917));
    QLinearGradient rule(0, 0, w, 0);
    rule.setColorAt(0.0, withAlpha(colour(palette::Accent), 0.0));
    rule.setColorAt(0.5, withAlpha(colour(palette::Accent), 0.55));
    rule.setColorAt(1.0, withAlpha(colour(palette::Accent), 0.0));
    p.fillRect(QRectF(0, header + 1, w, 1), rule);
    glow(p, QPointF(52, 60), 46, withAlpha(colour(palette::Accent), 0.07));
    Ink ink;
    ink.main = withAlpha(colour(palette::Text), 0.07);
    ink.accent = withAlpha(colour(palette::Accent), 0.12);
    ink.ground = Qt::transparent;
    ink.line = 4;
    paintGlyph(p, image.size(), glyphEmblem, QRectF(128, 60, 64, 64), ink);
    p.restore();
    // A fine upright rule between the day and the month and year.
    QLinearGradient divider(0, 34, 0, 70);
    divider.setColorAt(0.0, withAlpha(QColor(0x5c524c), 0.0));
    divider.setColorAt(0.5, QColor(0x5c524c));
    divider.setColorAt(1.0, withAlpha(QColor(0x5c524c), 0.0));
    p.fillRect(QRectF(82, 34, 1, 36), divider);
    QLinearGradient edge(0, 0, 0, h);
    edge.setColorAt(0.0, QColor(0x7a685b));
    edge.setColorAt(0.3, QColor(0x5c524c));
    edge.setColorAt(1.0, QColor(0x3e3733));
    p.strokePath(shape, QPen(QBrush(edge), 1.0));
    p.end();
    return image;
}

// The input overlay's boxes are made of three pieces stacked: a top strip, a
// middle stretched to any height, a bottom strip. The pieces share one width
// and one border, so they join without a seam.
namespace overlay {
const int Width = 820;
const int TopHeight = 30;
const int FieldHeight = 4;
const int BottomHeight = 12;
const qreal Radius = 8;

struct Style
{
    QColor fill;      // the body behind the fields
    QColor header;    // top of the top strip, fading into the body
    QColor border;
    QColor highlight; // the top edge's light line
};

const Style Outer = {QColor(0x2c2420), QColor(0x45382f), QColor(0x5c524c), QColor(0x8a7666)};
const Style Inner = {QColor(0x352821), QColor(0x43342b), QColor(0x403935), QColor(0x6a5748)};

// The box's outline drawn in one tall picture, from which the pieces are cut.
QImage fullBox(const Style &style, bool optionStripe)
{
    const int height = TopHeight + FieldHeight + BottomHeight;
    QImage image = canvas(Width, height);
    QPainter p(&image);
    prepare(p);
    const QRectF box(0.5, 0.5, Width - 1, height - 1);
    const QPainterPath shape = roundedRect(box, Radius);
    p.fillPath(shape, style.fill);
    p.save();
    p.setClipPath(shape);
    QLinearGradient header(0, 0, 0, TopHeight);
    header.setColorAt(0.0, style.header);
    header.setColorAt(1.0, style.fill);
    p.fillRect(QRectF(0, 0, Width, TopHeight), header);
    if (optionStripe) {
        // Option boxes carry a fine green line along the top, fading at the ends.
        QLinearGradient stripe(0, 0, Width, 0);
        stripe.setColorAt(0.0, withAlpha(colour(palette::Accent), 0.0));
        stripe.setColorAt(0.12, withAlpha(colour(palette::Accent), 0.85));
        stripe.setColorAt(0.88, withAlpha(colour(palette::Accent), 0.85));
        stripe.setColorAt(1.0, withAlpha(colour(palette::Accent), 0.0));
        p.fillRect(QRectF(Radius, 1, Width - 2 * Radius, 2), stripe);
    }
    p.restore();
    p.strokePath(shape, QPen(style.border, 1.0));
    // The light top edge, fading down the rounded corners.
    QLinearGradient light(0, 0, 0, Radius + 2);
    light.setColorAt(0.0, withAlpha(style.highlight, 0.9));
    light.setColorAt(1.0, withAlpha(style.highlight, 0.0));
    p.save();
    p.setClipRect(QRectF(0, 0, Width, Radius + 2));
    p.strokePath(roundedRect(box.adjusted(1, 1, -1, -1), Radius - 1), QPen(QBrush(light), 1.0));
    p.restore();
    p.end();
    return image;
}

void addPieces(PictureList &out, const QString &prefix, const Style &style, bool plainTop)
{
    const QImage plain = fullBox(style, false);
    const QImage option = fullBox(style, true);
    if (plainTop)
        out.append({prefix + QStringLiteral("-top.png"), plain.copy(0, 0, Width, TopHeight)});
    out.append({prefix + QStringLiteral("-top-opt.png"), option.copy(0, 0, Width, TopHeight)});
    out.append({prefix + QStringLiteral("-field.png"), plain.copy(0, TopHeight, Width, FieldHeight)});
    out.append({prefix + QStringLiteral("-bot.png"), plain.copy(0, TopHeight + FieldHeight, Width, BottomHeight)});
}
} // namespace overlay

static QImage separator()
{
    QImage image = canvas(170, 2);
    QPainter p(&image);
    auto faded = [](const QColor &c) {
        QLinearGradient g(0, 0, 170, 0);
        g.setColorAt(0.0, withAlpha(c, 0.0));
        g.setColorAt(0.2, c);
        g.setColorAt(0.8, c);
        g.setColorAt(1.0, withAlpha(c, 0.0));
        return g;
    };
    p.fillRect(QRect(0, 0, 170, 1), faded(QColor(0x1a1513)));
    p.fillRect(QRect(0, 1, 170, 1), faded(QColor(0x5c4e44)));
    p.end();
    return image;
}

// The drawer's tab: rounded on the left, flat on the right where it meets
// the drawer, with a grip and an arrow pointing the way it opens.
static QImage drawerHandle()
{
    const int w = 15, h = 98;
    QImage image = canvas(w, h);
    QPainter p(&image);
    prepare(p);
    const QPainterPath shape = roundedRect(QRectF(0.5, 0.5, w + 8, h - 1), 6);
    QLinearGradient body(0, 0, w, 0);
    body.setColorAt(0.0, QColor(0x4d3d33));
    body.setColorAt(1.0, colour(palette::Drawer));
    p.fillPath(shape, body);
    QLinearGradient edge(0, 0, 0, h);
    edge.setColorAt(0.0, QColor(0x7a685b));
    edge.setColorAt(0.5, QColor(0x5c524c));
    edge.setColorAt(1.0, QColor(0x3e3733));
    p.strokePath(shape, QPen(QBrush(edge), 1.0));
    // Grip lines above and below the arrow.
    for (int i = 0; i < 3; ++i) {
        for (qreal y : {22.0 + i * 4, 68.0 + i * 4}) {
            p.fillRect(QRectF(5, y, 6, 1), QColor(0x1e1917));
            p.fillRect(QRectF(5, y + 1, 6, 1), QColor(0x6a5a4f));
        }
    }
    QPainterPath arrow(QPointF(4.5, 49));
    arrow.lineTo(10, 44);
    arrow.lineTo(10, 54);
    arrow.closeSubpath();
    softShadow(p, image.size(), arrow, QPointF(0, 1), 1, withAlpha(Qt::black, 0.6));
    p.fillPath(arrow, colour(palette::Accent));
    p.end();
    return image;
}

// The psychomatrix background, shared by the psychomatrix panel and the
// compatibility panel (600 x 291; the panel's title bar covers the top). The
// square's digit cells stand in columns 1 to 3 and rows 0 to 2; column 4
// holds the row totals, row 3 the column totals, and its outer cells the two
// diagonals. Column x and row y of a cell's box: 10 + 118 * col, 38 + 63 * row,
// 108 x 55 - the boxes the panels light under the pointer.
static QImage matrixBackground()
{
    const int w = 600, h = 291;
    QImage image = canvas(w, h);
    QPainter p(&image);
    prepare(p);
    // The panel's own field colour all round, so the picture sits in it unseen.
    p.fillRect(image.rect(), colour(palette::Field));
    auto cellBox = [](int col, int row) { return QRectF(10 + 118 * col, 38 + 63 * row, 108, 55); };

    // A soft tray under the digit square, and a fine rule between the square
    // and its totals.
    const QRectF square = cellBox(1, 0).united(cellBox(3, 2)).adjusted(-5, -5, 5, 5);
    QLinearGradient tray(0, square.top(), 0, square.bottom());
    tray.setColorAt(0.0, QColor(0x312823));
    tray.setColorAt(1.0, QColor(0x282019));
    p.fillPath(roundedRect(square, 9), tray);
    p.strokePath(roundedRect(square.adjusted(0.5, 0.5, -0.5, -0.5), 9), QPen(QColor(0x3e3733), 1.0));

    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 5; ++col) {
            const bool digit = col >= 1 && col <= 3 && row <= 2;
            const bool total = !digit && (row == 3 || col == 4);
            if (!digit && !total)
                continue;
            const QRectF cell = cellBox(col, row).adjusted(0.5, 0.5, -0.5, -0.5);
            const QPainterPath shape = roundedRect(cell, 6);
            QLinearGradient body(0, cell.top(), 0, cell.bottom());
            body.setColorAt(0.0, digit ? QColor(0x43362e) : QColor(0x382d27));
            body.setColorAt(1.0, digit ? QColor(0x332923) : QColor(0x2a221e));
            p.fillPath(shape, body);
            QLinearGradient edge(0, cell.top(), 0, cell.bottom());
            edge.setColorAt(0.0, digit ? QColor(0x6a5a4f) : QColor(0x5c524c));
            edge.setColorAt(1.0, QColor(0x3e3733));
            p.strokePath(shape, QPen(QBrush(edge), 1.0));
            if (total) {
                // The totals carry a short green line under their caption.
                QLinearGradient mark(cell.left(), 0, cell.right(), 0);
                mark.setColorAt(0.0, withAlpha(colour(palette::Accent), 0.0));
                mark.setColorAt(0.5, withAlpha(colour(palette::Accent), 0.55));
                mark.setColorAt(1.0, withAlpha(colour(palette::Accent), 0.0));
                p.fillRect(QRectF(cell.left() + 20, cell.top() + 21, cell.width() - 40, 1), mark);
            }
        }
    }
    p.end();
    return image;
}

// The small arrows of combo boxes, date fields and the calendar's month
// buttons: a soft-edged triangle in the text colour, pointing down, left or right.
static QImage arrow(Qt::ArrowType direction)
{
    const bool across = direction == Qt::LeftArrow || direction == Qt::RightArrow;
    QImage image = canvas(across ? 6 : 9, across ? 9 : 6);
    QPainter p(&image);
    prepare(p);
    QPainterPath shape(QPointF(0.5, 0.8));
    shape.lineTo(8.5, 0.8);
    shape.lineTo(4.5, 5.4);
    shape.closeSubpath();
    if (across) {
        // The down arrow turned a quarter: its tip to the left or the right.
        QTransform turn;
        if (direction == Qt::RightArrow)
            turn = QTransform(0, 1, 1, 0, 0, 0); // swap x and y: the tip points right
        else
            turn = QTransform(0, 1, -1, 0, 6, 0); // and mirrored: the tip points left
        shape = turn.map(shape);
    }
    p.fillPath(shape, colour(palette::Text));
    p.end();
    return image;
}

void addPanels(PictureList &out)
{
    out.append({QStringLiteral("tbar.png"), titleBar(200)});
    out.append({QStringLiteral("tbar2.png"), titleBar(800)});
    out.append({QStringLiteral("todaywidg.png"), todayPanel()});
    overlay::addPieces(out, QStringLiteral("input"), overlay::Outer, true);
    overlay::addPieces(out, QStringLiteral("input2"), overlay::Inner, false);
    out.append({QStringLiteral("hline.png"), separator()});
    out.append({QStringLiteral("handle.png"), drawerHandle()});
    out.append({QStringLiteral("matrix.png"), matrixBackground()});
    out.append({QStringLiteral("arrow-down.png"), arrow(Qt::DownArrow)});
    out.append({QStringLiteral("arrow-left.png"), arrow(Qt::LeftArrow)});
    out.append({QStringLiteral("arrow-right.png"), arrow(Qt::RightArrow)});
}

} // namespace imagegen
