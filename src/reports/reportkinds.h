#pragma once

// The kinds of report a person's readings give, in the order the combined
// document puts them, each described once: the window's views, the report
// selection, the combined PDF and sorvel-cli's --reports all walk this list.
//
// Adding a report is one enumerator here, one row of REPORT_KINDS
// (reportkinds.cpp) and the builder that writes its document.

#include <QString>
#include <QStringList>

// Every document kind comes before ChartReport, the chart page's picture,
// which ends the combined document.
enum ReportKind {
    NumerologyReport,
    YearAheadReport,
    PsychomatrixReport,
    CompatibilityReport,
    CelebritiesReport,
    PetReport,
    AdvisorReport,
    ChartReport,
    REPORT_KIND_COUNT
};

// The kinds that are HTML documents: every kind before the chart.
const int REPORT_DOCUMENT_COUNT = ChartReport;

struct ReportKindInfo
{
    ReportKind kind;
    // What --reports calls it; empty for a kind that cannot be left out.
    const char *name;
    // Its title: the caption of its box in the report selection.
    const char *title;
    // The title for a Chaldean chart; null when it is the same.
    const char *chaldeanTitle;
    // The file name a saved copy of it is offered under, without suffix.
    const char *fileStem;
    // Whether its file pictures are inlined in the combined document.
    bool embedPictures;
};

// The entry of a kind.
const ReportKindInfo &reportKind(ReportKind kind);
// Whether the user chooses the kind (it has a box and a --reports name).
bool isChoosable(ReportKind kind);
// The title of a kind for a chart of the given alphabet.
QString reportTitle(ReportKind kind, bool chaldean);
// The choosable kinds in list order.
QList<ReportKind> choosableKinds();
// The kind --reports calls name; false when no kind has that name.
bool reportKindNamed(const QString &name, ReportKind &kind);
// The names --reports takes, in list order.
QStringList reportKindNames();
