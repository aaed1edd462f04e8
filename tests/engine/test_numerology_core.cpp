// The core numbers of a chart: the calculation frame, Life Path and
// Birthday, the name numbers with their texts, lines and digit rows, planes,
// and the numbers derived from them.

#include "enginefixture.h"

#include <QtTest>

#include <algorithm>

class TestNumerologyCore : public QObject
{
    Q_OBJECT

private slots:
    void lifePath_data();
    void lifePath();
    void masterPreferenceKeepsTheDates();
    void birthdayText_data();
    void birthdayText();
    void karmicDebts_data();
    void karmicDebts();
    void johnSmithNameNumbers();
    void wordReductionOff();
    void masterLetterValues();
    void balanceOfMasterInitials_data();
    void balanceOfMasterInitials();
    void digitRowsFollowMarks();
    void lessonsPassionsConfidence();
    void chaldeanNineIsAlwaysALesson();
    void planesGrid();
    void derivedNumbers();
    void nameCheck_data();
    void nameCheck();
    void instancesAreIndependent();
    void resetKeepsTextsAndClearsTables();
    void coreNumbersMatchTheChart_data();
    void coreNumbersMatchTheChart();
    void coreNumbersLeaveTheResults();
};

// Life Path with its text: the method totals, master preference and the
// exact composition of the text.
void TestNumerologyCore::lifePath_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QString>("methods");
    QTest::addColumn<int>("lifePath");
    QTest::addColumn<QString>("text");
    QTest::newRow("17 May 1990") << QDate(1990, 5, 17) << "1" << 5 << "8+5+1/19=14=5";
    QTest::newRow("29 Nov 1985: master parts") << QDate(1985, 11, 29) << "1" << 9 << "11/11+11+5/23=27=9";
    QTest::newRow("method 2 alone") << QDate(1990, 5, 17) << "2" << 5 << "2012=5";
    // 1+7+5+1+9+9+0 = 32 -> 5
    QTest::newRow("method 3 alone") << QDate(1990, 5, 17) << "3" << 5 << "32=5";
    QTest::newRow("no method chosen runs method 1") << QDate(1990, 5, 17) << "" << 5 << "8+5+1/19=14=5";
    // Method 1 gives 4 (total 13), method 2 gives 22 (total 1984).
    QTest::newRow("method 2 master preferred") << QDate(1980, 1, 3) << "12" << 22 << "1984=22";
    // 2 + 1 + 8 = 11: a master Life Path straight from method 1.
    QTest::newRow("master from method 1") << QDate(2006, 1, 2) << "1" << 11 << "2+1+8=11";
    // 1999 steps to 28, 10 and 1: the last two-digit step is shown.
    QTest::newRow("method 2 shows its last step") << QDate(1997, 1, 1) << "2" << 1 << "1999=1/28";
    // 9+9+1997 = 2015 -> 8; the text ends with no "/" part.
    QTest::newRow("method 2 with a one-digit step") << QDate(1997, 9, 9) << "2" << 8 << "2015=8";
    // 1+9 + 0+9 + 1+9+8+9 = 46 -> 10 -> 1.
    QTest::newRow("method 3 shows its last step") << QDate(1989, 9, 19) << "3" << 1 << "46=1/10";
    // Year 1999 -> 28 -> 1, and 9 + 1 + 1 = 11.
    QTest::newRow("year digit sum shown") << QDate(1999, 1, 9) << "1" << 11 << "9+1+1/28=11";
}

void TestNumerologyCore::lifePath()
{
    QFETCH(QDate, birth);
    QFETCH(QString, methods);
    QFETCH(int, lifePath);
    QFETCH(QString, text);
    CalcOptions options;
    options.lifePathMethod1 = methods.contains(QLatin1Char('1'));
    options.lifePathMethod2 = methods.contains(QLatin1Char('2'));
    options.lifePathMethod3 = methods.contains(QLatin1Char('3'));
    CNumerology engine;
    engine.setCalcOptions(&options);
    QVERIFY(engine.CalcNumerology(makePerson(QStringLiteral("JOHN SMITH"), birth)));
    QCOMPARE(engine.result().lifePath, lifePath);
    QCOMPARE(engine.result().lifePathText, text);
}

