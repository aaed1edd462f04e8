#pragma once

// The numerology engine.
//
// The one edge from the engine up to the reports: every engine builds its
// own report as the last stage of its calculation. The builders are member
// functions declared in the engine headers and defined in src/reports/
// (numerologyreport.cpp, petreport.cpp, celebritiesreport.cpp,
// advisorreport.cpp, psychomatrixreport.cpp, compatibilityreport.cpp); the
// calls reach them through the linker, so no engine file includes a report
// header, and the reports include the engine as everything else does.
//
// One calculation (CalcNumerology) walks a fixed pipeline:
//
//   person record (names, marks, dates, table, vowel mode)
//     -> letter values and reductions      (numerology_reduce.cpp)
//     -> birth date numbers: Life Path, Birthday, karmic debt copy
//     -> life cycles: challenges, pinnacles, periods   (numerology_cycles.cpp)
//     -> full-name and short-name numbers, digit rows, planes
//                                          (numerology_core.cpp)
//     -> name check, derived numbers (Maturity, bridges, Balance, ...)
//     -> forecast rules, transits, essence (numerology_forecast.cpp,
//                                           personalnumbers.cpp)
//     -> report document                    (reports/numerologyreport.cpp)
//
// The pipeline's frame (stage order, reset, name check) is in cnumerology.cpp.
// Every rule lives in one member function that the rest calls; the
// interpretation of the numbers belongs to the report, not to the engine.

#include "document/creporttools.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>
#include <QVarLengthArray>
#include <QVector>

// The arguments of one calculation.
struct PersonRecord
{
    QString fullName;        // cleaned: A-Z, a-z, 0-9 and single spaces
    QString shortName;       // cleaned the same way, never empty in practice
    QVector<int> fullMarks;  // per character: 0 automatic, 1 vowel, 2 consonant
    QVector<int> shortMarks;
    bool chaldean = false;
    QDate birthDate;
    QDate forecastDate;
    int vowelMode = 0;       // 0 "English", 1 "Universal"
    bool calcOnly = false;   // no name check, no message, no report
};

// The six calculation options. Each engine calculates with the set its owner
// hands it (setCalcOptions); an engine given none uses these defaults.
struct CalcOptions
{
    bool lifePathMethod1 = true;      // "= DIG(DIG(Y) + DIG(M) + DIG(D))"
    bool lifePathMethod2 = false;     // "= DIG(Y +M + D)"
    bool lifePathMethod3 = false;     // "= Sum of all digits"
    bool reduceEachWord = true;       // "Down to digit every word"
    bool reduceMasterLetters = true;  // "Reduce Master Numbers to Digit"
    bool noSubstituteTransits = false; // "Don't generate missed transits"
};

// The intermediate totals that mark a karmic debt, in the order the chart
// and the report list them.
constexpr int KARMIC_DEBT_NUMBERS[4] = {13, 14, 16, 19};

// What the calculation keeps for the panels, the report and the other readings.
struct NumerologyResult
{
    int numberCounters[128] = {};   // how often the counting reduction met each number
    int lifePath = -1;
    int challenges[4] = {};
    int forecastYear = 0;
    int birthDayMonthDigit = 0;
    int planeGroupCounts[12] = {};  // full-name letters per plane group
    int letterCounts[26] = {};      // full-name occurrences of A..Z
    int expression = 0;
    int compoundNumber = 0;         // the full name's total before its reduction
    int essenceTotals[128] = {};
    int essenceNumbers[128] = {};
    bool chaldean = false;
    int masterMode = 0;

    QString fullName;               // upper-cased
    QString shortName;              // upper-cased
    QDate birthDate;
    QDate forecastDate;
    QString physicalTransits;       // one letter per age 0..127
    QString mentalTransits;
    QString spiritualTransits;

    // Display texts.
    QString lifePathText;
    QString birthdayText;
    QString expressionText;
    QString minorExpressionText;
    QString heartsDesireText;
    QString minorHeartsDesireText;
    QString personalityText;
    QString minorPersonalityText;
    QString maturityText;
    QString rationalThoughtText;
    QString karmicDebtsText;
    QString karmicLessonsText;
    QString challengesText;
    QString pinnaclesText;
    QString lifePathExpressionBridgeText;
    QString heartsDesirePersonalityBridgeText;
    QString balanceText;
    QString personalYearText;
    QString hiddenPassionText;
    QString subconsciousConfidenceText;
    QString ageSpansText;
    QString lifePathPeriodsText;
    QString periodSpansText;

