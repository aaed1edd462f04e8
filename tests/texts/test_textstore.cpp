// The line cipher and the interpretation text store, read from small data
// files written with our encoder.

#include "texts/textcipher.h"
#include "texts/textstore.h"
#include "textfixture.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

const int PACKED_17_MAY_1990 = 17 + 256 * 5 + 65536 * 1990;

} // namespace

class TestTextStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void cipherKnownAnswer_data();
    void cipherKnownAnswer();
    void cipherRoundTrip_data();
    void cipherRoundTrip();
    void decipherRefusesShortLines_data();
    void decipherRefusesShortLines();
    void decipherIgnoresOddLastCharacter();
    void foreignCharacters_data();
    void foreignCharacters();

    void entries_data();
    void entries();
    void rawLines_data();
    void rawLines();
    void compoundTopicStartsBlank();
    void missingFileLeavesStoreEmpty();
    void refusedFiles_data();
    void refusedFiles();
    void bytesAreCheckedAsFilesAre();
    void reloadStartsAfresh();
    void celebrityRecords_data();
    void celebrityRecords();
    void celebrityTexts();
    void guideSlots_data();
    void guideSlots();
    void guidePage();
    void guidePageSharesCalculatingPart();
    void guideTitle_data();
    void guideTitle();
    void outOfRangeLookupsAreEmpty();

private:
    // Loads a fresh store from enciphered plain lines.
    void loadPlain(TextStore &store, const QStringList &plain);
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

void TestTextStore::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestTextStore::loadPlain(TextStore &store, const QStringList &plain)
{
    QVERIFY(writeDataFile(path(QStringLiteral("plain.dat")), plain));
    QVERIFY(store.loadFile(path(QStringLiteral("plain.dat"))));
}

// Expected values from an independent RC4 (Python) with the file key.
void TestTextStore::cipherKnownAnswer_data()
{
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QByteArray>("encoded");
    QTest::newRow("header") << QByteArray("#10107") << QByteArray("kIgKdDjMfEcB");
    QTest::newRow("Latin-1 letters") << QByteArray("Caf\xe9 \xff") << QByteArray("kOgPfGbBfFkN");
    QTest::newRow("empty line") << QByteArray() << QByteArray();
}

void TestTextStore::cipherKnownAnswer()
{
    QFETCH(QByteArray, plain);
    QFETCH(QByteArray, encoded);
    QCOMPARE(encipherLine(plain), encoded);
    if (!encoded.isEmpty()) {
        QString line = QString::fromLatin1(encoded);
        QVERIFY(decipherLine(line));
        QCOMPARE(line, QString::fromLatin1(plain));
    }
}

void TestTextStore::cipherRoundTrip_data()
{
    QTest::addColumn<QByteArray>("plain");
    QTest::newRow("one character") << QByteArray("x");
    QTest::newRow("sentence") << QByteArray("Your road is the one that has not been cut yet.");
    QTest::newRow("accents") << QByteArray("\xc0 la fa\xe7on de No\xebl, \xbd \xa9 \xdf");
    QByteArray every;
    for (int b = 1; b < 256; ++b)
        every.append(char(b));
    QTest::newRow("every byte but 0") << every;
    QTest::newRow("longest line") << QByteArray(4096, 'q');
    QByteArray longer; // past the keystream shared by all lines
    for (int i = 0; i < 5000; ++i)
        longer.append(char('a' + i % 26));
    QTest::newRow("longer than a data file line") << longer;
}

void TestTextStore::cipherRoundTrip()
{
    QFETCH(QByteArray, plain);
    const QByteArray encoded = encipherLine(plain);
    QCOMPARE(encoded.size(), plain.size() * 2);
    for (const char c : encoded)
        QVERIFY((c >= 'a' && c <= 'p') || (c >= 'A' && c <= 'P'));
    QString line = QString::fromLatin1(encoded);
    QVERIFY(decipherLine(line));
    QCOMPARE(line.toLatin1(), plain);
    QByteArray raw;
    decipherBytes(encoded.constData(), encoded.size(), raw);
    QCOMPARE(raw, plain);
    QCOMPARE(firstForeignCharacter(encoded.constData(), encoded.size()), -1);
    QByteArray checked;
    QVERIFY(decipherCheckedBytes(encoded.constData(), encoded.size(), checked));
    QCOMPARE(checked, plain);
}

