// The matrix panels: cell texts, the order of the 17 numbers, item
// hit-testing, hover and clicks, and the compatibility matrix's pairs.

#include "app/cskinmanager.h"
#include "panels/cinfocompmatrwidget.h"
#include "panels/cinfomatrwidget.h"

#include "panelfixture.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// 18 psychomatrix values: counts of the digits 0 to 9, then the line sums
// 10 to 17 (columns 1-2-3, 4-5-6, 7-8-9, rows 1-4-7, 2-5-8, 3-6-9, the
// two diagonals). Three 1s, no 4, 7 or 5 is absent, two 9s.
const QVector<int> MATRIX = {2, 3, 1, 0, 0, 0, 1, 0, 1, 2, 4, 1, 3, 3, 2, 3, 2, 4};

int panelIndexOfDigit(int digit)
{
    // Digit cells in the panel's order: k = 4 * row + column for digit
    // 1 + row + 3 * column.
    const int d = digit - 1;
    return 4 * (d % 3) + d / 3;
}

} // namespace

class TestCInfoMatrWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { pinLocale(); }
    void panelOrderFromThePsychomatrix();
    void cellText_data();
    void cellText();
    void itemAt_data();
    void itemAt();
    void clicks_data();
    void clicks();
    void hoverLightsTheItem();
    void compatibilityCells_data();
    void compatibilityCells();
    void missingMatrixPictureFillsThePanel();
};

void TestCInfoMatrWidget::panelOrderFromThePsychomatrix()
{
    CInfoMatrWidget panel(nullptr, titlePicture());
    panel.setMatrix(MATRIX);
    // Indices 1, 4, 7, 13, 2, 5, 8, 14, 3, 6, 9, 15, 10, 11, 12, 16, 17.
    QCOMPARE(panel.values(), QVector<int>({3, 0, 0, 3, 1, 0, 1, 2, 0, 1, 2, 3, 4, 1, 3, 2, 4}));
    panel.setMatrix({1, 2}); // short input: the rest is 0
    QCOMPARE(panel.values().size(), 17);
    QCOMPARE(panel.values().at(0), 2);
    QCOMPARE(panel.values().at(16), 0);
    panel.setValues(QVector<int>(40, 7)); // long input: the first 17
    QCOMPARE(panel.values(), QVector<int>(17, 7));
}

void TestCInfoMatrWidget::cellText_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("three 1s") << panelIndexOfDigit(1) << 3 << "111";
    QTest::newRow("no 5: Intuition") << panelIndexOfDigit(5) << 0 << "-";
    QTest::newRow("one 9") << panelIndexOfDigit(9) << 1 << "9";
    QTest::newRow("negative count") << panelIndexOfDigit(2) << -2 << "-";
    QTest::newRow("absurd count is cut") << panelIndexOfDigit(8) << 1000000 << "888888888888";
    QTest::newRow("row total") << 3 << 7 << "7";
    QTest::newRow("row total 0") << 7 << 0 << "-";
    QTest::newRow("Sexual life") << 16 << 12 << "12";
    QTest::newRow("outside the cells") << 17 << 1 << "";
}

void TestCInfoMatrWidget::cellText()
{
    QFETCH(int, k);
    QFETCH(int, value);
    QFETCH(QString, text);
    CInfoMatrWidget panel(nullptr, titlePicture());
    QVector<int> values(17, 0);
    if (k < 17)
        values[k] = value;
    panel.setValues(values);
    QCOMPARE(panel.cellText(k), text);
}

void TestCInfoMatrWidget::itemAt_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("item");
    QTest::newRow("empty cell left of Character") << QPoint(60, 60) << -1;
    QTest::newRow("empty cell left of Energy") << QPoint(60, 120) << -1;
    QTest::newRow("Character") << QPoint(180, 60) << 1;
    QTest::newRow("Character, one pixel left of its start") << QPoint(127, 60) << 1;
    QTest::newRow("gap after Character") << QPoint(236, 60) << -1;
    QTest::newRow("Purposeful") << QPoint(500, 40) << 4;
    QTest::newRow("Intuition") << QPoint(300, 101) << 7;
    QTest::newRow("Duty") << QPoint(400, 101) << 8;
    QTest::newRow("Memory") << QPoint(400, 200) << 13;
    QTest::newRow("gap between rows") << QPoint(300, 94) << -1;
    QTest::newRow("Sexual life") << QPoint(60, 250) << 15;
    QTest::newRow("Self appraisal") << QPoint(180, 250) << 16;
    QTest::newRow("Spirituality") << QPoint(540, 280) << 19;
    QTest::newRow("below the square") << QPoint(540, 283) << -1;
    QTest::newRow("title") << QPoint(180, 10) << -1;
}

