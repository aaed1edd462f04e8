#pragma once

// Drawing chart pages with a person's numbers.
//
// Every function draws in page units (quarter millimetres) through any
// QPainter whose transform the caller sets, so the designer's editor, the
// page thumbnails, the chart picture and the tests share one drawing:
//
//   drawChartPage     background, grid, then every frame item, clipped to the page
//     drawFrameItem   the frame's transform and clip, its content, its frame line
//       drawContent   the drawer of the content's element kind (chartelements.h)
//   drawPageFitted    a page scaled into a target rectangle, centred
//   renderThumbnail   a page fitted into 256 x 256 pixels on white
//
// The document holds its pages' thumbnails but never draws them: whoever
// has the person data does (refreshThumbnails after reading a template,
// refreshThumbnail on the first page before writing one).
//
// Texts need a QGuiApplication (fonts); without one thumbnails stay null.

#include "chartdatacontext.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QPair>
#include <QStringList>
#include <QVector>

class ChartDocument;
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

// Draws page's thumbnail with data.
void refreshThumbnail(ChartPage &page, const ChartDataContext &data);
// Draws every block's thumbnail, hands it to the block views showing the
// block, then draws every page's thumbnail: what a document read from a
// file shows in the designer and what nested block views draw.
void refreshThumbnails(ChartDocument &document, const ChartDataContext &data);

// --- the drawers of the element kinds (chartelements.h) ---

// A picture (kind 2) stretched over the element.
void drawPictureContent(QPainter &painter, const ChartItem &item, const ChartDataContext &data,
                        const ChartRenderOptions &options);
// A block view (kind 8): its block's thumbnail, or with directBlocks the block page itself.
void drawBlockViewContent(QPainter &painter, const ChartItem &item, const ChartDataContext &data,
                          const ChartRenderOptions &options);
// A barcode (kind 10): the symbol of the item's text.
void drawBarcodeContent(QPainter &painter, const ChartItem &item, const ChartDataContext &data,
                        const ChartRenderOptions &options);

// A text field (kind 6): the value its code names, then a free text.
void drawTextField(QPainter &painter, const ChartItem &item, const ChartDataContext &data,
                   const ChartRenderOptions &options);
// Draws text in rect with flags in the painter's font, made smaller where
// the text would not fit the rectangle whole.
void drawWholeText(QPainter &painter, const QRectF &rect, int flags, const QString &text);
// The text a field code draws ("#full_name", "#birthdate", ...); null for a
// code that is not a person-data field or has no data.
QString fieldText(const QString &code, const ChartDataContext &data);
// Dates on charts: "May 17 1990".
QString chartDateText(const QDate &date);
// What the person-data fields show.
QString fullNameFieldValue(const ChartDataContext &data);
QString shortNameFieldValue(const ChartDataContext &data);
QString birthDateFieldValue(const ChartDataContext &data);
QString printDateFieldValue(const ChartDataContext &data);
QString numerologistFieldValue(const ChartDataContext &data);

// The charts (kinds 11 to 15), each in the item's font and colour.
void drawNameChart(QPainter &painter, const ChartItem &item, const ChartDataContext &data,
                   const ChartRenderOptions &options);
void drawPsychomatrixChart(QPainter &painter, const ChartItem &item, const ChartDataContext &data,
                           const ChartRenderOptions &options);
void drawPlanesChart(QPainter &painter, const ChartItem &item, const ChartDataContext &data,
                     const ChartRenderOptions &options);
void drawCalendarChart(QPainter &painter, const ChartItem &item, const ChartDataContext &data,
                       const ChartRenderOptions &options);
// "Main Features", "Additional Features", "Life Cycles" and "Bridges", by the item's code.
void drawTableChart(QPainter &painter, const ChartItem &item, const ChartDataContext &data,
                    const ChartRenderOptions &options);
// A calculation line cut into runs, each marked when it is a master number:
// two equal digits with no digit before or after them ("11" in "=5/14=11",
// but nothing in "111"). The name chart draws those in #D05030.
QVector<QPair<QString, bool>> masterNumberRuns(const QString &line);
// The labels and values of the table charts ("Main Features", "Additional
// Features", "Life Cycles", "Bridges"); no values without a result.
QStringList chartTableLabels(const QString &code);
QStringList chartTableValues(const QString &code, const NumerologyResult *result);
