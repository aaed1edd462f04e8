// The list panel: geometry, painting, hover highlight, row clicks and the
// text renderer that colours master numbers.

#include "app/cskinmanager.h"
#include "panels/cinfowidget.h"
#include "panels/panelparts.h"

#include "panelfixture.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

namespace {

const int T = 22; // title picture height of these tests
const QColor BODY(65, 53, 46);
const QColor HIGHLIGHT(130, 106, 92);
const QStringList SIX_CAPTIONS = {"Life Path",        "Birthday",        "Expression (M)",
                                  "Heart Desire (M)", "Personality (M)", "Karmic Debts"};

// A Main Features panel, 200 x 135, with six rows.
struct Panel
{
    explicit Panel(const CSkinManager *skin = nullptr)
        : widget(skin, titlePicture(200, T))
    {
        widget.resize(200, 135);
        widget.setTitle(QStringLiteral("Main Features"));
        widget.setCaptions(SIX_CAPTIONS);
        widget.setValues({"5/23", "15 (6)", "1/19 (4/13)", "2/20 (5/14)", "8/26 (8/17)", "13, 14, 19"});
    }
    CInfoWidget widget;
};

QRect valueArea(int row)
{
    return QRect(CInfoWidget::VALUE_X, T + 3 + 16 * row, 90, 16);
}

} // namespace

class TestCInfoWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { pinLocale(); }
    void richText_data();
    void richText();
    void masterNumbersArePaintedInTheirColour_data();
    void masterNumbersArePaintedInTheirColour();
    void longValuesKeepTheirEnd_data();
    void longValuesKeepTheirEnd();
    void longValuesKeepTheFontOfTheirNeighbours();
    void geometry();
    void titleLabel();
    void shorterValuesPaintOnlyTheFrame();
    void clicks_data();
    void clicks();
    void hoverHighlight_data();
    void hoverHighlight();
    void leavingRemovesTheHighlight();
    void bodyFollowsTheSkin();
    void clearValues();
};

void TestCInfoWidget::richText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("plain");
    QTest::addColumn<QString>("body");
    const QString m = QStringLiteral("<font color=\"#F06040\">%1</font>");
    QTest::newRow("11/2") << "11/2" << false << m.arg("11") + "/2";
    QTest::newRow("1/11/2: only the middle") << "1/11/2" << false << "1/" + m.arg("11") + "/2";
    QTest::newRow("111: no pair stands alone") << "111" << false << "111";
    QTest::newRow("13, 14: unequal digits") << "13, 14" << false << "13, 14";
    QTest::newRow("11, 22: both") << "11, 22" << false << m.arg("11") + ", " + m.arg("22");
    QTest::newRow("2/11 at the end") << "2/11" << false << "2/" + m.arg("11");
    QTest::newRow("99 in master mode 1") << "99" << false << m.arg("99");
    QTest::newRow("1111") << "1111" << false << "1111";
    QTest::newRow("one character") << "1" << false << "1";
    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("letters around") << "a11b" << false << "a" + m.arg("11") + "b";
    QTest::newRow("plain text") << "11/2" << true << "11/2";
    QTest::newRow("markup characters escaped") << "a<b & c>d" << false << "a&lt;b &amp; c&gt;d";
}

void TestCInfoWidget::richText()
{
    QFETCH(QString, text);
    QFETCH(bool, plain);
    QFETCH(QString, body);
    QCOMPARE(CInfoWidget::panelRichText(text, plain), "<font color=\"#ece7e0\">" + body + "</font>");
}

void TestCInfoWidget::masterNumbersArePaintedInTheirColour_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("plain");
    QTest::addColumn<bool>("coloured");
    QTest::newRow("11/2") << "11/2" << false << true;
    QTest::newRow("111") << "111" << false << false;
    QTest::newRow("13, 14") << "13, 14" << false << false;
    QTest::newRow("2/11") << "2/11" << false << true;
    QTest::newRow("plain-text panel") << "11/2" << true << false;
    QTest::newRow("long value") << "3, 11, 4, 6, 2, 8" << false << true;
}

void TestCInfoWidget::masterNumbersArePaintedInTheirColour()
{
    QFETCH(QString, value);
    QFETCH(bool, plain);
    QFETCH(bool, coloured);
    Panel panel;
    panel.widget.setPlainText(plain);
    panel.widget.setValue(2, value);
    const QImage image = renderWidget(panel.widget);
    QCOMPARE(reddishPixels(image, valueArea(2)) > 5, coloured);
    QVERIFY(inkPixels(image, valueArea(2), BODY) > 10); // the value is drawn either way
    QCOMPARE(reddishPixels(image, valueArea(1)), 0);    // "15 (6)" has no master number
}

void TestCInfoWidget::longValuesKeepTheirEnd_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown"); // empty: shown whole
    QTest::addColumn<QString>("end");   // what a shortened value still ends with
    QTest::newRow("short") << "5/23" << QString() << QString();
    QTest::newRow("fits at twelve characters") << "3/48 (1)" << QString() << QString();
    // The life path of Nov 29 1987: day, month and year sums, then the total.
    QTest::newRow("life path line") << "11/11+11+7/25=29=11" << "\u2026" << "=29=11";
    QTest::newRow("long karmic lessons") << "1, 2, 3, 4, 5, 6, 7, 8, 9" << "\u2026" << "8, 9";
}

