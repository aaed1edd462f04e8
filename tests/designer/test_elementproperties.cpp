// The property rows of each element kind and writing edited rows back.

#include "charts/chartdocument.h"
#include "charts/chartediting.h"
#include "charts/chartelements.h"
#include "designer/elementproperties.h"

#include <QtTest>

namespace {

PropertyRow *findRow(PropertyRows &rows, const QString &name)
{
    for (PropertyRow &row : rows) {
        if (row.name == name)
            return &row;
    }
    return nullptr;
}

QStringList namesOf(const PropertyRows &rows)
{
    QStringList names;
    for (const PropertyRow &row : rows)
        names << row.name;
    return names;
}

ChartItem *addEntry(ChartPage &page, const QString &entry)
{
    return page.addItem(makeElement(makeFieldContent(entry), QPointF(10, 10)));
}

ChartItem *addBlockView(ChartPage &page, const QString &name)
{
    auto content = std::make_unique<ChartItem>();
    content->type = ITEM_BLOCK_VIEW;
    content->code = name;
    content->size = QSizeF(50, 50);
    return page.addItem(makeElement(std::move(content), QPointF(0, 0)));
}

} // namespace

class TestElementProperties : public QObject
{
    Q_OBJECT
private slots:
    void rowsOfEachKind_data();
    void rowsOfEachKind();
    void alignment_data();
    void alignment();
    void opacity_data();
    void opacity();
    void textColourFontAndFrame();
    void barcodeRows();
    void blockViewOrder_data();
    void blockViewOrder();
    void geometry_data();
    void geometry();
};

void TestElementProperties::rowsOfEachKind_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("rows");
    const QStringList chartRows{"Color",       "Font",       "Alignement", "Frame",
                                "Frame Color", "Background", "Opacity"};
    const QStringList fieldRows{"Color", "Font", "Alignement", "Frame", "Frame Color"};
    QTest::newRow("free text") << "Text" << QStringList{"Text", "Color", "Font", "Frame", "Frame Color"};
    QTest::newRow("text field") << "Full Name" << fieldRows;
    QTest::newRow("numerologist field") << "Numerologist" << fieldRows;
    QTest::newRow("barcode") << "Bar Codes"
                             << QStringList{"Field", "Bar code", "Text", "Color", "Alignement"};
    QTest::newRow("name chart") << "Name" << chartRows;
    QTest::newRow("grid chart") << "Psychomatrix" << chartRows;
    QTest::newRow("calendar") << "Personal numbers calendar" << chartRows;
    QTest::newRow("feature table") << "Life Cycles" << chartRows;
    QTest::newRow("bridges") << "Bridges" << chartRows;
}

void TestElementProperties::rowsOfEachKind()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, rows);
    ChartPage page;
    ChartItem *frame = addEntry(page, entry);
    QCOMPARE(namesOf(propertyRowsFor(*frame, page)), rows);
}

void TestElementProperties::alignment_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shown");
    QTest::newRow("left") << ALIGN_LEFT_VALUE << 0;
    QTest::newRow("center") << ALIGN_CENTRE_VALUE << 1;
    QTest::newRow("right") << ALIGN_RIGHT_VALUE << 2;
    QTest::newRow("vertical centre shows as left") << int(Qt::AlignVCenter) << 0;
    QTest::newRow("justify shows as left") << int(Qt::AlignJustify) << 0;
}

void TestElementProperties::alignment()
{
    QFETCH(int, stored);
    QFETCH(int, shown);
    ChartPage page;
    ChartItem *frame = addEntry(page, QStringLiteral("Full Name"));
    frame->content->alignment = stored;
    PropertyRows rows = propertyRowsFor(*frame, page);
    PropertyRow *row = findRow(rows, QStringLiteral("Alignement"));
    QVERIFY(row);
    QCOMPARE(row->value.toInt(), shown);
    QCOMPARE(row->choices, (QStringList{"Left", "Center", "Right"}));
    // Writing back stores the value of the shown choice; every choice maps.
    for (int choice = 0; choice < 3; ++choice) {
        row->value = choice;
        applyPropertyRows(*frame, page, rows);
        QCOMPARE(frame->content->alignment,
                 (QList<int>{ALIGN_LEFT_VALUE, ALIGN_CENTRE_VALUE, ALIGN_RIGHT_VALUE}.at(choice)));
    }
}

