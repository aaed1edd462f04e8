// The name panel: letter hit-testing and the column marker of the clickable
// mode, the master letters K and V with their stacked digits, and the
// planes panel that shares its frame.

#include "panels/cinfoexprplanwidget.h"
#include "panels/cinfonamewidget.h"

#include "panelfixture.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

namespace {

const int T = 22;
const QColor BODY(65, 53, 46);

// KEVIN SMITH with the short name KEVIN: K (11, digit 2) stands at 0 and
// V (22, digit 4) at 2, both consonants.
struct NamePanel
{
    NamePanel()
        : widget(nullptr, titlePicture(600, T))
    {
        widget.setTexts({" 5 9    9  ", "KEVIN SMITH", "2 4 5 14 28", " 5 9 ", "KEVIN", "2 4 5"});
        widget.setFormulas(
            {"=5/14+9=14=5", "=7/52+6/24=13=4", "=11/38+6/15=17=8", "=5/14=5", "=7/52=7", "=2/11+4+5=11"});
    }
    CInfoNameWidget widget;
};

QRect cell(int row, int column)
{
    return QRect(4 + 9 * column, T + 3 + 16 * row, 9, 16);
}

} // namespace

class TestCInfoNameWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { pinLocale(); }
    void letterAt_data();
    void letterAt();
    void clickReportsTheLetter_data();
    void clickReportsTheLetter();
    void markerFollowsThePointer();
    void masterLetters_data();
    void masterLetters();
    void emptyNamePaintsOnlyTheFrame();
    void clearValues();
    void planesCells();
    void planesLongCellsStayInside_data();
    void planesLongCellsStayInside();
};

void TestCInfoNameWidget::letterAt_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("block"); // -1: no letter
    QTest::addColumn<int>("column");
    // Block 0 spans y T + 2 to T + 52, block 1 the next 51 pixels.
    QTest::newRow("left edge selects the first letter") << QPoint(0, T + 20) << 0 << 0;
    QTest::newRow("x 11 still the first letter") << QPoint(11, T + 20) << 0 << 0;
    QTest::newRow("x 12 the second") << QPoint(12, T + 20) << 0 << 1;
    QTest::newRow("last letter of the full name") << QPoint(3 + 9 * 10, T + 40) << 0 << 10;
    QTest::newRow("right of the full name") << QPoint(3 + 9 * 11, T + 40) << -1 << -1;
    QTest::newRow("short name, first letter") << QPoint(5, T + 2 + 51) << 1 << 0;
    QTest::newRow("short name, last letter") << QPoint(3 + 9 * 4, T + 2 + 60) << 1 << 4;
    QTest::newRow("right of the short name") << QPoint(3 + 9 * 5, T + 2 + 60) << -1 << -1;
    QTest::newRow("below the blocks") << QPoint(10, T + 2 + 102) << -1 << -1;
    QTest::newRow("on the title picture") << QPoint(10, T - 5) << -1 << -1;
    QTest::newRow("just above the first row") << QPoint(10, T + 1) << -1 << -1;
    QTest::newRow("far left") << QPoint(-20, T + 20) << -1 << -1;
}

void TestCInfoNameWidget::letterAt()
{
    QFETCH(QPoint, pos);
    QFETCH(int, block);
    QFETCH(int, column);
    NamePanel panel;
    int b = -1;
    int c = -1;
    QCOMPARE(panel.widget.letterAt(pos, &b, &c), block >= 0);
    if (block >= 0) {
        QCOMPARE(b, block);
        QCOMPARE(c, column);
    }
}

void TestCInfoNameWidget::clickReportsTheLetter_data()
{
    QTest::addColumn<bool>("clickable");
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("row"); // -1: nothing emitted
    QTest::addColumn<int>("idx");
    QTest::newRow("overlay panel, V of the full name")
        << true << int(Qt::LeftButton) << QPoint(23, T + 30) << 0 << 2;
    QTest::newRow("overlay panel, short name") << true << int(Qt::LeftButton) << QPoint(40, T + 70) << 1 << 4;
    QTest::newRow("right button") << true << int(Qt::RightButton) << QPoint(23, T + 30) << -1 << -1;
    QTest::newRow("outside the letters") << true << int(Qt::LeftButton) << QPoint(300, T + 30) << -1 << -1;
    QTest::newRow("Numerology page panel") << false << int(Qt::LeftButton) << QPoint(23, T + 30) << -1 << -1;
}

