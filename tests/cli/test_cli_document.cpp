// The document a client takes home, printed once for a person with partner,
// pet and a name for the advisor, every reading and the chart, and read back
// page by page with poppler-utils: the cover with the practitioner's block,
// the contents page's numbers against where each reading opens, the footer
// on every page but the cover, every page with text or a picture besides
// its footer, the year-ahead reading, the chart from the first shipped
// template, and the PDF's properties. Beside it, the `year` numbers
// against the personal year, month and day rules worked by hand, and
// `report year-ahead`.

#include "clirunner.h"
#include "export/popplertools.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString pdfText(const QString &pdf, int page)
{
    return runTool(QStringLiteral("pdftotext"),
                   {"-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
}

// The images on one page, as pdfimages lists them below its two heading lines.
int pdfImagesOnPage(const QString &pdf, int page)
{
    const QStringList lines = runTool(QStringLiteral("pdfimages"), {"-list", "-f", QString::number(page),
                                                                    "-l", QString::number(page), pdf})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.size() - 2;
}

QString pdfInfo(const QString &pdf, const QString &field)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QLatin1Char('^') + field + QLatin1String(":\\s+(.*)$"),
                           QRegularExpression::MultilineOption)
            .match(runTool(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

// Text squeezed to single blanks, for phrases that the layout may wrap.
QString squeezed(const QString &text)
{
    return text.simplified();
}

const QStringList PERSON = {"--full", "John Adam Smith", "--birth", "1990-05-17", "--forecast", "2024-06-21"};

// The heading each reading's first page opens with, by its title on the
// cover and the contents page; the chart's page is its picture alone.
const QList<QPair<QString, QString>> READINGS = {
    {"Western Numerology", "Numerology Chart for"},
    {"Year Ahead", "The Year 2024 Ahead for"},
    {"Psychomatrix", "Numerology Psychomatrix Chart for"},
    {"Compatibility", "Numerology Compatibility Report"},
    {"Celebrities", "Celebrities Report for"},
    {"Pet Numerology", "Pet Numerology Chart"},
    {"Name Advisor", "Express Numerology chart for JOHNNY SMITH"},
    {"Graphic Chart", QString()},
};

} // namespace

class TestCliDocument : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void coverPage();
    void contentsPage();
    void footerOnEveryPageButTheCover();
    void everyPageHasTextOrAPicture();
    void readingsInTheirOrder();
    void yearAheadPages();
    void chartFromTheFirstShippedTemplate();
    void documentProperties();
    void yearNumbers_data();
    void yearNumbers();
    void yearMonthLengths();
    void yearUsageErrors_data();
    void yearUsageErrors();
    void yearAheadReport();

private:
    // A page's text without its footer line, squeezed.
    QString withoutFooter(int page) const;

    QTemporaryDir m_dir;
    QString m_pdf;
    int m_pages = 0;
    QStringList m_text; // per page, 0-based
};

QString TestCliDocument::withoutFooter(int page) const
{
    QString text = squeezed(m_text.at(page - 1));
    const QString footer = QStringLiteral("John Adam Smith page %1 of %2").arg(page).arg(m_pages);
    if (text.endsWith(footer))
        text.chop(footer.size());
    return text.trimmed();
}

void TestCliDocument::initTestCase()
{
    QVERIFY(m_dir.isValid());
    for (const char *tool : {"pdftotext", "pdfinfo", "pdfimages"})
        QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(), "poppler-utils are not installed");
    QImage logo(80, 40, QImage::Format_RGB32);
    logo.fill(Qt::darkMagenta);
    const QString logoPath = m_dir.filePath("logo.png");
    QVERIFY(logo.save(logoPath));

    // The one document every per-page check reads: the chart is asked for
    // without --template.
    m_pdf = m_dir.filePath("client.pdf");
    const CliRun run = runCli(QStringList{"pdf"} + PERSON +
                              QStringList{"--partner-full", "Mary Ann Jones", "--partner-birth", "1992-11-22",
                                          "--pet-name", "Rex", "--pet-birth", "2015-03-03",
                                          "--advisor-name", "Johnny Smith", "--reports",
                                          "numerology,year-ahead,matrix,compat,celebrities,chart",
                                          "--numerologist", "Ann Example", "--numerologist-contact",
                                          "ann@example.org", "--logo", logoPath, "--out", m_pdf});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    m_pages = pdfInfo(m_pdf, "Pages").toInt();
    QVERIFY(m_pages > 10);
    for (int page = 1; page <= m_pages; ++page)
        m_text << pdfText(m_pdf, page);
}

