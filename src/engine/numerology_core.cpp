// The core numbers: Life Path and Birthday from the birth date; Expression,
// Heart's Desire, Personality, their minor forms, lessons, passions, digit
// rows and planes from the names; Maturity, Rational Thought, bridges,
// Balance and Karmic Debts from the others.

#include "cnumerology.h"
#include "numbertext.h"
#include "textbuilder.h"
#include "uppercase.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cstdlib>

namespace {

// Writes the numbers joined by ", ", or whenEmpty for none.
void writeJoined(QString &target, const QList<int> &numbers, QLatin1String whenEmpty)
{
    TextBuilder text;
    if (numbers.isEmpty())
        text.add(whenEmpty);
    for (int i = 0; i < numbers.size(); ++i) {
        if (i > 0)
            text.add(QLatin1String(", "));
        text.number(numbers.at(i));
    }
    text.writeTo(target);
}

// Writes "n", or "n/t" when the unreduced value t differs from n.
void writeReduced(QString &target, int n, int t)
{
    TextBuilder().reduced(n, t).writeTo(target);
}

int sumOfYearDigits(int year)
{
    return year / 1000 % 10 + year / 100 % 10 + year / 10 % 10 + year % 10;
}

} // namespace

// The enabled Life Path methods run in the order 3, 2, 1; method 1 runs
// whenever no other method is chosen. The first method with a result gives
// the Life Path; a master number from any method is preferred.
CNumerology::ReducedDate CNumerology::reduceDate(const QDate &birth) const
{
    ReducedDate reduced;
    reduced.day = reduceQuietly(birth.day());
    reduced.month = reduceQuietly(birth.month());
    reduced.year = reduceQuietly(birth.year());
    return reduced;
}

CNumerology::LifePathChoice CNumerology::chooseLifePath(const QDate &birth, const ReducedDate &reduced) const
{
    const int day = birth.day();
    const int month = birth.month();
    const int year = birth.year();

    const CalcOptions &opt = calcOptions();
    LifePathChoice choice;
    choice.ran[3] = opt.lifePathMethod3;
    choice.ran[2] = opt.lifePathMethod2;
    choice.ran[1] = opt.lifePathMethod1 || (!opt.lifePathMethod2 && !opt.lifePathMethod3);
    if (choice.ran[3])
        choice.totals[3] = day / 10 + day % 10 + month / 10 + month % 10 + sumOfYearDigits(year);
    if (choice.ran[2])
        choice.totals[2] = day + month + year;
    if (choice.ran[1])
        choice.totals[1] = reduced.year + reduced.month + reduced.day;
    for (int method = 1; method <= 3; ++method)
        if (choice.ran[method])
            choice.results[method] = reduceQuietly(choice.totals[method]);

    for (int method = 1; method <= 3 && choice.lifePath == 0; ++method) {
        choice.lifePath = choice.results[method];
        choice.total = choice.totals[method];
    }
    for (int method = 1; method <= 3; ++method) {
        if (IsMaster(choice.results[method], m_res.masterMode) &&
            !IsMaster(choice.lifePath, m_res.masterMode)) {
            choice.lifePath = choice.results[method];
            choice.total = choice.totals[method];
            choice.masterPreferred = true;
        }
    }
    return choice;
}

