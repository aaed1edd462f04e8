// Writing a chart document as a template file (the layout is in
// templateformat.h).

#include "chartdocument.h"
#include "templateformat.h"

#include <QDataStream>

void setTemplateEncoding(QDataStream &stream)
{
    stream.setVersion(TEMPLATE_STREAM_VERSION);
    stream.setByteOrder(QDataStream::BigEndian);
    stream.setFloatingPointPrecision(QDataStream::DoublePrecision);
}

namespace {

void writeItem(QDataStream &out, const ChartItem &item)
{
    out << qint32(item.type) << invertedFlag(item.fieldFlag) << invertedFlag(item.freeTextFlag) << item.label
        << item.code << item.transform << double(item.rotation) << item.size << item.shape << item.colour
        << item.secondSize << item.image << invertedFlag(item.flagA) << invertedFlag(item.flagB) << item.text
        << item.font;
    // The alignment is a 32-bit value stored as a sign-extended 64-bit one.
    out << qint64(item.alignment);
    out << qint32(item.penStyle) << double(item.penWidth) << item.penColour << qint32(item.imageNumber)
        << qint32(item.frame) << item.frameColour << qint32(item.fit) << qint32(item.order)
        << qint32(item.imageSetNumber) << qint32(item.barcodeKind) << item.background;
}

void writePage(QDataStream &out, const ChartPage &page)
{
    out << double(page.size.width()) << double(page.size.height()) << page.name << qint32(page.count)
        << qint32(page.secondInteger) << page.backgroundColour << qint8(page.backgroundMode)
        << page.backgroundImage;
    out << qint32(page.items.size());
    for (const auto &frame : page.items) {
        writeItem(out, *frame);
        if (frame->content) {
            out << quint8(1);
            writeItem(out, *frame->content);
        } else {
            out << quint8(0);
        }
    }
}

void writePages(QDataStream &out, const ChartPageList &pages)
{
    out << qint32(pages.size());
    for (const auto &page : pages)
        writePage(out, *page);
}

} // namespace

int ChartDocument::write(QDataStream &stream)
{
    ChartPage *first = firstPage();
    if (!first)
        return -1;
    setTemplateEncoding(stream);
    mapBlockViewsToIndexes(*this);

    stream << TEMPLATE_HEADER << qint32(WRITTEN_VERSION) << title << qint32(1) << first->thumbnail;
    stream << qint32(showGrid) << qint32(snapToGrid) << qint32(showBoundaries) << double(gridStepX)
           << double(gridStepY);
    writePages(stream, blocks);
    stream << qint32(pageLists.size());
    for (const ChartPageList &list : pageLists)
        writePages(stream, list);
    return stream.status() == QDataStream::Ok ? 0 : -1;
}
