// sorvel-pdf-printer alone: it prints only the report sorvel-cli wrote for
// it, and removes nothing else. Refused, each with exit status 2 and the file
// left as it was: no --own-report, a URL, a relative path, a file outside the
// temporary folder, one not named as the reports are, a FIFO, a symbolic
// link. Printing its own report, the page fetches nothing from the network
// and no other local file (an iframe, a picture), keeps the report's inline
// pictures, removes the report, and leaves no web profile behind.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

QString printerPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/sorvel-pdf-printer");
}

// A 1 x 1 PNG, inline.
const char *const INLINE_PICTURE =
    "data:image/png;base64,iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8z8DwHwAFBQIAX8jx0gAAAABJRU5ErkJggg==";

} // namespace

class TestPdfPrinter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void refusals_data();
    void refusals();
    void printsOnlyItsOwnReport();

private:
    struct Run
    {
        int exitCode = -1;
        QByteArray err;
    };
    Run runPrinter(const QStringList &args) const;
    static void put(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), qint64(bytes.size()));
    }

    QTemporaryDir m_temp;  // the printer's temporary folder (TMPDIR)
    QTemporaryDir m_other; // anywhere else
    QTemporaryDir m_home;  // the printer's home folder
};

void TestPdfPrinter::initTestCase()
{
    QVERIFY(m_temp.isValid() && m_other.isValid() && m_home.isValid());
    QVERIFY2(QFile::exists(printerPath()), qPrintable(printerPath()));
    QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(),
             "pdftotext not found: install poppler-utils (scripts/setup-debian.sh)");
}

TestPdfPrinter::Run TestPdfPrinter::runPrinter(const QStringList &args) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), m_temp.path());
    environment.insert(QStringLiteral("HOME"), m_home.path());
    for (const char *name : {"XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME"})
        environment.remove(QLatin1String(name));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(printerPath(), args);
    Run run;
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.err = process.readAllStandardError();
    return run;
}

void TestPdfPrinter::refusals_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("kept"); // a file that must still be there
    QTest::addColumn<QString>("reason");

    const QString notes = m_temp.filePath("notes.txt");
    put(notes, "my notes");
    const QString elsewhere = m_other.filePath("reportAbc123.html");
    put(elsewhere, "<p>not the printer's</p>");
    const QString fifo = m_temp.filePath("reportFifo12.html");
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    const QString link = m_temp.filePath("reportLink12.html");
    QVERIFY(QFile::link(notes, link));
    const QString own = m_temp.filePath("reportOwn123.html");
    put(own, "<p>a report</p>");
    const QString pdf = m_other.filePath("out.pdf");

    QTest::newRow("the old form, without --own-report") << QStringList{own, pdf} << own << "usage:";
    QTest::newRow("no output") << QStringList{"--own-report", own} << own << "usage:";
    QTest::newRow("a URL") << QStringList{"--own-report", "http://127.0.0.1:9/reportAbc123.html", pdf}
                           << own << "is not an absolute local path";
    QTest::newRow("a file URL") << QStringList{"--own-report", "file://" + own, pdf} << own
                                << "is not an absolute local path";
    QTest::newRow("a relative path") << QStringList{"--own-report", "reportOwn123.html", pdf} << own
                                     << "is not an absolute local path";
    QTest::newRow("not named as a report") << QStringList{"--own-report", notes, pdf} << notes
                                           << "is not a report sorvel-cli wrote";
    QTest::newRow("outside the temporary folder") << QStringList{"--own-report", elsewhere, pdf} << elsewhere
                                                  << "is not in the temporary folder";
    QTest::newRow("a FIFO") << QStringList{"--own-report", fifo, pdf} << fifo << "is not a regular file";
    QTest::newRow("a link to another file") << QStringList{"--own-report", link, pdf} << notes
                                            << "is not a regular file";
}

void TestPdfPrinter::refusals()
{
    QFETCH(QStringList, args);
    QFETCH(QString, kept);
    QFETCH(QString, reason);
    const Run run = runPrinter(args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.startsWith("sorvel-pdf-printer: ") && run.err.contains(reason.toUtf8()),
             run.err.constData());
    QVERIFY2(QFileInfo(kept).exists() || QFileInfo(kept).isSymLink(), qPrintable(kept));
    QVERIFY(!QFile::exists(m_other.filePath("out.pdf")));
}

// The report pulls in another local file through an iframe and a picture,
// and asks a server on this machine for a picture: the PDF holds the report
// and its inline picture alone, and the server hears nothing.
void TestPdfPrinter::printsOnlyItsOwnReport()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    const QString secret = m_other.filePath("secret.txt");
    put(secret, "SECRET-NOTES-OF-THE-USER");
    const QString report = m_temp.filePath("reportPrint1.html");
    const QString html =
        QStringLiteral("<html><body><h1>Own report text</h1>"
                       "<img src=\"%1\" width=\"40\" height=\"40\">"
                       "<iframe src=\"file://%2\" width=\"400\" height=\"100\"></iframe>"
                       "<img src=\"file://%2\">"
                       "<img src=\"http://127.0.0.1:%3/picture.png\">"
                       "<link rel=\"stylesheet\" href=\"http://127.0.0.1:%3/style.css\">"
                       "</body></html>")
            .arg(QLatin1String(INLINE_PICTURE), secret)
            .arg(server.serverPort());
    put(report, html.toUtf8());
    const QString pdf = m_other.filePath("printed.pdf");

    const Run run = runPrinter({"--own-report", report, pdf});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QVERIFY(!QFile::exists(report)); // the printer's own, removed
    QVERIFY(QFile::exists(secret));  // nothing else

    QProcess text;
    text.start(QStandardPaths::findExecutable("pdftotext"), {pdf, "-"});
    QVERIFY(text.waitForFinished(-1));
    const QByteArray words = text.readAllStandardOutput();
    QVERIFY2(words.contains("Own report text"), words.constData());
    QVERIFY2(!words.contains("SECRET-NOTES"), words.constData());

    QProcess images;
    images.start(QStandardPaths::findExecutable("pdfimages"), {"-list", pdf});
    QVERIFY(images.waitForFinished(-1));
    const QByteArrayList rows = images.readAllStandardOutput().split('\n');
    QVERIFY2(rows.size() > 2, "the inline picture is printed"); // a heading, a rule, the picture

    QVERIFY(!server.waitForNewConnection(0));
    QVERIFY(!server.hasPendingConnections());

    // Off the record: no profile, cache or cookies in the home folder.
    const QStringList left = QDir(m_home.path())
                                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QVERIFY2(left.isEmpty() || !QDir(m_home.path()).exists(".local/share/sorvel-pdf-printer"),
             qPrintable(left.join(' ')));
    QVERIFY(!QDir(m_home.path()).exists(".cache/sorvel-pdf-printer"));
}

QTEST_GUILESS_MAIN(TestPdfPrinter)
#include "test_pdfprinter.moc"
