#include "elementproperties.h"

#include "barcodes/barcode.h"
#include "charts/chartdocument.h"
#include "charts/chartediting.h"
#include "charts/chartelements.h"

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
// clang-format on

// The "Field" row of barcodes: what the symbol is meant to carry, kept in
// its code: "None" (no code), then every person-data field of the element
// table.
QStringList barcodeFieldNames()
{
    QStringList names{QStringLiteral("None")};
    for (const ChartElementKind &kind : chartElementKinds()) {
        if (kind.value)
            names << QLatin1String(kind.entry);
    }
    return names;
}

QStringList barcodeFieldCodes()
{
    QStringList codes{QString()};
    for (const ChartElementKind &kind : chartElementKinds()) {
        if (kind.value)
            codes << QLatin1String(kind.code);
    }
    return codes;
}

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
    return std::max(0, int(barcodeFieldCodes().indexOf(code)));
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

// --- one entry per property row: its name, the row it shows, writing it back ---

struct PropertyDefinition
{
    ElementProperty property;
    const char *name;
    PropertyRow (*rowOf)(ChartItem &frame, ChartPage &page);
    void (*apply)(ChartItem &frame, ChartPage &page, const QVariant &value);
};

ChartItem &contentOf(ChartItem &frame)
{
    return *frame.content;
}

// clang-format off
const PropertyDefinition PROPERTY_DEFINITIONS[] = {
    {PROPERTY_FIELD, FIELD_ROW,
     [](ChartItem &f, ChartPage &) { return row(FIELD_ROW, PropertyRow::Choice, barcodeFieldIndex(contentOf(f).code), barcodeFieldNames()); },
     [](ChartItem &f, ChartPage &, const QVariant &v) {
         const QStringList codes = barcodeFieldCodes();
         contentOf(f).code = codes.at(std::clamp(v.toInt(), 0, int(codes.size()) - 1));
     }},
    {PROPERTY_BARCODE, BARCODE_ROW,
     [](ChartItem &f, ChartPage &) {
         return row(BARCODE_ROW, PropertyRow::Choice,
                    std::clamp(contentOf(f).barcodeKind, 0, int(std::size(BARCODE_NAMES)) - 1), barcodeKindNames());
     },
     [](ChartItem &f, ChartPage &, const QVariant &v) { contentOf(f).barcodeKind = v.toInt(); }},
    {PROPERTY_ORDER, ORDER_ROW,
     [](ChartItem &f, ChartPage &p) { return orderRow(f, p); },
     [](ChartItem &f, ChartPage &p, const QVariant &v) {
         if (v.toInt() != contentOf(f).order)
             moveBlockView(f, p, v.toInt());
     }},
    {PROPERTY_TEXT, TEXT_ROW,
     [](ChartItem &f, ChartPage &) { return row(TEXT_ROW, PropertyRow::Line, contentOf(f).text); },
     [](ChartItem &f, ChartPage &, const QVariant &v) { contentOf(f).text = v.toString(); }},
    {PROPERTY_COLOUR, COLOR_ROW,
     [](ChartItem &f, ChartPage &) { return row(COLOR_ROW, PropertyRow::Colour, contentOf(f).colour); },
     [](ChartItem &f, ChartPage &, const QVariant &v) { contentOf(f).colour = v.value<QColor>(); }},
    {PROPERTY_FONT, FONT_ROW,
     [](ChartItem &f, ChartPage &) { return row(FONT_ROW, PropertyRow::Font, contentOf(f).font); },
     [](ChartItem &f, ChartPage &, const QVariant &v) { contentOf(f).font = v.value<QFont>(); }},
    {PROPERTY_ALIGNMENT, ALIGN_ROW,
     [](ChartItem &f, ChartPage &) { return alignmentRow(contentOf(f)); },
     [](ChartItem &f, ChartPage &, const QVariant &v) { contentOf(f).alignment = alignmentFromChoice(v.toInt()); }},
    {PROPERTY_FRAME, FRAME_ROW,
     [](ChartItem &f, ChartPage &) { return frameRow(contentOf(f)); },
     [](ChartItem &f, ChartPage &, const QVariant &v) { contentOf(f).frame = v.toInt() == 0 ? 1 : 0; }},
    {PROPERTY_FRAME_COLOUR, FRAME_COLOR_ROW,
     [](ChartItem &f, ChartPage &) { return row(FRAME_COLOR_ROW, PropertyRow::Colour, contentOf(f).frameColour); },
     [](ChartItem &f, ChartPage &, const QVariant &v) { contentOf(f).frameColour = v.value<QColor>(); }},
    // The background's alpha is the opacity: the colour row leaves it alone.
    {PROPERTY_BACKGROUND, BACKGROUND_ROW,
     [](ChartItem &f, ChartPage &) { return row(BACKGROUND_ROW, PropertyRow::Colour, QColor(contentOf(f).background.rgb())); },
     [](ChartItem &f, ChartPage &, const QVariant &v) {
         QColor &background = contentOf(f).background;
         const int alpha = background.alpha();
         background = v.value<QColor>();
         background.setAlpha(alpha);
     }},
    // A shown step that was not changed keeps the exact alpha.
    {PROPERTY_OPACITY, OPACITY_ROW,
     [](ChartItem &f, ChartPage &) { return opacityRow(contentOf(f)); },
     [](ChartItem &f, ChartPage &, const QVariant &v) {
         QColor &background = contentOf(f).background;
         if (v.toInt() != opacityStep(background.alpha()))
             background.setAlpha(int(std::lround(std::clamp(v.toInt(), 0, 10) * 25.5)));
     }},
};
// clang-format on

