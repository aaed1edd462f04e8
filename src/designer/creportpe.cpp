#include "creportpe.h"

#include "charthistory.h"
#include "ciconlist.h"
#include "designerquestion.h"

#include "charts/chartediting.h"
#include "charts/chartelements.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QMenu>
#include <QMimeData>
#include <QUndoStack>
#include <QPainter>
#include <QScrollBar>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

const char FIELDS_LIST_MIME[] = "application/x-qabstractitemmodeldatalist";
const char *const HANDLE_PICTURE_FILES[] = {"move-s.png", "rotate-s.png", "scale-s.png"};
constexpr int SCROLL_SINGLE_STEP = 8;
constexpr double ROTATION_LEVER_PIXELS = 40.0;
// Pasted and duplicated elements land this far (units) right of and below
// where they were copied, one step further for each paste in a row.
constexpr double PASTE_OFFSET = 10.0;

// Which edges of the local rectangle a resize zone drags.
struct ZoneEdges
{
    bool left, top, right, bottom;
};

// clang-format off
// zone:                 left   top    right  bottom
const ZoneEdges RESIZE_EDGES[] = {
    /* 0 top-left     */ {true,  true,  false, false},
    /* 1 top-right    */ {false, true,  true,  false},
    /* 2 bottom-left  */ {true,  false, false, true },
    /* 3 bottom-right */ {false, false, true,  true },
    /* 4 left         */ {true,  false, false, false},
    /* 5 right        */ {false, false, true,  false},
    /* 6 bottom       */ {false, false, false, true },
};
// clang-format on
constexpr int SCALE_PICTURE_ZONE = 10; // resizes as the bottom-right corner does
constexpr int MOVE_STRIP_ZONE = 7;
constexpr int ROTATE_ZONE = 8;
constexpr int MOVE_PICTURE_ZONE = 9;

bool isCornerZone(int zone)
{
    return (zone >= 0 && zone <= 3) || zone == SCALE_PICTURE_ZONE;
}

Qt::CursorShape zoneCursor(int zone)
{
    switch (zone) {
    case 0:
    case 3:
        return Qt::SizeFDiagCursor;
    case 1:
    case 2:
        return Qt::SizeBDiagCursor;
    case 4:
    case 5:
        return Qt::SizeHorCursor;
    case 6:
        return Qt::SizeVerCursor;
    case MOVE_STRIP_ZONE:
        return Qt::SizeAllCursor;
    case ROTATE_ZONE:
    case MOVE_PICTURE_ZONE:
    case SCALE_PICTURE_ZONE:
        return Qt::OpenHandCursor;
    default:
        return Qt::ArrowCursor;
    }
}

double angleOf(const QPointF &vector)
{
    return qRadiansToDegrees(std::atan2(vector.y(), vector.x()));
}

} // namespace

const char CReportPE::ELEMENTS_MIME[] = "application/x-sorvel-chart-elements";

namespace {

// The arrange commands of the toolbar's menu and the editor's context
// menu, in their order; an entry without text is a separator.
enum class Arrange { Separator, Align, Spread, ResetRotation, Fit };
struct ArrangeEntry
{
    const char *text;
    Arrange what;
    int how; // the AlignLine or SpreadAxis
};

// clang-format off
const ArrangeEntry ARRANGE_ENTRIES[] = {
    {"Align Left",              Arrange::Align,         int(AlignLine::Left)},
    {"Align Center",            Arrange::Align,         int(AlignLine::Centre)},
    {"Align Right",             Arrange::Align,         int(AlignLine::Right)},
    {"Align Top",               Arrange::Align,         int(AlignLine::Top)},
    {"Align Middle",            Arrange::Align,         int(AlignLine::Middle)},
    {"Align Bottom",            Arrange::Align,         int(AlignLine::Bottom)},
    {nullptr,                   Arrange::Separator,     0},
    {"Distribute Horizontally", Arrange::Spread,        int(SpreadAxis::Horizontal)},
    {"Distribute Vertically",   Arrange::Spread,        int(SpreadAxis::Vertical)},
    {nullptr,                   Arrange::Separator,     0},
    {"Reset Rotation",          Arrange::ResetRotation, 0},
    {"Fit to Content",          Arrange::Fit,           0},
};
// clang-format on

} // namespace

