// The window's export: the report selection dialog, "Save Report" on each
// kind of page, the chart page's hook, the combined PDF with its busy flag,
// status line and messages, the PDF task's clean-up, and the two slots of
// the window that forward to the exporter. Runs offscreen with the web
// engine alive.

#include "softwarerendering.h"
#include "app/appfolders.h"
#include "app/cinputoverlay.h"
#include "app/cskinmanager.h"
#include "app/csorvel.h"
#include "webprint/genpdffromhtml.h"
#include "app/reportexporter.h"
#include "app/dialogs/reportselectiondialog.h"
#include "app/reportviews.h"
#include "app/windowlayout.h"
#include "engine/messagereporter.h"
#include "export/htmlpictures.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <unistd.h>

using namespace WindowLayout;

namespace {

struct RecordingReporter : CMessageReporter
{
    QStringList messages;
    void critical(const QString &title, const QString &text) override
    {
        messages.append(title + ": " + text);
    }
};

const QString IN_PROGRESS = QStringLiteral("Error: Report generation in progress!");
// Long enough for a busy machine: it only ends a wait for a PDF that never
// comes (the test's timeout bounds the program).
const int PDF_WAIT_MS = 600000;

// A report long enough for the PDF, with one file picture.
QString reportWithPicture(const QString &heading, const QString &picture)
{
    return "<html><head><title>" + heading + "</title></head><body><h2><img src=\"file:///" + picture +
           "\" style=\"margin-left: 15px;\" align=\"right\" />" + heading + "</h2><p>" + QString(200, 'x') +
           "</p></body></html>";
}

} // namespace

Q_DECLARE_METATYPE(QList<int>)

class TestReportExporter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void selectionFlags_data();
    void selectionFlags();
    void selectionDialogLooks();
    void chooseReportsAcceptedOnlyByOk();

    void saveReport_data();
    void saveReport();
    void saveReportFailureIsShown();
    void chartPageHook();

    void pdfOfAllReports();
    void nothingToPrint();
    void busyRefusesASecondExport();
    void failedPdfIsShown();
    void taskRemovesItsHtmlFile();
    void loadFailureIsReported();

    void windowSlotsForward();
    void windowSavesTheChartPicture();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    // Lets the web engine finish the current PDF task.
    bool waitForPdf(QSignalSpy &finished) const;

    QTemporaryDir m_dir;
    QString m_picture;
    RecordingReporter m_reporter;
    QWidget *m_window = nullptr;
    CSkinManager *m_skin = nullptr;
    CReportViews *m_views = nullptr;
    CReportExporter *m_exporter = nullptr;
    QStringList m_asked; // captions of the file dialogs shown
    QString m_answer;    // what the file dialog answers
};

void TestReportExporter::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_picture = path("res01.jpg");
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QVERIFY(picture.save(m_picture, "JPG"));
}

void TestReportExporter::init()
{
    m_window = new QWidget;
    m_window->resize(1100, 700);
    m_skin = new CSkinManager(imageFolder(), m_window);
    m_views = new CReportViews(m_window);
    m_exporter = new CReportExporter(m_window, m_views, m_skin);
    m_exporter->setOpenPdfWhenDone(false);
    m_asked.clear();
    m_answer.clear();
    m_exporter->setFileChooser([this](const QString &caption, const QString &filter) {
        m_asked << caption + " | " + filter;
        return m_answer;
    });
    m_exporter->setReportChooser([](bool, ReportSelection &selection) {
        selection = ReportSelection();
        return true;
    });
    setMessageReporter(&m_reporter);
    m_reporter.messages.clear();
}

void TestReportExporter::cleanup()
{
    delete m_window;
    m_window = nullptr;
    setMessageReporter(nullptr);
    // No temporary document outlives its task.
    const QStringList left = QDir(QDir::tempPath()).entryList({"report*.html"}, QDir::Files);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(' ')));
}

bool TestReportExporter::waitForPdf(QSignalSpy &finished) const
{
    return finished.count() > 0 || finished.wait(PDF_WAIT_MS);
}

