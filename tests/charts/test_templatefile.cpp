// The template file: the fields each version from 256 to 263 holds, the
// inverted flags, the font pixel-size rule, block indexes, refused headers
// and versions, a byte-identical round trip, and damaged or truncated
// files, which are refused whole and leave a new document.

#include "charts/chartelements.h"
#include "charts/chartrenderer.h"
#include "templatefixture.h"

#include <QtTest>

#include <climits>
#include <cmath>

namespace {

// A document holding one of each kind of field, a block shown by a block
// view, a rotated and scaled frame, pictures with alpha and two page lists.
ChartDocument richDocument()
{
    ChartDocument document;
    document.title = QStringLiteral("Round trip");
    document.showGrid = false;
    document.gridStepX = 5.0;
    document.gridStepY = 7.5;

    QImage picture(8, 6, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixelColor(x, y, QColor(30 * x, 40 * y, 200, 20 * (x + y) + 10));

    ChartPage *block = document.addBlock(QSizeF(300, 200), QStringLiteral("Logo block"));
    block->addItem(makeElement(makePictureContent(picture, QSizeF(80, 60)), QPointF(10, 10)));
    block->addItem(freeTextElement(QStringLiteral("In the block"), 100, 20));

    ChartPage &cover = *document.firstPage();
    cover.name = QStringLiteral("Cover");
    cover.count = 2;
    cover.secondInteger = 5;
    cover.backgroundMode = BACKGROUND_COLOUR;
    cover.backgroundColour = QColor(250, 245, 235);
    double y = 10;
    for (const char *entry : {"Name", "Psychomatrix", "Planes of Expression", "Personal numbers calendar",
                              "Main Features", "Additional Features", "Life Cycles", "Bridges", "Full Name",
                              "Short Name", "Birthdate", "Print date", "Numerologist", "Text", "Bar Codes"}) {
        std::unique_ptr<ChartItem> content = makeFieldContent(QLatin1String(entry));
        content->background = QColor(10, 20, 30, 40);
        y += content->size.height() + 5;
        cover.addItem(makeElement(std::move(content), QPointF(20, y)));
    }
    ChartItem *rotated = cover.addItem(freeTextElement(QStringLiteral("Turned"), 600, 900));
    rotated->transform = QTransform().translate(600, 900).rotate(30).scale(0.8, 0.8);
    rotated->rotation = 30;
    rotated->content->alignment = -5; // stored sign-extended
    rotated->content->font.setItalic(true);
    rotated->content->frame = 1;
    rotated->content->frameColour = QColor(1, 2, 3, 4);
    cover.addItem(makeElement(makePictureContent(picture, QSizeF(40, 30)), QPointF(700, 40)));
    std::unique_ptr<ChartItem> view = makeBlockViewContent(*block, ChartDataContext());
    view->order = 1;
    cover.addItem(makeElement(std::move(view), QPointF(500, 600)));
    cover.addItem(makeElement(nullptr, QPointF(1, 1))); // a frame without content

    ChartPage *second = document.addPage();
    second->backgroundMode = BACKGROUND_STRETCHED;
    second->backgroundImage = picture;
    document.pageLists.emplace_back();
    document.pageLists.back().push_back(std::make_unique<ChartPage>());
    document.pageLists.back().back()->size = QSizeF(360, 216);
    return document;
}

// A document with one page of 500 x 600 units that holds one free text,
// whose settings differ from every default.
ChartDocument versionedDocument()
{
    ChartDocument document;
    document.title = QStringLiteral("Versions");
    document.showGrid = false;
    document.snapToGrid = false;
    document.showBoundaries = false;
    document.gridStepX = 7.5;
    document.gridStepY = 12.5;
    document.addBlock(QSizeF(100, 50), QStringLiteral("Block"));
    ChartPage &page = *document.firstPage();
    page.size = QSizeF(500, 600);
    page.name = QStringLiteral("Cover");
    page.count = 3;
    page.secondInteger = 9;
    page.backgroundColour = QColor(255, 0, 0);
    page.backgroundMode = BACKGROUND_COLOUR;
    ChartItem *frame = page.addItem(freeTextElement(QStringLiteral("Hello"), 10, 20));
    ChartItem &content = *frame->content;
    content.order = 2;
    content.imageSetNumber = 4;
    content.barcodeKind = 5;
    content.background = QColor(0x11, 0x22, 0x33, 0x44);
    return document;
}

// Bytes written by a stream in the template encoding.
QByteArray raw(const std::function<void(QDataStream &)> &write)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream out(&buffer);
    write(templateEncoding(out));
    return bytes;
}

// A PNG made of a header chunk of width x height and the given data
// chunk; the chunks' checksums are not checked before decoding.
QByteArray pngWith(quint32 width, quint32 height, const QByteArray &idat)
{
    return raw([&](QDataStream &out) {
        out << qint32(1); // not a null picture
        out.writeRawData("\x89PNG\r\n\x1a\n", 8);
        out << quint32(13);
        out.writeRawData("IHDR", 4);
        out << width << height << quint8(8) << quint8(6) << quint8(0) << quint8(0) << quint8(0) << quint32(0);
        out << quint32(idat.size());
        out.writeRawData("IDAT", 4);
        out.writeRawData(idat.constData(), idat.size());
        out << quint32(0) << quint32(0);
        out.writeRawData("IEND", 4);
        out << quint32(0);
    });
}

bool isNewDocument(const ChartDocument &document)
{
    return document.title == QLatin1String("New report") && document.pageLists.size() == 1 &&
           document.pageLists.front().size() == 1 && document.currentPage == document.firstPage() &&
           document.currentPage->name == QLatin1String("Untitled") && document.blocks.empty();
}

// Where two byte arrays first differ, for a readable failure.
int firstDifference(const QByteArray &a, const QByteArray &b)
{
    const int common = qMin(a.size(), b.size());
    for (int i = 0; i < common; ++i) {
        if (a[i] != b[i])
            return i;
    }
    return a.size() == b.size() ? -1 : common;
}

} // namespace

