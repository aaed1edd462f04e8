#include "chartelements.h"

#include "chartrenderer.h"

#include <iterator>

namespace {

using G = ElementGroup;

// The property rows of the charts, the person-data fields, free texts,
// barcodes and block views.
const ElementProperty CHART_ROWS[] = {PROPERTY_COLOUR,       PROPERTY_FONT,       PROPERTY_ALIGNMENT, PROPERTY_FRAME,
                                      PROPERTY_FRAME_COLOUR, PROPERTY_BACKGROUND, PROPERTY_OPACITY,   PROPERTY_END};
const ElementProperty FIELD_ROWS[] = {PROPERTY_COLOUR, PROPERTY_FONT,         PROPERTY_ALIGNMENT,
                                      PROPERTY_FRAME,  PROPERTY_FRAME_COLOUR, PROPERTY_END};
const ElementProperty TEXT_ROWS[] = {PROPERTY_TEXT,  PROPERTY_COLOUR,       PROPERTY_FONT,
                                     PROPERTY_FRAME, PROPERTY_FRAME_COLOUR, PROPERTY_END};
const ElementProperty BARCODE_ROWS[] = {PROPERTY_FIELD,  PROPERTY_BARCODE,   PROPERTY_TEXT,
                                        PROPERTY_COLOUR, PROPERTY_ALIGNMENT, PROPERTY_END};
const ElementProperty BLOCK_VIEW_ROWS[] = {PROPERTY_ORDER, PROPERTY_FRAME, PROPERTY_FRAME_COLOUR, PROPERTY_END};
const ElementProperty NO_ROWS[] = {PROPERTY_END};

constexpr int CHART = ELEMENT_CODE_CHOOSES;

// clang-format off
// entry                        group          content kind         width height text                         code                         flags                  drawer                  value              rows
const ChartElementKind ELEMENT_KINDS[] = {
    {"Name",                      G::Calculated, ITEM_NAME_CHART,     650, 100, "Name",                      "Name",                      CHART,                 drawNameChart,          nullptr,           CHART_ROWS},
    {"Planes of Expression",      G::Calculated, ITEM_GRID_CHART,     650,  68, "Planes of Expression",      "Planes of Expression",      CHART,                 drawPlanesChart,        nullptr,           CHART_ROWS},
    {"Psychomatrix",              G::Calculated, ITEM_GRID_CHART,     650,  68, "Psychomatrix",              "Psychomatrix",              CHART,                 drawPsychomatrixChart,  nullptr,           CHART_ROWS},
    {"Personal numbers calendar", G::Calculated, ITEM_CALENDAR_CHART, 650,  52, "Personal numbers calendar", "Personal numbers calendar", CHART,                 drawCalendarChart,      nullptr,           CHART_ROWS},
    {"Main Features",             G::Calculated, ITEM_FEATURE_TABLE,  200, 100, "Main Features",             "Main Features",             CHART,                 drawTableChart,         nullptr,           CHART_ROWS},
    {"Additional Features",       G::Calculated, ITEM_FEATURE_TABLE,  200, 100, "Additional Features",       "Additional Features",       CHART,                 drawTableChart,         nullptr,           CHART_ROWS},
    {"Life Cycles",               G::Calculated, ITEM_FEATURE_TABLE,  200, 100, "Life Cycles",               "Life Cycles",               CHART,                 drawTableChart,         nullptr,           CHART_ROWS},
    {"Bridges",                   G::Calculated, ITEM_BRIDGES_TABLE,  200,  36, "Bridges",                   "Bridges",                   CHART,                 drawTableChart,         nullptr,           CHART_ROWS},
    {"Full Name",                 G::Variables,  ITEM_TEXT_FIELD,     120,  25, "FULL NAME",                 "#full_name",                ELEMENT_FIELD,         drawTextField,          fullNameFieldValue,     FIELD_ROWS},
    {"Short Name",                G::Variables,  ITEM_TEXT_FIELD,     120,  25, "SHORT NAME",                "#short_name",               ELEMENT_FIELD,         drawTextField,          shortNameFieldValue,    FIELD_ROWS},
    {"Birthdate",                 G::Variables,  ITEM_TEXT_FIELD,     120,  25, "BIRTHDATE",                 "#birthdate",                ELEMENT_FIELD,         drawTextField,          birthDateFieldValue,    FIELD_ROWS},
    {"Print date",                G::Variables,  ITEM_TEXT_FIELD,     120,  25, "PRINT DATE",                "#print_date",               ELEMENT_FIELD,         drawTextField,          printDateFieldValue,    FIELD_ROWS},
    {"Numerologist",              G::Variables,  ITEM_TEXT_FIELD,     120,  25, "NUMEROLOGIST",              "#numerologist",             ELEMENT_FIELD,         drawTextField,          numerologistFieldValue, FIELD_ROWS},
    {"Text",                      G::Objects,    ITEM_TEXT_FIELD,     120,  25, "Text",                      "#text",                     ELEMENT_FREE_TEXT,     drawTextField,          nullptr,           TEXT_ROWS},
    {"Image",                     G::Objects,    ITEM_PICTURE,          0,   0, "",                          "#image",                    ELEMENT_NEEDS_PICTURE, drawPictureContent,     nullptr,           NO_ROWS},
    {"Bar Codes",                 G::Objects,    ITEM_BARCODE,        120,  25, "Bar Codes",                 "",                          ELEMENT_FREE_TEXT,     drawBarcodeContent,     nullptr,           BARCODE_ROWS},
    {"Block",                     G::None,       ITEM_BLOCK_VIEW,       0,   0, "",                          "",                          ELEMENT_PLAIN,         drawBlockViewContent,   nullptr,           BLOCK_VIEW_ROWS},
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
