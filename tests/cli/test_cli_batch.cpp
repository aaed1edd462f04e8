// sorvel-cli batch: one file per client of a CSV list, named from the
// client; rows that cannot be used are listed with their line numbers and
// reasons and make the exit status 1; nothing is overwritten without
// --force; and the usage errors.

#include "clirunner.h"

#include <QDir>
#include <QJsonArray>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString FORECAST = QStringLiteral("--forecast=2024-06-21");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeList(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The lines after "skipped:" on standard error.
QStringList skippedLines(const QByteArray &err)
{
    const QStringList lines = QString::fromUtf8(err).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList skipped;
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("  line ")))
            skipped << line.trimmed();
    }
    return skipped;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class TestCliBatch : public QObject
{
    Q_OBJECT

private slots:
    void listsAndResults_data();
    void listsAndResults();
    void jsonHoldsEachClientsChart();
    void existingFileNeedsForce();
    void htmlAndPdf();
    void templateAndPractitioner();
    void usageErrors_data();
    void usageErrors();
    void progress_data();
    void progress();
};

void TestCliBatch::listsAndResults_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("skipped");

    const QByteArray header = "full name,short name,birth date\n";
    QTest::newRow("all good") << header + "John Adam Smith,John,1990-05-17\n\"Lee, Ann\",,1975-11-30\n"
                              << 0 << QStringList{"John_Adam_Smith.json", "Lee_Ann.json"} << QStringList{};
    QTest::newRow("same name twice") << header + "John Smith,,1990-05-17\nJohn Smith,,1985-11-29\n"
                                     << 0 << QStringList{"John_Smith-2.json", "John_Smith.json"}
                                     << QStringList{};
    QTest::newRow("bad rows listed, good rows written")
        << header + "John Adam Smith,John,1990-05-17\n"
                    "Ann Lee,1975-11-30\n"
                    "\n"
                    "Bo Ray,,30.11.1975\n"
                    "1985,,1990-05-17\n"
                    "Cy Dunn,,2001-01-02\n"
        << 1 << QStringList{"Cy_Dunn.json", "John_Adam_Smith.json"}
        << QStringList{
               "line 3 (Ann Lee): 2 fields where the header names 3",
               "line 5 (Bo Ray): birth date '30.11.1975' is not a date (YYYY-MM-DD)",
               "line 6 (1985): Error! Incorrect full or short name! The full name \"1985\" has no vowels."};
    QTest::newRow("a quote never closed ends the list")
        << header + "John Smith,,1990-05-17\n\"Ann Lee,,1975-11-30\nBo Ray,,2001-01-02\n"
        << 1 << QStringList{"John_Smith.json"}
        << QStringList{"line 3: the quoted field opened on line 3 is never closed"};
    QTest::newRow("names that are no file names") << header + "../../Ann Lee,,1990-05-17\n\"Bo/Ray\",,1990-05-17\n"
                                                  << 0 << QStringList{"Ann_Lee.json", "Bo_Ray.json"} << QStringList{};
    QTest::newRow("header only") << header << 0 << QStringList{} << QStringList{};
    // A terminal would obey ESC and BEL: they are listed escaped.
    QTest::newRow("control characters listed escaped")
        << header + "Ann\x1b[31mLee\x07,,1990-13-01\x1b[0m\n" << 1 << QStringList{}
        << QStringList{"line 2 (Ann\\x1b[31mLee\\x07): birth date '1990-13-01\\x1b[0m' is not a date (YYYY-MM-DD)"};
}

