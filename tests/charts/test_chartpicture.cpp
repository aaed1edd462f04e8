// The chart picture: its size (units / 1.334, four times that for the
// export, else fitted to the request), the page walk that stops after the
// first page with a caption text, record image or barcode, templates read
// from files, and the chart data that keeps the picture for the export.

#include "charts/cchartnumerology.h"
#include "charts/chartelements.h"
#include "charts/chartpicture.h"
#include "charts/chartrenderer.h"
#include "charts/charttemplates.h"
#include "files/checkedfilewriter.h"
#include "templatefixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A page of the given size filled with colour, holding an element of kind
// (0 for none).
std::unique_ptr<ChartPage> colouredPage(const QColor &colour, int kind = 0)
{
    auto page = std::make_unique<ChartPage>();
    page->size = QSizeF(400, 300);
    page->backgroundMode = BACKGROUND_COLOUR;
    page->backgroundColour = colour;
    if (kind != 0) {
        auto content = std::make_unique<ChartItem>();
        content->type = kind;
        content->size = QSizeF(10, 10);
        page->addItem(makeElement(std::move(content), QPointF(0, 0)));
    }
    return page;
}

} // namespace

class TestChartPicture : public QObject
{
    Q_OBJECT

private slots:
    void pictureSize_data();
    void pictureSize();
    void hugePageScaledDown();
    void pageWalk_data();
    void pageWalk();
    void documentWithoutPage();
    void fromFile();
    void chartData();
};

void TestChartPicture::pictureSize_data()
{
    QTest::addColumn<QSizeF>("page");
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<QSize>("expected");
    // A4: 840 / 1.334 = 629.69 and 1188 / 1.334 = 890.55, cut to 629 x 890.
    QTest::newRow("A4 export") << QSizeF(840, 1188) << QSize(0, 0) << QSize(2516, 3560);
    QTest::newRow("A4 into 600 x 600") << QSizeF(840, 1188) << QSize(600, 600) << QSize(424, 600);
    QTest::newRow("A4 into a wide board") << QSizeF(840, 1188) << QSize(2000, 445) << QSize(314, 445);
    QTest::newRow("A4 enlarged") << QSizeF(840, 1188) << QSize(1258, 5000) << QSize(1258, 1780);
    // 360 / 1.334 = 269.87, 216 / 1.334 = 161.92.
    QTest::newRow("card export") << QSizeF(360, 216) << QSize(0, 0) << QSize(1076, 644);
    QTest::newRow("a request of no width") << QSizeF(840, 1188) << QSize(0, 500) << QSize();
    QTest::newRow("a page under one pixel") << QSizeF(1, 1188) << QSize(0, 0) << QSize();
}

void TestChartPicture::pictureSize()
{
    QFETCH(QSizeF, page);
    QFETCH(QSize, requested);
    QFETCH(QSize, expected);
    QCOMPARE(chartPictureSize(page, requested), expected);
}

// 20000 x 20000 units is 14992 pixels a side, 59968 for the export: scaled
// down to at most 36 million pixels, still square.
void TestChartPicture::hugePageScaledDown()
{
    const QSize size = chartPictureSize(QSizeF(20000, 20000), QSize(0, 0));
    QCOMPARE(size.width(), size.height());
    QVERIFY(qint64(size.width()) * size.height() <= MAX_CHART_PICTURE_PIXELS);
    QVERIFY(size.width() >= 5990);
}

void TestChartPicture::pageWalk_data()
{
    QTest::addColumn<QList<int>>("kinds"); // one element kind per page, 0 for none
    QTest::addColumn<int>("shownPage");    // whose colour the picture has
    QTest::newRow("one page") << QList<int>{0} << 0;
    QTest::newRow("no caption, record image or barcode: the last page") << QList<int>{0, 0, 0} << 2;
    QTest::newRow("barcode on the second page") << QList<int>{0, ITEM_BARCODE, 0} << 1;
    QTest::newRow("caption text on the first page") << QList<int>{ITEM_CAPTION_TEXT, 0} << 0;
    QTest::newRow("record image on the third page") << QList<int>{0, ITEM_TEXT_FIELD, ITEM_RECORD_IMAGE} << 2;
    QTest::newRow("record image set does not stop") << QList<int>{ITEM_RECORD_IMAGE_SET, 0} << 1;
}

