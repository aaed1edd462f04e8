#include "cinfocalendarwidget.h"

#include "panelparts.h"

#include "engine/cnumerology.h"

#include <QPainter>

using namespace panelparts;

namespace {

const char *const MONTHS[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

QString withNumber(const QString &text, int number)
{
    return text + QLatin1String(" (") + QString::number(number) + QLatin1Char(')');
}

} // namespace

CInfoCalendarWidget::CInfoCalendarWidget(const CSkinTint *skin, const QImage &titlePicture,
                                         QWidget *parent)
    : CInfoWidget(skin, titlePicture, parent)
{
    setCaptions({QStringLiteral("Years"), QStringLiteral("Months"), QStringLiteral("Days")});
    resize(600, 90);
}

void CInfoCalendarWidget::setBirthDigit(int digit)
{
    m_birthDigit = digit;
    update();
}

void CInfoCalendarWidget::setDate(const QDate &date)
{
    m_forecastDate = date;
    update();
}

void CInfoCalendarWidget::clearValues()
{
    CInfoWidget::clearValues();
    setBirthDigit(0);
}

int CInfoCalendarWidget::personalYear(int year) const
{
    return CNumerology::ReducePlain(CNumerology::ReducePlain(year) + m_birthDigit);
}

int CInfoCalendarWidget::personalMonth(int year, int month) const
{
    return CNumerology::ReducePlain(personalYear(year) + CNumerology::ReducePlain(month));
}

int CInfoCalendarWidget::personalDay(const QDate &date) const
{
    return CNumerology::ReducePlain(personalMonth(date.year(), date.month()) +
                                    CNumerology::ReducePlain(date.day()));
}

QString CInfoCalendarWidget::cellText(int row, int column) const
{
    if (m_birthDigit <= 0 || !m_forecastDate.isValid() || column < 0 || column >= COLUMNS)
        return QString();
    switch (row) {
    case 0: {
        const int year = m_forecastDate.year() + column;
        return withNumber(QString::number(year), personalYear(year));
    }
    case 1: {
        // Adding months clamps the day (30 January + 1 month is 28 or 29
        // February); only the month matters here.
        const QDate date = m_forecastDate.addMonths(column);
        return withNumber(QLatin1String(MONTHS[date.month() - 1]), personalMonth(date.year(), date.month()));
    }
    case 2: {
        const QDate date = m_forecastDate.addDays(column);
        return withNumber(QString::number(date.day()), personalDay(date));
    }
    default:
        return QString();
    }
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
