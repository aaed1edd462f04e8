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
    QString advisorName; // prepared as the advisor page prepares it; empty: no advisor report
    QDate advisorDate;
    ReportSelection selection;
    QString templatePath; // the chart page's template: the chart picture ends the PDF
    QString numerologist;
    QString numerologistContact;
    QString logoPath;
    QString out;
};

// The options of the document a client takes home, shared by pdf and batch:
// --template, --numerologist, --numerologist-contact and --logo.
void addDocumentOptions(QCommandLineParser &parser);
void writeDocumentOptionsUsage(QTextStream &out);
// Reads them into request; --reports naming the chart without --template
// takes the first shipped template. On a bad value sets error.
bool readDocumentOptions(const QCommandLineParser &parser, PdfRequest &request, QString &error);

// The cover page of the request's person, made today; EXIT_USAGE (with the
// reason said) when the logo cannot be read as a picture.
int coverOf(const PdfRequest &request, CoverPage &cover);

// --reports LIST: a comma list of numerology, matrix, compat, celebrities
// and chart; every report not named is left out. On a name we do not know
// sets error and returns false.
bool readReportList(const QString &text, ReportSelection &selection, QString &error);

// The readings in the window's order; the reports of those made, and the
// chart picture when a template was given. Returns EXIT_OK, EXIT_NAME_CHECK
// when a name was rejected (the engine's message goes to the message
// reporter), or EXIT_USAGE when the template cannot be read.
int calculateReports(const PdfRequest &request, ReportSet &reports);

// The document of the request: its reports with the cover page (always for
// a PDF, with more than one part for HTML).
int clientDocument(const PdfRequest &request, const ReportSet &reports, bool pdf, QString &html);

// The print job of the request's PDF: its parts, the cover, the footer's
// name and the properties. EXIT_USAGE when the logo cannot be read.
int clientPrintJobOf(const PdfRequest &request, const ReportSet &reports, ClientPrintJob &job);

// What pdf and batch say when no chosen report was made.
extern const char *const NOTHING_TO_PRINT;

// Prints the combined document (or a print job's file, ClientPrintJob::toFile)
// to the PDF at out on the web engine and waits for it. On failure sets error to the reason and returns false.
bool printPdf(const QString &html, const QString &out, QString &error);