QList<QAction *> CReportPE::arrangeActions()
{
    if (!m_arrangeActions.isEmpty())
        return m_arrangeActions;
    for (const ArrangeEntry &entry : ARRANGE_ENTRIES) {
        auto *action = new QAction(this);
        if (!entry.text) {
            action->setSeparator(true);
        } else {
            action->setText(tr(entry.text));
            connect(action, &QAction::triggered, this, [this, &entry] {
                switch (entry.what) {
                case Arrange::Align:
                    alignSelection(AlignLine(entry.how), tr(entry.text));
                    break;
                case Arrange::Spread:
                    distributeSelection(SpreadAxis(entry.how), tr(entry.text));
                    break;
                case Arrange::ResetRotation:
                    resetRotation();
                    break;
                case Arrange::Fit:
                    fitToContent();
                    break;
                case Arrange::Separator:
                    break;
                }
            });
        }
        m_arrangeActions.append(action);
    }
    return m_arrangeActions;
}

QAction *CReportPE::arrangeAction(const QString &text)
{
    for (QAction *action : arrangeActions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

void CReportPE::alignSelection(AlignLine line, const QString &step)
{
    if (m_document.currentPage && alignFrames(selectedItems(), line, m_document.currentPage->size))
        recordEdit(step);
}

void CReportPE::distributeSelection(SpreadAxis axis, const QString &step)
{
    if (m_document.currentPage && distributeFrames(selectedItems(), axis, m_document.currentPage->size))
        recordEdit(step);
}

void CReportPE::resetRotation()
{
    bool turned = false;
    for (ChartItem *frame : selectedItems()) {
        const QTransform before = frame->transform;
        const double angle = frame->rotation;
        resetFrameRotation(*frame);
        turned |= frame->transform != before || angle != frame->rotation;
    }
    if (turned) {
        recordEdit(tr("Reset Rotation"));
        emit selectionChanged(); // the angle row shows 0
    }
}

void CReportPE::fitToContent()
{
    bool resized = false;
    for (ChartItem *frame : selectedItems()) {
        if (!frame->content)
            continue;
        const QSizeF size = contentFitSize(*frame->content, m_data);
        if (size.isEmpty() || size == frameLocalRect(*frame).size())
            continue;
        setFrameLocalRect(*frame, QRectF(frameLocalRect(*frame).topLeft(), size));
        resized = true;
    }
    if (resized) {
        recordEdit(tr("Fit to Content"));
        emit selectionChanged(); // the size rows follow
    }
}

void CReportPE::contextMenuEvent(QContextMenuEvent *event)
{
    // The menu acts on what is under the pointer when that is not selected yet.
    if (m_document.currentPage) {
        ChartItem *hit = topmostItemAt(*m_document.currentPage, toPage(event->pos())); // viewport pixels
        const std::vector<ChartItem *> selection = selectedItems();
        if (hit && std::find(selection.begin(), selection.end(), hit) == selection.end())
            selectItem(hit);
    }
    QMenu menu(this);
    const bool any = !selectedItems().empty();
    for (QAction *action : arrangeActions()) {
        action->setEnabled(any);
        menu.addAction(action);
    }
    menu.exec(event->globalPos());
}

bool isTextLikeKind(int contentKind)
{
    return contentKind == ITEM_CAPTION_TEXT || contentKind == ITEM_TEXT_FIELD ||
           contentKind == ITEM_RECORD_IMAGE || contentKind == ITEM_RECORD_IMAGE_SET ||
           contentKind == ITEM_BARCODE;
}

static bool frameIsTextLike(const ChartItem &frame)
{
    return frame.content && isTextLikeKind(frame.content->type);
}

CReportPE::CReportPE(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    m_document.newDocument();
    m_document.zoom = NORMAL_ZOOM;
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAcceptDrops(true);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    horizontalScrollBar()->setSingleStep(SCROLL_SINGLE_STEP);
    verticalScrollBar()->setSingleStep(SCROLL_SINGLE_STEP);
    m_history = new ChartHistory(m_document, this);
    connect(m_history, &ChartHistory::restored, this, &CReportPE::historyRestored);
    updateScrollRanges();
}

void CReportPE::recordEdit(const QString &text, int mergeKey, const std::vector<int> *selectedBefore)
{
    m_history->record(text, selectedIndexes(), mergeKey, selectedBefore);
    viewport()->update();
    emit documentEdited();
}

void CReportPE::historyRestored()
{
    documentReplaced();
    selectIndexes(m_history->restoredSelection());
    emit documentRestored();
    emit documentEdited();
}

void CReportPE::OnUndo()
{
    m_history->stack()->undo();
}

void CReportPE::OnRedo()
{
    m_history->stack()->redo();
}

void CReportPE::documentReplaced()
{
    m_selected.clear();
    m_carried.clear();
    m_banding = false;
    m_drag = Drag::None;
    m_dragFrame = nullptr;
    m_pickOnRelease = nullptr;
    if (m_document.zoom < MIN_ZOOM || m_document.zoom > MAX_ZOOM)
        m_document.zoom = NORMAL_ZOOM;
    updateScrollRanges();
    viewport()->update();
    emit selectionChanged();
}

void CReportPE::setDataContext(const ChartDataContext &data)
{
    m_data = data;
    viewport()->update();
}

void CReportPE::setImagesFolder(const QString &folder)
{
    for (int i = 0; i < 3; ++i)
        m_handlePictures[i] = QImage(folder + QLatin1String(HANDLE_PICTURE_FILES[i]));
    viewport()->update();
}

// --- view ---

ChartRenderOptions CReportPE::renderOptions() const
{
    ChartRenderOptions options;
    options.boundaries = m_document.showBoundaries;
    if (m_document.showGrid) {
        options.gridStepX = 2 * m_document.gridStepX;
        options.gridStepY = 2 * m_document.gridStepY;
    }
    return options;
}

QTransform CReportPE::viewTransform() const
{
    QTransform view;
    view.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    view.scale(zoom(), zoom());
    return view;
}

QPointF CReportPE::toPage(const QPoint &viewportPoint) const
{
    return viewTransform().inverted().map(QPointF(viewportPoint));
}

QPoint CReportPE::toViewport(const QPointF &pagePoint) const
{
    return viewTransform().map(pagePoint).toPoint();
}

void CReportPE::setZoom(double zoom)
{
    m_document.zoom = std::clamp(zoom, MIN_ZOOM, MAX_ZOOM);
    updateScrollRanges();
    viewport()->update();
}

void CReportPE::updateScrollRanges()
{
    const ChartPage *page = m_document.currentPage;
    const QSizeF scaled = page ? page->size * zoom() : QSizeF();
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, int(std::ceil(scaled.width())) - view.width()));
    verticalScrollBar()->setRange(0, std::max(0, int(std::ceil(scaled.height())) - view.height()));
    horizontalScrollBar()->setPageStep(std::max(1, view.width() / 2));
    verticalScrollBar()->setPageStep(std::max(1, view.height() / 2));
}