    // Panel material.
    QString planesLetters[20];      // cell (row, column) at row * 5 + column
    QString planesValues[20];
    QString fullVowelRow;           // one character per character of the name
    QString fullConsonantRow;
    QString shortVowelRow;
    QString shortConsonantRow;
    QString expressionLine;
    QString heartsDesireLine;
    QString personalityLine;
    QString minorExpressionLine;
    QString minorHeartsDesireLine;
    QString minorPersonalityLine;
};

// Values computed by a calculation that the report reads beside the record.
struct NumerologyReportValues
{
    bool chaldean = false;
    bool reduceMasterLetters = true; // the option the calculation ran with
    int karmicDebtCounters[128] = {};
    int minorExpression = 0;
    int heartsDesire = 0;
    int minorHeartsDesire = 0;
    int personality = 0;
    int minorPersonality = 0;
    int maturity = 0;
    int rationalThought = 0;
    QList<int> karmicLessons;
    int balance = 0;
    QList<int> hiddenPassions;
    int subconsciousConfidence = 0;
    int planeNumbers[4] = {};       // mental, physical, emotional, intuitive
    int lifePathExpressionBridge = 0;
    int lifePathExpressionPair = 0;
    int heartsDesirePersonalityBridge = 0;
    int heartsDesirePersonalityPair = 0;

    // Also read by the report: birth date reductions, pinnacles, cycle spans.
    int birthDayReduced = 0;        // master-keeping reduction of the birth day
    int birthMonthReduced = 0;
    int birthYearReduced = 0;
    int pinnacles[4] = {};
    int pinnacleDigits[4] = {};
    QString lifeCycleSpans[4];      // "0-31", "31-40", "40-49", "49-E"
};

// The four core numbers of a person, as a full chart computes them.
struct CoreNumbers
{
    int lifePath = 0;
    int expression = 0;
    int heartsDesire = 0;
    int personality = 0;
};

// The three sums of one word of a name without letter marks: all its
// letters (Expression), its vowels (Heart's Desire) and its consonants
// (Personality), as WordSums and WordSoundSums give them for that word.
struct WordNumberSums
{
    int all = 0;
    int vowels = 0;
    int consonants = 0;
};

// The three name numbers of a full name without letter marks, with the
// totals they were reduced from; karmicDebt when any of the three totals
// meets 13, 14, 16 or 19 on its way down.
struct NameNumbers
{
    int expression = 0;
    int heartsDesire = 0;
    int personality = 0;
    int expressionTotal = 0;
    int heartsDesireTotal = 0;
    int personalityTotal = 0;
    bool karmicDebt = false;
};

// How far apart the digits of two numbers stand, and the pair code that
// names the combination (larger digit first: 7 and 3 give 73).
struct BridgeValue
{
    int distance = 0;
    int pair = 0;
};

// The celebrities that share a number with the person, as indexes 0..199
// of the text store's celebrity records, in index order.
struct CelebrityMatches
{
    QList<int> lifePath;
    QList<int> birthDay;
    QList<int> expression;
};

class TextStore;

class CNumerology : public CReportTools
{
    Q_OBJECT
public:
    explicit CNumerology(QObject *parent = nullptr);

    // The options this instance calculates with (not owned, so they must
    // outlive the calculations); nullptr, the default, means CalcOptions().
    void setCalcOptions(const CalcOptions *options);
    const CalcOptions &calcOptions() const { return *m_options; }

    // The interpretation texts this instance's reports read (not owned);
    // nullptr, the default, means TextStore::instance().
    void setTextStore(const TextStore *texts) { m_texts = texts; }
    const TextStore &textStore() const;

    // Runs the whole pipeline on this instance. False only when the name
    // check rejects the names (reported through messageReporter()).
    bool CalcNumerology(const PersonRecord &person);
    void ResetResults();
    void SetMasterMode(int mode);
    int masterMode() const { return m_res.masterMode; }

    const NumerologyResult &result() const { return m_res; }
    const NumerologyReportValues &reportValues() const { return m_values; }

    // Only the four core numbers of the person: what CalcNumerology would
    // give for them with this instance's options and master mode, without
    // counting, texts or any other number. Leaves the results as they were.
    CoreNumbers CalcCoreNumbers(const PersonRecord &person);

