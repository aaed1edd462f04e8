// sorvel-cli chart: options, JSON output and exit statuses.

#include "clirunner.h"

#include <QJsonArray>
#include <QtTest>

class TestCliChart : public QObject
{
    Q_OBJECT

private slots:
    void chartOfAPerson();
    void options_data();
    void options();
    void badUsage_data();
    void badUsage();
    void nameCheck();
    void nameCheckSaysWhichNameAndWhy_data();
    void nameCheckSaysWhichNameAndWhy();
    void help();
};

static const QStringList JOHN = {"chart", "--full", "John Quincy Smith", "--birth", "1990-05-17",
                                 "--forecast", "2024-06-21"};

void TestCliChart::chartOfAPerson()
{
    const CliRun run = runCli(JOHN);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    const QJsonObject chart = run.json();
    QCOMPARE(chart["fullName"].toString(), QStringLiteral("JOHN QUINCY SMITH"));
    QCOMPARE(chart["shortName"].toString(), QStringLiteral("JOHN SMITH")); // derived
    QCOMPARE(chart["birthDate"].toString(), QStringLiteral("1990-05-17"));
    QCOMPARE(chart["forecastDate"].toString(), QStringLiteral("2024-06-21"));
    QCOMPARE(chart["lifePath"].toInt(), 5);
    QCOMPARE(chart["lifePathText"].toString(), QStringLiteral("8+5+1/19=14=5"));
    QCOMPARE(chart["minorExpressionLine"].toString(), QStringLiteral("=2/20+6/24=8"));
    QCOMPARE(chart["challenges"].toArray(), (QJsonArray{3, 7, 4, 4}));
    QCOMPARE(chart["pinnacles"].toArray(), (QJsonArray{4, 9, 4, 6}));
    QCOMPARE(chart["personalYearText"].toString(), QStringLiteral("3"));
    QCOMPARE(chart["personalMonth"].toInt(), 9);
    QCOMPARE(chart["personalDay"].toInt(), 3);
    QCOMPARE(chart["age"].toInt(), 34);
    QCOMPARE(chart["planesLetters"].toArray().size(), 20);
    QCOMPARE(chart["planeGroupCounts"].toArray().size(), 12);
    QCOMPARE(chart["letterCounts"].toArray().size(), 26);
    QCOMPARE(chart["physicalTransits"].toString().size(), 128);
    QCOMPARE(chart["essenceNumbers"].toArray().size(), 128);
    QCOMPARE(chart["essenceTotals"].toArray().size(), 128);
    QVERIFY(chart["mentalTransits"].toString().startsWith(QLatin1String("QQQQQQQQUUU")));
}

void TestCliChart::options_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("method 2") << QStringList{"--lp-methods", "2"} << "lifePathText" << "2012=5";
    QTest::newRow("methods 1,2") << QStringList{"--lp-methods", "1,2"} << "lifePathText" << "8+5+1/19=14=5";
    // Method 1 alone gives 3+1+9/18=13=4: the 2 after the blank is taken.
    QTest::newRow("methods 1, 2 with a blank")
        << QStringList{"--birth", "1980-01-03", "--lp-methods", "1, 2"} << "lifePathText"
        << "1984=22";
    QTest::newRow("no word reduce") << QStringList{"--no-word-reduce", "--short", "John Smith"}
                                    << "minorExpressionLine" << "=2/20+6/24=44=8";
    // K is 11: JACK = 1 + 1 + 3 + 11 (7 with K as 2).
    QTest::newRow("keep master letters") << QStringList{"--keep-master-letters", "--short", "Jack"}
                                         << "minorExpressionLine" << "=7/16=7";
    QTest::newRow("short name given") << QStringList{"--short", "Johnny"} << "shortName" << "JOHNNY";
    QTest::newRow("chaldean") << QStringList{"--chaldean", "--short", "John"}
                              << "minorExpressionLine" << "=9/18=9"; // J 1, O 7, H 5, N 5
    QTest::newRow("universal vowels") << QStringList{"--vowels", "universal", "--short", "Ray"}
                                      << "minorHeartsDesireLine" << "=8=8";
    QTest::newRow("english vowels") << QStringList{"--vowels", "english", "--short", "Ray"}
                                    << "minorHeartsDesireLine" << "=1=1";
    QTest::newRow("marks on the short name") << QStringList{"--short", "Ray", "--marks-short", "100"}
                                             << "shortVowelRow" << "91 ";
    QTest::newRow("no missed transits") << QStringList{"--full", "John Smith", "--no-missed-transits"}
                                        << "mentalTransits" << QString(128, QLatin1Char(' '));
    // The unreduced total 44 is kept as a master in mode 1 (mode 0 gives =44=8).
    QTest::newRow("master mode 1") << QStringList{"--master-mode", "1", "--no-word-reduce", "--short", "John Smith"}
                                   << "minorExpressionLine" << "=2/20+6/24=44";
}

