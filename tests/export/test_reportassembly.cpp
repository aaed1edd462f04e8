// The combined document of "Save All Reports to PDF": order, choice, the
// 100-character rule, the page breaks, the inlined pictures and the chart
// picture at the end.

#include "export/reportassembly.h"

#include <QPageSize>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString BREAK = QStringLiteral("<p style=\"page-break-after: always;  \"></p>");

// A report of exactly length characters that names itself.
QString report(const QString &name, int length = 120)
{
    const QString head = QStringLiteral("<html><body>") + name;
    const QString tail = QStringLiteral("</body></html>");
    return head + QString(length - head.size() - tail.size(), QLatin1Char('.')) + tail;
}

ReportSet everyReport()
{
    ReportSet set;
    set[NumerologyReport] = report("NUMEROLOGY");
    set[PsychomatrixReport] = report("PSYCHOMATRIX");
    set[CompatibilityReport] = report("COMPATIBILITY");
    set[CelebritiesReport] = report("CELEBRITIES");
    set[PetReport] = report("PET");
    set[AdvisorReport] = report("ADVISOR");
    return set;
}

// The report names in the order the combined document holds them.
QStringList order(const QString &combined)
{
    QStringList names;
    for (const QString &part : combined.split(BREAK, Qt::SkipEmptyParts))
        names << part.mid(12, part.indexOf(QLatin1Char('.')) - 12);
    return names;
}

ReportSelection only(bool numerology, bool psychomatrix, bool compatibility, bool celebrities)
{
    ReportSelection s;
    s[NumerologyReport] = numerology;
    s[PsychomatrixReport] = psychomatrix;
    s[CompatibilityReport] = compatibility;
    s[CelebritiesReport] = celebrities;
    return s;
}

} // namespace

Q_DECLARE_METATYPE(ReportSelection)

class TestReportAssembly : public QObject
{
    Q_OBJECT

private slots:
    void orderAndChoice_data();
    void orderAndChoice();
    void hundredCharacterRule_data();
    void hundredCharacterRule();
    void trailingPageBreakStays();
    void picturesInlinedExceptInThePetReport();
    void chartComesLastScaledToFit_data();
    void chartComesLastScaledToFit();
    void chartKeepsPixelsForPrinting();
    void pageLayout();
    void printJobParts();
    void printJobFile_data();
    void printJobFile();
    void contentsPage();
};

void TestReportAssembly::orderAndChoice_data()
{
    QTest::addColumn<ReportSelection>("selection");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("everything") << ReportSelection()
                                << QStringList{"NUMEROLOGY",  "PSYCHOMATRIX", "COMPATIBILITY",
                                               "CELEBRITIES", "PET",          "ADVISOR"};
    QTest::newRow("without numerology")
        << only(false, true, true, true)
        << QStringList{"PSYCHOMATRIX", "COMPATIBILITY", "CELEBRITIES", "PET", "ADVISOR"};
    QTest::newRow("numerology and celebrities")
        << only(true, false, false, true) << QStringList{"NUMEROLOGY", "CELEBRITIES", "PET", "ADVISOR"};
    // Pet and name advisor have no box: they are always there.
    QTest::newRow("every box unchecked") << only(false, false, false, false) << QStringList{"PET", "ADVISOR"};
}

void TestReportAssembly::orderAndChoice()
{
    QFETCH(ReportSelection, selection);
    QFETCH(QStringList, expected);
    const QString combined = assembleAllReports(everyReport(), selection);
    QCOMPARE(order(combined), expected);
    QCOMPARE(combined.count(BREAK), expected.size());
}

void TestReportAssembly::hundredCharacterRule_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("included");
    QTest::newRow("empty (never calculated)") << 0 << false;
    QTest::newRow("99 characters") << 99 << false;
    QTest::newRow("100 characters") << 100 << true;
}

void TestReportAssembly::hundredCharacterRule()
{
    QFETCH(int, length);
    QFETCH(bool, included);
    ReportSet set = everyReport();
    set[PetReport] = length == 0 ? QString() : report("PET", length);
    set[PsychomatrixReport] = length == 0 ? QString() : report("PSYCHOMATRIX", length);
    const QStringList names = order(assembleAllReports(set, ReportSelection()));
    QCOMPARE(names.contains("PET"), included);
    QCOMPARE(names.contains("PSYCHOMATRIX"), included);
    QVERIFY(names.contains("ADVISOR"));
}

