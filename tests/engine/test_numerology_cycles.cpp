// Challenges, pinnacles, their age spans and the life path periods.

#include "enginefixture.h"

#include <QtTest>

class TestNumerologyCycles : public QObject
{
    Q_OBJECT

private slots:
    void cycles_data();
    void cycles();
    void lifeCycleSpans();
};

void TestNumerologyCycles::cycles_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<bool>("method2");
    QTest::addColumn<QString>("challenges");
    QTest::addColumn<QString>("pinnacles");
    QTest::addColumn<QString>("ageSpans");
    QTest::addColumn<QString>("periods");
    QTest::addColumn<QString>("periodSpans");
    // D' 8, M' 5, Y' 1; Life Path 5.
    QTest::newRow("17 May 1990") << QDate(1990, 5, 17) << false << "3, 7, 4, 4" << "4, 9, 4, 6"
                                 << "0-31-40-49-E" << "5, 8, 1" << "0-31,32-58,59-E";
    // Day 29 (11) and month 11: c1 is 0, P1 = 11 + 11 = 22, P3 = 22 + 7 = 29 -> 11.
    QTest::newRow("29 Nov 1985") << QDate(1985, 11, 29) << false << "0, 3, 3, 3" << "4/22, 7, 2/11, 7"
                                 << "0-27-36-45-E" << "2, 2, 5" << "0-27,28-54,55-E";
    // Life Path 11 uses its digit 2.
    QTest::newRow("Life Path 11") << QDate(2006, 1, 2) << false << "1, 6, 5, 7" << "3, 1, 4, 9"
                                  << "0-34-43-52-E" << "1, 2, 8" << "0-25,26-52,53-E";
    // Life Path 22 (method 2) uses its digit 4.
    QTest::newRow("Life Path 22") << QDate(1980, 1, 3) << true << "2, 6, 4, 8" << "4, 3, 7, 1"
                                  << "0-32-41-50-E" << "1, 3, 9" << "0-23,24-59,60-E";
    // Life Path 1 ends its first period at 26; P3 = 2 + 9 keeps 11.
    QTest::newRow("Life Path 1") << QDate(1997, 1, 1) << false << "0, 7, 7, 7" << "2, 9, 2/11, 9"
                                 << "0-35-44-53-E" << "1, 1, 8" << "0-26,27-53,54-E";
}

void TestNumerologyCycles::cycles()
{
    QFETCH(QDate, birth);
    QFETCH(bool, method2);
    CalcOptions options;
    options.lifePathMethod2 = method2;
    CNumerology engine;
    engine.setCalcOptions(&options);
    QVERIFY(engine.CalcNumerology(makePerson(QStringLiteral("JOHN SMITH"), birth)));
    const NumerologyResult &r = engine.result();
    QTEST(r.challengesText, "challenges");
    QTEST(r.pinnaclesText, "pinnacles");
    QTEST(r.ageSpansText, "ageSpans");
    QTEST(r.lifePathPeriodsText, "periods");
    QTEST(r.periodSpansText, "periodSpans");
    QFETCH(QString, challenges);
    const QStringList parts = challenges.split(QLatin1String(", "));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(r.challenges[i], parts.at(i).toInt());
}

void TestNumerologyCycles::lifeCycleSpans()
{
    CNumerology engine;
    QVERIFY(engine.CalcNumerology(makePerson(QStringLiteral("JOHN SMITH"), QDate(1990, 5, 17))));
    const NumerologyReportValues &v = engine.reportValues();
    QCOMPARE((QStringList{v.lifeCycleSpans[0], v.lifeCycleSpans[1], v.lifeCycleSpans[2], v.lifeCycleSpans[3]}),
             (QStringList{"0-31", "31-40", "40-49", "49-E"}));
    QCOMPARE((QList<int>{v.pinnacles[0], v.pinnacles[1], v.pinnacles[2], v.pinnacles[3]}),
             (QList<int>{4, 9, 4, 6}));
}

QTEST_GUILESS_MAIN(TestNumerologyCycles)
#include "test_numerology_cycles.moc"
