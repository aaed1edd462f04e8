// sorvel-cli and files: person files written by "person" and read by
// chart --person and compat --person, and every command's output going
// through the checked writer (full devices, links, standard output).

#include "clirunner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

class TestCliFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void personFileText_data();
    void personFileText();
    void personFileGivesTheSameChart_data();
    void personFileGivesTheSameChart();
    void compatFromPersonFile();
    void olderPersonFile();
    void personFileErrors_data();
    void personFileErrors();
    void fullDevice_data();
    void fullDevice();
    void fifoWithoutReader_data() { fullDevice_data(); }
    void fifoWithoutReader();
    void linkIsKept();
    void standardOutput();
    void refusedStandardOutput_data();
    void refusedStandardOutput();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    static QByteArray contents(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    static void put(const QString &file, const QByteArray &bytes)
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QTemporaryDir m_dir;
};

static const QStringList FORECAST = {"--forecast", "2024-06-21"};

void TestCliFiles::initTestCase()
{
    QVERIFY(m_dir.isValid());
    put(path("source.txt"), "#10100\nA test text.\n");
    put(path("celebrities.txt"), "name: Ann Able\nnote: painter\nborn: 17.3.1879\n"
                                 "lifepath: a\nbirthday: b\nexpression: c\n");
}

// --- person files ------------------------------------------------------------

void TestCliFiles::personFileText_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("expected");
    // Marks are the engine's own for the cleaned names (SMITH JOHN: S M I T H
    // _ J O H N gives 2 2 1 2 2 0 2 1 2 2); the empty short name's marks are
    // those of the name the engine derived, cut to its typed length plus two.
    QTest::newRow("comma dropped, male, pet")
        << QStringList{"--full", "Smith, John", "--birth", "1990-05-17",  "--gender",
                       "male",   "--pet-name",  "Rex",     "--pet-birth", "2019-07-04"}
        << QByteArray("17.05.1990,Smith John,,1,01.01.2000,,,04.07.2019,Rex,21.06.2024,2212202122,22,,,0");
    QTest::newRow("partner, given marks, Chaldean")
        << QStringList{"--full",          "Ray Lee",    "--short",        "Ray",
                       "--birth",         "1985-12-03", "--partner-full", "Ann",
                       "--partner-birth", "1986-01-02", "--marks-full",   "1210211",
                       "--marks-short",   "222",        "--chaldean"}
        << QByteArray("03.12.1985,Ray Lee,Ray,0,02.01.1986,Ann,,01.01.2000,,21.06.2024,1210211,222,122,12,1");
}

void TestCliFiles::personFileText()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, expected);
    const QString file = path("text.num");
    const CliRun run = runCli(QStringList{"person"} + options + FORECAST + QStringList{"--out", file});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(contents(file), expected);
}

// A person written by "person" and read by chart --person gives the chart
// of the same options.
void TestCliFiles::personFileGivesTheSameChart_data()
{
    QTest::addColumn<QStringList>("person");
    QTest::addColumn<QStringList>("extra"); // options that are not in the file
    QTest::newRow("names and date") << QStringList{"--full", "John Quincy Smith", "--birth", "1990-05-17"}
                                    << QStringList();
    QTest::newRow("short name, Chaldean") << QStringList{"--full",  "Maria Elena Rossi", "--short",   "Maria",
                                                         "--birth", "1979-02-28",        "--chaldean"}
                                          << QStringList{"--lp-methods", "2"};
    QTest::newRow("hand-set marks") << QStringList{"--full",        "Ray Wyatt",  "--short",      "Ray",
                                                   "--birth",       "2001-10-10", "--marks-full", "221022122",
                                                   "--marks-short", "221"}
                                    << QStringList();
}

void TestCliFiles::personFileGivesTheSameChart()
{
    QFETCH(QStringList, person);
    QFETCH(QStringList, extra);
    const QString file = path("same.num");
    QCOMPARE(runCli(QStringList{"person"} + person + QStringList{"--out", file}).exitCode, 0);

    const CliRun fromOptions = runCli(QStringList{"chart"} + person + extra + FORECAST);
    const CliRun fromFile = runCli(QStringList{"chart", "--person", file} + extra + FORECAST);
    QCOMPARE(fromOptions.exitCode, 0);
    QVERIFY2(fromFile.exitCode == 0, fromFile.err.constData());
    QVERIFY(!fromFile.json().isEmpty());
    QCOMPARE(fromFile.json(), fromOptions.json());
}