void TestCliDocument::coverPage()
{
    const QString cover = squeezed(m_text.first());
    QVERIFY2(cover.contains("Numerology reading for"), qPrintable(cover));
    QVERIFY(cover.contains("JOHN ADAM SMITH", Qt::CaseInsensitive));
    QVERIFY(cover.contains("born 17 May 1990"));
    QVERIFY(cover.contains("Prepared on " + QLocale::c().toString(QDate::currentDate(), "d MMMM yyyy")));
    QVERIFY(cover.contains("Ann Example"));
    QVERIFY(cover.contains("ann@example.org"));
    for (const auto &reading : READINGS)
        QVERIFY2(cover.contains(reading.first), qPrintable(reading.first));
    QCOMPARE(pdfImagesOnPage(m_pdf, 1), 1); // the logo
    // The cover is a page of its own: the contents follow it.
    QVERIFY(!cover.contains("Numerology Chart for"));
    QVERIFY(squeezed(m_text.at(1)).startsWith("Contents"));
}

// Each reading with the page it starts on: the page its heading opens.
void TestCliDocument::contentsPage()
{
    const QString contents = withoutFooter(2);
    int previous = 2;
    for (const auto &reading : READINGS) {
        const QRegularExpressionMatch entry =
            QRegularExpression(QRegularExpression::escape(reading.first) + " (\\d+)").match(contents);
        QVERIFY2(entry.hasMatch(), qPrintable(reading.first + " is not in the contents: " + contents));
        const int page = entry.captured(1).toInt();
        QVERIFY2(page > previous && page <= m_pages, qPrintable(reading.first));
        const QString opening = withoutFooter(page);
        if (reading.second.isEmpty()) { // the chart: its picture alone
            QCOMPARE(opening, QString());
            QVERIFY(pdfImagesOnPage(m_pdf, page) >= 1);
        } else {
            QVERIFY2(opening.startsWith(reading.second),
                     qPrintable(QString("%1 is said to start on page %2, which opens: %3")
                                    .arg(reading.first)
                                    .arg(page)
                                    .arg(opening.left(80))));
        }
        // The page before belongs to the reading or page before it.
        if (!reading.second.isEmpty())
            QVERIFY(!withoutFooter(page - 1).startsWith(reading.second));
        previous = page;
    }
    QCOMPARE(previous, m_pages); // the chart ends the document
}

// "page N of M" and the client's name under every page but the cover.
void TestCliDocument::footerOnEveryPageButTheCover()
{
    QVERIFY(!m_text.first().contains(QRegularExpression("page \\d+ of \\d+")));
    for (int page = 2; page <= m_pages; ++page) {
        const QString text = squeezed(m_text.at(page - 1));
        QVERIFY2(text.endsWith(QStringLiteral("John Adam Smith page %1 of %2").arg(page).arg(m_pages)),
                 qPrintable(QString("page %1 ends: %2").arg(page).arg(text.right(60))));
    }
}

// Besides its footer, each page has text or a picture: no blank page.
void TestCliDocument::everyPageHasTextOrAPicture()
{
    for (int page = 1; page <= m_pages; ++page) {
        const bool text = !withoutFooter(page).isEmpty();
        QVERIFY2(text || pdfImagesOnPage(m_pdf, page) > 0, qPrintable(QString("page %1 is blank").arg(page)));
    }
}

