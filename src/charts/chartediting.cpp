#include "chartediting.h"

#include "chartdocument.h"

#include <QDataStream>
#include <QtMath>

#include <algorithm>
#include <cmath>

QRectF frameLocalRect(const ChartItem &frame)
{
    return frame.shape.boundingRect();
}

QRectF frameBounds(const ChartItem &frame)
{
    return frame.transform.mapRect(frameLocalRect(frame));
}

QPointF frameCentre(const ChartItem &frame)
{
    return frame.transform.map(frameLocalRect(frame).center());
}

ChartItem *topmostItemAt(const ChartPage &page, const QPointF &point)
{
    for (auto it = page.items.rbegin(); it != page.items.rend(); ++it) {
        ChartItem *frame = it->get();
        if (!frame->transform.isInvertible())
            continue;
        const QPointF local = frame->transform.inverted().map(point);
        // The shape's rectangle, edges included: a thin line still hits.
        const QRectF rect = frameLocalRect(*frame);
        if (local.x() >= rect.left() && local.x() <= rect.right() && local.y() >= rect.top() &&
            local.y() <= rect.bottom())
            return frame;
    }
    return nullptr;
}

static double snapValue(double value, double step)
{
    if (step < 1.0)
        return value;
    return std::floor(value / step + 0.5) * step;
}

QPointF snapPoint(const QPointF &point, double stepX, double stepY)
{
    return QPointF(snapValue(point.x(), stepX), snapValue(point.y(), stepY));
}

QRectF keepInsidePage(const QRectF &rect, const QSizeF &page)
{
    QRectF inside = rect;
    if (inside.right() > page.width())
        inside.moveRight(page.width());
    if (inside.bottom() > page.height())
        inside.moveBottom(page.height());
    if (inside.left() < 0)
        inside.moveLeft(0);
    if (inside.top() < 0)
        inside.moveTop(0);
    return inside;
}

QPointF placementInsidePage(const QPointF &point, const QSizeF &size, const QSizeF &page)
{
    QPointF placed = point;
    if (placed.x() + size.width() > page.width())
        placed.setX(page.width() - size.width() - 1);
    if (placed.y() + size.height() > page.height())
        placed.setY(page.height() - size.height() - 1);
    return placed;
}

void moveFrameBoundsTo(ChartItem &frame, const QPointF &topLeft)
{
    const QPointF shift = topLeft - frameBounds(frame).topLeft();
    frame.transform = frame.transform * QTransform::fromTranslate(shift.x(), shift.y());
}

void setFrameLocalRect(ChartItem &frame, const QRectF &rect, double minimum)
{
    const QSizeF size(std::max(rect.width(), minimum), std::max(rect.height(), minimum));
    // The new local origin, expressed in the old local coordinates, goes
    // first, so a moved left or top edge stays where the mouse put it.
    frame.transform = QTransform::fromTranslate(rect.left(), rect.top()) * frame.transform;
    frame.shape = QPainterPath();
    frame.shape.addRect(QRectF(QPointF(0, 0), size));
    if (frame.content)
        frame.content->size = size;
}

void rotateFrame(ChartItem &frame, double degrees)
{
    const QPointF centre = frameLocalRect(frame).center();
    QTransform turn;
    turn.translate(centre.x(), centre.y());
    turn.rotate(degrees);
    turn.translate(-centre.x(), -centre.y());
    frame.transform = turn * frame.transform;
    frame.rotation = std::fmod(frame.rotation + degrees, 360.0);
}

void resetFrameRotation(ChartItem &frame)
{
    const QTransform &t = frame.transform;
    const double angle = qRadiansToDegrees(std::atan2(t.m12(), t.m11()));
    if (std::abs(angle) > 1e-9) {
        const QPointF centre = frameLocalRect(frame).center();
        // The angle lies between the element's own axes and the page's:
        // turning by it before the transform undoes it.
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotate(-angle);
        turn.translate(-centre.x(), -centre.y());
        frame.transform = turn * frame.transform;
        // What is left of a tiny rounding stays out of the matrix.
        if (std::abs(frame.transform.m12()) < 1e-9 && std::abs(frame.transform.m21()) < 1e-9)
            frame.transform.setMatrix(frame.transform.m11(), 0, frame.transform.m13(), 0,
                                      frame.transform.m22(), frame.transform.m23(), frame.transform.m31(),
                                      frame.transform.m32(), frame.transform.m33());
    }
    frame.rotation = 0.0;
}