void TestCliBatch::listsAndResults()
{
    QFETCH(QByteArray, list);
    QFETCH(int, exitCode);
    QFETCH(QStringList, files);
    QFETCH(QStringList, skipped);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString listPath = dir.filePath(QStringLiteral("clients.csv"));
    QVERIFY(writeList(listPath, list));
    const QString out = dir.filePath(QStringLiteral("out"));
    const CliRun run = runCli({"batch", listPath, "--out", out, FORECAST});
    QVERIFY2(run.exitCode == exitCode, run.err.constData());
    QVERIFY(!run.err.contains('\x1b') && !run.err.contains('\x07'));
    QCOMPARE(filesIn(out), files);
    QStringList listed = skippedLines(run.err);
    listed.replaceInStrings(QStringLiteral("\n"), QStringLiteral(" "));
    QCOMPARE(listed, skipped);
    if (!skipped.isEmpty())
        QVERIFY2(run.err.contains(QByteArray::number(skipped.size()) + " of "), run.err.constData());
}

// Each file holds its own client's chart: the same name twice gives two
// different charts, in the order of the list.
void TestCliBatch::jsonHoldsEachClientsChart()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString listPath = dir.filePath(QStringLiteral("clients.csv"));
    QVERIFY(writeList(listPath, "full name,birth date,partner full name,partner birth date\n"
                                "John Smith,1990-05-17,,\n"
                                "John Smith,1985-11-29,Mary Ann Lee,1991-02-01\n"));
    const QString out = dir.filePath(QStringLiteral("out"));
    const CliRun run = runCli({"batch", listPath, "--out", out, FORECAST});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    const QJsonObject first = QJsonDocument::fromJson(readAll(out + "/John_Smith.json")).object();
    const QJsonObject second = QJsonDocument::fromJson(readAll(out + "/John_Smith-2.json")).object();
    // The worked examples of the Life Path: 17 May 1990 and 29 November 1985.
    QCOMPARE(first.value("lifePathText").toString(), QStringLiteral("8+5+1/19=14=5"));
    QCOMPARE(second.value("lifePathText").toString(), QStringLiteral("11/11+11+5/23=27=9"));
    QCOMPARE(first.value("forecastDate").toString(), QStringLiteral("2024-06-21"));
    QVERIFY(!first.contains("partner"));
    // The engine keeps names in capitals.
    QCOMPARE(second.value("partner").toObject().value("fullName").toString(), QStringLiteral("MARY ANN LEE"));
    // The chart of `chart` for the same person, byte for byte.
    const CliRun chart = runCli({"chart", "--full", "John Smith", "--birth", "1990-05-17", FORECAST});
    QCOMPARE(QJsonDocument::fromJson(chart.out).object(), first);
}

void TestCliBatch::existingFileNeedsForce()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString listPath = dir.filePath(QStringLiteral("clients.csv"));
    QVERIFY(writeList(listPath, "full name,birth date\nJohn Smith,1990-05-17\nAnn Lee,1975-11-30\n"));
    const QString out = dir.filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(out));
    QVERIFY(writeList(out + "/John_Smith.json", "kept"));

    const CliRun kept = runCli({"batch", listPath, "--out", out, FORECAST});
    QCOMPARE(kept.exitCode, 1);
    QCOMPARE(skippedLines(kept.err),
             QStringList{"line 2 (John Smith): John_Smith.json is there already (--force replaces it)"});
    QCOMPARE(readAll(out + "/John_Smith.json"), QByteArray("kept"));
    QVERIFY(QFile::exists(out + "/Ann_Lee.json"));

    const CliRun forced = runCli({"batch", listPath, "--out", out, "--force", FORECAST});
    QVERIFY2(forced.exitCode == 0, forced.err.constData());
    QCOMPARE(QJsonDocument::fromJson(readAll(out + "/John_Smith.json")).object().value("fullName").toString(),
             QStringLiteral("JOHN SMITH"));
    QCOMPARE(filesIn(out), (QStringList{"Ann_Lee.json", "John_Smith.json"})); // no temporary files left
}