// Pages of the second list follow those of the first.
void TestChartPicture::pageWalk()
{
    QFETCH(QList<int>, kinds);
    QFETCH(int, shownPage);
    const QColor colours[3] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};
    ChartDocument document;
    document.clear();
    document.pageLists.resize(2);
    for (int i = 0; i < kinds.size(); ++i)
        document.pageLists[i == 0 ? 0 : 1].push_back(colouredPage(colours[i], kinds.at(i)));
    document.currentPage = document.firstPage();

    const QImage picture = renderChartPicture(document, ChartDataContext(), QSize(0, 0));
    QCOMPARE(picture.size(), QSize(299 * 4, 224 * 4)); // 400 and 300 units / 1.334
    QCOMPARE(picture.pixelColor(600, 500), colours[shownPage]);
}

void TestChartPicture::documentWithoutPage()
{
    ChartDocument document;
    document.clear();
    const QImage picture = renderChartPicture(document, ChartDataContext(), QSize(300, 300));
    QCOMPARE(picture.size(), QSize(10, 10));
    QCOMPARE(picture.pixelColor(5, 5), QColor(Qt::white));
}

// A file that cannot be opened or is refused gives no picture and a reason.
void TestChartPicture::fromFile()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    ChartDocument document;
    document.firstPage()->backgroundMode = BACKGROUND_COLOUR;
    document.firstPage()->backgroundColour = QColor(10, 200, 30);
    // Written as the designer writes it, with the first page's thumbnail.
    refreshThumbnail(*document.firstPage(), ChartDataContext());
    const QString good = folder.filePath(QStringLiteral("good.snc"));
    const QString bad = folder.filePath(QStringLiteral("bad.snc"));
    QVERIFY(writeFileChecked(good, document.toBytes()));
    QVERIFY(writeFileChecked(bad, document.toBytes().left(200)));

    QString error;
    const QImage picture = chartPictureFromFile(good, ChartDataContext(), QSize(0, 0), &error);
    QCOMPARE(picture.size(), QSize(2516, 3560));
    QCOMPARE(picture.pixelColor(1000, 1000), QColor(10, 200, 30));
    QVERIFY(error.isEmpty());

    QVERIFY(chartPictureFromFile(bad, ChartDataContext(), QSize(0, 0), &error).isNull());
    QVERIFY(!error.isEmpty());
    error.clear();
    QVERIFY(chartPictureFromFile(folder.filePath(QStringLiteral("missing.snc")), ChartDataContext(),
                                 QSize(0, 0), &error)
                .isNull());
    QVERIFY(!error.isEmpty());
}

// Setting a picture makes the working picture a white copy with the picture
// drawn on it; the reset draws the stored picture over it again.
void TestChartPicture::chartData()
{
    QImage stored(4, 3, QImage::Format_ARGB32);
    stored.fill(Qt::transparent);
    stored.setPixelColor(1, 1, QColor(200, 10, 10));
    CChartNumerology chart;
    chart.SetPicture(stored);
    QCOMPARE(chart.picture(), stored);
    QCOMPARE(chart.workingPicture().size(), QSize(4, 3));
    QCOMPARE(chart.workingPicture().pixelColor(0, 0), QColor(Qt::white));
    QCOMPARE(chart.workingPicture().pixelColor(1, 1), QColor(200, 10, 10));

    chart.workingPicture().fill(Qt::black); // as if drawn over

    chart.ResetChart();
    QCOMPARE(chart.workingPicture().pixelColor(1, 1), QColor(200, 10, 10));
    QCOMPARE(chart.workingPicture().pixelColor(0, 0), QColor(Qt::black)); // transparent parts stay

    chart.SetPicture(QImage());
    QVERIFY(chart.workingPicture().isNull());
}

QTEST_MAIN(TestChartPicture)
#include "test_chartpicture.moc"