void TestTextStore::foreignCharacters_data()
{
    QTest::addColumn<QByteArray>("letters");
    QTest::addColumn<int>("first");
    QTest::newRow("clean") << QByteArray("aApPbC") << -1;
    QTest::newRow("clean, odd last") << QByteArray("aApPb") << -1;
    QTest::newRow("upper case at an even place") << QByteArray("aAApbC") << 2;
    QTest::newRow("lower case at an odd place") << QByteArray("aApp") << 3;
    QTest::newRow("just past p") << QByteArray("qA") << 0;
    QTest::newRow("just past P") << QByteArray("aQ") << 1;
    QTest::newRow("just before a") << QByteArray("aA`A") << 2;
    QTest::newRow("odd last past p") << QByteArray("aAq") << 2;
    QTest::newRow("high byte") << QByteArray("aA\xe1" "A") << 2;
    QTest::newRow("second of two") << QByteArray("aAbBz!") << 4;
}

void TestTextStore::foreignCharacters()
{
    QFETCH(QByteArray, letters);
    QFETCH(int, first);
    QCOMPARE(firstForeignCharacter(letters.constData(), letters.size()), first);
    // The checking decipher sees the same, also past the shared keystream.
    if (letters.size() % 2 == 0) {
        QByteArray plain;
        QCOMPARE(decipherCheckedBytes(letters.constData(), letters.size(), plain), first < 0);
        const QByteArray longLine = encipherLine(QByteArray(4200, 'e')) + letters;
        QCOMPARE(decipherCheckedBytes(longLine.constData(), longLine.size(), plain), first < 0);
    }
}

void TestTextStore::decipherRefusesShortLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("empty") << QString();
    QTest::newRow("one character") << QStringLiteral("Z");
}

void TestTextStore::decipherRefusesShortLines()
{
    QFETCH(QString, line);
    QString copy = line;
    QVERIFY(!decipherLine(copy));
    QCOMPARE(copy, line);
}

void TestTextStore::decipherIgnoresOddLastCharacter()
{
    QString line = QString::fromLatin1(encipherLine("ab")) + QLatin1Char('x');
    QVERIFY(decipherLine(line));
    QCOMPARE(line, QStringLiteral("ab"));
}

