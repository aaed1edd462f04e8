// The personal numbers calendar: its cells for a calculated person, checked
// against the engine's forecast rules, month arithmetic, and the blank state.

#include "panels/cinfocalendarwidget.h"

#include "engine/cnumerology.h"
#include "panelfixture.h"

#include <QtTest>

namespace {

const int T = 22;
const QColor BODY(65, 53, 46);

// A person's engine, calculated only for the numbers.
struct Person
{
    Person(const QDate &birth, const QDate &forecast)
    {
        PersonRecord record;
        record.fullName = record.shortName = QStringLiteral("JOHN SMITH");
        record.birthDate = birth;
        record.forecastDate = forecast;
        record.calcOnly = true;
        engine.CalcNumerology(record);
    }
    CNumerology engine;
};

} // namespace

class TestCInfoCalendarWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { pinLocale(); }
    void cells_data();
    void cells();
    void everyCellFollowsTheEngineRules_data();
    void everyCellFollowsTheEngineRules();
    void blankBeforeAnyPerson();
};

void TestCInfoCalendarWidget::cells_data()
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
    QTest::newRow("column out of range") << mar15 << QDate(2024, 6, 10) << 0 << 12 << "";
    QTest::newRow("row out of range") << mar15 << QDate(2024, 6, 10) << 3 << 0 << "";
}

void TestCInfoCalendarWidget::cells()
{
    QFETCH(QDate, birth);
    QFETCH(QDate, date);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    Person person(birth, date);
    CInfoCalendarWidget calendar(nullptr, titlePicture(600, T));
    calendar.setBirthDigit(person.engine.result().birthDayMonthDigit);
    calendar.setDate(date);
    QCOMPARE(calendar.cellText(row, column), text);
}

void TestCInfoCalendarWidget::everyCellFollowsTheEngineRules_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("date");
    QTest::newRow("17 May 1990 on 21 June 2024") << QDate(1990, 5, 17) << QDate(2024, 6, 21);
    QTest::newRow("29 Feb 2000 on 31 Dec 2023") << QDate(2000, 2, 29) << QDate(2023, 12, 31);
    QTest::newRow("11 Nov 1911 on 1 Jan 2000") << QDate(1911, 11, 11) << QDate(2000, 1, 1);
}

void TestCInfoCalendarWidget::everyCellFollowsTheEngineRules()
{
    QFETCH(QDate, birth);
    QFETCH(QDate, date);
    Person person(birth, date);
    CInfoCalendarWidget calendar(nullptr, titlePicture(600, T));
    calendar.setBirthDigit(person.engine.result().birthDayMonthDigit);
    calendar.setDate(date);
    const char *const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int k = 0; k < CInfoCalendarWidget::COLUMNS; ++k) {
        const int year = date.year() + k;
        QCOMPARE(calendar.cellText(0, k),
                 QStringLiteral("%1 (%2)").arg(year).arg(person.engine.PersonalYear(year)));
        const QDate month = date.addMonths(k);
        QCOMPARE(calendar.cellText(1, k), QStringLiteral("%1 (%2)")
                                              .arg(QLatin1String(months[month.month() - 1]))
                                              .arg(person.engine.PersonalMonth(month.year(), month.month())));
        const QDate day = date.addDays(k);
        QCOMPARE(calendar.cellText(2, k),
                 QStringLiteral("%1 (%2)").arg(day.day()).arg(person.engine.PersonalDay(day)));
    }
}

void TestCInfoCalendarWidget::blankBeforeAnyPerson()
{
    CInfoCalendarWidget calendar(nullptr, titlePicture(600, T));
    QCOMPARE(calendar.captions(), QStringList({"Years", "Months", "Days"}));
    QCOMPARE(calendar.size(), QSize(600, 90));
    calendar.setDate(QDate(2024, 6, 10));
    const QRect cells(44, T + 3, 46 * 12, 48);
    const QRect captions(4, T + 3, 36, 48);
    QImage image = renderWidget(calendar);
    QCOMPARE(inkPixels(image, cells, BODY), 0);
    QVERIFY(inkPixels(image, captions, BODY) > 20);

    calendar.setBirthDigit(9);
    QVERIFY(inkPixels(renderWidget(calendar), cells, BODY) > 200);

    // The reset blanks it again.
    calendar.clearValues();
    QCOMPARE(calendar.birthDigit(), 0);
    QCOMPARE(calendar.values(), QStringList({"", "", ""}));
    QCOMPARE(inkPixels(renderWidget(calendar), cells, BODY), 0);
}

QTEST_MAIN(TestCInfoCalendarWidget)
#include "test_cinfocalendarwidget.moc"
