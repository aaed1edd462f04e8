// Forecast numbers for any date, the transit letters of each year of life and
// the essence that sums them.

#include "cnumerology.h"
#include "personalnumbers.h"
#include "textbuilder.h"
#include "uppercase.h"

namespace {

const int AGES = 128; // the transit and essence tables cover ages 0 to 127

// An essence adds three transit letters, each worth at most 22 (V kept as
// a master number).
const int MAX_ESSENCE_TOTAL = 3 * 22;

// Adds the letters of a transit part, upper-cased; digits drop out. The
// words of a part are added in turn.
void addLetters(TextBuilder &letters, QStringView part)
{
    if (!isAscii(part)) {
        for (const QChar c : part.toString().toUpper())
            if (c.isLetter())
                letters.add(c);
        return;
    }
    for (const QChar c : part) {
        const ushort u = c.unicode();
        if (u >= 'a' && u <= 'z')
            letters.add(QChar(ushort(u - 'a' + 'A')));
        else if (u >= 'A' && u <= 'Z')
            letters.add(c);
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
    for (int i = 0; i < part.size() && age < AGES; ++i)
        for (int years = LetterValue(part.at(i)); years > 0 && age < AGES; --years)
            out[age++] = part.at(i);
    // The rest repeats the part's first round.
    const int round = age;
    for (; age < AGES; ++age)
        out[age] = out[age - round];
}

void CNumerology::calcTransitsAndEssence()
{
    // The first word rules the physical level, the last word the spiritual,
    // the words between them the mental; with two words or fewer the last
    // word rules the mental level too, unless substitutes are switched off.
    const WordViews words = wordsOf(m_res.fullName);
    TextBuilder physical;
    TextBuilder mental;
    TextBuilder spiritual;
    addLetters(physical, words.first());
    addLetters(spiritual, words.last());
    if (words.size() > 2) {
        for (int i = 1; i < words.size() - 1; ++i)
            addLetters(mental, words.at(i));
    } else if (!calcOptions().noSubstituteTransits) {
        addLetters(mental, words.last());
    } else if (words.size() == 1) {
        spiritual.clear();
    }
    // Letters worth nothing cannot rule a year; a part of only those is empty.
    if (WordSum(physical.view()) <= 0) {
        physical.clear();
        physical.add(QLatin1Char('X'));
    }
    if (WordSum(mental.view()) <= 0)
        mental.clear();
    if (WordSum(spiritual.view()) <= 0)
        spiritual.clear();

    writeTransitLetters(physical.view(), m_res.physicalTransits);
    writeTransitLetters(mental.view(), m_res.mentalTransits);
    writeTransitLetters(spiritual.view(), m_res.spiritualTransits);

    // Essence: the three letters' values; karmic 16 and 19 stay unreduced.
    const QChar *physicalAt = m_res.physicalTransits.constData();
    const QChar *mentalAt = m_res.mentalTransits.constData();
    const QChar *spiritualAt = m_res.spiritualTransits.constData();
    int occurrences[MAX_ESSENCE_TOTAL + 1] = {};
    for (int age = 0; age < AGES; ++age) {
        int total = LetterValue(physicalAt[age]);
        if (!mental.isEmpty())
            total += LetterValue(mentalAt[age]);
        if (!spiritual.isEmpty())
            total += LetterValue(spiritualAt[age]);
        Q_ASSERT(total <= MAX_ESSENCE_TOTAL);
        m_res.essenceTotals[age] = total;
        if (total != 16 && total != 19)
            ++occurrences[total];
    }
    // The ages share a few totals: each is reduced once, its chain counted
    // as often as the total occurs.
    int reduced[MAX_ESSENCE_TOTAL + 1] = {};
    for (int total = 0; total <= MAX_ESSENCE_TOTAL; ++total)
        if (occurrences[total] > 0)
            reduced[total] = reduceKeepMastersTimes(total, occurrences[total]);
    for (int age = 0; age < AGES; ++age) {
        const int total = m_res.essenceTotals[age];
        m_res.essenceNumbers[age] = (total == 16 || total == 19) ? total : reduced[total];
    }
}
