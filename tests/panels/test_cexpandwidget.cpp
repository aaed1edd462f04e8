// The day text drawer: closed and open geometry, the slide that keeps the
// right edge, anchoring by the window's layout, and the skin refresh.

#include "app/cskinmanager.h"
#include "panels/cexpandwidget.h"

#include "panelfixture.h"

#include <QPropertyAnimation>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

namespace {

// A window-sized parent with the drawer anchored at (700, 300).
struct Fixture
{
    Fixture()
        : drawer(nullptr, &window)
    {
        window.resize(1000, 500);
        drawer.setAnchor(QPoint(700, 300));
        window.show();
    }
    QWidget window;
    CExpandWidget drawer;
};

void clickHandle(CExpandWidget &drawer)
{
    QTest::mouseClick(drawer.handleButton(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 40));
}

} // namespace

class TestCExpandWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { pinLocale(); }
    void startsClosed();
    void handleOpensAndClosesKeepingTheRightEdge();
    void clickDuringTheSlideTurnsBack();
    void anchoringKeepsTheState_data();
    void anchoringKeepsTheState();
    void text();
    void skinRefresh();
};

void TestCExpandWidget::startsClosed()
{
    Fixture f;
    QCOMPARE(f.drawer.geometry(), QRect(700, 300, 13, 98));
    QVERIFY(!f.drawer.isOpen());
    QCOMPARE(f.drawer.animation()->duration(), 200);
    QCOMPARE(f.drawer.textBrowser()->geometry(), QRect(25, 12, 550, 78));
    QCOMPARE(f.drawer.handleButton()->geometry(), QRect(0, 0, 15, 98));
}

void TestCExpandWidget::handleOpensAndClosesKeepingTheRightEdge()
{
    Fixture f;
    const int rightEdge = f.drawer.geometry().right();
    clickHandle(f.drawer);
    QCOMPARE(f.drawer.animation()->state(), QAbstractAnimation::Running);
    QTRY_COMPARE(f.drawer.geometry(), QRect(100, 300, 613, 98));
    QVERIFY(f.drawer.isOpen());
    QCOMPARE(f.drawer.geometry().right(), rightEdge);

    clickHandle(f.drawer);
    QTRY_COMPARE(f.drawer.geometry(), QRect(700, 300, 13, 98));
    QCOMPARE(f.drawer.geometry().right(), rightEdge);
    QVERIFY(!f.drawer.isOpen());
}

void TestCExpandWidget::clickDuringTheSlideTurnsBack()
{
    Fixture f;
    f.drawer.slotExpand();
    f.drawer.animation()->setCurrentTime(100); // half open, wider than 30
    QVERIFY(f.drawer.width() >= CExpandWidget::OPEN_LIMIT);
    f.drawer.slotExpand();
    QCOMPARE(f.drawer.animation()->endValue().toRect(), QRect(700, 300, 13, 98));
    QTRY_COMPARE(f.drawer.geometry(), QRect(700, 300, 13, 98));
}

void TestCExpandWidget::anchoringKeepsTheState_data()
{
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("slideTime"); // -1: the slide has ended
    QTest::addColumn<QRect>("expected");
    // The window grew by 200 x 100: the layout puts the drawer's right edge
    // at x 912 (its top left at 913 - width), so the anchor becomes (900, 400).
    QTest::newRow("closed") << false << -1 << QRect(900, 400, 13, 98);
    QTest::newRow("open") << true << -1 << QRect(300, 400, 613, 98);
    QTest::newRow("early in the slide") << true << 20 << QRect(300, 400, 613, 98);
    QTest::newRow("late in the slide") << true << 150 << QRect(300, 400, 613, 98);
}

void TestCExpandWidget::anchoringKeepsTheState()
{
    QFETCH(bool, open);
    QFETCH(int, slideTime);
    QFETCH(QRect, expected);
    Fixture f;
    if (open) {
        f.drawer.slotExpand();
        if (slideTime >= 0)
            f.drawer.animation()->setCurrentTime(slideTime);
        else
            QTRY_VERIFY(f.drawer.animation()->state() == QAbstractAnimation::Stopped);
    }
    f.drawer.setAnchor(QPoint(913 - f.drawer.width(), 400));
    QCOMPARE(f.drawer.anchor(), QPoint(900, 400));
    QCOMPARE(f.drawer.geometry(), expected);
    QCOMPARE(f.drawer.animation()->state(), QAbstractAnimation::Stopped);
    QCOMPARE(f.drawer.geometry().right(), 900 + 12);
}

void TestCExpandWidget::text()
{
    Fixture f;
    f.drawer.setText(QStringLiteral("<p>A quiet day.</p>"));
    QCOMPARE(f.drawer.text(), QStringLiteral("A quiet day."));
    f.drawer.setText(QString());
    QVERIFY(f.drawer.text().isEmpty());
}

void TestCExpandWidget::skinRefresh()
{
    // No handle picture in the folder: the handle stays a plain strip.
    QTemporaryDir empty;
    CSkinManager skin(empty.path());
    QWidget window;
    window.resize(800, 200);
    CExpandWidget drawer(&skin, &window);
    drawer.setAnchor(QPoint(700, 50));
    drawer.slotExpand();
    drawer.animation()->setCurrentTime(200);
    QCOMPARE(drawer.geometry(), QRect(100, 50, 613, 98));

    const QPoint inside(300, 5); // open drawer, above the text
    QCOMPARE(QColor(renderWidget(drawer).pixel(inside)), QColor("#352821"));
    skin.selectSkin(1);
    drawer.slotUpdate();
    QCOMPARE(QColor(renderWidget(drawer).pixel(inside)), skin.mapColor("#352821"));
    QCOMPARE(QColor(renderWidget(drawer).pixel(8, 50)), skin.mapColor("#54443a"));
}

QTEST_MAIN(TestCExpandWidget)
#include "test_cexpandwidget.moc"