void CNumerology::calcBirthDateNumbers()
{
    const QDate birth = m_res.birthDate;
    const int day = birth.day();
    const int month = birth.month();
    const int year = birth.year();

    // The reduced parts of the date.
    const ReducedDate reduced = reduceDate(birth);
    const int rD = reduced.day;
    const int rM = reduced.month;
    const int rY = reduced.year;
    m_values.birthDayReduced = rD;
    m_values.birthMonthReduced = rM;
    m_values.birthYearReduced = rY;

    // Each method reduces from clean counters, so the counters keep the
    // chain of the last method that ran (3, then 2, then 1); a preferred
    // master number has its chain counted afresh after the date's parts.
    const LifePathChoice choice = chooseLifePath(birth, reduced);
    std::fill(std::begin(m_res.numberCounters), std::end(m_res.numberCounters), 0);
    if (choice.masterPreferred) {
        ReduceKeepMasters(day);
        ReduceKeepMasters(month);
        ReduceKeepMasters(year);
        ReduceKeepMasters(choice.total);
    } else {
        const int lastMethod = choice.ran[1] ? 1 : choice.ran[2] ? 2 : 3;
        ReduceKeepMasters(choice.totals[lastMethod]);
    }
    const int lifePath = choice.lifePath;
    const int total = choice.total;
    m_res.lifePath = lifePath;

    // Life Path text: the method 1 sum when it gave the total, then the
    // reduction with its last two-digit step.
    TextBuilder text;
    if (total == choice.totals[1]) {
        const int daySum = day / 10 + day % 10;
        const int yearSum = sumOfYearDigits(year);
        text.number(rD);
        if (daySum > 9)
            text.add(QLatin1Char('/')).number(daySum);
        text.add(QLatin1Char('+')).number(rM).add(QLatin1Char('+')).number(rY);
        if (yearSum > 9)
            text.add(QLatin1Char('/')).number(yearSum);
        text.add(QLatin1Char('='));
    }
    text.number(total);
    if (lifePath != total) {
        text.add(QLatin1Char('=')).number(lifePath);
        const int last = IsFinal(total) ? total : DigitSumStep(total);
        if (last > 9 && last != lifePath)
            text.add(QLatin1Char('/')).number(last);
    }
    text.writeTo(m_res.lifePathText);

    TextBuilder birthday;
    birthday.number(day);
    if (rD != day)
        birthday.add(QLatin1String(" (")).number(rD).add(QLatin1Char(')'));
    birthday.writeTo(m_res.birthdayText);

    // The day's chain is counted once more: a birth day of 13 or 19 always
    // marks its karmic debt.
    ReduceKeepMasters(day);
}

CoreNumbers CNumerology::CalcCoreNumbers(const PersonRecord &person)
{
    // The chart reads the upper-cased name; a name of ASCII characters is
    // upper-cased character by character on the stack.
    QVarLengthArray<QChar, 64> upperBuffer;
    QString upperString;
    QStringView name;
    if (isAscii(person.fullName)) {
        upperBuffer.resize(person.fullName.size());
        std::transform(person.fullName.begin(), person.fullName.end(), upperBuffer.begin(),
                       [](QChar c) { return c.toUpper(); });
        name = QStringView(upperBuffer.constData(), upperBuffer.size());
    } else {
        upperString = person.fullName.toUpper();
        name = upperString;
    }

    // The letter table is the person's for this calculation only.
    const bool previousTable = m_res.chaldean;
    m_res.chaldean = person.chaldean;
    CoreNumbers numbers;
    numbers.lifePath = chooseLifePath(person.birthDate, reduceDate(person.birthDate)).lifePath;
    numbers.expression = reduceQuietly(quietNameTotal(wordSumsOf(name)));
    numbers.heartsDesire =
        reduceQuietly(quietNameTotal(wordSoundSumsOf(name, true, person.fullMarks, person.vowelMode)));
    numbers.personality =
        reduceQuietly(quietNameTotal(wordSoundSumsOf(name, false, person.fullMarks, person.vowelMode)));
    m_res.chaldean = previousTable;
    return numbers;
}

BridgeValue CNumerology::Bridge(int a, int b)
{
    // The pair code names the combination, larger digit first.
    const int x = ReducePlain(a);
    const int y = ReducePlain(b);
    return {std::abs(x - y), 10 * std::max(x, y) + std::min(x, y)};
}

