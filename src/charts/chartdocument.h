#pragma once

// Chart documents: the printable layouts of a person's numbers.
//
//   ChartDocument   page lists (the printable pages), named blocks, grid
//     ChartPage     a page or a block: size, background, frame items
//       ChartItem   a frame (type 1: where the element sits on the page)
//         ChartItem   owning one content item (what it draws: text field,
//                     picture, barcode, one of the eight charts, ...)
//
// Lengths are in quarter millimetres ("units": 4 to the millimetre, 101.6
// to the inch); a new page is A4, 840 x 1188 units. The template file that
// stores a document is laid out in templateformat.h, read in
// templatereader.cpp and written in templatewriter.cpp. The document knows
// no person and draws nothing: the drawing of a page with a person's
// numbers, thumbnails included, is in chartrenderer.h.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QSizeF>
#include <QString>
#include <QTransform>

#include <memory>
#include <vector>

class QDataStream;
struct ChartPage;

// Item kinds (ChartItem::type).
enum ChartItemKind {
    ITEM_FRAME = 1,            // the outer item of every element
    ITEM_PICTURE = 2,          // an image stretched over the element
    ITEM_CENTRED_LABEL = 3,    // carried in files, drawn as nothing
    ITEM_FILLED_SHAPE = 4,     // carried in files, drawn as nothing
    ITEM_CAPTION_TEXT = 5,     // carried in files, drawn as nothing
    ITEM_TEXT_FIELD = 6,       // a person-data field or a free text
    ITEM_RECORD_IMAGE = 7,     // carried in files, drawn as nothing
    ITEM_BLOCK_VIEW = 8,       // shows one of the document's blocks
    ITEM_RECORD_IMAGE_SET = 9, // carried in files, drawn as nothing
    ITEM_BARCODE = 10,         // a symbol of the item's text
    ITEM_GRID_CHART = 11,      // "Psychomatrix", "Planes of Expression"
    ITEM_NAME_CHART = 12,      // "Name"
    ITEM_CALENDAR_CHART = 13,  // "Personal numbers calendar"
    ITEM_FEATURE_TABLE = 14,   // "Main Features", "Additional Features", "Life Cycles"
    ITEM_BRIDGES_TABLE = 15,   // "Bridges"
};

// Page background modes (ChartPage::backgroundMode).
enum ChartBackgroundMode {
    BACKGROUND_NONE = -1,     // stored as the byte 255
    BACKGROUND_COLOUR = 0,    // fill with the colour
    BACKGROUND_IMAGE = 1,     // the image at its natural size at the top-left corner
    BACKGROUND_STRETCHED = 2, // the image stretched over the page
};

// Text alignment values the designer offers ("Left", "Center", "Right").
constexpr int ALIGN_LEFT_VALUE = 1;
constexpr int ALIGN_RIGHT_VALUE = 2;
constexpr int ALIGN_CENTRE_VALUE = 4;

constexpr double A4_WIDTH_UNITS = 840.0;
constexpr double A4_HEIGHT_UNITS = 1188.0;
constexpr double UNITS_PER_INCH = 101.6;

// The font of a new item.
QFont defaultItemFont();

// What an item holds, every field a value: copying it copies the item,
// less its content and links (ChartItem below).
struct ChartItemValues
{
    int type = 0;
    bool fieldFlag = false;           // a person-data field with a caption
    bool freeTextFlag = false;        // free texts and barcodes
    QString label;                    // frame only, carried in the file
    QString code;                     // "#full_name", "#text", "Name", ...
    QTransform transform;             // frame only: position, rotation and scale
    double rotation = 0.0;            // frame only, degrees
    QSizeF size{0.0, 0.0};            // content only: drawing size in units
    QPainterPath shape;               // frame only: (0, 0) to the element's size
    QColor colour{Qt::black};         // text or fill colour
    QSizeF secondSize{0.0, 0.0};      // carried in the file
    QImage image;                     // a picture; a block view's block thumbnail
    int order = 0;                    // a block view's place among the page's block views
    bool flagA = true;                // carried in the file
    bool flagB = false;               // set on frame items
    QString text;                     // caption, free text or barcode value
    QFont font = defaultItemFont();   // Arial 10 point, weight 50, then pixel size 11
    int alignment = ALIGN_LEFT_VALUE; // Qt alignment flags
    int penStyle = Qt::SolidLine;
    double penWidth = 1.0; // 0: no outline
    QColor penColour{Qt::black};
    int imageNumber = 0; // kind 7's image; in files, a block view's block index
    int frame = 0;       // 0: no frame line
    QColor frameColour{Qt::black};
    int barcodeKind = 0; // BarcodeKind
    int fit = 1;
    int imageSetNumber = 0;
    QColor background{255, 255, 255, 222}; // chart fill; its alpha is the "Opacity"
};

