// Life cycles: challenges, pinnacles with their age spans, and the three life
// path periods; also the birth day-month digit behind every forecast number.

#include "cnumerology.h"
#include "numbertext.h"
#include "personalnumbers.h"
#include "textbuilder.h"

#include <cstdlib>

namespace {

// Age at which the first and the second life path period end, by the Life
// Path's single digit. Index 0 is never used.
//                                    -   1   2   3   4   5   6   7   8   9
const int FIRST_PERIOD_END[10]  = { -1, 26, 25, 24, 23, 31, 30, 29, 28, 27 };
const int SECOND_PERIOD_END[10] = { -1, 53, 52, 51, 59, 58, 57, 56, 55, 54 };

// Writes the numbers joined by ", ".
void writeJoined(QString &target, std::initializer_list<int> numbers)
{
    TextBuilder text;
    for (const int n : numbers) {
        if (!text.isEmpty())
            text.add(QLatin1String(", "));
        text.number(n);
    }
    text.writeTo(target);
}

} // namespace

void CNumerology::calcLifeCycles()
{
    const int rD = m_values.birthDayReduced;
    const int rM = m_values.birthMonthReduced;
    const int rY = m_values.birthYearReduced;
    const int day = ReducePlain(rD);
    const int month = ReducePlain(rM);
    const int year = ReducePlain(rY);

    // Challenges: the distances between the date's digits.
    int *c = m_res.challenges;
    c[0] = std::abs(day - month);
    c[1] = std::abs(day - year);
    c[2] = std::abs(c[0] - c[1]);
    c[3] = std::abs(year - month);
    writeJoined(m_res.challengesText, {c[0], c[1], c[2], c[3]});

    // Pinnacles keep their master numbers and show them as 2/11.
    int *p = m_values.pinnacles;
    p[0] = ReduceKeepMasters(rM + rD);
    p[1] = ReduceKeepMasters(rD + rY);
    p[2] = ReduceKeepMasters(p[0] + p[1]);
    p[3] = ReduceKeepMasters(rM + rY);
    TextBuilder pinnacles;
    for (int i = 0; i < 4; ++i) {
        m_values.pinnacleDigits[i] = ReducePlain(p[i]);
        if (i > 0)
            pinnacles.add(QLatin1String(", "));
        if (p[i] > 9)
            pinnacles.number(m_values.pinnacleDigits[i]).add(QLatin1Char('/'));
        pinnacles.number(p[i]);
    }
    pinnacles.writeTo(m_res.pinnaclesText);

    // The pinnacle periods change at 36, 45 and 54 less the Life Path digit.
    const int lifePathDigit = ReducePlain(m_res.lifePath);
    // Spans: "0-31", "31-40", "40-49", "49-E"; together "0-31-40-49-E".
    const int changes[5] = {0, 36 - lifePathDigit, 45 - lifePathDigit, 54 - lifePathDigit, -1};
    TextBuilder ageSpans;
    for (int i = 0; i < 4; ++i) {
        TextBuilder span;
        span.number(changes[i]).add(QLatin1Char('-'));
        if (i < 3)
            span.number(changes[i + 1]);
        else
            span.add(QLatin1Char('E'));
        span.writeTo(m_values.lifeCycleSpans[i]);
        ageSpans.number(changes[i]).add(QLatin1Char('-'));
    }
    ageSpans.add(QLatin1Char('E')).writeTo(m_res.ageSpansText);

    // Life path periods: month, day and year, ending at ages set by the Life Path.
    writeJoined(m_res.lifePathPeriodsText, {month, day, year});
    const int row = (lifePathDigit >= 1 && lifePathDigit <= 9) ? lifePathDigit : 0;
    const int firstEnd = FIRST_PERIOD_END[row];
    const int secondEnd = SECOND_PERIOD_END[row];
    TextBuilder() // "0-26,27-53,54-E"
        .add(QLatin1String("0-"))
        .number(firstEnd)
        .add(QLatin1Char(','))
        .number(firstEnd + 1)
        .add(QLatin1Char('-'))
        .number(secondEnd)
        .add(QLatin1Char(','))
        .number(secondEnd + 1)
        .add(QLatin1String("-E"))
        .writeTo(m_res.periodSpansText);

    // The forecast numbers all start from the birth day-month digit.
    m_res.birthDayMonthDigit = PersonalNumbers::forBirthDate(m_res.birthDate).birthDayMonthDigit();
    m_res.personalYearText = numberText(PersonalYear(m_res.forecastYear));
}
