#include "genpdffromhtml.h"

#include "export/exportfiles.h"
#include "export/reportassembly.h"
#include "files/checkedfilewriter.h"

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

} // namespace

GenPDFfromHTML::GenPDFfromHTML(const QString &htmlPath, const QString &pdfPath, QObject *parent)
    : QObject(parent)
    , m_htmlPath(htmlPath)
    , m_pdfPath(pdfPath)
    , m_profile(new QWebEngineProfile(this)) // no storage name: off the record
    , m_page(new QWebEnginePage(m_profile, this))
{
    m_profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    m_profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    m_profile->setUrlRequestInterceptor(
        new ReportOnlyFilter(QUrl::fromLocalFile(QFileInfo(htmlPath).absoluteFilePath()), m_profile));
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

GenPDFfromHTML::~GenPDFfromHTML()
{
    removeHtmlFile();
    // The page goes before its profile, which must outlive it.
    delete m_page;
    m_page = nullptr;
}

// The HTML file by its local path: never a URL, never a name the engine
// would look up on the network.
void GenPDFfromHTML::run()
{
    m_error.clear();
    m_page->load(QUrl::fromLocalFile(QFileInfo(m_htmlPath).absoluteFilePath()));
}

void GenPDFfromHTML::loadFinished(bool ok)
{
    removeHtmlFile();
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
            if (self)
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