// --- the selection dialog ------------------------------------------------------

void TestReportExporter::selectionFlags_data()
{
    // The kinds whose boxes are clicked off, and the flags of numerology, year
    // ahead, psychomatrix, compatibility, celebrities and chart.
    QTest::addColumn<QList<int>>("unchecked");
    QTest::addColumn<QList<bool>>("flags");
    QTest::newRow("all checked") << QList<int>{} << QList<bool>{true, true, true, true, true, true};
    QTest::newRow("numerology off") << QList<int>{NumerologyReport}
                                    << QList<bool>{false, true, true, true, true, true};
    QTest::newRow("year ahead off") << QList<int>{YearAheadReport}
                                    << QList<bool>{true, false, true, true, true, true};
    QTest::newRow("psychomatrix and chart off")
        << QList<int>{PsychomatrixReport, ChartReport} << QList<bool>{true, true, false, true, true, false};
    QTest::newRow("compatibility and celebrities off") << QList<int>{CompatibilityReport, CelebritiesReport}
                                                       << QList<bool>{true, true, true, false, false, true};
    QTest::newRow("everything off") << QList<int>{NumerologyReport,    YearAheadReport,   PsychomatrixReport,
                                                  CompatibilityReport, CelebritiesReport, ChartReport}
                                    << QList<bool>{false, false, false, false, false, false};
}

// Each box clicked off clears its own flag and no other.
void TestReportExporter::selectionFlags()
{
    QFETCH(QList<int>, unchecked);
    QFETCH(QList<bool>, flags);
    CReportSelectionDlg dialog(m_skin, false);
    for (const int kind : unchecked)
        QTest::mouseClick(dialog.box(ReportKind(kind)), Qt::LeftButton, {}, QPoint(8, 12));
    const ReportSelection s = dialog.selection();
    QCOMPARE((QList<bool>{s[NumerologyReport], s[YearAheadReport], s[PsychomatrixReport],
                          s[CompatibilityReport], s[CelebritiesReport], s[ChartReport]}),
             flags);
}

void TestReportExporter::selectionDialogLooks()
{
    CReportSelectionDlg western(m_skin, false);
    CReportSelectionDlg chaldean(m_skin, true);
    QCOMPARE(western.size(), QSize(220, 245));
    const QStringList captions = {" Western Numerology", " Year Ahead",  " Psychomatrix",
                                  " Compatibility",      " Celebrities", " Graphic Chart"};
    for (int i = 0; i < choosableKinds().size(); ++i) {
        QCheckBox *box = western.box(choosableKinds().at(i));
        QCOMPARE(box->text(), captions.at(i));
        QCOMPARE(box->geometry(), QRect(10, 10 + 30 * i, 200, 25));
        QVERIFY(box->isChecked());
    }
    QCOMPARE(chaldean.box(NumerologyReport)->text(), QStringLiteral(" Chaldean Numerology"));
    QPushButton *ok = western.findChild<QPushButton *>("ok");
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("Ok"));
    QCOMPARE(ok->geometry(), QRect(120, 205, 80, 30));
    // "Cancel" left of "Ok", as in the skinned question; a title that fits.
    QPushButton *cancel = western.findChild<QPushButton *>("cancel");
    QVERIFY(cancel);
    QCOMPARE(cancel->geometry(), QRect(20, 205, 80, 30));
    QCOMPARE(western.windowTitle(), QStringLiteral("Reports"));
    // In the skin: the window's sheet for the dialog, the plain one for the button.
    QCOMPARE(western.styleSheet(), m_skin->styleSheetForKind(CSkinManager::KIND_WINDOW));
    QCOMPARE(ok->styleSheet(), m_skin->styleSheetForKind(CSkinManager::KIND_DEFAULT));
}

