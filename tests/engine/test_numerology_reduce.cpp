// Letter values, the vowel test, word sums and the reductions.

#include "engine/numbertext.h"
#include "enginefixture.h"

#include <QtTest>

#include <climits>

Q_DECLARE_METATYPE(QList<int>)

class TestNumerologyReduce : public QObject
{
    Q_OBJECT

private slots:
    void numberTextIsTheDecimalText_data();
    void numberTextIsTheDecimalText();
    void digitSumStep_data();
    void digitSumStep();
    void reducePlain_data();
    void reducePlain();
    void finalAndMaster_data();
    void finalAndMaster();
    void reduceKeepMasters_data();
    void reduceKeepMasters();
    void reduceKeepMastersIntoLeavesEngineCounters();
    void reduceToFinal_data();
    void reduceToFinal();
    void reduceCompat_data();
    void reduceCompat();
    void letterValue_data();
    void letterValue();
    void chaldeanHasNoNine();
    void vowelTest_data();
    void vowelTest();
    void wordSums();
    void wordSoundSums_data();
    void wordSoundSums();
    void nameTotalFollowsWordReduction();
};

void TestNumerologyReduce::numberTextIsTheDecimalText_data()
{
    QTest::addColumn<int>("n");
    // The shared table is filled a hundred numbers at a time: its edges and
    // the numbers beyond it.
    for (const int n :
         {0, 7, 99, 100, 101, 1990, 9899, 9900, 9999, 10000, 123456, -1, -100, INT_MIN, INT_MAX})
        QTest::newRow(qPrintable(QString::number(n))) << n;
}

void TestNumerologyReduce::numberTextIsTheDecimalText()
{
    QFETCH(int, n);
    QCOMPARE(numberText(n), QString::number(n));
    QCOMPARE(numberText(n), QString::number(n)); // asked again, from the table
}

void TestNumerologyReduce::digitSumStep_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("expected");
    QTest::newRow("four digits") << 1990 << 19;
    QTest::newRow("only the last four digits count") << 12345 << 14;
    QTest::newRow("single digit") << 7 << 7;
    QTest::newRow("negative terms keep the sign") << -25 << -7;
}

void TestNumerologyReduce::digitSumStep()
{
    QFETCH(int, n);
    QFETCH(int, expected);
    QCOMPARE(CNumerology::DigitSumStep(n), expected);
}

void TestNumerologyReduce::reducePlain_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("expected");
    QTest::newRow("10") << 10 << 1;
    QTest::newRow("29 passes 11 without keeping it") << 29 << 2;
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("negative unchanged") << -5 << -5;
    QTest::newRow("9999 via 36") << 9999 << 9;
    QTest::newRow("10000 steps to 0") << 10000 << 0;
}

void TestNumerologyReduce::reducePlain()
{
    QFETCH(int, n);
    QFETCH(int, expected);
    QCOMPARE(CNumerology::ReducePlain(n), expected);
}

void TestNumerologyReduce::finalAndMaster_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("final");
    QTest::addColumn<bool>("master");
    QTest::newRow("0 is final") << 0 << 0 << true << false;
    QTest::newRow("9 is final") << 9 << 0 << true << false;
    QTest::newRow("10 is neither") << 10 << 0 << false << false;
    QTest::newRow("11 mode 0") << 11 << 0 << true << true;
    QTest::newRow("33 mode 0") << 33 << 0 << true << true;
    QTest::newRow("44 mode 0") << 44 << 0 << false << false;
    QTest::newRow("44 mode 1") << 44 << 1 << true << true;
    QTest::newRow("99 mode 1") << 99 << 1 << true << true;
    QTest::newRow("110 mode 1") << 110 << 1 << false << false;
    QTest::newRow("negative") << -1 << 0 << false << false;
}

void TestNumerologyReduce::finalAndMaster()
{
    QFETCH(int, n);
    QFETCH(int, mode);
    CNumerology engine;
    engine.SetMasterMode(mode);
    QFETCH(bool, final);
    QCOMPARE(engine.IsFinal(n), final);
    QFETCH(bool, master);
    QCOMPARE(CNumerology::IsMaster(n, mode), master);
}

