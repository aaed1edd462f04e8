// The page editor driven with mouse and key events: zoom, scroll ranges,
// selection, snapped moves, resizing, rotating, deleting and the keyboard.
// Every row starts a fresh editor at zoom 0.75 with its scroll bars at 0, so
// a page point p sits at viewport pixel p x 0.75.

#include "designertestutil.h"

#include "charts/chartediting.h"
#include "charts/chartelements.h"
#include "designer/creportpe.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

constexpr double ONE_PIXEL = 1.0 / 0.75 + 1e-6; // page units a rounded pixel may add

struct EditorFixture
{
    EditorFixture()
    {
        editor.resize(600, 500);
        editor.show();
        editor.viewport()->resize(editor.viewport()->size()); // settle the geometry
    }

    // Adds the element of a fields-list entry with its top-left at a page point.
    ChartItem *add(const QString &entry, const QPointF &topLeft)
    {
        ChartPage *page = editor.document().currentPage;
        return page->addItem(makeElement(makeFieldContent(entry), topLeft));
    }

    QPoint viewportPoint(const QPointF &pagePoint) const { return editor.toViewport(pagePoint); }

    CReportPE editor;
};

bool near(double a, double b, double tolerance = ONE_PIXEL)
{
    return std::abs(a - b) <= tolerance;
}

} // namespace

class TestCReportPE : public QObject
{
    Q_OBJECT
private slots:
    void zoomIn_data();
    void zoomIn();
    void zoomOut_data();
    void zoomOut();
    void zoomNormalByKey();
    void scrollRanges_data();
    void scrollRanges();
    void clickSelectsTopmost_data();
    void clickSelectsTopmost();
    void move_data();
    void move();
    void resize_data();
    void resize();
    void rotate_data();
    void rotate();
    void zoneCursors_data();
    void zoneCursors();
    void deleteSelected_data();
    void deleteSelected();
    void arrowKeys_data();
    void arrowKeys();
    void restackingButtons();
    void handlePicturesStandOutsideSmallElements_data();
    void handlePicturesStandOutsideSmallElements();
    void renderOptionsFollowDocument();
};

void TestCReportPE::zoomIn_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<bool>("byKeys");
    QTest::addColumn<double>("expected");
    // 0.75 x 1.1^n, capped at 2.0 (the eleventh step would be 2.14).
    QTest::newRow("one step") << 1 << false << 0.825;
    QTest::newRow("two steps") << 2 << false << 0.9075;
    QTest::newRow("two steps by Ctrl+plus") << 2 << true << 0.9075;
    QTest::newRow("ten steps") << 10 << false << 0.75 * std::pow(1.1, 10);
    QTest::newRow("eleventh step capped") << 11 << false << 2.0;
    QTest::newRow("further steps stay capped") << 14 << true << 2.0;
}

void TestCReportPE::zoomIn()
{
    QFETCH(int, steps);
    QFETCH(bool, byKeys);
    QFETCH(double, expected);
    EditorFixture f;
    for (int i = 0; i < steps; ++i) {
        if (byKeys)
            QTest::keyClick(&f.editor, Qt::Key_Plus, Qt::ControlModifier);
        else
            f.editor.OnZoomIn();
    }
    QVERIFY2(qFuzzyCompare(f.editor.zoom(), expected), qPrintable(QString::number(f.editor.zoom())));
}

void TestCReportPE::zoomOut_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<double>("expected");
    // From 0.25: 0.2273, 0.2066, then 0.2 (0.1878 capped).
    QTest::newRow("one step") << 1 << 0.25 / 1.1;
    QTest::newRow("two steps") << 2 << 0.25 / 1.21;
    QTest::newRow("third step capped") << 3 << 0.2;
    QTest::newRow("stays at the floor") << 5 << 0.2;
}

void TestCReportPE::zoomOut()
{
    QFETCH(int, steps);
    QFETCH(double, expected);
    EditorFixture f;
    f.editor.document().zoom = 0.25;
    f.editor.documentReplaced();
    for (int i = 0; i < steps; ++i)
        QTest::keyClick(&f.editor, Qt::Key_Minus, Qt::ControlModifier);
    QVERIFY2(qFuzzyCompare(f.editor.zoom(), expected), qPrintable(QString::number(f.editor.zoom())));
}