void TestTextStore::entries_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("topic");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");

    QTest::newRow("header selects topic and number")
        << QStringList{"#10107", "Seven."} << 101 << 7 << "<p>Seven.</p>";
    QTest::newRow("introduction is entry 0")
        << QStringList{"#11500", "Intro"} << 115 << 0 << "<p>Intro</p>";
    QTest::newRow("two lines, in order, nothing between")
        << QStringList{"#10107", "One", "Two"} << 101 << 7 << "<p>One</p><p>Two</p>";
    QTest::newRow("repeated header continues the entry")
        << QStringList{"#10107", "One", "#10201", "x", "#10107", "Two"} << 101 << 7 << "<p>One</p><p>Two</p>";
    QTest::newRow("short # line is content")
        << QStringList{"#10107", "#1234", "#"} << 101 << 7 << "<p>#1234</p><p>#</p>";
    QTest::newRow("empty lines skipped")
        << QStringList{"#10107", "", "One", "", "Two"} << 101 << 7 << "<p>One</p><p>Two</p>";
    QTest::newRow("header longer than 6 characters")
        << QStringList{"#1010799 note", "Seven"} << 101 << 7 << "<p>Seven</p>";
    QTest::newRow("number outside 0..99 ignores what follows")
        << QStringList{"#10107", "One", "#101-1", "lost", "#10107", "Two"} << 101 << 7 << "<p>One</p><p>Two</p>";
    QTest::newRow("nothing of an out-of-range header lands in entry 0")
        << QStringList{"#101-1", "lost"} << 101 << 0 << QString();
    QTest::newRow("non-number reads as 0") << QStringList{"#101xx", "Zero"} << 101 << 0 << "<p>Zero</p>";
    QTest::newRow("content before the first header ignored")
        << QStringList{"early", "#10100", "Intro"} << 101 << 0 << "<p>Intro</p>";
    QTest::newRow("unknown code ignored") << QStringList{"#13207", "x", "#10107", "y"} << 101 << 7 << "<p>y</p>";
    QTest::newRow("psychomatrix topic") << QStringList{"#21703", "x"} << 217 << 3 << "<p>x</p>";
    QTest::newRow("pet topic") << QStringList{"#30209", "x"} << 302 << 9 << "<p>x</p>";
    QTest::newRow("compatibility topic") << QStringList{"#40699", "x"} << 406 << 99 << "<p>x</p>";
    QTest::newRow("name advisor topic") << QStringList{"#50133", "x"} << 501 << 33 << "<p>x</p>";
    QTest::newRow("general note 15") << QStringList{"#90015", "x"} << 900 << 15 << "<p>x</p>";
    QTest::newRow("general note 16 ignored") << QStringList{"#90016", "x"} << 900 << 16 << QString();
    QTest::newRow("tab kept") << QStringList{"#10100", "a\tb"} << 101 << 0 << "<p>a\tb</p>";
    QTest::newRow("Latin-1 text kept")
        << QStringList{"#10100", QString::fromLatin1("Caf\xe9 na\xefve")} << 101 << 0
        << QString::fromLatin1("<p>Caf\xe9 na\xefve</p>");
}

void TestTextStore::entries()
{
    QFETCH(QStringList, lines);
    QFETCH(int, topic);
    QFETCH(int, number);
    QFETCH(QString, expected);
    TextStore store;
    loadPlain(store, lines);
    QCOMPARE(store.text(topic, number), expected);
}

// Lines as they stand in the file, enciphered or not.
void TestTextStore::rawLines_data()
{
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::addColumn<QString>("expected");  // text(101, 7)

    const QByteArray head = encipherLine("#10107");
    const QByteArray one = encipherLine("One");
    const QByteArray two = encipherLine("Two");
    QTest::newRow("CR LF line ends") << QByteArrayList{head, one, two} << QByteArray("\r\n")
                                     << "<p>One</p><p>Two</p>";
    // A single character is not deciphered; being non-empty it is content.
    QTest::newRow("single character stored unchanged")
        << QByteArrayList{head, "Z", two} << QByteArray("\n") << "<p>Z</p><p>Two</p>";
    QTest::newRow("line over 8192 characters ignored")
        << QByteArrayList{head, encipherLine(QByteArray(4097, 'x')), two} << QByteArray("\n") << "<p>Two</p>";
    QTest::newRow("line of 8192 characters kept")
        << QByteArrayList{head, encipherLine(QByteArray(4096, 'y')), two} << QByteArray("\n")
        << "<p>" + QString(4096, QLatin1Char('y')) + "</p><p>Two</p>";
    QTest::newRow("over-long header ignored")
        << QByteArrayList{head, one, encipherLine("#10201" + QByteArray(4095, ' ')), two} << QByteArray("\n")
        << "<p>One</p><p>Two</p>";
    QTest::newRow("last line without line end")
        << QByteArrayList{head + "\n" + one + "\n" + two} << QByteArray() << "<p>One</p><p>Two</p>";
}

