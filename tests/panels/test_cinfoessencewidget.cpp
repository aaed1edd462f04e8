// The essence strip: its texts per age, paging with "< Age >", the page
// offset of the painted strip, and the skin refresh of its picture.

#include "app/cskinmanager.h"
#include "panels/cinfoessencewidget.h"

#include "panelfixture.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

const int T = 22;

// JOHN SMITH's transits in short: J one year, O six, H eight, N five, ...
QString cycle(const QString &letters, const QList<int> &years)
{
    QString text;
    while (text.size() < 128)
        for (int i = 0; i < letters.size(); ++i)
            text += QString(years.at(i), letters.at(i));
    return text.left(128);
}

QVector<int> ramp(int from)
{
    QVector<int> values;
    for (int a = 0; a < 128; ++a)
        values << from + a % 9;
    return values;
}

struct Strip
{
    Strip()
        : widget(nullptr, titlePicture(600, T))
    {
        widget.setTransits(
            {cycle("JOHN", {1, 6, 8, 5}), cycle("SMITH", {1, 4, 9, 2, 8}), cycle("SMITH", {1, 4, 9, 2, 8})});
        widget.setEssence(ramp(1), ramp(20), 1985);
    }
    CInfoEssenceWidget widget;
};

} // namespace

class TestCInfoEssenceWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { pinLocale(); }
    void stripTexts_data();
    void stripTexts();
    void yearsHaveNoLeadingZero();
    void ageButtonPages_data();
    void ageButtonPages();
    void pageShowsItsThirdOfTheStrip_data();
    void pageShowsItsThirdOfTheStrip();
    void skinChangeRedrawsThePicture();
    void blankStrip();
};

void TestCInfoEssenceWidget::stripTexts_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("age");
    QTest::addColumn<QString>("text");
    QTest::newRow("age") << 0 << 37 << "37";
    QTest::newRow("last age shown") << 0 << 100 << "100";
    QTest::newRow("beyond the strip") << 0 << 101 << "";
    QTest::newRow("negative age") << 0 << -1 << "";
    QTest::newRow("year") << 1 << 10 << "95";
    QTest::newRow("physical letter, age 0") << 2 << 0 << "J";
    QTest::newRow("physical letter, age 7") << 2 << 7 << "H";
    QTest::newRow("mental letter") << 3 << 1 << "M";
    QTest::newRow("spiritual letter") << 4 << 14 << "T";
    QTest::newRow("total") << 5 << 10 << "21";  // 20 + 10 % 9
    QTest::newRow("essence") << 6 << 10 << "2"; // 1 + 10 % 9
    QTest::newRow("no row 7") << 7 << 0 << "";
}

void TestCInfoEssenceWidget::stripTexts()
{
    QFETCH(int, row);
    QFETCH(int, age);
    QFETCH(QString, text);
    Strip strip;
    QCOMPARE(strip.widget.stripText(row, age), text);
}

void TestCInfoEssenceWidget::yearsHaveNoLeadingZero()
{
    Strip strip;
    QStringList years;
    for (int a = 12; a <= 17; ++a)
        years << strip.widget.stripText(1, a);
    QCOMPARE(years, QStringList({"97", "98", "99", "0", "1", "2"}));
}

void TestCInfoEssenceWidget::ageButtonPages_data()
{
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("page");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("once: ages from 34") << 1 << 1;
    QTest::newRow("twice: ages from 68") << 2 << 2;
    QTest::newRow("three times: back to 0 to 33") << 3 << 0;
    QTest::newRow("four times") << 4 << 1;
}

void TestCInfoEssenceWidget::ageButtonPages()
{
    QFETCH(int, presses);
    QFETCH(int, page);
    Strip strip;
    QPushButton *button = strip.widget.ageButton();
    QCOMPARE(button->text(), QStringLiteral("< Age >"));
    QCOMPARE(button->geometry(), QRect(528, 0, 64, T));
    for (int i = 0; i < presses; ++i)
        QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(strip.widget.page(), page);
}

void TestCInfoEssenceWidget::pageShowsItsThirdOfTheStrip_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("ages 0 to 33") << 0;
    QTest::newRow("ages 34 to 67") << 1;
    QTest::newRow("ages 68 to 100") << 2;
}

void TestCInfoEssenceWidget::pageShowsItsThirdOfTheStrip()
{
    QFETCH(int, page);
    Strip strip;
    for (int i = 0; i < page; ++i)
        strip.widget.OnSwitchAge();
    const QImage panel = renderWidget(strip.widget);
    const QImage chart = strip.widget.chartPicture().toImage();
    // Right of the row names, panel point (56 + x, T + y) shows strip point
    // (544 * page + x, y); the last page reaches age 100.
    const int left = CInfoEssenceWidget::STRIP_LEFT;
    int compared = 0;
    for (int y = 2; y < 116; y += 3) {
        for (int x = 0; x < 590 - left; x += 7) {
            QCOMPARE(QColor(panel.pixel(left + x, T + y)), QColor(chart.pixel(544 * page + x, y)));
            ++compared;
        }
    }
    QVERIFY(compared > 2500);
    QVERIFY(544 * 2 + 590 - left >= 16 * CInfoEssenceWidget::AGES);
}

void TestCInfoEssenceWidget::skinChangeRedrawsThePicture()
{
    CSkinManager skin(QString{});
    CInfoEssenceWidget widget(&skin, titlePicture(600, T));
    widget.setEssence(ramp(1), ramp(20), 1985);
    const QPoint plain(2, 117);       // background below the rows, column 0
    const QPoint shaded(16 + 2, 117); // every other column is a shade lighter
    QCOMPARE(QColor(widget.chartPicture().toImage().pixel(plain)), QColor(65, 53, 46));
    QCOMPARE(QColor(widget.chartPicture().toImage().pixel(shaded)), QColor(78, 64, 55));
    skin.selectSkin(1);
    widget.updateData();
    QCOMPARE(QColor(widget.chartPicture().toImage().pixel(plain)), skin.mapColor(QColor(65, 53, 46)));
    QCOMPARE(QColor(widget.chartPicture().toImage().pixel(shaded)), skin.mapColor(QColor(78, 64, 55)));
}

void TestCInfoEssenceWidget::blankStrip()
{
    Strip strip;
    strip.widget.clearValues();
    QCOMPARE(strip.widget.stripText(0, 5), QStringLiteral("5")); // the ages stay
    QVERIFY(strip.widget.stripText(1, 5).isEmpty());
    QVERIFY(strip.widget.stripText(2, 5).isEmpty());
    QVERIFY(strip.widget.stripText(5, 5).isEmpty());
    QVERIFY(strip.widget.stripText(6, 5).isEmpty());
    QCOMPARE(strip.widget.essenceNumbers(), QVector<int>(128, 0));

    // Letters only in the mental row: no totals either (they follow the
    // physical letters, which are never empty after a calculation).
    strip.widget.setTransits({QString(), QStringLiteral("ABC"), QString()});
    QCOMPARE(strip.widget.stripText(3, 1), QStringLiteral("B"));
    QVERIFY(strip.widget.stripText(5, 1).isEmpty());
}

QTEST_MAIN(TestCInfoEssenceWidget)
#include "test_cinfoessencewidget.moc"