void TestCReportPE::zoomNormalByKey()
{
    EditorFixture f;
    f.editor.OnZoomIn();
    f.editor.OnZoomIn();
    QTest::keyClick(&f.editor, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(f.editor.zoom(), 0.75);
}

void TestCReportPE::scrollRanges_data()
{
    QTest::addColumn<int>("zoomSteps"); // positive in, negative out
    QTest::newRow("normal") << 0;
    QTest::newRow("zoomed in") << 5;
    QTest::newRow("largest") << 12;
    QTest::newRow("zoomed out, page smaller than the view") << -5;
}

void TestCReportPE::scrollRanges()
{
    QFETCH(int, zoomSteps);
    EditorFixture f;
    for (int i = 0; i < std::abs(zoomSteps); ++i)
        zoomSteps > 0 ? f.editor.OnZoomIn() : f.editor.OnZoomOut();
    const double zoom = f.editor.zoom();
    const QSize view = f.editor.viewport()->size();
    // An A4 page, 840 x 1188 units, scaled by the zoom, less the view.
    const int width = int(std::ceil(840 * zoom));
    const int height = int(std::ceil(1188 * zoom));
    QCOMPARE(f.editor.horizontalScrollBar()->maximum(), std::max(0, width - view.width()));
    QCOMPARE(f.editor.verticalScrollBar()->maximum(), std::max(0, height - view.height()));
    QCOMPARE(f.editor.horizontalScrollBar()->minimum(), 0);
    QCOMPARE(f.editor.horizontalScrollBar()->pageStep(), view.width() / 2);
    QCOMPARE(f.editor.verticalScrollBar()->pageStep(), view.height() / 2);
    QCOMPARE(f.editor.verticalScrollBar()->singleStep(), 8);
}

void TestCReportPE::clickSelectsTopmost_data()
{
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<int>("expected"); // 0 lower, 1 upper, -1 none
    // "Main Features" boxes, 200 x 100: the lower at (100, 100), the upper at (250, 150).
    QTest::newRow("lower alone") << QPointF(120, 120) << 0;
    QTest::newRow("overlap") << QPointF(280, 180) << 1;
    QTest::newRow("empty paper") << QPointF(600, 900) << -1;
}

void TestCReportPE::clickSelectsTopmost()
{
    QFETCH(QPointF, point);
    QFETCH(int, expected);
    EditorFixture f;
    ChartItem *items[] = {f.add(QStringLiteral("Main Features"), QPointF(100, 100)),
                          f.add(QStringLiteral("Main Features"), QPointF(250, 150))};
    f.editor.selectItem(items[0]);
    QSignalSpy changed(&f.editor, &CReportPE::selectionChanged);
    QTest::mouseClick(f.editor.viewport(), Qt::LeftButton, Qt::NoModifier, f.viewportPoint(point));
    QVERIFY(!changed.isEmpty());
    const std::vector<ChartItem *> selected = f.editor.selectedItems();
    if (expected < 0) {
        QVERIFY(selected.empty());
    } else {
        QCOMPARE(int(selected.size()), 1);
        QCOMPARE(selected.front(), items[expected]);
    }
}

void TestCReportPE::move_data()
{
    QTest::addColumn<bool>("snap");
    QTest::addColumn<bool>("byStrip");
    QTest::addColumn<QPoint>("pixels");
    QTest::addColumn<QPointF>("expected");
    // A 120 x 25 text at (103, 57); a pixel is 4/3 units, so 30 pixels are 40 units.
    QTest::newRow("snapped") << true << false << QPoint(30, 45) << QPointF(140, 120);
    QTest::newRow("snapped by the strip") << true << true << QPoint(30, 45) << QPointF(140, 120);
    QTest::newRow("snapped, small move") << true << false << QPoint(3, 3) << QPointF(110, 60);
    QTest::newRow("free") << false << false << QPoint(30, 45) << QPointF(143, 117);
    QTest::newRow("past the right edge stays inside") << true << false << QPoint(600, 0) << QPointF(720, 60);
    QTest::newRow("past the top stays inside") << false << false << QPoint(0, -300) << QPointF(103, 0);
}

void TestCReportPE::move()
{
    QFETCH(bool, snap);
    QFETCH(bool, byStrip);
    QFETCH(QPoint, pixels);
    QFETCH(QPointF, expected);
    EditorFixture f;
    f.editor.document().snapToGrid = snap;
    ChartItem *text = f.add(QStringLiteral("Text"), QPointF(103, 57));
    // The strip needs the element selected; a press on the body of an
    // unselected element selects it and picks it up.
    if (byStrip)
        f.editor.selectItem(text);
    const QPointF grip = byStrip ? f.editor.zoneRect(7).center() : frameBounds(*text).center();
    QVERIFY(!byStrip || f.editor.hitZone(f.editor.toPage(f.viewportPoint(grip))) == 7);
    const QPoint from = f.viewportPoint(grip);
    QSignalSpy edited(&f.editor, &CReportPE::documentEdited);
    dragMouse(f.editor.viewport(), from, from + pixels);
    const QRectF bounds = frameBounds(*text);
    QVERIFY2(near(bounds.left(), expected.x(), 1e-6) && near(bounds.top(), expected.y(), 1e-6),
             qPrintable(QStringLiteral("%1, %2").arg(bounds.left()).arg(bounds.top())));
    QCOMPARE(bounds.size(), QSizeF(120, 25));
    QCOMPARE(text->content->size, QSizeF(120, 25));
    QVERIFY(!edited.isEmpty());
    QCOMPARE(f.editor.selectedItems(), std::vector<ChartItem *>{text});
}

void TestCReportPE::resize_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("zone");
    QTest::addColumn<QPoint>("pixels");
    QTest::addColumn<QRectF>("expected"); // bounds after the drag
    // Elements at (200, 200); 30 pixels are 40 units. Text boxes stretch
    // freely; charts keep their proportions at corners.
    QTest::newRow("text, bottom-right corner") << "Text" << 3 << QPoint(30, 15) << QRectF(200, 200, 160, 45);
    QTest::newRow("text, scale picture") << "Text" << 10 << QPoint(30, 15) << QRectF(200, 200, 160, 45);
    QTest::newRow("text, right edge ignores height")
        << "Text" << 5 << QPoint(30, 50) << QRectF(200, 200, 160, 25);
    QTest::newRow("text, top-left corner") << "Text" << 0 << QPoint(15, 6) << QRectF(220, 208, 100, 17);
    QTest::newRow("text, bottom edge") << "Text" << 6 << QPoint(0, 30) << QRectF(200, 200, 120, 65);
    QTest::newRow("text, left edge outwards") << "Text" << 4 << QPoint(-30, 0) << QRectF(160, 200, 160, 25);
    QTest::newRow("chart corner keeps proportions")
        << "Main Features" << 3 << QPoint(30, 0) << QRectF(200, 200, 240, 120);
    QTest::newRow("chart top-left corner keeps proportions")
        << "Main Features" << 0 << QPoint(-30, 0) << QRectF(160, 180, 240, 120);
    QTest::newRow("chart edge stretches one way")
        << "Main Features" << 5 << QPoint(30, 0) << QRectF(200, 200, 240, 100);
}