void TestTextStore::rawLines()
{
    QFETCH(QByteArrayList, lines);
    QFETCH(QByteArray, lineEnd);
    QFETCH(QString, expected);
    QVERIFY(writeRawDataFile(path(QStringLiteral("raw.dat")), lines, lineEnd));
    TextStore store;
    QVERIFY(store.loadFile(path(QStringLiteral("raw.dat"))));
    QCOMPARE(store.text(101, 7), expected);
}

void TestTextStore::compoundTopicStartsBlank()
{
    TextStore store;
    loadPlain(store, {"#12215", "Fifteen"});
    QCOMPARE(store.text(122, 0), QStringLiteral(" "));
    QCOMPARE(store.text(122, 10), QStringLiteral(" "));
    QCOMPARE(store.text(122, 99), QStringLiteral(" "));
    QCOMPARE(store.text(122, 15), QStringLiteral(" <p>Fifteen</p>"));
    // Entries 1..9 are not compound numbers and start empty.
    QCOMPARE(store.text(122, 9), QString());
    QCOMPARE(store.text(121, 10), QString());
}

void TestTextStore::missingFileLeavesStoreEmpty()
{
    TextStore store;
    QVERIFY(!store.loadFile(path(QStringLiteral("no-such-file.dat"))));
    const TextLoadResult result = store.loadFrom(path(QStringLiteral("no-such-file.dat")));
    QCOMPARE(result.status, TextLoadResult::Missing);
    QCOMPARE(result.reason, QStringLiteral("no such file"));
    QCOMPARE(store.text(122, 0), QString());
    QCOMPARE(store.text(101, 1), QString());
    QCOMPARE(store.guideSlot(0, 0), QString());
    QCOMPARE(store.celebrity(0).lifePath, 0);
    QVERIFY(store.celebrity(0).name.isEmpty());
}

// Files that are not data files we can trust: each is refused with a reason,
// and nothing of it (not even its good lines) is kept.
void TestTextStore::refusedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");

    const auto write = [this](const char *name, const QByteArray &bytes) {
        QFile file(path(QLatin1String(name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", name);
        return file.fileName();
    };
    const auto enciphered = [](const QStringList &plain) { return encipheredLines(plain).join('\n') + '\n'; };
    const QByteArray good = enciphered({"#10107", "Seven is a seeker.", "Eight builds."});

    QTest::newRow("empty") << write("empty.dat", QByteArray()) << "the file is empty";
    QRandomGenerator random(1990);
    QByteArray noise(4096, Qt::Uninitialized);
    for (char &byte : noise)
        byte = char(random.bounded(256));
    QTest::newRow("random bytes") << write("random.dat", noise) << "line 1 is not enciphered";
    // Cut three characters into its last line.
    const int lastLine = good.lastIndexOf('\n', good.size() - 2) + 1;
    QTest::newRow("truncated") << write("truncated.dat", good.left(lastLine + 3)) << "line 3 is cut short";
    QTest::newRow("one line not enciphered")
        << write("plain-line.dat", good + "Nine ends a cycle.\n" + enciphered({"Ten."}))
        << "line 4 is not enciphered: character 1";
    QTest::newRow("one character changed")
        << write("changed.dat", QByteArray(good).replace(lastLine + 4, 1, "z"))
        << "line 3 is not enciphered: character 5";
    QTest::newRow("a line of control characters")
        << write("control.dat", good + enciphered({QStringLiteral("Bell \x07 rings")}))
        << "line 4 does not decipher to text (control character 0x07)";
    QTest::newRow("a C1 control character") << write("c1.dat", good + enciphered({QString(QChar(0x85))}))
                                            << "line 4 does not decipher to text (control character 0x85)";
    QTest::newRow("header without a topic code") << write("header.dat", good + enciphered({"#1x107", "lost"}))
                                                 << "line 4 is a header without a topic code";
    QTest::newRow("no header of a known topic")
        << write("unknown.dat", enciphered({"#13207", "x", "#99901", "y"})) << "no header of a known topic";
    QTest::newRow("blank lines only") << write("blank.dat", "\n\r\n\n") << "no header of a known topic";
    QTest::newRow("UTF-8 byte order mark")
        << write("bom.dat", "\xEF\xBB\xBF" + good) << "line 1 is not enciphered: character 1";
    QFile large(path(QStringLiteral("large.dat")));
    if (!large.open(QIODevice::WriteOnly) || !large.resize(TextStore::MAX_FILE_BYTES + 1)) // sparse
        qFatal("cannot make large.dat");
    QTest::newRow("over 64 MB") << large.fileName() << "too large: 67108865 bytes, the limit is 64 MB";
    QTest::newRow("a directory") << m_dir.path() << "a directory, not a regular file";
#ifdef Q_OS_UNIX
    // No writer ever opens the FIFO: opening it for reading would wait.
    const QString fifo = path(QStringLiteral("fifo.dat"));
    if (mkfifo(QFile::encodeName(fifo).constData(), 0600) != 0)
        qFatal("cannot make a FIFO");
    QTest::newRow("a FIFO without a writer") << fifo << "a FIFO, not a regular file";
    QTest::newRow("/dev/zero") << "/dev/zero"
                               << "a character device, not a regular file";
#endif
}

void TestTextStore::refusedFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, reason);
    TextStore store;
    loadPlain(store, {"#10107", "Kept until the next load."});

    const TextLoadResult result = store.loadFrom(file);
    QCOMPARE(result.status, TextLoadResult::Refused);
    QVERIFY2(result.reason.startsWith(reason), qPrintable(result.reason));
    QCOMPARE(store.text(101, 7), QString());
    QCOMPARE(store.text(122, 0), QString()); // not even the compound blanks

    QString why;
    QVERIFY(!store.loadFile(file, &why));
    QCOMPARE(why, result.reason);
}

