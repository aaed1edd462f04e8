// Hit testing, snapping, the stay-inside rule and the frame changes the
// page editor makes, on small hand-built pages.

#include "charts/chartdocument.h"
#include "charts/chartediting.h"
#include "charts/chartelements.h"

#include <QtTest>

namespace {

// A text element of size at position, appended to page.
ChartItem *addBox(ChartPage &page, const QPointF &position, const QSizeF &size)
{
    auto content = makeFieldContent(QStringLiteral("Text"));
    content->size = size;
    return page.addItem(makeElement(std::move(content), position));
}

bool fuzzyPoint(const QPointF &a, const QPointF &b)
{
    return std::abs(a.x() - b.x()) < 1e-6 && std::abs(a.y() - b.y()) < 1e-6;
}

} // namespace

class TestChartEditing : public QObject
{
    Q_OBJECT
private slots:
    void topmostItemAt_data();
    void topmostItemAt();
    void hitFollowsRotation();
    void snapPoint_data();
    void snapPoint();
    void keepInsidePage_data();
    void keepInsidePage();
    void placementInsidePage_data();
    void placementInsidePage();
    void moveKeepsSizeAndAngle();
    void resizeMovesOnlyTheDraggedEdges_data();
    void resizeMovesOnlyTheDraggedEdges();
    void resizeOfRotatedElementKeepsOppositeCorner();
    void rotationTurnsAboutTheCentre_data();
    void rotationTurnsAboutTheCentre();
    void restacking_data();
    void restacking();
    void removeItems();
    void alignAndDistribute_data();
    void alignAndDistribute();
    void alignUsesTheTurnedBounds();
    void resetRotation_data();
    void resetRotation();
};

// Two overlapping boxes: (100,100)-(300,200) below, (250,150)-(350,250) above.
void TestChartEditing::topmostItemAt_data()
{
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<int>("expected"); // index in the page, -1 none

    QTest::newRow("only the lower") << QPointF(120, 120) << 0;
    QTest::newRow("overlap picks the upper") << QPointF(280, 180) << 1;
    QTest::newRow("only the upper") << QPointF(340, 240) << 1;
    QTest::newRow("left edge of the lower counts") << QPointF(100, 150) << 0;
    QTest::newRow("outside both") << QPointF(50, 50) << -1;
    QTest::newRow("just right of the upper") << QPointF(350.5, 200) << -1;
}

void TestChartEditing::topmostItemAt()
{
    QFETCH(QPointF, point);
    QFETCH(int, expected);
    ChartPage page;
    addBox(page, QPointF(100, 100), QSizeF(200, 100));
    addBox(page, QPointF(250, 150), QSizeF(100, 100));
    ChartItem *hit = ::topmostItemAt(page, point);
    QCOMPARE(hit, expected < 0 ? nullptr : page.items.at(size_t(expected)).get());
}

void TestChartEditing::hitFollowsRotation()
{
    // A 200 x 20 bar turned by 90 degrees stands upright about its centre
    // (200, 110): it covers x 190..210, y 10..210.
    ChartPage page;
    ChartItem *bar = addBox(page, QPointF(100, 100), QSizeF(200, 20));
    rotateFrame(*bar, 90);
    QCOMPARE(::topmostItemAt(page, QPointF(200, 30)), bar);
    QCOMPARE(::topmostItemAt(page, QPointF(120, 110)), nullptr);
}

void TestChartEditing::snapPoint_data()
{
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<double>("step");
    QTest::addColumn<QPointF>("expected");

    QTest::newRow("rounds down") << QPointF(14.9, 21) << 10.0 << QPointF(10, 20);
    QTest::newRow("half rounds up") << QPointF(15, 25) << 10.0 << QPointF(20, 30);
    QTest::newRow("negative") << QPointF(-4, -6) << 10.0 << QPointF(0, -10);
    QTest::newRow("step 25") << QPointF(37.4, 63) << 25.0 << QPointF(25, 75);
    QTest::newRow("no grid leaves it") << QPointF(13.3, 7.7) << 0.0 << QPointF(13.3, 7.7);
}

