// The personal numbers calendar: the cell texts it is given, where they
// stand, and the blank state. The numbers themselves are the engine's
// (tests/engine/test_personalnumbers.cpp).

#include "panels/cinfocalendarwidget.h"

#include "panelfixture.h"

#include <QtTest>

namespace {

const int T = 22;
const QColor BODY(65, 53, 46);

// Twelve cells of a row: "<prefix>0" to "<prefix>11".
QStringList rowOfCells(const QString &prefix)
{
    QStringList cells;
    for (int k = 0; k < CInfoCalendarWidget::COLUMNS; ++k)
        cells.append(prefix + QString::number(k));
    return cells;
}

} // namespace

class TestCInfoCalendarWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { pinLocale(); }
    void cells_data();
    void cells();
    void cellsOutsideTheGridAreNotDrawn();
    void blankBeforeAnyPerson();
};

void TestCInfoCalendarWidget::cells_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::newRow("first year") << 0 << 0 << "Y0";
    QTest::newRow("twelfth year") << 0 << 11 << "Y11";
    QTest::newRow("month") << 1 << 4 << "M4";
    QTest::newRow("day") << 2 << 7 << "D7";
    QTest::newRow("column out of range") << 0 << 12 << "";
    QTest::newRow("negative column") << 0 << -1 << "";
    QTest::newRow("row out of range") << 3 << 0 << "";
}

void TestCInfoCalendarWidget::cells()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    CInfoCalendarWidget calendar(nullptr, titlePicture(600, T));
    calendar.setCells(rowOfCells(QStringLiteral("Y")), rowOfCells(QStringLiteral("M")),
                      rowOfCells(QStringLiteral("D")));
    QCOMPARE(calendar.cellText(row, column), text);
}

// A thirteenth text has no column; a short row leaves its last columns empty.
void TestCInfoCalendarWidget::cellsOutsideTheGridAreNotDrawn()
{
    CInfoCalendarWidget calendar(nullptr, titlePicture(600, T));
    calendar.setCells(rowOfCells(QStringLiteral("Y")) << QStringLiteral("2036 (6)"),
                      {QStringLiteral("Jun (9)")}, {});
    QCOMPARE(calendar.cellText(0, 11), QStringLiteral("Y11"));
    QCOMPARE(calendar.cellText(0, 12), QString());
    QCOMPARE(calendar.cellText(1, 0), QStringLiteral("Jun (9)"));
    QCOMPARE(calendar.cellText(1, 1), QString());
    QCOMPARE(calendar.cellText(2, 0), QString());

    const QImage image = renderWidget(calendar);
    const int rowTop = T + 3;
    QVERIFY(inkPixels(image, QRect(44, rowTop + 16, 46, 16), BODY) > 20);     // Jun (9)
    QCOMPARE(inkPixels(image, QRect(44 + 46, rowTop + 16, 46, 16), BODY), 0); // no second month
    QCOMPARE(inkPixels(image, QRect(44, rowTop + 32, 46 * 12, 16), BODY), 0); // no days
}

void TestCInfoCalendarWidget::blankBeforeAnyPerson()
{
    CInfoCalendarWidget calendar(nullptr, titlePicture(600, T));
    QCOMPARE(calendar.captions(), QStringList({"Years", "Months", "Days"}));
    QCOMPARE(calendar.size(), QSize(600, 90));
    QVERIFY(calendar.isBlank());
    const QRect cells(44, T + 3, 46 * 12, 48);
    const QRect captions(4, T + 3, 36, 48);
    QImage image = renderWidget(calendar);
    QCOMPARE(inkPixels(image, cells, BODY), 0);
    QVERIFY(inkPixels(image, captions, BODY) > 20);

    // The cells of 15 March 1985 from 10 June 2024.
    calendar.setCells({"2024 (8)", "2025 (9)"}, {"Jun (5)", "Jul (6)"}, {"10 (6)", "11 (7)"});
    QVERIFY(!calendar.isBlank());
    QVERIFY(inkPixels(renderWidget(calendar), cells, BODY) > 200);

    // The reset blanks it again.
    calendar.clearValues();
    QVERIFY(calendar.isBlank());
    QCOMPARE(calendar.cellText(0, 0), QString());
    QCOMPARE(calendar.values(), QStringList({"", "", ""}));
    QCOMPARE(inkPixels(renderWidget(calendar), cells, BODY), 0);
}

QTEST_MAIN(TestCInfoCalendarWidget)
#include "test_cinfocalendarwidget.moc"
