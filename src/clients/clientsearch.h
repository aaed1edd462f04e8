#pragma once

// What the search field of the client book understands, as one line of
// words separated by spaces; every word narrows the list (all must hold):
//
//   smith          a part of the full or short name (any case, accents
//                  and punctuation dropped as the calculation drops them)
//   1990-05-17     the birth date; 17.05.1990 is the same day
//   1990           a birth year (four digits alone)
//   lp:7           Life Path 7 (also "lp:11", "lp:22", "lp:33")
//   ex:8           Expression 8
//
// A word "lp:" or "ex:" with no number, or any other "key:" word, is
// refused with a reason and the rest of the line still filters.

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariantList>

struct ClientFilter
{
    QStringList nameParts; // cleaned, upper-cased
    QDate birthDate;       // null: any
    int birthYear = 0;     // 0: any
    int lifePath = 0;      // 0: any
    int expression = 0;    // 0: any
    QStringList errors;    // one line per word that was refused

    bool isEmpty() const
    {
        return nameParts.isEmpty() && !birthDate.isValid() && birthYear == 0 && lifePath == 0
            && expression == 0;
    }
};

// Which number of a date typed with slashes is the month: the window reads
// them in its own order, 05/17/1990 or 17/05/1990.
enum class SlashedDates { MonthFirst, DayFirst };

ClientFilter parseClientSearch(const QString &text, SlashedDates slashed = SlashedDates::MonthFirst);

// The filter as an SQL condition over the clients table and its values,
// bound in order: "1" when the filter is empty. Nothing the user typed
// goes into the SQL text.
struct SqlCondition
{
    QString sql;
    QVariantList values;
};
SqlCondition filterCondition(const ClientFilter &filter);