void CReportPE::setZoomAbout(double zoom, const QPoint &viewportPoint)
{
    const QPointF anchor = toPage(viewportPoint);
    setZoom(zoom);
    const QPointF shown = viewTransform().map(anchor);
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + int(std::lround(shown.x() - viewportPoint.x())));
    verticalScrollBar()->setValue(verticalScrollBar()->value() + int(std::lround(shown.y() - viewportPoint.y())));
}

// Ctrl+wheel zooms about the pointer; the wheel alone scrolls.
void CReportPE::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier))
        return QAbstractScrollArea::wheelEvent(event);
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0)
        setZoomAbout(zoom() * std::pow(ZOOM_STEP, steps), event->position().toPoint());
    event->accept();
}

void CReportPE::OnZoomIn()
{
    setZoom(zoom() * ZOOM_STEP);
}

void CReportPE::OnZoomOut()
{
    setZoom(zoom() / ZOOM_STEP);
}

void CReportPE::OnZoomNormal()
{
    setZoom(NORMAL_ZOOM);
}

void CReportPE::OnGrid()
{
    m_document.showGrid = !m_document.showGrid;
    updateScrollRanges();
    viewport()->update();
}

void CReportPE::OnSnap()
{
    m_document.snapToGrid = !m_document.snapToGrid;
}

void CReportPE::OnBoundaries()
{
    m_document.showBoundaries = !m_document.showBoundaries;
    viewport()->update();
}

void CReportPE::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRanges();
}

void CReportPE::scrollContentsBy(int, int)
{
    viewport()->update();
}

// --- selection and stacking ---

std::vector<ChartItem *> CReportPE::selectedItems() const
{
    std::vector<ChartItem *> frames;
    const ChartPage *page = m_document.currentPage;
    if (!page)
        return frames;
    for (const auto &item : page->items) {
        if (std::find(m_selected.begin(), m_selected.end(), item.get()) != m_selected.end())
            frames.push_back(item.get());
    }
    return frames;
}

ChartItem *CReportPE::singleSelection() const
{
    const std::vector<ChartItem *> frames = selectedItems();
    return frames.size() == 1 ? frames.front() : nullptr;
}