void TestCInfoNameWidget::clickReportsTheLetter()
{
    QFETCH(bool, clickable);
    QFETCH(int, button);
    QFETCH(QPoint, pos);
    QFETCH(int, row);
    QFETCH(int, idx);
    NamePanel panel;
    panel.widget.setClickable(clickable);
    QSignalSpy letters(&panel.widget, &CInfoNameWidget::symbolCliked);
    QSignalSpy rows(&panel.widget, &CInfoWidget::itemCliked);
    QTest::mouseClick(&panel.widget, Qt::MouseButton(button), Qt::NoModifier, pos);
    QCOMPARE(rows.count(), 0); // the name panel never reports rows
    if (row < 0) {
        QCOMPARE(letters.count(), 0);
    } else {
        QCOMPARE(letters.count(), 1);
        QCOMPARE(letters.at(0).at(0).toInt(), row);
        QCOMPARE(letters.at(0).at(1).toInt(), idx);
    }
}

void TestCInfoNameWidget::markerFollowsThePointer()
{
    NamePanel panel;
    panel.widget.setClickable(true);
    panel.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel.widget));
    QLabel *marker = panel.widget.columnMarker();
    QVERIFY(marker->isHidden());
    QCOMPARE(marker->size(), QSize(9, 47));

    movePointer(panel.widget, QPoint(23, T + 30));
    QTRY_VERIFY(marker->isVisible());
    QCOMPARE(marker->pos(), QPoint(9 * 2 + 3, T + 2));
    movePointer(panel.widget, QPoint(15, T + 80));
    QTRY_COMPARE(marker->pos(), QPoint(9 * 1 + 3, 51 + T + 2));
    movePointer(panel.widget, QPoint(400, T + 80));
    QTRY_VERIFY(marker->isHidden());

    movePointer(panel.widget, QPoint(23, T + 30));
    QTRY_VERIFY(marker->isVisible());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&panel.widget, &leave);
    QVERIFY(marker->isHidden());

    // Not clickable: the marker never shows.
    panel.widget.setClickable(false);
    movePointer(panel.widget, QPoint(23, T + 30));
    QTest::qWait(20);
    QVERIFY(marker->isHidden());
}

void TestCInfoNameWidget::masterLetters_data()
{
    QTest::addColumn<bool>("western");
    QTest::addColumn<bool>("reduceMasterLetters");
    QTest::addColumn<bool>("masterColour");
    QTest::addColumn<bool>("stacked");
    QTest::newRow("Western, masters kept") << true << false << true << true;
    QTest::newRow("Western, masters reduced") << true << true << true << false;
    QTest::newRow("Chaldean") << false << false << false << false;
}

void TestCInfoNameWidget::masterLetters()
{
    QFETCH(bool, western);
    QFETCH(bool, reduceMasterLetters);
    QFETCH(bool, masterColour);
    QFETCH(bool, stacked);
    NamePanel panel;
    panel.widget.setMasterLetterDigits(!reduceMasterLetters);
    panel.widget.setWestern(western);
    const QImage image = renderWidget(panel.widget);

    // The K of the name row and the digit under V in the short name's
    // consonant row take the master colour; E never does.
    QCOMPARE(reddishPixels(image, cell(1, 0)) > 3, masterColour);
    QCOMPARE(reddishPixels(image, cell(5, 2)) > 3, masterColour);
    QCOMPARE(reddishPixels(image, cell(1, 1)), 0);
    QVERIFY(inkPixels(image, cell(5, 2), BODY) > 3);

    // Stacked digits reach the bottom three pixel rows of their cell; a
    // single 12-pixel digit, vertically centred, stays above them.
    const QRect bottom(cell(5, 2).left(), cell(5, 2).top() + 13, 9, 3);
    QCOMPARE(inkPixels(image, bottom, BODY) > 0, stacked);
    // A space draws nothing (E's column in the consonant row).
    QCOMPARE(inkPixels(image, cell(2, 1), BODY), 0);
}

