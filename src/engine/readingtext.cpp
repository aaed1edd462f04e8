#include "readingtext.h"

#include "numbertext.h"

namespace {
// Index 0 is no month.
const char *const MONTH_ABBREVIATIONS[13] = {
    "", "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec",
};
} // namespace

QString MonthAbbreviation(int month)
{
    return month >= 1 && month <= 12 ? QLatin1String(MONTH_ABBREVIATIONS[month]) : QString();
}

QString NameAndDate(const QString &name, const QDate &date)
{
    return name + QLatin1String(", ") + MonthAbbreviation(date.month()) + QLatin1Char(' ') +
           numberText(date.day()) + QLatin1Char(' ') + numberText(date.year());
}