void TestChartEditing::snapPoint()
{
    QFETCH(QPointF, point);
    QFETCH(double, step);
    QFETCH(QPointF, expected);
    QVERIFY(fuzzyPoint(::snapPoint(point, step, step), expected));
}

void TestChartEditing::keepInsidePage_data()
{
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<QRectF>("expected");
    const QRectF inside(10, 10, 100, 50);
    QTest::newRow("inside stays") << inside << inside;
    QTest::newRow("left") << QRectF(-30, 10, 100, 50) << QRectF(0, 10, 100, 50);
    QTest::newRow("right") << QRectF(800, 10, 100, 50) << QRectF(740, 10, 100, 50);
    QTest::newRow("top") << QRectF(10, -5, 100, 50) << QRectF(10, 0, 100, 50);
    QTest::newRow("bottom right") << QRectF(790, 1180, 100, 50) << QRectF(740, 1138, 100, 50);
    QTest::newRow("wider than the page keeps its left") << QRectF(-50, 0, 900, 50) << QRectF(0, 0, 900, 50);
}

void TestChartEditing::keepInsidePage()
{
    QFETCH(QRectF, rect);
    QFETCH(QRectF, expected);
    QCOMPARE(::keepInsidePage(rect, QSizeF(840, 1188)), expected);
}

void TestChartEditing::placementInsidePage_data()
{
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<QPointF>("expected");
    // A 120 x 25 element on an A4 page (840 x 1188 units).
    QTest::newRow("fits") << QPointF(100, 200) << QPointF(100, 200);
    QTest::newRow("right edge") << QPointF(839, 200) << QPointF(719, 200);
    QTest::newRow("bottom edge") << QPointF(100, 1180) << QPointF(100, 1162);
    QTest::newRow("exactly touching stays") << QPointF(720, 1163) << QPointF(720, 1163);
}

void TestChartEditing::placementInsidePage()
{
    QFETCH(QPointF, point);
    QFETCH(QPointF, expected);
    QCOMPARE(::placementInsidePage(point, QSizeF(120, 25), QSizeF(840, 1188)), expected);
}

void TestChartEditing::moveKeepsSizeAndAngle()
{
    ChartPage page;
    ChartItem *box = addBox(page, QPointF(100, 100), QSizeF(120, 40));
    rotateFrame(*box, 30);
    const QRectF before = frameBounds(*box);
    moveFrameBoundsTo(*box, QPointF(300, 400));
    const QRectF after = frameBounds(*box);
    QVERIFY(fuzzyPoint(after.topLeft(), QPointF(300, 400)));
    QVERIFY(fuzzyPoint(QPointF(after.width(), after.height()), QPointF(before.width(), before.height())));
    QCOMPARE(box->rotation, 30.0);
    QCOMPARE(box->content->size, QSizeF(120, 40));
}

void TestChartEditing::resizeMovesOnlyTheDraggedEdges_data()
{
    QTest::addColumn<QRectF>("local");
    QTest::addColumn<QRectF>("expectedBounds");
    // The element sits at (100, 100), 120 x 40.
    QTest::newRow("wider to the right") << QRectF(0, 0, 200, 40) << QRectF(100, 100, 200, 40);
    QTest::newRow("left edge moved left") << QRectF(-20, 0, 140, 40) << QRectF(80, 100, 140, 40);
    QTest::newRow("top edge moved down") << QRectF(0, 10, 120, 30) << QRectF(100, 110, 120, 30);
    QTest::newRow("too small is raised to the minimum") << QRectF(0, 0, 1, 1) << QRectF(100, 100, 4, 4);
}

void TestChartEditing::resizeMovesOnlyTheDraggedEdges()
{
    QFETCH(QRectF, local);
    QFETCH(QRectF, expectedBounds);
    ChartPage page;
    ChartItem *box = addBox(page, QPointF(100, 100), QSizeF(120, 40));
    setFrameLocalRect(*box, local);
    QCOMPARE(frameBounds(*box), expectedBounds);
    QCOMPARE(box->content->size, expectedBounds.size());
    QCOMPARE(box->shape.boundingRect(), QRectF(QPointF(0, 0), expectedBounds.size()));
}

