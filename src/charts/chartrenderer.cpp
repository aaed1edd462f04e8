#include "chartrenderer.h"

#include "barcodes/barcode.h"
#include "chartdocument.h"
#include "chartelements.h"

#include <QGuiApplication>
#include <QPainter>

#include <cmath>

namespace {

const QColor BLOCK_VIEW_PEN(50, 50, 50);
constexpr double BLOCK_VIEW_OPACITY = 0.8;

// Pages and transforms that no designer makes are not drawn: they would
// only hand the paint engine coordinates it cannot hold.
constexpr double MAX_DRAWN_PAGE_UNITS = 1.0e6;
constexpr double MAX_DRAWN_SCALE = 1.0e4;
constexpr double MAX_DRAWN_OFFSET = 1.0e7;
// Below this a page has no room to fit anything into.
constexpr double MIN_FITTED_PAGE_UNITS = 1.0;

bool drawablePage(const ChartPage &page)
{
    const double w = page.size.width();
    const double h = page.size.height();
    return std::isfinite(w) && std::isfinite(h) && w > 0.0 && h > 0.0 && w <= MAX_DRAWN_PAGE_UNITS &&
           h <= MAX_DRAWN_PAGE_UNITS;
}

bool drawableTransform(const QTransform &t)
{
    if (!t.isAffine())
        return false;
    for (const double scale : {t.m11(), t.m12(), t.m21(), t.m22()}) {
        if (!std::isfinite(scale) || std::fabs(scale) > MAX_DRAWN_SCALE)
            return false;
    }
    return std::isfinite(t.dx()) && std::isfinite(t.dy()) && std::fabs(t.dx()) <= MAX_DRAWN_OFFSET &&
           std::fabs(t.dy()) <= MAX_DRAWN_OFFSET;
}

bool canDrawText()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
}

void drawBackground(QPainter &painter, const ChartPage &page, const QRectF &rect)
{
    if (page.backgroundMode == BACKGROUND_NONE)
        return;
    if (page.backgroundImage.isNull() ||
        (page.backgroundMode != BACKGROUND_IMAGE && page.backgroundMode != BACKGROUND_STRETCHED)) {
        painter.fillRect(rect, page.backgroundColour);
    } else if (page.backgroundMode == BACKGROUND_IMAGE) {
        painter.drawImage(QPointF(0, 0), page.backgroundImage);
    } else {
        painter.drawImage(rect, page.backgroundImage);
    }
}

void drawGrid(QPainter &painter, const QSizeF &size, const ChartRenderOptions &options)
{
    if (!(options.gridStepX > 1.0 && options.gridStepY > 1.0))
        return;
    painter.setPen(options.gridColour);
    for (double y = options.gridStepY; y < size.height(); y += options.gridStepY)
        painter.drawLine(QPointF(0, y), QPointF(size.width(), y));
    for (double x = options.gridStepX; x < size.width(); x += options.gridStepX)
        painter.drawLine(QPointF(x, 0), QPointF(x, size.height()));
}

void strokeShape(QPainter &painter, const QPainterPath &shape, const QColor &colour)
{
    painter.setClipping(false);
    painter.strokePath(shape, QPen(colour, 1, Qt::SolidLine));
}

} // namespace

void drawPictureContent(QPainter &painter, const ChartItem &item, const ChartDataContext &,
                        const ChartRenderOptions &)
{
    if (!item.image.isNull())
        painter.drawImage(QRectF(QPointF(0, 0), item.size), item.image);
}

// A block page drawn inside a block view: block views nested in it show
// their thumbnails, so a block can never draw itself again.
void drawBlockViewContent(QPainter &painter, const ChartItem &item, const ChartDataContext &data,
                          const ChartRenderOptions &options)
{
    const QRectF rect(QPointF(0, 0), item.size);
    if (options.directBlocks && item.block) {
        ChartRenderOptions nested = options;
        nested.directBlocks = false;
        nested.boundaries = false;
        nested.gridStepX = nested.gridStepY = 0.0;
        drawPageFitted(painter, *item.block, rect, data, nested);
        return;
    }
    painter.setPen(QPen(BLOCK_VIEW_PEN, 0));
    painter.setOpacity(BLOCK_VIEW_OPACITY);
    if (!item.image.isNull())
        painter.drawImage(rect, item.image);
    painter.setOpacity(1.0);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect);
}