// One placed element is a frame item (geometry) owning a content item
// (what is drawn). Both use this structure; a kind leaves the fields it
// does not use at their defaults.
struct ChartItem : ChartItemValues
{
    std::unique_ptr<ChartItem> content; // frame only
    ChartItem *container = nullptr;     // content only: its frame
    const ChartPage *block = nullptr;   // block view: the block it shows

    // Makes item this frame's content (replacing any former one).
    void setContent(std::unique_ptr<ChartItem> item);
};

// A page of a page list, or a block; both have the same structure.
struct ChartPage
{
    QSizeF size{A4_WIDTH_UNITS, A4_HEIGHT_UNITS};
    QString name = QStringLiteral("Untitled");
    int count = 0;         // 0 shows as the infinity sign
    int secondInteger = 0; // carried in the file
    QColor backgroundColour{Qt::white};
    int backgroundMode = BACKGROUND_NONE; // ChartBackgroundMode, a signed 8-bit value
    QImage backgroundImage;
    std::vector<std::unique_ptr<ChartItem>> items; // frame items, back to front
    QImage thumbnail; // the page fitted into 256 x 256 pixels, drawn by whoever has the data

    // Appends a frame item and returns it.
    ChartItem *addItem(std::unique_ptr<ChartItem> frame);
    // True when an element's content is one of kinds.
    bool holdsContentKind(std::initializer_list<int> kinds) const;
};

using ChartPageList = std::vector<std::unique_ptr<ChartPage>>;

class ChartDocument
{
public:
    static constexpr int WRITTEN_VERSION = 263;
    static constexpr int OLDEST_VERSION = 256;

    ChartDocument();

    // Clears everything and starts over with one page list holding one A4
    // page named "Untitled", which becomes the current page.
    void newDocument();
    // Deletes all pages, page lists and blocks; no current page.
    void clear();
    // A new page the size of the first page of the first list, named
    // "Pages " and the new count, appended to the first list.
    ChartPage *addPage();
    // A new block of the given size and name, appended to the blocks.
    ChartPage *addBlock(const QSizeF &size, const QString &name);

    // Reads a template from stream: 0 on success, -1 for a wrong header, a
    // version outside 256 to 263 or a damaged or truncated file. A wrong
    // header leaves the document as it was; any other refusal leaves a new
    // document. The stream's version is set to 12 (Qt 4.6). Thumbnails are
    // not drawn (refreshThumbnails does, with the person's data).
    int read(QDataStream &stream);
    // Writes the template: 0, or -1 without writing anything when the first
    // page list is missing or empty. Block views' image numbers become their
    // blocks' indexes first. The first page's thumbnail is written as it is:
    // the caller draws it (refreshThumbnail) when the file should carry one.
    int write(QDataStream &stream);
    // The file's bytes as write() produces them; empty when write() refuses.
    QByteArray toBytes();

    // The first page of the first list, or null.
    ChartPage *firstPage() const;
    // Every page of every page list, in order.
    std::vector<ChartPage *> allPages() const;

    QString title;
    QString fileName;
    std::vector<ChartPageList> pageLists;
    ChartPageList blocks;
    bool showGrid = true;
    bool snapToGrid = true;
    bool showBoundaries = true;
    double gridStepX = 10.0;
    double gridStepY = 10.0;
    double zoom = 0.75;               // the editor's scale, not stored
    ChartPage *currentPage = nullptr; // the page the editor shows, not stored
    int version = WRITTEN_VERSION;    // the format version of the last file read
};

// Block index mapping and linking (used around writing and reading).
// Before writing: every block view on the pages gets the index of its block
// (searched from the first); an unfound block leaves the image number.
void mapBlockViewsToIndexes(ChartDocument &document);
// After reading: every block view on the pages shows the block at its image
// number, and that block's thumbnail once it has been drawn.
void linkBlockViews(ChartDocument &document);
