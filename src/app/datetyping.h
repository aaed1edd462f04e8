#pragma once

// Dates as people type them into a date field: "11/22/1977", "7/5/1990",
// "22.11.1977", "31021990", in the order the field shows (day first or month
// first). Nothing typed is ever turned into another date: a date that does
// not exist or lies outside the field's range is refused, not corrected.

#include <QDate>
#include <QString>
#include <QValidator>

struct TypedDate
{
    // Acceptable: a whole, real date within the range (date holds it).
    // Intermediate: on the way to one, or a whole date that is refused.
    // Invalid: cannot become a date by typing more.
    QValidator::State state = QValidator::Invalid;
    QDate date;
};

TypedDate readTypedDate(const QString &text, bool dayFirst, const QDate &minimum, const QDate &maximum);

// A two-digit year, written out: the most recent such year not after
// thisYear ("90" is 1990, "05" is 2005 in 2026). Anything else unchanged.
QString withFullYear(const QString &text, int thisYear);
