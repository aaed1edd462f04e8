#pragma once

// New elements as the designer creates them from its fields list: the
// content kind, size, caption, code and flags of each entry, and the frame
// that places it on a page. The shipped templates are built the same way.

#include "chartdocument.h"

// The content of a new element for an entry of the fields list ("Name",
// "Psychomatrix", "Full Name", "Numerologist", "Text", "Bar Codes", ...);
// null for an entry this table does not hold ("Image" needs its picture:
// makePictureContent).
std::unique_ptr<ChartItem> makeFieldContent(const QString &entry);

// A picture element's content showing image at size units.
std::unique_ptr<ChartItem> makePictureContent(const QImage &image, const QSizeF &size);

// A block view showing block: its thumbnail refreshed (with document's
// data), at the block's size. Its code names the block, for the designer.
std::unique_ptr<ChartItem> makeBlockViewContent(const ChartDocument &document, ChartPage &block);

// A frame owning content, its shape the content's rectangle, its top-left
// corner at position.
std::unique_ptr<ChartItem> makeElement(std::unique_ptr<ChartItem> content, const QPointF &position);