// The combined report as HTML (pictures inlined) and as PDF, with the
// partner's compatibility and the pet.
void TestCliBatch::htmlAndPdf()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString listPath = dir.filePath(QStringLiteral("clients.csv"));
    QVERIFY(writeList(listPath,
                      "full name,birth date,partner full name,partner birth date,pet name,pet birth date\n"
                      "John Smith,1990-05-17,Mary Ann Lee,1991-02-01,Rex,2015-03-08\n"));
    const QString out = dir.filePath(QStringLiteral("out"));
    const CliRun html = runCli(
        {"batch", listPath, "--out", out, "--format", "html", "--reports", "numerology,compat", FORECAST});
    QVERIFY2(html.exitCode == 0, html.err.constData());
    const QByteArray page = readAll(out + "/John_Smith.html");
    QVERIFY(page.contains("<html"));
    QVERIFY(page.contains("data:image/")); // pictures inlined
    QVERIFY(!page.contains("file://"));
    QVERIFY(page.contains("MARY ANN LEE"));          // the compatibility report was chosen
    QVERIFY(page.contains("Pet Numerology Report")); // the pet report is always there with a pet
    QVERIFY(!page.contains("Celebrities"));          // not chosen

    const CliRun pdf = runCli({"batch", listPath, "--out", out, "--format", "pdf", FORECAST});
    QVERIFY2(pdf.exitCode == 0, pdf.err.constData());
    QVERIFY(readAll(out + "/John_Smith.pdf").startsWith("%PDF-"));
}

// --template draws each client's chart at the end of the document; the
// practitioner's options reach its cover page. A template that is not there
// stops the run before any client.
void TestCliBatch::templateAndPractitioner()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString listPath = dir.filePath(QStringLiteral("clients.csv"));
    QVERIFY(writeList(listPath, "full name,birth date\nJohn Smith,1990-05-17\n"));
    const QString out = dir.filePath(QStringLiteral("out"));
    const QString chartTemplate =
        QCoreApplication::applicationDirPath() + QStringLiteral("/images/templates/Numerology Chart.snc");
    QVERIFY2(QFile::exists(chartTemplate), qPrintable(chartTemplate));
    const CliRun run = runCli({"batch", listPath, "--out", out, "--format", "html", "--reports", "numerology,chart",
                               "--template", chartTemplate, "--numerologist", "Ann Example",
                               "--numerologist-contact", "ann@example.org", FORECAST});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    const QByteArray page = readAll(out + "/John_Smith.html");
    QVERIFY(page.contains("<p style=\"text-align: center;\" ><img")); // the chart picture
    QVERIFY(page.contains("Ann Example"));
    QVERIFY(page.contains("ann@example.org"));
    QVERIFY(page.contains("Graphic Chart")); // listed on the cover

    const CliRun missing = runCli({"batch", listPath, "--out", out, "--format", "html", "--force", "--template",
                                   dir.filePath("none.snc"), FORECAST});
    QCOMPARE(missing.exitCode, 2);
    QVERIFY2(missing.err.contains("--template:"), missing.err.constData());
}

void TestCliBatch::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    QTest::newRow("no list") << QStringList{"--out", "OUT"} << 2 << "missing the client list (CLIENTS.csv)";
    QTest::newRow("two lists") << QStringList{"LIST", "other.csv", "--out", "OUT"} << 2
                               << "unexpected argument 'other.csv'";
    QTest::newRow("no --out") << QStringList{"LIST"} << 2 << "missing --out DIR";
    QTest::newRow("person option") << QStringList{"LIST", "--out", "OUT", "--full", "Ann"} << 2
                                   << "--full comes from the client list";
    QTest::newRow("unknown format") << QStringList{"LIST", "--out", "OUT", "--format", "xml"} << 2
                                    << "--format: expected json, html or pdf, got xml";
    QTest::newRow("reports with json") << QStringList{"LIST", "--out", "OUT", "--reports", "numerology"} << 2
                                       << "--reports chooses the reports of --format html or pdf";
    QTest::newRow("unknown report") << QStringList{"LIST", "--out",     "OUT",  "--format",
                                                   "html", "--reports", "tarot"}
                                    << 2 << "--reports: unknown report 'tarot'";
    QTest::newRow("list missing") << QStringList{"MISSING", "--out", "OUT"} << 1 << "missing.csv";
    QTest::newRow("header wrong") << QStringList{"BADHEADER", "--out", "OUT"} << 1
                                  << "the header has no 'birth date' column";
}

