#pragma once

// The designer's page canvas: shows the current page of its chart document
// at a zoom, and lets the user select, move, resize, rotate, restack and
// delete elements with the mouse and the keyboard.
//
// Positions: the viewport shows the page scaled by the zoom and shifted by
// the scroll bars (viewTransform); every mouse position is mapped back into
// page units (a quarter millimetre) before anything uses it.
//
// Handles of a single selected element, computed from its transformed
// bounds (on an element small on screen, 8 to 10 stand in a row below it):
//
//    0 ---- 7 (move strip) ---- 1        0..3  corner squares (resize)
//    |                          |        4, 5  left, right edge (resize)
//    4    9 (move)  8  10       5        6     bottom edge (resize)
//    |       (rotate) (scale)   |        7     top strip (move)
//    2 ---------- 6 ----------- 3        8..10 handle pictures in the middle
//
// Captions, text fields, record images and barcodes resize freely and turn
// in steps of 15 degrees, so text stays easy to line up; charts, pictures
// and block views keep their proportions at the corners and turn freely.

#include "charts/chartdocument.h"
#include "charts/chartediting.h"
#include "charts/chartrenderer.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QPainterPath>
#include <QTransform>

#include <memory>
#include <vector>

class ChartHistory;
class QAction;

class CReportPE : public QAbstractScrollArea
{
    Q_OBJECT
public:
    static constexpr double NORMAL_ZOOM = 0.75;
    static constexpr double MIN_ZOOM = 0.2;
    static constexpr double MAX_ZOOM = 2.0;
    static constexpr double ZOOM_STEP = 1.1;
    static constexpr int HANDLE_PIXELS = 8;   // the resize squares, on screen
    static constexpr int PICTURE_PIXELS = 20; // the handle pictures, on screen
    // An element smaller than this on screen (pixels) has its handle
    // pictures outside it: inside, the three would hide much of its content.
    static constexpr int SMALL_ELEMENT_WIDTH = 10 * PICTURE_PIXELS;
    static constexpr int SMALL_ELEMENT_HEIGHT = 5 * PICTURE_PIXELS;
    static constexpr double TEXT_TURN_STEP = 15.0;
    static constexpr int ZONE_COUNT = 11;
    // The arrow keys move the selection this far (units), with Shift further.
    static constexpr double NUDGE_NEAR = 1.0;
    static constexpr double NUDGE_FAR = 10.0;

    explicit CReportPE(QWidget *parent = nullptr);

    ChartDocument &document() { return m_document; }
    const ChartDocument &document() const { return m_document; }
    // The person data the page is drawn with.
    const ChartDataContext &dataContext() const { return m_data; }
    void setDataContext(const ChartDataContext &data);
    // Call after the document was replaced or read: drops the selection,
    // resets the scroll ranges and repaints.
    void documentReplaced();
    // Every change to the document is recorded here as one step.
    ChartHistory *history() const { return m_history; }
    // Records the change just made to the document as one undo step named
    // text, repaints and tells documentEdited().
    // selectedBefore: what the action acted on, selected again by its undo.
    void recordEdit(const QString &text, int mergeKey = -1, const std::vector<int> *selectedBefore = nullptr);

    double zoom() const { return m_document.zoom; }
    // Where the handle pictures ("move-s.png", "rotate-s.png", "scale-s.png") are.
    void setImagesFolder(const QString &folder);

    // The options the page is drawn with: outlines from the document's
    // boundaries setting, a grid of twice its steps when its grid is shown.
    ChartRenderOptions renderOptions() const;
    // Page units to viewport pixels, and back.
    QTransform viewTransform() const;
    QPointF toPage(const QPoint &viewportPoint) const;
    QPoint toViewport(const QPointF &pagePoint) const;

    // The selected frame items of the current page, back to front.
    std::vector<ChartItem *> selectedItems() const;
    // Selects frame alone (null clears the selection).
    void selectItem(ChartItem *frame);
    // The selection as indexes into the current page's items, and back.
    std::vector<int> selectedIndexes() const;
    void selectIndexes(const std::vector<int> &indexes);

    // The handle zone (0 to 10) of the single selected element under a page
    // point, or -1; and the rectangle of a zone in page units.
    int hitZone(const QPointF &pagePoint) const;
    QRectF zoneRect(int zone) const;
    // True when the handle pictures of an element with these bounds stand
    // outside it (it is small on screen at the zoom).
    bool picturesOutside(const QRectF &bounds) const;

