// Personal year, month and day, ages, transit letters and essence.

#include "enginefixture.h"

#include <QtTest>

class TestNumerologyForecast : public QObject
{
    Q_OBJECT

private slots:
    void personalNumbers();
    void personalYearOfTheBirthYear();
    void ageAt_data();
    void ageAt();
    void transits_data();
    void transits();
    void essence_data();
    void essence();
    void masterLetterTransits();
    void lettersWorthNothingEndTheCalculation();
};

void TestNumerologyForecast::personalNumbers()
{
    // Born 17 May 1990: D' 8, M' 5, b = R(13) = 4.
    CNumerology engine;
    QVERIFY(engine.CalcNumerology(makePerson(QStringLiteral("JOHN SMITH"), QDate(1990, 5, 17),
                                             QDate(2024, 6, 21))));
    QCOMPARE(engine.result().birthDayMonthDigit, 4);
    QCOMPARE(engine.result().forecastYear, 2024);
    QCOMPARE(engine.result().personalYearText, QStringLiteral("3")); // R(8 + 4)
    QCOMPARE(engine.PersonalYear(2024), 3);
    QCOMPARE(engine.PersonalMonth(2024, 6), 9);                      // R(3 + 6)
    QCOMPARE(engine.PersonalDay(QDate(2024, 6, 21)), 3);             // R(9 + 3)
    QCOMPARE(engine.PersonalMonth(2024, 12), 6);                     // R(3 + R(12))
    QCOMPARE(engine.PersonalDay(QDate(2024, 12, 29)), 8);            // R(6 + R(29))
}

void TestNumerologyForecast::personalYearOfTheBirthYear()
{
    // Born 2 Jan 2006: Life Path 11, but the birth year's personal year is
    // R(R(2006) + R(2 + 1)) = R(8 + 3) = 2.
    CNumerology engine;
    QVERIFY(engine.CalcNumerology(makePerson(QStringLiteral("JOHN SMITH"), QDate(2006, 1, 2))));
    QCOMPARE(engine.result().lifePath, 11);
    QCOMPARE(engine.PersonalYear(2006), 2);
}

void TestNumerologyForecast::ageAt_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("age");
    QTest::newRow("leap day, day before") << QDate(2000, 2, 29) << QDate(2023, 2, 28) << 22;
    QTest::newRow("leap day, March") << QDate(2000, 2, 29) << QDate(2023, 3, 1) << 23;
    QTest::newRow("on the birthday") << QDate(1990, 5, 17) << QDate(2024, 5, 17) << 34;
    QTest::newRow("day before the birthday") << QDate(1990, 5, 17) << QDate(2024, 5, 16) << 33;
    QTest::newRow("before birth") << QDate(1990, 5, 17) << QDate(1989, 1, 1) << -2;
}

void TestNumerologyForecast::ageAt()
{
    QFETCH(QDate, birth);
    QFETCH(QDate, date);
    QFETCH(int, age);
    QCOMPARE(CNumerology::AgeAt(birth, date), age);
}

// Builds the expected transit text from a cycle of (letter, years) pairs.
static QString cycle(const QString &letters, const QList<int> &years)
{
    QString text;
    while (text.size() < 128)
        for (int i = 0; i < letters.size(); ++i)
            text += QString(years.at(i), letters.at(i));
    return text.left(128);
}

void TestNumerologyForecast::transits_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("noSubstitute");
    QTest::addColumn<QString>("physical");
    QTest::addColumn<QString>("mental");
    QTest::addColumn<QString>("spiritual");
    const QString john = cycle("JOHN", {1, 6, 8, 5});
    const QString smith = cycle("SMITH", {1, 4, 9, 2, 8});
    const QString blank(128, QLatin1Char(' '));
    QTest::newRow("two words: SMITH stands in for the mental part")
        << "JOHN SMITH" << false << john << smith << smith;
    QTest::newRow("two words, no substitutes") << "JOHN SMITH" << true << john << blank << smith;
    QTest::newRow("middle names joined") << "JOHN A B SMITH" << false << john << cycle("AB", {1, 2}) << smith;
    QTest::newRow("one word") << "JOHN" << false << john << john << john;
    QTest::newRow("one word, no substitutes") << "JOHN" << true << john << blank << blank;
    QTest::newRow("digits only first word becomes X")
        << "2000 ADAMS" << false << QString(128, QLatin1Char('X')) << cycle("ADAMS", {1, 4, 1, 4, 1})
        << cycle("ADAMS", {1, 4, 1, 4, 1});
    QTest::newRow("digits inside a word drop out") << "JO2HN SMITH" << false << john << smith << smith;
}

