#pragma once

// The geometry of editing a chart page: which element lies under a point,
// and moving, resizing, rotating and restacking elements. The designer's
// page editor calls these with page units; they know nothing of widgets, so
// the tests run them without a display.
//
// A frame's transform maps its local rectangle (0, 0) to (width, height),
// its shape, onto the page. Every change here is composed with the old
// transform, so whatever scale or rotation a template carries is kept:
// moving translates on the page, resizing moves edges in the element's own
// coordinates, rotating turns about the element's own centre.

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <memory>
#include <vector>

struct ChartItem;
struct ChartPage;

// The element's local rectangle (its shape's bounds).
QRectF frameLocalRect(const ChartItem &frame);
// The axis-parallel rectangle the transformed element covers on the page.
QRectF frameBounds(const ChartItem &frame);
// The element's centre on the page.
QPointF frameCentre(const ChartItem &frame);

// The topmost frame item (last drawn) whose transformed shape contains
// point, or null.
ChartItem *topmostItemAt(const ChartPage &page, const QPointF &point);

// point rounded to the nearest multiple of the steps (a step below 1 leaves
// that coordinate alone).
QPointF snapPoint(const QPointF &point, double stepX, double stepY);
// rect shifted back inside a page of size where it sticks out on the left,
// right, top or bottom (the left and top edges win for a rectangle larger
// than the page).
QRectF keepInsidePage(const QRectF &rect, const QSizeF &page);
// Where a new element of size placed with its top-left at point goes:
// moved left to page width - width - 1 and up to page height - height - 1
// where it would stick out.
QPointF placementInsidePage(const QPointF &point, const QSizeF &size, const QSizeF &page);

// Moves the frame so that its bounds' top-left corner lands on topLeft.
void moveFrameBoundsTo(ChartItem &frame, const QPointF &topLeft);
// Gives the frame (and its content) the local rectangle rect: the frame is
// shifted by rect's top-left in its own coordinates, its shape and the
// content's size become rect's size. Sizes below minimum are raised to it.
void setFrameLocalRect(ChartItem &frame, const QRectF &rect, double minimum = 4.0);
// Turns the frame by degrees about its centre and adds them to its
// rotation angle (kept within -360 to 360).
void rotateFrame(ChartItem &frame, double degrees);

// Turns the frame back to upright about its centre: whatever angle its
// transform carries (a template's too) is taken out, its scale kept, and
// its rotation angle becomes 0.
void resetFrameRotation(ChartItem &frame);

// --- aligning and distributing ---------------------------------------------

// The lines a selection lines up on: the left, centre or right of the
// bounds, their top, middle or bottom.
enum class AlignLine { Left, Centre, Right, Top, Middle, Bottom };
enum class SpreadAxis { Horizontal, Vertical };

// Lines the frames' bounds up on line: two or more against the bounds of
// all of them together, a single frame against the page (a rectangle of
// size page at the origin). Returns true when a frame moved.
bool alignFrames(const std::vector<ChartItem *> &frames, AlignLine line, const QSizeF &page);
// Spreads the frames along axis so that the gaps between neighbouring
// bounds are equal; the outermost two stay where they are. A single frame
// gets equal space before and after it on the page (it is centred); two
// frames have nothing between them to spread. Returns true when a frame
// moved.
bool distributeFrames(const std::vector<ChartItem *> &frames, SpreadAxis axis, const QSizeF &page);

// Restacking: the listed frames keep their order among themselves.
void moveItemsToFront(ChartPage &page, const std::vector<ChartItem *> &frames);
void moveItemsToBack(ChartPage &page, const std::vector<ChartItem *> &frames);
// Removes the listed frames (with their content) from the page; returns
// how many were removed.
int removeItems(ChartPage &page, const std::vector<ChartItem *> &frames);
// True when frame is one of page's frame items.
bool pageHoldsItem(const ChartPage &page, const ChartItem *frame);

// --- copies: undo steps and the clipboard --------------------------------

class ChartDocument;
class QByteArray;
using ChartPageList = std::vector<std::unique_ptr<ChartPage>>;

// A deep copy of frame and its content; a block view goes on showing the
// block it shows.
std::unique_ptr<ChartItem> copyElement(const ChartItem &frame);
// A deep copy of the document, settings, pages and blocks: block views
// show the copy's blocks, and the copy's current page is the one at the
// same place.
ChartDocument copyDocument(const ChartDocument &document);

// The clipboard's records: frames written as the items of one template
// page (the template file's own item records).
QByteArray elementsToBytes(const std::vector<ChartItem *> &frames);
// The frames in bytes made by elementsToBytes, none for anything else. A
// block view shows the block of blocks named by its code; one whose block
// is not there is left out.
std::vector<std::unique_ptr<ChartItem>> elementsFromBytes(const QByteArray &bytes, const ChartPageList &blocks);
