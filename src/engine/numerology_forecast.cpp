// Forecast numbers for any date, the transit letters of each year of life and
// the essence that sums them.

#include "cnumerology.h"
#include "personalnumbers.h"
#include "uppercase.h"

namespace {

const int AGES = 128; // the transit and essence tables cover ages 0 to 127

// Writes the letters of a transit part over letters, upper-cased; digits
// drop out. The words of the part are appended in turn.
void appendLetters(QString &letters, QStringView part)
{
    if (!isAscii(part)) {
        for (const QChar c : part.toString().toUpper())
            if (c.isLetter())
                letters.append(c);
        return;
    }
    for (const QChar c : part) {
        const ushort u = c.unicode();
        if (u >= 'a' && u <= 'z')
            letters.append(QChar(ushort(u - 'a' + 'A')));
        else if (u >= 'A' && u <= 'Z')
            letters.append(c);
    }
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
void CNumerology::writeTransitLetters(QStringView part, QString &letters) const
{
    letters.fill(QLatin1Char(' '), AGES);
    if (WordSum(part) <= 0)
        return;
    QChar *out = letters.data();
    int age = 0;
    for (int i = 0; age < AGES; i = (i + 1) % part.size())
        for (int years = LetterValue(part.at(i)); years > 0 && age < AGES; --years)
            out[age++] = part.at(i);
}

void CNumerology::calcTransitsAndEssence()
{
    // The first word rules the physical level, the last word the spiritual,
    // the words between them the mental; with two words or fewer the last
    // word rules the mental level too, unless substitutes are switched off.
    const WordViews words = wordsOf(m_res.fullName);
    QString &physical = m_physicalLetters;
    QString &mental = m_mentalLetters;
    QString &spiritual = m_spiritualLetters;
    physical.truncate(0);
    mental.truncate(0);
    spiritual.truncate(0);
    appendLetters(physical, words.first());
    appendLetters(spiritual, words.last());
    if (words.size() > 2) {
        for (int i = 1; i < words.size() - 1; ++i)
            appendLetters(mental, words.at(i));
    } else if (!calcOptions().noSubstituteTransits) {
        appendLetters(mental, words.last());
    } else if (words.size() == 1) {
        spiritual.truncate(0);
    }
    // Letters worth nothing cannot rule a year; a part of only those is empty.
    if (WordSum(physical) <= 0) {
        physical.truncate(0);
        physical.append(QLatin1Char('X'));
    }
    if (WordSum(mental) <= 0)
        mental.truncate(0);
    if (WordSum(spiritual) <= 0)
        spiritual.truncate(0);

    writeTransitLetters(physical, m_res.physicalTransits);
    writeTransitLetters(mental, m_res.mentalTransits);
    writeTransitLetters(spiritual, m_res.spiritualTransits);

    // Essence: the three letters' values; karmic 16 and 19 stay unreduced.
    const QChar *physicalAt = m_res.physicalTransits.constData();
    const QChar *mentalAt = m_res.mentalTransits.constData();
    const QChar *spiritualAt = m_res.spiritualTransits.constData();
    for (int age = 0; age < AGES; ++age) {
        int total = LetterValue(physicalAt[age]);
        if (!mental.isEmpty())
            total += LetterValue(mentalAt[age]);
        if (!spiritual.isEmpty())
            total += LetterValue(spiritualAt[age]);
        m_res.essenceTotals[age] = total;
        m_res.essenceNumbers[age] = (total == 16 || total == 19) ? total : ReduceKeepMasters(total);
    }
}
