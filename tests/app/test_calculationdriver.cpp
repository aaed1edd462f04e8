// The calculation driver without a window: every engine in its order, the
// recent list, and what a refused name leaves behind.

#include "app/calculationdriver.h"
#include "engine/ccompnumerology.h"
#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"
#include "engine/messagereporter.h"

#include <QtTest>

namespace {
struct SilentReporter : CMessageReporter
{
    QStringList messages;
    void critical(const QString &, const QString &text) override { messages.append(text); }
};

PersonInput typed(const QString &full, const QDate &birth)
{
    PersonInput input;
    input.fullName = full;
    input.birthDate = birth;
    input.forecastDate = QDate(2024, 6, 10);
    return input;
}
} // namespace

class TestCalculationDriver : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void personPartnerAndPetThroughEveryEngine();
    void personAlone();
    void recentListKeepsCleanedInputsNewestFirst();
    void refusedNameKeepsTheLastPerson();
    void emptyNameCalculatesNothing();
    void preCalculationIsQuiet();
    void resetEmptiesEveryEngine();

private:
    SilentReporter m_reporter;
};

void TestCalculationDriver::init()
{
    setMessageReporter(&m_reporter);
    m_reporter.messages.clear();
}

void TestCalculationDriver::cleanup()
{
    setMessageReporter(nullptr);
}

void TestCalculationDriver::personPartnerAndPetThroughEveryEngine()
{
    CCalculationDriver driver(QString{});
    PersonInput input = typed(QStringLiteral("John Smith"), QDate(1990, 5, 17));
    input.partnerFullName = QStringLiteral("Mary Jones");
    input.partnerBirthDate = QDate(1985, 11, 29);
    input.petName = QStringLiteral("Rex");
    input.petBirthDate = QDate(2015, 3, 1);

    const CCalculationDriver::Outcome outcome = driver.calculate(input);
    QVERIFY(outcome.person && outcome.matrix && outcome.pet && outcome.compatibility);
    QVERIFY(outcome.calculated());
    // Life Path of 17 May 1990: 8 + 5 + 1/19 -> 5 (the window test's figure).
    QCOMPARE(driver.person().result().lifePath, 5);
    QCOMPARE(driver.partner().result().fullName, QStringLiteral("MARY JONES"));
    QCOMPARE(driver.pet().result().fullName, QStringLiteral("REX"));
    QVERIFY(!driver.personMatrix().document().isEmpty());
    QVERIFY(!driver.partnerMatrix().document().isEmpty());
    QVERIFY(!driver.compatibility().document().isEmpty());
    QVERIFY(!driver.celebrities().document().isEmpty());
    QVERIFY(m_reporter.messages.isEmpty());
}

void TestCalculationDriver::personAlone()
{
    CCalculationDriver driver(QString{});
    const CCalculationDriver::Outcome outcome = driver.calculate(typed(QStringLiteral("John Smith"),
                                                                       QDate(1990, 5, 17)));
    QVERIFY(outcome.calculated());
    QVERIFY(!outcome.pet);
    QVERIFY(!outcome.compatibility);
    QVERIFY(driver.compatibility().document().isEmpty());
}

void TestCalculationDriver::recentListKeepsCleanedInputsNewestFirst()
{
    CCalculationDriver driver(QString{});
    QSignalSpy changed(&driver, &CCalculationDriver::recentListChanged);
    driver.calculate(typed(QString::fromUtf8("Jos\xc3\xa9 O'Neil"), QDate(1990, 5, 17)));
    driver.calculate(typed(QStringLiteral("Mary Jones"), QDate(1985, 11, 29)));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(driver.recentList().size(), 2);
    QCOMPARE(driver.recentList().at(0).fullName, QStringLiteral("Mary Jones"));
    QCOMPARE(driver.recentList().at(1).fullName, QStringLiteral("Jose ONeil"));
    QCOMPARE(driver.lastInput().shortName, QStringLiteral("Mary Jones"));

    // Nine different people leave the eight newest.
    for (int i = 0; i < 9; ++i)
        driver.calculate(typed(QStringLiteral("Person Number"), QDate(1980 + i, 1, 1)));
    QCOMPARE(driver.recentList().size(), MAX_RECENT_ENTRIES);
    QCOMPARE(driver.recentList().first().birthDate, QDate(1988, 1, 1));
}

void TestCalculationDriver::refusedNameKeepsTheLastPerson()
{
    CCalculationDriver driver(QString{});
    driver.calculate(typed(QStringLiteral("John Smith"), QDate(1990, 5, 17)));
    const PersonInput before = driver.lastInput();

    // No vowel: the name check refuses it and says so once.
    const CCalculationDriver::Outcome outcome = driver.calculate(typed(QStringLiteral("Bcd"), QDate(1990, 5, 17)));
    QVERIFY(!outcome.person);
    QVERIFY(!outcome.calculated());
    QCOMPARE(m_reporter.messages, QStringList{QStringLiteral("Error! Incorrect full or short name!")});
    QCOMPARE(driver.recentList().size(), 1);
    QCOMPARE(driver.lastInput().fullName, before.fullName);
}

void TestCalculationDriver::emptyNameCalculatesNothing()
{
    CCalculationDriver driver(QString{});
    QSignalSpy changed(&driver, &CCalculationDriver::recentListChanged);
    const CCalculationDriver::Outcome outcome = driver.calculate(typed(QString::fromUtf8("\xd0\x98\xd0\xb2\xd0\xb0\xd0\xbd"),
                                                                       QDate(1990, 5, 17)));
    QVERIFY(!outcome.person && !outcome.matrix && !outcome.pet && !outcome.compatibility);
    QCOMPARE(changed.count(), 0);
    QVERIFY(m_reporter.messages.isEmpty());
}

void TestCalculationDriver::preCalculationIsQuiet()
{
    CCalculationDriver driver(QString{});
    // Calculate-only runs neither check the name nor build a report.
    const NumerologyResult &result = driver.preCalculate(typed(QStringLiteral("Bcd"), QDate(1990, 5, 17)), false);
    QCOMPARE(result.fullName, QStringLiteral("BCD"));
    QVERIFY(m_reporter.messages.isEmpty());
    QVERIFY(driver.person().document().isEmpty());
    QVERIFY(driver.recentList().isEmpty());
}

void TestCalculationDriver::resetEmptiesEveryEngine()
{
    CCalculationDriver driver(QString{});
    PersonInput input = typed(QStringLiteral("John Smith"), QDate(1990, 5, 17));
    input.partnerFullName = QStringLiteral("Mary Jones");
    input.petName = QStringLiteral("Rex");
    driver.calculate(input);
    driver.reset();
    QCOMPARE(driver.person().result().lifePath, -1);
    QCOMPARE(driver.pet().result().lifePath, -1);
    QCOMPARE(driver.partner().result().lifePath, -1);
    QVERIFY(driver.compatibility().document().isEmpty());
    QVERIFY(driver.personMatrix().document().isEmpty());
    // The recent list is the user's, not a result: it stays.
    QCOMPARE(driver.recentList().size(), 1);
}

QTEST_GUILESS_MAIN(TestCalculationDriver)
#include "test_calculationdriver.moc"