// A value wider than its room in the panel gives up its beginning: the
// result at its end stays, and the whole value is the row's tool tip.
void TestCInfoWidget::longValuesKeepTheirEnd()
{
    QFETCH(QString, value);
    QFETCH(QString, shown);
    QFETCH(QString, end);
    Panel panel;
    panel.widget.setValue(0, value);
    const QFont font = panelparts::panelFont(panelparts::PanelFace::Arial, 12);
    const QString fitted = CInfoWidget::fittedText(value, font, panel.widget.valueWidth());
    const QPoint overValue(CInfoWidget::VALUE_X + 10, T + 3 + 8);
    if (shown.isEmpty()) {
        QCOMPARE(fitted, value);
        QCOMPARE(panel.widget.toolTipAt(overValue), QString());
        return;
    }
    QVERIFY(fitted.startsWith(shown));
    QVERIFY2(fitted.endsWith(end), qPrintable(fitted));
    QVERIFY(QFontMetrics(font).horizontalAdvance(fitted) <= panel.widget.valueWidth());
    QCOMPARE(panel.widget.toolTipAt(overValue), value);
    QCOMPARE(panel.widget.toolTipAt(QPoint(10, T + 3 + 8)), QString()); // over the caption
    // Drawn: nothing passes the inner frame on the right.
    const QImage image = renderWidget(panel.widget);
    QCOMPARE(inkPixels(image, QRect(197, T + 3, 1, 16), BODY), 0);
}

// A long value is drawn as tall as the short values beside it.
void TestCInfoWidget::longValuesKeepTheFontOfTheirNeighbours()
{
    const auto inkHeight = [](const QString &value) {
        Panel panel;
        panel.widget.setValues({value, "", "", "", "", ""});
        const QImage image = renderWidget(panel.widget);
        int top = -1;
        int bottom = -1;
        for (int y = T + 3; y < T + 3 + 16; ++y) {
            if (inkPixels(image, QRect(CInfoWidget::VALUE_X, y, 90, 1), BODY) > 0) {
                if (top < 0)
                    top = y;
                bottom = y;
            }
        }
        return bottom - top;
    };
    // "/" and digits reach from the top of the digits to below the baseline.
    QCOMPARE(inkHeight(QStringLiteral("11/11+11+7/25=29=11")), inkHeight(QStringLiteral("5/23")));
}

void TestCInfoWidget::geometry()
{
    Panel panel;
    panel.widget.setExtraWidth(10);
    QCOMPARE(panel.widget.titleHeight(), T);
    QCOMPARE(panel.widget.paintWidth(), 210);
    QCOMPARE(panel.widget.bodyRect(6), QRect(0, T, 210, 16 * 6 + 6));
    QCOMPARE(panel.widget.rowTop(0), T + 3);
    QCOMPARE(panel.widget.rowTop(5), T + 3 + 80);

    // Painted: body colour inside, the outer frame on the left and bottom edges.
    panel.widget.setExtraWidth(0);
    const QImage image = renderWidget(panel.widget);
    QCOMPARE(QColor(image.pixel(3, T + 1)), BODY);
    QCOMPARE(QColor(image.pixel(0, T + 40)), QColor(93, 84, 78));
    QCOMPARE(QColor(image.pixel(1, T + 40)), QColor(57, 46, 40));
    QCOMPARE(QColor(image.pixel(100, T - 1 + 16 * 6 + 6)), QColor(93, 84, 78));
    QCOMPARE(QColor(image.pixel(100, 5)), QColor(0xe6, 0xd9, 0xa8)); // title over the frame's top
}

void TestCInfoWidget::titleLabel()
{
    Panel panel;
    QCOMPARE(panel.widget.title(), QStringLiteral("Main Features"));
    QCOMPARE(panel.widget.titleLabel()->geometry(), QRect(10, 1, 180, T - 2));
    panel.widget.setTitlePicture(QImage());
    QCOMPARE(panel.widget.titleLabel()->geometry(), QRect(10, 1, 0, 0));
    QCOMPARE(panel.widget.titleHeight(), 0);
}

void TestCInfoWidget::shorterValuesPaintOnlyTheFrame()
{
    Panel panel;
    panel.widget.setValues({"5/23", "15 (6)"});
    const QImage image = renderWidget(panel.widget);
    // Neither captions nor values: the body inside the frame is plain.
    QCOMPARE(inkPixels(image, QRect(2, T + 1, 195, 16 * 6 + 2), BODY), 0);
    QCOMPARE(QColor(image.pixel(0, T + 40)), QColor(93, 84, 78));
}