// The last report keeps its break even when nothing follows it.
void TestReportAssembly::trailingPageBreakStays()
{
    ReportSet set;
    set[NumerologyReport] = report("NUMEROLOGY");
    const QString combined = assembleAllReports(set, ReportSelection());
    QCOMPARE(combined, set[NumerologyReport] + BREAK);
    QVERIFY(assembleAllReports(ReportSet(), ReportSelection()).isEmpty());
}

// The chosen reports and the advisor get their file pictures inlined and
// padded; the pet report goes in unchanged.
void TestReportAssembly::picturesInlinedExceptInThePetReport()
{
    QTemporaryDir dir;
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(dir.filePath("res01.jpg"), "JPG"));
    const QString img = "<img src=\"file:///" + dir.filePath("res01.jpg") + "\" align=\"right\" />";
    ReportSet set = everyReport();
    set[NumerologyReport] = report("NUMEROLOGY") + img;
    set[AdvisorReport] = report("ADVISOR") + img;
    set[PetReport] = report("PET") + img;
    const QString combined = assembleAllReports(set, ReportSelection());
    QCOMPARE(combined.count("<img hspace=\"50\"   src=\"data:image/jpeg;base64,"), 2);
    QCOMPARE(combined.count(set[PetReport] + BREAK), 1);
}

void TestReportAssembly::chartComesLastScaledToFit_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("wide") << QSize(1200, 800) << QSize(600, 400);
    QTest::newRow("tall") << QSize(300, 1600) << QSize(150, 800);
    QTest::newRow("small is enlarged to fit") << QSize(60, 40) << QSize(600, 400);
}

void TestReportAssembly::chartComesLastScaledToFit()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, shown);
    ReportSet set = everyReport();
    set.chart = QImage(picture, QImage::Format_RGB32);
    set.chart.fill(Qt::blue);
    const QString chart =
        QString("<p style=\"text-align: center;\" ><img align=\"middle\" vertical-align=\"middle\" "
                "width=\"%1\" height=\"%2\" src=\"data:image/png;base64,")
            .arg(shown.width())
            .arg(shown.height());

    const QString combined = assembleAllReports(set, ReportSelection());
    QVERIFY(combined.startsWith(everyReport()[NumerologyReport]));
    const int at = combined.indexOf(chart);
    QVERIFY2(at > combined.lastIndexOf(BREAK), "the chart follows the last break");
    QVERIFY(combined.endsWith("\"></p>"));

    ReportSelection withoutChart;
    withoutChart[ChartReport] = false;
    QVERIFY(!assembleAllReports(set, withoutChart).contains("<p style=\"text-align: center;\" >"));
}

// Shown at most 600 x 800, the chart keeps up to three pixels per pixel
// shown, so it prints sharp.
void TestReportAssembly::chartKeepsPixelsForPrinting()
{
    QImage chart(2400, 1600, QImage::Format_RGB32);
    chart.fill(Qt::green);
    const QString html = chartPictureHtml(chart);
    const QString prefix = "data:image/png;base64,";
    const int start = html.indexOf(prefix) + prefix.size();
    const QImage data = QImage::fromData(
        QByteArray::fromBase64(html.mid(start, html.indexOf('"', start) - start).toLatin1()), "PNG");
    QCOMPARE(data.size(), QSize(1800, 1200));
    QVERIFY(html.contains("width=\"600\" height=\"400\""));
}

void TestReportAssembly::pageLayout()
{
    const QPageLayout layout = allReportsPageLayout();
    QCOMPARE(layout.pageSize().id(), QPageSize::A4);
    QCOMPARE(layout.orientation(), QPageLayout::Portrait);
    QCOMPARE(layout.units(), QPageLayout::Inch);
    QCOMPARE(layout.margins(), QMarginsF(0.6, 0.6, 0.6, 0.7));
    QCOMPARE(layout.minimumMargins(), QMarginsF(0, 0, 0, 0));
}

