// The engine's fast path for name numbers (WordNumbers, NameNumbersOf,
// LifePathOf) against the chart itself, on every name of the shipped list
// with surnames of different shapes, under each letter table, vowel mode,
// master mode and word reduction: the finder's numbers are the chart's.

#include "engine/cnumerology.h"
#include "engine/enginefixture.h"

#include <QtTest>

namespace {

QStringList listedNames()
{
    QFile file(QStringLiteral(SORVEL_GIVEN_NAMES_SOURCE));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList names;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        names.append(QString::fromLatin1(line.left(line.indexOf(','))).toUpper());
    }
    return names;
}

// The fast path over a whole name, split at every space as the chart splits it.
NameNumbers fastNumbers(const CNumerology &engine, const QString &name, int vowelMode)
{
    QVector<WordNumberSums> sums;
    for (const QString &word : name.split(QLatin1Char(' ')))
        sums.append(engine.WordNumbers(word, vowelMode));
    return engine.NameNumbersOf(sums.constData(), sums.size());
}

} // namespace

class TestNameFastPath : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void coreNumbersOfEveryListedName_data();
    void coreNumbersOfEveryListedName();
    void totalsAndKarmicDebtAgainstTheChart_data();
    void totalsAndKarmicDebtAgainstTheChart();
    void lifePath_data();
    void lifePath();

private:
    QStringList m_names;
};

void TestNameFastPath::initTestCase()
{
    m_names = listedNames();
    QVERIFY(m_names.size() >= 5000);
}

void TestNameFastPath::coreNumbersOfEveryListedName_data()
{
    QTest::addColumn<bool>("chaldean");
    QTest::addColumn<int>("vowelMode");
    QTest::addColumn<int>("masterMode");
    QTest::addColumn<bool>("reduceEachWord");
    QTest::addColumn<bool>("reduceMasterLetters");
    for (const bool chaldean : {false, true})
        for (const int vowelMode : {0, 1})
            for (const int masterMode : {0, 1})
                for (const bool reduceEachWord : {true, false}) {
                    const QByteArray row = QByteArray(chaldean ? "chaldean" : "western") +
                                           (vowelMode ? " universal" : " english") + " mode " +
                                           QByteArray::number(masterMode) + (reduceEachWord ? "" : " whole");
                    QTest::newRow(row.constData()) << chaldean << vowelMode << masterMode << reduceEachWord << true;
                }
    QTest::newRow("western, K and V worth 11 and 22") << false << 0 << 0 << true << false;
}

void TestNameFastPath::coreNumbersOfEveryListedName()
{
    QFETCH(bool, chaldean);
    QFETCH(int, vowelMode);
    QFETCH(int, masterMode);
    QFETCH(bool, reduceEachWord);
    QFETCH(bool, reduceMasterLetters);
    CalcOptions options;
    options.reduceEachWord = reduceEachWord;
    options.reduceMasterLetters = reduceMasterLetters;
    CNumerology chart;
    CNumerology fast;
    for (CNumerology *engine : {&chart, &fast}) {
        engine->setCalcOptions(&options);
        engine->SetMasterMode(masterMode);
    }
    fast.SetChaldean(chaldean);
    // Surnames of other shapes: none, Y and W beside vowels, several words,
    // a digit, an initial.
    const QStringList tails = {"", " SMITH", " WAYNE YOUNG", " DE LA CRUZ", " Q KYLE", " BAY 2000", " MCCOY"};
    int compared = 0;
    for (const QString &given : qAsConst(m_names)) {
        for (const QString &tail : tails) {
            const QString name = given + tail;
            PersonRecord person = makePerson(name, QDate(1990, 5, 17));
            person.chaldean = chaldean;
            person.vowelMode = vowelMode;
            const CoreNumbers expected = chart.CalcCoreNumbers(person);
            const NameNumbers got = fastNumbers(fast, name, vowelMode);
            if (got.expression != expected.expression || got.heartsDesire != expected.heartsDesire ||
                got.personality != expected.personality) {
                QFAIL(qPrintable(QStringLiteral("%1: fast %2 %3 %4, chart %5 %6 %7")
                                     .arg(name)
                                     .arg(got.expression)
                                     .arg(got.heartsDesire)
                                     .arg(got.personality)
                                     .arg(expected.expression)
                                     .arg(expected.heartsDesire)
                                     .arg(expected.personality)));
            }
            ++compared;
        }
    }
    QCOMPARE(compared, m_names.size() * tails.size());
}

void TestNameFastPath::totalsAndKarmicDebtAgainstTheChart_data()
{
    QTest::addColumn<bool>("chaldean");
    QTest::addColumn<bool>("reduceEachWord");
    QTest::newRow("western") << false << true;
    QTest::newRow("chaldean") << true << true;
    QTest::newRow("western, words not reduced") << false << false;
}

void TestNameFastPath::totalsAndKarmicDebtAgainstTheChart()
{
    // The whole chart of NAME with itself as the short name, born 1 January
    // 2000 (chains 1, 1, 2 and 4: no debt of their own): its Karmic Debts are
    // the debts of the name's totals, which the fast path must see too.
    QFETCH(bool, chaldean);
    QFETCH(bool, reduceEachWord);
    CalcOptions options;
    options.reduceEachWord = reduceEachWord;
    CNumerology chart;
    CNumerology fast;
    chart.setCalcOptions(&options);
    fast.setCalcOptions(&options);
    fast.SetChaldean(chaldean);
    int withDebt = 0;
    int checked = 0;
    for (int i = 0; i < m_names.size(); i += 7) {
        const QString name = m_names.at(i) + QStringLiteral(" SMITH");
        PersonRecord person = calcOnly(makePerson(name, QDate(2000, 1, 1)));
        person.chaldean = chaldean;
        chart.CalcNumerology(person);
        const NameNumbers got = fastNumbers(fast, name, 0);
        QCOMPARE(got.expressionTotal, chart.result().compoundNumber);
        QCOMPARE(got.heartsDesire, chart.reportValues().heartsDesire);
        QCOMPARE(got.personality, chart.reportValues().personality);
        const bool chartDebt = chart.result().karmicDebtsText != QLatin1String("-");
        QVERIFY2(got.karmicDebt == chartDebt, qPrintable(name + QLatin1String(": ") + chart.result().karmicDebtsText));
        withDebt += chartDebt ? 1 : 0;
        ++checked;
    }
    // Both kinds occur, so the comparison showed something.
    QVERIFY(withDebt > 0 && withDebt < checked);
}

void TestNameFastPath::lifePath_data()
{
    QTest::addColumn<QString>("methods");
    QTest::newRow("method 1") << "1";
    QTest::newRow("methods 1 and 2") << "12";
    QTest::newRow("all three") << "123";
}

void TestNameFastPath::lifePath()
{
    QFETCH(QString, methods);
    CalcOptions options;
    options.lifePathMethod1 = methods.contains(QLatin1Char('1'));
    options.lifePathMethod2 = methods.contains(QLatin1Char('2'));
    options.lifePathMethod3 = methods.contains(QLatin1Char('3'));
    CNumerology engine;
    engine.setCalcOptions(&options);
    for (QDate day(1950, 1, 1); day.year() < 2030; day = day.addDays(37)) {
        const CoreNumbers chart = engine.CalcCoreNumbers(makePerson(QStringLiteral("ANNA"), day));
        QCOMPARE(engine.LifePathOf(day), chart.lifePath);
    }
}

QTEST_GUILESS_MAIN(TestNameFastPath)
#include "test_namefastpath.moc"
