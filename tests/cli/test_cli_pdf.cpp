// sorvel-cli pdf: the combined PDF, read back with poppler's pdftotext,
// pdfinfo and pdfimages - each chosen report's headings and the names are in
// it, each report starts a page, more reports make more pages, a chart
// template adds the chart picture's page at the end, a person file gives the
// same PDF as its options - and the command's failures, none of which
// leaves the temporary document behind.
//
// Printing a PDF starts the web engine and takes seconds, more on a busy
// machine: each distinct PDF is printed once per run (printed()) and the
// cases that only read it share it.

#include "clirunner.h"
#include "export/popplertools.h"
#include "texts/textcipher.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

const QStringList PERSON = {"--full",     "John Quincy Smith", "--birth",
                            "1990-05-17", "--forecast",        "2024-06-21"};
const QStringList PARTNER = {"--partner-full", "Mary Ann Jones", "--partner-birth", "1985-11-29"};
const QStringList PET = {"--pet-name", "Rex", "--pet-birth", "2020-02-29"};

// The headings that open each report.
const QString NUMEROLOGY = QStringLiteral("Numerology Chart for");
const QString PSYCHOMATRIX = QStringLiteral("Numerology Psychomatrix Chart for");
const QString COMPATIBILITY = QStringLiteral("Numerology Compatibility Report");
const QString CELEBRITIES = QStringLiteral("Celebrities Report for");
const QString PET_REPORT = QStringLiteral("Pet Numerology Chart");

// The text of one page (1-based), or of the whole file for page 0.
QString pdfText(const QString &pdf, int page = 0)
{
    QStringList args;
    if (page > 0)
        args << "-f" << QString::number(page) << "-l" << QString::number(page);
    return runTool(QStringLiteral("pdftotext"), args << pdf << "-");
}

// A page's text without its footer: the client's name and "page N of M".
QString withoutFooter(const QString &text)
{
    QString shown = text;
    shown.remove(QRegularExpression(QStringLiteral("[^\\n]*\\s+page \\d+ of \\d+\\s*$")));
    return shown;
}

// The images on one page (1-based), as pdfimages lists them.
int pdfImagesOnPage(const QString &pdf, int page)
{
    const QStringList lines = runTool(QStringLiteral("pdfimages"), {"-list", "-f", QString::number(page),
                                                                    "-l", QString::number(page), pdf})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.size() - 2; // a heading and a rule above the images (and their masks)
}

// A shipped chart template the build made beside the tool.
QString builtTemplate(const QString &name)
{
    return QCoreApplication::applicationDirPath() + "/images/templates/" + name + ".snc";
}

