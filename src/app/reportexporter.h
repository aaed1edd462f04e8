#pragma once

// The window's side of export: "Save Report" writes the current page's report
// as one self-contained HTML file; "Save All Reports to PDF" and "Print"
// choose reports and a file, assemble the combined document and print it to
// PDF in the background, then open it in the desktop's viewer.
//
// The exporter reads the documents the report views show, so a file holds
// exactly what the user saw. While a PDF is made the exporter is busy: a
// second PDF is refused, the window shows a busy cursor and a status line,
// and stays responsive. Every failure ends in a message.

#include "export/reportassembly.h"

#include <QImage>
#include <QLabel>
#include <QObject>
#include <QPointer>

#include <functional>

class CReportViews;
class CSkinManager;
class GenPDFfromHTML;
class QWidget;

class CReportExporter : public QObject
{
    Q_OBJECT
public:
    // Asks for a file to save: caption, filter; an empty answer cancels.
    using FileChooser = std::function<QString(const QString &caption, const QString &filter)>;
    // Asks which reports go into the PDF; false cancels.
    using ReportChooser = std::function<bool(bool chaldean, ReportSelection &selection)>;
    // The chart page's picture of the chosen template; null when there is none.
    using ChartRenderer = std::function<QImage()>;
    // Who the PDF is for and who made it: its cover page.
    using CoverSource = std::function<CoverPage()>;

    CReportExporter(QWidget *window, const CReportViews *reports, const CSkinManager *skin);
    ~CReportExporter() override;

    // "Save Report" on a page of the window.
    void saveReport(int page);
    // "Save All Reports to PDF" and "Print"; chaldean names the first report.
    void saveAllReports(bool chaldean);
    // Assembles the chosen reports and starts printing them to pdfPath.
    // False when nothing was started (busy, or the temporary file failed).
    bool startPdf(const QString &pdfPath, const ReportSelection &selection);

    bool busy() const { return m_busy; }
    // The last choice of reports.
    const ReportSelection &selection() const { return m_selection; }
    // The current or last PDF task; it lives until the next PDF replaces it.
    const GenPDFfromHTML *task() const { return m_task; }
    QLabel *statusLine() const { return m_status; }

    // The chart page renders its picture through this once it exists: the
    // chart page then saves it as PNG and the PDF ends with it.
    void setChartRenderer(ChartRenderer renderer) { m_chartRenderer = std::move(renderer); }
    // With a cover source the PDF opens with a cover page; without one it
    // starts with its first report.
    void setCoverSource(CoverSource source) { m_coverSource = std::move(source); }
    const CoverSource &coverSource() const { return m_coverSource; }
    // The dialogs, replaceable where no one can answer them (tests).
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    void setReportChooser(ReportChooser chooser) { m_chooseReports = std::move(chooser); }
    // Whether a finished PDF opens in the desktop's viewer (default true).
    void setOpenPdfWhenDone(bool open) { m_openPdf = open; }

signals:
    // A PDF task ended; the window's OnBgTaskFinished hears it.
    void finished(bool success);

private:
    void taskFinished(bool success);
    bool refuseWhileBusy() const;
    void setBusy(bool busy);
    void saveChartPicture();
    void saveHtmlReport(const QString &document);
    ReportSet reportSet(const ReportSelection &selection, bool withChart) const;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void placeStatusLine();

    QPointer<const CReportViews> m_reports;
    const CSkinManager *m_skin;
    QPointer<QLabel> m_status; // a child of the report frame
    GenPDFfromHTML *m_task = nullptr;
    ReportSelection m_selection;
    bool m_busy = false;
    bool m_openPdf = true;
    FileChooser m_chooseFile;
    ReportChooser m_chooseReports;
    ChartRenderer m_chartRenderer;
    CoverSource m_coverSource;
    bool m_chaldean = false; // the last choice's alphabet, which titles the cover's readings
};
