#include "personalnumbers.h"

#include "cnumerology.h"
#include "numbertext.h"
#include "readingtext.h"

namespace {

const auto R = &CNumerology::ReducePlain;

QString withNumber(const QString &text, int number)
{
    return text + QLatin1String(" (") + numberText(number) + QLatin1Char(')');
}

} // namespace

PersonalNumbers PersonalNumbers::forBirthDate(const QDate &birthDate)
{
    return PersonalNumbers(R(R(birthDate.day()) + R(birthDate.month())));
}

int PersonalNumbers::year(int year) const
{
    return R(R(year) + m_birthDayMonthDigit);
}

int PersonalNumbers::month(int year, int month) const
{
    return R(this->year(year) + R(month));
}

int PersonalNumbers::day(const QDate &date) const
{
    return R(month(date.year(), date.month()) + R(date.day()));
}

QString PersonalNumbers::yearText(int year) const
{
    return withNumber(numberText(year), this->year(year));
}

QString PersonalNumbers::monthText(const QDate &date) const
{
    return withNumber(MonthAbbreviation(date.month()), month(date.year(), date.month()));
}

QString PersonalNumbers::dayText(const QDate &date) const
{
    return withNumber(numberText(date.day()), day(date));
}

PersonalNumbers::YearNumbers PersonalNumbers::yearAhead(int year) const
{
    YearNumbers numbers{year, this->year(year), {}};
    for (int m = 1; m <= 12; ++m) {
        MonthNumbers month{m, this->month(year, m), {}};
        const int length = QDate(year, m, 1).daysInMonth();
        for (int d = 1; d <= length; ++d)
            month.days.append(day(QDate(year, m, d)));
        numbers.months.append(month);
    }
    return numbers;
}

PersonalNumbers::Calendar PersonalNumbers::calendar(const QDate &from, int columns) const
{
    Calendar cells;
    if (!from.isValid())
        return cells;
    for (int k = 0; k < columns; ++k) {
        cells.years.append(yearText(from.year() + k));
        cells.months.append(monthText(from.addMonths(k)));
        cells.days.append(dayText(from.addDays(k)));
    }
    return cells;
}
