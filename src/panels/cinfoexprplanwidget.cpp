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

void CInfoExprPlanWidget::paintPanel(QPainter &painter)
{
    const int rows = captions().size();
    const int y0 = titleHeight() + 3;
    paintBody(painter, rows);
    painter.setPen(PEN);
    painter.setFont(panelFont(PanelFace::Arial, 12));

    // Header: each plane with its column total.
    for (int c = 0; c < 4; ++c)
        painter.drawText(QRect(FIRST_CELL_X + CELL_WIDTH * c, y0, CELL_WIDTH, ROW_HEIGHT), Qt::AlignCenter,
                         QLatin1String(PLANE_NAMES[c]) + QLatin1Char(' ') +
                             values().value(COLUMN_TOTALS + c));

    // Cells, and each row's caption with its total.
    for (int r = 0; r < 3; ++r) {
        const int y = y0 + ROW_HEIGHT * (r + 1);
        for (int c = 0; c < 4; ++c)
            painter.drawText(QRect(FIRST_CELL_X + CELL_WIDTH * c, y, CELL_WIDTH, ROW_HEIGHT), Qt::AlignCenter,
                             values().value(5 * r + c));
        painter.drawText(QRect(4, y, 113, ROW_HEIGHT), Qt::AlignLeft | Qt::AlignVCenter,
                         captions().value(r + 1) + QLatin1Char(' ') + values().value(5 * r + 4));
    }
    paintFrameAndTitle(painter, rows);
}