void TestChartEditing::resizeOfRotatedElementKeepsOppositeCorner()
{
    // Growing a turned element at its far corner leaves the near corner
    // (local origin) where it was on the page.
    ChartPage page;
    ChartItem *box = addBox(page, QPointF(100, 100), QSizeF(120, 40));
    rotateFrame(*box, 45);
    const QPointF origin = box->transform.map(QPointF(0, 0));
    setFrameLocalRect(*box, QRectF(0, 0, 300, 80));
    QVERIFY(fuzzyPoint(box->transform.map(QPointF(0, 0)), origin));
    QCOMPARE(box->rotation, 45.0);
}

void TestChartEditing::rotationTurnsAboutTheCentre_data()
{
    QTest::addColumn<QList<double>>("turns");
    QTest::addColumn<double>("angle");
    QTest::newRow("once") << QList<double>{30} << 30.0;
    QTest::newRow("back and forth") << QList<double>{90, -45} << 45.0;
    QTest::newRow("full turn wraps") << QList<double>{300, 100} << 40.0;
}

void TestChartEditing::rotationTurnsAboutTheCentre()
{
    QFETCH(QList<double>, turns);
    QFETCH(double, angle);
    ChartPage page;
    ChartItem *box = addBox(page, QPointF(100, 100), QSizeF(120, 40));
    const QPointF centre = frameCentre(*box);
    for (double turn : turns)
        rotateFrame(*box, turn);
    QVERIFY(qFuzzyCompare(box->rotation, angle));
    QVERIFY(fuzzyPoint(frameCentre(*box), centre));
    // The local x axis points along the angle.
    const QPointF axis = box->transform.map(QPointF(1, 0)) - box->transform.map(QPointF(0, 0));
    const double radians = qDegreesToRadians(angle);
    QVERIFY(fuzzyPoint(axis, QPointF(std::cos(radians), std::sin(radians))));
    QCOMPARE(box->content->size, QSizeF(120, 40));
}

void TestChartEditing::restacking_data()
{
    QTest::addColumn<bool>("front");
    QTest::addColumn<QList<int>>("moved");
    QTest::addColumn<QList<int>>("expected"); // original indexes, back to front

    QTest::newRow("front one") << true << QList<int>{1} << QList<int>{0, 2, 3, 1};
    QTest::newRow("front two keep order") << true << QList<int>{2, 0} << QList<int>{1, 3, 0, 2};
    QTest::newRow("back one") << false << QList<int>{2} << QList<int>{2, 0, 1, 3};
    QTest::newRow("back two keep order") << false << QList<int>{3, 1} << QList<int>{1, 3, 0, 2};
    QTest::newRow("front of the topmost changes nothing") << true << QList<int>{3} << QList<int>{0, 1, 2, 3};
}

