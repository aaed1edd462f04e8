#include "chartelements.h"

#include "chartrenderer.h"

#include "barcodes/barcodekinds.h"

#include <QFontMetricsF>
#include <QImage>

#include <cmath>
#include <iterator>

namespace {

using G = ElementGroup;

// The property rows of the charts, the person-data fields, free texts,
// barcodes, block views and pictures.
const ElementProperty CHART_ROWS[] = {PROPERTY_COLOUR,       PROPERTY_FONT,       PROPERTY_ALIGNMENT, PROPERTY_FRAME,
                                      PROPERTY_FRAME_COLOUR, PROPERTY_BACKGROUND, PROPERTY_OPACITY,   PROPERTY_END};
const ElementProperty FIELD_ROWS[] = {PROPERTY_COLOUR, PROPERTY_FONT,         PROPERTY_ALIGNMENT,
                                      PROPERTY_FRAME,  PROPERTY_FRAME_COLOUR, PROPERTY_END};
const ElementProperty TEXT_ROWS[] = {PROPERTY_TEXT,  PROPERTY_COLOUR,       PROPERTY_FONT,
                                     PROPERTY_FRAME, PROPERTY_FRAME_COLOUR, PROPERTY_END};
const ElementProperty BARCODE_ROWS[] = {PROPERTY_FIELD,  PROPERTY_BARCODE,   PROPERTY_TEXT,
                                        PROPERTY_COLOUR, PROPERTY_ALIGNMENT, PROPERTY_END};
const ElementProperty BLOCK_VIEW_ROWS[] = {PROPERTY_ORDER, PROPERTY_FRAME, PROPERTY_FRAME_COLOUR, PROPERTY_END};
const ElementProperty PICTURE_ROWS[] = {PROPERTY_FRAME, PROPERTY_FRAME_COLOUR, PROPERTY_END};

constexpr int CHART = ELEMENT_CODE_CHOOSES;

// A QR Code's side and a linear symbol's size, in units (4 to the millimetre).
constexpr double QR_SIDE = 120.0;
constexpr double LINEAR_WIDTH = 200.0;
constexpr double LINEAR_HEIGHT = 80.0;
// Room around a measured text: the drawing's insets (2 before, 1 after) and a little air.
constexpr double TEXT_ROOM = 4.0;

// clang-format off
// entry                        group          content kind         width height text                         code                         flags                  drawer                  value              rows             fit
const ChartElementKind ELEMENT_KINDS[] = {
    {"Name",                      G::Calculated, ITEM_NAME_CHART,     650, 100, "Name",                      "Name",                      CHART,                 drawNameChart,          nullptr,           CHART_ROWS,      nullptr},
    {"Planes of Expression",      G::Calculated, ITEM_GRID_CHART,     650,  68, "Planes of Expression",      "Planes of Expression",      CHART,                 drawPlanesChart,        nullptr,           CHART_ROWS,      nullptr},
    {"Psychomatrix",              G::Calculated, ITEM_GRID_CHART,     650,  68, "Psychomatrix",              "Psychomatrix",              CHART,                 drawPsychomatrixChart,  nullptr,           CHART_ROWS,      nullptr},
    {"Personal numbers calendar", G::Calculated, ITEM_CALENDAR_CHART, 650,  52, "Personal numbers calendar", "Personal numbers calendar", CHART,                 drawCalendarChart,      nullptr,           CHART_ROWS,      nullptr},
    {"Main Features",             G::Calculated, ITEM_FEATURE_TABLE,  200, 100, "Main Features",             "Main Features",             CHART,                 drawTableChart,         nullptr,           CHART_ROWS,      nullptr},
    {"Additional Features",       G::Calculated, ITEM_FEATURE_TABLE,  200, 100, "Additional Features",       "Additional Features",       CHART,                 drawTableChart,         nullptr,           CHART_ROWS,      nullptr},
    {"Life Cycles",               G::Calculated, ITEM_FEATURE_TABLE,  200, 100, "Life Cycles",               "Life Cycles",               CHART,                 drawTableChart,         nullptr,           CHART_ROWS,      nullptr},
    {"Bridges",                   G::Calculated, ITEM_BRIDGES_TABLE,  200,  36, "Bridges",                   "Bridges",                   CHART,                 drawTableChart,         nullptr,           CHART_ROWS,      nullptr},
    {"Full Name",                 G::Variables,  ITEM_TEXT_FIELD,     120,  25, "FULL NAME",                 "#full_name",                ELEMENT_FIELD,         drawTextField,          fullNameFieldValue,     FIELD_ROWS,      textFieldFitSize},
    {"Short Name",                G::Variables,  ITEM_TEXT_FIELD,     120,  25, "SHORT NAME",                "#short_name",               ELEMENT_FIELD,         drawTextField,          shortNameFieldValue,    FIELD_ROWS,      textFieldFitSize},
    {"Birthdate",                 G::Variables,  ITEM_TEXT_FIELD,     120,  25, "BIRTHDATE",                 "#birthdate",                ELEMENT_FIELD,         drawTextField,          birthDateFieldValue,    FIELD_ROWS,      textFieldFitSize},
    {"Print date",                G::Variables,  ITEM_TEXT_FIELD,     120,  25, "PRINT DATE",                "#print_date",               ELEMENT_FIELD,         drawTextField,          printDateFieldValue,    FIELD_ROWS,      textFieldFitSize},
    {"Numerologist",              G::Variables,  ITEM_TEXT_FIELD,     120,  25, "NUMEROLOGIST",              "#numerologist",             ELEMENT_FIELD,         drawTextField,          numerologistFieldValue, FIELD_ROWS,      textFieldFitSize},
    {"Text",                      G::Objects,    ITEM_TEXT_FIELD,     120,  25, "Text",                      "#text",                     ELEMENT_FREE_TEXT,     drawTextField,          nullptr,           TEXT_ROWS,       textFieldFitSize},
    {"Image",                     G::Objects,    ITEM_PICTURE,          0,   0, "",                          "#image",                    ELEMENT_NEEDS_PICTURE, drawPictureContent,     nullptr,           PICTURE_ROWS,    pictureFitSize},
    {"Bar Codes",                 G::Objects,    ITEM_BARCODE,        120,  25, "Bar Codes",                 "",                          ELEMENT_FREE_TEXT,     drawBarcodeContent,     nullptr,           BARCODE_ROWS,    barcodeFitSize},
    {"Block",                     G::None,       ITEM_BLOCK_VIEW,       0,   0, "",                          "",                          ELEMENT_PLAIN,         drawBlockViewContent,   nullptr,           BLOCK_VIEW_ROWS, blockViewFitSize},
};
// clang-format on

bool choosesByCode(int contentKind)
{
    const ChartElementKind *first = firstElementKind(contentKind);
    return first && (first->flags & ELEMENT_CODE_CHOOSES) != 0;
}

} // namespace