// The print job: each part on its own with its title, in the document's
// order; the cover, footer name and properties only with a cover.
void TestReportAssembly::printJobParts()
{
    ReportSet set = everyReport();
    set.chart = QImage(60, 40, QImage::Format_RGB32);
    set.chart.fill(Qt::red);
    CoverPage cover;
    cover.clientName = QStringLiteral("Ann <Lee>");
    cover.numerologist = QStringLiteral("Jo Example");
    ReportSelection selection;
    selection[CelebritiesReport] = false;
    const ClientPrintJob job = clientPrintJob(set, selection, false, &cover);
    QStringList titles;
    for (const DocumentPart &part : job.parts) {
        titles << part.title;
        QVERIFY2(!part.html.contains(BREAK), qPrintable(part.title)); // each printed on its own
    }
    QCOMPARE(titles, (QStringList{reportTitle(NumerologyReport, false), reportTitle(PsychomatrixReport, false),
                                  reportTitle(CompatibilityReport, false), reportTitle(PetReport, false),
                                  reportTitle(AdvisorReport, false), reportTitle(ChartReport, false)}));
    QVERIFY(job.parts.first().html.contains("NUMEROLOGY"));
    QVERIFY(job.parts.last().html.contains("data:image/png;base64,"));
    QVERIFY(job.cover.contains("Ann &lt;Lee&gt;"));
    QVERIFY(!job.cover.endsWith(BREAK));
    QCOMPARE(job.clientName, cover.clientName);
    QCOMPARE(job.properties.title, QStringLiteral("Numerology reading for Ann <Lee>"));
    QCOMPARE(job.properties.author, cover.numerologist);

    const ClientPrintJob bare = clientPrintJob(set, selection, false, nullptr);
    QCOMPARE(bare.parts.size(), job.parts.size());
    QVERIFY(bare.cover.isEmpty());
    QVERIFY(bare.clientName.isEmpty());
    QVERIFY(bare.properties.title.isEmpty());

    // Nothing made: no parts, and no cover to print on its own.
    const ClientPrintJob nothing = clientPrintJob(ReportSet(), ReportSelection(), false, &cover);
    QVERIFY(nothing.parts.isEmpty());
    QVERIFY(nothing.cover.isEmpty());
}

void TestReportAssembly::printJobFile_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isJob");
    ClientPrintJob job;
    job.cover = QStringLiteral("<html><body>cover --> ü</body></html>");
    job.parts = {{QStringLiteral("Year Ahead"), QStringLiteral("<p>-- a -->part</p>")},
                 {QStringLiteral("Pet"), QStringLiteral("<p>Rex</p>")}};
    job.clientName = QStringLiteral("Zoë");
    job.properties = PdfProperties::forClient(job.clientName, QStringLiteral("Ann"));
    const QString file = job.toFile();
    QTest::newRow("job") << file << true;
    QTest::newRow("plain report") << QStringLiteral("<html><body>a report</body></html>") << false;
    QTest::newRow("job cut short") << file.left(file.size() / 2) << false;
    QTest::newRow("mark without a job") << QStringLiteral("<!--sorvel-print-job bm90IGpzb24= -->") << false;
}

// The file the printer reads back gives the job it was written from.
void TestReportAssembly::printJobFile()
{
    QFETCH(QString, text);
    QFETCH(bool, isJob);
    ClientPrintJob read;
    QCOMPARE(ClientPrintJob::fromFile(text, read), isJob);
    if (!isJob)
        return;
    QCOMPARE(read.cover, QStringLiteral("<html><body>cover --> ü</body></html>"));
    QCOMPARE(read.parts.size(), 2);
    QCOMPARE(read.parts.at(0).title, QStringLiteral("Year Ahead"));
    QCOMPARE(read.parts.at(0).html, QStringLiteral("<p>-- a -->part</p>"));
    QCOMPARE(read.parts.at(1).html, QStringLiteral("<p>Rex</p>"));
    QCOMPARE(read.clientName, QStringLiteral("Zoë"));
    QCOMPARE(read.properties.title, QStringLiteral("Numerology reading for Zoë"));
    QCOMPARE(read.properties.author, QStringLiteral("Ann"));
    QVERIFY(read.properties.creator.startsWith("Sorvel Numerology "));
}

void TestReportAssembly::contentsPage()
{
    const QString html = contentsPageHtml({{QStringLiteral("Western Numerology"), 3},
                                           {QStringLiteral("Pets & Co"), 41}});
    QVERIFY(html.contains(">Contents</h1>"));
    const int first = html.indexOf("Western Numerology</td><td class=\"contents-page\">3</td>");
    const int second = html.indexOf("Pets &amp; Co</td><td class=\"contents-page\">41</td>");
    QVERIFY(first > 0);
    QVERIFY(second > first);
    QVERIFY(!html.contains(BREAK));
}

QTEST_GUILESS_MAIN(TestReportAssembly)
#include "test_reportassembly.moc"