class TestTemplateFile : public QObject
{
    Q_OBJECT

private slots:
    void readsEveryVersion_data();
    void readsEveryVersion();
    void invertedFlags_data();
    void invertedFlags();
    void fontPixelSize_data();
    void fontPixelSize();
    void refusedHeaderOrVersion_data();
    void refusedHeaderOrVersion();
    void fileWithoutPagesGivesNewDocument_data();
    void fileWithoutPagesGivesNewDocument();
    void writerNeedsFirstPageList_data();
    void writerNeedsFirstPageList();
    void blockIndexes();
    void blockViewsLinkAfterReading();
    void roundTripIsByteIdentical();
    void truncatedFilesRefused();
    void damagedValuesRefused_data();
    void damagedValuesRefused();
};

void TestTemplateFile::readsEveryVersion_data()
{
    QTest::addColumn<int>("version");
    for (int version = 256; version <= 263; ++version)
        QTest::addRow("version %d", version) << version;
}

// Each field carries a value unlike its default: a field the version holds
// reads back; one it does not hold keeps the default. The item's text,
// after every optional field, shows that nothing was read out of step.
void TestTemplateFile::readsEveryVersion()
{
    QFETCH(int, version);
    ChartDocument document;
    QCOMPARE(readBytes(templateBytes(version, versionedDocument()), document), 0);
    QCOMPARE(document.version, version);
    QCOMPARE(document.title, QStringLiteral("Versions"));

    QCOMPARE(document.showGrid, version <= 256);
    QCOMPARE(document.snapToGrid, version <= 256);
    QCOMPARE(document.showBoundaries, version <= 261);
    QCOMPARE(document.gridStepX, version > 256 ? 7.5 : 10.0);
    QCOMPARE(document.gridStepY, version > 256 ? 12.5 : 10.0);
    QCOMPARE(document.blocks.size(), size_t(version > 257 ? 1 : 0));

    const ChartPage &page = *document.currentPage;
    QCOMPARE(page.size, QSizeF(500, 600));
    QCOMPARE(page.name, version > 257 ? QStringLiteral("Cover") : QStringLiteral("Pages"));
    QCOMPARE(page.count, version > 257 ? 3 : 0);
    QCOMPARE(page.secondInteger, version > 257 ? 9 : 0);
    QCOMPARE(page.backgroundMode, version > 258 ? int(BACKGROUND_COLOUR) : int(BACKGROUND_NONE));
    QCOMPARE(page.backgroundColour, version > 258 ? QColor(255, 0, 0) : QColor(Qt::white));

    QCOMPARE(page.items.size(), size_t(1));
    const ChartItem &content = *page.items.front()->content;
    QCOMPARE(content.text, QStringLiteral("Hello"));
    QCOMPARE(content.order, version > 257 ? 2 : 0);
    QCOMPARE(content.imageSetNumber, version >= 260 ? 4 : 0);
    QCOMPARE(content.barcodeKind, version > 260 ? 5 : 0);
    QCOMPARE(content.background, version > 262 ? QColor(0x11, 0x22, 0x33, 0x44) : QColor(255, 255, 255, 222));
    QCOMPARE(content.container, page.items.front().get());
}