void TestNumerologyCore::masterPreferenceKeepsTheDates()
{
    CalcOptions options;
    options.lifePathMethod2 = true;
    CNumerology engine;
    engine.setCalcOptions(&options);
    QVERIFY(engine.CalcNumerology(makePerson(QStringLiteral("JOHN SMITH"), QDate(1980, 1, 3),
                                             QDate(2031, 12, 24))));
    QCOMPARE(engine.result().lifePath, 22);
    QCOMPARE(engine.result().birthDate, QDate(1980, 1, 3));
    QCOMPARE(engine.result().forecastDate, QDate(2031, 12, 24));
    QCOMPARE(engine.result().forecastYear, 2031);
}

void TestNumerologyCore::birthdayText_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("text");
    QTest::newRow("17") << 17 << "17 (8)";
    QTest::newRow("29 keeps 11") << 29 << "29 (11)";
    QTest::newRow("5") << 5 << "5";
    QTest::newRow("22") << 22 << "22";
}

void TestNumerologyCore::birthdayText()
{
    QFETCH(int, day);
    QFETCH(QString, text);
    CNumerology engine;
    QVERIFY(engine.CalcNumerology(makePerson(QStringLiteral("JOHN SMITH"), QDate(1990, 5, day))));
    QCOMPARE(engine.result().birthdayText, text);
}

void TestNumerologyCore::karmicDebts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QVector<int>>("marks");
    QTest::addColumn<QString>("debts");
    // The Life Path chain 14 -> 5 after the method's reset; the 19 met while
    // reducing the year is not kept.
    QTest::newRow("17 May 1990") << "JOHN SMITH" << QDate(1990, 5, 17) << QVector<int>{} << "14";
    // The day's chain is counted last: a 19th always carries its debt.
    QTest::newRow("born on the 19th") << "JOHN SMITH" << QDate(2001, 2, 19) << QVector<int>{} << "19";
    QTest::newRow("born on the 13th") << "JOHN SMITH" << QDate(2001, 2, 13) << QVector<int>{} << "13";
    // Heart's Desire JOHN 7 (digit marked a vowel): 6 + 7 = 13.
    QTest::newRow("a name total of 13") << "JOHN 7" << QDate(2001, 2, 2) << QVector<int>{0, 0, 0, 0, 0, 1} << "13";
    // 2 Feb 2001: 2 + 2 + 3 = 7; JOHN SMITH's totals 8, 15, 11 carry no debt.
    QTest::newRow("no debt") << "JOHN SMITH" << QDate(2001, 2, 2) << QVector<int>{} << "-";
}

void TestNumerologyCore::karmicDebts()
{
    QFETCH(QString, name);
    QFETCH(QDate, birth);
    QFETCH(QVector<int>, marks);
    QFETCH(QString, debts);
    PersonRecord person = makePerson(name, birth);
    person.fullMarks = marks;
    person.shortMarks = marks;
    CNumerology engine;
    QVERIFY(engine.CalcNumerology(person));
    QCOMPARE(engine.result().karmicDebtsText, debts);
}

void TestNumerologyCore::johnSmithNameNumbers()
{
    CNumerology engine;
    QVERIFY(engine.CalcNumerology(makePerson(QStringLiteral("John Smith"), QDate(1990, 5, 17))));
    const NumerologyResult &r = engine.result();
    QCOMPARE(r.fullName, QStringLiteral("JOHN SMITH"));
    QCOMPARE(r.expression, 8);
    QCOMPARE(r.expressionText, QStringLiteral("8"));
    QCOMPARE(r.expressionLine, QStringLiteral("=2/20+6/24=8"));
    QCOMPARE(r.compoundNumber, 8);
    // Vowels O and I: 6 + 9 = 15 -> 6.
    QCOMPARE(engine.reportValues().heartsDesire, 6);
    QCOMPARE(r.heartsDesireText, QStringLiteral("6/15"));
    QCOMPARE(r.heartsDesireLine, QStringLiteral("=6+9=15=6"));
    // Consonants 14 and 15 reduce to 5 and 6: 11 is kept.
    QCOMPARE(engine.reportValues().personality, 11);
    QCOMPARE(r.personalityText, QStringLiteral("11"));
    QCOMPARE(r.personalityLine, QStringLiteral("=5/14+6/15=11"));
    // The short name is the same here, so the minor numbers match.
    QCOMPARE(r.minorExpressionLine, r.expressionLine);
    QCOMPARE(r.minorHeartsDesireText, r.heartsDesireText);
    QCOMPARE(r.minorPersonalityLine, r.personalityLine);
    QCOMPARE(r.fullVowelRow, QStringLiteral(" 6     9  "));
    QCOMPARE(r.fullConsonantRow, QStringLiteral("1 85 14 28"));
}