// "Ok" accepts; "Cancel" and closing the dialog do not, but the boxes still count.
void TestReportExporter::chooseReportsAcceptedOnlyByOk()
{
    for (const char *answer : {"ok", "cancel", "close"}) {
        const bool pressOk = qstrcmp(answer, "ok") == 0;
        QTimer::singleShot(0, [answer] {
            auto *dialog = qobject_cast<CReportSelectionDlg *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->box(CelebritiesReport)->setChecked(false);
            if (qstrcmp(answer, "close") == 0)
                dialog->close();
            else
                dialog->findChild<QPushButton *>(QLatin1String(answer))->click();
        });
        ReportSelection selection;
        QCOMPARE(CReportSelectionDlg::chooseReports(m_skin, false, selection, m_window), pressOk);
        QVERIFY(!selection[CelebritiesReport]);
        QVERIFY(selection[NumerologyReport]);
    }
}

// --- Save Report -------------------------------------------------------------------

void TestReportExporter::saveReport_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("written"); // the file expected, empty for none
    QTest::addColumn<bool>("asked");
    QTest::newRow("numerology, .html appended") << int(NumerologyPage) << "report"
                                                << "report.html" << true;
    QTest::newRow("forecast shares the numerology report") << int(ForecastPage) << "forecast.html"
                                                           << "forecast.html" << true;
    QTest::newRow("forecast switched to the year ahead") << int(ForecastPage) << "year.html"
                                                         << "year.html" << true;
    QTest::newRow("own suffix kept") << int(PsychomatrixPage) << "matrix.htm"
                                     << "matrix.htm" << true;
    QTest::newRow("cancelled") << int(NumerologyPage) << ""
                               << "" << true;
    QTest::newRow("guide saves nothing") << int(GuidePage) << "guide"
                                         << "" << false;
    QTest::newRow("chart page before its chart") << int(ChartPage) << "chart"
                                                 << "" << false;
    QTest::newRow("page never calculated") << int(PetPage) << "pet"
                                           << "" << false;
}

void TestReportExporter::saveReport()
{
    QFETCH(int, page);
    QFETCH(QString, answer);
    QFETCH(QString, written);
    QFETCH(bool, asked);
    const QString numerology = reportWithPicture("Life Path", m_picture);
    const QString matrix = reportWithPicture(QString::fromUtf8("Zo\u00eb \u6771\u4eac"), m_picture);
    m_views->show(CReportViews::Numerology, numerology);
    m_views->show(CReportViews::Psychomatrix, matrix);
    m_views->showFile(CReportViews::Guide, path("guide.html"));
    const QString folder = path(QString("save-%1").arg(QTest::currentDataTag()).replace(' ', '-'));
    QVERIFY(QDir().mkpath(folder));
    m_answer = answer.isEmpty() ? QString() : folder + "/" + answer;

    // The forecast page saves the report its switch shows.
    const bool yearAhead = QByteArray(QTest::currentDataTag()).contains("year ahead");
    const QString yearAheadDocument = reportWithPicture("Personal Year", m_picture);
    m_views->show(CReportViews::YearAhead, yearAheadDocument);
    m_views->setForecastReport(yearAhead ? CReportViews::YearAhead : CReportViews::Numerology);
    m_exporter->saveReport(page);
    m_views->setForecastReport(CReportViews::Numerology);

    QCOMPARE(m_asked, asked ? QStringList{"Save to HTML | HTML Files (*.html)"} : QStringList());
    const QStringList files = QDir(folder).entryList(QDir::Files);
    QCOMPARE(files, written.isEmpty() ? QStringList() : QStringList{written});
    if (!asked)
        QCOMPARE(m_reporter.messages, QStringList{"Error: This page has no report to save."});
    else
        QVERIFY(m_reporter.messages.isEmpty());
    if (written.isEmpty())
        return;
    QFile file(folder + "/" + written);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes, savedReportHtml(page == PsychomatrixPage ? matrix : yearAhead ? yearAheadDocument : numerology));
    QVERIFY(!bytes.contains("file:///"));
}

