// Forecast numbers for any date, the transit letters of each year of life and
// the essence that sums them.

#include "cnumerology.h"
#include "personalnumbers.h"

namespace {

const int AGES = 128; // the transit and essence tables cover ages 0 to 127

// Keeps the letters of a transit part, upper-cased; digits drop out.
QString lettersOnly(const QString &part)
{
    QString letters;
    for (const QChar c : part.toUpper())
        if (c.isLetter())
            letters.append(c);
    return letters;
}

} // namespace

int CNumerology::PersonalYear(int year) const
{
    return PersonalNumbers(m_res.birthDayMonthDigit).year(year);
}

int CNumerology::PersonalMonth(int year, int month) const
{
    return PersonalNumbers(m_res.birthDayMonthDigit).month(year, month);
}

int CNumerology::PersonalDay(const QDate &date) const
{
    return PersonalNumbers(m_res.birthDayMonthDigit).day(date);
}

int CNumerology::AgeAt(const QDate &birthDate, const QDate &date)
{
    int age = date.year() - birthDate.year() - 1;
    if (birthDate.month() < date.month()
        || (birthDate.month() == date.month() && date.day() >= birthDate.day()))
        ++age;
    return age;
}

// Each letter of the part rules as many years as it is worth, the part
// repeating until every age has a letter. A part with no letter of any
// value (only possible with uncleaned input) yields no transits at all.
QString CNumerology::transitLetters(const QString &part) const
{
    if (WordSum(part) <= 0)
        return QString(AGES, QLatin1Char(' '));
    QString letters(AGES, QLatin1Char(' '));
    QChar *out = letters.data();
    int age = 0;
    for (int i = 0; age < AGES; i = (i + 1) % part.size())
        for (int years = LetterValue(part.at(i)); years > 0 && age < AGES; --years)
            out[age++] = part.at(i);
    return letters;
}

void CNumerology::calcTransitsAndEssence()
{
    // The first word rules the physical level, the last word the spiritual,
    // the words between them the mental.
    const QStringList words = m_res.fullName.split(QLatin1Char(' '));
    QString physical = words.first();
    QString spiritual = words.last();
    QString mental = words.mid(1, words.size() - 2).join(QString());
    if (words.size() <= 2) {
        if (calcOptions().noSubstituteTransits) {
            mental.clear();
            if (words.size() == 1)
                spiritual.clear();
        } else {
            mental = words.last();
        }
    }
    physical = lettersOnly(physical);
    mental = lettersOnly(mental);
    spiritual = lettersOnly(spiritual);
    // Letters worth nothing cannot rule a year; a part of only those is empty.
    if (WordSum(physical) <= 0)
        physical = QStringLiteral("X");
    if (WordSum(mental) <= 0)
        mental.clear();
    if (WordSum(spiritual) <= 0)
        spiritual.clear();

    m_res.physicalTransits = transitLetters(physical);
    m_res.mentalTransits = transitLetters(mental);
    m_res.spiritualTransits = transitLetters(spiritual);

    // Essence: the three letters' values; karmic 16 and 19 stay unreduced.
    for (int age = 0; age < AGES; ++age) {
        int total = LetterValue(m_res.physicalTransits.at(age));
        if (!mental.isEmpty())
            total += LetterValue(m_res.mentalTransits.at(age));
        if (!spiritual.isEmpty())
            total += LetterValue(m_res.spiritualTransits.at(age));
        m_res.essenceTotals[age] = total;
        m_res.essenceNumbers[age] = (total == 16 || total == 19) ? total : ReduceKeepMasters(total);
    }
}