void TestCliChart::options()
{
    QFETCH(QStringList, extra);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const CliRun run = runCli(JOHN + extra);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.json()[key].toString(), expected);
}

void TestCliChart::badUsage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("complaint");
    QTest::newRow("unknown option") << QStringList{"chart", "--full", "A", "--birth", "1990-01-01", "--bogus"} << "bogus";
    QTest::newRow("missing --full") << QStringList{"chart", "--birth", "1990-01-01"} << "--full";
    QTest::newRow("missing --birth") << QStringList{"chart", "--full", "John"} << "--birth";
    QTest::newRow("impossible date") << QStringList{"chart", "--full", "John", "--birth", "2023-02-30"} << "2023-02-30";
    QTest::newRow("not a date") << QStringList{"chart", "--full", "John", "--birth", "17.05.1990"} << "--birth";
    QTest::newRow("bad forecast") << QStringList{"chart", "--full", "John", "--birth", "1990-05-17", "--forecast", "2024-13-01"} << "--forecast";
    QTest::newRow("bad marks") << QStringList{"chart", "--full", "John", "--birth", "1990-05-17", "--marks-full", "013"} << "--marks-full";
    QTest::newRow("marks longer than the name")
        << QStringList{"chart", "--full", "John", "--birth", "1990-05-17", "--marks-full", "00000"}
        << "--marks-full: expected 4 marks, one per character of \"John\", got 5";
    QTest::newRow("marks shorter than the short name")
        << QStringList{"chart", "--full", "John Smith", "--short", "Ray", "--birth", "1990-05-17"} +
               QStringList{"--marks-short", "10"}
        << "--marks-short: expected 3 marks";
    QTest::newRow("marks for the space too")
        << QStringList{"chart", "--full", "Jo Ann", "--birth", "1990-05-17", "--marks-full", "00000"}
        << "--marks-full: expected 6 marks";
    QTest::newRow("birth with trailing characters")
        << QStringList{"chart", "--full", "John", "--birth", "1990-05-17x"} << "--birth";
    QTest::newRow("forecast with a trailing blank")
        << QStringList{"chart", "--full", "John", "--birth", "1990-05-17", "--forecast", "2024-06-21 "}
        << "--forecast";
    QTest::newRow("letters as marks") << QStringList{"chart", "--full", "John", "--birth", "1990-05-17", "--marks-short", "ab"} << "--marks-short";
    QTest::newRow("bad method") << QStringList{"chart", "--full", "John", "--birth", "1990-05-17", "--lp-methods", "1,4"} << "--lp-methods";
    QTest::newRow("bad vowel mode") << QStringList{"chart", "--full", "John", "--birth", "1990-05-17", "--vowels", "french"} << "--vowels";
    QTest::newRow("bad master mode") << QStringList{"chart", "--full", "John", "--birth", "1990-05-17", "--master-mode", "2"} << "--master-mode";
    QTest::newRow("stray argument") << QStringList{"chart", "--full", "John", "--birth", "1990-05-17", "extra"} << "extra";
    QTest::newRow("unknown command") << QStringList{"charts"} << "charts";
    // Birth dates the window refuses: before 1800 or over a year from today.
    const QString nextYear = QDate::currentDate().addYears(1).addDays(1).toString(Qt::ISODate);
    QTest::newRow("born in year 1") << QStringList{"chart", "--full", "John", "--birth", "0001-01-01"}
                                    << "0001-01-01 is not a birth date between 1800-01-01";
    QTest::newRow("born the day before 1800") << QStringList{"chart", "--full", "John", "--birth", "1799-12-31"}
                                              << "--birth: 1799-12-31";
    QTest::newRow("born in 2090") << QStringList{"chart", "--full", "John", "--birth", "2090-12-31"}
                                  << "--birth: 2090-12-31";
    QTest::newRow("born over a year from today") << QStringList{"chart", "--full", "John", "--birth", nextYear}
                                                 << "--birth: " + nextYear;
    QTest::newRow("partner born in 2090")
        << QStringList{"compat", "--full", "John", "--birth", "1990-05-17", "--partner-full", "Mary",
                       "--partner-birth", "2090-01-01"}
        << "--partner-birth: 2090-01-01";
}

