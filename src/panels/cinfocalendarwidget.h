#pragma once

// CInfoCalendarWidget: twelve consecutive years, months and days from the
// forecast date, each with its personal number: personal year R(R(y) + b),
// month R(year + R(m)), day R(month + R(d)), where b is the person's birth
// day-month digit and R the engine's plain reduction - the forecast rules of
// CNumerology, applied to the dates the panel shows. Until a birth
// day-month digit is set the panel shows only its captions.

#include "cinfowidget.h"

#include <QDate>

class CInfoCalendarWidget : public CInfoWidget
{
    Q_OBJECT
public:
    static constexpr int COLUMNS = 12;
    static constexpr int CELL_WIDTH = 46;
    static constexpr int FIRST_CELL_X = 44;

    CInfoCalendarWidget(const CSkinTint *skin, const QImage &titlePicture, QWidget *parent = nullptr);

    // The person's birth day-month digit; 0 blanks the calendar.
    void setBirthDigit(int digit);
    int birthDigit() const { return m_birthDigit; }
    void setDate(const QDate &date);
    QDate date() const { return m_forecastDate; }
    // Empty values and birth digit 0: only the captions show.
    void clearValues() override;

    // The personal numbers of a year, a month and a day for the birth digit.
    int personalYear(int year) const;
    int personalMonth(int year, int month) const;
    int personalDay(const QDate &date) const;

    // The text of one cell (row 0 years, 1 months, 2 days; column 0 to 11),
    // for example "2024 (3)", "Jun (9)" or "21 (3)"; empty while blank.
    QString cellText(int row, int column) const;

    void paintPanel(QPainter &painter) override;
    QSize sizeHint() const override { return QSize(600, 90); }

private:
    int m_birthDigit = 0;
    QDate m_forecastDate;
};
