// Letter values, the vowel test, word sums and the reductions. Every number
// the engine produces starts here.

#include "cnumerology.h"
#include "numbertext.h"

#include <iterator>

namespace {

bool isKarmicDebt(int n)
{
    for (const int debt : KARMIC_DEBT_NUMBERS)
        if (n == debt)
            return true;
    return false;
}

bool isLatinLetter(QChar c)
{
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
}

bool isOneOf(QChar c, const char *letters)
{
    for (const char *p = letters; *p; ++p)
        if (c == QLatin1Char(*p))
            return true;
    return false;
}

// The upper-cased character at pos, or a null character outside the text.
QChar upperAt(QStringView text, int pos)
{
    return (pos >= 0 && pos < text.size()) ? text.at(pos).toUpper() : QChar();
}

const char VOWELS[] = "AEIOU";
const int VOWEL = 1;
const int CONSONANT = -1;

// W in the English mode: a consonant that opens a word or stands before a
// vowel sound (A, E, I, O, U, Y, H); a vowel that closes a word or follows a
// vowel sound into another consonant (ANDREW, NEWMAN).
int englishW(QStringView text, int pos)
{
    if (!isLatinLetter(upperAt(text, pos - 1)))
        return CONSONANT;
    const QChar next = upperAt(text, pos + 1);
    if (!isLatinLetter(next))
        return VOWEL;
    return isOneOf(next, "AEIOUYH") ? CONSONANT : VOWEL;
}

// Y in the English mode: a vowel unless it sits beside a vowel (MARY, RAY,
// WAYNE, YVES, YOLANDA).
int englishY(QStringView text, int pos)
{
    const QChar prev = upperAt(text, pos - 1);
    const QChar next = upperAt(text, pos + 1);
    if (!isLatinLetter(next)) {
        if (pos == 0)
            return VOWEL;
        return isOneOf(prev, VOWELS) ? CONSONANT : VOWEL;
    }
    if (isLatinLetter(prev))
        return isOneOf(prev, "AEIOUY") ? CONSONANT : VOWEL;
    return isOneOf(next, VOWELS) ? CONSONANT : VOWEL;
}

} // namespace

int CNumerology::WordSum(QStringView text) const
{
    int sum = 0;
    for (const QChar c : text)
        sum += LetterValue(c);
    return sum;
}

int CNumerology::VowelTest(QStringView text, int pos, int vowelMode)
{
    const QChar c = upperAt(text, pos);
    if (!isLatinLetter(c))
        return 0;
    if (vowelMode == 1)
        return isOneOf(c, "AEIOUY") ? VOWEL : CONSONANT;
    if (vowelMode != 0)
        return 0;
    if (c == QLatin1Char('W'))
        return englishW(text, pos);
    if (c == QLatin1Char('Y'))
        return englishY(text, pos);
    return isOneOf(c, VOWELS) ? VOWEL : CONSONANT;
}

CNumerology::WordViews CNumerology::wordsOf(QStringView text)
{
    WordViews words;
    int start = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char(' ')) {
            words.append(text.mid(start, i - start));
            start = i + 1;
        }
    }
    words.append(text.mid(start));
    return words;
}

CNumerology::WordValues CNumerology::wordSumsOf(QStringView text) const
{
    WordValues sums;
    for (const QStringView word : wordsOf(text))
        sums.append(WordSum(word));
    return sums;
}

// The letters of each word that sound as wanted, by their marks where the
// letters are marked and by the vowel test within the word elsewhere.
CNumerology::WordValues CNumerology::wordSoundSumsOf(QStringView text, bool vowels, const QVector<int> &marks,
                                                     int vowelMode) const
{
    const int wanted = vowels ? 1 : 2;
    const int refused = vowels ? 2 : 1;
    const int wantedSound = vowels ? VOWEL : CONSONANT;
    WordValues sums;
    int j = 0; // position in the whole text, separators included
    for (const QStringView word : wordsOf(text)) {
        int sum = 0;
        for (int k = 0; k < word.size(); ++k, ++j) {
            const int mark = j < marks.size() ? marks.at(j) : 0;
            if (mark == wanted || (mark != refused && VowelTest(word, k, vowelMode) == wantedSound))
                sum += LetterValue(word.at(k));
        }
        sums.append(sum);
        ++j; // the separating space
    }
    return sums;
}

QList<int> CNumerology::WordSums(const QString &text) const
{
    const WordValues sums = wordSumsOf(text);
    return QList<int>(sums.begin(), sums.end());
}

