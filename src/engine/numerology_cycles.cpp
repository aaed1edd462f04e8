// Life cycles: challenges, pinnacles with their age spans, and the three life
// path periods; also the birth day-month digit behind every forecast number.

#include "cnumerology.h"
#include "numbertext.h"
#include "personalnumbers.h"

#include <cstdlib>

namespace {

// Age at which the first and the second life path period end, by the Life
// Path's single digit. Index 0 is never used.
//                                    -   1   2   3   4   5   6   7   8   9
const int FIRST_PERIOD_END[10]  = { -1, 26, 25, 24, 23, 31, 30, 29, 28, 27 };
const int SECOND_PERIOD_END[10] = { -1, 53, 52, 51, 59, 58, 57, 56, 55, 54 };

QString joinNumbers(std::initializer_list<int> numbers)
{
    QStringList parts;
    for (const int n : numbers)
        parts.append(numberText(n));
    return parts.join(QLatin1String(", "));
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
    m_res.challengesText = joinNumbers({c[0], c[1], c[2], c[3]});

    // Pinnacles keep their master numbers and show them as 2/11.
    int *p = m_values.pinnacles;
    p[0] = ReduceKeepMasters(rM + rD);
    p[1] = ReduceKeepMasters(rD + rY);
    p[2] = ReduceKeepMasters(p[0] + p[1]);
    p[3] = ReduceKeepMasters(rM + rY);
    QStringList pinnacles;
    for (int i = 0; i < 4; ++i) {
        m_values.pinnacleDigits[i] = ReducePlain(p[i]);
        pinnacles.append(p[i] <= 9 ? numberText(p[i])
                                   : numberText(m_values.pinnacleDigits[i]) + QLatin1Char('/')
                                       + numberText(p[i]));
    }
    m_res.pinnaclesText = pinnacles.join(QLatin1String(", "));

    // The pinnacle periods change at 36, 45 and 54 less the Life Path digit.
    const int lifePathDigit = ReducePlain(m_res.lifePath);
    const QString a = numberText(36 - lifePathDigit);
    const QString b = numberText(45 - lifePathDigit);
    const QString e = numberText(54 - lifePathDigit);
    m_res.ageSpansText = QStringLiteral("0-%1-%2-%3-E").arg(a, b, e);
    m_values.lifeCycleSpans[0] = QLatin1String("0-") + a;
    m_values.lifeCycleSpans[1] = a + QLatin1Char('-') + b;
    m_values.lifeCycleSpans[2] = b + QLatin1Char('-') + e;
    m_values.lifeCycleSpans[3] = e + QLatin1String("-E");

    // Life path periods: month, day and year, ending at ages set by the Life Path.
    m_res.lifePathPeriodsText = joinNumbers({month, day, year});
    const int row = (lifePathDigit >= 1 && lifePathDigit <= 9) ? lifePathDigit : 0;
    const int firstEnd = FIRST_PERIOD_END[row];
    const int secondEnd = SECOND_PERIOD_END[row];
    m_res.periodSpansText = QStringLiteral("0-%1,%2-%3,%4-E")
                                .arg(firstEnd)
                                .arg(firstEnd + 1)
                                .arg(secondEnd)
                                .arg(secondEnd + 1);

    // The forecast numbers all start from the birth day-month digit.
    m_res.birthDayMonthDigit = PersonalNumbers::forBirthDate(m_res.birthDate).birthDayMonthDigit();
    m_res.personalYearText = numberText(PersonalYear(m_res.forecastYear));
}