WordNumberSums CNumerology::WordNumbers(QStringView word, int vowelMode) const
{
    // One word's three sums in one walk: every character counts for the
    // Expression, and for the vowels or the consonants as the vowel test
    // within the word says (no marks).
    WordNumberSums sums;
    for (int k = 0; k < word.size(); ++k) {
        const int value = LetterValue(word.at(k));
        sums.all += value;
        const int sound = VowelTest(word, k, vowelMode);
        if (sound > 0)
            sums.vowels += value;
        else if (sound < 0)
            sums.consonants += value;
    }
    return sums;
}

NameNumbers CNumerology::NameNumbersOf(const WordNumberSums *words, int count) const
{
    WordValues all, vowels, consonants;
    for (int i = 0; i < count; ++i) {
        all.append(words[i].all);
        vowels.append(words[i].vowels);
        consonants.append(words[i].consonants);
    }
    NameNumbers numbers;
    numbers.expressionTotal = quietNameTotal(all);
    numbers.heartsDesireTotal = quietNameTotal(vowels);
    numbers.personalityTotal = quietNameTotal(consonants);
    numbers.expression = reduceQuietly(numbers.expressionTotal);
    numbers.heartsDesire = reduceQuietly(numbers.heartsDesireTotal);
    numbers.personality = reduceQuietly(numbers.personalityTotal);
    numbers.karmicDebt = MeetsKarmicDebt(numbers.expressionTotal) || MeetsKarmicDebt(numbers.heartsDesireTotal) ||
                         MeetsKarmicDebt(numbers.personalityTotal);
    return numbers;
}

QString CNumerology::NameNumberLine(const QList<int> &wordSums)
{
    WordValues sums;
    for (const int sum : wordSums)
        sums.append(sum);
    QString text, line;
    writeNameNumber(sums, text, line);
    return line;
}

int CNumerology::writeNameNumber(const WordValues &wordSums, QString &text, QString &line, int *total)
{
    const int sum = countedNameTotal(wordSums);
    const int value = ReduceKeepMasters(sum);
    ReduceKeepMastersInto(sum, m_values.karmicDebtCounters);
    if (total)
        *total = sum;
    writeReduced(text, value, sum);

    TextBuilder words;
    words.add(QLatin1Char('='));
    for (int i = 0; i < wordSums.size(); ++i) {
        if (i > 0)
            words.add(QLatin1Char('+'));
        words.reduced(ReduceToFinal(wordSums.at(i)), wordSums.at(i));
    }
    words.add(QLatin1Char('=')).number(sum);
    if (value != sum)
        words.add(QLatin1Char('=')).number(value);
    words.writeTo(line);
    return value;
}

void CNumerology::calcFullNameNumbers(const QString &name, const QVector<int> &marks, int vowelMode)
{
    m_res.expression =
        writeNameNumber(wordSumsOf(name), m_res.expressionText, m_res.expressionLine, &m_res.compoundNumber);

    calcLetterValueCounts(name);

    m_values.heartsDesire = writeNameNumber(wordSoundSumsOf(name, true, marks, vowelMode),
                                            m_res.heartsDesireText, m_res.heartsDesireLine);
    m_values.personality = writeNameNumber(wordSoundSumsOf(name, false, marks, vowelMode),
                                           m_res.personalityText, m_res.personalityLine);

    calcDigitRows(name, marks, vowelMode, m_res.fullVowelRow, m_res.fullConsonantRow);
    calcPlanes(name);
}

void CNumerology::calcShortNameNumbers(const QString &name, const QVector<int> &marks, int vowelMode)
{
    m_values.minorExpression =
        writeNameNumber(wordSumsOf(name), m_res.minorExpressionText, m_res.minorExpressionLine);
    m_values.minorHeartsDesire = writeNameNumber(wordSoundSumsOf(name, true, marks, vowelMode),
                                                 m_res.minorHeartsDesireText, m_res.minorHeartsDesireLine);
    m_values.minorPersonality = writeNameNumber(wordSoundSumsOf(name, false, marks, vowelMode),
                                                m_res.minorPersonalityText, m_res.minorPersonalityLine);

    calcDigitRows(name, marks, vowelMode, m_res.shortVowelRow, m_res.shortConsonantRow);
}