// The contents of a file, already read, go through the same checks.
void TestTextStore::bytesAreCheckedAsFilesAre()
{
    TextStore store;
    const QByteArray good = encipheredLines({"#10107", "Seven."}).join('\n');
    QVERIFY(store.loadBytes(good).loaded());
    QCOMPARE(store.text(101, 7), QStringLiteral("<p>Seven.</p>"));
    QCOMPARE(store.text(122, 0), QStringLiteral(" "));

    const TextLoadResult damaged = store.loadBytes(good + "\nSeven again.");
    QCOMPARE(damaged.status, TextLoadResult::Refused);
    QCOMPARE(damaged.reason,
             QStringLiteral("line 3 is not enciphered: character 1 is not one the cipher writes"));
    QCOMPARE(store.text(101, 7), QString());
    QCOMPARE(store.loadBytes(QByteArray()).reason, QStringLiteral("the file is empty"));
}

void TestTextStore::reloadStartsAfresh()
{
    TextStore store;
    loadPlain(store, {"#10107", "Old", "#60100", "7", "#60200", "old celebrity", "#70000", "Old title"});
    loadPlain(store, {"#10108", "New"});
    QCOMPARE(store.text(101, 7), QString());
    QCOMPARE(store.text(101, 8), QStringLiteral("<p>New</p>"));
    QCOMPARE(store.celebrity(0).lifePath, 0);
    QCOMPARE(store.celebrityText(602, 0), QString());
    QCOMPARE(store.guideSlot(0, 0), QString());

    QVERIFY(!store.loadFile(path(QStringLiteral("no-such-file.dat"))));
    QCOMPARE(store.text(101, 8), QString());
}