void TestNumerologyForecast::transits()
{
    QFETCH(QString, name);
    QFETCH(bool, noSubstitute);
    CalcOptions options;
    options.noSubstituteTransits = noSubstitute;
    CNumerology engine;
    engine.setCalcOptions(&options);
    QVERIFY(engine.CalcNumerology(calcOnly(makePerson(name, QDate(1990, 5, 17)))));
    QTEST(engine.result().physicalTransits, "physical");
    QTEST(engine.result().mentalTransits, "mental");
    QTEST(engine.result().spiritualTransits, "spiritual");
}

void TestNumerologyForecast::essence_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("noSubstitute");
    QTest::addColumn<int>("age");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("essence");
    QTest::newRow("JOHN SMITH age 0: J S S") << "JOHN SMITH" << false << 0 << 3 << 3;
    QTest::newRow("JOHN SMITH age 1: O M M") << "JOHN SMITH" << false << 1 << 14 << 5;
    QTest::newRow("no substitutes: J and S only") << "JOHN SMITH" << true << 0 << 2 << 2;
    QTest::newRow("one word, no substitutes: H alone") << "JOHN" << true << 7 << 8 << 8;
    QTest::newRow("16 stays 16") << "D F F" << false << 0 << 16 << 16;
    QTest::newRow("19 stays 19") << "A I I" << false << 0 << 19 << 19;
    QTest::newRow("13 reduces to 4") << "A F F" << false << 0 << 13 << 4;
    QTest::newRow("11 is kept") << "A E E" << false << 0 << 11 << 11;
}

void TestNumerologyForecast::essence()
{
    QFETCH(QString, name);
    QFETCH(bool, noSubstitute);
    QFETCH(int, age);
    CalcOptions options;
    options.noSubstituteTransits = noSubstitute;
    CNumerology engine;
    engine.setCalcOptions(&options);
    QVERIFY(engine.CalcNumerology(calcOnly(makePerson(name, QDate(1990, 5, 17)))));
    QTEST(engine.result().essenceTotals[age], "total");
    QTEST(engine.result().essenceNumbers[age], "essence");
}

void TestNumerologyForecast::masterLetterTransits()
{
    // With master letter values kept, K rules 11 years and V 22.
    CalcOptions options;
    options.reduceMasterLetters = false;
    CNumerology engine;
    engine.setCalcOptions(&options);
    QVERIFY(engine.CalcNumerology(calcOnly(makePerson(QStringLiteral("KAV"), QDate(1990, 5, 17)))));
    QCOMPARE(engine.result().physicalTransits, cycle("KAV", {11, 1, 22}));
}

void TestNumerologyForecast::lettersWorthNothingEndTheCalculation()
{
    // Uncleaned input: Cyrillic letters are letters but are worth nothing.
    const QString cyrillic = QString::fromUtf8("\xd0\x96\xd0\x96");
    CNumerology engine;
    QVERIFY(engine.CalcNumerology(calcOnly(makePerson(cyrillic + QStringLiteral(" SMITH"), QDate(1990, 5, 17)))));
    QCOMPARE(engine.result().physicalTransits, QString(128, QLatin1Char('X')));
    QVERIFY(engine.CalcNumerology(calcOnly(makePerson(QStringLiteral("JOHN ") + cyrillic, QDate(1990, 5, 17)))));
    QCOMPARE(engine.result().spiritualTransits, QString(128, QLatin1Char(' ')));
    QCOMPARE(engine.result().mentalTransits, QString(128, QLatin1Char(' ')));
    // Age 0: J only.
    QCOMPARE(engine.result().essenceTotals[0], 1);
}

QTEST_GUILESS_MAIN(TestNumerologyForecast)
#include "test_numerology_forecast.moc"