void TestNumerologyCore::wordReductionOff()
{
    CalcOptions options;
    options.reduceEachWord = false;
    CNumerology engine;
    engine.setCalcOptions(&options);
    QVERIFY(engine.CalcNumerology(makePerson(QStringLiteral("JOHN SMITH"), QDate(1990, 5, 17))));
    QCOMPARE(engine.result().expressionLine, QStringLiteral("=2/20+6/24=44=8"));
    QCOMPARE(engine.result().expressionText, QStringLiteral("8/44"));
    QCOMPARE(engine.result().compoundNumber, 44);
    QCOMPARE(engine.result().personalityLine, QStringLiteral("=5/14+6/15=29=11"));
}

void TestNumerologyCore::masterLetterValues()
{
    // MARK: M 4, A 1, R 9, K 2 or 11.
    CalcOptions options;
    CNumerology engine;
    engine.setCalcOptions(&options);
    QVERIFY(engine.CalcNumerology(calcOnly(makePerson(QStringLiteral("MARK"), QDate(1990, 5, 17)))));
    QCOMPARE(engine.result().fullConsonantRow, QStringLiteral("4 92"));
    QCOMPARE(engine.result().personalityLine, QStringLiteral("=6/15=6"));

    options.reduceMasterLetters = false;
    QVERIFY(engine.CalcNumerology(calcOnly(makePerson(QStringLiteral("MARK"), QDate(1990, 5, 17)))));
    // The row shows single digits; the sum uses K's 11.
    QCOMPARE(engine.result().fullConsonantRow, QStringLiteral("4 92"));
    QCOMPARE(engine.result().personalityLine, QStringLiteral("=6/24=6"));
}

// Balance adds the initials' values each reduced to one digit, so K and V
// count 2 and 4 even when they keep 11 and 22 in the name numbers.
void TestNumerologyCore::balanceOfMasterInitials_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("keepMasterLetters");
    QTest::addColumn<QString>("balance");
    QTest::newRow("K and V reduced") << "KIM VANCE" << false << "6";
    QTest::newRow("K and V kept") << "KIM VANCE" << true << "6";          // 2 + 4, not 11 + 22 = 33
    QTest::newRow("K alone kept") << "KAY" << true << "2";                // not 2/11
    QTest::newRow("three Vs kept") << "VERA VIDA VOSS" << true << "3/12"; // 4 + 4 + 4, not 66
}

void TestNumerologyCore::balanceOfMasterInitials()
{
    QFETCH(QString, name);
    QFETCH(bool, keepMasterLetters);
    QFETCH(QString, balance);
    CalcOptions options;
    options.reduceMasterLetters = !keepMasterLetters;
    CNumerology engine;
    engine.setCalcOptions(&options);
    QVERIFY(engine.CalcNumerology(calcOnly(makePerson(name, QDate(1990, 5, 17)))));
    QCOMPARE(engine.result().balanceText, balance);
}

void TestNumerologyCore::digitRowsFollowMarks()
{
    PersonRecord person = makePerson(QStringLiteral("JOHN 7"), QDate(1990, 5, 17));
    person.fullMarks = {2, 0, 0, 0, 0, 1}; // J forced consonant (no change), 7 forced vowel
    person.shortMarks = {0, 0, 0, 0, 0, 2}; // 7 forced consonant
    CNumerology engine;
    QVERIFY(engine.CalcNumerology(person));
    const NumerologyResult &r = engine.result();
    QCOMPARE(r.fullVowelRow, QStringLiteral(" 6   7"));
    QCOMPARE(r.fullConsonantRow, QStringLiteral("1 85  "));
    QCOMPARE(r.heartsDesireText, QStringLiteral("4/13"));
    QCOMPARE(r.shortVowelRow, QStringLiteral(" 6    "));
    QCOMPARE(r.shortConsonantRow, QStringLiteral("1 85 7"));
    QCOMPARE(r.minorPersonalityLine, QStringLiteral("=5/14+7=12=3"));
}

