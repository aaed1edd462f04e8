#include "genpdffromhtml.h"

#include "export/exportfiles.h"
#include "export/pdfbinder.h"
#include "export/reportassembly.h"
#include "files/checkedfilewriter.h"
#include "files/regularfilereader.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

#include <unistd.h>

Q_LOGGING_CATEGORY(lcExport, "sorvel.export")

namespace {
// A print job's file is never near this large.
const qint64 MAX_JOB_BYTES = 256 * 1024 * 1024;
// The contents are printed again at most this often to settle their own length.
const int MAX_CONTENTS_TRIES = 3;
} // namespace

// Lets through the report's own file and its inline pictures; blocks every
// other request of the page, whatever its kind (frame, picture, style sheet,
// font) or scheme.
class ReportOnlyFilter : public QWebEngineUrlRequestInterceptor
{
public:
    ReportOnlyFilter(const QUrl &report, QObject *parent)
        : QWebEngineUrlRequestInterceptor(parent)
        , m_report(report)
    {
    }

    // The file on the page now: a print job loads its pieces one by one.
    void setReport(const QUrl &report) { m_report = report; }

    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        const QUrl url = info.requestUrl();
        const bool own = url.adjusted(QUrl::RemoveFragment) == m_report;
        const bool inlinePicture = url.scheme() == QLatin1String("data");
        if (!own && !inlinePicture) {
            qCDebug(lcExport).noquote() << "refused a request of the report: " + url.toDisplayString();
            info.block(true);
        }
    }

private:
    QUrl m_report;
};

GenPDFfromHTML::GenPDFfromHTML(const QString &htmlPath, const QString &pdfPath, QObject *parent)
    : QObject(parent)
    , m_htmlPath(htmlPath)
    , m_pdfPath(pdfPath)
    , m_profile(new QWebEngineProfile(this)) // no storage name: off the record
    , m_page(new QWebEnginePage(m_profile, this))
{
    m_profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    m_profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    m_filter = new ReportOnlyFilter(QUrl::fromLocalFile(QFileInfo(htmlPath).absoluteFilePath()), m_profile);
    m_profile->setUrlRequestInterceptor(m_filter);
    // The reports' own sans-serif face for text styled without a family, as
    // in the window's report views; the reports need no scripts.
    QWebEngineSettings *settings = m_page->settings();
    settings->setFontFamily(QWebEngineSettings::StandardFont, QStringLiteral("Arial"));
    settings->setFontFamily(QWebEngineSettings::SerifFont, QStringLiteral("Arial"));
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    connect(m_page, &QWebEnginePage::loadFinished, this, &GenPDFfromHTML::loadFinished);
}

void prepareHeadlessWebEngine()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A page printed without a view needs no GPU: the engine draws in
    // software, and starts no GPU process that looks for a GL driver.
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", geteuid() == 0 ? "--no-sandbox --disable-gpu" : "--disable-gpu");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

GenPDFfromHTML *GenPDFfromHTML::forDocument(const QString &html, const QString &pdfPath, QObject *parent,
                                            QString *error)
{
    const QString htmlPath = writeTemporaryReport(html, error);
    if (htmlPath.isEmpty())
        return nullptr;
    qCDebug(lcExport).noquote() << "Report generated: " + htmlPath;
    qCDebug(lcExport).noquote() << "Saving PDF to " + pdfPath;
    return new GenPDFfromHTML(htmlPath, pdfPath, parent);
}

GenPDFfromHTML *GenPDFfromHTML::forJob(const ClientPrintJob &job, const QString &pdfPath, QObject *parent,
                                       QString *error)
{
    return forDocument(job.toFile(), pdfPath, parent, error);
}

GenPDFfromHTML::~GenPDFfromHTML()
{
    removeHtmlFile();
    if (!m_piecePath.isEmpty())
        QFile::remove(m_piecePath);
    // The page goes before its profile, which must outlive it.
    delete m_page;
    m_page = nullptr;
}

// The HTML file by its local path: never a URL, never a name the engine
// would look up on the network.
void GenPDFfromHTML::run()
{
    m_error.clear();
    // A print job's file is read here and its pieces go on the page one by
    // one; any other file is loaded as it is.
    const FileReadResult file = readRegularFile(m_htmlPath, MAX_JOB_BYTES);
    m_isJob = file.status == FileReadResult::Ok &&
              ClientPrintJob::fromFile(QString::fromUtf8(file.bytes), m_job);
    if (!m_isJob) {
        m_page->load(QUrl::fromLocalFile(QFileInfo(m_htmlPath).absoluteFilePath()));
        return;
    }
    removeHtmlFile();
    m_pieces.clear();
    m_pieceCounts.clear();
    m_contents.clear();
    m_contentsPages = 1;
    m_contentsTries = 0;
    m_printingContents = false;
    if (m_job.parts.isEmpty()) {
        fail(tr("None of the chosen reports has been made: there is nothing to print."));
        return;
    }
    printPiece(m_job.cover.isEmpty() ? m_job.parts.first().html : m_job.cover);
}

