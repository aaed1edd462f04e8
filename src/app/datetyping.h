#pragma once

// Dates as people type or paste them into a date field:
//
//   "11/22/1977", "7/5/1990", "22.11.1977"  in the field's order (day first
//                                           or month first)
//   "31021990"                              eight digits in that order
//   "1990-05-17"                            year first, always year-month-day
//   "17 May 1990", "May 17, 1990"           a month written in English
//                                           (three letters or more)
//   "3/4/85"                                a two-digit year: the most recent
//                                           such year not after this one
//
// Nothing typed is ever turned into another date: a date that does not exist
// or lies outside the field's range is refused, not corrected, and the
// refusal says which of the two it is.

#include <QDate>
#include <QString>
#include <QValidator>

struct TypedDate
{
    // Why a whole date was refused.
    enum Problem {
        NoProblem,
        NoSuchMonth, // "13/01/1990"
        NoSuchDay,   // "02/30/1990": the month has fewer days
        OutOfRange,  // a real date before the minimum or after the maximum
    };

    // Acceptable: a whole, real date within the range (date holds it).
    // Intermediate: on the way to one, or a whole date that is refused.
    // Invalid: cannot become a date by typing more.
    QValidator::State state = QValidator::Invalid;
    QDate date;
    Problem problem = NoProblem;
    int year = 0, month = 0, day = 0; // as typed, once the date is whole
    // The year was typed with two digits: a whole date, but one a field
    // takes only once the user is done (typing on may make it 1977 rather
    // than 2019).
    bool shortYear = false;
};

// thisYear decides two-digit years; 0 takes the current year.
TypedDate readTypedDate(const QString &text, bool dayFirst, const QDate &minimum, const QDate &maximum,
                        int thisYear = 0);

// What is wrong with a refused whole date, in a sentence ("February 1990
// has no day 30."); empty for a good date or one still being typed.
QString typedDateProblem(const TypedDate &typed, const QDate &minimum, const QDate &maximum);

// A two-digit year, written out: the most recent such year not after
// thisYear ("90" is 1990, "05" is 2005 in 2026). Anything else unchanged.
QString withFullYear(const QString &text, int thisYear);