void TestNumerologyReduce::reduceKeepMasters_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QList<int>>("counted");
    QTest::newRow("0 counts nothing") << 0 << 0 << 0 << QList<int>{};
    QTest::newRow("10000 counts nothing") << 10000 << 0 << 0 << QList<int>{};
    QTest::newRow("9999 via 36 counts 9 only") << 9999 << 0 << 9 << QList<int>{9};
    QTest::newRow("13 counts the debt and 4") << 13 << 0 << 4 << QList<int>{4, 13};
    QTest::newRow("19 skips 10") << 19 << 0 << 1 << QList<int>{1, 19};
    QTest::newRow("29 stops at 11") << 29 << 0 << 11 << QList<int>{11};
    QTest::newRow("38 stops at 11") << 38 << 0 << 11 << QList<int>{11};
    QTest::newRow("4 counts itself") << 4 << 0 << 4 << QList<int>{4};
    QTest::newRow("44 mode 0 reduces") << 44 << 0 << 8 << QList<int>{8};
    QTest::newRow("44 mode 1 keeps") << 44 << 1 << 44 << QList<int>{44};
    QTest::newRow("negative counts nothing") << -13 << 0 << 0 << QList<int>{};
}

void TestNumerologyReduce::reduceKeepMasters()
{
    QFETCH(int, n);
    QFETCH(int, mode);
    QFETCH(QList<int>, counted);
    CNumerology engine;
    engine.SetMasterMode(mode);
    QFETCH(int, expected);
    QCOMPARE(engine.ReduceKeepMasters(n), expected);
    QList<int> seen;
    for (int i = 0; i < 128; ++i) {
        if (engine.result().numberCounters[i] > 0) {
            QCOMPARE(engine.result().numberCounters[i], 1);
            seen.append(i);
        }
    }
    QCOMPARE(seen, counted);
}

void TestNumerologyReduce::reduceKeepMastersIntoLeavesEngineCounters()
{
    CNumerology engine;
    int counters[128] = {};
    QCOMPARE(engine.ReduceKeepMastersInto(1984, counters), 22);
    QCOMPARE(counters[22], 1);
    QCOMPARE(engine.ReduceKeepMastersInto(16, counters), 7);
    QCOMPARE(counters[16], 1);
    QCOMPARE(counters[7], 1);
    QCOMPARE(engine.ReduceKeepMastersInto(0, counters), 0);
    for (int i = 0; i < 128; ++i)
        QCOMPARE(engine.result().numberCounters[i], 0);
}

void TestNumerologyReduce::reduceToFinal_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("expected");
    QTest::newRow("0") << 0 << 0 << 0;
    QTest::newRow("negative") << -5 << 0 << 0;
    QTest::newRow("29 keeps 11") << 29 << 0 << 11;
    QTest::newRow("44 mode 0") << 44 << 0 << 8;
    QTest::newRow("44 mode 1") << 44 << 1 << 44;
    QTest::newRow("9999") << 9999 << 0 << 9;
    QTest::newRow("10000 falls to 0") << 10000 << 0 << 0;
    QTest::newRow("1984 keeps 22") << 1984 << 0 << 22;
}

void TestNumerologyReduce::reduceToFinal()
{
    QFETCH(int, n);
    QFETCH(int, mode);
    CNumerology engine;
    engine.SetMasterMode(mode);
    QFETCH(int, expected);
    QCOMPARE(engine.ReduceToFinal(n), expected);
    // This reduction never counts.
    for (int i = 0; i < 128; ++i)
        QCOMPARE(engine.result().numberCounters[i], 0);
}

void TestNumerologyReduce::reduceCompat_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("expected");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("negative") << -3 << 0;
    QTest::newRow("7") << 7 << 7;
    QTest::newRow("11 becomes 2") << 11 << 2;
    QTest::newRow("22 becomes 4") << 22 << 4;
    QTest::newRow("33 becomes 6") << 33 << 6;
    QTest::newRow("1984 passes 22") << 1984 << 4;
}

void TestNumerologyReduce::reduceCompat()
{
    QFETCH(int, n);
    QFETCH(int, expected);
    QCOMPARE(CNumerology::ReduceCompat(n), expected);
}

