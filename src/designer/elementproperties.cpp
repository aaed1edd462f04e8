#include "elementproperties.h"

#include "barcodes/barcode.h"
#include "charts/chartdocument.h"

#include <algorithm>
#include <cmath>
#include <iterator>

const char *const ALIGNMENT_CHOICES[3] = {"Left", "Center", "Right"};

namespace {

const int ALIGNMENT_VALUES[3] = {ALIGN_LEFT_VALUE, ALIGN_CENTRE_VALUE, ALIGN_RIGHT_VALUE};

// clang-format off
// The "Bar code" row in its order; the index is the barcode kind.
const char *const BARCODE_NAMES[] = {
    "QR Code", "Codabar", "Code 128", "Code 39", "Code 93", "EAN 13", "EAN 8",
    "Interleaved 2 of 5", "MSI", "Postnet", "UPC",
};
static_assert(std::size(BARCODE_NAMES) == BARCODE_KIND_COUNT, "one name per barcode kind");
// The "Field" row of barcodes: what the symbol is meant to carry, kept in its code.
const char *const BARCODE_FIELD_NAMES[] = {"None", "Full Name", "Short Name", "Birthdate", "Print date", "Numerologist"};
const char *const BARCODE_FIELD_CODES[] = {"",     "#full_name", "#short_name", "#birthdate", "#print_date", "#numerologist"};
// clang-format on

const char TEXT_ROW[] = "Text";
const char COLOR_ROW[] = "Color";
const char FONT_ROW[] = "Font";
const char FRAME_ROW[] = "Frame";
const char FRAME_COLOR_ROW[] = "Frame Color";
const char ALIGN_ROW[] = "Alignement";
const char BACKGROUND_ROW[] = "Background";
const char OPACITY_ROW[] = "Opacity";
const char ORDER_ROW[] = "Order #";
const char FIELD_ROW[] = "Field";
const char BARCODE_ROW[] = "Bar code";

QStringList namesOf(const char *const *names, int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QLatin1String(names[i]);
    return list;
}

PropertyRow row(const char *name, PropertyRow::Kind kind, const QVariant &value,
                const QStringList &choices = {})
{
    return PropertyRow{QLatin1String(name), kind, value, choices};
}

PropertyRow frameRow(const ChartItem &content)
{
    return row(FRAME_ROW, PropertyRow::Choice, content.frame != 0 ? 0 : 1,
               {QStringLiteral("Solid"), QStringLiteral("None")});
}

PropertyRow alignmentRow(const ChartItem &content)
{
    return row(ALIGN_ROW, PropertyRow::Choice, alignmentChoiceIndex(content.alignment),
               namesOf(ALIGNMENT_CHOICES, 3));
}

PropertyRow opacityRow(const ChartItem &content)
{
    QStringList steps;
    for (int i = 0; i <= 10; ++i)
        steps << QStringLiteral("%1 %").arg(i * 10);
    return row(OPACITY_ROW, PropertyRow::Choice, opacityStep(content.background.alpha()), steps);
}

bool isFreeText(const ChartItem &content)
{
    return content.type == ITEM_TEXT_FIELD && content.code == QLatin1String("#text");
}

// The page's block views in their current order, renumbered 0, 1, ...
std::vector<ChartItem *> numberedBlockViews(ChartPage &page)
{
    std::vector<ChartItem *> views;
    for (const auto &frame : page.items) {
        if (frame->content && frame->content->type == ITEM_BLOCK_VIEW) {
            frame->content->order = int(views.size());
            views.push_back(frame.get());
        }
    }
    return views;
}

PropertyRow orderRow(ChartItem &frame, ChartPage &page)
{
    const std::vector<ChartItem *> views = numberedBlockViews(page);
    QStringList numbers;
    for (size_t i = 0; i < views.size(); ++i)
        numbers << QString::number(i + 1);
    return row(ORDER_ROW, PropertyRow::Choice, frame.content->order, numbers);
}

int barcodeFieldIndex(const QString &code)
{
    for (int i = 0; i < int(std::size(BARCODE_FIELD_CODES)); ++i) {
        if (code == QLatin1String(BARCODE_FIELD_CODES[i]))
            return i;
    }
    return 0;
}

// Moves a block view to place among the page's block views (the others
// keep their order) and renumbers them.
void moveBlockView(ChartItem &frame, ChartPage &page, int place)
{
    std::vector<ChartItem *> views = numberedBlockViews(page);
    const auto found = std::find(views.begin(), views.end(), &frame);
    if (found == views.end() || place < 0 || place >= int(views.size()))
        return;
    views.erase(found);
    views.insert(views.begin() + place, &frame);
    // The views take the page places the views held before, in the new order.
    std::vector<std::unique_ptr<ChartItem>> held;
    std::vector<size_t> places;
    for (size_t i = 0; i < page.items.size(); ++i) {
        if (page.items[i]->content && page.items[i]->content->type == ITEM_BLOCK_VIEW) {
            held.push_back(std::move(page.items[i]));
            places.push_back(i);
        }
    }
    for (size_t i = 0; i < places.size(); ++i) {
        auto owner = std::find_if(held.begin(), held.end(), [&](const std::unique_ptr<ChartItem> &item) {
            return item.get() == views[i];
        });
        page.items[places[i]] = std::move(*owner);
    }
    numberedBlockViews(page);
}

} // namespace