void CNumerology::calcLetterValueCounts(const QString &name)
{
    int counts[10] = {};
    for (const QChar c : name)
        ++counts[ReducePlain(LetterValue(c))];

    const int largest = *std::max_element(counts + 1, counts + 10);
    m_values.karmicLessons.clear();
    m_values.hiddenPassions.clear();
    m_values.subconsciousConfidence = 0;
    for (int value = 1; value <= 9; ++value) {
        if (counts[value] == 0)
            m_values.karmicLessons.append(value);
        else
            ++m_values.subconsciousConfidence;
        if (counts[value] == largest)
            m_values.hiddenPassions.append(value);
    }
    writeJoined(m_res.karmicLessonsText, m_values.karmicLessons, QLatin1String("-"));
    writeJoined(m_res.hiddenPassionText, m_values.hiddenPassions, QLatin1String());
    m_res.subconsciousConfidenceText = numberText(m_values.subconsciousConfidence);
}

void CNumerology::calcDigitRows(const QString &name, const QVector<int> &marks, int vowelMode,
                                QString &vowelRow, QString &consonantRow) const
{
    vowelRow.fill(QLatin1Char(' '), name.size());
    consonantRow.fill(QLatin1Char(' '), name.size());
    for (int p = 0; p < name.size(); ++p) {
        const int mark = p < marks.size() ? marks.at(p) : 0;
        const int sound = mark == 1 ? 1 : mark == 2 ? -1 : VowelTest(name, p, vowelMode);
        if (sound == 0)
            continue;
        const QChar digit(QLatin1Char(char('0' + ReducePlain(LetterValue(name.at(p))))));
        (sound == 1 ? vowelRow : consonantRow)[p] = digit;
    }
}

void CNumerology::calcDerivedNumbers()
{
    const WordViews words = wordsOf(m_res.fullName);
    const int lifePath = m_res.lifePath;
    const int expression = m_res.expression;

    m_values.maturity = ReduceKeepMasters(lifePath + expression);
    writeReduced(m_res.maturityText, m_values.maturity, lifePath + expression);

    const int thought = m_values.birthDayReduced + WordSum(words.first());
    m_values.rationalThought = ReducePlain(thought);
    writeReduced(m_res.rationalThoughtText, m_values.rationalThought, thought);

    // Bridges: how far apart two numbers' digits stand.
    const BridgeValue lpEx = Bridge(lifePath, expression);
    m_values.lifePathExpressionBridge = lpEx.distance;
    m_values.lifePathExpressionPair = lpEx.pair;
    const BridgeValue hdP = Bridge(m_values.heartsDesire, m_values.personality);
    m_values.heartsDesirePersonalityBridge = hdP.distance;
    m_values.heartsDesirePersonalityPair = hdP.pair;
    m_res.lifePathExpressionBridgeText = numberText(m_values.lifePathExpressionBridge);
    m_res.heartsDesirePersonalityBridgeText = numberText(m_values.heartsDesirePersonalityBridge);

    // Balance: the initials of the full name.
    int initials = 0;
    for (const QStringView word : words)
        if (!word.isEmpty())
            initials += ReducePlain(LetterValue(word.at(0)));
    m_values.balance = ReducePlain(initials);
    writeReduced(m_res.balanceText, m_values.balance, initials);

    TextBuilder debts;
    for (const int debt : KARMIC_DEBT_NUMBERS) {
        if (m_values.karmicDebtCounters[debt] > 0) {
            if (!debts.isEmpty())
                debts.add(QLatin1String(", "));
            debts.number(debt);
        }
    }
    if (debts.isEmpty())
        debts.add(QLatin1Char('-'));
    debts.writeTo(m_res.karmicDebtsText);
}