void TestCReportPE::resize()
{
    QFETCH(QString, entry);
    QFETCH(int, zone);
    QFETCH(QPoint, pixels);
    QFETCH(QRectF, expected);
    EditorFixture f;
    ChartItem *item = f.add(entry, QPointF(200, 200));
    f.editor.selectItem(item);
    const QPoint from = f.viewportPoint(f.editor.zoneRect(zone).center());
    QCOMPARE(f.editor.hitZone(f.editor.toPage(from)), zone);
    dragMouse(f.editor.viewport(), from, from + pixels);
    const QRectF bounds = frameBounds(*item);
    const QString got = QStringLiteral("%1, %2, %3 x %4")
                            .arg(bounds.left())
                            .arg(bounds.top())
                            .arg(bounds.width())
                            .arg(bounds.height());
    QVERIFY2(near(bounds.left(), expected.left()) && near(bounds.top(), expected.top()) &&
                 near(bounds.width(), expected.width(), 2 * ONE_PIXEL) &&
                 near(bounds.height(), expected.height(), 2 * ONE_PIXEL),
             qPrintable(got));
    // Shape and content size change together; the element does not turn.
    QCOMPARE(item->shape.boundingRect().size(), item->content->size);
    QCOMPARE(item->content->size, bounds.size());
    QCOMPARE(item->rotation, 0.0);
}

void TestCReportPE::rotate_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QPoint>("pixels");
    QTest::addColumn<double>("angle");
    // The rotation handle works a 40-pixel lever from the centre: 40 pixels
    // down turn by 45 degrees, 13 down by 18 (texts go in 15-degree steps).
    QTest::newRow("chart, free angle") << "Main Features" << QPoint(0, 40) << 45.0;
    QTest::newRow("chart, backwards") << "Main Features" << QPoint(0, -40) << -45.0;
    QTest::newRow("text, steps of 15") << "Text" << QPoint(0, 13) << 15.0;
    QTest::newRow("text, small turn stays straight") << "Text" << QPoint(0, 4) << 0.0;
    QTest::newRow("barcode, a whole step") << "Bar Codes" << QPoint(0, 40) << 45.0;
}