QList<int> CNumerology::WordSoundSums(const QString &text, bool vowels, const QVector<int> &marks,
                                      int vowelMode) const
{
    const WordValues sums = wordSoundSumsOf(text, vowels, marks, vowelMode);
    return QList<int>(sums.begin(), sums.end());
}

int CNumerology::DigitSumStep(int n)
{
    // Only the last four decimal digits count; C++ division truncates, so a
    // negative n gives negative terms.
    return n / 1000 % 10 + n / 100 % 10 + n / 10 % 10 + n % 10;
}

int CNumerology::ReducePlain(int n)
{
    while (n > 9) {
        n = DigitSumStep(n);
        if (n == 0)
            return 0;
    }
    return n;
}

bool CNumerology::IsFinal(int n) const
{
    if (n >= 0 && n <= 9)
        return true;
    if (m_res.masterMode == 1)
        return n >= 11 && n <= 99 && n % 11 == 0;
    return n == 11 || n == 22 || n == 33;
}

bool CNumerology::IsMaster(int n, int mode)
{
    if (n == 11)
        return true;
    if (mode == 1)
        return n >= 22 && n <= 99 && n % 11 == 0;
    return n == 22 || n == 33;
}

int CNumerology::ReduceKeepMasters(int n)
{
    return reduceKeepMastersTimes(n, 1);
}

int CNumerology::reduceKeepMastersTimes(int n, int times)
{
    // The number counters hold 128 entries and count every number below 128.
    return reduceCounting(n, m_res.numberCounters, int(std::size(m_res.numberCounters)), times);
}

int CNumerology::ReduceKeepMastersInto(int n, int *counters) const
{
    // The given array is counted only below 100.
    return reduceCounting(n, counters, 100);
}

int CNumerology::reduceQuietly(int n) const
{
    return reduceCounting(n, nullptr, 0);
}

// The walk both master-keeping reductions share: step by digit sums until a
// final number, counting every final number and karmic debt met on the way
// that lies below countedBelow. Those are all below 100 in either master
// mode, so the two bounds only keep the counting inside its array. Null
// counters count nothing; each number met counts times.
int CNumerology::reduceCounting(int n, int *counters, int countedBelow, int times) const
{
    if (n < 1 || n > 9999)
        return 0;
    for (;;) {
        const bool isFinal = IsFinal(n);
        if (counters && (isFinal || isKarmicDebt(n)) && n < countedBelow)
            counters[n] += times;
        if (isFinal)
            return n;
        n = DigitSumStep(n);
    }
}

bool CNumerology::MeetsKarmicDebt(int n) const
{
    // Only the numbers below 20 are counted: the debts are among them.
    int counters[20] = {};
    reduceCounting(n, counters, int(std::size(counters)));
    return counters[13] > 0 || counters[14] > 0 || counters[16] > 0 || counters[19] > 0;
}

int CNumerology::ReduceToFinal(int n) const
{
    while (!IsFinal(n)) {
        if (n <= 0)
            return 0;
        n = DigitSumStep(n);
    }
    return n > 0 ? n : 0;
}

int CNumerology::ReduceCompat(int n)
{
    // Masters met on the way fall to their digit sums, so for positive
    // numbers this is the plain reduction.
    return n > 0 ? ReducePlain(n) : 0;
}

namespace {

// A name total: each word's sum reduced by reduce when "Down to digit
// every word" is on, else the plain sum.
template <typename Sums, typename Reduce>
int nameTotalWith(const Sums &wordSums, bool reduceEachWord, Reduce reduce)
{
    int total = 0;
    for (const int sum : wordSums)
        total += reduceEachWord ? reduce(sum) : sum;
    return total;
}

} // namespace

int CNumerology::NameTotal(const QList<int> &wordSums)
{
    return nameTotalWith(wordSums, calcOptions().reduceEachWord,
                         [this](int n) { return ReduceKeepMasters(n); });
}

int CNumerology::countedNameTotal(const WordValues &wordSums)
{
    return nameTotalWith(wordSums, calcOptions().reduceEachWord,
                         [this](int n) { return ReduceKeepMasters(n); });
}

int CNumerology::quietNameTotal(const WordValues &wordSums) const
{
    return nameTotalWith(wordSums, calcOptions().reduceEachWord, [this](int n) { return reduceQuietly(n); });
}

QString CNumerology::reducedText(int n, int t)
{
    return n == t ? numberText(n) : numberText(n) + QLatin1Char('/') + numberText(t);
}