void TestCInfoWidget::clicks_data()
{
    QTest::addColumn<int>("clickableRows");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("row"); // -1: nothing emitted
    QTest::newRow("title picture") << 100 << QPoint(50, 10) << -1;
    QTest::newRow("between title and first row") << 100 << QPoint(50, T + 2) << -1;
    QTest::newRow("first row, top") << 100 << QPoint(50, T + 3) << 0;
    QTest::newRow("first row, bottom") << 100 << QPoint(50, T + 18) << 0;
    QTest::newRow("second row") << 100 << QPoint(150, T + 19) << 1;
    QTest::newRow("last row") << 100 << QPoint(50, T + 3 + 16 * 5 + 15) << 5;
    QTest::newRow("below the last row") << 100 << QPoint(50, T + 3 + 16 * 6) << -1;
    QTest::newRow("left edge") << 100 << QPoint(0, T + 20) << -1;
    QTest::newRow("Life Cycles row 3") << 4 << QPoint(50, T + 3 + 16 * 3 + 2) << 3;
    QTest::newRow("Life Cycles row 4") << 4 << QPoint(50, T + 3 + 16 * 4 + 2) << -1;
    QTest::newRow("no clickable row") << 0 << QPoint(50, T + 5) << -1;
}

void TestCInfoWidget::clicks()
{
    QFETCH(int, clickableRows);
    QFETCH(QPoint, pos);
    QFETCH(int, row);
    Panel panel;
    panel.widget.setClickableRows(clickableRows);
    QSignalSpy spy(&panel.widget, &CInfoWidget::itemCliked);
    QTest::mouseClick(&panel.widget, Qt::LeftButton, Qt::NoModifier, pos);
    if (row < 0) {
        QCOMPARE(spy.count(), 0);
    } else {
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), row);
    }
}

void TestCInfoWidget::hoverHighlight_data()
{
    QTest::addColumn<bool>("hover");
    QTest::addColumn<int>("clickableRows");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("lit");
    QTest::newRow("Main Features") << true << 100 << 2 << true;
    QTest::newRow("Bridges: no highlight") << false << 100 << 2 << false;
    QTest::newRow("Life Cycles row 3") << true << 4 << 3 << true;
    QTest::newRow("Life Cycles row 5") << true << 4 << 5 << false;
}

void TestCInfoWidget::hoverHighlight()
{
    QFETCH(bool, hover);
    QFETCH(int, clickableRows);
    QFETCH(int, row);
    QFETCH(bool, lit);
    Panel panel;
    panel.widget.setHoverHighlight(hover);
    panel.widget.setClickableRows(clickableRows);
    panel.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel.widget));
    const QPoint pointer(60, T + 3 + 16 * row + 8);
    movePointer(panel.widget, pointer);
    QTRY_COMPARE(panel.widget.hoverPos(), pointer);
    QVERIFY(!panel.widget.mouseOutside());
    const QImage image = renderWidget(panel.widget);
    // A spot right of the values, inside the hovered row and the row above.
    const QPoint spot(190, T + 3 + 16 * row + 1);
    QCOMPARE(QColor(image.pixel(spot)) == HIGHLIGHT, lit);
    QCOMPARE(QColor(image.pixel(spot - QPoint(0, 16))), BODY);
}

void TestCInfoWidget::leavingRemovesTheHighlight()
{
    Panel panel;
    panel.widget.setHoverHighlight(true);
    panel.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel.widget));
    const QPoint spot(190, T + 3 + 16 + 1);
    movePointer(panel.widget, QPoint(60, T + 3 + 16 + 8));
    QTRY_COMPARE(panel.widget.hoverPos(), QPoint(60, T + 3 + 16 + 8));
    QCOMPARE(QColor(renderWidget(panel.widget).pixel(spot)), HIGHLIGHT);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&panel.widget, &leave);
    QCOMPARE(QColor(renderWidget(panel.widget).pixel(spot)), BODY);
}

void TestCInfoWidget::bodyFollowsTheSkin()
{
    CSkinManager skin(QString{});
    Panel panel(&skin);
    QCOMPARE(QColor(renderWidget(panel.widget).pixel(3, T + 1)), BODY);
    skin.selectSkin(1);
    const QImage blue = renderWidget(panel.widget);
    QCOMPARE(QColor(blue.pixel(3, T + 1)), skin.mapColor(BODY));
    QCOMPARE(QColor(blue.pixel(0, T + 40)), skin.mapColor(QColor(93, 84, 78)));
    QCOMPARE(QColor(blue.pixel(100, 5)), skin.mapColor(QColor(0xe6, 0xd9, 0xa8)));
}

void TestCInfoWidget::clearValues()
{
    Panel panel;
    panel.widget.clearValues();
    QCOMPARE(panel.widget.values(), QStringList({"", "", "", "", "", ""}));
    panel.widget.setValue(8, QStringLiteral("x"));
    QCOMPARE(panel.widget.values().size(), 9);
    panel.widget.setValue(-1, QStringLiteral("x")); // ignored
    QCOMPARE(panel.widget.values().size(), 9);
}

QTEST_MAIN(TestCInfoWidget)
#include "test_cinfowidget.moc"
