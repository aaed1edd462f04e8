#pragma once

// The forecast numbers of a person for any date, from the birth day-month
// digit b that the calculation stores (R is the plain reduction):
//
//   personal year   R(R(year) + b)
//   personal month  R(personal year + R(month))
//   personal day    R(personal month + R(day))
//
// The engine's forecast rules, the report's calendar and sections, the
// calendar panel's cells and the today panel all read them from here.

#include <QDate>
#include <QString>
#include <QStringList>

class PersonalNumbers
{
public:
    explicit PersonalNumbers(int birthDayMonthDigit)
        : m_birthDayMonthDigit(birthDayMonthDigit)
    {
    }

    // The numbers of a person born on birthDate: b = R(R(day) + R(month)),
    // the digit the calculation stores.
    static PersonalNumbers forBirthDate(const QDate &birthDate);

    int birthDayMonthDigit() const { return m_birthDayMonthDigit; }

    int year(int year) const;
    int month(int year, int month) const;
    int day(const QDate &date) const;

    // Texts of a year, a month and a day with their numbers: "2024 (3)",
    // "Jun (9)", "21 (3)".
    QString yearText(int year) const;
    QString monthText(const QDate &date) const;
    QString dayText(const QDate &date) const;

    // The calendar panel's cells: columns consecutive years from the year of
    // from, months from from (adding months keeps the day within the month:
    // 31 January, then the last day of February) and days from from. An
    // invalid date gives no cells.
    struct Calendar
    {
        QStringList years;
        QStringList months;
        QStringList days;
    };
    Calendar calendar(const QDate &from, int columns) const;

    // The numbers of one calendar year: its personal year, and for each of
    // its twelve months the personal month and one personal day per day.
    struct MonthNumbers
    {
        int month;
        int personalMonth;
        QList<int> days; // the 1st first
    };
    struct YearNumbers
    {
        int year;
        int personalYear;
        QList<MonthNumbers> months; // January first
    };
    YearNumbers yearAhead(int year) const;

private:
    int m_birthDayMonthDigit;
};
