#include "cinfoexprplanwidget.h"

#include "panelparts.h"

#include <QPainter>

using namespace panelparts;

namespace {

const char *const PLANE_NAMES[4] = {"Mental", "Physical", "Emotional", "Intuitive"};
const int COLUMN_TOTALS = 15; // value index of the first column total

} // namespace

CInfoExprPlanWidget::CInfoExprPlanWidget(const CSkinTint *skin, const QImage &titlePicture,
                                         QWidget *parent)
    : CInfoWidget(skin, titlePicture, parent)
{
    setCaptions({QString(), QStringLiteral("Creative"), QStringLiteral("Dual"), QStringLiteral("Grounded")});
    resize(600, 100);
}

void CInfoExprPlanWidget::clearValues()
{
    setValues(emptyTexts(PLANE_VALUES));
}

QVector<CInfoExprPlanWidget::Cell> CInfoExprPlanWidget::cells() const
{
    QVector<Cell> cells;
    const int y0 = titleHeight() + 3;
    // Header: each plane with its column total.
    for (int c = 0; c < 4; ++c)
        cells.append({QRect(FIRST_CELL_X + CELL_WIDTH * c, y0, CELL_WIDTH, ROW_HEIGHT), Qt::AlignCenter,
                      QLatin1String(PLANE_NAMES[c]) + QLatin1Char(' ') + values().value(COLUMN_TOTALS + c)});
    // Cells, and each row's caption with its total.
    for (int r = 0; r < 3; ++r) {
        const int y = y0 + ROW_HEIGHT * (r + 1);
        for (int c = 0; c < 4; ++c)
            cells.append({QRect(FIRST_CELL_X + CELL_WIDTH * c, y, CELL_WIDTH, ROW_HEIGHT), Qt::AlignCenter,
                          values().value(5 * r + c)});
        cells.append({QRect(4, y, 113, ROW_HEIGHT), int(Qt::AlignLeft | Qt::AlignVCenter),
                      captions().value(r + 1) + QLatin1Char(' ') + values().value(5 * r + 4)});
    }
    // The last column ends at the inner frame, not past the panel.
    const QRect inside(2, 0, paintWidth() - 5, height());
    for (Cell &cell : cells)
        cell.rect = cell.rect.intersected(inside);
    return cells;
}

namespace {
// A cell's text keeps two pixels clear on either side, so neighbours never touch.
int roomOf(const QRect &rect) { return rect.width() - 4; }
} // namespace

void CInfoExprPlanWidget::paintPanel(QPainter &painter)
{
    const int rows = captions().size();
    paintBody(painter, rows);
    painter.setPen(PEN);
    const QFont font = panelFont(PanelFace::Arial, 12);
    painter.setFont(font);
    for (const Cell &cell : cells())
        painter.drawText(cell.rect, cell.alignment, fittedText(cell.text, font, roomOf(cell.rect)));
    paintFrameAndTitle(painter, rows);
}

QString CInfoExprPlanWidget::toolTipAt(const QPoint &pos) const
{
    const QFont font = panelFont(PanelFace::Arial, 12);
    for (const Cell &cell : cells()) {
        if (cell.rect.contains(pos))
            return fittedText(cell.text, font, roomOf(cell.rect)) == cell.text ? QString() : cell.text;
    }
    return QString();
}