void CReportPE::selectItem(ChartItem *frame)
{
    m_selected.clear();
    if (frame)
        m_selected.push_back(frame);
    viewport()->update();
    emit selectionChanged();
}

std::vector<int> CReportPE::selectedIndexes() const
{
    std::vector<int> indexes;
    const ChartPage *page = m_document.currentPage;
    if (!page)
        return indexes;
    for (size_t i = 0; i < page->items.size(); ++i) {
        if (std::find(m_selected.begin(), m_selected.end(), page->items[i].get()) != m_selected.end())
            indexes.push_back(int(i));
    }
    return indexes;
}

void CReportPE::selectIndexes(const std::vector<int> &indexes)
{
    m_selected.clear();
    if (const ChartPage *page = m_document.currentPage) {
        for (const int index : indexes) {
            if (index >= 0 && size_t(index) < page->items.size())
                m_selected.push_back(page->items[size_t(index)].get());
        }
    }
    viewport()->update();
    emit selectionChanged();
}

void CReportPE::selectAll()
{
    std::vector<int> all;
    if (const ChartPage *page = m_document.currentPage) {
        for (size_t i = 0; i < page->items.size(); ++i)
            all.push_back(int(i));
    }
    selectIndexes(all);
}

// --- clipboard ---

void CReportPE::copySelection()
{
    const std::vector<ChartItem *> frames = selectedItems();
    if (frames.empty())
        return;
    auto *data = new QMimeData;
    data->setData(QLatin1String(ELEMENTS_MIME), elementsToBytes(frames));
    QApplication::clipboard()->setMimeData(data);
}

void CReportPE::cutSelection()
{
    const std::vector<ChartItem *> frames = selectedItems();
    if (frames.empty() || !m_document.currentPage)
        return;
    copySelection();
    const std::vector<int> cut = selectedIndexes();
    removeItems(*m_document.currentPage, frames);
    m_selected.clear();
    emit selectionChanged();
    recordEdit(tr("Cut"), ChartHistory::NO_MERGE, &cut);
}

void CReportPE::paste()
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(QLatin1String(ELEMENTS_MIME)))
        return;
    const QByteArray bytes = data->data(QLatin1String(ELEMENTS_MIME));
    m_pasteCount = bytes == m_lastPasted ? m_pasteCount + 1 : 1;
    m_lastPasted = bytes;
    pasteElements(elementsFromBytes(bytes, m_document.blocks), tr("Paste"));
}

void CReportPE::duplicateSelection()
{
    std::vector<std::unique_ptr<ChartItem>> copies;
    for (const ChartItem *frame : selectedItems())
        copies.push_back(copyElement(*frame));
    m_pasteCount = 1;
    m_lastPasted.clear();
    pasteElements(std::move(copies), tr("Duplicate"));
}

void CReportPE::pasteElements(std::vector<std::unique_ptr<ChartItem>> frames, const QString &text)
{
    ChartPage *page = m_document.currentPage;
    if (!page || frames.empty())
        return;
    const double offset = PASTE_OFFSET * m_pasteCount;
    m_selected.clear();
    for (auto &frame : frames) {
        const QRectF bounds = keepInsidePage(frameBounds(*frame).translated(offset, offset), page->size);
        moveFrameBoundsTo(*frame, bounds.topLeft());
        m_selected.push_back(page->addItem(std::move(frame)));
    }
    emit selectionChanged();
    recordEdit(text);
}

void CReportPE::moveToFrontSelItems()
{
    if (!m_document.currentPage || selectedItems().empty())
        return;
    const std::vector<int> acted = selectedIndexes();
    moveItemsToFront(*m_document.currentPage, selectedItems());
    recordEdit(tr("Bring to Front"), ChartHistory::NO_MERGE, &acted);
}

void CReportPE::moveToBackSelItems()
{
    if (!m_document.currentPage || selectedItems().empty())
        return;
    const std::vector<int> acted = selectedIndexes();
    moveItemsToBack(*m_document.currentPage, selectedItems());
    recordEdit(tr("Send to Back"), ChartHistory::NO_MERGE, &acted);
}

ChartItem *CReportPE::createElementAt(std::unique_ptr<ChartItem> content, const QPoint &viewportPoint)
{
    ChartPage *page = m_document.currentPage;
    if (!page || !content)
        return nullptr;
    const QPointF point = placementInsidePage(toPage(viewportPoint), content->size, page->size);
    ChartItem *frame = page->addItem(makeElement(std::move(content), point));
    selectItem(frame);
    recordEdit(tr("Add"));
    return frame;
}