void TestCliChart::badUsage()
{
    QFETCH(QStringList, args);
    QFETCH(QString, complaint);
    const CliRun run = runCli(args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    const QString err = QString::fromUtf8(run.err);
    QCOMPARE(err.count(QLatin1Char('\n')), 1);
    QVERIFY2(err.contains(complaint), qPrintable(err));
}

void TestCliChart::nameCheck()
{
    const QStringList digits = {"chart", "--full", "1990", "--birth", "1990-05-17"};
    const CliRun rejected = runCli(digits);
    QCOMPARE(rejected.exitCode, 3);
    QVERIFY(rejected.out.isEmpty());
    QVERIFY(rejected.err.contains("Error! Incorrect full or short name!"));

    const CliRun calculated = runCli(digits + QStringList{"--calc-only"});
    QCOMPARE(calculated.exitCode, 0);
    QCOMPARE(calculated.json()["expression"].toInt(), 1);
}

// The engine's message, then which name failed and why, on one line.
void TestCliChart::nameCheckSaysWhichNameAndWhy_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("why");
    QTest::newRow("digits only") << QStringList{"--full", "1990"} << "The full name \"1990\" has no vowels.";
    QTest::newRow("no consonants") << QStringList{"--full", "Aei"}
                                   << "The full name \"Aei\" has no consonants.";
    QTest::newRow("zeros only") << QStringList{"--full", "000"} << "The full name \"000\" has no letters.";
    QTest::newRow("short name without vowels")
        << QStringList{"--full", "John Smith", "--short", "Brr"} << "The short name \"Brr\" has no vowels.";
    QTest::newRow("nothing left once cleaned")
        << QStringList{"--full", QString::fromUtf8("\u674e\u5c0f\u9f99")}
        << "The full name is empty once cleaned: only Latin letters, digits and spaces count.";
    QTest::newRow("marks that leave no vowel")
        << QStringList{"--full", "John", "--marks-full", "2222"}
        << "The full name \"John\" has no vowels with the marks given.";
}

void TestCliChart::nameCheckSaysWhichNameAndWhy()
{
    QFETCH(QStringList, names);
    QFETCH(QString, why);
    const CliRun run = runCli(QStringList{"chart", "--birth", "1990-05-17"} + names);
    QCOMPARE(run.exitCode, 3);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(QString::fromUtf8(run.err), QLatin1String("Error! Incorrect full or short name! ") + why + '\n');
}

void TestCliChart::help()
{
    const CliRun run = runCli({"--help"});
    QCOMPARE(run.exitCode, 0);
    for (const char *option : {"--full", "--birth", "--short", "--forecast", "--chaldean", "--vowels",
                               "--marks-full", "--marks-short", "--lp-methods", "--no-word-reduce",
                               "--keep-master-letters", "--no-missed-transits", "--master-mode",
                               "--calc-only"})
        QVERIFY2(run.out.contains(option), option);
}

QTEST_GUILESS_MAIN(TestCliChart)
#include "test_cli_chart.moc"
