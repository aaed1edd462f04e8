// The core numbers: Life Path and Birthday from the birth date; Expression,
// Heart's Desire, Personality, their minor forms, lessons, passions, digit
// rows and planes from the names; Maturity, Rational Thought, bridges,
// Balance and Karmic Debts from the others.

#include "cnumerology.h"
#include "numbertext.h"

#include <algorithm>
#include <cstdlib>

namespace {

QString joinNumbers(const QList<int> &numbers, const QString &whenEmpty)
{
    if (numbers.isEmpty())
        return whenEmpty;
    QStringList parts;
    for (const int n : numbers)
        parts.append(numberText(n));
    return parts.join(QLatin1String(", "));
}

int sumOfYearDigits(int year)
{
    return year / 1000 % 10 + year / 100 % 10 + year / 10 % 10 + year % 10;
}

} // namespace

void CNumerology::calcBirthDateNumbers()
{
    const QDate birth = m_res.birthDate;
    const int day = birth.day();
    const int month = birth.month();
    const int year = birth.year();

    // The reduced parts of the date, each counted.
    const int rD = ReduceKeepMasters(day);
    const int rM = ReduceKeepMasters(month);
    const int rY = ReduceKeepMasters(year);
    m_values.birthDayReduced = rD;
    m_values.birthMonthReduced = rM;
    m_values.birthYearReduced = rY;

    // The enabled Life Path methods run in the order 3, 2, 1, each from clean
    // counters; method 1 runs whenever no other method is chosen.
    const CalcOptions &opt = calcOptions();
    const bool runMethod1 = opt.lifePathMethod1 || (!opt.lifePathMethod2 && !opt.lifePathMethod3);
    int totals[4] = {};  // index = method
    int results[4] = {};
    if (opt.lifePathMethod3) {
        resetKeepingDates();
        totals[3] = day / 10 + day % 10 + month / 10 + month % 10 + sumOfYearDigits(year);
        results[3] = ReduceKeepMasters(totals[3]);
    }
    if (opt.lifePathMethod2) {
        resetKeepingDates();
        totals[2] = day + month + year;
        results[2] = ReduceKeepMasters(totals[2]);
    }
    if (runMethod1) {
        resetKeepingDates();
        totals[1] = rY + rM + rD;
        results[1] = ReduceKeepMasters(totals[1]);
    }

    // The first method with a result gives the Life Path; a master number
    // from any method is preferred, and its chain is counted afresh.
    int lifePath = 0;
    int total = 0;
    for (int method = 1; method <= 3 && lifePath == 0; ++method) {
        lifePath = results[method];
        total = totals[method];
    }
    for (int method = 1; method <= 3; ++method) {
        if (IsMaster(results[method], m_res.masterMode) && !IsMaster(lifePath, m_res.masterMode)) {
            lifePath = results[method];
            total = totals[method];
            resetKeepingDates();
            ReduceKeepMasters(day);
            ReduceKeepMasters(month);
            ReduceKeepMasters(year);
            ReduceKeepMasters(total);
        }
    }
    m_res.lifePath = lifePath;

    // Life Path text: the method 1 sum when it gave the total, then the
    // reduction with its last two-digit step.
    QString text;
    if (total == totals[1]) {
        const int daySum = day / 10 + day % 10;
        const int yearSum = sumOfYearDigits(year);
        text = numberText(rD);
        if (daySum > 9)
            text += QLatin1Char('/') + numberText(daySum);
        text += QLatin1Char('+') + numberText(rM) + QLatin1Char('+') + numberText(rY);
        if (yearSum > 9)
            text += QLatin1Char('/') + numberText(yearSum);
        text += QLatin1Char('=') + numberText(total);
    } else {
        text = numberText(total);
    }
    if (lifePath != total) {
        text += QLatin1Char('=') + numberText(lifePath);
        const int last = IsFinal(total) ? total : DigitSumStep(total);
        if (last > 9 && last != lifePath)
            text += QLatin1Char('/') + numberText(last);
    }
    m_res.lifePathText = text;

    m_res.birthdayText = numberText(day);
    if (rD != day)
        m_res.birthdayText += QLatin1String(" (") + numberText(rD) + QLatin1Char(')');

    // The day's chain is counted once more: a birth day of 13 or 19 always
    // marks its karmic debt.
    ReduceKeepMasters(day);
}

