#pragma once

// The combined document behind "Save All Reports to PDF" and "Print": the
// chosen reports one after another, each a complete HTML document of its
// own, separated by page breaks, in the order of the report kinds
// (reports/reportkinds.h):
//
//   numerology, psychomatrix, compatibility, celebrities   (when chosen)
//   pet, name advisor                                      (always)
//   graphic chart picture                                  (when chosen)
//
// A report shorter than 100 characters (one never calculated) is left out.
// The window and sorvel-cli print the same document.

#include "reports/reportkinds.h"

#include <QDate>
#include <QImage>
#include <QStringList>
#include <QMarginsF>
#include <QPageLayout>
#include <QString>

// Which reports the user chose, one flag per kind (reports/reportkinds.h);
// every kind starts chosen, and a kind without a choice of its own (the
// pet and name advisor reports) stays so.
struct ReportSelection
{
    ReportSelection();
    bool &operator[](ReportKind kind) { return chosen[kind]; }
    bool operator[](ReportKind kind) const { return chosen[kind]; }
    bool chosen[REPORT_KIND_COUNT];
};

// The documents of one person's readings as the window shows them, one per
// document kind; an empty document stands for a reading that was not made.
struct ReportSet
{
    QString &operator[](ReportKind kind) { return documents[kind]; }
    const QString &operator[](ReportKind kind) const { return documents[kind]; }
    QString documents[REPORT_DOCUMENT_COUNT];
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

// Whether a chosen document of reports takes part (the chart aside): the
// test for "nothing calculated" and "nothing chosen" before a PDF is made.
bool hasChosenReport(const ReportSet &reports, const ReportSelection &selection);

// Who the document is for and who made it: the cover page's lines.
struct CoverPage
{
    QString clientName;
    QDate birthDate;
    QDate madeOn;
    QString numerologist;        // the practitioner; no block without one
    QString numerologistContact; // optional
    QImage logo;                 // optional
};

// The titles of the parts that take part in the combined document, in its
// order (the chart's when its picture is there).
QStringList includedReportTitles(const ReportSet &reports, const ReportSelection &selection, bool chaldean);

// The cover page: the document's title (which the PDF's properties take),
// the client's name and birth date, the day it was made, the readings that
// follow, and the practitioner's block; a page break ends it.
QString coverPageHtml(const CoverPage &cover, const QStringList &readings);

// The combined document a client takes home: the cover page, then
// assembleAllReports. The PDF always opens with the cover; a saved HTML
// document (coverAlways false) only when more than one part takes part.
// Nothing at all when no part takes part.
QString assembleClientDocument(const ReportSet &reports, const ReportSelection &selection, bool chaldean,
                               const CoverPage &cover, bool coverAlways);

// The chart picture's part of the combined document: centred, shown scaled
// to fit 600 x 800, inlined as PNG.
QString chartPictureHtml(const QImage &chart);

// The PDF's pages: A4 portrait; margins 0.6 inch left, top and right and
// 0.7 inch at the bottom.
QPageLayout allReportsPageLayout();