void TestReportExporter::saveReportFailureIsShown()
{
    m_views->show(CReportViews::Numerology, reportWithPicture("Life Path", m_picture));
    m_answer = path("no/such/folder/report");
    m_exporter->saveReport(NumerologyPage);
    QCOMPARE(m_reporter.messages.size(), 1);
    QVERIFY2(
        m_reporter.messages.first().startsWith("Error: Cannot save the report to " + m_answer + ".html: "),
        qPrintable(m_reporter.messages.first()));
}

// Once the chart page renders its chart, "Save Report" there writes it as a
// picture in the format its suffix names.
void TestReportExporter::chartPageHook()
{
    QImage chart(40, 30, QImage::Format_RGB32);
    chart.fill(Qt::magenta);
    m_exporter->setChartRenderer([chart] { return chart; });
    m_answer = path("chart");
    m_exporter->saveReport(ChartPage);
    QCOMPARE(m_asked, QStringList{"Save to PNG | PNG Files (*.png)"});
    QImage saved;
    QVERIFY(saved.load(path("chart.png"), "PNG"));
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), chart);

    m_answer = path("chart.bmp");
    m_exporter->saveReport(ChartPage);
    QVERIFY(QImage(path("chart.bmp"), "BMP").size() == chart.size());
    QVERIFY(m_reporter.messages.isEmpty());
}

// --- the combined PDF --------------------------------------------------------------

// Nothing calculated, or every chosen report never made: a word, no
// question for a file and no PDF.
void TestReportExporter::nothingToPrint()
{
    int chooserAsked = 0;
    m_exporter->setReportChooser([&chooserAsked](bool, ReportSelection &selection) {
        ++chooserAsked;
        selection = ReportSelection();
        for (const ReportKind kind : choosableKinds())
            selection[kind] = false;
        return true;
    });
    m_answer = path("nothing");
    m_exporter->saveAllReports(false);
    QCOMPARE(m_reporter.messages, QStringList{"Error: Calculate a person first."});
    QCOMPARE(chooserAsked, 0);

    // A numerology report, but every box unticked.
    m_reporter.messages.clear();
    m_views->show(CReportViews::Numerology, reportWithPicture("Life Path Heading", m_picture));
    m_exporter->saveAllReports(false);
    QCOMPARE(chooserAsked, 1);
    QCOMPARE(m_reporter.messages,
             QStringList{"Error: None of the chosen reports has been made: there is nothing to print."});
    QVERIFY(m_asked.isEmpty());
    QVERIFY(!m_exporter->busy());
    QVERIFY(!QFile::exists(path("nothing.pdf")));
}

void TestReportExporter::pdfOfAllReports()
{
    m_views->show(CReportViews::Numerology, reportWithPicture("Life Path Heading", m_picture));
    m_views->show(CReportViews::Celebrities, reportWithPicture("Celebrities Heading", m_picture));
    m_exporter->setReportChooser([](bool chaldean, ReportSelection &selection) {
        selection = ReportSelection();
        selection[CelebritiesReport] = false;
        return !chaldean;
    });
    m_exporter->setCoverSource([] {
        CoverPage cover;
        cover.clientName = QStringLiteral("Ann Lee");
        cover.numerologist = QStringLiteral("Jo Example");
        return cover;
    });
    m_answer = path("all");
    QSignalSpy finished(m_exporter, &CReportExporter::finished);
    m_exporter->saveAllReports(false);
    QCOMPARE(m_asked, QStringList{"Save to PDF | PDF Files (*.pdf)"});
    QVERIFY(m_exporter->busy());
    QVERIFY(waitForPdf(finished));
    QCOMPARE(finished.first().first().toBool(), true);
    QVERIFY(!m_exporter->busy());
    QVERIFY(!m_exporter->selection()[CelebritiesReport]);
    QFile pdf(path("all.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QVERIFY(m_reporter.messages.isEmpty());
    // The cover, the contents, the report with its footer, and the
    // properties, as sorvel-cli makes them.
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path("all.pdf")});
    QVERIFY(info.waitForFinished(60000));
    const QString properties = QString::fromUtf8(info.readAllStandardOutput());
    QVERIFY2(properties.contains(QRegularExpression("Title:\\s+Numerology reading for Ann Lee\n")),
             qPrintable(properties));
    QVERIFY(properties.contains(QRegularExpression("Author:\\s+Jo Example\n")));
    QVERIFY(properties.contains(QRegularExpression("Pages:\\s+3\n")));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {"-f", "2", "-l", "3", path("all.pdf"), "-"});
    QVERIFY(text.waitForFinished(60000));
    const QString pages = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    // The contents give the report page 3; the footer's name may be read
    // before or after that number.
    const QRegularExpression expected("^Contents " + reportTitle(NumerologyReport, false) +
                                      " (3 Ann Lee|Ann Lee 3) page 2 of 3 Life Path Heading.* Ann Lee page 3 of 3$");
    QVERIFY2(pages.contains(expected), qPrintable(pages));

    // Refused in the report choice: no file is asked for.
    m_asked.clear();
    m_exporter->saveAllReports(true);
    QVERIFY(m_asked.isEmpty());
    QVERIFY(!m_exporter->busy());
}

