// Page geometry of the main window.

#include "app/windowlayout.h"

#include <QtTest>

using namespace WindowLayout;

class TestWindowLayout : public QObject
{
    Q_OBJECT

private slots:
    void reportRect_data();
    void reportRect();
    void bottomBand();
    void moduleButtons();
    void moduleColumnFits_data();
    void moduleColumnFits();
    void leftColumn_data();
    void leftColumn();
};

void TestWindowLayout::reportRect_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QRect>("expected");
    // The minimum window keeps the report at x 216, 600 wide.
    QTest::newRow("minimum, numerology") << int(NumerologyPage) << QSize(1015, 570) << QRect(216, 10, 600, 305);
    QTest::newRow("minimum, forecast shares it") << int(ForecastPage) << QSize(1015, 570) << QRect(216, 10, 600, 305);
    QTest::newRow("psychomatrix") << int(PsychomatrixPage) << QSize(1100, 700) << QRect(216, 10, 685, 386);
    QTest::newRow("compatibility") << int(CompatibilityPage) << QSize(1100, 700) << QRect(216, 10, 685, 386);
    QTest::newRow("celebrities") << int(CelebritiesPage) << QSize(1100, 700) << QRect(216, 10, 685, 680);
    QTest::newRow("guide") << int(GuidePage) << QSize(1100, 700) << QRect(216, 10, 685, 680);
    QTest::newRow("pet") << int(PetPage) << QSize(1100, 700) << QRect(216, 10, 685, 541);
    QTest::newRow("advisor starts lower") << int(AdvisorPage) << QSize(1100, 700) << QRect(216, 280, 685, 415);
    QTest::newRow("chart page has its own area") << int(ChartPage) << QSize(1100, 700) << QRect(10, 10, 891, 630);
    // Wider than 1439: the 1024-pixel report is centred.
    QTest::newRow("wide window centres") << int(NumerologyPage) << QSize(1639, 900) << QRect(316, 10, 1024, 635);
    QTest::newRow("exactly 1439") << int(NumerologyPage) << QSize(1439, 900) << QRect(216, 10, 1024, 635);
}

void TestWindowLayout::reportRect()
{
    QFETCH(int, page);
    QFETCH(QSize, window);
    QFETCH(QRect, expected);
    QCOMPARE(WindowLayout::reportRect(page, window), expected);
}

void TestWindowLayout::bottomBand()
{
    const QSize window(1100, 700);
    QCOMPARE(bottomBandX(window), 258);
    QCOMPARE(bottomBandX(QSize(1015, 570)), 216);
    QCOMPARE(bottomBandShownY(NamePanel, window), 451);
    QCOMPARE(bottomBandHiddenY(NamePanel, window), 1451);
    QCOMPARE(bottomBandShownY(PlanesPanel, window), 592);
    QCOMPARE(bottomBandShownY(EssencePanel, window), 545);
    QCOMPARE(bottomBandShownY(MatrixPanel, window), 402);
    QCOMPARE(bottomBandHiddenY(MatrixPanel, window), 1402);
    QCOMPARE(bottomBandHiddenY(PetNamePanel, window), 1557);
    // The pet's name panel (133 high) stands wholly inside the window.
    QVERIFY(bottomBandShownY(PetNamePanel, window) + 133 <= window.height());
}

void TestWindowLayout::moduleButtons()
{
    // Top to bottom: Numerology, Psycho Matrix, Forecast, Love, Celebrities,
    // Pet, Chart, Advisor, Guide, 80 pixels apart.
    const int order[] = {NumerologyPage, PsychomatrixPage, ForecastPage, CompatibilityPage, CelebritiesPage,
                         PetPage, ChartPage, AdvisorPage, GuidePage};
    for (int i = 0; i < PAGE_COUNT; ++i)
        QCOMPARE(moduleButtonY(order[i]), 80 * i);
    QCOMPARE(imageButtonPos(SaveButton, QSize(1100, 700)), QPoint(910, 560));
    QCOMPARE(imageButtonPos(AboutButton, QSize(1100, 700)), QPoint(1070, 560));
}

void TestWindowLayout::moduleColumnFits_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<int>("buttonHeight");
    QTest::addColumn<bool>("allNineShow");
    // The column is the window's height less 160.
    QTest::newRow("tall: full-height buttons") << QSize(1600, 1000) << 80 << true;
    QTest::newRow("exactly 720 high") << QSize(1100, 880) << 80 << true;
    QTest::newRow("default 1100 x 700") << QSize(1100, 700) << 60 << true;
    QTest::newRow("1024 x 700") << QSize(1024, 700) << 60 << true;
    QTest::newRow("665 high: the smallest share") << QSize(1100, 665) << 56 << true;
    QTest::newRow("minimum 570: the column scrolls") << QSize(1015, 570) << 56 << false;
}

void TestWindowLayout::moduleColumnFits()
{
    QFETCH(QSize, window);
    QFETCH(int, buttonHeight);
    QFETCH(bool, allNineShow);
    const int height = moduleButtonHeight(window);
    QCOMPARE(height, buttonHeight);
    const int lowestBottom = moduleButtonY(GuidePage, height) + height;
    QCOMPARE(lowestBottom <= moduleColumnRect(window).height(), allNineShow);
    // Buttons touch without overlapping, whatever their height.
    QCOMPARE(moduleButtonY(PsychomatrixPage, height), height);
    QCOMPARE(moduleButtonY(ForecastPage, height), 2 * height);
    // The icon keeps 20 pixels of the button free and its 64:60 shape.
    const QSize icon = moduleIconSize(height);
    QCOMPARE(icon.height(), qMin(60, height - 20));
    QVERIFY(qAbs(icon.width() * 60 - icon.height() * 64) < 60);
}

using Places = QVector<QPair<int, int>>;

void TestWindowLayout::leftColumn_data()
{
    QTest::addColumn<Places>("places");
    QTest::addColumn<int>("height");
    QTest::addColumn<QVector<int>>("expected");
    const Places three = {{10, 100}, {130, 100}, {250, 100}}; // gaps of 20, 16 to spare each
    // The name button's top is at height - 88; the column ends 4 above it.
    QTest::newRow("room to spare") << three << 700 << QVector<int>{10, 130, 250};
    QTest::newRow("exactly fits") << three << 442 << QVector<int>{10, 130, 250};
    QTest::newRow("gaps share the squeeze") << three << 430 << QVector<int>{10, 124, 238};
    QTest::newRow("uneven share rounds") << three << 421 << QVector<int>{10, 119, 229};
    QTest::newRow("gaps never below the minimum") << three << 300 << QVector<int>{10, 114, 218};
    QTest::newRow("one panel stays") << Places{{437, 55}} << 400 << QVector<int>{437};
    QTest::newRow("touching panels stay") << Places{{10, 100}, {110, 100}} << 250 << QVector<int>{10, 110};
    QTest::newRow("nothing") << Places{} << 570 << QVector<int>{};
}

void TestWindowLayout::leftColumn()
{
    QFETCH(Places, places);
    QFETCH(int, height);
    QFETCH(QVector<int>, expected);
    QCOMPARE(leftColumnYs(places, QSize(1100, height)), expected);
}

QTEST_GUILESS_MAIN(TestWindowLayout)
#include "test_windowlayout.moc"
