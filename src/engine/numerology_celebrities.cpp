// The celebrities reading: the famous people of the data file who share the
// person's Life Path, day of birth or Expression number. Its report is in
// reports/celebritiesreport.cpp.

#include "cnumerology.h"

#include "texts/celebritydate.h"
#include "texts/textstore.h"

namespace {

// Celebrity records and photographs: indexes 0..199.
const int CELEBRITY_COUNT = 200;

} // namespace

bool CNumerology::CalcCelebrities(const QString &fullName, const QDate &birthDate, bool chaldean,
                                  int vowelMode)
{
    // The person's chart with the three masters; no name check, no report of
    // its own. Life Path and Expression follow the calculation options as
    // they do on the person's chart, so the matches agree with the numbers
    // shown there.
    SetMasterMode(0);
    PersonRecord person;
    person.fullName = fullName;
    person.shortName = fullName;
    person.chaldean = chaldean;
    person.birthDate = birthDate;
    person.forecastDate = QDate::currentDate();
    person.vowelMode = vowelMode;
    person.calcOnly = true;
    CalcNumerology(person);

    // Whole numbers are compared: a Life Path 11 matches 11, never 2.
    const TextStore &texts = textStore();
    m_celebrityMatches = CelebrityMatches();
    for (int i = 0; i < CELEBRITY_COUNT; ++i) {
        const CelebrityRecord celebrity = texts.celebrity(i);
        if (celebrity.lifePath == m_res.lifePath)
            m_celebrityMatches.lifePath.append(i);
        if (celebrity.birthdayNumber > 0 && packedDay(celebrity.birthDate) == birthDate.day())
            m_celebrityMatches.birthDay.append(i);
        if (celebrity.expression == m_res.expression)
            m_celebrityMatches.expression.append(i);
    }

    buildCelebritiesReport(texts);
    return true;
}
