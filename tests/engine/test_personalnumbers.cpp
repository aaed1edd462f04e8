// Personal year, month and day for any date, and the calendar's cell texts:
// checked against worked examples and against the forecast rules of a
// calculated person, with month arithmetic at month and year ends.

#include "engine/personalnumbers.h"

#include "enginefixture.h"

#include <QtTest>

namespace {

// The personal numbers of a person calculated only for the numbers.
struct Person
{
    Person(const QDate &birth, const QDate &forecast)
    {
        engine.CalcNumerology(calcOnly(makePerson(QStringLiteral("JOHN SMITH"), birth, forecast)));
    }
    PersonalNumbers numbers() const { return PersonalNumbers(engine.result().birthDayMonthDigit); }
    CNumerology engine;
};

} // namespace

class TestPersonalNumbers : public QObject
{
    Q_OBJECT

private slots:
    void cells_data();
    void cells();
    void everyCellFollowsTheEngineRules_data();
    void everyCellFollowsTheEngineRules();
    void birthDigitAgreesWithTheCalculation_data();
    void birthDigitAgreesWithTheCalculation();
    void todayExample();
    void noCellsForAnInvalidDate();
};

void TestPersonalNumbers::cells_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    // Born 17 May 1990: b = R(8 + 5) = 4. 2024: R(8 + 4) = 3; June: R(3 + 6) = 9;
    // the 21st: R(9 + 3) = 3 (the engine's own worked example).
    const QDate may17(1990, 5, 17);
    QTest::newRow("year") << may17 << QDate(2024, 6, 21) << 0 << 0 << "2024 (3)";
    QTest::newRow("twelfth column") << may17 << QDate(2024, 6, 21) << 0 << 11 << "2035 (5)"; // R(1 + 4)
    QTest::newRow("month") << may17 << QDate(2024, 6, 21) << 1 << 0 << "Jun (9)";
    QTest::newRow("day") << may17 << QDate(2024, 6, 21) << 2 << 0 << "21 (3)";
    // Born 15 March 1985: b = R(3 + 6) = 9; 10 June 2024: year 8, June 5, day 6.
    const QDate mar15(1985, 3, 15);
    QTest::newRow("today's example, year") << mar15 << QDate(2024, 6, 10) << 0 << 0 << "2024 (8)";
    QTest::newRow("today's example, month") << mar15 << QDate(2024, 6, 10) << 1 << 0 << "Jun (5)";
    QTest::newRow("today's example, day") << mar15 << QDate(2024, 6, 10) << 2 << 0 << "10 (6)";
    // 30 January plus one month is 29 February 2024: February's number.
    // Year 2024 for b 9 is 8; Feb R(8 + 2) = 1.
    QTest::newRow("month after 30 January") << mar15 << QDate(2024, 1, 30) << 1 << 1 << "Feb (1)";
    QTest::newRow("day after 30 January") << mar15 << QDate(2024, 1, 30) << 2 << 1 << "31 (4)"; // R(9 + 4)
    QTest::newRow("day into February") << mar15 << QDate(2024, 1, 30) << 2 << 2 << "1 (2)";
    // December plus one month is January of the next year, with that year's number:
    // 2025 for b 9 is R(9 + 9) = 9; January R(9 + 1) = 1.
    QTest::newRow("month into the next year") << mar15 << QDate(2024, 12, 15) << 1 << 1 << "Jan (1)";
}

void TestPersonalNumbers::cells()
{
    QFETCH(QDate, birth);
    QFETCH(QDate, date);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    const Person person(birth, date);
    const PersonalNumbers::Calendar calendar = person.numbers().calendar(date, 12);
    const QStringList rows[3] = {calendar.years, calendar.months, calendar.days};
    for (const QStringList &cells : rows)
        QCOMPARE(cells.size(), 12);
    QCOMPARE(rows[row].at(column), text);
}