void TestCReportPE::rotate()
{
    QFETCH(QString, entry);
    QFETCH(QPoint, pixels);
    QFETCH(double, angle);
    EditorFixture f;
    ChartItem *item = f.add(entry, QPointF(200, 200));
    const QSizeF size = item->content->size;
    const QPointF centre = frameCentre(*item);
    f.editor.selectItem(item);
    const QPoint from = f.viewportPoint(f.editor.zoneRect(8).center());
    QCOMPARE(f.editor.hitZone(f.editor.toPage(from)), 8);
    dragMouse(f.editor.viewport(), from, from + pixels);
    QVERIFY2(near(item->rotation, angle, 1e-6), qPrintable(QString::number(item->rotation)));
    // Turned about its centre: the centre stays, the size stays, the
    // transform's x axis points along the angle.
    QVERIFY(near(frameCentre(*item).x(), centre.x(), 1e-6) && near(frameCentre(*item).y(), centre.y(), 1e-6));
    QCOMPARE(item->content->size, size);
    QCOMPARE(item->shape.boundingRect().size(), size);
    const QPointF axis = item->transform.map(QPointF(1, 0)) - item->transform.map(QPointF(0, 0));
    QVERIFY(near(axis.x(), std::cos(qDegreesToRadians(angle)), 1e-9));
    QVERIFY(near(axis.y(), std::sin(qDegreesToRadians(angle)), 1e-9));
}

void TestCReportPE::zoneCursors_data()
{
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("cursor");
    QTest::newRow("0") << 0 << int(Qt::SizeFDiagCursor);
    QTest::newRow("1") << 1 << int(Qt::SizeBDiagCursor);
    QTest::newRow("2") << 2 << int(Qt::SizeBDiagCursor);
    QTest::newRow("3") << 3 << int(Qt::SizeFDiagCursor);
    QTest::newRow("4") << 4 << int(Qt::SizeHorCursor);
    QTest::newRow("5") << 5 << int(Qt::SizeHorCursor);
    QTest::newRow("6") << 6 << int(Qt::SizeVerCursor);
    QTest::newRow("7") << 7 << int(Qt::SizeAllCursor);
    QTest::newRow("8") << 8 << int(Qt::OpenHandCursor);
    QTest::newRow("9") << 9 << int(Qt::OpenHandCursor);
    QTest::newRow("10") << 10 << int(Qt::OpenHandCursor);
    QTest::newRow("elsewhere") << -1 << int(Qt::ArrowCursor);
}

void TestCReportPE::zoneCursors()
{
    QFETCH(int, zone);
    QFETCH(int, cursor);
    EditorFixture f;
    ChartItem *item = f.add(QStringLiteral("Name"), QPointF(100, 100));
    f.editor.selectItem(item);
    const QPointF point = zone >= 0 ? f.editor.zoneRect(zone).center() : QPointF(700, 1000);
    const QPoint pixel = f.viewportPoint(point);
    QCOMPARE(f.editor.hitZone(f.editor.toPage(pixel)), zone);
    sendMouse(f.editor.viewport(), QEvent::MouseMove, pixel, Qt::NoButton);
    QCOMPARE(int(f.editor.viewport()->cursor().shape()), cursor);
}

void TestCReportPE::deleteSelected_data()
{
    QTest::addColumn<bool>("select");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("nothing selected asks nothing") << false << true << false << false;
    QTest::newRow("selected, yes") << true << true << true << true;
    QTest::newRow("selected, no") << true << false << true << false;
}

void TestCReportPE::deleteSelected()
{
    QFETCH(bool, select);
    QFETCH(bool, answer);
    QFETCH(bool, asks);
    QFETCH(bool, deleted);
    EditorFixture f;
    ChartItem *keep = f.add(QStringLiteral("Text"), QPointF(10, 10));
    ChartItem *target = f.add(QStringLiteral("Name"), QPointF(100, 100));
    if (select)
        f.editor.selectItem(target);
    RecordedQuestions questions(answer);
    QTest::keyClick(&f.editor, Qt::Key_Delete);
    QCOMPARE(questions.asked.isEmpty(), !asks);
    if (asks)
        QCOMPARE(questions.asked.first(),
                 QStringLiteral("Question|Are You sure?\r\nDo You want to delete selected item?"));
    const ChartPage &page = *f.editor.document().currentPage;
    QVERIFY(pageHoldsItem(page, keep));
    QCOMPARE(pageHoldsItem(page, target), !deleted);
    QCOMPARE(f.editor.selectedItems().empty(), deleted || !select);
}