void TestElementProperties::opacity_data()
{
    QTest::addColumn<int>("alpha");
    QTest::addColumn<int>("step");     // shown: alpha / 25.5, cut
    QTest::addColumn<int>("newStep");  // chosen
    QTest::addColumn<int>("newAlpha"); // stored
    QTest::newRow("new chart's 222 shows 8, kept") << 222 << 8 << 8 << 222;
    QTest::newRow("opaque") << 255 << 10 << 10 << 255;
    QTest::newRow("clear") << 0 << 0 << 0 << 0;
    QTest::newRow("25 is still step 0") << 25 << 0 << 0 << 25;
    QTest::newRow("half chosen") << 222 << 8 << 5 << 128;
    QTest::newRow("opaque chosen") << 100 << 3 << 10 << 255;
}

void TestElementProperties::opacity()
{
    QFETCH(int, alpha);
    QFETCH(int, step);
    QFETCH(int, newStep);
    QFETCH(int, newAlpha);
    ChartPage page;
    ChartItem *frame = addEntry(page, QStringLiteral("Psychomatrix"));
    frame->content->background = QColor(10, 20, 30, alpha);
    PropertyRows rows = propertyRowsFor(*frame, page);
    PropertyRow *row = findRow(rows, QStringLiteral("Opacity"));
    QVERIFY(row);
    QCOMPARE(row->value.toInt(), step);
    QCOMPARE(row->choices.size(), 11);
    QCOMPARE(row->choices.last(), QStringLiteral("100 %"));
    row->value = newStep;
    applyPropertyRows(*frame, page, rows);
    QCOMPARE(frame->content->background.alpha(), newAlpha);
    QCOMPARE(frame->content->background.rgb(), QColor(10, 20, 30).rgb());
}

void TestElementProperties::textColourFontAndFrame()
{
    ChartPage page;
    ChartItem *frame = addEntry(page, QStringLiteral("Text"));
    PropertyRows rows = propertyRowsFor(*frame, page);
    QCOMPARE(findRow(rows, QStringLiteral("Frame"))->value.toInt(), 1); // "None": new texts have no frame
    findRow(rows, QStringLiteral("Text"))->value = QStringLiteral("Reading for");
    findRow(rows, QStringLiteral("Color"))->value = QColor(Qt::red);
    QFont font(QStringLiteral("Serif"));
    font.setPixelSize(20);
    findRow(rows, QStringLiteral("Font"))->value = font;
    findRow(rows, QStringLiteral("Frame"))->value = 0; // "Solid"
    findRow(rows, QStringLiteral("Frame Color"))->value = QColor(Qt::blue);
    applyPropertyRows(*frame, page, rows);
    const ChartItem &content = *frame->content;
    QCOMPARE(content.text, QStringLiteral("Reading for"));
    QCOMPARE(content.colour, QColor(Qt::red));
    QCOMPARE(content.font.pixelSize(), 20);
    QCOMPARE(content.frame, 1);
    QCOMPARE(content.frameColour, QColor(Qt::blue));
    // Unchanged rows write back what they read.
    applyPropertyRows(*frame, page, propertyRowsFor(*frame, page));
    QCOMPARE(content.text, QStringLiteral("Reading for"));
    QCOMPARE(content.frame, 1);
}

void TestElementProperties::barcodeRows()
{
    ChartPage page;
    ChartItem *frame = addEntry(page, QStringLiteral("Bar Codes"));
    PropertyRows rows = propertyRowsFor(*frame, page);
    PropertyRow *kind = findRow(rows, QStringLiteral("Bar code"));
    QCOMPARE(kind->choices, (QStringList{"QR Code", "Codabar", "Code 128", "Code 39", "Code 93", "EAN 13",
                                         "EAN 8", "Interleaved 2 of 5", "MSI", "Postnet", "UPC"}));
    kind->value = 5;
    findRow(rows, QStringLiteral("Text"))->value = QStringLiteral("4006381333931");
    findRow(rows, QStringLiteral("Field"))->value = 1;
    applyPropertyRows(*frame, page, rows);
    QCOMPARE(frame->content->barcodeKind, 5);
    QCOMPARE(frame->content->text, QStringLiteral("4006381333931"));
    QCOMPARE(frame->content->code, QStringLiteral("#full_name"));
    QCOMPARE(findRow(rows = propertyRowsFor(*frame, page), QStringLiteral("Field"))->value.toInt(), 1);
}

