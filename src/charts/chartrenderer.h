#pragma once

// Drawing chart pages with a person's numbers.
//
// Every function draws in page units (quarter millimetres) through any
// QPainter whose transform the caller sets, so the designer's editor, the
// page thumbnails, the chart picture and the tests share one drawing:
//
//   drawChartPage     background, grid, then every frame item, clipped to the page
//     drawFrameItem   the frame's transform and clip, its content, its frame line
//       drawContent   picture, text field, block view, barcode or chart
//   drawPageFitted    a page scaled into a target rectangle, centred
//   renderThumbnail   a page fitted into 256 x 256 pixels on white
//
// Texts need a QGuiApplication (fonts); without one thumbnails stay null.

#include "chartdatacontext.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QPair>
#include <QStringList>
#include <QVector>

class QPainter;
struct ChartItem;
struct ChartPage;
struct NumerologyResult;

struct ChartRenderOptions
{
    bool first = false;        // carried with the options; no drawing depends on it
    bool directBlocks = false; // block views draw their block page; no outlines
    bool boundaries = false;   // item outlines wanted
    double gridStepX = 0.0;    // the grid is drawn when both steps are above 1
    double gridStepY = 0.0;
    QColor gridColour{222, 222, 222};
    QColor outlineColour{150, 150, 150}; // the editor's item outlines (a skin colour)
};

// Thumbnails: first flag and boundaries set, no grid.
ChartRenderOptions thumbnailOptions();
// The chart picture: blocks drawn themselves, no outlines, no grid.
ChartRenderOptions pictureOptions();

constexpr int THUMBNAIL_PIXELS = 256;

void drawChartPage(QPainter &painter, const ChartPage &page, const ChartDataContext &data,
                   const ChartRenderOptions &options, bool fillWhite = false);
void drawFrameItem(QPainter &painter, const ChartItem &frame, const ChartDataContext &data,
                   const ChartRenderOptions &options);
void drawContent(QPainter &painter, const ChartItem &content, const ChartDataContext &data,
                 const ChartRenderOptions &options);
// Scales the page by the smaller of the two ratios, centres it in target and
// turns smooth image scaling on.
void drawPageFitted(QPainter &painter, const ChartPage &page, const QRectF &target,
                    const ChartDataContext &data, const ChartRenderOptions &options);
QImage renderThumbnail(const ChartPage &page, const ChartDataContext &data);

// --- the content kinds (chartfields.cpp, chartdiagrams.cpp) ---

// A text field (kind 6): the value its code names, then a free text.
void drawTextField(QPainter &painter, const ChartItem &item, const ChartDataContext &data);
// The text a field code draws ("#full_name", "#birthdate", ...); null for a
// code that is not a person-data field or has no data.
QString fieldText(const QString &code, const ChartDataContext &data);
// Dates on charts: "May 17 1990".
QString chartDateText(const QDate &date);

// The eight charts (kinds 11 to 15), chosen by the item's code.
void drawChartDiagram(QPainter &painter, const ChartItem &item, const ChartDataContext &data);
// A calculation line cut into runs, each marked when it is a master number:
// two equal digits with no digit before or after them ("11" in "=5/14=11",
// but nothing in "111"). The name chart draws those in #D05030.
QVector<QPair<QString, bool>> masterNumberRuns(const QString &line);
// The labels and values of the table charts ("Main Features", "Additional
// Features", "Life Cycles", "Bridges"); no values without a result.
QStringList chartTableLabels(const QString &code);
QStringList chartTableValues(const QString &code, const NumerologyResult *result);