    // The fast path of the name numbers, for searching many names: a name
    // is split into words once, each word's sums are taken once, and any
    // name made of such words is numbered from them. The results are those
    // CalcNumerology gives for the same unmarked name with this instance's
    // letter table, options and master mode.
    void SetChaldean(bool chaldean) { m_res.chaldean = chaldean; }
    bool chaldean() const { return m_res.chaldean; }
    // The sums of one word (no spaces in it), upper-case letters and digits.
    WordNumberSums WordNumbers(QStringView word, int vowelMode) const;
    NameNumbers NameNumbersOf(const WordNumberSums *words, int count) const;
    // The Life Path of a birth date with this instance's options, as
    // CalcNumerology chooses it.
    int LifePathOf(const QDate &birth) const { return chooseLifePath(birth, reduceDate(birth)).lifePath; }
    // True when the master-keeping reduction of n meets 13, 14, 16 or 19.
    bool MeetsKarmicDebt(int n) const;
    static BridgeValue Bridge(int a, int b);
    // The calculation line of a name number over its word sums, as the chart
    // writes it ("=2/20+6/24=8"). Counts into this instance's counters as a
    // chart's name stage does.
    QString NameNumberLine(const QList<int> &wordSums);

    // --- letter values and reductions ---
    inline int LetterValue(QChar c) const;
    int WordSum(QStringView text) const;
    static int VowelTest(QStringView text, int pos, int vowelMode);
    QList<int> WordSums(const QString &text) const;
    QList<int> WordSoundSums(const QString &text, bool vowels, const QVector<int> &marks,
                             int vowelMode) const;
    static int DigitSumStep(int n);
    static int ReducePlain(int n);
    bool IsFinal(int n) const;
    static bool IsMaster(int n, int mode);
    int ReduceKeepMasters(int n);
    int ReduceKeepMastersInto(int n, int *counters) const;
    int ReduceToFinal(int n) const;
    static int ReduceCompat(int n);
    // The name total of a list of word sums: each word reduced (counting)
    // when "Down to digit every word" is on, else the plain sum.
    int NameTotal(const QList<int> &wordSums);

    // --- forecast rules: PersonalNumbers (personalnumbers.h) for the birth
    // day-month digit of the record ---
    int PersonalYear(int year) const;
    int PersonalMonth(int year, int month) const;
    int PersonalDay(const QDate &date) const;
    static int AgeAt(const QDate &birthDate, const QDate &date);

    // "n" or "n/t" when the unreduced value t differs from n.
    static QString reducedText(int n, int t);

private:
    // Per-word values live on the stack: names seldom have more than a few words.
    using WordValues = QVarLengthArray<int, 8>;
    using WordViews = QVarLengthArray<QStringView, 8>;
    // The words of a text split at every space, as views into it; two spaces
    // in a row give an empty word.
    static WordViews wordsOf(QStringView text);
    WordValues wordSumsOf(QStringView text) const;
    WordValues wordSoundSumsOf(QStringView text, bool vowels, const QVector<int> &marks,
                               int vowelMode) const;
    // NameTotal over word values, counting as NameTotal does or not at all.
    int countedNameTotal(const WordValues &wordSums);
    int quietNameTotal(const WordValues &wordSums) const;
    // The master-keeping reduction that counts nothing.
    int reduceQuietly(int n) const;

    // The birth date's day, month and year, each reduced keeping master
    // numbers and counting nothing: what the Life Path's first method, the
    // cycles and Rational Thought start from.
    struct ReducedDate
    {
        int day = 0;
        int month = 0;
        int year = 0;
    };
    ReducedDate reduceDate(const QDate &birth) const;

    // The Life Path of a birth date: the value, the total it was reduced
    // from, and each method's run, total and result (index = method).
    struct LifePathChoice
    {
        int lifePath = 0;
        int total = 0;
        bool masterPreferred = false; // a later method's master number won
        bool ran[4] = {};
        int totals[4] = {};
        int results[4] = {};
    };
    LifePathChoice chooseLifePath(const QDate &birth, const ReducedDate &reduced) const;

    // The stages of CalcNumerology, in order.
    void calcBirthDateNumbers();
    void calcLifeCycles();
    void calcFullNameNumbers(const QString &name, const QVector<int> &marks, int vowelMode);
    void calcShortNameNumbers(const QString &name, const QVector<int> &marks, int vowelMode);
    bool namesPassCheck() const;
    void calcDerivedNumbers();
    void calcTransitsAndEssence();
    void buildReport(); // defined in reports/numerologyreport.cpp