// Each reading opens a page, in the order of the report kinds.
void TestCliDocument::readingsInTheirOrder()
{
    const QStringList openings = {"Numerology Chart for",
                                  "The Year 2024 Ahead for",
                                  "Numerology Psychomatrix Chart for",
                                  "Numerology Compatibility Report",
                                  "Celebrities Report for",
                                  "Pet Numerology Chart",
                                  "Express Numerology chart for"};
    int last = 0;
    for (const QString &opening : openings) {
        int found = -1;
        for (int page = last + 1; page < m_pages && found < 0; ++page)
            if (squeezed(m_text.at(page)).startsWith(opening))
                found = page;
        QVERIFY2(found > last,
                 qPrintable(opening + " opens no page after page " + QString::number(last + 1)));
        last = found;
    }
}

// The personal year 2024 of a birth on 17 May is 3: R(R(2024) + R(R(17) +
// R(5))) = R(8 + 4); January's personal month is then 4.
void TestCliDocument::yearAheadPages()
{
    QString yearAhead;
    for (const QString &page : m_text)
        if (page.contains("Personal Month") || page.contains("The Year 2024 Ahead"))
            yearAhead += page;
    yearAhead = squeezed(yearAhead);
    QVERIFY(yearAhead.contains("Personal Year Number: 3"));
    QVERIFY(yearAhead.contains("January 2024: Personal Month 4"));
    QVERIFY(yearAhead.contains("December 2024: Personal Month 6"));
    QCOMPARE(yearAhead.count(QRegularExpression("\\b(January|February|March|April|May|June|July|August|"
                                                "September|October|November|December) 2024: Personal Month")),
             12);
    QVERIFY(yearAhead.contains("Mon Tue Wed Thu Fri Sat Sun"));
}

// No --template, but the chart was asked for: the last page is its picture.
void TestCliDocument::chartFromTheFirstShippedTemplate()
{
    QVERIFY(pdfImagesOnPage(m_pdf, m_pages) >= 1);
    QCOMPARE(withoutFooter(m_pages), QString());
}

// The properties the viewer shows: pdfinfo reads them from the bound file's
// information dictionary.
void TestCliDocument::documentProperties()
{
    QCOMPARE(pdfInfo(m_pdf, "Title").toUpper(), QStringLiteral("NUMEROLOGY READING FOR JOHN ADAM SMITH"));
    QCOMPARE(pdfInfo(m_pdf, "Author"), QStringLiteral("Ann Example"));
    QVERIFY(pdfInfo(m_pdf, "Creator").startsWith("Sorvel Numerology "));
    QCOMPARE(pdfInfo(m_pdf, "Pages").toInt(), m_pages);
}

void TestCliDocument::yearNumbers_data()
{
    QTest::addColumn<QString>("birth");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("personalYear");
    QTest::addColumn<QList<int>>("months"); // personal months, January to December
    QTest::addColumn<int>("januaryFirst");  // the personal day of 1 January
    QTest::addColumn<int>("lastDay");       // of 31 December

    // b = R(R(day) + R(month)); year R(R(Y) + b); month R(year + R(m));
    // day R(month + R(d)). Worked by hand.
    // 17 May: b = R(8 + 5) = 4; 2024: R(8 + 4) = 3.
    QTest::newRow("17 May, 2024") << "1990-05-17" << 2024 << 3
                                  << QList<int>{4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6} << 5 << 1;
    // 29 November: b = R(R(29) + R(11)) = R(2 + 2) = 4, the masters 29 and 11
    // reduced plainly; 2009 reduces through 11 to 2: R(2 + 4) = 6.
    QTest::newRow("master day and month")
        << "1981-11-29" << 2009 << 6 << QList<int>{7, 8, 9, 1, 2, 3, 4, 5, 6, 7, 8, 9} << 8 << 4;
    // 22 February: b = R(4 + 2) = 6; 2029 reduces through 13 to 4: R(4 + 6) = 1.
    QTest::newRow("22 February, 2029")
        << "2000-02-22" << 2029 << 1 << QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4} << 3 << 8;
    // 9 September: b = 9; 1999 reduces through 28 and 10 to 1: R(1 + 9) = 1.
    QTest::newRow("9 September, 1999")
        << "1970-09-09" << 1999 << 1 << QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4} << 3 << 8;
}