void TestNumerologyReduce::letterValue_data()
{
    QTest::addColumn<QChar>("c");
    QTest::addColumn<bool>("chaldean");
    QTest::addColumn<bool>("reduceMasterLetters");
    QTest::addColumn<int>("expected");
    QTest::newRow("A") << QChar('A') << false << true << 1;
    QTest::newRow("I") << QChar('I') << false << true << 9;
    QTest::newRow("Z") << QChar('Z') << false << true << 8;
    QTest::newRow("K reduced") << QChar('K') << false << true << 2;
    QTest::newRow("K master") << QChar('K') << false << false << 11;
    QTest::newRow("V reduced") << QChar('V') << false << true << 4;
    QTest::newRow("V master") << QChar('V') << false << false << 22;
    QTest::newRow("T is never a master") << QChar('T') << false << false << 2;
    QTest::newRow("Chaldean K") << QChar('K') << true << true << 2;
    QTest::newRow("Chaldean K, option off") << QChar('K') << true << false << 2;
    QTest::newRow("Chaldean F") << QChar('F') << true << true << 8;
    QTest::newRow("Chaldean O") << QChar('O') << true << true << 7;
    QTest::newRow("digit at face value") << QChar('7') << false << true << 7;
    QTest::newRow("Chaldean digit") << QChar('9') << true << true << 9;
    QTest::newRow("lower case is worth 0") << QChar('a') << false << true << 0;
    QTest::newRow("space") << QChar(' ') << false << true << 0;
    QTest::newRow("accented letter") << QChar(0xC9) << false << true << 0;
    QTest::newRow("Cyrillic letter") << QChar(0x0416) << false << true << 0;
}

void TestNumerologyReduce::letterValue()
{
    QFETCH(QChar, c);
    QFETCH(bool, chaldean);
    QFETCH(bool, reduceMasterLetters);
    CalcOptions options;
    options.reduceMasterLetters = reduceMasterLetters;
    // The table follows the Chaldean flag of the instance's last calculation.
    CNumerology engine;
    engine.setCalcOptions(&options);
    PersonRecord person = calcOnly(makePerson(QStringLiteral("A"), QDate(2000, 1, 1)));
    person.chaldean = chaldean;
    engine.CalcNumerology(person);
    QFETCH(int, expected);
    QCOMPARE(engine.LetterValue(c), expected);
}

void TestNumerologyReduce::chaldeanHasNoNine()
{
    CNumerology engine;
    PersonRecord person = calcOnly(makePerson(QStringLiteral("A"), QDate(2000, 1, 1)));
    person.chaldean = true;
    engine.CalcNumerology(person);
    for (char c = 'A'; c <= 'Z'; ++c) {
        const int value = engine.LetterValue(QLatin1Char(c));
        QVERIFY2(value >= 1 && value <= 8, qPrintable(QString(QLatin1Char(c))));
    }
}

void TestNumerologyReduce::vowelTest_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<int>>("expected"); // one verdict per character
    QTest::newRow("WAYNE: W first, Y after A before a letter")
        << "WAYNE" << 0 << QList<int>{-1, 1, -1, -1, 1};
    QTest::newRow("MARY: final Y after R") << "MARY" << 0 << QList<int>{-1, 1, -1, 1};
    QTest::newRow("RAY: final Y after A") << "RAY" << 0 << QList<int>{-1, 1, -1};
    QTest::newRow("YVES: Y before V") << "YVES" << 0 << QList<int>{1, -1, 1, -1};
    QTest::newRow("YOLANDA: Y before O") << "YOLANDA" << 0 << QList<int>{-1, 1, -1, 1, -1, -1, 1};
    QTest::newRow("ANDREW: final W") << "ANDREW" << 0 << QList<int>{1, -1, -1, -1, 1, 1};
    QTest::newRow("EDWARD: W before A") << "EDWARD" << 0 << QList<int>{1, -1, -1, 1, -1, -1};
    QTest::newRow("NEWMAN: W before M") << "NEWMAN" << 0 << QList<int>{-1, 1, 1, -1, 1, -1};
    QTest::newRow("W before H") << "AWHA" << 0 << QList<int>{1, -1, -1, 1};
    QTest::newRow("lone Y is a vowel") << "Y" << 0 << QList<int>{1};
    QTest::newRow("Y after Y") << "AYYA" << 0 << QList<int>{1, -1, -1, 1};
    QTest::newRow("lower case judged upper-cased") << "mary" << 0 << QList<int>{-1, 1, -1, 1};
    QTest::newRow("digits and spaces are not letters") << "2 0" << 0 << QList<int>{0, 0, 0};
    QTest::newRow("W after a space starts a word") << "A WE" << 0 << QList<int>{1, 0, -1, 1};
    QTest::newRow("universal: Y vowel, W consonant") << "RAY ANDREW" << 1
        << QList<int>{-1, 1, 1, 0, 1, -1, -1, -1, 1, -1};
    QTest::newRow("unknown mode") << "MARY" << 2 << QList<int>{0, 0, 0, 0};
}

