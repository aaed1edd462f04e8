#pragma once

// The combined document of a person's readings, as "Save All Reports to
// PDF" makes it: `pdf` prints it for one person, `batch` for each client of
// a list. Both go through the same assembly (export/reportassembly.h) and
// the same printer as the window.

#include "cliutil.h"
#include "export/reportassembly.h"

// What to calculate and where the PDF goes.
struct PdfRequest
{
    ChartRequest person;
    bool hasPartner = false;
    ChartRequest partner;
    QString petName;
    QDate petBirth;
    ReportSelection selection;
    QString templatePath; // the chart page's template: the chart picture ends the PDF
    QString numerologist;
    QString out;
};

// --reports LIST: a comma list of numerology, matrix, compat, celebrities
// and chart; every report not named is left out. On a name we do not know
// sets error and returns false.
bool readReportList(const QString &text, ReportSelection &selection, QString &error);

// The readings in the window's order; the reports of those made, and the
// chart picture when a template was given. Returns EXIT_OK, EXIT_NAME_CHECK
// when a name was rejected (the engine's message goes to the message
// reporter), or EXIT_USAGE when the template cannot be read.
int calculateReports(const PdfRequest &request, ReportSet &reports);

// Prints the combined document to the PDF at out on the web engine and
// waits for it. On failure sets error to the reason and returns false.
bool printPdf(const QString &html, const QString &out, QString &error);