int pdfPages(const QString &pdf)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                          .match(runTool(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

} // namespace

class TestCliPdf : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void holdsTheChosenReports_data();
    void holdsTheChosenReports();
    void eachReportStartsAPage();
    void moreReportsMorePages();
    void picturesMissingStillExports();
    void missingPrinterFailsClearly();
    void templateAddsTheChartPage_data();
    void templateAddsTheChartPage();
    void personFileGivesTheSamePdf_data();
    void personFileGivesTheSamePdf();
    void failures_data();
    void failures();

private:
    CliRun runPdf(const QStringList &args);
    QString out(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    // The PDF of these options, printed at the first call; an empty path,
    // with the tool's complaint in error, when it could not be printed.
    QString printed(const QStringList &args, QString &error);

    QTemporaryDir m_dir;
    QTemporaryDir m_temp; // the tool's temporary folder
    QString m_texts;
    QHash<QString, QString> m_printed; // options (in a fixed order) -> the PDF
    QHash<QString, QString> m_failed;  // options -> the tool's complaint
};

namespace {

// The options in a fixed order, each with its values, so that the same
// request written in another order finds the same PDF.
QString requestKey(const QStringList &args)
{
    QStringList options;
    for (const QString &arg : args) {
        if (arg.startsWith(QLatin1String("--")) || options.isEmpty())
            options.append(arg);
        else
            options.last() += QLatin1Char('\n') + arg;
    }
    options.sort();
    return options.join(QLatin1Char('\t'));
}

} // namespace

QString TestCliPdf::printed(const QStringList &args, QString &error)
{
    const QString key = requestKey(args);
    if (m_printed.contains(key))
        return m_printed.value(key);
    if (m_failed.contains(key)) {
        error = m_failed.value(key);
        return QString();
    }
    const QString pdf = m_dir.filePath(QStringLiteral("printed-%1.pdf").arg(m_printed.size() + m_failed.size()));
    const CliRun run = runPdf(args + QStringList{"--out", pdf});
    if (run.exitCode != 0 || !QFile::exists(pdf)) {
        error = QStringLiteral("exit %1: %2").arg(run.exitCode).arg(QString::fromUtf8(run.err));
        m_failed.insert(key, error);
        return QString();
    }
    m_printed.insert(key, pdf);
    return pdf;
}

void TestCliPdf::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(),
             "pdftotext not found: install poppler-utils (scripts/setup-debian.sh)");
    QVERIFY(!QStandardPaths::findExecutable("pdfinfo").isEmpty());
    // A small data file keeps the reports short: a few paragraphs each.
    m_texts = out("texts.dat");
    QFile file(m_texts);
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (const char *line : {"#10100", "Life Path introduction.", "#10105", "Five is freedom.", "#20100",
                             "Character introduction.", "#30100", "Pets in general."})
        file.write(encipherLine(line) + '\n');
}

void TestCliPdf::init()
{
    QVERIFY(m_temp.isValid());
}

// The temporary document is gone whatever the outcome.
void TestCliPdf::cleanup()
{
    const QStringList left = QDir(m_temp.path()).entryList({"report*.html"}, QDir::Files);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(' ')));
}

CliRun TestCliPdf::runPdf(const QStringList &args)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), m_temp.path());
    return runCli(QStringList{"pdf", "--texts", m_texts} + args, environment);
}

void TestCliPdf::holdsTheChosenReports_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");
    QTest::newRow("numerology only") << PERSON + QStringList{"--reports", "numerology"}
                                     << QStringList{NUMEROLOGY, "JOHN QUINCY SMITH (JOHN SMITH), May 17 1990"}
                                     << QStringList{PSYCHOMATRIX, CELEBRITIES, COMPATIBILITY, PET_REPORT};
    QTest::newRow("psychomatrix and celebrities")
        << PERSON + QStringList{"--reports", "matrix,celebrities"}
        << QStringList{PSYCHOMATRIX, "John Quincy Smith, May 17 1990", CELEBRITIES}
        << QStringList{NUMEROLOGY, COMPATIBILITY};
    QTest::newRow("everything with partner and pet")
        << PERSON + PARTNER + PET
        << QStringList{NUMEROLOGY,  PSYCHOMATRIX, COMPATIBILITY,     "MARY ANN JONES",
                       CELEBRITIES, PET_REPORT,   "Pets in general."}
        << QStringList();
    // The pet report has no box: it comes whatever is chosen.
    QTest::newRow("pet without a choice")
        << PERSON + PET + QStringList{"--reports", "compat"} << QStringList{PET_REPORT}
        << QStringList{NUMEROLOGY, COMPATIBILITY};
    QTest::newRow("Chaldean") << PERSON + QStringList{"--chaldean", "--reports", "numerology"}
                              << QStringList{NUMEROLOGY, "JOHN QUINCY SMITH"} << QStringList{PSYCHOMATRIX};
}

void TestCliPdf::holdsTheChosenReports()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    QString error;
    const QString pdf = printed(args, error);
    QVERIFY2(!pdf.isEmpty(), qPrintable(error));
    const QString text = pdfText(pdf);
    QVERIFY(!text.isEmpty());
    for (const QString &expected : present)
        QVERIFY2(text.contains(expected), qPrintable(expected));
    for (const QString &unexpected : absent)
        QVERIFY2(!text.contains(unexpected), qPrintable(unexpected));
}