bool CReportPE::deleteSelItems()
{
    const std::vector<ChartItem *> frames = selectedItems();
    if (frames.empty())
        return false;
    if (!askDesignerQuestion(this, tr("Question"),
                             tr("Are You sure?\r\nDo You want to delete selected item?")))
        return false;
    const std::vector<int> deleted = selectedIndexes();
    removeItems(*m_document.currentPage, frames);
    m_selected.clear();
    emit selectionChanged();
    recordEdit(tr("Delete"), ChartHistory::NO_MERGE, &deleted);
    return true;
}

// --- handle zones ---

QRectF CReportPE::zoneRect(int zone) const
{
    const ChartItem *frame = singleSelection();
    if (!frame || zone < 0 || zone >= ZONE_COUNT)
        return QRectF();
    const QRectF b = frameBounds(*frame);
    const double s = HANDLE_PIXELS / zoom();
    const double p = PICTURE_PIXELS / zoom();
    const auto square = [s](const QPointF &centre) {
        return QRectF(centre.x() - s / 2, centre.y() - s / 2, s, s);
    };
    const auto picture = [p](const QPointF &centre) {
        return QRectF(centre.x() - p / 2, centre.y() - p / 2, p, p);
    };
    const QPointF c = b.center();
    // On an element too small to show through them, the pictures stand in
    // a row below it (above it at the page's foot), off its content.
    if (zone >= ROTATE_ZONE && picturesOutside(b)) {
        const double gap = (HANDLE_PIXELS + PICTURE_PIXELS / 2.0 + 4) / zoom();
        const double pageHeight = m_document.currentPage ? m_document.currentPage->size.height() : 0.0;
        const double y = b.bottom() + gap + p / 2 <= pageHeight ? b.bottom() + gap : b.top() - gap;
        const double step = p * 1.2;
        // Move, rotate, scale from left to right.
        const double shift = zone == MOVE_PICTURE_ZONE ? -step : zone == ROTATE_ZONE ? 0.0 : step;
        return picture(QPointF(c.x() + shift, y));
    }
    switch (zone) {
    case 0:
        return square(b.topLeft());
    case 1:
        return square(b.topRight());
    case 2:
        return square(b.bottomLeft());
    case 3:
        return square(b.bottomRight());
    case 4:
        return square(QPointF(b.left(), c.y()));
    case 5:
        return square(QPointF(b.right(), c.y()));
    case 6:
        return square(QPointF(c.x(), b.bottom()));
    case MOVE_STRIP_ZONE:
        return QRectF(b.left() + s / 2, b.top() - s / 2, std::max(0.0, b.width() - s), s);
    case ROTATE_ZONE:
        return picture(c);
    case MOVE_PICTURE_ZONE:
        return picture(QPointF(c.x() - b.width() / 4, c.y()));
    default:
        return picture(QPointF(c.x() + b.width() / 4, c.y()));
    }
}

bool CReportPE::picturesOutside(const QRectF &bounds) const
{
    const QSizeF pixels = bounds.size() * zoom();
    return pixels.width() < SMALL_ELEMENT_WIDTH || pixels.height() < SMALL_ELEMENT_HEIGHT;
}

int CReportPE::hitZone(const QPointF &pagePoint) const
{
    if (!singleSelection())
        return -1;
    // The squares win over the strip they touch, and both over the pictures
    // that may reach the edges of a small element.
    for (int zone :
         {0, 1, 2, 3, 4, 5, 6, MOVE_STRIP_ZONE, ROTATE_ZONE, MOVE_PICTURE_ZONE, SCALE_PICTURE_ZONE}) {
        if (zoneRect(zone).contains(pagePoint))
            return zone;
    }
    return -1;
}

// --- mouse ---

