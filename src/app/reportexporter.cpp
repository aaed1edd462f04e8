#include "reportexporter.h"

#include "app/cskinmanager.h"
#include "app/dialogs/reportselectiondialog.h"
#include "webprint/genpdffromhtml.h"
#include "app/myqwebengineview.h"
#include "app/openlink.h"
#include "app/reportviews.h"
#include "app/windowlayout.h"
#include "engine/messagereporter.h"
#include "export/exportfiles.h"
#include "export/htmlpictures.h"
#include "files/checkedfilewriter.h"

#include <QApplication>
#include <QBuffer>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QLabel>
#include <QStandardPaths>
#include <QUrl>

namespace {

const QString ERROR_TITLE = QStringLiteral("Error");
const QString IN_PROGRESS = QStringLiteral("Report generation in progress!");
const QString NOTHING_TO_SAVE = QStringLiteral("This page has no report to save.");
const QString NOTHING_CALCULATED = QStringLiteral("Calculate a person first.");
const QString NOTHING_CHOSEN = QStringLiteral("None of the chosen reports has been made: there is nothing to print.");
const QString STATUS_TEXT = QStringLiteral("Generating the PDF report...");
const QSize STATUS_SIZE(240, 26);
const int STATUS_BOTTOM_GAP = 12; // above the report view's lower edge
// The status line: a small framed note in the skin's colours.
const QString STATUS_STYLE = QStringLiteral(
    "QLabel { background: #44372f; color: #eddbb2; border: 1px solid #9cb62d; border-radius: 4px;"
    " font: 12px \"Arial\"; }");

void showError(const QString &text)
{
    messageReporter().critical(ERROR_TITLE, text);
}

// The save dialog of the platform, starting in the user's documents.
QString askForFile(QWidget *parent, const QString &caption, const QString &filter)
{
    return QFileDialog::getSaveFileName(
        parent, caption, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), filter);
}

// The picture in the format a suffix names; empty with reason on failure.
QByteArray encodedPicture(const QImage &picture, const QString &suffix, QString &reason)
{
    if (picture.isNull()) {
        reason = QStringLiteral("there is no chart to save");
        return QByteArray();
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, suffix.toLatin1());
    if (!writer.write(picture)) {
        reason = writer.errorString();
        return QByteArray();
    }
    return bytes;
}

} // namespace

CReportExporter::CReportExporter(QWidget *window, const CReportViews *reports, const CSkinManager *skin)
    : QObject(window)
    , m_reports(reports)
    , m_skin(skin)
    , m_status(new QLabel(STATUS_TEXT, reports->frame()))
{
    m_chooseFile = [window](const QString &caption, const QString &filter) {
        return askForFile(window, caption, filter);
    };
    m_chooseReports = [window, skin](bool chaldean, ReportSelection &selection) {
        return CReportSelectionDlg::chooseReports(skin, chaldean, selection, window);
    };
    m_status->setObjectName(QStringLiteral("exportStatus"));
    m_status->setAlignment(Qt::AlignCenter);
    m_status->resize(STATUS_SIZE);
    m_status->hide();
    reports->frame()->installEventFilter(this);
}

CReportExporter::~CReportExporter()
{
    if (m_busy)
        QApplication::restoreOverrideCursor();
}

// --- Save Report ------------------------------------------------------------

void CReportExporter::saveReport(int page)
{
    if (page == WindowLayout::ChartPage && m_chartRenderer) {
        saveChartPicture();
        return;
    }
    const int report = m_reports->reportShownOn(page);
    const QString document = report < 0 ? QString() : m_reports->document(CReportViews::Report(report));
    // The guide, the chart page before its chart and an uncalculated page
    // have nothing to save: say so rather than write an empty file.
    if (document.isEmpty()) {
        showError(NOTHING_TO_SAVE);
        return;
    }
    saveHtmlReport(document);
}

void CReportExporter::saveHtmlReport(const QString &document)
{
    const QString chosen =
        m_chooseFile(QStringLiteral("Save to HTML"), QStringLiteral("HTML Files (*.html)"));
    if (chosen.isEmpty())
        return;
    const QString path = withDefaultSuffix(chosen, QStringLiteral(".html"));
    QString reason;
    if (!writeFileChecked(path, savedReportHtml(document), &reason))
        showError(tr("Cannot save the report to %1: %2").arg(path, reason));
}

// The chart page saves its picture; the format follows the file's suffix.
void CReportExporter::saveChartPicture()
{
    const QString chosen = m_chooseFile(QStringLiteral("Save to PNG"), QStringLiteral("PNG Files (*.png)"));
    if (chosen.isEmpty())
        return;
    const QString path = withDefaultSuffix(chosen, QStringLiteral(".png"));
    QString reason;
    const QByteArray bytes = encodedPicture(m_chartRenderer(), QFileInfo(path).suffix(), reason);
    if (bytes.isEmpty() || !writeFileChecked(path, bytes, &reason))
        showError(tr("Cannot save the chart picture to %1: %2").arg(path, reason));
}