// The symbol scaled by one factor to fit the item, at the left, centre or
// right; any other alignment draws nothing.
void drawBarcodeContent(QPainter &painter, const ChartItem &item, const ChartDataContext &,
                        const ChartRenderOptions &)
{
    const int align = item.alignment;
    if (align != ALIGN_LEFT_VALUE && align != ALIGN_CENTRE_VALUE && align != ALIGN_RIGHT_VALUE)
        return;
    const QImage symbol = MakeBarcodeImage(item.text, item.barcodeKind, item.colour);
    if (symbol.isNull() || item.size.width() <= 0.0 || item.size.height() <= 0.0)
        return;
    const double scale = qMin(item.size.width() / symbol.width(), item.size.height() / symbol.height());
    const QSizeF drawn(symbol.width() * scale, symbol.height() * scale);
    double left = 0.0;
    if (align == ALIGN_CENTRE_VALUE)
        left = (item.size.width() - drawn.width()) / 2;
    else if (align == ALIGN_RIGHT_VALUE)
        left = item.size.width() - drawn.width();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(left, 0), drawn), symbol);
}

ChartRenderOptions thumbnailOptions()
{
    ChartRenderOptions options;
    options.first = true;
    options.boundaries = true;
    return options;
}

ChartRenderOptions pictureOptions()
{
    ChartRenderOptions options;
    options.directBlocks = true;
    return options;
}

void drawChartPage(QPainter &painter, const ChartPage &page, const ChartDataContext &data,
                   const ChartRenderOptions &options, bool fillWhite)
{
    if (!drawablePage(page))
        return;
    const QRectF rect(QPointF(0, 0), page.size);
    painter.save();
    if (fillWhite)
        painter.fillRect(rect, Qt::white);
    drawBackground(painter, page, rect);
    drawGrid(painter, page.size, options);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(rect, Qt::IntersectClip);
    for (const auto &frame : page.items)
        drawFrameItem(painter, *frame, data, options);
    painter.restore();
}

void drawFrameItem(QPainter &painter, const ChartItem &frame, const ChartDataContext &data,
                   const ChartRenderOptions &options)
{
    if (!drawableTransform(frame.transform))
        return;
    const ChartItem *content = frame.content.get();
    painter.save();
    painter.setTransform(frame.transform, true);
    if (!content || content->type != ITEM_FILLED_SHAPE)
        painter.setClipPath(frame.shape, Qt::IntersectClip);
    if (content)
        drawContent(painter, *content, data, options);
    if (content && content->frame != 0)
        strokeShape(painter, frame.shape, content->frameColour);
    else if (!options.directBlocks && options.boundaries)
        strokeShape(painter, frame.shape, options.outlineColour);
    painter.restore();
}

void drawContent(QPainter &painter, const ChartItem &content, const ChartDataContext &data,
                 const ChartRenderOptions &options)
{
    painter.save();
    // Centred labels, filled shapes, caption texts and record images are
    // carried in files but never created by our designer: no drawer.
    const ChartElementKind *kind = elementKindOf(content);
    if (kind && kind->draw)
        kind->draw(painter, content, data, options);
    painter.restore();
}

void drawPageFitted(QPainter &painter, const ChartPage &page, const QRectF &target,
                    const ChartDataContext &data, const ChartRenderOptions &options)
{
    if (!drawablePage(page) || page.size.width() < MIN_FITTED_PAGE_UNITS ||
        page.size.height() < MIN_FITTED_PAGE_UNITS)
        return;
    const double scale = qMin(target.width() / page.size.width(), target.height() / page.size.height());
    if (!(scale > 0.0))
        return;
    const QSizeF scaled = page.size * scale;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(target.left() + (target.width() - scaled.width()) / 2,
                      target.top() + (target.height() - scaled.height()) / 2);
    painter.scale(scale, scale);
    drawChartPage(painter, page, data, options);
    painter.restore();
}

QImage renderThumbnail(const ChartPage &page, const ChartDataContext &data)
{
    if (!canDrawText())
        return QImage();
    QImage thumbnail(THUMBNAIL_PIXELS, THUMBNAIL_PIXELS, QImage::Format_RGB32);
    thumbnail.fill(Qt::white);
    QPainter painter(&thumbnail);
    drawPageFitted(painter, page, QRectF(thumbnail.rect()), data, thumbnailOptions());
    painter.end();
    return thumbnail;
}

void refreshThumbnail(ChartPage &page, const ChartDataContext &data)
{
    page.thumbnail = renderThumbnail(page, data);
}

void refreshThumbnails(ChartDocument &document, const ChartDataContext &data)
{
    for (const auto &block : document.blocks)
        refreshThumbnail(*block, data);
    linkBlockViews(document);
    for (ChartPage *page : document.allPages())
        refreshThumbnail(*page, data);
}