void GenPDFfromHTML::fail(const QString &error)
{
    m_error = error;
    pdfPrintingFinished(m_pdfPath, false);
}

// Each piece goes into a temporary file of its own, the only file the page
// may load while it is there.
void GenPDFfromHTML::printPiece(const QString &html)
{
    QString reason;
    m_piecePath = writeTemporaryReport(html, &reason);
    if (m_piecePath.isEmpty()) {
        fail(tr("The reports could not be prepared for printing: %1").arg(reason));
        return;
    }
    const QUrl url = QUrl::fromLocalFile(QFileInfo(m_piecePath).absoluteFilePath());
    m_filter->setReport(url);
    m_page->load(url);
}

void GenPDFfromHTML::piecePrinted(const QByteArray &pdf)
{
    QString reason;
    const int pages = pdf.isEmpty() ? -1 : pdfPageCount(pdf, &reason);
    if (pages < 1) {
        fail(tr("The reports could not be printed to PDF."));
        return;
    }
    if (m_printingContents) {
        // Numbered for as many contents pages as they took: done.
        if (pages == m_contentsPages || ++m_contentsTries >= MAX_CONTENTS_TRIES) {
            m_contents = pdf;
            bind();
        } else {
            m_contentsPages = pages;
            printContents();
        }
        return;
    }
    m_pieces.append(pdf);
    m_pieceCounts.append(pages);
    const int partsDone = m_pieces.size() - (m_job.cover.isEmpty() ? 0 : 1);
    if (partsDone < m_job.parts.size())
        printPiece(m_job.parts.at(partsDone).html);
    else if (m_job.cover.isEmpty())
        bind();
    else
        printContents();
}

// The contents follow the cover: each part starts after the cover, the
// contents and the parts before it.
void GenPDFfromHTML::printContents()
{
    m_printingContents = true;
    QList<QPair<QString, int>> entries;
    int start = m_pieceCounts.first() + m_contentsPages + 1;
    for (int part = 0; part < m_job.parts.size(); ++part) {
        entries.append({m_job.parts.at(part).title, start});
        start += m_pieceCounts.at(part + 1);
    }
    printPiece(contentsPageHtml(entries));
}

void GenPDFfromHTML::bind()
{
    PdfBinding binding;
    binding.pieces = m_pieces;
    if (!m_job.cover.isEmpty()) {
        binding.pieces.insert(1, m_contents);
        binding.unnumberedPages = m_pieceCounts.first();
    }
    binding.clientName = m_job.clientName;
    binding.properties = m_job.properties;
    QString reason;
    const QByteArray bound = bindPdf(binding, &reason);
    if (bound.isEmpty()) {
        fail(tr("The reports could not be printed to PDF: %1").arg(reason));
        return;
    }
    m_pieces.clear();
    m_contents.clear();
    printed(bound);
}

void GenPDFfromHTML::loadFinished(bool ok)
{
    removeHtmlFile();
    if (!m_piecePath.isEmpty()) {
        QFile::remove(m_piecePath);
        m_piecePath.clear();
    }
    if (!ok) {
        qCDebug(lcExport) << "failed to load URL";
        m_error = tr("The reports could not be prepared for printing.");
        emit finished(false);
        return;
    }
    qCDebug(lcExport).noquote() << "Loaded HTML to webengine. Printing to " + m_pdfPath;
    // The page lives as long as the task; a task destroyed while printing
    // must not hear the printer's answer.
    QPointer<GenPDFfromHTML> self(this);
    m_page->printToPdf(
        [self](const QByteArray &pdf) {
            if (!self)
                return;
            if (self->m_isJob)
                self->piecePrinted(pdf);
            else
                self->printed(pdf);
        },
        allReportsPageLayout());
}

// The printer's bytes go to the PDF path like every file export writes.
void GenPDFfromHTML::printed(const QByteArray &pdf)
{
    if (pdf.isEmpty()) {
        m_error = tr("The reports could not be printed to PDF.");
        pdfPrintingFinished(m_pdfPath, false);
        return;
    }
    QString reason;
    if (!writeFileChecked(m_pdfPath, pdf, &reason)) {
        m_error = tr("Cannot write %1: %2").arg(m_pdfPath, reason);
        pdfPrintingFinished(m_pdfPath, false);
        return;
    }
    pdfPrintingFinished(m_pdfPath, true);
}

void GenPDFfromHTML::pdfPrintingFinished(const QString &filePath, bool success)
{
    if (success) {
        qCDebug(lcExport) << "Print finished";
        if (m_openWhenDone)
            QDesktopServices::openUrl(QUrl::fromLocalFile(filePath));
    } else {
        qCDebug(lcExport).noquote() << QStringLiteral("failed to print to output file '%1'").arg(filePath);
    }
    emit finished(success);
}

void GenPDFfromHTML::removeHtmlFile()
{
    if (!m_htmlPath.isEmpty() && QFile::exists(m_htmlPath))
        QFile::remove(m_htmlPath);
}
