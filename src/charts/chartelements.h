#pragma once

// The element kinds a chart page holds, one entry each in one table: where
// the designer's fields list shows the kind, the content a new element of
// it gets, how that content is drawn and which property rows the designer
// offers for it. The fields list, the renderer and the property table all
// iterate this table, so a new element kind is one entry here plus its
// drawer. The shipped templates are built from the same entries.

#include "chartdatacontext.h"
#include "chartdocument.h"

class QPainter;
struct ChartRenderOptions;

// The groups of the designer's fields list, in their order.
enum class ElementGroup {
    Calculated, // "Calculated data": the charts
    Variables,  // "Variables": person-data fields
    Objects,    // "Objects": free text, picture, barcode
    None,       // not offered in the list (block views come from the blocks pane)
};

// The property rows an element kind offers, in the order shown. The
// designer knows how to show and write back each of them.
enum ElementProperty {
    PROPERTY_END = 0, // ends a kind's list
    PROPERTY_FIELD,   // a barcode's person-data field
    PROPERTY_BARCODE, // the barcode kind
    PROPERTY_ORDER,   // a block view's place among the page's block views
    PROPERTY_TEXT,
    PROPERTY_COLOUR,
    PROPERTY_FONT,
    PROPERTY_ALIGNMENT,
    PROPERTY_FRAME,
    PROPERTY_FRAME_COLOUR,
    PROPERTY_BACKGROUND,
    PROPERTY_OPACITY,
};

// Draws an element's content in its own units, (0, 0) to its size.
using ElementDrawer = void (*)(QPainter &painter, const ChartItem &content, const ChartDataContext &data,
                               const ChartRenderOptions &options);
// The text a person-data field shows; null when there is nothing to show.
using ElementValue = QString (*)(const ChartDataContext &data);
// The size a content wants to show itself whole ("Fit to Content", and a
// new element in the designer); an empty size: the size it has.
using ElementSizer = QSizeF (*)(const ChartItem &content, const ChartDataContext &data);

// Flags of an element kind.
enum ElementFlags {
    ELEMENT_PLAIN = 0,
    ELEMENT_FIELD = 1,         // the content's field flag: a person-data field with a caption
    ELEMENT_FREE_TEXT = 2,     // the content's free-text flag: free texts and barcodes
    ELEMENT_CODE_CHOOSES = 4,  // the code, not the content kind, chooses the drawing (the charts)
    ELEMENT_NEEDS_PICTURE = 8, // made from a picture the user picks (makePictureContent)
};

struct ChartElementKind
{
    const char *entry; // the fields-list text ("Name", "Full Name", "Bar Codes", ...)
    ElementGroup group;
    int contentKind; // ChartItemKind of the content
    double width;    // a content's size in units when a template gives none
    double height;
    const char *text; // a new content's caption or text
    const char *code; // a new content's code; the code that finds this entry again
    int flags;        // ElementFlags
    ElementDrawer draw;
    ElementValue value; // person-data fields only
    const ElementProperty *properties; // ends with PROPERTY_END
    ElementSizer fit;                  // null: the width and height above
};

// Every element kind, in the order of the fields list.
const ChartElementKind *elementKindsBegin();
const ChartElementKind *elementKindsEnd();
struct ChartElementKinds
{
    const ChartElementKind *begin() const { return elementKindsBegin(); }
    const ChartElementKind *end() const { return elementKindsEnd(); }
};
inline ChartElementKinds chartElementKinds()
{
    return {};
}

// The entry a content belongs to: the one of its content kind with its
// code; for the charts, whose code chooses the drawing, the chart entry with
// its code whatever chart kind it is; otherwise the first entry of its
// content kind. Null for a chart of an unknown code and for the kinds
// carried in files but never made (captions, shapes, record images).
const ChartElementKind *elementKindOf(const ChartItem &content);
// The first entry of a content kind, or null.
const ChartElementKind *firstElementKind(int contentKind);
// The entry with this fields-list text, or null.
const ChartElementKind *elementKindNamed(const QString &entry);
// The person-data field entry with this code ("#full_name", ...), or null.
const ChartElementKind *fieldKindWithCode(const QString &code);

// The content of a new element for an entry of the fields list ("Name",
// "Psychomatrix", "Full Name", "Numerologist", "Text", "Bar Codes", ...);
// null for an entry this table does not hold, or one that needs its picture
// ("Image": makePictureContent).
std::unique_ptr<ChartItem> makeFieldContent(const QString &entry);

// The content of an element the designer adds: as makeFieldContent, at the
// size its kind wants to show it (contentFitSize) with data.
std::unique_ptr<ChartItem> makeNewContent(const QString &entry, const ChartDataContext &data);

// The size content wants to show itself whole: its kind's sizer, or the
// kind's width and height; its own size for a kind the table lacks.
QSizeF contentFitSize(const ChartItem &content, const ChartDataContext &data);

// The sizers of the element table.
// Text fields: the text they draw (the person's value, or their text) in
// their font, with the insets the drawing leaves around it.
QSizeF textFieldFitSize(const ChartItem &content, const ChartDataContext &data);
// Barcodes: a QR Code square, 30 mm; a linear symbol 50 x 20 mm.
QSizeF barcodeFitSize(const ChartItem &content, const ChartDataContext &data);
// Pictures: the picture's proportions at the content's width.
QSizeF pictureFitSize(const ChartItem &content, const ChartDataContext &data);
// Block views: the size of the block they show.
QSizeF blockViewFitSize(const ChartItem &content, const ChartDataContext &data);

// A picture element's content showing image at size units.
std::unique_ptr<ChartItem> makePictureContent(const QImage &image, const QSizeF &size);

// A block view showing block: the block's thumbnail drawn with data first,
// at the block's size. Its code names the block, for the designer.
std::unique_ptr<ChartItem> makeBlockViewContent(ChartPage &block, const ChartDataContext &data);

// A frame owning content, its shape the content's rectangle, its top-left
// corner at position.
std::unique_ptr<ChartItem> makeElement(std::unique_ptr<ChartItem> content, const QPointF &position);