void TestCInfoNameWidget::emptyNamePaintsOnlyTheFrame()
{
    CInfoNameWidget widget(nullptr, titlePicture(600, T));
    widget.clearValues();
    const QImage image = renderWidget(widget);
    QCOMPARE(inkPixels(image, QRect(2, T + 1, 596, 16 * 3), BODY), 0);
    QCOMPARE(inkPixels(image, QRect(2, T + 4 + 16 * 3, 596, 16 * 3), BODY), 0);
    QCOMPARE(QColor(image.pixel(0, T + 40)), QColor(93, 84, 78));
}

void TestCInfoNameWidget::clearValues()
{
    NamePanel panel;
    panel.widget.clearValues();
    QCOMPARE(panel.widget.captions(), QStringList({"", "", "", "", "", ""}));
    QCOMPARE(panel.widget.values(), QStringList({"", "", "", "", "", ""}));
    QCOMPARE(panel.widget.size(), QSize(600, 133));
}

void TestCInfoNameWidget::planesCells()
{
    CInfoExprPlanWidget planes(nullptr, titlePicture(600, T));
    QCOMPARE(planes.captions(), QStringList({"", "Creative", "Dual", "Grounded"}));
    QCOMPARE(planes.size(), QSize(600, 100));
    planes.clearValues();
    QCOMPARE(planes.values().size(), 20);

    // Cell (Dual, Emotional) is value 5 * 1 + 2; it is drawn in its cell.
    QStringList values = planes.values();
    values[7] = QStringLiteral("S1T2=5, 3");
    planes.setValues(values);
    const int y0 = T + 3;
    const QRect dualEmotional(121 + 120 * 2, y0 + 16 * 2, 120, 16);
    QVERIFY(inkPixels(renderWidget(planes), dualEmotional, BODY) > 10);
    QCOMPARE(inkPixels(renderWidget(planes), dualEmotional.translated(120, 0).adjusted(0, 0, -12, 0), BODY),
             0);

    // Fewer than twenty values: drawn as far as they go.
    planes.setValues({"A1=1, 1"});
    QVERIFY(inkPixels(renderWidget(planes), QRect(121, y0 + 16, 120, 16), BODY) > 5);
}

void TestCInfoNameWidget::planesLongCellsStayInside_data()
{
    QTest::addColumn<int>("index"); // into the twenty values
    QTest::addColumn<QRect>("cell");
    const int y0 = T + 3;
    // A long name's letters of one kind: wider than the 120-pixel cell.
    QTest::newRow("Creative, Mental") << 0 << QRect(121, y0 + 16, 120, 16);
    QTest::newRow("Dual, Emotional") << 7 << QRect(121 + 240, y0 + 32, 120, 16);
    // The last column ends at the inner frame (x 598).
    QTest::newRow("Grounded, Intuitive") << 13 << QRect(121 + 360, y0 + 48, 117, 16);
}

// A cell too wide for its place no longer spills over its neighbours: it
// ends where it ends, gives up its beginning and shows whole as a tool tip.
void TestCInfoNameWidget::planesLongCellsStayInside()
{
    QFETCH(int, index);
    QFETCH(QRect, cell);
    CInfoExprPlanWidget planes(nullptr, titlePicture(600, T));
    planes.clearValues();
    QStringList values = planes.values();
    const QString wide = QStringLiteral("A14I12O9E8U5Y3R4=1/55, 55");
    values[index] = wide;
    planes.setValues(values);
    const QImage image = renderWidget(planes);
    QVERIFY(inkPixels(image, cell, BODY) > 10);
    // The two pixels at each side of the cell stay clear.
    QCOMPARE(inkPixels(image, QRect(cell.left(), cell.top(), 2, 16), BODY), 0);
    QCOMPARE(inkPixels(image, QRect(cell.right() - 1, cell.top(), 2, 16), BODY), 0);
    QCOMPARE(planes.toolTipAt(cell.center()), wide);
    // Its neighbour's tool tip is its own (empty: nothing shortened there).
    QCOMPARE(planes.toolTipAt(cell.center() + QPoint(cell.right() < 480 ? 120 : -120, 0)), QString());
}

QTEST_MAIN(TestCInfoNameWidget)
#include "test_cinfonamewidget.moc"
