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

#include "export/pdfproperties.h"
#include "reports/reportkinds.h"

#include <QDate>
#include <QImage>
#include <QList>
#include <QPair>
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

// One part of a printed document: a report, or the chart's picture, with
// the title the contents page gives it.
struct DocumentPart
{
    QString title;
    QString html;
};

// The parts that take part in the combined document, in its order, each a
// document of its own without the page break that follows it there.
QList<DocumentPart> reportParts(const ReportSet &reports, const ReportSelection &selection, bool chaldean);

// What the PDF printer makes of a client's document: each part printed on
// its own, so each starts a page and its first page is known; the cover, a
// contents page listing where each part starts, then the parts, bound into
// one PDF with a running footer ("page N of M" and the client's name) on
// every page but the cover, and the document's properties.
struct ClientPrintJob
{
    QString cover; // the cover page; none, and no contents page, when empty
    QList<DocumentPart> parts;
    QString clientName; // the footer's name; no footer when empty
    PdfProperties properties;

    // The job as the temporary HTML file the printer reads: a comment that
    // holds the job, so the file is still an (empty) HTML page.
    QString toFile() const;
    // The job a file holds; false when the text is not a job's file (a
    // plain HTML document, printed as it is).
    static bool fromFile(const QString &text, ClientPrintJob &job);
};

// The print job of a client's document; the cover and the footer when a
// cover is given. No parts when nothing takes part.
ClientPrintJob clientPrintJob(const ReportSet &reports, const ReportSelection &selection, bool chaldean,
                              const CoverPage *cover);

// The contents page: each title with the page it starts on, the numbers
// right; a page break does not follow (it is printed on its own).
QString contentsPageHtml(const QList<QPair<QString, int>> &entries);
