// sorvel-cli template: chart template files. "copy" reads a template and
// writes it again (in the current version); "dump" prints what was read as
// one JSON object, so a template can be checked without the designer.

#include "charts/chartdocument.h"
#include "charts/chartrenderer.h"
#include "cliutil.h"
#include "commands.h"
#include "templatepicture.h"

#include <QJsonArray>

namespace {

const QString COMMAND = QStringLiteral("template");

QString argbText(const QColor &colour)
{
    return QStringLiteral("#%1").arg(colour.rgba(), 8, 16, QLatin1Char('0')).toUpper();
}

QJsonArray sizeJson(const QSizeF &size)
{
    return QJsonArray{size.width(), size.height()};
}

QJsonObject fontJson(const QFont &font)
{
    QJsonObject o;
    o[QStringLiteral("family")] = font.family();
    o[QStringLiteral("pointSize")] = font.pointSizeF();
    o[QStringLiteral("pixelSize")] = font.pixelSize();
    o[QStringLiteral("weight")] = font.weight();
    o[QStringLiteral("italic")] = font.italic();
    return o;
}

QJsonObject itemJson(const ChartItem &item)
{
    const QTransform &t = item.transform;
    QJsonObject o;
    o[QStringLiteral("type")] = item.type;
    o[QStringLiteral("fieldFlag")] = item.fieldFlag;
    o[QStringLiteral("freeTextFlag")] = item.freeTextFlag;
    o[QStringLiteral("label")] = item.label;
    o[QStringLiteral("code")] = item.code;
    o[QStringLiteral("transform")] =
        QJsonArray{t.m11(), t.m12(), t.m13(), t.m21(), t.m22(), t.m23(), t.m31(), t.m32(), t.m33()};
    o[QStringLiteral("rotation")] = item.rotation;
    o[QStringLiteral("size")] = sizeJson(item.size);
    o[QStringLiteral("secondSize")] = sizeJson(item.secondSize);
    o[QStringLiteral("colour")] = argbText(item.colour);
    o[QStringLiteral("hasImage")] = !item.image.isNull();
    o[QStringLiteral("flagA")] = item.flagA;
    o[QStringLiteral("flagB")] = item.flagB;
    o[QStringLiteral("text")] = item.text;
    o[QStringLiteral("font")] = fontJson(item.font);
    o[QStringLiteral("alignment")] = item.alignment;
    o[QStringLiteral("penStyle")] = item.penStyle;
    o[QStringLiteral("penWidth")] = item.penWidth;
    o[QStringLiteral("penColour")] = argbText(item.penColour);
    o[QStringLiteral("imageNumber")] = item.imageNumber;
    o[QStringLiteral("frame")] = item.frame;
    o[QStringLiteral("frameColour")] = argbText(item.frameColour);
    o[QStringLiteral("fit")] = item.fit;
    o[QStringLiteral("order")] = item.order;
    o[QStringLiteral("imageSetNumber")] = item.imageSetNumber;
    o[QStringLiteral("barcodeKind")] = item.barcodeKind;
    o[QStringLiteral("background")] = argbText(item.background);
    o[QStringLiteral("content")] = item.content ? QJsonValue(itemJson(*item.content)) : QJsonValue();
    return o;
}

QJsonObject pageJson(const ChartPage &page)
{
    QJsonObject o;
    o[QStringLiteral("width")] = page.size.width();
    o[QStringLiteral("height")] = page.size.height();
    o[QStringLiteral("name")] = page.name;
    o[QStringLiteral("count")] = page.count;
    o[QStringLiteral("secondInteger")] = page.secondInteger;
    o[QStringLiteral("backgroundColour")] = argbText(page.backgroundColour);
    o[QStringLiteral("backgroundMode")] = page.backgroundMode;
    o[QStringLiteral("hasBackgroundImage")] = !page.backgroundImage.isNull();
    QJsonArray items;
    for (const auto &frame : page.items)
        items.append(itemJson(*frame));
    o[QStringLiteral("items")] = items;
    return o;
}

QJsonArray pagesJson(const ChartPageList &pages)
{
    QJsonArray array;
    for (const auto &page : pages)
        array.append(pageJson(*page));
    return array;
}

QJsonObject documentJson(const ChartDocument &document)
{
    QJsonObject o;
    o[QStringLiteral("version")] = document.version;
    o[QStringLiteral("title")] = document.title;
    o[QStringLiteral("showGrid")] = document.showGrid;
    o[QStringLiteral("snapToGrid")] = document.snapToGrid;
    o[QStringLiteral("showBoundaries")] = document.showBoundaries;
    o[QStringLiteral("gridStepX")] = document.gridStepX;
    o[QStringLiteral("gridStepY")] = document.gridStepY;
    o[QStringLiteral("blocks")] = pagesJson(document.blocks);
    QJsonArray lists;
    for (const ChartPageList &list : document.pageLists)
        lists.append(pagesJson(list));
    o[QStringLiteral("pageLists")] = lists;
    return o;
}

// The copy carries thumbnails drawn without a person, as the shipped
// templates do.
int copyTemplate(const QString &in, const QString &out)
{
    ChartDocument document;
    if (const int status = readTemplateFile(COMMAND, in, document))
        return status;
    refreshThumbnails(document, ChartDataContext());
    const QByteArray bytes = document.toBytes();
    if (bytes.isEmpty()) {
        usageError(QStringLiteral("template: ") + in + QStringLiteral(": the template has no pages"));
        return EXIT_FAILED;
    }
    return writeOutputFile(out, QStringLiteral("template"), bytes);
}

int dumpTemplate(const QString &in)
{
    ChartDocument document;
    if (const int status = readTemplateFile(COMMAND, in, document))
        return status;
    return writeJson(documentJson(document), QStringLiteral("template"));
}

} // namespace

void usageTemplate(QTextStream &out)
{
    out << "  template copy IN OUT\n"
           "    Reads the chart template IN (versions 256 to 263) and writes it to OUT in\n"
           "    the current version (263).\n"
           "  template dump IN\n"
           "    Prints the chart template IN as one JSON object: the document's settings,\n"
           "    its blocks and its page lists, each page with its items (colours as\n"
           "    #AARRGGBB).\n"
           "    Exit status 1 when IN is not a template, is damaged or cannot be read, or\n"
           "    OUT cannot be written.\n";
}

int runTemplate(const QStringList &args)
{
    for (const QString &arg : args) {
        if (arg.startsWith(QLatin1Char('-')))
            return usageError(QStringLiteral("template: unknown option ") + arg);
    }
    const QString action = args.value(0);
    if (action == QLatin1String("copy") && args.size() == 3)
        return copyTemplate(args.at(1), args.at(2));
    if (action == QLatin1String("dump") && args.size() == 2)
        return dumpTemplate(args.at(1));
    return usageError(QStringLiteral("template: expected 'copy IN OUT' or 'dump IN'"));
}
