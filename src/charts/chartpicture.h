#pragma once

// The chart picture: a template's page drawn with a person's numbers, as
// the chart page's board shows it, "Save Report" saves it and the combined
// PDF prints it.
//
//   size       the first page in units / 1.334, cut to whole pixels; a
//              request of 0 x 0 (the export) takes four times that, any
//              other request the largest size that fits it, aspect kept
//   page walk  every page of every list in order is drawn onto a fresh
//              white picture, fitted to it; the walk stops after the
//              first page holding a caption text, record image or barcode
//              (kinds 5, 7, 10), so a single-page template gives its page

#include "chartdatacontext.h"

#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>

class ChartDocument;

// Document units per pixel of the chart picture.
constexpr double UNITS_PER_PICTURE_PIXEL = 1.334;
// The export draws the page at four times its size in pixels.
constexpr int EXPORT_PICTURE_FACTOR = 4;
// A picture larger than this (pages of several square metres at the
// export's scale) is scaled down, aspect kept, so it can be allocated.
constexpr qint64 MAX_CHART_PICTURE_PIXELS = 36 * 1000 * 1000;

// The picture size for a page of pageUnits and a requested size; empty
// when nothing can be drawn (a request with one side 0 or less).
QSize chartPictureSize(const QSizeF &pageUnits, const QSize &requested);

// The picture of document: a 10 x 10 white picture when it has no current
// page; null when the size is empty.
QImage renderChartPicture(const ChartDocument &document, const ChartDataContext &data,
                          const QSize &requested);

// Reads the template at path (readChartTemplate) and draws its picture.
// Null when the file cannot be read or is refused; error then says why.
QImage chartPictureFromFile(const QString &path, const ChartDataContext &data, const QSize &requested,
                            QString *error = nullptr);
