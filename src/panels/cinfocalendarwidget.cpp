#include "cinfocalendarwidget.h"

#include "panelparts.h"

#include <QPainter>

using namespace panelparts;

CInfoCalendarWidget::CInfoCalendarWidget(const CSkinTint *skin, const QImage &titlePicture, QWidget *parent)
    : CInfoWidget(skin, titlePicture, parent)
{
    setCaptions({QStringLiteral("Years"), QStringLiteral("Months"), QStringLiteral("Days")});
    resize(600, 90);
}

void CInfoCalendarWidget::setCells(const QStringList &years, const QStringList &months,
                                   const QStringList &days)
{
    m_cells[0] = years;
    m_cells[1] = months;
    m_cells[2] = days;
    update();
}

bool CInfoCalendarWidget::isBlank() const
{
    for (const QStringList &row : m_cells)
        if (!row.isEmpty())
            return false;
    return true;
}

void CInfoCalendarWidget::clearValues()
{
    CInfoWidget::clearValues();
    setCells({}, {}, {});
}

QString CInfoCalendarWidget::cellText(int row, int column) const
{
    if (row < 0 || row >= ROWS || column < 0 || column >= COLUMNS)
        return QString();
    return m_cells[row].value(column);
}

void CInfoCalendarWidget::paintPanel(QPainter &painter)
{
    const int rows = captions().size();
    const int y0 = titleHeight() + 3;
    paintBody(painter, rows);
    painter.setPen(PEN);
    painter.setFont(panelFont(PanelFace::Arial, 10));
    for (int i = 0; i < rows; ++i) {
        const int y = y0 + ROW_HEIGHT * i;
        painter.drawText(QRect(4, y, 36, ROW_HEIGHT), Qt::AlignLeft | Qt::AlignVCenter, captions().at(i));
        for (int k = 0; k < COLUMNS; ++k)
            painter.drawText(QRect(FIRST_CELL_X + CELL_WIDTH * k, y, CELL_WIDTH, ROW_HEIGHT), Qt::AlignCenter,
                             cellText(i, k));
    }
    paintFrameAndTitle(painter, rows);
}