void TestTextStore::celebrityRecords_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("lifePath");
    QTest::addColumn<int>("birthdayNumber");
    QTest::addColumn<int>("expression");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("note");
    QTest::addColumn<int>("birthDate");

    QTest::newRow("complete record")
        << QStringList{"#60105", "7", "8", "22", "Ada Example", "a note", "17.5.1990"} << 5 << 7 << 8 << 22
        << "Ada Example" << "a note" << PACKED_17_MAY_1990;
    QTest::newRow("0 is stored as -1 and the next line fills the next field")
        << QStringList{"#60100", "0", "3"} << 0 << -1 << 3 << 0 << QString() << QString() << 0;
    QTest::newRow("non-number is stored as -1")
        << QStringList{"#60100", "seven", "3", "x4"} << 0 << -1 << 3 << -1 << QString() << QString() << 0;
    QTest::newRow("date not in three parts leaves it for the next line")
        << QStringList{"#60100", "1", "2", "3", "N", "T", "17.5", "1.2.3.4", "17.5.1990"} << 0 << 1 << 2 << 3
        << "N" << "T" << PACKED_17_MAY_1990;
    QTest::newRow("lines after the six fields ignored")
        << QStringList{"#60100", "1", "2", "3", "N", "T", "1.1.2000", "9", "extra"} << 0 << 1 << 2 << 3 << "N"
        << "T" << 1 + 256 + 65536 * 2000;
    QTest::newRow("611 fills records from 100")
        << QStringList{"#61199", "4", "5", "6"} << 199 << 4 << 5 << 6 << QString() << QString() << 0;
    QTest::newRow("a second header continues the record")
        << QStringList{"#60103", "1", "#10100", "x", "#60103", "2"} << 3 << 1 << 2 << 0 << QString() << QString()
        << 0;
    // A year too large to pack into an int is kept as "given, not a date".
    QTest::newRow("date too large to pack")
        << QStringList{"#60100", "1", "2", "3", "N", "T", "1.1.99999"} << 0 << 1 << 2 << 3 << "N" << "T" << -1;
    QTest::newRow("paragraph wrapping removed")
        << QStringList{"#60100", "1", "2", "3", "<b>Bold</b> Name"} << 0 << 1 << 2 << 3 << "<b>Bold</b> Name"
        << QString() << 0;
}

void TestTextStore::celebrityRecords()
{
    QFETCH(QStringList, lines);
    QFETCH(int, index);
    TextStore store;
    loadPlain(store, lines);
    const CelebrityRecord record = store.celebrity(index);
    QTEST(record.lifePath, "lifePath");
    QTEST(record.birthdayNumber, "birthdayNumber");
    QTEST(record.expression, "expression");
    QTEST(record.name, "name");
    QTEST(record.note, "note");
    QTEST(record.birthDate, "birthDate");
}

void TestTextStore::celebrityTexts()
{
    TextStore store;
    loadPlain(store, {"#60207", "LP seven", "#60399", "Day", "#61207", "LP 107", "#61400", "Ex 100", "#60400", "Ex 0"});
    QCOMPARE(store.celebrityText(602, 7), QStringLiteral("<p>LP seven</p>"));
    QCOMPARE(store.celebrityText(602, 107), QStringLiteral("<p>LP 107</p>"));
    QCOMPARE(store.celebrityText(603, 99), QStringLiteral("<p>Day</p>"));
    QCOMPARE(store.celebrityText(604, 100), QStringLiteral("<p>Ex 100</p>"));
    QCOMPARE(store.celebrityText(604, 0), QStringLiteral("<p>Ex 0</p>"));
    QCOMPARE(store.celebrityText(603, 7), QString());
}

void TestTextStore::guideSlots_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("expected");

    QTest::newRow("#70012 is page 1 slot 2")
        << QStringList{"#70012", "Read it so."} << 1 << 2 << "<h2>Interpretation</h2><p>Read it so.</p>";
    QTest::newRow("title wrapped once")
        << QStringList{"#70000", "Title", "More"} << 0 << 0 << "<h2><p>Title</p></h2><p>More</p>";
    QTest::newRow("calculating part")
        << QStringList{"#70231", "Add", "#70231", "Reduce"} << 23 << 1
        << "<h2>Calculating</h2><p>Add</p><p>Reduce</p>";
    QTest::newRow("slot 3 plain") << QStringList{"#70013", "x"} << 1 << 3 << "<p>x</p>";
    // Units digits 4..9 land in the slots of the following pages.
    QTest::newRow("units digit 9 overlaps") << QStringList{"#70399", "x"} << 41 << 1 << "<p>x</p>";
}