void TestChartEditing::restacking()
{
    QFETCH(bool, front);
    QFETCH(QList<int>, moved);
    QFETCH(QList<int>, expected);
    ChartPage page;
    std::vector<ChartItem *> original;
    for (int i = 0; i < 4; ++i)
        original.push_back(addBox(page, QPointF(10 * i, 0), QSizeF(50, 50)));
    std::vector<ChartItem *> chosen;
    for (int index : moved)
        chosen.push_back(original.at(size_t(index)));
    if (front)
        moveItemsToFront(page, chosen);
    else
        moveItemsToBack(page, chosen);
    QCOMPARE(int(page.items.size()), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(page.items.at(size_t(i)).get(), original.at(size_t(expected.at(i))));
}

void TestChartEditing::removeItems()
{
    ChartPage page;
    ChartItem *a = addBox(page, QPointF(0, 0), QSizeF(50, 50));
    ChartItem *b = addBox(page, QPointF(60, 0), QSizeF(50, 50));
    ChartItem *c = addBox(page, QPointF(120, 0), QSizeF(50, 50));
    ChartItem stranger;
    QCOMPARE(::removeItems(page, {b, &stranger}), 1);
    QVERIFY(pageHoldsItem(page, a));
    QVERIFY(!pageHoldsItem(page, b));
    QVERIFY(pageHoldsItem(page, c));
    QCOMPARE(page.items.front().get(), a);
    QCOMPARE(page.items.back().get(), c);
}

QTEST_GUILESS_MAIN(TestChartEditing)
#include "test_chartediting.moc"

// Three boxes on an A4 page: A (100,100) 100 x 50, B (300,200) 50 x 100,
// C (200,400) 80 x 20. Together they cover (100,100)-(350,420).
void TestChartEditing::alignAndDistribute_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QList<int>>("chosen");
    QTest::addColumn<QList<QPointF>>("expected"); // top-left of A, B, C after it
    QTest::addColumn<bool>("moves");
    const QPointF a(100, 100), b(300, 200), c(200, 400);

    // Several: against their common bounds.
    QTest::newRow("left") << "left" << QList<int>{0, 1, 2} << QList<QPointF>{a, {100, 200}, {100, 400}}
                          << true;
    // Centre line 225: each left edge is 225 less half its width.
    QTest::newRow("centre") << "centre" << QList<int>{0, 1, 2}
                            << QList<QPointF>{{175, 100}, {200, 200}, {185, 400}} << true;
    QTest::newRow("right") << "right" << QList<int>{0, 1, 2} << QList<QPointF>{{250, 100}, b, {270, 400}}
                           << true;
    QTest::newRow("top") << "top" << QList<int>{0, 1, 2} << QList<QPointF>{a, {300, 100}, {200, 100}} << true;
    // Middle line (100 + 420) / 2 = 260.
    QTest::newRow("middle") << "middle" << QList<int>{0, 1, 2}
                            << QList<QPointF>{{100, 235}, {300, 210}, {200, 250}} << true;
    QTest::newRow("bottom") << "bottom" << QList<int>{0, 1, 2} << QList<QPointF>{{100, 370}, {300, 320}, c}
                            << true;
    QTest::newRow("two of three, the third stays")
        << "left" << QList<int>{1, 2} << QList<QPointF>{a, {200, 200}, c} << true;
    // One: against the page (840 x 1188).
    QTest::newRow("one to the page's right")
        << "right" << QList<int>{0} << QList<QPointF>{{740, 100}, b, c} << true;
    QTest::newRow("one to the page's centre")
        << "centre" << QList<int>{0} << QList<QPointF>{{370, 100}, b, c} << true;
    QTest::newRow("one to the page's middle")
        << "middle" << QList<int>{0} << QList<QPointF>{{100, 569}, b, c} << true;
    QTest::newRow("one to the page's bottom")
        << "bottom" << QList<int>{0} << QList<QPointF>{{100, 1138}, b, c} << true;
    // Distributing: by starts A (100, w 100), C (200, w 80), B (300, w 50);
    // span 100 to 350, 20 left for two gaps of 10.
    QTest::newRow("spread across") << "across" << QList<int>{0, 1, 2} << QList<QPointF>{a, b, {210, 400}}
                                   << true;
    // Tops A (100, h 50), B (200, h 100), C (400, h 20); span 100 to 420,
    // 150 left for two gaps of 75.
    QTest::newRow("spread down") << "down" << QList<int>{0, 1, 2} << QList<QPointF>{a, {300, 225}, c} << true;
    QTest::newRow("two have nothing to spread")
        << "across" << QList<int>{0, 1} << QList<QPointF>{a, b, c} << false;
    QTest::newRow("one is centred across the page")
        << "across" << QList<int>{0} << QList<QPointF>{{370, 100}, b, c} << true;
    QTest::newRow("one is centred down the page")
        << "down" << QList<int>{0} << QList<QPointF>{{100, 569}, b, c} << true;
    QTest::newRow("nothing chosen") << "left" << QList<int>{} << QList<QPointF>{a, b, c} << false;
}

