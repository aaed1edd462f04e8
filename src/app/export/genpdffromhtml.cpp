#include "genpdffromhtml.h"

#include "export/exportfiles.h"
#include "export/reportassembly.h"
#include "files/checkedfilewriter.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QPointer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineSettings>

#include <unistd.h>

Q_LOGGING_CATEGORY(lcExport, "sorvel.export")

GenPDFfromHTML::GenPDFfromHTML(const QString &htmlPath, const QString &pdfPath, QObject *parent)
    : QObject(parent)
    , m_htmlPath(htmlPath)
    , m_pdfPath(pdfPath)
    , m_page(new QWebEnginePage(this))
{
    // The reports' own sans-serif face for text styled without a family, as
    // in the window's report views; the reports need no scripts.
    QWebEngineSettings *settings = m_page->settings();
    settings->setFontFamily(QWebEngineSettings::StandardFont, QStringLiteral("Arial"));
    settings->setFontFamily(QWebEngineSettings::SerifFont, QStringLiteral("Arial"));
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    connect(m_page, &QWebEnginePage::loadFinished, this, &GenPDFfromHTML::loadFinished);
}

void prepareHeadlessWebEngine()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
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
}

void GenPDFfromHTML::run()
{
    m_error.clear();
    m_page->load(QUrl::fromUserInput(m_htmlPath));
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
