// sorvel-cli texts: enciphering sources into a data file and reading it back.

#include "clirunner.h"
#include "texts/textstore.h"

#include <QTemporaryDir>
#include <QtTest>

class TestCliTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void roundTrip();
    void encodedFileLoadsIntoStore();
    void refusesLines_data();
    void refusesLines();
    void missingInput();
    void badUsage_data();
    void badUsage();
    void builtDataFileDecodesToSources();

private:
    QString write(const QString &name, const QByteArray &bytes);
    QTemporaryDir m_dir;
};

void TestCliTexts::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

QString TestCliTexts::write(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

// Any Latin-1 line, written as UTF-8 in the source, comes back as itself;
// CR LF sources and a missing final line end read the same.
void TestCliTexts::roundTrip()
{
    const QByteArray first = "#10100\nIntroduction with caf\xc3\xa9 and \xc2\xbd.\n\n#10101\nOne.\n";
    const QByteArray second = "#90000\r\nA note: \xc3\x80 \xc3\xbf \xc2\xa9\r\nx\r\nlast line without end";
    const QString a = write(QStringLiteral("a.txt"), first);
    const QString b = write(QStringLiteral("b.txt"), second);
    const QString out = m_dir.filePath(QStringLiteral("round.dat"));

    const CliRun encode = runCli({"texts", "encode", a, b, out});
    QCOMPARE(encode.exitCode, 0);
    QVERIFY(encode.err.isEmpty());

    // The data file holds only cipher letters and line ends.
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    QCOMPARE(data.count('\n'), 9);
    for (const char c : data)
        QVERIFY(c == '\n' || (c >= 'a' && c <= 'p') || (c >= 'A' && c <= 'P'));

    const CliRun decode = runCli({"texts", "decode", out});
    QCOMPARE(decode.exitCode, 0);
    QCOMPARE(decode.out, QByteArray(first + "#90000\nA note: \xc3\x80 \xc3\xbf \xc2\xa9\nx\nlast line without end\n"));
}

void TestCliTexts::encodedFileLoadsIntoStore()
{
    const QString source = write(QStringLiteral("store.txt"),
                                 "#10107\nSeven: \xc3\xa9t\xc3\xa9.\nSecond paragraph.\n#60100\n0\n5\n");
    const QString out = m_dir.filePath(QStringLiteral("store.dat"));
    QCOMPARE(runCli({"texts", "encode", source, out}).exitCode, 0);
    TextStore store;
    QVERIFY(store.loadFile(out));
    QCOMPARE(store.text(101, 7), QString::fromUtf8("<p>Seven: \xc3\xa9t\xc3\xa9.</p><p>Second paragraph.</p>"));
    QCOMPARE(store.celebrity(0).lifePath, -1);
    QCOMPARE(store.celebrity(0).birthdayNumber, 5);
}

void TestCliTexts::refusesLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("character outside Latin-1")
        << QByteArray("#10100\nfine\ncosts 5 \xe2\x82\xac\n") << ":3: character U+20AC is outside Latin-1";
    QTest::newRow("character beyond the basic plane")
        << QByteArray("#10100\n\xf0\x9f\x98\x80\n") << ":2: character U+1F600 is outside Latin-1";
    QTest::newRow("invalid UTF-8") << QByteArray("#10100\n\xe9t\xe9\n") << ":2: not valid UTF-8";
    QTest::newRow("line too long for the reader")
        << QByteArray("#10100\n" + QByteArray(4097, 'x') + "\n") << ":2: line of 4097 characters; at most 4096 fit";
    // The reader refuses what is not text, and "#" lines without a topic code.
    QTest::newRow("control character") << QByteArray("#10100\nring \x07\n") << ":2: control character U+0007";
    QTest::newRow("C1 control character")
        << QByteArray("#10100\n\xc2\x85\n") << ":2: control character U+0085";
    QTest::newRow("header without a topic code")
        << QByteArray("#10100\n#1 choice\n") << ":2: a header without a three-digit topic code: #1 cho";
}

void TestCliTexts::refusesLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString good = write(QStringLiteral("good.txt"), "#10100\nok\n");
    const QString bad = write(QStringLiteral("bad.txt"), bytes);
    const QString out = m_dir.filePath(QStringLiteral("refused.dat"));
    QFile::remove(out);

    const CliRun run = runCli({"texts", "encode", good, bad, out});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains((bad + message).toUtf8()), run.err.constData());
    QVERIFY(!QFile::exists(out));
}

void TestCliTexts::missingInput()
{
    const QString out = m_dir.filePath(QStringLiteral("never.dat"));
    const CliRun encode = runCli({"texts", "encode", m_dir.filePath(QStringLiteral("nope.txt")), out});
    QCOMPARE(encode.exitCode, 1);
    QVERIFY(encode.err.contains("nope.txt: cannot read"));
    QVERIFY(!QFile::exists(out));

    const CliRun decode = runCli({"texts", "decode", m_dir.filePath(QStringLiteral("nope.dat"))});
    QCOMPARE(decode.exitCode, 1);
    QVERIFY(decode.err.contains("nope.dat: cannot read"));

    // Neither reads what is not a regular file (this would never end).
    const CliRun zero = runCli({"texts", "decode", "/dev/zero"});
    QCOMPARE(zero.exitCode, 1);
    QVERIFY(zero.err.contains("/dev/zero: cannot read: a character device, not a regular file"));
    const CliRun folder = runCli({"texts", "encode", m_dir.path(), out});
    QCOMPARE(folder.exitCode, 1);
    QVERIFY(folder.err.contains("cannot read: a directory, not a regular file"));
    QVERIFY(!QFile::exists(out));
}

void TestCliTexts::badUsage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no action") << QStringList{"texts"};
    QTest::newRow("unknown action") << QStringList{"texts", "shuffle", "a"};
    QTest::newRow("encode without output") << QStringList{"texts", "encode", "a.txt"};
    QTest::newRow("decode without file") << QStringList{"texts", "decode"};
    QTest::newRow("decode two files") << QStringList{"texts", "decode", "a", "b"};
    QTest::newRow("unknown option") << QStringList{"texts", "encode", "--fast", "a", "b"};
}

void TestCliTexts::badUsage()
{
    QFETCH(QStringList, args);
    const CliRun run = runCli(args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.err.startsWith("sorvel-cli: texts"));
}

// The build enciphers data/texts/*.txt in name order, then the generated
// celebrity entries, into eng.dat.
void TestCliTexts::builtDataFileDecodesToSources()
{
    QDir texts(QStringLiteral(SORVEL_TEXTS_DIR));
    QStringList paths;
    for (const QString &name : texts.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
        paths.append(texts.filePath(name));
    paths.append(QStringLiteral(SORVEL_CELEBRITY_TEXTS));
    QByteArray sources;
    for (const QString &path : paths) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll().replace("\r\n", "\n");
        if (bytes.startsWith("\xEF\xBB\xBF"))
            bytes.remove(0, 3);
        if (!bytes.isEmpty() && !bytes.endsWith('\n'))
            bytes += '\n';
        sources += bytes;
    }
    const CliRun run = runCli({"texts", "decode", QCoreApplication::applicationDirPath() + "/eng.dat"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out == sources);
}

QTEST_GUILESS_MAIN(TestCliTexts)
#include "test_cli_texts.moc"
