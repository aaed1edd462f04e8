// The today panel: its picture and "Today" before any calculation, the
// personal numbers once set, and the click that opens the day text drawer.

#include "app/cskinmanager.h"
#include "panels/cinfotodaywidget.h"

#include "panelfixture.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

const QColor PICTURE(0x2c, 0x24, 0x20);

QImage todayPicture()
{
    QImage picture(180, 104, QImage::Format_ARGB32);
    picture.fill(PICTURE);
    return picture;
}

// Where the personal day (Arial 32 bold, baseline 40, 60) and the month and
// year (baselines 90, 40 and 90, 60) stand, and the "Today" heading.
const QRect DAY_AREA(38, 30, 40, 32);
const QRect MONTH_AND_YEAR_AREA(88, 28, 80, 34);
const QRect HEADING_AREA(15, 0, 165, 25);

} // namespace

class TestCInfoTodayWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { pinLocale(); }
    void beforeAnyCalculation();
    void showsTheNumbers_data();
    void showsTheNumbers();
    void anyPressEmitsClicked_data();
    void anyPressEmitsClicked();
    void followsTheSkin();
};

void TestCInfoTodayWidget::beforeAnyCalculation()
{
    CInfoTodayWidget today(nullptr, todayPicture());
    QCOMPARE(today.size(), QSize(180, 104));
    QCOMPARE(today.captions(), QStringList({"Years", "Months", "Days"}));
    const QImage image = renderWidget(today);
    QCOMPARE(inkPixels(image, DAY_AREA, PICTURE), 0);
    QCOMPARE(inkPixels(image, MONTH_AND_YEAR_AREA, PICTURE), 0);
    QVERIFY(countPixels(image, HEADING_AREA, [](QColor c) { return c.green() > c.red() + 20; }) > 10);
}

void TestCInfoTodayWidget::showsTheNumbers_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<bool>("shown");
    // 15 March 1985 on 10 June 2024: year 8, June 5, day 6.
    QTest::newRow("three values") << QStringList{"2024 (8)", "Jun (5)", "6"} << true;
    QTest::newRow("two values") << QStringList{"2024 (8)", "Jun (5)"} << false;
    QTest::newRow("reset: three empty texts") << QStringList{"", "", ""} << false;
}

void TestCInfoTodayWidget::showsTheNumbers()
{
    QFETCH(QStringList, values);
    QFETCH(bool, shown);
    CInfoTodayWidget today(nullptr, todayPicture());
    today.setValues(values);
    const QImage image = renderWidget(today);
    const auto text = [](QColor c) { return c.red() > 150 && c.green() > 140; }; // "#eddbb2"
    QCOMPARE(countPixels(image, DAY_AREA, text) > 40, shown);
    QCOMPARE(countPixels(image, MONTH_AND_YEAR_AREA, text) > 40, shown);
}

void TestCInfoTodayWidget::anyPressEmitsClicked_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("button");
    QTest::newRow("on the number") << QPoint(50, 50) << int(Qt::LeftButton);
    QTest::newRow("on the heading") << QPoint(100, 5) << int(Qt::LeftButton);
    QTest::newRow("right button") << QPoint(170, 100) << int(Qt::RightButton);
}

void TestCInfoTodayWidget::anyPressEmitsClicked()
{
    QFETCH(QPoint, pos);
    QFETCH(int, button);
    CInfoTodayWidget today(nullptr, todayPicture());
    QSignalSpy spy(&today, &CInfoTodayWidget::clicked);
    QTest::mouseClick(&today, Qt::MouseButton(button), Qt::NoModifier, pos);
    QCOMPARE(spy.count(), 1);
}

void TestCInfoTodayWidget::followsTheSkin()
{
    CSkinManager skin(QString{});
    CInfoTodayWidget today(&skin, todayPicture());
    skin.selectSkin(2);
    QCOMPARE(QColor(renderWidget(today).pixel(5, 100)), skin.mapColor(PICTURE));
    skin.selectSkin(0);
    QCOMPARE(QColor(renderWidget(today).pixel(5, 100)), PICTURE);
}

QTEST_MAIN(TestCInfoTodayWidget)
#include "test_cinfotodaywidget.moc"