    // Helpers of the stages.
    void resetKeepingDates();
    // A name number over its word sums: the value, its text ("5/14") and
    // its calculation line ("=1+4+9=14=5") written over the given strings;
    // the name total before its reduction goes to total when asked for.
    int writeNameNumber(const WordValues &wordSums, QString &text, QString &line,
                        int *total = nullptr);
    void calcDigitRows(const QString &name, const QVector<int> &marks, int vowelMode,
                       QString &vowelRow, QString &consonantRow) const;
    void calcLetterValueCounts(const QString &name);
    void calcPlanes(const QString &name);
    void writeTransitLetters(QStringView part, QString &letters) const;
    int reduceCounting(int n, int *counters, int countedBelow, int times = 1) const;
    // ReduceKeepMasters counting as if n were reduced times times.
    int reduceKeepMastersTimes(int n, int times);

    NumerologyResult m_res;
    NumerologyReportValues m_values;
    const CalcOptions *m_options;
    const TextStore *m_texts = nullptr;

    // --- further readings, each run on an instance of its own ---
public:
    // The pet reading (numerology_pet.cpp): Western letter values, master
    // mode 0, vowel mode 0. Leaves the pet number text in the Expression
    // text, the birthday code in the Birthday text, the forecast day code in
    // the Personal Year text, the name's digit rows in the full-name rows and
    // the three calculation lines in the Expression, Heart's Desire and
    // Personality lines. A name worth 0 is reported ("Error! Incorrect pet
    // name!") and leaves the record reset with an empty report: false.
    bool CalcPetNum(const QString &name, const QDate &birthDate, const QDate &forecastDate);

    // The celebrities sharing the person's Life Path, birth day or Expression
    // (numerology_celebrities.cpp); master mode 0. Always true.
    bool CalcCelebrities(const QString &fullName, const QDate &birthDate, bool chaldean, int vowelMode);
    const CelebrityMatches &celebrityMatches() const { return m_celebrityMatches; }

    // The name advisor (numerology_advisor.cpp): date number in the Life Path
    // fields, name number in the Expression fields, the compound number and
    // the other full-name numbers; master mode 0, vowel mode 0. Always true.
    bool CalcAnNum(const QString &name, const QDate &date, bool chaldean);

private:
    // The readings' reports, each the last stage of its reading; defined in
    // src/reports/ (petreport.cpp, celebritiesreport.cpp, advisorreport.cpp).
    void buildPetReport(const TextStore &texts, int forecastDayCode);
    void buildCelebritiesReport(const TextStore &texts);
    void buildAnalyzerReport(const TextStore &texts);

    CelebrityMatches m_celebrityMatches;
};

// Inline: every letter of every name and transit passes through here.
inline int CNumerology::LetterValue(QChar c) const
{
    // Western (Pythagorean) table: a letter's alphabet position reduced to
    // one digit. Chaldean table: the traditional sound values; no letter is
    // worth 9.
    //                                               A  B  C  D  E  F  G  H  I  J  K  L  M
    static constexpr signed char WESTERN_VALUES[26] = { 1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4,
    //                                               N  O  P  Q  R  S  T  U  V  W  X  Y  Z
                                                     5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6, 7, 8 };
    //                                                 A  B  C  D  E  F  G  H  I  J  K  L  M
    static constexpr signed char CHALDEAN_VALUES[26] = { 1, 2, 3, 4, 5, 8, 3, 5, 1, 1, 2, 3, 4,
    //                                                 N  O  P  Q  R  S  T  U  V  W  X  Y  Z
                                                       5, 7, 8, 1, 2, 3, 4, 6, 6, 6, 5, 1, 7 };
    // The character is read through its code without upper-casing:
    // lower-case and non-Latin letters are worth nothing.
    const unsigned code = c.unicode();
    if (code - '0' <= 9u)
        return int(code - '0');
    const unsigned index = code - 'A';
    if (index >= 26u)
        return 0;
    if (m_res.chaldean)
        return CHALDEAN_VALUES[index];
    const int position = int(index) + 1;
    // K (11) and V (22) are the only master positions, in either master mode.
    if (!m_options->reduceMasterLetters && (position == 11 || position == 22))
        return position;
    return WESTERN_VALUES[index];
}