// Page breaks fall between reports: each report's heading opens a page.
void TestCliPdf::eachReportStartsAPage()
{
    QString error;
    const QString pdf = printed(PERSON + PARTNER + PET, error);
    QVERIFY2(!pdf.isEmpty(), qPrintable(error));
    const int pages = pdfPages(pdf);
    QStringList openings;
    for (int page = 1; page <= pages; ++page)
        openings << pdfText(pdf, page).trimmed().section(QLatin1Char('\n'), 0, 0);
    for (const QString &heading : {NUMEROLOGY, PSYCHOMATRIX, COMPATIBILITY, CELEBRITIES, PET_REPORT})
        QVERIFY2(openings.contains(heading), qPrintable(heading + " opens no page: " + openings.join(" | ")));
    // The cover page comes first, the contents page, then the first report.
    QCOMPARE(openings.first(), QStringLiteral("Numerology reading for"));
    QCOMPARE(openings.at(1), QStringLiteral("Contents"));
    QCOMPARE(openings.at(2), NUMEROLOGY);
    // The last page is more than its footer.
    QVERIFY2(!openings.last().isEmpty() && !openings.last().contains(QStringLiteral("page %1 of").arg(pages)),
             "no empty page at the end");
}

// Each step adds reports to the one before: the numerology report, the
// psychomatrix, compatibility and celebrities (every report of a person with
// a partner), the pet's.
void TestCliPdf::moreReportsMorePages()
{
    int previous = 0;
    const QList<QStringList> steps = {PERSON + QStringList{"--reports", "numerology"},
                                      PERSON + QStringList{"--reports", "numerology,matrix"},
                                      PERSON + PARTNER, PERSON + PARTNER + PET};
    for (const QStringList &step : steps) {
        QString error;
        const QString pdf = printed(step, error);
        QVERIFY2(!pdf.isEmpty(), qPrintable(error));
        const int pages = pdfPages(pdf);
        QVERIFY2(pages > previous,
                 qPrintable(QString("%1: %2 pages after %3").arg(step.join(' ')).arg(pages).arg(previous)));
        previous = pages;
    }
}

// A program whose images folder is gone still prints every report.
void TestCliPdf::picturesMissingStillExports()
{
    const QString bare = out("bare");
    QVERIFY(QDir().mkpath(bare));
    QVERIFY(copyCliTool(bare, true));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), m_temp.path());
    QProcess process;
    process.setProcessEnvironment(environment);
    const QString pdf = out("bare.pdf");
    process.start(bare + "/sorvel-cli",
                  QStringList{"pdf", "--texts", m_texts} + PERSON + QStringList{"--out", pdf});
    QVERIFY(process.waitForFinished(-1));
    QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
    const QString text = pdfText(pdf);
    QVERIFY(text.contains(NUMEROLOGY));
    QVERIFY(text.contains(PSYCHOMATRIX));
}

// The tool without its printer says what is missing and writes nothing.
void TestCliPdf::missingPrinterFailsClearly()
{
    const QString alone = out("alone");
    QVERIFY(QDir().mkpath(alone));
    QVERIFY(copyCliTool(alone, false));
    QProcess process;
    const QString pdf = out("alone.pdf");
    process.start(alone + "/sorvel-cli",
                  QStringList{"pdf", "--texts", m_texts} + PERSON + QStringList{"--out", pdf});
    QVERIFY(process.waitForFinished(-1));
    QCOMPARE(process.exitCode(), 1);
    QVERIFY(process.readAllStandardError().contains("sorvel-pdf-printer"));
    QVERIFY(!QFile::exists(pdf));
}

void TestCliPdf::templateAddsTheChartPage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("without"); // the same reports without a template
    QTest::addColumn<int>("extraPages");
    QTest::newRow("every report") << PERSON + PARTNER + PET << PERSON + PARTNER + PET << 1;
    // The chart chosen by name is there either way: without --template the
    // first shipped template draws it.
    QTest::newRow("numerology and the chart") << PERSON + QStringList{"--reports", "numerology,chart"}
                                              << PERSON + QStringList{"--reports", "numerology,chart"} << 0;
    // Without the chart's choice the template is read but not printed.
    QTest::newRow("chart not chosen") << PERSON + QStringList{"--reports", "numerology,matrix"}
                                      << PERSON + QStringList{"--reports", "numerology,matrix"} << 0;
}

