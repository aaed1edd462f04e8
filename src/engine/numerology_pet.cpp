// The pet reading: a pet number from the name, a birthday code from the pet's
// birth date and a forecast day code for any date, with the digit rows and
// calculation lines the name panel shows. Its short report is in
// reports/petreport.cpp.

#include "cnumerology.h"

#include "document/reporthtml.h"
#include "messagereporter.h"
#include "numbertext.h"
#include "texts/textstore.h"

#include <QStringList>

namespace {

using reporthtml::LINE_END;

// A pet number over a list of word values: each word reduced (masters
// kept), the reductions added, the sum reduced to one digit.
struct PetNumber
{
    int value = 0;
    int total = 0;
    QString line; // "=2/20+0+11=13=4"
};

// The code of a date: the single digit of its reduced year, month and day.
int dateCode(const QDate &date)
{
    const auto R = CNumerology::ReducePlain;
    return R(R(date.year()) + R(date.month()) + R(date.day()));
}

} // namespace

bool CNumerology::CalcPetNum(const QString &name, const QDate &birthDate, const QDate &forecastDate)
{
    // A pet is always read with the Western table and the three masters.
    m_res.chaldean = false;
    m_res.masterMode = 0;
    const QString upper = name.toUpper();
    ResetResults();
    m_document.clear();

    const int birthdayCode = dateCode(birthDate);
    const int forecastCode = dateCode(forecastDate);

    // The pet number and its two companions over vowels and consonants.
    const auto petNumber = [this](const QList<int> &words) {
        PetNumber number;
        QStringList parts;
        for (const int w : words) {
            const int r = ReduceKeepMasters(w);
            number.total += r;
            parts.append(reducedText(r, w));
        }
        number.value = ReducePlain(number.total);
        number.line =
            QLatin1Char('=') + parts.join(QLatin1Char('+')) + QLatin1Char('=') + numberText(number.total);
        if (number.value != number.total)
            number.line += QLatin1Char('=') + numberText(number.value);
        return number;
    };
    const PetNumber pet = petNumber(WordSums(upper));
    const PetNumber vowels = petNumber(WordSoundSums(upper, true, QVector<int>(), 0));
    const PetNumber consonants = petNumber(WordSoundSums(upper, false, QVector<int>(), 0));

    m_res.expression = pet.value;
    m_res.compoundNumber = pet.total;
    m_res.expressionText = reducedText(pet.value, pet.total);
    m_res.birthdayText = numberText(birthdayCode);
    m_res.expressionLine = pet.line;
    m_res.heartsDesireLine = vowels.line;
    m_res.personalityLine = consonants.line;
    calcDigitRows(upper, QVector<int>(), 0, m_res.fullVowelRow, m_res.fullConsonantRow);

    if (pet.value == 0) {
        messageReporter().critical(QString(), QStringLiteral("Error! Incorrect pet name!"));
        return false;
    }

    const int dayCode = ReducePlain(pet.value + birthdayCode + forecastCode);
    m_res.personalYearText = numberText(dayCode);
    m_res.fullName = upper;
    m_res.birthDate = birthDate;
    m_res.forecastDate = forecastDate;
    m_res.forecastYear = forecastDate.year();

    setSummaryText(QLatin1String("Pet number ") + m_res.expressionText + LINE_END +
                   QLatin1String("Pet Birthday Code ") + m_res.birthdayText + LINE_END +
                   QLatin1String("Forecast Day Code ") + m_res.personalYearText + LINE_END);
    buildPetReport(textStore(), dayCode);
    return true;
}