void TestNumerologyCore::lessonsPassionsConfidence()
{
    CNumerology engine;
    QVERIFY(engine.CalcNumerology(makePerson(QStringLiteral("JOHN SMITH"), QDate(1990, 5, 17))));
    // Values J1 O6 H8 N5 S1 M4 I9 T2 H8: 3 and 7 missing; 1 and 8 twice.
    QCOMPARE(engine.result().karmicLessonsText, QStringLiteral("3, 7"));
    QCOMPARE(engine.reportValues().karmicLessons, (QList<int>{3, 7}));
    QCOMPARE(engine.result().hiddenPassionText, QStringLiteral("1, 8"));
    QCOMPARE(engine.result().subconsciousConfidenceText, QStringLiteral("7"));

    // Every value present: no lessons.
    QVERIFY(engine.CalcNumerology(calcOnly(makePerson(QStringLiteral("ABCDEFGHI"), QDate(1990, 5, 17)))));
    QCOMPARE(engine.result().karmicLessonsText, QStringLiteral("-"));
    QCOMPARE(engine.result().hiddenPassionText, QStringLiteral("1, 2, 3, 4, 5, 6, 7, 8, 9"));
    QCOMPARE(engine.result().subconsciousConfidenceText, QStringLiteral("9"));

    // No letters at all: every value is a lesson and every value a passion.
    QVERIFY(engine.CalcNumerology(calcOnly(makePerson(QStringLiteral("000"), QDate(1990, 5, 17)))));
    QCOMPARE(engine.result().karmicLessonsText, QStringLiteral("1, 2, 3, 4, 5, 6, 7, 8, 9"));
    QCOMPARE(engine.result().hiddenPassionText, QStringLiteral("1, 2, 3, 4, 5, 6, 7, 8, 9"));
    QCOMPARE(engine.result().subconsciousConfidenceText, QStringLiteral("0"));
}

void TestNumerologyCore::chaldeanNineIsAlwaysALesson()
{
    PersonRecord person = makePerson(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), QDate(1990, 5, 17));
    person.chaldean = true;
    CNumerology engine;
    QVERIFY(engine.CalcNumerology(person));
    QCOMPARE(engine.reportValues().karmicLessons, QList<int>{9});
}

void TestNumerologyCore::planesGrid()
{
    CNumerology engine;
    QVERIFY(engine.CalcNumerology(makePerson(QStringLiteral("JOHN SMITH"), QDate(1990, 5, 17))));
    const NumerologyResult &r = engine.result();
    // Mental dual H2 J1 N1 = 16+1+5 = 22, kept as a master.
    QCOMPARE(r.planesLetters[1 * 5 + 0], QStringLiteral("H2J1N1"));
    QCOMPARE(r.planesValues[1 * 5 + 0], QStringLiteral("H2J1N1=22, 4"));
    QCOMPARE(r.planesValues[0 * 5 + 2], QStringLiteral("I1O1=6/15, 2"));
    QCOMPARE(r.planesValues[1 * 5 + 2], QStringLiteral("S1T1=3, 2"));
    QCOMPARE(r.planesValues[2 * 5 + 1], QStringLiteral("M1=4, 1"));
    QVERIFY(r.planesValues[0].isEmpty());
    // Row totals with the kinds' letter counts.
    QCOMPARE(r.planesValues[0 * 5 + 4], QStringLiteral("6, 2"));
    QCOMPARE(r.planesValues[1 * 5 + 4], QStringLiteral("7/25, 6"));
    QCOMPARE(r.planesValues[2 * 5 + 4], QStringLiteral("4, 1"));
    // Column totals with the planes' letter counts; the corner gets both texts.
    QCOMPARE(r.planesValues[3 * 5 + 0], QStringLiteral("22, 4"));
    QCOMPARE(r.planesValues[3 * 5 + 1], QStringLiteral("4, 1"));
    QCOMPARE(r.planesValues[3 * 5 + 2], QStringLiteral("9, 4"));
    QCOMPARE(r.planesValues[3 * 5 + 3], QStringLiteral("0, 0"));
    QCOMPARE(r.planesValues[3 * 5 + 4], QStringLiteral("0, 00, 0"));
    const int *planes = engine.reportValues().planeNumbers;
    QCOMPARE((QList<int>{planes[0], planes[1], planes[2], planes[3]}), (QList<int>{22, 4, 9, 0}));
    QCOMPARE(r.planeGroupCounts[4], 4);
    QCOMPARE(r.planeGroupCounts[2], 2);
    QCOMPARE(r.planeGroupCounts[6], 2);
    QCOMPARE(r.planeGroupCounts[9], 1);
    QCOMPARE(r.letterCounts['H' - 'A'], 2);
    QCOMPARE(r.letterCounts['A' - 'A'], 0);
}