// While a PDF is made: busy cursor, status line, and a second export is
// refused with the message, before any dialog.
void TestReportExporter::busyRefusesASecondExport()
{
    m_views->show(CReportViews::Numerology, reportWithPicture("Life Path Heading", m_picture));
    QSignalSpy finished(m_exporter, &CReportExporter::finished);
    bool reportsAsked = false;
    m_exporter->setReportChooser([&reportsAsked](bool, ReportSelection &) { return reportsAsked = true; });

    QVERIFY(m_exporter->startPdf(path("first.pdf"), ReportSelection()));
    QVERIFY(m_exporter->busy());
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
    QVERIFY(m_exporter->statusLine()->isVisibleTo(m_window));

    QVERIFY(!m_exporter->startPdf(path("second.pdf"), ReportSelection()));
    m_exporter->saveAllReports(false);
    QVERIFY(!reportsAsked);
    QCOMPARE(m_reporter.messages, (QStringList{IN_PROGRESS, IN_PROGRESS}));

    QVERIFY(waitForPdf(finished));
    QCOMPARE(finished.count(), 1);
    QVERIFY(!m_exporter->busy());
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(!m_exporter->statusLine()->isVisibleTo(m_window));
    QVERIFY(QFile::exists(path("first.pdf")));
    QVERIFY(!QFile::exists(path("second.pdf")));

    // Free again: the next export starts.
    finished.clear();
    QVERIFY(m_exporter->startPdf(path("third.pdf"), ReportSelection()));
    QVERIFY(waitForPdf(finished));
    QVERIFY(QFile::exists(path("third.pdf")));
}

void TestReportExporter::failedPdfIsShown()
{
    m_views->show(CReportViews::Numerology, reportWithPicture("Life Path Heading", m_picture));
    QSignalSpy finished(m_exporter, &CReportExporter::finished);
    const QString pdf = path("no/such/folder/all.pdf");
    QVERIFY(m_exporter->startPdf(pdf, ReportSelection()));
    QVERIFY(waitForPdf(finished));
    QCOMPARE(finished.first().first().toBool(), false);
    QVERIFY(!m_exporter->busy());
    QCOMPARE(m_reporter.messages.size(), 1);
    QVERIFY2(m_reporter.messages.first().startsWith("Error: Cannot write " + pdf + ": "),
             qPrintable(m_reporter.messages.first()));
}

// A task that never ran, or is destroyed midway, still removes its file.
void TestReportExporter::taskRemovesItsHtmlFile()
{
    QString error;
    GenPDFfromHTML *never =
        GenPDFfromHTML::forDocument("<p>never printed</p>", path("never.pdf"), nullptr, &error);
    QVERIFY(never);
    const QString html = never->htmlPath();
    QVERIFY(QFile::exists(html));
    delete never;
    QVERIFY(!QFile::exists(html));

    GenPDFfromHTML *midway =
        GenPDFfromHTML::forDocument("<p>midway</p>", path("midway.pdf"), nullptr, &error);
    midway->run();
    delete midway;
    QVERIFY(!QFile::exists(path("midway.pdf")));
}

