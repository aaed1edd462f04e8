#pragma once

// Prints an HTML file to a PDF on a web engine page without a view. The page
// loads the file, prints it to an A4 page layout and the bytes are written
// through the export file writer; finished(bool) tells the owner how it
// went. The HTML file is the task's to remove: it is gone once the page has
// loaded it, or at the latest when the task is destroyed.
//
// The page prints our own report and nothing else: it has an off-the-record
// profile (no cache, cookies or storage on the disk), loads the HTML file by
// its local path, and refuses every other request - the network, any other
// file:// URL (an iframe of another local file), anything but the report's
// own inline pictures (data: URLs).
//
//   run() --load--> loadFinished(ok) --print--> pdfPrintingFinished(path, ok)
//                                                    --> finished(ok)
//
// A file that holds a client's print job (export/reportassembly.h) is
// printed piece by piece on the same page: the cover, each part, then the
// contents page with the page each part starts on (again, should the
// contents themselves take another number of pages than they were numbered
// for), and the pieces are bound into one PDF with its footer and
// properties (export/pdfbinder.h).

#include "export/reportassembly.h"

#include <QByteArray>
#include <QList>
#include <QLoggingCategory>
#include <QObject>
#include <QString>

// The debug channel of export ("sorvel.export"): what was generated, where
// the PDF goes and how printing ended.
Q_DECLARE_LOGGING_CATEGORY(lcExport)

class QWebEnginePage;
class QWebEngineProfile;
class ReportOnlyFilter;

// Before the application object of a program that prints without a window:
// the offscreen platform unless another was chosen, the web engine without
// its GPU process and, when run as root, without its sandbox (it refuses to
// start with it), unless switches were given; shared GL contexts.
void prepareHeadlessWebEngine();

class GenPDFfromHTML : public QObject
{
    Q_OBJECT
public:
    GenPDFfromHTML(const QString &htmlPath, const QString &pdfPath, QObject *parent = nullptr);
    ~GenPDFfromHTML() override;

    // A task for a document held in memory: the HTML goes into a temporary
    // file of its own, which the task removes. Null, with error set, when the
    // file cannot be written.
    static GenPDFfromHTML *forDocument(const QString &html, const QString &pdfPath, QObject *parent,
                                       QString *error);
    // A task for a client's print job, written to a temporary file as the
    // printer program reads it.
    static GenPDFfromHTML *forJob(const ClientPrintJob &job, const QString &pdfPath, QObject *parent,
                                  QString *error);

    // The finished PDF opens in the desktop's viewer (the window); sorvel-cli
    // only writes it.
    void setOpenWhenDone(bool open) { m_openWhenDone = open; }

    QString htmlPath() const { return m_htmlPath; }
    QString pdfPath() const { return m_pdfPath; }
    // Why the task failed, in words for the user; empty after success.
    QString errorString() const { return m_error; }

    // Starts loading the HTML file; the rest follows on the event loop.
    void run();

signals:
    void finished(bool success);

public slots:
    void loadFinished(bool ok);
    void pdfPrintingFinished(const QString &filePath, bool success);

private:
    void printed(const QByteArray &pdf);
    void removeHtmlFile();
    void fail(const QString &error);
    // The print job's steps.
    void printPiece(const QString &html);
    void piecePrinted(const QByteArray &pdf);
    void printContents();
    void bind();

    bool m_isJob = false;
    ClientPrintJob m_job;
    QString m_piecePath;          // the temporary file of the piece on the page
    QList<QByteArray> m_pieces;   // cover (when there is one), then the parts
    QList<int> m_pieceCounts;     // their page counts
    QByteArray m_contents;        // the contents page as printed
    int m_contentsPages = 1;      // the pages the contents were numbered for
    int m_contentsTries = 0;
    bool m_printingContents = false;
    ReportOnlyFilter *m_filter = nullptr;

    QString m_htmlPath;
    QString m_pdfPath;
    QString m_error;
    bool m_openWhenDone = true;
    QWebEngineProfile *m_profile;
    QWebEnginePage *m_page;
};