const PropertyDefinition *definitionOf(ElementProperty property)
{
    for (const PropertyDefinition &definition : PROPERTY_DEFINITIONS) {
        if (definition.property == property)
            return &definition;
    }
    return nullptr;
}

const PropertyDefinition *definitionNamed(const QString &name)
{
    for (const PropertyDefinition &definition : PROPERTY_DEFINITIONS) {
        if (name == QLatin1String(definition.name))
            return &definition;
    }
    return nullptr;
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
    if (!frame.content)
        return {};
    // A chart of a code no entry knows still shows the rows of its kind.
    const ChartElementKind *kind = elementKindOf(*frame.content);
    if (!kind)
        kind = firstElementKind(frame.content->type);
    PropertyRows rows;
    for (const ElementProperty *p = kind ? kind->properties : nullptr; p && *p != PROPERTY_END; ++p) {
        if (const PropertyDefinition *definition = definitionOf(*p))
            rows << definition->rowOf(frame, page);
    }
    return rows;
}

void applyPropertyRows(ChartItem &frame, ChartPage &page, const PropertyRows &rows)
{
    if (!frame.content)
        return;
    for (const PropertyRow &r : rows) {
        if (const PropertyDefinition *definition = definitionNamed(r.name))
            definition->apply(frame, page, r.value);
    }
}

namespace {

constexpr double UNITS_PER_MM = 4.0;
const char X_ROW[] = "X (mm)";
const char Y_ROW[] = "Y (mm)";
const char WIDTH_ROW[] = "Width (mm)";
const char HEIGHT_ROW[] = "Height (mm)";
const char ANGLE_ROW[] = "Angle";

QString number(double value)
{
    return QString::number(std::round(value * 100) / 100, 'g', 10);
}

} // namespace

PropertyRows geometryRowsFor(const ChartItem &frame)
{
    const QRectF bounds = frameBounds(frame);
    const QSizeF size = frameLocalRect(frame).size();
    return {row(X_ROW, PropertyRow::Line, number(bounds.left() / UNITS_PER_MM)),
            row(Y_ROW, PropertyRow::Line, number(bounds.top() / UNITS_PER_MM)),
            row(WIDTH_ROW, PropertyRow::Line, number(size.width() / UNITS_PER_MM)),
            row(HEIGHT_ROW, PropertyRow::Line, number(size.height() / UNITS_PER_MM)),
            row(ANGLE_ROW, PropertyRow::Line, number(frame.rotation))};
}

void applyGeometryRows(ChartItem &frame, const PropertyRows &rows)
{
    const PropertyRows now = geometryRowsFor(frame);
    // A row's new value, when it was changed to a number.
    const auto changed = [&](const char *name, double *value) {
        for (const PropertyRow &edited : rows) {
            if (edited.name != QLatin1String(name))
                continue;
            for (const PropertyRow &old : now) {
                if (old.name == edited.name && old.value == edited.value)
                    return false;
            }
            bool ok = false;
            const double parsed = edited.value.toString().toDouble(&ok);
            if (!ok || !std::isfinite(parsed))
                return false;
            *value = parsed;
            return true;
        }
        return false;
    };
    double width = 0, height = 0, angle = 0, x = 0, y = 0;
    // The size first, the covered corner staying where it is.
    const QRectF local = frameLocalRect(frame);
    const bool newWidth = changed(WIDTH_ROW, &width) && width >= 1.0;
    const bool newHeight = changed(HEIGHT_ROW, &height) && height >= 1.0;
    if (newWidth || newHeight) {
        const QPointF corner = frameBounds(frame).topLeft();
        setFrameLocalRect(frame, QRectF(local.topLeft(), QSizeF(newWidth ? width * UNITS_PER_MM : local.width(),
                                                                newHeight ? height * UNITS_PER_MM : local.height())));
        moveFrameBoundsTo(frame, corner);
    }
    // The turn is about the centre, as the rotation handle turns.
    if (changed(ANGLE_ROW, &angle))
        rotateFrame(frame, angle - frame.rotation);
    // Then the place.
    const QPointF corner = frameBounds(frame).topLeft();
    QPointF target = corner;
    if (changed(X_ROW, &x))
        target.setX(x * UNITS_PER_MM);
    if (changed(Y_ROW, &y))
        target.setY(y * UNITS_PER_MM);
    if (target != corner)
        moveFrameBoundsTo(frame, target);
}