namespace {

// The coordinate of line on a rectangle.
double lineOf(const QRectF &rect, AlignLine line)
{
    switch (line) {
    case AlignLine::Left:
        return rect.left();
    case AlignLine::Centre:
        return rect.center().x();
    case AlignLine::Right:
        return rect.right();
    case AlignLine::Top:
        return rect.top();
    case AlignLine::Middle:
        return rect.center().y();
    case AlignLine::Bottom:
        return rect.bottom();
    }
    return 0.0;
}

bool isHorizontalLine(AlignLine line)
{
    return line == AlignLine::Left || line == AlignLine::Centre || line == AlignLine::Right;
}

// Moves the frame by shift when that is more than a rounding; true if so.
bool shiftFrame(ChartItem &frame, const QPointF &shift)
{
    if (std::abs(shift.x()) < 1e-9 && std::abs(shift.y()) < 1e-9)
        return false;
    frame.transform = frame.transform * QTransform::fromTranslate(shift.x(), shift.y());
    return true;
}

} // namespace

bool alignFrames(const std::vector<ChartItem *> &frames, AlignLine line, const QSizeF &page)
{
    if (frames.empty())
        return false;
    QRectF target;
    if (frames.size() == 1) {
        target = QRectF(QPointF(0, 0), page);
    } else {
        for (const ChartItem *frame : frames)
            target = target.isNull() ? frameBounds(*frame) : target.united(frameBounds(*frame));
    }
    const double wanted = lineOf(target, line);
    bool moved = false;
    for (ChartItem *frame : frames) {
        const double shift = wanted - lineOf(frameBounds(*frame), line);
        moved |= shiftFrame(*frame, isHorizontalLine(line) ? QPointF(shift, 0) : QPointF(0, shift));
    }
    return moved;
}

bool distributeFrames(const std::vector<ChartItem *> &frames, SpreadAxis axis, const QSizeF &page)
{
    const bool across = axis == SpreadAxis::Horizontal;
    const auto start = [across](const QRectF &r) { return across ? r.left() : r.top(); };
    const auto length = [across](const QRectF &r) { return across ? r.width() : r.height(); };
    const auto along = [across](double d) { return across ? QPointF(d, 0) : QPointF(0, d); };
    if (frames.size() == 1) {
        const QRectF bounds = frameBounds(*frames.front());
        const double room = across ? page.width() : page.height();
        return shiftFrame(*frames.front(), along((room - length(bounds)) / 2 - start(bounds)));
    }
    if (frames.size() < 3)
        return false;
    // In order of their starts (the page order breaks ties): the first
    // start and the furthest end fix the span they share.
    std::vector<std::pair<QRectF, ChartItem *>> placed;
    for (ChartItem *frame : frames)
        placed.emplace_back(frameBounds(*frame), frame);
    std::stable_sort(placed.begin(), placed.end(),
                     [&](const auto &a, const auto &b) { return start(a.first) < start(b.first); });
    const double first = start(placed.front().first);
    double last = first;
    double lengths = 0.0;
    for (const auto &entry : placed) {
        last = std::max(last, start(entry.first) + length(entry.first));
        lengths += length(entry.first);
    }
    const double gap = (last - first - lengths) / double(placed.size() - 1);
    bool moved = false;
    double next = first;
    for (const auto &[bounds, frame] : placed) {
        moved |= shiftFrame(*frame, along(next - start(bounds)));
        next += length(bounds) + gap;
    }
    return moved;
}

namespace {

bool listed(const std::vector<ChartItem *> &frames, const ChartItem *frame)
{
    return std::find(frames.begin(), frames.end(), frame) != frames.end();
}

} // namespace

void moveItemsToFront(ChartPage &page, const std::vector<ChartItem *> &frames)
{
    std::stable_partition(page.items.begin(), page.items.end(), [&](const std::unique_ptr<ChartItem> &item) {
        return !listed(frames, item.get());
    });
}

void moveItemsToBack(ChartPage &page, const std::vector<ChartItem *> &frames)
{
    std::stable_partition(page.items.begin(), page.items.end(),
                          [&](const std::unique_ptr<ChartItem> &item) { return listed(frames, item.get()); });
}