void TestTextStore::guideSlots()
{
    QFETCH(QStringList, lines);
    QFETCH(int, page);
    QFETCH(int, slot);
    QFETCH(QString, expected);
    TextStore store;
    loadPlain(store, lines);
    QCOMPARE(store.guideSlot(page, slot), expected);
}

void TestTextStore::guidePage()
{
    TextStore store;
    loadPlain(store, {"#70030", "Title", "#70031", "How", "#70032", "Meaning"});
    const QString page = store.guidePage(3, QStringLiteral("C:/guide/pic.png"));

    const QString block = QStringLiteral("<table class=maindoc border=\"0\" width=100%><tr><td>\r\n");
    const QString close = QStringLiteral("</td></tr></table>\r\n");
    const QString p = QStringLiteral("<p comment=\"st_fs\"   >");
    const QString body =
        block + p
        + "<img src=\"file:///C:/guide/pic.png\" style=\"margin-left: 15px;\" align=\"right\" />"
          "<h2><p comment=\"st_fs\"   >Title</p></h2></p>\r\n"
        + close + block + p + "<h2>Calculating</h2><p comment=\"st_fs\"   >How</p></p>\r\n" + close + block + p
        + "<h2>Interpretation</h2><p comment=\"st_fs\"   >Meaning</p></p>\r\n" + close
        + "</body></html>\r\n";
    QVERIFY(page.contains(QLatin1String("<title></title></head>")));
    QVERIFY2(page.endsWith(body), qPrintable(page));
}

void TestTextStore::guidePageSharesCalculatingPart()
{
    TextStore store;
    loadPlain(store, {"#70181", "Shared", "#70191", "Own 19", "#70351", "Own 35"});
    QVERIFY(store.guidePage(19, QString()).contains(QLatin1String("Shared")));
    QVERIFY(!store.guidePage(19, QString()).contains(QLatin1String("Own 19")));
    QVERIFY(store.guidePage(34, QString()).contains(QLatin1String("Shared")));
    QVERIFY(store.guidePage(35, QString()).contains(QLatin1String("Own 35")));
    QVERIFY(!store.guidePage(35, QString()).contains(QLatin1String("<img")));
}

void TestTextStore::guideTitle_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain title") << QStringList{"#70030", "Life Path Number", "Body"} << 3 << "Life Path Number";
    QTest::newRow("markup inside") << QStringList{"#70000", "The <i>Heart's</i>  Desire"} << 0 << "The Heart's Desire";
    QTest::newRow("page without a title") << QStringList{"#70031", "How"} << 3 << QString();
    QTest::newRow("page out of range") << QStringList{"#70000", "Title"} << 999 << QString();
}

void TestTextStore::guideTitle()
{
    QFETCH(QStringList, lines);
    QFETCH(int, page);
    QFETCH(QString, expected);
    TextStore store;
    loadPlain(store, lines);
    QCOMPARE(store.guideTitle(page), expected);
}

void TestTextStore::outOfRangeLookupsAreEmpty()
{
    TextStore store;
    loadPlain(store, {"#10100", "x"});
    QCOMPARE(store.text(101, -1), QString());
    QCOMPARE(store.text(101, 128), QString());
    QCOMPARE(store.text(100, 0), QString());
    QCOMPARE(store.celebrityText(601, 0), QString());
    QCOMPARE(store.celebrityText(602, 256), QString());
    QCOMPARE(store.celebrity(-1).lifePath, 0);
    QCOMPARE(store.guideSlot(64, 0), QString());
    QCOMPARE(store.guideSlot(-1, 3), QString());
}

QTEST_GUILESS_MAIN(TestTextStore)
#include "test_textstore.moc"