void TestTemplateFile::invertedFlags_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("byte");
    QTest::addColumn<bool>("expected");
    QTest::newRow("field flag, byte 0") << QByteArray("fieldFlag") << 0 << true;
    QTest::newRow("field flag, byte 1") << QByteArray("fieldFlag") << 1 << false;
    QTest::newRow("free text flag, byte 0") << QByteArray("freeTextFlag") << 0 << true;
    QTest::newRow("flag a, byte 1") << QByteArray("flagA") << 1 << false;
    QTest::newRow("flag b, byte 0") << QByteArray("flagB") << 0 << true;
    QTest::newRow("flag b, byte 7") << QByteArray("flagB") << 7 << false;
}

void TestTemplateFile::invertedFlags()
{
    QFETCH(QByteArray, field);
    QFETCH(int, byte);
    QFETCH(bool, expected);
    ChartDocument source = versionedDocument();
    const FieldHook hook = [&](const char *name, QDataStream &out) {
        if (field != name)
            return false;
        out << qint8(byte);
        return true;
    };
    ChartDocument document;
    QCOMPARE(readBytes(templateBytes(263, source, hook), document), 0);
    const ChartItem &content = *document.currentPage->items.front()->content;
    const bool read = field == "fieldFlag"      ? content.fieldFlag
                      : field == "freeTextFlag" ? content.freeTextFlag
                      : field == "flagA"        ? content.flagA
                                                : content.flagB;
    QCOMPARE(read, expected);
}

void TestTemplateFile::fontPixelSize_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<int>("pixelSize");
    // Point size x 12 / 10 + 1, in whole numbers.
    QTest::newRow("10 points") << QFont(QStringLiteral("Arial"), 10) << 13;
    QTest::newRow("12 points") << QFont(QStringLiteral("Arial"), 12) << 15;
    QTest::newRow("7 points") << QFont(QStringLiteral("Arial"), 7) << 9;
    QFont pixels(QStringLiteral("Arial"));
    pixels.setPixelSize(11);
    QTest::newRow("pixel size kept") << pixels << 11;
}

void TestTemplateFile::fontPixelSize()
{
    QFETCH(QFont, font);
    QFETCH(int, pixelSize);
    ChartDocument source = versionedDocument();
    source.firstPage()->items.front()->content->font = font;
    ChartDocument document;
    QCOMPARE(readBytes(templateBytes(263, source), document), 0);
    QCOMPARE(document.currentPage->items.front()->content->font.pixelSize(), pixelSize);
}