// --- the combined PDF -------------------------------------------------------

void CReportExporter::saveAllReports(bool chaldean)
{
    if (refuseWhileBusy())
        return;
    // Nothing calculated, or nothing made of what was chosen: say so rather
    // than print an empty page.
    const ReportSet documents = reportSet(ReportSelection(), false);
    if (!hasChosenReport(documents, ReportSelection())) {
        showError(NOTHING_CALCULATED);
        return;
    }
    ReportSelection selection;
    if (!m_chooseReports(chaldean, selection))
        return;
    m_chaldean = chaldean;
    const bool chartChosen = selection[ChartReport] && m_chartRenderer;
    if (!hasChosenReport(documents, selection) && !chartChosen) {
        showError(NOTHING_CHOSEN);
        return;
    }
    m_selection = selection;
    const QString chosen = m_chooseFile(QStringLiteral("Save to PDF"), QStringLiteral("PDF Files (*.pdf)"));
    if (chosen.isEmpty())
        return;
    startPdf(withDefaultSuffix(chosen, QStringLiteral(".pdf")), selection);
}

bool CReportExporter::startPdf(const QString &pdfPath, const ReportSelection &selection)
{
    if (refuseWhileBusy())
        return false;
    m_selection = selection;
    // The last PDF's task makes way for this one.
    delete m_task;
    QString reason;
    const ReportSet reports = reportSet(selection, true);
    const CoverPage cover = m_coverSource ? m_coverSource() : CoverPage();
    m_task = GenPDFfromHTML::forJob(clientPrintJob(reports, selection, m_chaldean, m_coverSource ? &cover : nullptr),
                                    pdfPath, this, &reason);
    if (!m_task) {
        showError(tr("Cannot prepare the reports for printing: %1").arg(reason));
        return false;
    }
    // The exporter opens the finished PDF itself, so a desktop without a
    // viewer is told where the file is.
    m_task->setOpenWhenDone(false);
    connect(m_task, &GenPDFfromHTML::finished, this, &CReportExporter::taskFinished);
    setBusy(true);
    m_task->run();
    return true;
}

// The documents the views show, and the chart when it is chosen and asked for.
ReportSet CReportExporter::reportSet(const ReportSelection &selection, bool withChart) const
{
    ReportSet set;
    for (int kind = 0; kind < REPORT_DOCUMENT_COUNT; ++kind)
        set[ReportKind(kind)] = m_reports->document(CReportViews::viewOf(ReportKind(kind)));
    if (withChart && selection[ChartReport] && m_chartRenderer)
        set.chart = m_chartRenderer();
    return set;
}

void CReportExporter::taskFinished(bool success)
{
    setBusy(false);
    if (!success)
        showError(m_task->errorString());
    else if (m_openPdf)
        openLink(QUrl::fromLocalFile(m_task->pdfPath()));
    emit finished(success);
}

bool CReportExporter::refuseWhileBusy() const
{
    if (m_busy)
        showError(IN_PROGRESS);
    return m_busy;
}

// --- showing that a PDF is being made ------------------------------------------

void CReportExporter::setBusy(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
    if (!m_status)
        return; // the report frame is gone: the window is closing
    if (busy) {
        m_status->setStyleSheet(m_skin ? m_skin->mapStyleSheet(STATUS_STYLE) : STATUS_STYLE);
        placeStatusLine();
        m_status->show();
    } else {
        m_status->hide();
    }
}

// The window takes its report views down before the exporter: then the
// frame's last events find the views gone and are let pass.
bool CReportExporter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && m_reports && watched == m_reports->frame())
        placeStatusLine();
    return QObject::eventFilter(watched, event);
}

// Over the report the user looks at, centred near its lower edge (the frame
// reaches below its views).
void CReportExporter::placeStatusLine()
{
    if (!m_reports || !m_status)
        return;
    const QWidget *frame = m_reports->frame();
    int viewBottom = frame->height();
    for (int report = 0; report < CReportViews::REPORT_COUNT; ++report) {
        const QWidget *view = m_reports->view(CReportViews::Report(report));
        if (view && view->isVisibleTo(frame))
            viewBottom = qMin(viewBottom, view->geometry().bottom());
    }
    m_status->move((frame->width() - STATUS_SIZE.width()) / 2,
                   viewBottom - STATUS_SIZE.height() - STATUS_BOTTOM_GAP);
    m_status->raise();
}
