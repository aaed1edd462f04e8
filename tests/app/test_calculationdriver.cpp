// The calculation driver without a window: every engine in its order, the
// recent list, and what a refused name leaves behind.

#include "app/calculationdriver.h"
#include "engine/ccompnumerology.h"
#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"
#include "engine/messagereporter.h"

#include <QtTest>

#include <functional>

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

Q_DECLARE_METATYPE(PersonInput)

class TestCalculationDriver : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void personPartnerAndPetThroughEveryEngine();
    void personAlone();
    void optionsReachEveryEngine();
    void recentListKeepsCleanedInputsNewestFirst();
    void refusedNameKeepsTheLastPerson_data();
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

// The options handed to the driver are what each of its engines calculates
// with: every reading equals an engine of its own given the same options,
// and differs from what the defaults give (Life Path by method 2 alone, K
// and V kept at 11 and 22).
void TestCalculationDriver::optionsReachEveryEngine()
{
    CalcOptions options;
    options.lifePathMethod1 = false;
    options.lifePathMethod2 = true;
    options.reduceMasterLetters = false;
    CCalculationDriver driver(QString{});
    driver.setOptions(options);
    PersonInput input = typed(QStringLiteral("Kevin Vale"), QDate(1990, 5, 17));
    input.partnerFullName = QStringLiteral("Vera Kirk");
    input.partnerBirthDate = QDate(1985, 11, 29);
    input.petName = QStringLiteral("Vik");
    input.petBirthDate = QDate(2015, 3, 1);
    QVERIFY(driver.calculate(input).compatibility);
    QVERIFY(driver.calculateAdvisor(QStringLiteral("Kevin Vale"), QDate(2024, 6, 10), false));

    // What a reading shows of the options: its date number and its name line.
    const auto shown = [](const CNumerology &engine) {
        return engine.result().lifePathText + QLatin1Char('|') + engine.result().expressionLine;
    };
    const PersonInput cleaned = cleanedInput(input);
    const std::function<void(CNumerology &)> readings[] = {
        [&](CNumerology &e) { e.CalcNumerology(personRecord(cleaned)); },
        [&](CNumerology &e) { e.CalcNumerology(partnerRecord(cleaned)); },
        [&](CNumerology &e) { e.CalcPetNum(cleaned.petName, cleaned.petBirthDate, cleaned.forecastDate); },
        [&](CNumerology &e) { e.CalcCelebrities(cleaned.fullName, cleaned.birthDate, false, 0); },
        [&](CNumerology &e) { e.CalcAnNum(driver.advisorName(), QDate(2024, 6, 10), false); },
    };
    const CNumerology *engines[] = {&driver.person(), &driver.partner(), &driver.pet(), &driver.celebrities(),
                                    &driver.advisor()};
    for (int i = 0; i < 5; ++i) {
        CNumerology withOptions;
        withOptions.setCalcOptions(&options);
        readings[i](withOptions);
        CNumerology withDefaults;
        readings[i](withDefaults);
        QVERIFY2(shown(withOptions) != shown(withDefaults), qPrintable(shown(withDefaults)));
        QCOMPARE(shown(*engines[i]), shown(withOptions));
    }
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

void TestCalculationDriver::refusedNameKeepsTheLastPerson_data()
{
    QTest::addColumn<PersonInput>("input");
    QTest::addColumn<QString>("reason"); // the refusal, whole
    const QDate birth(1990, 5, 17);
    const QString ivan = QString::fromUtf8("\xd0\x98\xd0\xb2\xd0\xb0\xd0\xbd");
    const QString ivanLetters = QString::fromUtf8("\xd0\x98, \xd0\xb2, \xd0\xb0, \xd0\xbd");
    QTest::newRow("cyrillic full name")
        << typed(ivan + QStringLiteral(" ") + ivan, birth)
        << QString("The full name is empty once cleaned: only Latin letters, digits and spaces count. Ignored: " +
                   ivanLetters + ". Please write the full name in Latin letters (A to Z).");
    QTest::newRow("no vowel") << typed(QStringLiteral("Bcd"), birth)
                              << QStringLiteral("The full name \"Bcd\" has no vowels.");
    QTest::newRow("digits only") << typed(QStringLiteral("12345 67890"), birth)
                                 << QStringLiteral("The full name \"12345 67890\" has no vowels.");
    PersonInput shortName = typed(QStringLiteral("Anna Lee"), birth);
    shortName.shortName = QStringLiteral("***");
    QTest::newRow("short name cleaned away")
        << shortName
        << QStringLiteral("The short name is empty once cleaned: only Latin letters, digits and spaces count. "
                          "Ignored: *. Please write the short name in Latin letters (A to Z).");
    PersonInput partner = typed(QStringLiteral("Anna Lee"), birth);
    partner.partnerFullName = QStringLiteral("Bcd Fgh");
    partner.partnerBirthDate = birth;
    PersonInput partnerShort = partner;
    partnerShort.partnerFullName = QStringLiteral("Mary Jones");
    partnerShort.partnerShortName = QStringLiteral("#");
    QTest::newRow("partner's short name cleaned away")
        << partnerShort
        << QStringLiteral("The partner's short name is empty once cleaned: only Latin letters, digits and "
                          "spaces count. Ignored: #. Please write the short name in Latin letters (A to Z).");
    QTest::newRow("partner without vowels")
        << partner << QStringLiteral("The partner's full name \"Bcd Fgh\" has no vowels.");
    QTest::newRow("birth date refused by its field")
        << typed(QStringLiteral("Anna Lee"), QDate())
        << QStringLiteral("The birth date is not a date between 1800 and next year.");
    PersonInput partnerDate = partner;
    partnerDate.partnerFullName = QStringLiteral("Mary Jones");
    partnerDate.partnerBirthDate = QDate();
    QTest::newRow("partner's birth date refused")
        << partnerDate << QStringLiteral("The partner's birth date is not a date between 1800 and next year.");
    PersonInput pet = typed(QStringLiteral("Anna Lee"), birth);
    pet.petName = QString::fromUtf8("\xe7\x8c\xab");
    QTest::newRow("pet name cleaned away")
        << pet
        << QString("The pet name is empty once cleaned: only Latin letters, digits and spaces count. Ignored: " +
                   QString::fromUtf8("\xe7\x8c\xab") + ". Please write the pet name in Latin letters (A to Z).");
}

// A refused input is explained and touches nothing: every engine still holds
// the last person, the recent list is as it was, and no engine spoke.
void TestCalculationDriver::refusedNameKeepsTheLastPerson()
{
    QFETCH(PersonInput, input);
    QFETCH(QString, reason);
    CCalculationDriver driver(QString{});
    QVERIFY(driver.calculate(typed(QStringLiteral("John Smith"), QDate(1990, 5, 17))).calculated());
    const QString report = driver.person().document();
    const QString matrix = driver.personMatrix().document();

    const CCalculationDriver::Outcome outcome = driver.calculate(input);
    QCOMPARE(outcome.refusal, reason);
    QVERIFY(!outcome.person && !outcome.matrix && !outcome.pet && !outcome.compatibility);
    QVERIFY(m_reporter.messages.isEmpty());
    QCOMPARE(driver.recentList().size(), 1);
    QCOMPARE(driver.lastInput().fullName, QStringLiteral("John Smith"));
    QCOMPARE(driver.person().result().fullName, QStringLiteral("JOHN SMITH"));
    QCOMPARE(driver.person().document(), report);
    QCOMPARE(driver.personMatrix().document(), matrix);
}

void TestCalculationDriver::emptyNameCalculatesNothing()
{
    CCalculationDriver driver(QString{});
    QSignalSpy changed(&driver, &CCalculationDriver::recentListChanged);
    const CCalculationDriver::Outcome outcome = driver.calculate(typed(QStringLiteral("   "), QDate(1990, 5, 17)));
    QVERIFY(!outcome.person && !outcome.matrix && !outcome.pet && !outcome.compatibility);
    QVERIFY(outcome.refusal.isEmpty());
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
    input.partnerBirthDate = QDate(1985, 11, 29);
    input.petName = QStringLiteral("Rex");
    QVERIFY(driver.calculate(input).calculated());
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