void TestTemplateFile::refusedHeaderOrVersion_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("unchanged"); // else a new document
    const QByteArray valid = templateBytes(263, versionedDocument());
    QTest::newRow("empty file") << QByteArray() << true;
    QByteArray wrongText = valid;
    wrongText[4 + 20] = 'X'; // "CorvalaneReportFile-X"
    QTest::newRow("wrong header text") << wrongText << true;
    QTest::newRow("header length without the zero") << raw([](QDataStream &out) {
        out << quint32(21);
        out.writeRawData("CorvalaneReportFile->", 21);
        out << qint8(0) << qint32(263);
    }) << true;
    QTest::newRow("header cut short") << valid.left(20) << true;
    QTest::newRow("version 264") << templateBytes(264, versionedDocument()) << false;
    QTest::newRow("version 255") << templateBytes(255, versionedDocument()) << false;
}

void TestTemplateFile::refusedHeaderOrVersion()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, unchanged);
    ChartDocument document;
    document.title = QStringLiteral("Keep me");
    QCOMPARE(readBytes(bytes, document), -1);
    if (unchanged)
        QCOMPARE(document.title, QStringLiteral("Keep me"));
    else
        QVERIFY(isNewDocument(document));
}

void TestTemplateFile::fileWithoutPagesGivesNewDocument_data()
{
    QTest::addColumn<int>("lists");
    QTest::newRow("no page list") << 0;
    QTest::newRow("an empty first list before a full one") << 2;
}

void TestTemplateFile::fileWithoutPagesGivesNewDocument()
{
    QFETCH(int, lists);
    ChartDocument source = versionedDocument();
    source.pageLists.clear();
    if (lists == 2) {
        source.pageLists.emplace_back();
        source.pageLists.emplace_back();
        source.pageLists.back().push_back(std::make_unique<ChartPage>());
    }
    ChartDocument document;
    QCOMPARE(readBytes(templateBytes(263, source), document), 0);
    QVERIFY(isNewDocument(document));
}

void TestTemplateFile::writerNeedsFirstPageList_data()
{
    QTest::addColumn<bool>("withEmptyList");
    QTest::newRow("no page list") << false;
    QTest::newRow("an empty first list") << true;
}

void TestTemplateFile::writerNeedsFirstPageList()
{
    QFETCH(bool, withEmptyList);
    ChartDocument document;
    document.pageLists.clear();
    if (withEmptyList)
        document.pageLists.emplace_back();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream out(&buffer);
    QCOMPARE(document.write(out), -1);
    QVERIFY(bytes.isEmpty());
}

// Before writing, a block view's image number becomes its block's index;
// a view whose block is not among the blocks keeps its number.
void TestTemplateFile::blockIndexes()
{
    ChartDocument document;
    document.addBlock(QSizeF(10, 10), QStringLiteral("First"));
    ChartPage *second = document.addBlock(QSizeF(10, 10), QStringLiteral("Second"));
    ChartPage stranger;
    const auto addView = [&](const ChartPage *block, int imageNumber) {
        auto view = std::make_unique<ChartItem>();
        view->type = ITEM_BLOCK_VIEW;
        view->block = block;
        view->imageNumber = imageNumber;
        view->size = QSizeF(10, 10);
        return document.firstPage()->addItem(makeElement(std::move(view), QPointF()))->content.get();
    };
    ChartItem *found = addView(second, 0);
    ChartItem *unfound = addView(&stranger, 7);
    const QByteArray bytes = document.toBytes();
    QCOMPARE(found->imageNumber, 1);
    QCOMPARE(unfound->imageNumber, 7);

    ChartDocument read;
    QCOMPARE(readBytes(bytes, read), 0);
    const auto &items = read.firstPage()->items;
    QCOMPARE(items.at(0)->content->imageNumber, 1);
    QCOMPARE(items.at(1)->content->imageNumber, 7);
}