int alignmentChoiceIndex(int alignment)
{
    for (int i = 0; i < 3; ++i) {
        if (ALIGNMENT_VALUES[i] == alignment)
            return i;
    }
    return 0; // any other stored value shows as "Left"
}

int alignmentFromChoice(int index)
{
    return ALIGNMENT_VALUES[std::clamp(index, 0, 2)];
}

QStringList barcodeKindNames()
{
    return namesOf(BARCODE_NAMES, int(std::size(BARCODE_NAMES)));
}

int opacityStep(int alpha)
{
    return std::clamp(int(alpha / 25.5), 0, 10);
}

PropertyRows propertyRowsFor(ChartItem &frame, ChartPage &page)
{
    ChartItem *content = frame.content.get();
    if (!content)
        return {};
    const ChartItem &c = *content;
    if (isFreeText(c))
        return {row(TEXT_ROW, PropertyRow::Line, c.text), row(COLOR_ROW, PropertyRow::Colour, c.colour),
                row(FONT_ROW, PropertyRow::Font, c.font), frameRow(c),
                row(FRAME_COLOR_ROW, PropertyRow::Colour, c.frameColour)};
    switch (c.type) {
    case ITEM_BLOCK_VIEW:
        return {orderRow(frame, page), frameRow(c), row(FRAME_COLOR_ROW, PropertyRow::Colour, c.frameColour)};
    case ITEM_BARCODE:
        return {row(FIELD_ROW, PropertyRow::Choice, barcodeFieldIndex(c.code),
                    namesOf(BARCODE_FIELD_NAMES, int(std::size(BARCODE_FIELD_NAMES)))),
                row(BARCODE_ROW, PropertyRow::Choice,
                    std::clamp(c.barcodeKind, 0, int(std::size(BARCODE_NAMES)) - 1), barcodeKindNames()),
                row(TEXT_ROW, PropertyRow::Line, c.text), row(COLOR_ROW, PropertyRow::Colour, c.colour),
                alignmentRow(c)};
    case ITEM_TEXT_FIELD:
        return {row(COLOR_ROW, PropertyRow::Colour, c.colour), row(FONT_ROW, PropertyRow::Font, c.font),
                alignmentRow(c), frameRow(c), row(FRAME_COLOR_ROW, PropertyRow::Colour, c.frameColour)};
    case ITEM_GRID_CHART:
    case ITEM_NAME_CHART:
    case ITEM_CALENDAR_CHART:
    case ITEM_FEATURE_TABLE:
    case ITEM_BRIDGES_TABLE:
        return {row(COLOR_ROW, PropertyRow::Colour, c.colour),
                row(FONT_ROW, PropertyRow::Font, c.font),
                alignmentRow(c),
                frameRow(c),
                row(FRAME_COLOR_ROW, PropertyRow::Colour, c.frameColour),
                row(BACKGROUND_ROW, PropertyRow::Colour, QColor(c.background.rgb())),
                opacityRow(c)};
    default:
        return {};
    }
}

void applyPropertyRows(ChartItem &frame, ChartPage &page, const PropertyRows &rows)
{
    ChartItem *content = frame.content.get();
    if (!content)
        return;
    int opacity = -1;
    for (const PropertyRow &r : rows) {
        const QString &name = r.name;
        if (name == QLatin1String(TEXT_ROW))
            content->text = r.value.toString();
        else if (name == QLatin1String(COLOR_ROW))
            content->colour = r.value.value<QColor>();
        else if (name == QLatin1String(FONT_ROW))
            content->font = r.value.value<QFont>();
        else if (name == QLatin1String(FRAME_ROW))
            content->frame = r.value.toInt() == 0 ? 1 : 0;
        else if (name == QLatin1String(FRAME_COLOR_ROW))
            content->frameColour = r.value.value<QColor>();
        else if (name == QLatin1String(ALIGN_ROW))
            content->alignment = alignmentFromChoice(r.value.toInt());
        else if (name == QLatin1String(BARCODE_ROW))
            content->barcodeKind = r.value.toInt();
        else if (name == QLatin1String(FIELD_ROW))
            content->code = QLatin1String(
                BARCODE_FIELD_CODES[std::clamp(r.value.toInt(), 0, int(std::size(BARCODE_FIELD_CODES)) - 1)]);
        else if (name == QLatin1String(BACKGROUND_ROW)) {
            const int alpha = content->background.alpha();
            content->background = r.value.value<QColor>();
            content->background.setAlpha(alpha);
        } else if (name == QLatin1String(OPACITY_ROW))
            opacity = r.value.toInt();
        else if (name == QLatin1String(ORDER_ROW) && r.value.toInt() != content->order)
            moveBlockView(frame, page, r.value.toInt());
    }
    // A shown step that was not changed keeps the exact alpha.
    if (opacity >= 0 && opacity != opacityStep(content->background.alpha()))
        content->background.setAlpha(int(std::lround(opacity * 25.5)));
}