void TestElementProperties::blockViewOrder_data()
{
    QTest::addColumn<int>("view");             // which block view (0 to 2) is edited
    QTest::addColumn<int>("choice");           // the chosen "Order #" index
    QTest::addColumn<QStringList>("expected"); // codes of the page's items, back to front
    // Page: view A, a text, view B, view C.
    QTest::newRow("last to first") << 2 << 0 << QStringList{"C", "#text", "A", "B"};
    QTest::newRow("first to last") << 0 << 2 << QStringList{"B", "#text", "C", "A"};
    QTest::newRow("unchanged") << 1 << 1 << QStringList{"A", "#text", "B", "C"};
}

void TestElementProperties::blockViewOrder()
{
    QFETCH(int, view);
    QFETCH(int, choice);
    QFETCH(QStringList, expected);
    ChartPage page;
    ChartItem *views[3];
    views[0] = addBlockView(page, QStringLiteral("A"));
    addEntry(page, QStringLiteral("Text"));
    views[1] = addBlockView(page, QStringLiteral("B"));
    views[2] = addBlockView(page, QStringLiteral("C"));
    views[1]->content->order = 7; // stale numbers are renumbered first
    PropertyRows rows = propertyRowsFor(*views[view], page);
    PropertyRow *order = findRow(rows, QStringLiteral("Order #"));
    QVERIFY(order);
    QCOMPARE(order->choices, (QStringList{"1", "2", "3"}));
    QCOMPARE(order->value.toInt(), view);
    order->value = choice;
    applyPropertyRows(*views[view], page, rows);
    QStringList codes;
    for (const auto &item : page.items)
        codes << item->content->code;
    QCOMPARE(codes, expected);
    QCOMPARE(views[view]->content->order, choice);
}

// Geometry rows in millimetres (4 units each) for a "Main Features" box of
// 200 x 100 units (50 x 25 mm) at (40, 80) units, (10, 20) mm.
void TestElementProperties::geometry_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QRectF>("bounds"); // what it covers afterwards, in units
    QTest::addColumn<double>("rotation");
    QTest::newRow("unchanged") << "X (mm)" << "10" << QRectF(40, 80, 200, 100) << 0.0;
    QTest::newRow("x") << "X (mm)" << "12.5" << QRectF(50, 80, 200, 100) << 0.0;
    QTest::newRow("y") << "Y (mm)" << "0" << QRectF(40, 0, 200, 100) << 0.0;
    QTest::newRow("width keeps the corner") << "Width (mm)" << "30" << QRectF(40, 80, 120, 100) << 0.0;
    QTest::newRow("height") << "Height (mm)" << "10" << QRectF(40, 80, 200, 40) << 0.0;
    // A quarter turn about the centre (140, 130): 100 wide, 200 high.
    QTest::newRow("angle") << "Angle" << "90" << QRectF(90, 30, 100, 200) << 90.0;
    QTest::newRow("not a number") << "Width (mm)" << "wide" << QRectF(40, 80, 200, 100) << 0.0;
    QTest::newRow("below a millimetre") << "Height (mm)" << "0.5" << QRectF(40, 80, 200, 100) << 0.0;
}

void TestElementProperties::geometry()
{
    QFETCH(QString, row);
    QFETCH(QString, value);
    QFETCH(QRectF, bounds);
    QFETCH(double, rotation);
    ChartPage page;
    ChartItem *frame = page.addItem(makeElement(makeFieldContent(QStringLiteral("Main Features")), QPointF(40, 80)));
    PropertyRows rows = geometryRowsFor(*frame);
    QCOMPARE(namesOf(rows), (QStringList{"X (mm)", "Y (mm)", "Width (mm)", "Height (mm)", "Angle"}));
    QCOMPARE(findRow(rows, QStringLiteral("X (mm)"))->value.toString(), QStringLiteral("10"));
    QCOMPARE(findRow(rows, QStringLiteral("Width (mm)"))->value.toString(), QStringLiteral("50"));
    findRow(rows, row)->value = value;
    applyGeometryRows(*frame, rows);
    const QRectF covered = frameBounds(*frame);
    QVERIFY2(std::abs(covered.left() - bounds.left()) < 1e-6 && std::abs(covered.top() - bounds.top()) < 1e-6 &&
                 std::abs(covered.width() - bounds.width()) < 1e-6 &&
                 std::abs(covered.height() - bounds.height()) < 1e-6,
             qPrintable(QStringLiteral("%1 %2 %3 %4")
                            .arg(covered.left())
                            .arg(covered.top())
                            .arg(covered.width())
                            .arg(covered.height())));
    QCOMPARE(frame->rotation, rotation);
    // The content draws at the frame's size.
    QCOMPARE(frame->content->size, frameLocalRect(*frame).size());
}

QTEST_MAIN(TestElementProperties)
#include "test_elementproperties.moc"