// After reading, a block view shows the block at its image number and that
// block's thumbnail; an index outside the blocks shows none.
void TestTemplateFile::blockViewsLinkAfterReading()
{
    ChartDocument source = richDocument();
    ChartDocument document;
    QCOMPARE(readBytes(source.toBytes(), document), 0);
    refreshThumbnails(document, ChartDataContext());
    QCOMPARE(document.blocks.size(), size_t(1));
    const ChartPage *block = document.blocks.front().get();
    QCOMPARE(block->thumbnail.size(), QSize(256, 256));
    const ChartItem *view = nullptr;
    for (const auto &frame : document.firstPage()->items) {
        if (frame->content && frame->content->type == ITEM_BLOCK_VIEW)
            view = frame->content.get();
    }
    QVERIFY(view);
    QCOMPARE(view->block, block);
    QCOMPARE(view->image, block->thumbnail);

    ChartDocument outside;
    source.firstPage()->items.at(17)->content->block = nullptr;
    source.firstPage()->items.at(17)->content->imageNumber = 3;
    QCOMPARE(source.firstPage()->items.at(17)->content->type, int(ITEM_BLOCK_VIEW));
    QCOMPARE(readBytes(source.toBytes(), outside), 0);
    QVERIFY(!outside.firstPage()->items.at(17)->content->block);
}

void TestTemplateFile::roundTripIsByteIdentical()
{
    ChartDocument source = richDocument();
    const QByteArray first = source.toBytes();
    ChartDocument read;
    QCOMPARE(readBytes(first, read), 0);
    const QByteArray second = read.toBytes();
    QVERIFY2(second == first, qPrintable(QStringLiteral("first difference at byte %1 of %2")
                                             .arg(firstDifference(first, second))
                                             .arg(first.size())));
    QCOMPARE(read.pageLists.size(), size_t(2));
    QCOMPARE(read.firstPage()->items.at(15)->rotation, 30.0);
    QCOMPARE(read.firstPage()->items.at(15)->content->alignment, -5);
}

// A file cut anywhere is refused whole: before the end of the header the
// document stays as it was, after it the reader leaves a new document.
void TestTemplateFile::truncatedFilesRefused()
{
    const QByteArray whole = richDocument().toBytes();
    const int headerEnd = 4 + 22;
    QVector<int> cuts;
    for (int cut = 0; cut < whole.size(); cut += cut < 200 || cut > whole.size() - 200 ? 1 : 41)
        cuts.append(cut);
    for (const int cut : cuts) {
        ChartDocument document;
        document.title = QStringLiteral("Keep me");
        QVERIFY2(readBytes(whole.left(cut), document) == -1,
                 qPrintable(QStringLiteral("cut at %1").arg(cut)));
        if (cut < headerEnd)
            QCOMPARE(document.title, QStringLiteral("Keep me"));
        else
            QVERIFY2(isNewDocument(document), qPrintable(QStringLiteral("cut at %1").arg(cut)));
    }
}