void TestNumerologyCore::derivedNumbers()
{
    CNumerology engine;
    QVERIFY(engine.CalcNumerology(makePerson(QStringLiteral("JOHN SMITH"), QDate(1990, 5, 17))));
    const NumerologyResult &r = engine.result();
    const NumerologyReportValues &v = engine.reportValues();
    QCOMPARE(r.maturityText, QStringLiteral("4/13"));           // 5 + 8
    QCOMPARE(r.rationalThoughtText, QStringLiteral("1/28"));    // day 8 + JOHN 20
    QCOMPARE(r.lifePathExpressionBridgeText, QStringLiteral("3"));
    QCOMPARE(v.lifePathExpressionPair, 85);
    QCOMPARE(r.heartsDesirePersonalityBridgeText, QStringLiteral("4")); // 6 and 11 -> 2
    QCOMPARE(v.heartsDesirePersonalityPair, 62);
    QCOMPARE(r.balanceText, QStringLiteral("2"));               // J 1 + S 1

    // One word: Rational Thought and Balance come from it alone.
    QVERIFY(engine.CalcNumerology(makePerson(QStringLiteral("MARY"), QDate(1990, 5, 17))));
    QCOMPARE(r.rationalThoughtText, QStringLiteral("2/29")); // 8 + MARY 21
    QCOMPARE(r.balanceText, QStringLiteral("4"));
    QCOMPARE(r.maturityText, QStringLiteral("8"));             // 5 + 3
}

void TestNumerologyCore::nameCheck_data()
{
    QTest::addColumn<QString>("full");
    QTest::addColumn<QString>("shortName");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("ordinary") << "JOHN SMITH" << "JOHN" << true;
    QTest::newRow("digits only") << "1990" << "1990" << false;
    QTest::newRow("no consonants") << "AEI" << "AEI" << false;
    QTest::newRow("no vowels") << "BCD" << "BCD" << false;
    QTest::newRow("short name without vowels") << "JOHN SMITH" << "BCD" << false;
    // A short name without consonants leaves only the Minor Personality at 0.
    QTest::newRow("minor personality 0 is fine") << "JOHN SMITH" << "AE" << true;
}

void TestNumerologyCore::nameCheck()
{
    QFETCH(QString, full);
    QFETCH(QString, shortName);
    QFETCH(bool, accepted);
    RecordingReporter reporter;
    CNumerology engine;
    const PersonRecord person = makePerson(full, QDate(1990, 5, 17), QDate(2024, 6, 21), shortName);
    QCOMPARE(engine.CalcNumerology(person), accepted);
    QCOMPARE(reporter.messages,
             accepted ? QStringList() : QStringList{QStringLiteral("|Error! Incorrect full or short name!")});
    if (!accepted) {
        // Stages 1 to 7 ran; the transits (stage 10) did not.
        QCOMPARE(engine.result().lifePath, 5);
        QVERIFY(engine.result().physicalTransits.isEmpty());
    }

    // Calculate-only mode runs every stage without a check or a message.
    reporter.messages.clear();
    QVERIFY(engine.CalcNumerology(calcOnly(person)));
    QVERIFY(reporter.messages.isEmpty());
    QCOMPARE(engine.result().physicalTransits.size(), 128);
}

void TestNumerologyCore::instancesAreIndependent()
{
    CNumerology person;
    CNumerology partner;
    QVERIFY(person.CalcNumerology(makePerson(QStringLiteral("JOHN SMITH"), QDate(1990, 5, 17))));
    const NumerologyResult before = person.result();
    QVERIFY(partner.CalcNumerology(makePerson(QStringLiteral("MARY ANN JONES"), QDate(1985, 11, 29))));
    const NumerologyResult &after = person.result();
    QCOMPARE(after.fullName, before.fullName);
    QCOMPARE(after.lifePathText, before.lifePathText);
    QCOMPARE(after.expressionLine, before.expressionLine);
    QCOMPARE(after.physicalTransits, before.physicalTransits);
    QVERIFY(std::equal(std::begin(after.essenceNumbers), std::end(after.essenceNumbers),
                       std::begin(before.essenceNumbers)));
    QVERIFY(partner.result().lifePathText != before.lifePathText);
}

