#include "chartelements.h"

namespace {

enum FieldFlags { NO_FLAG = 0, FIELD = 1, FREE_TEXT = 2 };

struct FieldEntry
{
    const char *entry;
    int kind;
    double width;
    double height;
    const char *text;
    const char *code;
    int flags;
};

// clang-format off
// entry                        kind                  width  height  text            code             flags
const FieldEntry FIELD_ENTRIES[] = {
    {"Name",                      ITEM_NAME_CHART,      650, 100, "Name",                      "Name",                      NO_FLAG},
    {"Psychomatrix",              ITEM_GRID_CHART,      650,  68, "Psychomatrix",              "Psychomatrix",              NO_FLAG},
    {"Planes of Expression",      ITEM_GRID_CHART,      650,  68, "Planes of Expression",      "Planes of Expression",      NO_FLAG},
    {"Personal numbers calendar", ITEM_CALENDAR_CHART,  650,  52, "Personal numbers calendar", "Personal numbers calendar", NO_FLAG},
    {"Main Features",             ITEM_FEATURE_TABLE,   200, 100, "Main Features",             "Main Features",             NO_FLAG},
    {"Additional Features",       ITEM_FEATURE_TABLE,   200, 100, "Additional Features",       "Additional Features",       NO_FLAG},
    {"Life Cycles",               ITEM_FEATURE_TABLE,   200, 100, "Life Cycles",               "Life Cycles",               NO_FLAG},
    {"Bridges",                   ITEM_BRIDGES_TABLE,   200,  36, "Bridges",                   "Bridges",                   NO_FLAG},
    {"Full Name",                 ITEM_TEXT_FIELD,      120,  25, "FULL NAME",                 "#full_name",                FIELD},
    {"Short Name",                ITEM_TEXT_FIELD,      120,  25, "SHORT NAME",                "#short_name",               FIELD},
    {"Birthdate",                 ITEM_TEXT_FIELD,      120,  25, "BIRTHDATE",                 "#birthdate",                FIELD},
    {"Print date",                ITEM_TEXT_FIELD,      120,  25, "PRINT DATE",                "#print_date",               FIELD},
    {"Numerologist",              ITEM_TEXT_FIELD,      120,  25, "NUMEROLOGIST",              "#numerologist",             FIELD},
    {"Text",                      ITEM_TEXT_FIELD,      120,  25, "Text",                      "#text",                     FREE_TEXT},
    {"Bar Codes",                 ITEM_BARCODE,         120,  25, "Bar Codes",                 "",                          FREE_TEXT},
};
// clang-format on

} // namespace

std::unique_ptr<ChartItem> makeFieldContent(const QString &entry)
{
    for (const FieldEntry &field : FIELD_ENTRIES) {
        if (entry != QLatin1String(field.entry))
            continue;
        auto content = std::make_unique<ChartItem>();
        content->type = field.kind;
        content->size = QSizeF(field.width, field.height);
        content->text = QLatin1String(field.text);
        content->code = QLatin1String(field.code);
        content->fieldFlag = (field.flags & FIELD) != 0;
        content->freeTextFlag = (field.flags & FREE_TEXT) != 0;
        return content;
    }
    return nullptr;
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

std::unique_ptr<ChartItem> makeBlockViewContent(const ChartDocument &document, ChartPage &block)
{
    document.refreshThumbnail(block);
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