void CReportPE::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_document.currentPage)
        return;
    setFocus(Qt::MouseFocusReason);
    const QPointF point = toPage(event->pos());
    const int zone = hitZone(point);
    if (zone >= 0) {
        m_dragZone = zone;
        const bool moves = zone == MOVE_STRIP_ZONE || zone == MOVE_PICTURE_ZONE;
        startDrag(singleSelection(),
                  moves                 ? Drag::Move
                  : zone == ROTATE_ZONE ? Drag::Rotate
                                        : Drag::Resize,
                  point);
        return;
    }
    ChartItem *hit = topmostItemAt(*m_document.currentPage, point);
    // Shift or Ctrl toggles the element in the selection.
    if (hit && (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))) {
        const auto found = std::find(m_selected.begin(), m_selected.end(), hit);
        if (found != m_selected.end())
            m_selected.erase(found);
        else
            m_selected.push_back(hit);
        viewport()->update();
        emit selectionChanged();
        return;
    }
    // Empty page: a rubber band selects what it touches.
    if (!hit) {
        selectItem(nullptr);
        m_banding = true;
        m_bandStart = m_bandEnd = point;
        return;
    }
    // Pressing on an element's body also picks it up (with the rest of the
    // selection when it is part of one), as the move strip does.
    const std::vector<ChartItem *> selection = selectedItems();
    const bool inGroup =
        selection.size() >= 2 && std::find(selection.begin(), selection.end(), hit) != selection.end();
    if (!inGroup)
        selectItem(hit);
    // A click that moves nothing picks that element out of the group.
    m_pickOnRelease = inGroup ? hit : nullptr;
    m_dragZone = MOVE_STRIP_ZONE;
    startDrag(hit, Drag::Move, point);
    m_carried.clear();
    for (ChartItem *frame : selectedItems()) {
        if (frame != hit)
            m_carried.emplace_back(frame, frame->transform);
    }
}

void CReportPE::startDrag(ChartItem *frame, Drag mode, const QPointF &mouse)
{
    m_drag = mode;
    m_dragFrame = frame;
    m_dragChanged = false;
    m_start.transform = frame->transform;
    m_start.rotation = frame->rotation;
    m_start.shape = frame->shape;
    m_start.contentSize = frame->content ? frame->content->size : QSizeF();
    m_start.bounds = frameBounds(*frame);
    m_start.mouse = mouse;
    if (mode != Drag::Resize)
        viewport()->setCursor(Qt::ClosedHandCursor);
}

void CReportPE::restoreDragStart(ChartItem &frame) const
{
    frame.transform = m_start.transform;
    frame.rotation = m_start.rotation;
    frame.shape = m_start.shape;
    if (frame.content)
        frame.content->size = m_start.contentSize;
}

void CReportPE::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF point = toPage(event->pos());
    if (m_banding && (event->buttons() & Qt::LeftButton)) {
        m_bandEnd = point;
        viewport()->update();
        return;
    }
    if (m_drag == Drag::None || !m_dragFrame || !(event->buttons() & Qt::LeftButton)) {
        updateCursor(point);
        return;
    }
    if (point == m_start.mouse && !m_dragChanged)
        return;
    switch (m_drag) {
    case Drag::Move:
        dragMove(point);
        break;
    case Drag::Resize:
        dragResize(point);
        break;
    case Drag::Rotate:
        dragRotate(point);
        break;
    case Drag::None:
        break;
    }
    m_dragChanged = true;
    viewport()->update();
}

void CReportPE::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_banding) {
        m_banding = false;
        const QRectF band = QRectF(m_bandStart, m_bandEnd).normalized();
        m_selected.clear();
        if (m_document.currentPage && band.width() > 0 && band.height() > 0) {
            for (const auto &frame : m_document.currentPage->items) {
                if (frameBounds(*frame).intersects(band))
                    m_selected.push_back(frame.get());
            }
        }
        viewport()->update();
        emit selectionChanged();
        return;
    }
    const Drag drag = m_drag;
    const bool changed = m_drag != Drag::None && m_dragChanged;
    m_drag = Drag::None;
    m_dragFrame = nullptr;
    m_carried.clear();
    ChartItem *picked = m_pickOnRelease;
    m_pickOnRelease = nullptr;
    if (picked && !changed)
        selectItem(picked);
    updateCursor(toPage(event->pos()));
    if (changed) {
        recordEdit(drag == Drag::Move ? tr("Move") : drag == Drag::Resize ? tr("Resize") : tr("Rotate"));
        emit selectionChanged(); // the property table shows the new geometry
    }
}

void CReportPE::dragMove(const QPointF &mouse)
{
    QRectF bounds = m_start.bounds.translated(mouse - m_start.mouse);
    if (m_document.snapToGrid)
        bounds.moveTopLeft(snapPoint(bounds.topLeft(), m_document.gridStepX, m_document.gridStepY));
    bounds = keepInsidePage(bounds, m_document.currentPage->size);
    moveFrameBoundsTo(*m_dragFrame, bounds.topLeft());
    // The rest of the selection follows the gripped element, each kept on the page.
    const QPointF total = bounds.topLeft() - m_start.bounds.topLeft();
    for (auto &[frame, start] : m_carried) {
        frame->transform = start;
        const QRectF moved = keepInsidePage(frameBounds(*frame).translated(total), m_document.currentPage->size);
        moveFrameBoundsTo(*frame, moved.topLeft());
    }
}