CNumerology::NameNumber CNumerology::nameNumber(const QList<int> &wordSums)
{
    NameNumber number;
    const int total = NameTotal(wordSums);
    number.total = total;
    number.value = ReduceKeepMasters(total);
    ReduceKeepMastersInto(total, m_values.karmicDebtCounters);
    number.text = reducedText(number.value, total);

    QStringList words;
    for (const int sum : wordSums)
        words.append(reducedText(ReduceToFinal(sum), sum));
    number.line = QLatin1Char('=') + words.join(QLatin1Char('+')) + QLatin1Char('=')
        + numberText(total);
    if (number.value != total)
        number.line += QLatin1Char('=') + numberText(number.value);
    return number;
}

void CNumerology::calcFullNameNumbers(const QString &name, const QVector<int> &marks, int vowelMode)
{
    const QList<int> wordSums = WordSums(name);
    const NameNumber expression = nameNumber(wordSums);
    m_res.expression = expression.value;
    m_res.expressionText = expression.text;
    m_res.expressionLine = expression.line;
    m_res.compoundNumber = expression.total;

    calcLetterValueCounts(name);

    const NameNumber heart = nameNumber(WordSoundSums(name, true, marks, vowelMode));
    m_values.heartsDesire = heart.value;
    m_res.heartsDesireText = heart.text;
    m_res.heartsDesireLine = heart.line;

    const NameNumber personality = nameNumber(WordSoundSums(name, false, marks, vowelMode));
    m_values.personality = personality.value;
    m_res.personalityText = personality.text;
    m_res.personalityLine = personality.line;

    calcDigitRows(name, marks, vowelMode, m_res.fullVowelRow, m_res.fullConsonantRow);
    calcPlanes(name);
}

void CNumerology::calcShortNameNumbers(const QString &name, const QVector<int> &marks, int vowelMode)
{
    const NameNumber expression = nameNumber(WordSums(name));
    m_values.minorExpression = expression.value;
    m_res.minorExpressionText = expression.text;
    m_res.minorExpressionLine = expression.line;

    const NameNumber heart = nameNumber(WordSoundSums(name, true, marks, vowelMode));
    m_values.minorHeartsDesire = heart.value;
    m_res.minorHeartsDesireText = heart.text;
    m_res.minorHeartsDesireLine = heart.line;

    const NameNumber personality = nameNumber(WordSoundSums(name, false, marks, vowelMode));
    m_values.minorPersonality = personality.value;
    m_res.minorPersonalityText = personality.text;
    m_res.minorPersonalityLine = personality.line;

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
    m_res.karmicLessonsText = joinNumbers(m_values.karmicLessons, QStringLiteral("-"));
    m_res.hiddenPassionText = joinNumbers(m_values.hiddenPassions, QString());
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
    const QString &name = m_res.fullName;
    const int lifePath = m_res.lifePath;
    const int expression = m_res.expression;

    m_values.maturity = ReduceKeepMasters(lifePath + expression);
    m_res.maturityText = reducedText(m_values.maturity, lifePath + expression);

    const int firstWord = WordSums(name).value(0);
    const int thought = m_values.birthDayReduced + firstWord;
    m_values.rationalThought = ReducePlain(thought);
    m_res.rationalThoughtText = reducedText(m_values.rationalThought, thought);

    // Bridges: how far apart two numbers' digits stand; the pair code names
    // the combination, larger digit first.
    const auto bridge = [](int a, int b, int &distance, int &pair) {
        const int x = ReducePlain(a);
        const int y = ReducePlain(b);
        distance = std::abs(x - y);
        pair = 10 * std::max(x, y) + std::min(x, y);
    };
    bridge(lifePath, expression, m_values.lifePathExpressionBridge, m_values.lifePathExpressionPair);
    bridge(m_values.heartsDesire, m_values.personality, m_values.heartsDesirePersonalityBridge,
           m_values.heartsDesirePersonalityPair);
    m_res.lifePathExpressionBridgeText = numberText(m_values.lifePathExpressionBridge);
    m_res.heartsDesirePersonalityBridgeText = numberText(m_values.heartsDesirePersonalityBridge);

    // Balance: the initials of the full name.
    int initials = 0;
    for (const QString &word : name.split(QLatin1Char(' ')))
        if (!word.isEmpty())
            initials += ReducePlain(LetterValue(word.at(0)));
    m_values.balance = ReducePlain(initials);
    m_res.balanceText = reducedText(m_values.balance, initials);

    QStringList debts;
    for (const int debt : {13, 14, 16, 19})
        if (m_values.karmicDebtCounters[debt] > 0)
            debts.append(numberText(debt));
    m_res.karmicDebtsText = debts.isEmpty() ? QStringLiteral("-") : debts.join(QLatin1String(", "));
}