void TestCInfoMatrWidget::itemAt()
{
    QFETCH(QPoint, pos);
    QFETCH(int, item);
    QCOMPARE(CInfoMatrWidget::itemAt(pos), item);
}

void TestCInfoMatrWidget::clicks_data()
{
    QTest::addColumn<bool>("hover");
    QTest::addColumn<bool>("leave");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("item"); // -1: nothing emitted
    QTest::newRow("Sexual life") << true << false << QPoint(60, 250) << 15;
    QTest::newRow("Spirituality") << true << false << QPoint(540, 250) << 19;
    QTest::newRow("Character") << true << false << QPoint(180, 60) << 1;
    QTest::newRow("empty left cell") << true << false << QPoint(60, 60) << -1;
    QTest::newRow("hover flag off") << false << false << QPoint(180, 60) << -1;
    QTest::newRow("after the pointer left") << true << true << QPoint(180, 60) << -1;
}

void TestCInfoMatrWidget::clicks()
{
    QFETCH(bool, hover);
    QFETCH(bool, leave);
    QFETCH(QPoint, pos);
    QFETCH(int, item);
    CInfoMatrWidget panel(nullptr, titlePicture());
    panel.setHoverEnabled(hover);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy spy(&panel, &CInfoMatrWidget::itemCliked);
    movePointer(panel, pos);
    if (leave) {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(&panel, &event);
    }
    QTest::mouseClick(&panel, Qt::LeftButton, Qt::NoModifier, pos);
    if (item < 0) {
        QCOMPARE(spy.count(), 0);
    } else {
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), item);
    }
}

void TestCInfoMatrWidget::hoverLightsTheItem()
{
    CInfoMatrWidget panel(nullptr, titlePicture());
    panel.setHoverEnabled(true);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    const QPoint corner(366, 103); // inside item 8 (Duty), away from its texts
    const QColor unlit(renderWidget(panel).pixel(corner));
    movePointer(panel, QPoint(420, 120));
    QTRY_VERIFY(QColor(renderWidget(panel).pixel(corner)) != unlit);
    QCOMPARE(QColor(renderWidget(panel).pixel(248, 103)), unlit); // item 7 stays dark
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&panel, &leave);
    QCOMPARE(QColor(renderWidget(panel).pixel(corner)), unlit);
}

void TestCInfoMatrWidget::compatibilityCells_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("person");
    QTest::addColumn<int>("partner");
    QTest::addColumn<QString>("text");
    QTest::newRow("digit twice and once") << panelIndexOfDigit(4) << 2 << 1 << "2/1";
    QTest::newRow("partner has none") << panelIndexOfDigit(1) << 3 << 0 << "3/-";
    QTest::newRow("neither") << panelIndexOfDigit(5) << 0 << 0 << "-/-";
    QTest::newRow("negative") << 3 << -1 << 4 << "-/4";
    QTest::newRow("totals") << 15 << 12 << 10 << "12/10";
}

void TestCInfoMatrWidget::compatibilityCells()
{
    QFETCH(int, k);
    QFETCH(int, person);
    QFETCH(int, partner);
    QFETCH(QString, text);
    CInfoCompMatrWidget panel(nullptr, titlePicture());
    QVector<int> a(17, 0);
    QVector<int> b(17, 0);
    a[k] = person;
    b[k] = partner;
    panel.setValues(a, b);
    QCOMPARE(panel.cellText(k), text);

    panel.setMatrices(MATRIX, QVector<int>(18, 0));
    QCOMPARE(panel.cellText(0), QStringLiteral("3/-"));
    QCOMPARE(panel.personValues().size(), 17);
}

void TestCInfoMatrWidget::missingMatrixPictureFillsThePanel()
{
    // No picture in an empty image folder: the body colour fills the panel,
    // and the numbers are still drawn.
    CSkinManager skin(QStringLiteral("/nonexistent-folder/"));
    skin.selectSkin(1);
    CInfoMatrWidget panel(&skin, titlePicture());
    panel.setMatrix(MATRIX);
    const QImage image = renderWidget(panel);
    QCOMPARE(QColor(image.pixel(5, 150)), skin.mapColor(QColor(44, 36, 32)));
    QCOMPARE(QColor(image.pixel(599, 290)), skin.mapColor(QColor(44, 36, 32)));
    const QColor accent = skin.mapColor(QColor("#9cb62d"));
    const QRect characterValue(130, 45, 105, 57);
    QVERIFY(countPixels(image, characterValue, [&](QColor c) { return c == accent; }) > 10);
}

QTEST_MAIN(TestCInfoMatrWidget)
#include "test_cinfomatrwidget.moc"