const ChartElementKind *elementKindsBegin()
{
    return std::begin(ELEMENT_KINDS);
}

const ChartElementKind *elementKindsEnd()
{
    return std::end(ELEMENT_KINDS);
}

const ChartElementKind *firstElementKind(int contentKind)
{
    for (const ChartElementKind &kind : ELEMENT_KINDS) {
        if (kind.contentKind == contentKind)
            return &kind;
    }
    return nullptr;
}

const ChartElementKind *elementKindOf(const ChartItem &content)
{
    if (choosesByCode(content.type)) {
        for (const ChartElementKind &kind : ELEMENT_KINDS) {
            if ((kind.flags & ELEMENT_CODE_CHOOSES) && content.code == QLatin1String(kind.code))
                return &kind;
        }
        return nullptr;
    }
    for (const ChartElementKind &kind : ELEMENT_KINDS) {
        if (kind.contentKind == content.type && content.code == QLatin1String(kind.code))
            return &kind;
    }
    return firstElementKind(content.type);
}

const ChartElementKind *elementKindNamed(const QString &entry)
{
    for (const ChartElementKind &kind : ELEMENT_KINDS) {
        if (entry == QLatin1String(kind.entry))
            return &kind;
    }
    return nullptr;
}

const ChartElementKind *fieldKindWithCode(const QString &code)
{
    for (const ChartElementKind &kind : ELEMENT_KINDS) {
        if (kind.value && code == QLatin1String(kind.code))
            return &kind;
    }
    return nullptr;
}