// The chart picture is one page more, the last, and a picture on it.
void TestCliPdf::templateAddsTheChartPage()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, without);
    QFETCH(int, extraPages);
    const QString chartTemplate = builtTemplate("Numerology Chart");
    QVERIFY2(QFile::exists(chartTemplate), qPrintable(chartTemplate));
    QString error;
    const QString withoutPdf = printed(without, error);
    QVERIFY2(!withoutPdf.isEmpty(), qPrintable(error));
    const QString with = printed(args + QStringList{"--template", chartTemplate}, error);
    QVERIFY2(!with.isEmpty(), qPrintable(error));

    const int pages = pdfPages(withoutPdf);
    QVERIFY(pages > 0);
    QCOMPARE(pdfPages(with), pages + extraPages);
    // The first report, after the cover and the contents.
    QCOMPARE(withoutFooter(pdfText(with, 3)), withoutFooter(pdfText(withoutPdf, 3)));
    if (extraPages > 0) {
        QVERIFY(pdfImagesOnPage(with, pages + 1) >= 1);
        QCOMPARE(withoutFooter(pdfText(with, pages + 1)).trimmed(), QString()); // a picture, no text
    }
}

void TestCliPdf::personFileGivesTheSamePdf_data()
{
    QTest::addColumn<QStringList>("person");
    QTest::addColumn<QStringList>("extra"); // options both runs take
    // The PDFs of the options are those other cases print as well.
    const QStringList forecast = {"--forecast", "2024-06-21"};
    const QStringList john = {"--full", "John Quincy Smith", "--birth", "1990-05-17"};
    QTest::newRow("person") << john << forecast + QStringList{"--reports", "numerology"};
    QTest::newRow("person, Chaldean")
        << john + QStringList{"--chaldean"} << forecast + QStringList{"--reports", "numerology"};
    QTest::newRow("person, partner and pet, with the chart")
        << john + PARTNER + PET << forecast + QStringList{"--template", builtTemplate("Numerology Chart")};
}

void TestCliPdf::personFileGivesTheSamePdf()
{
    QFETCH(QStringList, person);
    QFETCH(QStringList, extra);
    const QString file = out("same.num");
    const CliRun saved = runCli(QStringList{"person"} + person + QStringList{"--out", file});
    QVERIFY2(saved.exitCode == 0, saved.err.constData());
    QString error;
    const QString fromOptions = printed(person + extra, error);
    QVERIFY2(!fromOptions.isEmpty(), qPrintable(error));
    const QString fromFile = out("file.pdf");
    const CliRun run = runPdf(QStringList{"--person", file} + extra + QStringList{"--out", fromFile});
    QVERIFY2(run.exitCode == 0, run.err.constData());

    const QString text = pdfText(fromFile);
    QVERIFY(text.contains("JOHN QUINCY SMITH"));
    QCOMPARE(text, pdfText(fromOptions));
    QCOMPARE(pdfPages(fromFile), pdfPages(fromOptions));
}