void TestNumerologyCore::resetKeepsTextsAndClearsTables()
{
    CNumerology engine;
    QVERIFY(engine.CalcNumerology(makePerson(QStringLiteral("JOHN SMITH"), QDate(1990, 5, 17))));
    engine.ResetResults();
    const NumerologyResult &r = engine.result();
    QCOMPARE(r.lifePath, -1);
    QCOMPARE(r.birthDate, QDate::currentDate());
    QCOMPARE(r.forecastDate, QDate::currentDate());
    QVERIFY(r.physicalTransits.isEmpty());
    QVERIFY(r.planesValues[5].isEmpty());
    QCOMPARE(r.letterCounts['H' - 'A'], 0);
    QCOMPARE(r.essenceNumbers[0], 0);
    // Texts, rows and lines stay until the next calculation.
    QCOMPARE(r.lifePathText, QStringLiteral("8+5+1/19=14=5"));
    QCOMPARE(r.expressionLine, QStringLiteral("=2/20+6/24=8"));
    QCOMPARE(r.expression, 8);
    QCOMPARE(r.challenges[1], 7);
}

// The four core numbers alone must be the chart's, whatever the options:
// each row names the number it is there for and the value that shows it.
void TestNumerologyCore::coreNumbersMatchTheChart_data()
{
    QTest::addColumn<QString>("full");
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QString>("options"); // Life Path methods; c Chaldean, u Universal
                                          // vowels, m master mode 1, k master letters
                                          // kept, w words not reduced
    QTest::addColumn<QVector<int>>("marks");
    QTest::addColumn<QString>("number"); // the number the row is there for
    QTest::addColumn<int>("value");

    const QDate may17(1990, 5, 17);
    const QVector<int> none;
    QTest::newRow("everyday name") << "JOHN QUINCY SMITH" << may17 << "1" << none << "lifePath" << 5;
    QTest::newRow("lower case is upper-cased") << "john smith" << may17 << "1" << none << "expression" << 8;
    QTest::newRow("master 11 Life Path")
        << "JOHN SMITH" << QDate(2006, 1, 2) << "1" << none << "lifePath" << 11;
    QTest::newRow("master 22 preferred from method 2")
        << "JOHN SMITH" << QDate(1980, 1, 3) << "12" << none << "lifePath" << 22;
    QTest::newRow("method 3 alone") << "JOHN SMITH" << QDate(1989, 9, 19) << "3" << none << "lifePath" << 1;
    // K and V kept at 11 and 22: 11 + 22 = 33.
    QTest::newRow("master 33 from kept master letters")
        << "KV" << may17 << "1k" << none << "expression" << 33;
    QTest::newRow("master 44 only in master mode 1") << "VV" << may17 << "1km" << none << "expression" << 44;
    // D 4 + O 6 + L 3 + V 4 + E 5 = 22, kept.
    QTest::newRow("master 22 name") << "DOLVE" << may17 << "1" << none << "expression" << 22;
    // M 4 + I 9 = 13, reduced to 4: a karmic debt behind the Expression.
    QTest::newRow("karmic 13 name") << "MI" << may17 << "1" << none << "expression" << 4;
    QTest::newRow("karmic 19 birth day")
        << "JOHN SMITH" << QDate(1990, 5, 19) << "1" << none << "lifePath" << 7;
    QTest::newRow("one letter: A is all vowel") << "A" << may17 << "1" << none << "personality" << 0;
    QTest::newRow("one letter: lone Y is a vowel") << "Y" << may17 << "1" << none << "heartsDesire" << 7;
    QTest::newRow("Y beside a vowel is a consonant")
        << "MARY RAY" << may17 << "1" << none << "heartsDesire" << 9;
    // Y 7 + L 3 + N 5 + D 4 = 19, the karmic 19 reduced to 1.
    QTest::newRow("Y before a vowel opens YOLANDA")
        << "YOLANDA" << may17 << "1" << none << "personality" << 1;
    // A 1 + Y 7 and A 1 + E 5: 8 + 6 = 14, the karmic 14 reduced to 5.
    QTest::newRow("universal vowels take every Y")
        << "RAY ANDREW" << may17 << "1u" << none << "heartsDesire" << 5;
    // A + E + W and E + W + A: 11 each, kept, and 22 kept again.
    QTest::newRow("W after a vowel sounds as one")
        << "ANDREW NEWMAN" << may17 << "1" << none << "heartsDesire" << 22;
    // J 1 O 7 H 5 N 5 = 18 -> 9, S 3 M 4 I 1 T 4 H 5 = 17 -> 8; 17 -> 8.
    QTest::newRow("Chaldean table") << "JOHN SMITH" << may17 << "1c" << none << "expression" << 8;
    QTest::newRow("marks override the vowel test")
        << "MARY" << may17 << "1" << QVector<int>{1, 2, 2, 2} << "heartsDesire" << 4;
    // 20 + 35 + 24 = 79 -> 16, the karmic 16 reduced to 7.
    QTest::newRow("words not reduced") << "JOHN QUINCY SMITH" << may17 << "1w" << none << "expression" << 7;
    QTest::newRow("empty word between two spaces")
        << "JOHN  SMITH" << may17 << "1" << none << "expression" << 8;
}

