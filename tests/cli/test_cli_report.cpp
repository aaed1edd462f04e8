// sorvel-cli report numerology: the document the engine builds, written
// byte for byte to stdout and self-contained to a file, and the command's
// errors.

#include "clirunner.h"
#include "engine/cnumerology.h"
#include "document/creporttools.h"
#include "export/htmlpictures.h"
#include "texts/textcipher.h"
#include "texts/textstore.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const QStringList PERSON = {"--full", "John Adam Smith", "--short", "John Smith",
                            "--birth", "1990-05-17", "--forecast", "2024-06-21"};

// The report built in this process from texts, as sorvel-cli (beside this
// test) builds it.
QByteArray expectedReport(bool chaldean, const TextStore &texts)
{
    PersonRecord record;
    record.fullName = QStringLiteral("John Adam Smith");
    record.shortName = QStringLiteral("John Smith");
    record.birthDate = QDate(1990, 5, 17);
    record.forecastDate = QDate(2024, 6, 21);
    record.chaldean = chaldean;
    CNumerology engine;
    engine.setImageFolder(CReportTools::programImageFolder());
    engine.setTextStore(&texts);
    if (!engine.CalcNumerology(record))
        return QByteArray();
    return engine.document().toUtf8();
}

} // namespace

class TestCliReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void writesTheEngineDocument_data();
    void writesTheEngineDocument();
    void defaultDataFileBesideTheProgram();
    void errors_data();
    void errors();

private:
    QTemporaryDir m_dir;
    QString m_texts;
    TextStore m_store; // loaded from m_texts
};

void TestCliReport::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // A small data file: a few entries the report reads.
    m_texts = m_dir.filePath(QStringLiteral("texts.dat"));
    QFile file(m_texts);
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (const char *line : {"#10100", "Life Path introduction.", "#10105", "Five: <span style=\"font-weight:600\">free</span>.",
                             "#90000", "General note.", "#12218", "Eighteen."})
        file.write(encipherLine(line) + '\n');
    file.close();
    QVERIFY(m_store.loadFile(m_texts));
}

void TestCliReport::writesTheEngineDocument_data()
{
    QTest::addColumn<QStringList>("outArgs");  // how the output is chosen
    QTest::addColumn<bool>("toFile");
    QTest::addColumn<bool>("chaldean");
    QTest::newRow("to a file") << QStringList{"--out", m_dir.filePath(QStringLiteral("report.html"))} << true << false;
    QTest::newRow("to stdout by default") << QStringList() << false << false;
    QTest::newRow("to stdout with -") << QStringList{"--out", "-"} << false << false;
    QTest::newRow("chaldean") << QStringList{"--out", "-"} << false << true;
}

void TestCliReport::writesTheEngineDocument()
{
    QFETCH(QStringList, outArgs);
    QFETCH(bool, toFile);
    QFETCH(bool, chaldean);
    QStringList args = QStringList{"report", "numerology", "--texts", m_texts} + PERSON + outArgs;
    if (chaldean)
        args << QStringLiteral("--chaldean");
    const CliRun run = runCli(args);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());

    const QByteArray expected = expectedReport(chaldean, m_store);
    QVERIFY(!expected.isEmpty());
    const QString picture = QCoreApplication::applicationDirPath() + "/images/doc/res01.jpg";
    QByteArray written = run.out;
    if (toFile) {
        // The file is the one "Save Report" writes: pictures inlined.
        QVERIFY(run.out.isEmpty());
        QFile file(outArgs.last());
        QVERIFY(file.open(QIODevice::ReadOnly));
        written = file.readAll();
        QVERIFY(written == savedReportHtml(QString::fromUtf8(expected)));
        QFile jpg(picture);
        QVERIFY(jpg.open(QIODevice::ReadOnly));
        QVERIFY(written.contains("<img src=\"data:image/jpg;base64," + jpg.readAll().toBase64() + '"'));
        QVERIFY(!written.contains("file:///"));
    } else {
        QVERIFY(written == expected);
        QVERIFY(written.contains(("file:///" + picture).toUtf8()));
    }
    // The texts came from the given file.
    QVERIFY(written.contains("<p comment=\"st_fs\"   >Life Path introduction.</p>"));
    QVERIFY(written.contains("font-weight:bold"));
    QCOMPARE(written.contains("Eighteen."), chaldean);
}

// Without --texts the report reads eng.dat beside the program, the file the
// build makes from data/texts.
void TestCliReport::defaultDataFileBesideTheProgram()
{
    TextStore shipped;
    shipped.load();
    const QByteArray expected = expectedReport(false, shipped);
    const CliRun run = runCli(QStringList{"report", "numerology"} + PERSON);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out == expected);
}

void TestCliReport::errors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("no reading") << QStringList{"report"} << 2 << QByteArray("report: expected a reading");
    QTest::newRow("unknown reading") << QStringList{"report", "horoscope"} << 2
                                     << QByteArray("report: unknown reading 'horoscope'");
    QTest::newRow("missing birth date") << QStringList{"report", "numerology", "--full", "Ann Lee"} << 2
                                        << QByteArray("missing --birth");
    QTest::newRow("unknown option") << (QStringList{"report", "numerology", "--colour"} + PERSON) << 2
                                    << QByteArray("Unknown option 'colour'");
    QTest::newRow("data file missing")
        << (QStringList{"report", "numerology", "--texts", "/nonexistent/eng.dat"} + PERSON) << 1
        << QByteArray("/nonexistent/eng.dat: cannot read the data file");
    QTest::newRow("output not writable")
        << (QStringList{"report", "numerology", "--out", "/nonexistent/dir/r.html"} + PERSON) << 1
        << QByteArray("/nonexistent/dir/r.html: cannot write");
    QTest::newRow("names rejected") << QStringList{"report", "numerology", "--full", "1990", "--birth", "1990-05-17"}
                                    << 3 << QByteArray("Error! Incorrect full or short name!");
}

void TestCliReport::errors()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, message);
    const CliRun run = runCli(args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(message), run.err.constData());
}

QTEST_GUILESS_MAIN(TestCliReport)
#include "test_cli_report.moc"