    // Appends an element with content to the current page, its top-left at
    // the viewport point, pulled inside the page; selects it. Returns the
    // frame, or null without a page or content.
    ChartItem *createElementAt(std::unique_ptr<ChartItem> content, const QPoint &viewportPoint);
    // Deletes the selected elements after asking; true when some were deleted.
    bool deleteSelItems();

    // The clipboard's format: the element records of a template page.
    static const char ELEMENTS_MIME[];

    QSize sizeHint() const override { return QSize(550, 500); }
    QSize minimumSizeHint() const override { return QSize(300, 200); }

signals:
    // A fields-list entry was dropped at a viewport point.
    void itemDropped(const QPoint &position);
    // A thumbnail from the pages-and-blocks pane was dropped at a viewport
    // point (its PageDrag data).
    void pageDropped(const QPoint &position, const QByteArray &drag);
    void selectionChanged();
    // Something in the document changed (elements moved, added, deleted).
    void documentEdited();

public slots:
    void OnZoomIn();
    void OnZoomOut();
    void OnZoomNormal();
    void OnGrid();
    void OnSnap();
    void OnBoundaries();
    void moveToFrontSelItems();
    void moveToBackSelItems();
    void OnUndo();
    void OnRedo();
    // Every element of the current page.
    void selectAll();
    // The clipboard: the selected elements as records of our own type.
    void copySelection();
    void cutSelection();
    void paste();
    // A copy of the selection beside it, selected.
    void duplicateSelection();
    // Each one undo step, taken only when something moved; step names it.
    void alignSelection(AlignLine line, const QString &step);
    void distributeSelection(SpreadAxis axis, const QString &step);
    // The selected elements upright again.
    void resetRotation();
    // The selected elements at the size their content wants (text as large
    // as its text, a QR Code square, a picture in its proportions, ...).
    void fitToContent();

public:
    // "Align Left" ... "Fit to Content", with separators: the toolbar's
    // "Arrange" menu and the context menu show these.
    QList<QAction *> arrangeActions();
    // The arrange action with this text, or null.
    QAction *arrangeAction(const QString &text);

signals:
    // An undo or redo replaced the document (after the editor showed it).
    void documentRestored();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    enum class Drag { None, Move, Resize, Rotate };

    // The frame state remembered when a drag starts.
    struct DragStart
    {
        QTransform transform;
        double rotation = 0.0;
        QPainterPath shape;
        QSizeF contentSize;
        QRectF bounds;
        QPointF mouse; // page units
    };

    void setZoom(double zoom);
    // Sets the zoom keeping the page point under the viewport point where it is.
    void setZoomAbout(double zoom, const QPoint &viewportPoint);
    void historyRestored();
    // Appends copies of frames to the current page, offset so they show, and selects them.
    void pasteElements(std::vector<std::unique_ptr<ChartItem>> frames, const QString &text);
    void updateScrollRanges();
    ChartItem *singleSelection() const;
    void startDrag(ChartItem *frame, Drag mode, const QPointF &mouse);
    void restoreDragStart(ChartItem &frame) const;
    void dragMove(const QPointF &mouse);
    void dragResize(const QPointF &mouse);
    void dragRotate(const QPointF &mouse);
    void nudgeSelection(double dx, double dy);
    void updateCursor(const QPointF &pagePoint);
    void paintHandles(QPainter &painter, const ChartItem &frame) const;

    ChartDocument m_document;
    ChartHistory *m_history = nullptr;
    ChartDataContext m_data;
    std::vector<ChartItem *> m_selected;
    Drag m_drag = Drag::None;
    int m_dragZone = -1;
    ChartItem *m_dragFrame = nullptr;
    DragStart m_start;
    // The other selected frames a move carries along, with their transforms at the start.
    std::vector<std::pair<ChartItem *, QTransform>> m_carried;
    // Pastes of the same clipboard in a row go one offset further each.
    int m_pasteCount = 0;
    QByteArray m_lastPasted;
    // A press on empty page starts a rubber band from here (page units).
    bool m_banding = false;
    QPointF m_bandStart;
    QPointF m_bandEnd;
    bool m_dragChanged = false;
    // The element of a group selection a press landed on, selected alone
    // when the release comes without a move.
    ChartItem *m_pickOnRelease = nullptr;
    QImage m_handlePictures[3]; // move, rotate, scale
    QList<QAction *> m_arrangeActions;
};

// True for the kinds that hold text (captions, text fields, record images,
// record image sets, barcodes): they resize and turn their own way.
bool isTextLikeKind(int contentKind);