void TestCliBatch::usageErrors()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeList(dir.filePath("clients.csv"), "full name,birth date\nJohn Smith,1990-05-17\n"));
    QVERIFY(writeList(dir.filePath("bad.csv"), "full name,short name\nJohn Smith,John\n"));
    args.replaceInStrings(QStringLiteral("BADHEADER"), dir.filePath("bad.csv"));
    args.replaceInStrings(QStringLiteral("MISSING"), dir.filePath("missing.csv"));
    args.replaceInStrings(QStringLiteral("LIST"), dir.filePath("clients.csv"));
    args.replaceInStrings(QStringLiteral("OUT"), dir.filePath("out"));
    const CliRun run = runCli(QStringList{"batch"} + args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message.toUtf8()), run.err.constData());
    // A refused run writes nothing.
    QVERIFY(filesIn(dir.filePath("out")).isEmpty());
}

void TestCliBatch::progress_data()
{
    QTest::addColumn<bool>("terminal");
    QTest::newRow("terminal") << true;
    QTest::newRow("pipe") << false;
}

// On a terminal a bar redrawn in place: the count, clients per second and
// the time left; into a pipe one plain line per client.
void TestCliBatch::progress()
{
    QFETCH(bool, terminal);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString listPath = dir.filePath(QStringLiteral("clients.csv"));
    QVERIFY(writeList(listPath, "full name,short name,birth date\nJohn Adam Smith,John,1990-05-17\n"
                                "Ann Lee,,1975-11-30\nBo Ray,,1980-01-02\n"));
    const QString out = dir.filePath(QStringLiteral("out"));
    const QStringList args = {"batch", listPath, "--out", out, FORECAST};
    QByteArray err;
    if (terminal) {
        // script(1) gives the tool a terminal; what it wrote there comes out
        // of script's standard output.
        const QString script = QStandardPaths::findExecutable(QStringLiteral("script"));
        if (script.isEmpty())
            QSKIP("script (util-linux) is not installed");
        QStringList quoted{QCoreApplication::applicationDirPath() + QStringLiteral("/sorvel-cli")};
        quoted += args;
        for (QString &arg : quoted)
            arg = QLatin1Char('\'') + arg.replace(QLatin1Char('\''), QLatin1String("'\\''")) + QLatin1Char('\'');
        QProcess process;
        process.start(script, {"-qec", quoted.join(QLatin1Char(' ')) + QStringLiteral(" >/dev/null"), "/dev/null"});
        QVERIFY(process.waitForFinished(120000));
        QCOMPARE(process.exitCode(), 0);
        err = process.readAllStandardOutput();
    } else {
        const CliRun run = runCli(args);
        QCOMPARE(run.exitCode, 0);
        err = run.err;
    }
    QCOMPARE(filesIn(out).size(), 3);
    const QString text = QString::fromUtf8(err);
    const QRegularExpression bar(QStringLiteral("\r\\[#{30}\\] 3/3 clients, \\d+(\\.\\d)? clients/s, 0:00 left"));
    if (terminal) {
        QVERIFY2(text.contains(bar), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("] 1/3 clients, ")));
        QVERIFY(!text.contains(QStringLiteral("batch: 1/3")));
    } else {
        QVERIFY(!text.contains(QLatin1Char('\r')));
        QVERIFY(!text.contains(QStringLiteral("clients/s")));
        QVERIFY2(text.contains(QStringLiteral("sorvel-cli: batch: 1/3 John_Adam_Smith.json\n")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("sorvel-cli: batch: 3/3 Bo_Ray.json\n")));
    }
}

QTEST_GUILESS_MAIN(TestCliBatch)
#include "test_cli_batch.moc"