void CReportPE::dragResize(const QPointF &mouse)
{
    restoreDragStart(*m_dragFrame);
    // The mouse's movement in the element's own coordinates moves the
    // dragged edges, so a handle gripped off its centre does not jump.
    const QTransform toLocal = m_start.transform.inverted();
    const QPointF shift = toLocal.map(mouse) - toLocal.map(m_start.mouse);
    const int zone = m_dragZone == SCALE_PICTURE_ZONE ? 3 : m_dragZone;
    const ZoneEdges &edges = RESIZE_EDGES[zone];
    const QRectF start = m_start.shape.boundingRect();
    QRectF rect = start;
    if (edges.left)
        rect.setLeft(std::min(start.left() + shift.x(), start.right()));
    if (edges.right)
        rect.setRight(std::max(start.right() + shift.x(), start.left()));
    if (edges.top)
        rect.setTop(std::min(start.top() + shift.y(), start.bottom()));
    if (edges.bottom)
        rect.setBottom(std::max(start.bottom() + shift.y(), start.top()));
    // Pictures and charts keep their proportions at a corner: the larger of
    // the two stretches wins, and the dragged edges follow it.
    if (isCornerZone(m_dragZone) && !frameIsTextLike(*m_dragFrame) && start.width() > 0 &&
        start.height() > 0) {
        const double factor = std::max(rect.width() / start.width(), rect.height() / start.height());
        const QSizeF size = start.size() * factor;
        rect.setWidth(size.width());
        rect.setHeight(size.height());
        if (edges.left)
            rect.moveRight(start.right());
        if (edges.top)
            rect.moveBottom(start.bottom());
    }
    setFrameLocalRect(*m_dragFrame, rect);
}

void CReportPE::dragRotate(const QPointF &mouse)
{
    // The rotation picture sits on the centre, too close to it for the
    // mouse's angle to mean much: the drag works a lever instead, as if the
    // press had been ROTATION_LEVER_PIXELS right of the centre. Dragging
    // down turns clockwise; circling the centre turns all the way round.
    restoreDragStart(*m_dragFrame);
    const QPointF lever = QPointF(ROTATION_LEVER_PIXELS / zoom(), 0) + (mouse - m_start.mouse);
    if (qFuzzyIsNull(lever.x()) && qFuzzyIsNull(lever.y()))
        return;
    double turn = angleOf(lever);
    if (frameIsTextLike(*m_dragFrame)) {
        const double target = std::round((m_start.rotation + turn) / TEXT_TURN_STEP) * TEXT_TURN_STEP;
        turn = target - m_start.rotation;
    }
    rotateFrame(*m_dragFrame, turn);
}

void CReportPE::updateCursor(const QPointF &pagePoint)
{
    viewport()->setCursor(zoneCursor(hitZone(pagePoint)));
}

// --- keyboard ---

void CReportPE::nudgeSelection(double dx, double dy)
{
    const std::vector<ChartItem *> frames = selectedItems();
    if (frames.empty())
        return;
    for (ChartItem *frame : frames) {
        const QRectF bounds =
            keepInsidePage(frameBounds(*frame).translated(dx, dy), m_document.currentPage->size);
        moveFrameBoundsTo(*frame, bounds.topLeft());
    }
    recordEdit(tr("Nudge"), ChartHistory::MERGE_NUDGE);
}

