#include "templatesource.h"

#include "artwork.h"
#include "barcodes/barcode.h"
#include "charts/chartelements.h"

#include <QJsonArray>
#include <QSet>

namespace {

const QSet<QString> ITEM_KEYS = {
    QStringLiteral("entry"),      QStringLiteral("x"),         QStringLiteral("y"),
    QStringLiteral("width"),      QStringLiteral("height"),    QStringLiteral("scale"),
    QStringLiteral("rotation"),   QStringLiteral("text"),      QStringLiteral("font"),
    QStringLiteral("colour"),     QStringLiteral("align"),     QStringLiteral("frame"),
    QStringLiteral("background"), QStringLiteral("symbology"), QStringLiteral("art"),
    QStringLiteral("resolution"),
};

// The export draws a page at 4 / 1.334 (about 3) pixels per unit; pictures
// are drawn at two, fine enough for lines once smoothly scaled.
constexpr double DEFAULT_PIXELS_PER_UNIT = 2.0;

class ItemBuilder
{
public:
    ItemBuilder(const QJsonObject &item, QString &error)
        : m_item(item)
        , m_error(error)
    {
    }

    std::unique_ptr<ChartItem> build();

private:
    bool fail(const QString &message)
    {
        m_error = message;
        return false;
    }
    bool readColour(const char *key, QColor &colour);
    bool applyFont(ChartItem &content);
    bool applyAlignment(ChartItem &content);
    bool applySymbology(ChartItem &content);
    std::unique_ptr<ChartItem> makeContent(const QString &entry);
    QTransform placement(const QSizeF &size) const;