void TestCliPdf::failures_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("complaint");
    const QString pdf = out("failed.pdf");
    QTest::newRow("no --out") << PERSON << 2 << "missing --out";
    QTest::newRow("unknown report") << PERSON + QStringList{"--reports", "numerology,horoscope", "--out", pdf}
                                    << 2 << "unknown report 'horoscope'";
    QTest::newRow("pet without birth date")
        << PERSON + QStringList{"--pet-name", "Rex", "--out", pdf} << 2 << "missing --pet-birth";
    QTest::newRow("pet name of no letters")
        << PERSON + QStringList{"--pet-name", "!!", "--pet-birth", "2020-01-01", "--out", pdf} << 2
        << "--pet-name";
    QTest::newRow("partner without name")
        << PERSON + QStringList{"--partner-birth", "1985-11-29", "--out", pdf} << 2
        << "missing --partner-full";
    QTest::newRow("chart option checked")
        << PERSON + QStringList{"--vowels", "greek", "--out", pdf} << 2 << "--vowels";
    QTest::newRow("names rejected") << QStringList{"--full", "1990", "--birth", "1990-05-17", "--out", pdf}
                                    << 3 << "Error! Incorrect full or short name!";
    // Person files with and without a partner.
    const QString couple = out("couple.num");
    const QString single = out("single.num");
    const QStringList john = {"person", "--full", "John Smith", "--birth", "1990-05-17"};
    QCOMPARE(runCli(john + PARTNER + QStringList{"--out", couple}).exitCode, 0);
    QCOMPARE(runCli(john + QStringList{"--out", single}).exitCode, 0);
    QTest::newRow("person file and --full")
        << QStringList{"--person", couple, "--full", "Ann Lee", "--out", pdf} << 2
        << "--person replaces --full";
    QTest::newRow("person file and a partner option")
        << QStringList{"--person", couple, "--partner-birth", "1980-01-01", "--out", pdf} << 2
        << "--person replaces --partner-birth";
    QTest::newRow("person file without partner and a partner option")
        << QStringList{"--person", single, "--partner-full", "Ann Lee", "--out", pdf} << 2
        << "--person replaces --partner-full";
    QTest::newRow("person file and a pet option")
        << QStringList{"--person", single, "--pet-name", "Rex", "--out", pdf} << 2
        << "--person replaces --pet-name";
    QTest::newRow("person file missing")
        << QStringList{"--person", out("nobody.num"), "--out", pdf} << 1 << "cannot open";
    QTest::newRow("template missing")
        << PERSON + QStringList{"--template", out("none.snc"), "--out", pdf} << 1 << "none.snc: cannot read";
    QTest::newRow("not a template") << PERSON + QStringList{"--template", m_texts, "--out", pdf} << 1
                                    << "damaged";
    // A FIFO without a writer is refused at once instead of blocking the
    // command (runCli gives up after a minute, so a hang fails).
    const QString fifo = out("fifo.snc");
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QTest::newRow("template is a FIFO") << PERSON + QStringList{"--template", fifo, "--out", pdf} << 1
                                        << "fifo.snc: cannot read: not a regular file";
    QTest::newRow("advisor date without a name")
        << PERSON + QStringList{"--advisor-date", "2020-01-01", "--out", pdf} << 2
        << "--advisor-date needs --advisor-name";
    QTest::newRow("advisor name of no letters")
        << PERSON + QStringList{"--advisor-name", "!!", "--out", pdf} << 2 << "pdf: --advisor-name: ";
    // The compatibility without a partner is never made: nothing to print,
    // and no blank PDF.
    QTest::newRow("nothing made") << PERSON + QStringList{"--reports", "compat", "--out", pdf} << 1
                                  << "sorvel-cli: pdf: none of the chosen reports was made: there is nothing to "
                                     "print\n";
    QTest::newRow("PDF not writable")
        << PERSON + QStringList{"--reports", "numerology", "--out", "/nonexistent/folder/r.pdf"} << 1
        << "sorvel-cli: pdf: Cannot write /nonexistent/folder/r.pdf: No such file or directory\n";
}

void TestCliPdf::failures()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, complaint);
    const CliRun run = runPdf(args);
    QCOMPARE(run.exitCode, status);
    QVERIFY2(run.err.contains(complaint.toUtf8()), run.err.constData());
    // The printer's reason alone, no note of the libraries before it.
    if (complaint.startsWith("sorvel-cli: "))
        QCOMPARE(QString::fromUtf8(run.err), complaint);
    QVERIFY(!QFile::exists(out("failed.pdf")));
}

QTEST_GUILESS_MAIN(TestCliPdf)
#include "test_cli_pdf.moc"