void TestNumerologyCore::coreNumbersMatchTheChart()
{
    QFETCH(QString, full);
    QFETCH(QDate, birth);
    QFETCH(QString, options);
    QFETCH(QVector<int>, marks);
    QFETCH(QString, number);
    QFETCH(int, value);
    CalcOptions calcOptions;
    calcOptions.lifePathMethod1 = options.contains(QLatin1Char('1'));
    calcOptions.lifePathMethod2 = options.contains(QLatin1Char('2'));
    calcOptions.lifePathMethod3 = options.contains(QLatin1Char('3'));
    calcOptions.reduceMasterLetters = !options.contains(QLatin1Char('k'));
    calcOptions.reduceEachWord = !options.contains(QLatin1Char('w'));
    PersonRecord person = calcOnly(makePerson(full, birth));
    person.chaldean = options.contains(QLatin1Char('c'));
    person.vowelMode = options.contains(QLatin1Char('u')) ? 1 : 0;
    person.fullMarks = marks;

    CNumerology chart;
    chart.setCalcOptions(&calcOptions);
    chart.SetMasterMode(options.contains(QLatin1Char('m')) ? 1 : 0);
    QVERIFY(chart.CalcNumerology(person));
    CNumerology core;
    core.setCalcOptions(&calcOptions);
    core.SetMasterMode(chart.masterMode());
    const CoreNumbers numbers = core.CalcCoreNumbers(person);

    QCOMPARE(numbers.lifePath, chart.result().lifePath);
    QCOMPARE(numbers.expression, chart.result().expression);
    QCOMPARE(numbers.heartsDesire, chart.reportValues().heartsDesire);
    QCOMPARE(numbers.personality, chart.reportValues().personality);
    const QHash<QString, int> byName = {{QStringLiteral("lifePath"), numbers.lifePath},
                                        {QStringLiteral("expression"), numbers.expression},
                                        {QStringLiteral("heartsDesire"), numbers.heartsDesire},
                                        {QStringLiteral("personality"), numbers.personality}};
    QVERIFY(byName.contains(number));
    QCOMPARE(byName.value(number), value);
}

// The core numbers borrow the letter table for their own calculation only.
void TestNumerologyCore::coreNumbersLeaveTheResults()
{
    CNumerology engine;
    QVERIFY(engine.CalcNumerology(calcOnly(makePerson(QStringLiteral("JOHN SMITH"), QDate(1990, 5, 17)))));
    PersonRecord chaldean = makePerson(QStringLiteral("FRED"), QDate(2006, 1, 2));
    chaldean.chaldean = true;
    const CoreNumbers numbers = engine.CalcCoreNumbers(chaldean);
    QCOMPARE(numbers.lifePath, 11);
    QCOMPARE(engine.result().chaldean, false);
    QCOMPARE(engine.LetterValue(QLatin1Char('F')), 6);
    QCOMPARE(engine.result().lifePath, 5);
    QCOMPARE(engine.result().expression, 8);
}

QTEST_GUILESS_MAIN(TestNumerologyCore)
#include "test_numerology_core.moc"