void TestPersonalNumbers::everyCellFollowsTheEngineRules_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("date");
    QTest::newRow("17 May 1990 on 21 June 2024") << QDate(1990, 5, 17) << QDate(2024, 6, 21);
    QTest::newRow("29 Feb 2000 on 31 Dec 2023") << QDate(2000, 2, 29) << QDate(2023, 12, 31);
    QTest::newRow("11 Nov 1911 on 1 Jan 2000") << QDate(1911, 11, 11) << QDate(2000, 1, 1);
}

void TestPersonalNumbers::everyCellFollowsTheEngineRules()
{
    QFETCH(QDate, birth);
    QFETCH(QDate, date);
    const Person person(birth, date);
    const PersonalNumbers::Calendar calendar = person.numbers().calendar(date, 12);
    const char *const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int k = 0; k < 12; ++k) {
        const int year = date.year() + k;
        QCOMPARE(calendar.years.at(k),
                 QStringLiteral("%1 (%2)").arg(year).arg(person.engine.PersonalYear(year)));
        const QDate month = date.addMonths(k);
        QCOMPARE(calendar.months.at(k), QStringLiteral("%1 (%2)")
                                            .arg(QLatin1String(months[month.month() - 1]))
                                            .arg(person.engine.PersonalMonth(month.year(), month.month())));
        const QDate day = date.addDays(k);
        QCOMPARE(calendar.days.at(k),
                 QStringLiteral("%1 (%2)").arg(day.day()).arg(person.engine.PersonalDay(day)));
    }
}

// The today panel takes b from the birth date itself; it must be the digit
// the calculation stored, master days and months included.
void TestPersonalNumbers::birthDigitAgreesWithTheCalculation_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<int>("digit");
    QTest::newRow("17 May 1990") << QDate(1990, 5, 17) << 4;       // R(8 + 5)
    QTest::newRow("15 March 1985") << QDate(1985, 3, 15) << 9;     // R(6 + 3)
    QTest::newRow("29 November 1985") << QDate(1985, 11, 29) << 4; // day 11 -> 2, month 11 -> 2
    QTest::newRow("22 December 2000") << QDate(2000, 12, 22) << 7; // R(4 + 3)
    QTest::newRow("9 September 1999") << QDate(1999, 9, 9) << 9;   // R(9 + 9)
}

void TestPersonalNumbers::birthDigitAgreesWithTheCalculation()
{
    QFETCH(QDate, birth);
    QFETCH(int, digit);
    QCOMPARE(PersonalNumbers::forBirthDate(birth).birthDayMonthDigit(), digit);
    for (const int masterMode : {0, 1}) {
        CNumerology engine;
        engine.SetMasterMode(masterMode);
        QVERIFY(engine.CalcNumerology(calcOnly(makePerson(QStringLiteral("JOHN SMITH"), birth))));
        QCOMPARE(engine.result().birthDayMonthDigit, digit);
    }
}

// 15 March 1985 on 10 June 2024, as the today panel shows it: b = 9,
// year R(9 + 8) = 8, month R(9 + 8 + 6) = 5, day R(9 + 8 + 6 + 1) = 6.
void TestPersonalNumbers::todayExample()
{
    const PersonalNumbers numbers = PersonalNumbers::forBirthDate(QDate(1985, 3, 15));
    const QDate today(2024, 6, 10);
    QCOMPARE(numbers.yearText(today.year()), QStringLiteral("2024 (8)"));
    QCOMPARE(numbers.monthText(today), QStringLiteral("Jun (5)"));
    QCOMPARE(numbers.day(today), 6);
    QCOMPARE(numbers.dayText(today), QStringLiteral("10 (6)"));
}

void TestPersonalNumbers::noCellsForAnInvalidDate()
{
    const PersonalNumbers::Calendar calendar = PersonalNumbers(4).calendar(QDate(), 12);
    QVERIFY(calendar.years.isEmpty());
    QVERIFY(calendar.months.isEmpty());
    QVERIFY(calendar.days.isEmpty());
}

QTEST_GUILESS_MAIN(TestPersonalNumbers)
#include "test_personalnumbers.moc"