void TestTemplateFile::damagedValuesRefused_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("replacement");
    const double nan = std::nan("");
    const auto doubles = [](std::initializer_list<double> values) {
        return raw([&](QDataStream &out) {
            for (const double v : values)
                out << v;
        });
    };
    // A path of (type, x, y) elements, then its start index and fill rule.
    const auto path = [](std::initializer_list<int> types, int fillRule = 0) {
        return raw([&](QDataStream &out) {
            out << qint32(types.size());
            for (const int type : types)
                out << qint32(type) << 1.0 << 2.0;
            out << qint32(0) << qint32(fillRule);
        });
    };
    const QByteArray fontTail = raw([](QDataStream &out) {
        out << qint32(11) << quint8(0) << quint8(0) << quint8(0) << quint8(50) << quint8(0) << quint16(100)
            << quint8(0) << qint32(0) << qint32(0);
    });

    QTest::newRow("item count beyond the bytes")
        << QByteArray("itemCount") << raw([](QDataStream &out) { out << qint32(1000000); });
    QTest::newRow("negative item count")
        << QByteArray("itemCount") << raw([](QDataStream &out) { out << qint32(-1); });
    QTest::newRow("text of odd length") << QByteArray("label") << raw([](QDataStream &out) {
        out << quint32(3);
        out.writeRawData("abc", 3);
    });
    QTest::newRow("text longer than the file")
        << QByteArray("label") << raw([](QDataStream &out) { out << quint32(0x7ffffffe); });
    // The bytes are there, but no single value may take more than 32 MiB.
    QTest::newRow("text of 33 MiB") << QByteArray("label") << raw([](QDataStream &out) {
        const QByteArray text(33 * 1024 * 1024, 'a');
        out << quint32(text.size());
        out.writeRawData(text.constData(), text.size());
    });
    QTest::newRow("not a number in the transform")
        << QByteArray("transform") << doubles({1, 0, 0, 0, 1, 0, nan, 0, 1});
    QTest::newRow("infinite rotation") << QByteArray("rotation") << doubles({HUGE_VAL});
    QTest::newRow("path claiming 2^31-1 elements")
        << QByteArray("shape") << raw([](QDataStream &out) { out << qint32(INT_MAX); });
    QTest::newRow("path starting with a line") << QByteArray("shape") << path({1, 1});
    QTest::newRow("curve without its data") << QByteArray("shape") << path({0, 2, 1});
    QTest::newRow("curve data without a curve") << QByteArray("shape") << path({0, 3});
    QTest::newRow("element type 7") << QByteArray("shape") << path({0, 7});
    QTest::newRow("fill rule 5") << QByteArray("shape") << path({0, 1}, 5);
    QTest::newRow("colour model 9") << QByteArray("colour") << raw([](QDataStream &out) {
        out << qint8(9) << quint16(0xffff) << quint16(0) << quint16(0) << quint16(0) << quint16(0);
    });
    QTest::newRow("picture larger than a template may hold")
        << QByteArray("image") << pngWith(4096, 4096, QByteArray(100000, 'x'));
    QTest::newRow("picture its data cannot fill")
        << QByteArray("image") << pngWith(1000, 1000, QByteArray(10, 'x'));
    QTest::newRow("picture that does not decode")
        << QByteArray("image") << pngWith(2, 2, QByteArray(30, 'x'));
    QTest::newRow("picture of width 0") << QByteArray("image") << pngWith(0, 5, QByteArray(30, 'x'));
    QTest::newRow("font size not a number") << QByteArray("font") << raw([&](QDataStream &out) {
        out << QStringLiteral("Arial") << nan;
        out.writeRawData(fontTail.constData(), fontTail.size());
    });
    QTest::newRow("font of 9000 points, 10801 pixels") << QByteArray("font") << raw([&](QDataStream &out) {
        out << QStringLiteral("Arial") << 9000.0 << qint32(-1);
        out.writeRawData(fontTail.constData() + 4, fontTail.size() - 4);
    });
    QTest::newRow("font of -1e300 points") << QByteArray("font") << raw([&](QDataStream &out) {
        out << QStringLiteral("Arial") << -1e300 << qint32(-1);
        out.writeRawData(fontTail.constData() + 4, fontTail.size() - 4);
    });
    QTest::newRow("font of 50000 pixels") << QByteArray("font") << raw([&](QDataStream &out) {
        out << QStringLiteral("Arial") << -1.0 << qint32(50000);
        out.writeRawData(fontTail.constData() + 4, fontTail.size() - 4);
    });
}

// The same file without the damage reads; with it the file is refused and
// a new document is left.
void TestTemplateFile::damagedValuesRefused()
{
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, replacement);
    ChartDocument source = versionedDocument();
    ChartDocument undamaged;
    QCOMPARE(readBytes(templateBytes(263, source), undamaged), 0);

    bool replaced = false;
    const FieldHook hook = [&](const char *name, QDataStream &out) {
        if (replaced || field != name)
            return false;
        out.writeRawData(replacement.constData(), replacement.size());
        replaced = true;
        return true;
    };
    ChartDocument document;
    QCOMPARE(readBytes(templateBytes(263, source, hook), document), -1);
    QVERIFY(replaced);
    QVERIFY(isNewDocument(document));
}

QTEST_MAIN(TestTemplateFile)
#include "test_templatefile.moc"