void TestCliFiles::compatFromPersonFile()
{
    const QString file = path("couple.num");
    const QStringList couple = {"--full",         "John Smith", "--birth",         "1990-05-17",
                                "--partner-full", "Mary Jones", "--partner-birth", "1985-11-29"};
    QCOMPARE(runCli(QStringList{"person"} + couple + QStringList{"--out", file}).exitCode, 0);
    const CliRun fromOptions = runCli(QStringList{"compat"} + couple + FORECAST);
    const CliRun fromFile = runCli(QStringList{"compat", "--person", file} + FORECAST);
    QCOMPARE(fromOptions.exitCode, 0);
    QVERIFY2(fromFile.exitCode == 0, fromFile.err.constData());
    QVERIFY(fromFile.json().contains("overallRating"));
    QCOMPARE(fromFile.json(), fromOptions.json());
}

// The older format has no marks and no Chaldean flag.
void TestCliFiles::olderPersonFile()
{
    const QString file = path("old.num");
    put(file, "17.05.1990,John Smith,John,1,01.01.2000,,,01.01.2000,,03.03.2010");
    const CliRun fromFile = runCli(QStringList{"chart", "--person", file} + FORECAST);
    const CliRun fromOptions = runCli(
        QStringList{"chart", "--full", "John Smith", "--short", "John", "--birth", "1990-05-17"} + FORECAST);
    QVERIFY2(fromFile.exitCode == 0, fromFile.err.constData());
    QCOMPARE(fromFile.json(), fromOptions.json());
}

void TestCliFiles::personFileErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("complaint");
    QTest::addColumn<int>("status"); // 1 a file that cannot be used, 2 bad usage
    const QString single = path("single.num");
    put(single, "17.05.1990,John Smith,,0,01.01.2000,,,01.01.2000,,21.06.2024,,,,,0");
    put(path("notes.num"), "Dear diary,\ntoday I met John.");
    put(path("baddate.num"), "31.02.1990,John Smith,,0,,,,,,21.06.2024,,,,,0");
    QTest::newRow("not a person file")
        << QStringList{"chart", "--person", path("notes.num")} << "Wrong file format!" << 1;
    QTest::newRow("compat, not a person file")
        << QStringList{"compat", "--person", path("notes.num")} << "Wrong file format!" << 1;
    QTest::newRow("missing file") << QStringList{"chart", "--person", path("missing.num")}
                                  << path("missing.num") + ": cannot open: No such file or directory" << 1;
    QTest::newRow("a folder") << QStringList{"chart", "--person", m_dir.path()} << "Is a directory" << 1;
    QTest::newRow("file and --full") << QStringList{"chart", "--person", single, "--full", "X"}
                                     << "--person replaces --full" << 2;
    QTest::newRow("impossible birth date")
        << QStringList{"chart", "--person", path("baddate.num")} << "birth date is not a valid date" << 2;
    QTest::newRow("compat without a partner")
        << QStringList{"compat", "--person", single} << "the file has no partner" << 2;
    QTest::newRow("compat, file and --partner-birth")
        << QStringList{"compat", "--person", single, "--partner-birth", "1990-01-01"}
        << "--person replaces --partner-birth" << 2;
    const QStringList ann = {"person", "--full", "Ann", "--birth", "1990-01-01"};
    QTest::newRow("person without --out") << ann << "missing --out" << 2;
    QTest::newRow("person without --birth")
        << QStringList{"person", "--full", "Ann", "--out", "x.num"} << "missing --birth" << 2;
    QTest::newRow("unknown gender") << ann + QStringList{"--gender", "other", "--out", "x.num"}
                                    << "--gender: expected female or male" << 2;
    QTest::newRow("marks of the wrong length")
        << ann + QStringList{"--marks-full", "12", "--out", "x.num"} << "expected 3 digits" << 2;
    QTest::newRow("marks not 0 to 2")
        << ann + QStringList{"--marks-short", "123", "--out", "x.num"} << "marks are digits 0, 1 or 2" << 2;
}

void TestCliFiles::personFileErrors()
{
    QFETCH(QStringList, args);
    QFETCH(QString, complaint);
    QFETCH(int, status);
    const CliRun run = runCli(args);
    QCOMPARE(run.exitCode, status);
    QVERIFY2(run.err.contains(complaint.toUtf8()), run.err.constData());
    QVERIFY(run.out.isEmpty());
    QVERIFY(!QFile::exists("x.num"));
}