void CReportPE::keyPressEvent(QKeyEvent *event)
{
    // The arrows nudge by one unit, with Shift by ten.
    const double step = event->modifiers() & Qt::ShiftModifier ? NUDGE_FAR : NUDGE_NEAR;
    const double stepX = step;
    const double stepY = step;
    const bool control = event->modifiers() & Qt::ControlModifier;
    // Undo, redo and the clipboard.
    if (event->matches(QKeySequence::Undo))
        return OnUndo();
    if (event->matches(QKeySequence::Redo) ||
        (control && event->key() == Qt::Key_Y && !(event->modifiers() & Qt::ShiftModifier)))
        return OnRedo();
    if (event->matches(QKeySequence::SelectAll))
        return selectAll();
    if (event->matches(QKeySequence::Copy))
        return copySelection();
    if (event->matches(QKeySequence::Cut))
        return cutSelection();
    if (event->matches(QKeySequence::Paste))
        return paste();
    if (control && event->key() == Qt::Key_D)
        return duplicateSelection();
    switch (event->key()) {
    case Qt::Key_Left:
        nudgeSelection(-stepX, 0);
        break;
    case Qt::Key_Right:
        nudgeSelection(stepX, 0);
        break;
    case Qt::Key_Up:
        nudgeSelection(0, -stepY);
        break;
    case Qt::Key_Down:
        nudgeSelection(0, stepY);
        break;
    case Qt::Key_Delete:
        deleteSelItems();
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        if (!control)
            return QAbstractScrollArea::keyPressEvent(event);
        OnZoomIn();
        break;
    case Qt::Key_Minus:
        if (!control)
            return QAbstractScrollArea::keyPressEvent(event);
        OnZoomOut();
        break;
    case Qt::Key_0:
        if (!control)
            return QAbstractScrollArea::keyPressEvent(event);
        OnZoomNormal();
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

// --- drops from the fields list ---

// The drags the canvas takes: fields-list entries and pane thumbnails.
static bool isAcceptedDrag(const QMimeData *data)
{
    return data->hasFormat(QLatin1String(FIELDS_LIST_MIME)) ||
           data->hasFormat(QLatin1String(PageDrag::MIME_TYPE));
}

void CReportPE::dragEnterEvent(QDragEnterEvent *event)
{
    if (isAcceptedDrag(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void CReportPE::dragMoveEvent(QDragMoveEvent *event)
{
    if (isAcceptedDrag(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void CReportPE::dropEvent(QDropEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (!isAcceptedDrag(data)) {
        event->ignore();
        return;
    }
    // A thumbnail is placed as a copy: the pane keeps its entry.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // The keyboard comes along, so the editing keys act on what was dropped.
    activateWindow();
    setFocus(Qt::OtherFocusReason);
    if (data->hasFormat(QLatin1String(PageDrag::MIME_TYPE)))
        emit pageDropped(event->pos(), data->data(QLatin1String(PageDrag::MIME_TYPE)));
    else
        emit itemDropped(event->pos());
}

// --- painting ---

void CReportPE::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), QColor(0x5a5048));
    const ChartPage *page = m_document.currentPage;
    if (!page)
        return;
    painter.save();
    painter.setTransform(viewTransform());
    painter.fillRect(QRectF(QPointF(0, 0), page->size), Qt::white);
    drawChartPage(painter, *page, m_data, renderOptions());
    painter.restore();
    if (const ChartItem *frame = singleSelection()) {
        paintHandles(painter, *frame);
    } else {
        // Several selected: each one's outline, no handles.
        painter.save();
        painter.setPen(QPen(QColor(0x9cb62d), 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        for (const ChartItem *selected : selectedItems())
            painter.drawPolygon(viewTransform().map(selected->transform.map(QPolygonF(frameLocalRect(*selected)))));
        painter.restore();
    }
    if (m_banding) {
        painter.setPen(QPen(QColor(0x2d241f), 1, Qt::DotLine));
        painter.setBrush(QColor(0xb2, 0xcd, 0x3c, 60));
        painter.drawRect(viewTransform().mapRect(QRectF(m_bandStart, m_bandEnd).normalized()));
    }
}

void CReportPE::paintHandles(QPainter &painter, const ChartItem &frame) const
{
    // Drawn in viewport pixels, so the handles keep their size at any zoom.
    const QTransform view = viewTransform();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPen outline(QColor(0x9cb62d), 1, Qt::DashLine);
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(view.map(frame.transform.map(QPolygonF(frameLocalRect(frame)))));
    painter.setPen(QPen(QColor(0x2d241f), 1));
    painter.setBrush(QColor(0xb2cd3c));
    for (int zone = 0; zone <= 6; ++zone)
        painter.drawRect(view.mapRect(zoneRect(zone)).adjusted(0.5, 0.5, -0.5, -0.5));
    // The pictures let a little of a small element show through them.
    painter.setOpacity(0.8);
    const int pictureZones[] = {MOVE_PICTURE_ZONE, ROTATE_ZONE,
                                SCALE_PICTURE_ZONE}; // as the files are listed
    for (int i = 0; i < 3; ++i) {
        const QRectF target = view.mapRect(zoneRect(pictureZones[i]));
        const QImage &picture = m_handlePictures[i];
        if (!picture.isNull())
            painter.drawImage(target, picture);
        else
            painter.drawEllipse(target.adjusted(3, 3, -3, -3));
    }
    painter.restore();
}
