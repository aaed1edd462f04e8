#pragma once

// Template files written field by field for the reader's tests, in any
// version from 256 to 263: each field is written only in the versions that
// hold it, as the file format lists them. A hook can replace any one field
// of an item record with other bytes, to make a damaged file.

#include "charts/chartdocument.h"

#include <QBuffer>
#include <QDataStream>
#include <QPainterPath>

#include <functional>

// Writes field name itself and returns true, or returns false to let the
// fixture write the field's ordinary value.
using FieldHook = std::function<bool(const char *field, QDataStream &out)>;

inline QDataStream &templateEncoding(QDataStream &out)
{
    out.setVersion(12);
    out.setByteOrder(QDataStream::BigEndian);
    out.setFloatingPointPrecision(QDataStream::DoublePrecision);
    return out;
}

inline qint8 inverted(bool flag)
{
    return flag ? 0 : 1;
}

// One item record of version; hook may replace any field.
inline void writeItemRecord(QDataStream &out, int version, const ChartItem &item,
                            const FieldHook &hook = FieldHook())
{
    const auto field = [&](const char *name, const std::function<void()> &write) {
        if (!hook || !hook(name, out))
            write();
    };
    field("type", [&] { out << qint32(item.type); });
    field("fieldFlag", [&] { out << inverted(item.fieldFlag); });
    field("freeTextFlag", [&] { out << inverted(item.freeTextFlag); });
    field("label", [&] { out << item.label; });
    field("code", [&] { out << item.code; });
    field("transform", [&] { out << item.transform; });
    field("rotation", [&] { out << item.rotation; });
    field("size", [&] { out << item.size; });
    field("shape", [&] { out << item.shape; });
    field("colour", [&] { out << item.colour; });
    field("secondSize", [&] { out << item.secondSize; });
    field("image", [&] { out << item.image; });
    field("flagA", [&] { out << inverted(item.flagA); });
    field("flagB", [&] { out << inverted(item.flagB); });
    field("text", [&] { out << item.text; });
    field("font", [&] { out << item.font; });
    field("alignment", [&] { out << qint64(item.alignment); });
    field("penStyle", [&] { out << qint32(item.penStyle); });
    field("penWidth", [&] { out << item.penWidth; });
    field("penColour", [&] { out << item.penColour; });
    field("imageNumber", [&] { out << qint32(item.imageNumber); });
    field("frame", [&] { out << qint32(item.frame); });
    field("frameColour", [&] { out << item.frameColour; });
    field("fit", [&] { out << qint32(item.fit); });
    if (version > 257)
        field("order", [&] { out << qint32(item.order); });
    if (version >= 260)
        field("imageSetNumber", [&] { out << qint32(item.imageSetNumber); });
    if (version > 260)
        field("barcodeKind", [&] { out << qint32(item.barcodeKind); });
    if (version > 262)
        field("background", [&] { out << item.background; });
}

// A page record of version with its frames and their contents.
inline void writePageRecord(QDataStream &out, int version, const ChartPage &page,
                            const FieldHook &hook = FieldHook())
{
    out << page.size.width() << page.size.height();
    if (version > 257)
        out << page.name << qint32(page.count) << qint32(page.secondInteger);
    if (version > 258)
        out << page.backgroundColour << qint8(page.backgroundMode) << page.backgroundImage;
    if (!hook || !hook("itemCount", out))
        out << qint32(page.items.size());
    for (const auto &frame : page.items) {
        writeItemRecord(out, version, *frame, hook);
        out << quint8(frame->content ? 1 : 0);
        if (frame->content)
            writeItemRecord(out, version, *frame->content, hook);
    }
}

// The whole document in version: header, settings, blocks, page lists.
inline QByteArray templateBytes(int version, const ChartDocument &document,
                                const FieldHook &hook = FieldHook())
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream out(&buffer);
    templateEncoding(out);
    out << "CorvalaneReportFile->" << qint32(version) << document.title << qint32(1) << QImage();
    if (version > 256) {
        out << qint32(document.showGrid) << qint32(document.snapToGrid);
        if (version > 261)
            out << qint32(document.showBoundaries);
        out << document.gridStepX << document.gridStepY;
    }
    if (version > 257) {
        out << qint32(document.blocks.size());
        for (const auto &block : document.blocks)
            writePageRecord(out, version, *block, hook);
    }
    out << qint32(document.pageLists.size());
    for (const ChartPageList &list : document.pageLists) {
        out << qint32(list.size());
        for (const auto &page : list)
            writePageRecord(out, version, *page, hook);
    }
    return bytes;
}

// Reads bytes into document; the reader's return value.
inline int readBytes(const QByteArray &bytes, ChartDocument &document)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QDataStream in(&buffer);
    return document.read(in);
}

// A frame at (x, y) holding a free text.
inline std::unique_ptr<ChartItem> freeTextElement(const QString &text, double x, double y)
{
    auto content = std::make_unique<ChartItem>();
    content->type = ITEM_TEXT_FIELD;
    content->code = QStringLiteral("#text");
    content->freeTextFlag = true;
    content->text = text;
    content->size = QSizeF(120, 25);
    auto frame = std::make_unique<ChartItem>();
    frame->type = ITEM_FRAME;
    frame->flagB = true;
    frame->transform = QTransform::fromTranslate(x, y);
    frame->shape.addRect(0, 0, 120, 25);
    frame->setContent(std::move(content));
    return frame;
}