void TestChartEditing::alignAndDistribute()
{
    QFETCH(QString, operation);
    QFETCH(QList<int>, chosen);
    QFETCH(QList<QPointF>, expected);
    QFETCH(bool, moves);
    ChartPage page;
    const std::vector<ChartItem *> boxes = {addBox(page, QPointF(100, 100), QSizeF(100, 50)),
                                            addBox(page, QPointF(300, 200), QSizeF(50, 100)),
                                            addBox(page, QPointF(200, 400), QSizeF(80, 20))};
    std::vector<ChartItem *> frames;
    for (int index : chosen)
        frames.push_back(boxes.at(size_t(index)));
    const QMap<QString, AlignLine> lines = {{"left", AlignLine::Left},     {"centre", AlignLine::Centre},
                                            {"right", AlignLine::Right},   {"top", AlignLine::Top},
                                            {"middle", AlignLine::Middle}, {"bottom", AlignLine::Bottom}};
    const bool spread = operation == QLatin1String("across") || operation == QLatin1String("down");
    const SpreadAxis axis =
        operation == QLatin1String("across") ? SpreadAxis::Horizontal : SpreadAxis::Vertical;
    const auto act = [&] {
        return spread ? distributeFrames(frames, axis, page.size)
                      : alignFrames(frames, lines.value(operation), page.size);
    };
    QCOMPARE(act(), moves);
    // Done once, it is done: the same again moves nothing.
    QCOMPARE(act(), false);
    for (int i = 0; i < 3; ++i) {
        QVERIFY2(fuzzyPoint(frameBounds(*boxes.at(size_t(i))).topLeft(), expected.at(i)),
                 qPrintable(QStringLiteral("box %1 at %2, %3")
                                .arg(i)
                                .arg(frameBounds(*boxes.at(size_t(i))).left())
                                .arg(frameBounds(*boxes.at(size_t(i))).top())));
        // Only the position changes.
        QCOMPARE(boxes.at(size_t(i))->content->size, (QList<QSizeF>{{100, 50}, {50, 100}, {80, 20}}).at(i));
    }
}

void TestChartEditing::alignUsesTheTurnedBounds()
{
    // A square of 100 turned by 45 degrees covers about 141 units each way;
    // aligned left with an upright box, its leftmost corner meets the box's edge.
    ChartPage page;
    ChartItem *upright = addBox(page, QPointF(50, 300), QSizeF(60, 60));
    ChartItem *turned = addBox(page, QPointF(200, 100), QSizeF(100, 100));
    rotateFrame(*turned, 45);
    const double width = frameBounds(*turned).width();
    QVERIFY(std::abs(width - 100 * std::sqrt(2.0)) < 1e-6);
    QVERIFY(alignFrames({upright, turned}, AlignLine::Left, page.size));
    QVERIFY(std::abs(frameBounds(*turned).left() - 50) < 1e-6);
    QVERIFY(std::abs(frameBounds(*turned).width() - width) < 1e-6);
    QCOMPARE(turned->rotation, 45.0);
}

void TestChartEditing::resetRotation_data()
{
    QTest::addColumn<QList<double>>("turns");
    QTest::addColumn<double>("scale"); // a template's scale carried in the transform
    QTest::newRow("turned once") << QList<double>{30} << 1.0;
    QTest::newRow("turned twice") << QList<double>{100, 75} << 1.0;
    QTest::newRow("upside down") << QList<double>{180} << 1.0;
    QTest::newRow("turned and scaled") << QList<double>{-60} << 2.0;
    QTest::newRow("upright stays") << QList<double>{} << 1.0;
}

void TestChartEditing::resetRotation()
{
    QFETCH(QList<double>, turns);
    QFETCH(double, scale);
    ChartPage page;
    ChartItem *box = addBox(page, QPointF(100, 100), QSizeF(120, 40));
    box->transform = QTransform::fromScale(scale, scale) * box->transform;
    const QRectF upright = frameBounds(*box);
    for (double turn : turns)
        rotateFrame(*box, turn);
    const QPointF centre = frameCentre(*box);
    resetFrameRotation(*box);
    QCOMPARE(box->rotation, 0.0);
    QVERIFY(fuzzyPoint(frameCentre(*box), centre));
    QVERIFY(fuzzyPoint(QPointF(box->transform.m12(), box->transform.m21()), QPointF(0, 0)));
    // Upright again at its former size: the bounds are those it had before the turns.
    QVERIFY(fuzzyPoint(frameBounds(*box).topLeft(), upright.topLeft()));
    QVERIFY(fuzzyPoint(frameBounds(*box).bottomRight(), upright.bottomRight()));
}