void TestReportExporter::loadFailureIsReported()
{
    GenPDFfromHTML task(path("missing.html"), path("missing.pdf"));
    task.setOpenWhenDone(false);
    QSignalSpy finished(&task, &GenPDFfromHTML::finished);
    task.run();
    QVERIFY(finished.wait(PDF_WAIT_MS));
    QCOMPARE(finished.first().first().toBool(), false);
    QCOMPARE(task.errorString(), QStringLiteral("The reports could not be prepared for printing."));
    QVERIFY(!QFile::exists(path("missing.pdf")));
}

// --- the window -----------------------------------------------------------------------

// "Save Report" saves the current page's report; "Save All Reports to PDF"
// asks with the input's Chaldean choice; the task's end reaches the window.
void TestReportExporter::windowSlotsForward()
{
    CSorvel window;
    setMessageReporter(&m_reporter);
    CReportExporter *exporter = window.exporter();
    QVERIFY(exporter);
    exporter->setOpenPdfWhenDone(false);
    const QString saved = path("window-report");
    exporter->setFileChooser([saved](const QString &, const QString &) { return saved; });
    QList<bool> chaldeanAsked;
    exporter->setReportChooser([&chaldeanAsked](bool chaldean, ReportSelection &) {
        chaldeanAsked << chaldean;
        return false;
    });

    PersonInput john;
    john.fullName = QStringLiteral("John Quincy Smith");
    john.birthDate = QDate(1990, 5, 17);
    john.chaldean = true;
    window.inputOverlay()->setInput(john);
    window.OnCalcNum();
    window.OnExportHTML();
    QFile file(saved + ".html");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("JOHN QUINCY SMITH"));

    window.OnExportPDFAll();
    QCOMPARE(chaldeanAsked, QList<bool>{true});
    QVERIFY(m_reporter.messages.isEmpty());
}

// The window's chart page gives the exporter its picture: the chosen
// template drawn for the calculated person at four times its pixels.
void TestReportExporter::windowSavesTheChartPicture()
{
    CSorvel window;
    setMessageReporter(&m_reporter);
    const QString saved = path("window-chart");
    window.exporter()->setFileChooser([saved](const QString &, const QString &) { return saved; });
    window.OnUpdateListReport();
    auto *chooser = window.findChild<QComboBox *>(QStringLiteral("chartChooser"));
    QVERIFY(chooser);
    const int numerology = chooser->findText(QStringLiteral("Numerology Chart"));
    QVERIFY2(numerology >= 0, "the build's templates are not beside the test");
    chooser->setCurrentIndex(numerology);

    PersonInput john;
    john.fullName = QStringLiteral("John Quincy Smith");
    john.birthDate = QDate(1990, 5, 17);
    window.inputOverlay()->setInput(john);
    window.OnCalcNum();
    window.OnCtrlButChart();
    QCOMPARE(window.currentPage(), int(ChartPage));
    window.OnExportHTML();
    QImage picture;
    QVERIFY(picture.load(saved + ".png", "PNG"));
    QCOMPARE(picture.size(), QSize(2516, 3560)); // A4: 629 x 890 pixels, times four
    QVERIFY(m_reporter.messages.isEmpty());

    // After the reset there is no person to draw.
    QVERIFY(QFile::remove(saved + ".png"));
    window.OnResData();
    window.OnExportHTML();
    QVERIFY(!QFile::exists(saved + ".png"));
    QCOMPARE(m_reporter.messages.size(), 1);
    QVERIFY2(m_reporter.messages.first().contains("there is no chart to save"),
             qPrintable(m_reporter.messages.first()));
}

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    useSoftwareRendering();
    // The temporary documents go to a folder of this run, which cleanup() checks.
    QTemporaryDir temp;
    qputenv("TMPDIR", QFile::encodeName(temp.path()));
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    TestReportExporter test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_reportexporter.moc"