int removeItems(ChartPage &page, const std::vector<ChartItem *> &frames)
{
    const auto end =
        std::remove_if(page.items.begin(), page.items.end(),
                       [&](const std::unique_ptr<ChartItem> &item) { return listed(frames, item.get()); });
    const int removed = int(page.items.end() - end);
    page.items.erase(end, page.items.end());
    return removed;
}

bool pageHoldsItem(const ChartPage &page, const ChartItem *frame)
{
    return std::any_of(page.items.begin(), page.items.end(),
                       [&](const std::unique_ptr<ChartItem> &item) { return item.get() == frame; });
}

// --- copies ---

std::unique_ptr<ChartItem> copyElement(const ChartItem &frame)
{
    auto copy = std::make_unique<ChartItem>();
    static_cast<ChartItemValues &>(*copy) = frame;
    copy->block = frame.block;
    if (frame.content)
        copy->setContent(copyElement(*frame.content));
    return copy;
}

namespace {

std::unique_ptr<ChartPage> copyPage(const ChartPage &page)
{
    auto copy = std::make_unique<ChartPage>();
    copy->size = page.size;
    copy->name = page.name;
    copy->count = page.count;
    copy->secondInteger = page.secondInteger;
    copy->backgroundColour = page.backgroundColour;
    copy->backgroundMode = page.backgroundMode;
    copy->backgroundImage = page.backgroundImage;
    copy->thumbnail = page.thumbnail;
    for (const auto &frame : page.items)
        copy->items.push_back(copyElement(*frame));
    return copy;
}

} // namespace

ChartDocument copyDocument(const ChartDocument &document)
{
    ChartDocument copy;
    copy.clear();
    copy.title = document.title;
    copy.fileName = document.fileName;
    copy.showGrid = document.showGrid;
    copy.snapToGrid = document.snapToGrid;
    copy.showBoundaries = document.showBoundaries;
    copy.gridStepX = document.gridStepX;
    copy.gridStepY = document.gridStepY;
    copy.zoom = document.zoom;
    copy.version = document.version;

    // Every page and block of the document, and its copy.
    std::vector<std::pair<const ChartPage *, ChartPage *>> places;
    for (const auto &block : document.blocks) {
        copy.blocks.push_back(copyPage(*block));
        places.emplace_back(block.get(), copy.blocks.back().get());
    }
    for (const ChartPageList &list : document.pageLists) {
        copy.pageLists.emplace_back();
        for (const auto &page : list) {
            copy.pageLists.back().push_back(copyPage(*page));
            places.emplace_back(page.get(), copy.pageLists.back().back().get());
        }
    }
    const auto copied = [&places](const ChartPage *page) -> ChartPage * {
        for (const auto &place : places) {
            if (place.first == page)
                return place.second;
        }
        return nullptr;
    };
    for (const auto &place : places) {
        for (const auto &frame : place.second->items) {
            if (frame->content && frame->content->block)
                frame->content->block = copied(frame->content->block);
        }
    }
    copy.currentPage = copied(document.currentPage);
    return copy;
}

QByteArray elementsToBytes(const std::vector<ChartItem *> &frames)
{
    ChartDocument holder;
    ChartPage *page = holder.firstPage();
    for (const ChartItem *frame : frames) {
        std::unique_ptr<ChartItem> copy = copyElement(*frame);
        // The block goes by its name (the view's code) into another document.
        if (copy->content)
            copy->content->block = nullptr;
        page->items.push_back(std::move(copy));
    }
    return holder.toBytes();
}

std::vector<std::unique_ptr<ChartItem>> elementsFromBytes(const QByteArray &bytes, const ChartPageList &blocks)
{
    std::vector<std::unique_ptr<ChartItem>> frames;
    QDataStream stream(bytes);
    ChartDocument holder;
    if (holder.read(stream) != 0 || !holder.firstPage())
        return frames;
    for (auto &frame : holder.firstPage()->items) {
        ChartItem *content = frame->content.get();
        if (content && content->type == ITEM_BLOCK_VIEW) {
            const auto block = std::find_if(blocks.begin(), blocks.end(),
                                            [&](const auto &candidate) { return candidate->name == content->code; });
            if (block == blocks.end())
                continue;
            content->block = block->get();
            content->image = (*block)->thumbnail;
        }
        frames.push_back(std::move(frame));
    }
    return frames;
}