void TestCReportPE::arrowKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QPointF>("start");
    QTest::addColumn<QPointF>("expected");
    // One unit, or ten with Shift, whatever the grid.
    QTest::newRow("right") << int(Qt::Key_Right) << false << QPointF(100, 100) << QPointF(101, 100);
    QTest::newRow("shift right") << int(Qt::Key_Right) << true << QPointF(100, 100) << QPointF(110, 100);
    QTest::newRow("down") << int(Qt::Key_Down) << false << QPointF(100, 100) << QPointF(100, 101);
    QTest::newRow("shift up") << int(Qt::Key_Up) << true << QPointF(100, 100) << QPointF(100, 90);
    QTest::newRow("left at the edge stays")
        << int(Qt::Key_Left) << true << QPointF(4, 100) << QPointF(0, 100);
}

void TestCReportPE::arrowKeys()
{
    QFETCH(int, key);
    QFETCH(bool, shift);
    QFETCH(QPointF, start);
    QFETCH(QPointF, expected);
    EditorFixture f;
    ChartItem *item = f.add(QStringLiteral("Text"), start);
    f.editor.selectItem(item);
    QTest::keyClick(&f.editor, Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(frameBounds(*item).topLeft(), expected);
}

void TestCReportPE::handlePicturesStandOutsideSmallElements_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QPointF>("topLeft");
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<bool>("outside");
    QTest::addColumn<bool>("below");
    // At zoom 0.75 an element under 200 x 100 pixels is small: 267 x 134 units.
    QTest::newRow("a large chart shows them inside")
        << "Main Features" << QPointF(100, 100) << QSizeF(400, 200) << false << false;
    QTest::newRow("a chart of the default size has them below")
        << "Main Features" << QPointF(100, 100) << QSizeF(200, 100) << true << true;
    QTest::newRow("a short text has them below")
        << "Text" << QPointF(100, 100) << QSizeF(120, 25) << true << true;
    QTest::newRow("a narrow column has them below")
        << "Text" << QPointF(100, 100) << QSizeF(60, 200) << true << true;
    QTest::newRow("at the page's foot they go above")
        << "Text" << QPointF(100, 1160) << QSizeF(120, 25) << true << false;
}

void TestCReportPE::handlePicturesStandOutsideSmallElements()
{
    QFETCH(QString, entry);
    QFETCH(QPointF, topLeft);
    QFETCH(QSizeF, size);
    QFETCH(bool, outside);
    QFETCH(bool, below);
    EditorFixture f;
    ChartItem *item = f.add(entry, topLeft);
    setFrameLocalRect(*item, QRectF(QPointF(0, 0), size));
    f.editor.selectItem(item);
    const QRectF bounds = frameBounds(*item);
    QCOMPARE(f.editor.picturesOutside(bounds), outside);
    for (int zone : {8, 9, 10}) {
        const QRectF picture = f.editor.zoneRect(zone);
        QCOMPARE(!bounds.intersects(picture), outside);
        if (outside)
            QCOMPARE(picture.top() > bounds.bottom(), below);
        // The picture is where a press finds it, and it is on the page.
        QCOMPARE(f.editor.hitZone(picture.center()), zone);
        QVERIFY(QRectF(QPointF(0, 0), f.editor.document().currentPage->size).contains(picture));
    }
}

void TestCReportPE::restackingButtons()
{
    EditorFixture f;
    ChartItem *lower = f.add(QStringLiteral("Main Features"), QPointF(100, 100));
    ChartItem *upper = f.add(QStringLiteral("Main Features"), QPointF(150, 150));
    const ChartPage &page = *f.editor.document().currentPage;
    f.editor.selectItem(lower);
    f.editor.moveToFrontSelItems();
    QCOMPARE(page.items.back().get(), lower);
    // Now the former lower one wins the overlap.
    QCOMPARE(topmostItemAt(page, QPointF(200, 180)), lower);
    f.editor.moveToBackSelItems();
    QCOMPARE(page.items.back().get(), upper);
}

void TestCReportPE::renderOptionsFollowDocument()
{
    EditorFixture f;
    ChartDocument &document = f.editor.document();
    document.gridStepX = 10;
    document.gridStepY = 12;
    document.showGrid = true;
    document.showBoundaries = true;
    QCOMPARE(f.editor.renderOptions().gridStepX, 20.0);
    QCOMPARE(f.editor.renderOptions().gridStepY, 24.0);
    QVERIFY(f.editor.renderOptions().boundaries);
    f.editor.OnGrid();
    f.editor.OnBoundaries();
    QCOMPARE(f.editor.renderOptions().gridStepX, 0.0);
    QVERIFY(!f.editor.renderOptions().boundaries);
    const bool snap = document.snapToGrid;
    f.editor.OnSnap();
    QCOMPARE(document.snapToGrid, !snap);
}

QTEST_MAIN(TestCReportPE)
#include "test_creportpe.moc"