std::unique_ptr<ChartItem> makeFieldContent(const QString &entry)
{
    const ChartElementKind *kind = elementKindNamed(entry);
    if (!kind || kind->group == ElementGroup::None || (kind->flags & ELEMENT_NEEDS_PICTURE))
        return nullptr;
    auto content = std::make_unique<ChartItem>();
    content->type = kind->contentKind;
    content->size = QSizeF(kind->width, kind->height);
    content->text = QLatin1String(kind->text);
    content->code = QLatin1String(kind->code);
    content->fieldFlag = (kind->flags & ELEMENT_FIELD) != 0;
    content->freeTextFlag = (kind->flags & ELEMENT_FREE_TEXT) != 0;
    return content;
}

std::unique_ptr<ChartItem> makePictureContent(const QImage &image, const QSizeF &size)
{
    auto content = std::make_unique<ChartItem>();
    content->type = ITEM_PICTURE;
    content->code = QStringLiteral("#image");
    content->image = image;
    content->size = size;
    return content;
}

std::unique_ptr<ChartItem> makeBlockViewContent(ChartPage &block, const ChartDataContext &data)
{
    refreshThumbnail(block, data);
    auto content = std::make_unique<ChartItem>();
    content->type = ITEM_BLOCK_VIEW;
    content->code = block.name;
    content->block = &block;
    content->image = block.thumbnail;
    content->size = block.size;
    return content;
}

std::unique_ptr<ChartItem> makeElement(std::unique_ptr<ChartItem> content, const QPointF &position)
{
    auto frame = std::make_unique<ChartItem>();
    frame->type = ITEM_FRAME;
    frame->flagB = true;
    frame->transform = QTransform::fromTranslate(position.x(), position.y());
    if (content)
        frame->shape.addRect(QRectF(QPointF(0, 0), content->size));
    frame->setContent(std::move(content));
    return frame;
}

std::unique_ptr<ChartItem> makeNewContent(const QString &entry, const ChartDataContext &data)
{
    std::unique_ptr<ChartItem> content = makeFieldContent(entry);
    if (content) {
        const QSizeF size = contentFitSize(*content, data);
        if (!size.isEmpty())
            content->size = size;
    }
    return content;
}

QSizeF contentFitSize(const ChartItem &content, const ChartDataContext &data)
{
    const ChartElementKind *kind = elementKindOf(content);
    if (!kind)
        return content.size;
    if (!kind->fit)
        return QSizeF(kind->width, kind->height);
    const QSizeF size = kind->fit(content, data);
    return size.isEmpty() ? content.size : size;
}

QSizeF textFieldFitSize(const ChartItem &content, const ChartDataContext &data)
{
    QString text = fieldText(content.code, data);
    if (text.isEmpty())
        text = content.text;
    if (text.isEmpty())
        text = QStringLiteral(" ");
    // Measured as an image draws it: a font in points takes the device's resolution.
    static const QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
    const QFontMetricsF metrics(content.font, &device);
    const QRectF drawn =
        metrics.boundingRect(QRectF(0, 0, 1e6, 1e6), content.alignment & Qt::AlignHorizontal_Mask, text);
    return QSizeF(std::ceil(drawn.width() + TEXT_ROOM), std::ceil(drawn.height() + TEXT_ROOM));
}

QSizeF barcodeFitSize(const ChartItem &content, const ChartDataContext &)
{
    if (content.barcodeKind == BARCODE_QR)
        return QSizeF(QR_SIDE, QR_SIDE);
    return QSizeF(LINEAR_WIDTH, LINEAR_HEIGHT);
}

QSizeF pictureFitSize(const ChartItem &content, const ChartDataContext &)
{
    if (content.image.isNull() || content.size.width() <= 0)
        return QSizeF();
    return QSizeF(content.size.width(),
                  std::round(content.size.width() * content.image.height() / content.image.width()));
}

QSizeF blockViewFitSize(const ChartItem &content, const ChartDataContext &)
{
    return content.block ? content.block->size : QSizeF();
}