void TestCliDocument::yearNumbers()
{
    QFETCH(QString, birth);
    QFETCH(int, year);
    QFETCH(int, personalYear);
    QFETCH(QList<int>, months);
    QFETCH(int, januaryFirst);
    QFETCH(int, lastDay);
    const CliRun run =
        runCli({"year", "--full", "Ann Lee", "--birth", birth, "--year", QString::number(year)});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    const QJsonObject o = run.json();
    QCOMPARE(o.value("year").toInt(), year);
    QCOMPARE(o.value("personalYear").toInt(), personalYear);
    const QJsonArray list = o.value("months").toArray();
    QCOMPARE(list.size(), 12);
    for (int m = 0; m < 12; ++m) {
        QCOMPARE(list.at(m).toObject().value("month").toInt(), m + 1);
        QCOMPARE(list.at(m).toObject().value("personalMonth").toInt(), months.at(m));
    }
    QCOMPARE(list.first().toObject().value("days").toArray().first().toInt(), januaryFirst);
    QCOMPARE(list.last().toObject().value("days").toArray().last().toInt(), lastDay);
}

// One number per day of the month, leap years included.
void TestCliDocument::yearMonthLengths()
{
    for (const int year : {2023, 2024, 1900, 2000}) {
        const CliRun run =
            runCli({"year", "--full", "Ann Lee", "--birth", "1990-05-17", "--year", QString::number(year)});
        QCOMPARE(run.exitCode, 0);
        const QJsonArray list = run.json().value("months").toArray();
        QCOMPARE(list.size(), 12);
        for (int m = 0; m < 12; ++m)
            QCOMPARE(list.at(m).toObject().value("days").toArray().size(),
                     QDate(year, m + 1, 1).daysInMonth());
    }
}

void TestCliDocument::yearUsageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("no name") << QStringList{"year", "--birth", "1990-05-17"} << "missing --full";
    QTest::newRow("no birth") << QStringList{"year", "--full", "Ann Lee"} << "--birth";
    QTest::newRow("year zero") << QStringList{"year",       "--full", "Ann Lee", "--birth",
                                              "1990-05-17", "--year", "0"}
                               << "--year: expected a year from 1 to 9999";
    QTest::newRow("year not a number")
        << QStringList{"year", "--full", "Ann Lee", "--birth", "1990-05-17", "--year", "next"} << "--year";
    QTest::newRow("report without birth")
        << QStringList{"report", "year-ahead", "--full", "Ann Lee"} << "--birth";
}

void TestCliDocument::yearUsageErrors()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const CliRun run = runCli(args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(QString::fromUtf8(run.err).contains(message), run.err.constData());
}

void TestCliDocument::yearAheadReport()
{
    const QString out = m_dir.filePath("year.html");
    const CliRun run = runCli({"report", "year-ahead", "--full", "John Adam Smith", "--birth", "1990-05-17",
                               "--year", "2024", "--out", out});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    QVERIFY(html.contains("The Year 2024 Ahead for"));
    QVERIFY(html.contains("Personal Year Number: 3"));
    QCOMPARE(html.count("<table class=\"yearcalendar\""), 12);
    QVERIFY(!html.contains("file://")); // saved as "Save Report" saves: pictures inlined
    // February 2024 starts on a Thursday: three empty cells, then the 1st.
    const int february = html.indexOf("February 2024");
    QVERIFY(html.mid(html.indexOf("<table class=\"yearcalendar\"", february))
                .contains(QRegularExpression("</tr>\\r\\n<tr><td></td><td></td><td></td><td><b>1</b>")));
}

QTEST_GUILESS_MAIN(TestCliDocument)
#include "test_cli_document.moc"
