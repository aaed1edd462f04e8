#pragma once

// The combined document behind "Save All Reports to PDF" and "Print": the
// chosen reports one after another, each a complete HTML document of its
// own, separated by page breaks, in the order
//
//   numerology, psychomatrix, compatibility, celebrities   (when chosen)
//   pet, name advisor                                      (always)
//   graphic chart picture                                  (when chosen)
//
// A report shorter than 100 characters (one never calculated) is left out.
// The window and sorvel-cli print the same document.

#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QString>

// Which reports the user chose; the pet and name advisor reports have no
// choice of their own.
struct ReportSelection
{
    bool numerology = true;
    bool psychomatrix = true;
    bool compatibility = true;
    bool celebrities = true;
    bool graphicChart = true;
};

// The documents of one person's readings as the window shows them; an empty
// document stands for a reading that was not made.
struct ReportSet
{
    QString numerology;
    QString psychomatrix;
    QString compatibility;
    QString celebrities;
    QString pet;
    QString advisor;
    // The chart page's picture; null until a chart is rendered, and then no
    // chart joins the document.
    QImage chart;
};

// The break that follows each report: the next starts on a new page.
extern const QString REPORT_PAGE_BREAK;
// A report takes part only with at least this many characters.
const int MIN_REPORT_LENGTH = 100;
// The chart picture is scaled to fit this box, keeping its shape.
const int CHART_MAX_WIDTH = 600;
const int CHART_MAX_HEIGHT = 800;
// The chart's data keeps at most this many pixels per pixel shown.
const int CHART_PRINT_SCALE = 3;

QString assembleAllReports(const ReportSet &reports, const ReportSelection &selection);

// The chart picture's part of the combined document: centred, shown scaled
// to fit 600 x 800, inlined as PNG.
QString chartPictureHtml(const QImage &chart);

// The PDF's pages: A4 portrait; margins 0.6 inch left, top and right and
// 0.7 inch at the bottom.
QPageLayout allReportsPageLayout();
