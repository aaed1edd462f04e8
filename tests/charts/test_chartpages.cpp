// Pages and blocks as the designer's pane edits them: the first page list
// never empties, a deleted block takes its views with it, reordering moves
// one entry, and block views follow their block's thumbnail.

#include "charts/chartdocument.h"
#include "charts/chartelements.h"
#include "charts/chartpages.h"

#include <QtTest>

namespace {

// A document of pageCount pages ("Pages 2", ...) and blockCount blocks
// ("B1", ...), the first page current.
void fill(ChartDocument &document, int pageCount, int blockCount)
{
    document.newDocument();
    for (int i = 1; i < pageCount; ++i)
        document.addPage();
    for (int i = 1; i <= blockCount; ++i)
        document.addBlock(QSizeF(300, 200), QStringLiteral("B%1").arg(i));
}

ChartItem *placeView(ChartPage &page, ChartPage &block)
{
    return page.addItem(makeElement(makeBlockViewContent(block, ChartDataContext()), QPointF(10, 10)));
}

QStringList names(const ChartPageList &list)
{
    QStringList out;
    for (const auto &page : list)
        out << page->name;
    return out;
}

} // namespace

class TestChartPages : public QObject
{
    Q_OBJECT
private slots:
    void deletePage_data();
    void deletePage();
    void deletingABlockTakesItsViews();
    void moveListEntry_data();
    void moveListEntry();
    void blockViewsFollowTheirBlock();
    void placeOf();
};

void TestChartPages::deletePage_data()
{
    QTest::addColumn<int>("pageCount");
    QTest::addColumn<int>("deleted"); // index in the first list; -1: a block
    QTest::addColumn<int>("current"); // the current page's index before
    QTest::addColumn<bool>("done");
    QTest::addColumn<QString>("currentAfter");

    QTest::newRow("the only page stays") << 1 << 0 << 0 << false << "Untitled";
    QTest::newRow("a block is no page") << 2 << -1 << 0 << false << "Untitled";
    QTest::newRow("another page") << 3 << 2 << 0 << true << "Untitled";
    QTest::newRow("current first page: the next") << 3 << 0 << 0 << true << "Pages 2";
    QTest::newRow("current later page: the one before") << 3 << 2 << 2 << true << "Pages 2";
}

void TestChartPages::deletePage()
{
    QFETCH(int, pageCount);
    QFETCH(int, deleted);
    QFETCH(int, current);
    QFETCH(bool, done);
    QFETCH(QString, currentAfter);

    ChartDocument document;
    fill(document, pageCount, 1);
    ChartPageList &pages = document.pageLists.front();
    document.currentPage = pages[size_t(current)].get();
    const ChartPage *victim = deleted < 0 ? document.blocks.front().get() : pages[size_t(deleted)].get();
    QCOMPARE(::deletePage(document, victim), done);
    QCOMPARE(int(pages.size()), done ? pageCount - 1 : pageCount);
    QCOMPARE(int(document.blocks.size()), 1);
    QVERIFY(document.currentPage);
    QCOMPARE(document.currentPage->name, currentAfter);
}

void TestChartPages::deletingABlockTakesItsViews()
{
    ChartDocument document;
    fill(document, 2, 2);
    ChartPage &first = *document.pageLists.front()[0];
    ChartPage &second = *document.pageLists.front()[1];
    ChartPage *kept = document.blocks[0].get();
    ChartPage *gone = document.blocks[1].get();
    placeView(first, *gone);
    placeView(first, *kept);
    placeView(second, *gone);
    first.addItem(makeElement(makeFieldContent(QStringLiteral("Text")), QPointF(0, 0)));
    document.currentPage = gone;
    QCOMPARE(blockViewCount(document, gone), 2);

    QVERIFY(deleteBlock(document, gone));
    // No view is left pointing at the deleted block; everything else stays.
    QCOMPARE(names(document.blocks), QStringList{"B1"});
    QCOMPARE(int(first.items.size()), 2);
    QCOMPARE(first.items[0]->content->block, kept);
    QCOMPARE(first.items[1]->content->type, int(ITEM_TEXT_FIELD));
    QVERIFY(second.items.empty());
    QCOMPARE(document.currentPage, &first);
    // The document still writes and reads back with its one block view.
    ChartDocument copy;
    QByteArray bytes = document.toBytes();
    QDataStream stream(&bytes, QIODevice::ReadOnly);
    QCOMPARE(copy.read(stream), 0);
    QCOMPARE(blockViewCount(copy, copy.blocks.front().get()), 1);

    QVERIFY(!deleteBlock(document, gone));
    QVERIFY(!deleteBlock(document, &first));
}

void TestChartPages::moveListEntry_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<QStringList>("order");

    const QStringList start{"B1", "B2", "B3", "B4"};
    QTest::newRow("first to the end") << 0 << 4 << true << QStringList{"B2", "B3", "B4", "B1"};
    QTest::newRow("last to the front") << 3 << 0 << true << QStringList{"B4", "B1", "B2", "B3"};
    QTest::newRow("down one") << 1 << 3 << true << QStringList{"B1", "B3", "B2", "B4"};
    QTest::newRow("onto itself") << 2 << 2 << false << start;
    QTest::newRow("just after itself") << 2 << 3 << false << start;
    QTest::newRow("from out of range") << 4 << 0 << false << start;
    QTest::newRow("to out of range") << 0 << 5 << false << start;
    QTest::newRow("negative") << -1 << 0 << false << start;
}

void TestChartPages::moveListEntry()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, moved);
    QFETCH(QStringList, order);

    ChartDocument document;
    fill(document, 1, 4);
    QCOMPARE(::moveListEntry(document.blocks, from, to), moved);
    QCOMPARE(names(document.blocks), order);
}

void TestChartPages::blockViewsFollowTheirBlock()
{
    ChartDocument document;
    fill(document, 1, 1);
    ChartPage &block = *document.blocks.front();
    ChartItem *view = placeView(*document.firstPage(), block);
    const QImage before = view->content->image;
    QVERIFY(!before.isNull());

    block.backgroundMode = BACKGROUND_COLOUR;
    block.backgroundColour = Qt::darkBlue;
    refreshBlockViews(document, block, ChartDataContext());
    QCOMPARE(view->content->image, block.thumbnail);
    QVERIFY(view->content->image != before);
}

void TestChartPages::placeOf()
{
    ChartDocument document;
    fill(document, 2, 1);
    ChartPage stranger;
    QCOMPARE(::placeOf(document, document.pageLists.front()[1].get()), PagePlace::Page);
    QCOMPARE(::placeOf(document, document.blocks.front().get()), PagePlace::Block);
    QCOMPARE(::placeOf(document, &stranger), PagePlace::Elsewhere);
    QCOMPARE(::placeOf(document, nullptr), PagePlace::Elsewhere);
}

QTEST_MAIN(TestChartPages)
#include "test_chartpages.moc"