void TestNumerologyReduce::vowelTest()
{
    QFETCH(QString, text);
    QFETCH(int, mode);
    QFETCH(QList<int>, expected);
    QList<int> verdicts;
    for (int p = 0; p < text.size(); ++p)
        verdicts.append(CNumerology::VowelTest(text, p, mode));
    QCOMPARE(verdicts, expected);
    QCOMPARE(CNumerology::VowelTest(text, -1, mode), 0);
    QCOMPARE(CNumerology::VowelTest(text, text.size(), mode), 0);
}

void TestNumerologyReduce::wordSums()
{
    CNumerology engine;
    QCOMPARE(engine.WordSum(QStringLiteral("JOHN")), 20);
    QCOMPARE(engine.WordSum(QStringLiteral("2000")), 2);
    QCOMPARE(engine.WordSums(QStringLiteral("JOHN SMITH")), (QList<int>{20, 24}));
    QCOMPARE(engine.WordSums(QStringLiteral("JOHN  SMITH")), (QList<int>{20, 0, 24}));
    QCOMPARE(engine.WordSums(QString()), QList<int>{0});
}

void TestNumerologyReduce::wordSoundSums_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVector<int>>("marks");
    QTest::addColumn<QList<int>>("vowels");
    QTest::addColumn<QList<int>>("consonants");
    QTest::newRow("unmarked") << "JOHN SMITH" << QVector<int>{}
                              << QList<int>{6, 9} << QList<int>{14, 15};
    QTest::newRow("J marked a vowel") << "JOHN SMITH" << QVector<int>{1}
                                      << QList<int>{7, 9} << QList<int>{13, 15};
    // Position 5 is S: marks count the separating space.
    QTest::newRow("S marked a vowel") << "JOHN SMITH" << QVector<int>{0, 0, 0, 0, 0, 1}
                                      << QList<int>{6, 10} << QList<int>{14, 14};
    QTest::newRow("O marked a consonant") << "JOHN SMITH" << QVector<int>{0, 2}
                                          << QList<int>{0, 9} << QList<int>{20, 15};
    QTest::newRow("digits count only when marked") << "2000" << QVector<int>{1, 0, 0, 0}
                                                   << QList<int>{2} << QList<int>{0};
    QTest::newRow("short marks: the tail follows the vowel test") << "MARY" << QVector<int>{0}
                                                                 << QList<int>{8} << QList<int>{13};
}

void TestNumerologyReduce::wordSoundSums()
{
    QFETCH(QString, text);
    QFETCH(QVector<int>, marks);
    CNumerology engine;
    QFETCH(QList<int>, vowels);
    QCOMPARE(engine.WordSoundSums(text, true, marks, 0), vowels);
    QFETCH(QList<int>, consonants);
    QCOMPARE(engine.WordSoundSums(text, false, marks, 0), consonants);
}

void TestNumerologyReduce::nameTotalFollowsWordReduction()
{
    CalcOptions options;
    CNumerology engine;
    engine.setCalcOptions(&options);
    QCOMPARE(engine.NameTotal({20, 24}), 8); // 2 + 6
    QCOMPARE(engine.result().numberCounters[2], 1);
    QCOMPARE(engine.result().numberCounters[6], 1);
    options.reduceEachWord = false;
    QCOMPARE(engine.NameTotal({20, 24}), 44);
    QCOMPARE(engine.NameTotal({29, 0}), 29);
}

QTEST_GUILESS_MAIN(TestNumerologyReduce)
#include "test_numerology_reduce.moc"