    const QJsonObject &m_item;
    QString &m_error;
};

bool ItemBuilder::readColour(const char *key, QColor &colour)
{
    const QJsonValue value = m_item.value(QLatin1String(key));
    if (value.isUndefined())
        return true;
    colour = QColor(value.toString());
    return colour.isValid() || fail(QStringLiteral("\"%1\" is not a colour").arg(QLatin1String(key)));
}

// "font": {"family": "Arial", "pixelSize": 11, "bold": true, "italic": false}
bool ItemBuilder::applyFont(ChartItem &content)
{
    const QJsonValue value = m_item.value(QLatin1String("font"));
    if (value.isUndefined())
        return true;
    const QJsonObject font = value.toObject();
    content.font.setFamily(font.value(QLatin1String("family")).toString(content.font.family()));
    const int pixels = font.value(QLatin1String("pixelSize")).toInt(content.font.pixelSize());
    if (pixels < 1)
        return fail(QStringLiteral("a font's pixelSize is a whole number above 0"));
    content.font.setPixelSize(pixels);
    content.font.setBold(font.value(QLatin1String("bold")).toBool(false));
    content.font.setItalic(font.value(QLatin1String("italic")).toBool(false));
    return true;
}

// "align": "left", "center" or "right", as the designer offers them.
bool ItemBuilder::applyAlignment(ChartItem &content)
{
    const QString align = m_item.value(QLatin1String("align")).toString(QStringLiteral("left"));
    if (align == QLatin1String("left"))
        content.alignment = ALIGN_LEFT_VALUE;
    else if (align == QLatin1String("center"))
        content.alignment = ALIGN_CENTRE_VALUE;
    else if (align == QLatin1String("right"))
        content.alignment = ALIGN_RIGHT_VALUE;
    else
        return fail(QStringLiteral("\"align\" is left, center or right"));
    return true;
}

// "symbology": the designer's name of the kind ("QR Code", "Code 128", ...).
bool ItemBuilder::applySymbology(ChartItem &content)
{
    const QString name = m_item.value(QLatin1String("symbology")).toString(QStringLiteral("QR Code"));
    for (int kind = 0; kind < BARCODE_KIND_COUNT; ++kind) {
        if (BarcodeKindName(kind) == name) {
            content.barcodeKind = kind;
            return true;
        }
    }
    return fail(QStringLiteral("unknown symbology \"%1\"").arg(name));
}

std::unique_ptr<ChartItem> ItemBuilder::makeContent(const QString &entry)
{
    if (entry != QLatin1String("Image"))
        return makeFieldContent(entry);
    const QSizeF size(m_item.value(QLatin1String("width")).toDouble(),
                      m_item.value(QLatin1String("height")).toDouble());
    const double resolution = m_item.value(QLatin1String("resolution")).toDouble(DEFAULT_PIXELS_PER_UNIT);
    const QImage picture =
        drawArtwork(m_item.value(QLatin1String("art")).toObject(), size, resolution, m_error);
    return picture.isNull() ? nullptr : makePictureContent(picture, size);
}

// Position, then rotation about the element's centre, then scale.
QTransform ItemBuilder::placement(const QSizeF &size) const
{
    const double scale = m_item.value(QLatin1String("scale")).toDouble(1.0);
    const double rotation = m_item.value(QLatin1String("rotation")).toDouble(0.0);
    const QPointF half(size.width() * scale / 2, size.height() * scale / 2);
    QTransform t;
    t.translate(m_item.value(QLatin1String("x")).toDouble() + half.x(),
                m_item.value(QLatin1String("y")).toDouble() + half.y());
    t.rotate(rotation);
    t.translate(-half.x(), -half.y());
    t.scale(scale, scale);
    return t;
}

std::unique_ptr<ChartItem> ItemBuilder::build()
{
    for (const QString &key : m_item.keys()) {
        if (!ITEM_KEYS.contains(key)) {
            fail(QStringLiteral("unknown key \"%1\"").arg(key));
            return nullptr;
        }
    }
    const QString entry = m_item.value(QLatin1String("entry")).toString();
    if (!m_item.contains(QLatin1String("x")) || !m_item.contains(QLatin1String("y"))) {
        fail(QStringLiteral("an item needs \"x\" and \"y\""));
        return nullptr;
    }
    std::unique_ptr<ChartItem> content = makeContent(entry);
    if (!content) {
        if (m_error.isEmpty())
            fail(QStringLiteral("unknown entry \"%1\"").arg(entry));
        return nullptr;
    }

    // What the designer's property table would change.
    content->size = QSizeF(m_item.value(QLatin1String("width")).toDouble(content->size.width()),
                           m_item.value(QLatin1String("height")).toDouble(content->size.height()));
    if (m_item.contains(QLatin1String("text")))
        content->text = m_item.value(QLatin1String("text")).toString();
    QColor frame;
    if (!readColour("colour", content->colour) || !readColour("background", content->background) ||
        !readColour("frame", frame) || !applyFont(*content) || !applyAlignment(*content) ||
        (content->type == ITEM_BARCODE && !applySymbology(*content)))
        return nullptr;
    if (frame.isValid()) {
        content->frame = 1;
        content->frameColour = frame;
    }

    const QSizeF size = content->size;
    auto element = makeElement(std::move(content), QPointF());
    element->transform = placement(size);
    element->rotation = m_item.value(QLatin1String("rotation")).toDouble(0.0);
    return element;
}

} // namespace

QString templateFileName(const QJsonObject &source)
{
    return source.value(QLatin1String("name")).toString();
}

bool buildTemplate(const QJsonObject &source, ChartDocument &document, QString &error)
{
    if (templateFileName(source).isEmpty()) {
        error = QStringLiteral("the template has no \"name\"");
        return false;
    }
    document.newDocument();
    document.title = source.value(QLatin1String("title")).toString(templateFileName(source));
    ChartPage &page = *document.firstPage();
    const QJsonObject pageSource = source.value(QLatin1String("page")).toObject();
    page.size = QSizeF(pageSource.value(QLatin1String("width")).toDouble(A4_WIDTH_UNITS),
                       pageSource.value(QLatin1String("height")).toDouble(A4_HEIGHT_UNITS));
    page.name = document.title;
    if (pageSource.contains(QLatin1String("background"))) {
        page.backgroundColour = QColor(pageSource.value(QLatin1String("background")).toString());
        page.backgroundMode = BACKGROUND_COLOUR;
        if (!page.backgroundColour.isValid()) {
            error = QStringLiteral("the page background is not a colour");
            return false;
        }
    }

    const QJsonArray items = source.value(QLatin1String("items")).toArray();
    for (int i = 0; i < items.size(); ++i) {
        std::unique_ptr<ChartItem> element = ItemBuilder(items.at(i).toObject(), error).build();
        if (!element) {
            error = QStringLiteral("item %1: %2").arg(i + 1).arg(error);
            return false;
        }
        page.addItem(std::move(element));
    }
    return true;
}