// --- output through the checked writer ----------------------------------------

void TestCliFiles::fullDevice_data()
{
    QTest::addColumn<QStringList>("args"); // the output path follows
    const QStringList john = {"--full", "John Smith", "--birth", "1990-05-17"};
    QTest::newRow("report") << QStringList{"report", "numerology"} + john + QStringList{"--out"};
    QTest::newRow("compat --out") << QStringList{"compat"} + john +
                                         QStringList{"--partner-full", "Mary Jones", "--partner-birth",
                                                     "1985-11-29", "--out"};
    QTest::newRow("barcode") << QStringList{"barcode", "--kind", "0", "--text", "HELLO", "--out"};
    QTest::newRow("texts encode") << QStringList{"texts", "encode", path("source.txt")};
    QTest::newRow("celebrity-texts") << QStringList{"celebrity-texts", path("celebrities.txt")};
    QTest::newRow("person") << QStringList{"person"} + john + QStringList{"--out"};
}

// A device that refuses the bytes: a failure with the reason, and the device
// is still a device.
void TestCliFiles::fullDevice()
{
    QFETCH(QStringList, args);
    struct stat before;
    if (::stat("/dev/full", &before) != 0 || !S_ISCHR(before.st_mode))
        QSKIP("this system has no /dev/full");
    const CliRun run = runCli(args + QStringList{"/dev/full"});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains("/dev/full: cannot write: No space left on device"), run.err.constData());
    struct stat after;
    QVERIFY(::stat("/dev/full", &after) == 0);
    QVERIFY(S_ISCHR(after.st_mode));
    QCOMPARE(after.st_rdev, before.st_rdev);
}

// A FIFO that nobody reads: every writer gives up after a short wait, with
// the reason, instead of blocking for ever; the FIFO stays a FIFO.
void TestCliFiles::fifoWithoutReader()
{
    QFETCH(QStringList, args);
    const QString fifo = path("nobody-reads");
    QFile::remove(fifo);
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    const CliRun run = runCli(args + QStringList{fifo});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(": cannot write: No program reads from this FIFO"), run.err.constData());
    struct stat status;
    QVERIFY(::lstat(QFile::encodeName(fifo).constData(), &status) == 0);
    QVERIFY(S_ISFIFO(status.st_mode));
}

void TestCliFiles::linkIsKept()
{
    const QString target = path("person-target.num");
    const QString link = path("person-link.num");
    put(target, "old");
    QVERIFY(QFile::link(target, link));
    const CliRun run = runCli({"person", "--full", "Ann", "--birth", "1990-01-01", "--out", link});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(QFileInfo(link).isSymLink());
    QVERIFY(contents(target).startsWith("01.01.1990,Ann,"));
}

// "-" writes to standard output.
void TestCliFiles::standardOutput()
{
    const CliRun report =
        runCli({"report", "numerology", "--full", "John Smith", "--birth", "1990-05-17", "--out", "-"});
    QCOMPARE(report.exitCode, 0);
    QVERIFY(report.out.startsWith("<!DOCTYPE html"));
    const CliRun person = runCli({"person", "--full", "Ann", "--birth", "1990-01-01", "--out", "-"});
    QCOMPARE(person.exitCode, 0);
    QVERIFY(person.out.startsWith("01.01.1990,Ann,"));
}

void TestCliFiles::refusedStandardOutput_data()
{
    QTest::addColumn<QStringList>("args");
    const QStringList john = {"--full", "John Smith", "--birth", "1990-05-17"};
    QTest::newRow("report") << QStringList{"report", "numerology"} + john;
    QTest::newRow("chart JSON") << QStringList{"chart"} + john;
    QTest::newRow("matrix JSON") << QStringList{"matrix"} + john;
    QTest::newRow("texts decode") << QStringList{"texts", "decode",
                                                 QCoreApplication::applicationDirPath() + "/eng.dat"};
}

// A standard output that refuses the bytes is a failure, not a success.
void TestCliFiles::refusedStandardOutput()
{
    QFETCH(QStringList, args);
    if (!QFile::exists("/dev/full"))
        QSKIP("this system has no /dev/full");
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/sorvel-cli"), args);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 1);
    const QByteArray err = process.readAllStandardError();
    QVERIFY2(err.contains("standard output: cannot write: No space left on device"), err.constData());
}

QTEST_GUILESS_MAIN(TestCliFiles)
#include "test_cli_files.moc"
