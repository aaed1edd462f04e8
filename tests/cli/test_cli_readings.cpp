// sorvel-cli matrix, compat, pet, celebrities and analyze: JSON output,
// report files, the data file option and exit statuses.

#include "clirunner.h"
#include "texts/textcipher.h"

#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

class TestCliReadings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void matrix_data();
    void matrix();
    void compat();
    void compatIsSymmetric();
    void pet_data();
    void pet();
    void celebrities();
    void analyze_data();
    void analyze();
    void reportFiles_data();
    void reportFiles();
    void reportFileInlinesPictures();
    void failures_data();
    void failures();
    void datesWithTrailingCharacters_data();
    void datesWithTrailingCharacters();
    void damagedDefaultDataFile();
    void cutDefaultDataFile_data();
    void cutDefaultDataFile();
    void help();

private:
    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    QTemporaryDir m_dir;
};

static QJsonArray ints(const QList<int> &values)
{
    QJsonArray array;
    for (const int v : values)
        array.append(v);
    return array;
}

// A data file with three celebrities and one pet text:
//   0: Life Path 5, birthday number 1, Expression 8, born 17.3.1879
//   1: Life Path 11, birthday number 4, Expression 1, born 2.1.1950
//   100: Life Path 2, birthday number 5, Expression 8, born 17.12.1960
void TestCliReadings::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QStringList plain = {"#60100", "5", "1", "8", "Ann Able", "painter", "17.3.1879",
                               "#60101", "11", "4", "1", "Cy Cole", "pilot", "2.1.1950",
                               "#61100", "2", "5", "8", "Ed Erl", "actor", "17.12.1960",
                               "#30100", "Pets in general"};
    QFile file(path("fixture.dat"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (const QString &line : plain)
        file.write(encipherLine(line.toLatin1()) + "\n");

    // The same with its fifth line, a name, typed in plain text.
    QFile damaged(path("damaged.dat"));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    for (int i = 0; i < plain.size(); ++i)
        damaged.write((i == 4 ? plain.at(i).toLatin1() : encipherLine(plain.at(i).toLatin1())) + "\n");
}

void TestCliReadings::matrix_data()
{
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QList<int>>("values");
    QTest::newRow("17 May 1990") << "1990-05-17" << QList<int>{2, 2, 1, 3, 0, 2, 0, 1, 0, 2, 6, 2, 3, 3, 3, 5, 6, 6};
    QTest::newRow("1 Jan 2000") << "2000-01-01" << QList<int>{3, 2, 3, 0, 2, 0, 0, 0, 0, 0, 5, 2, 0, 4, 3, 0, 2, 0};
    // W3 = 12 - 18 = -6: its negative digits are not counted.
    QTest::newRow("9 Jan 2000") << "2000-01-09" << QList<int>{3, 2, 2, 1, 0, 0, 0, 0, 0, 1, 5, 0, 1, 2, 2, 2, 3, 1};
}

void TestCliReadings::matrix()
{
    QFETCH(QString, birth);
    QFETCH(QList<int>, values);
    const CliRun run = runCli({"matrix", "--full", "John Smith", "--birth", birth});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    QCOMPARE(run.json().keys(), QStringList{"values"});
    QCOMPARE(run.json()["values"].toArray(), ints(values));
}

// JOHN SMITH (Life Path 5, Expression 8) and MARY JONES (9, 3/12), worked
// by hand in the engine's tests.
void TestCliReadings::compat()
{
    const CliRun run = runCli({"compat", "--full", "John Smith", "--birth", "1990-05-17", "--partner-full",
                               "Mary Jones", "--partner-birth", "1985-11-29"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    const QJsonObject o = run.json();
    QCOMPARE(o["lifePathRating"].toInt(), 75);
    QCOMPARE(o["birthdayRating"].toInt(), 80);
    QCOMPARE(o["nameRating"].toInt(), 50);
    QCOMPARE(o["familyRating"].toInt(), 100);
    QCOMPARE(o["carnalRating"].toInt(), 90);
    QCOMPARE(o["overallRating"].toInt(), 81);
    QCOMPARE(o["lifePathCode"].toInt(), 5);
    QCOMPARE(o["birthdayCode"].toInt(), 1);
    QCOMPARE(o["nameCode"].toInt(), 2);
    QCOMPARE(o["familyScore"].toInt(), 60);
    QCOMPARE(o["homeProducts"].toArray(), ints({90, 120}));
    QCOMPARE(o["spiritualProducts"].toArray(), ints({108, 168}));
    QCOMPARE(o["homeStability"].toInt(), 30);
    QCOMPARE(o["spiritualStability"].toInt(), 50);
    QCOMPARE(o["marriageStabilityTerm"].toInt(), 80);
    QCOMPARE(o["characterCode"].toInt(), 34);
    QCOMPARE(o["energyCode"].toInt(), 23);
    QCOMPARE(o["texts"].toArray(), (QJsonArray{"90", "120", "108", "168", "30", "50", "80", "5+9=5", "75%",
                                              "17+29=1", "80%", "100%", "90%", "8+3=2", "50%", "81%"}));
}

void TestCliReadings::compatIsSymmetric()
{
    const CliRun ab = runCli({"compat", "--full", "Ann Lee", "--birth", "2000-01-09", "--partner-full",
                              "Bob Stone", "--partner-birth", "1977-07-29"});
    const CliRun ba = runCli({"compat", "--full", "Bob Stone", "--birth", "1977-07-29", "--partner-full",
                              "Ann Lee", "--partner-birth", "2000-01-09"});
    QCOMPARE(ab.exitCode, 0);
    QCOMPARE(ba.exitCode, 0);
    for (const char *key : {"lifePathRating", "birthdayRating", "nameRating", "familyRating", "carnalRating",
                            "overallRating", "familyScore", "characterCode", "energyCode",
                            "marriageStabilityTerm"})
        QCOMPARE(ab.json()[key].toInt(), ba.json()[key].toInt());
}

void TestCliReadings::pet_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("vowelRow");
    QTest::addColumn<QString>("consonantRow");
    QTest::addColumn<int>("dayCode");
    // Birthday code of 29 Feb 2020: 4 + 2 + 2 = 8; 5 Jan 2024 codes 5.
    QTest::newRow("REX") << "Rex" << "2" << "=2/20=2" << " 5 " << "9 6" << 6;   // 2 + 8 + 5 = 15
    QTest::newRow("BI") << "Bi" << "2/11" << "=11=11=2" << " 9" << "2 " << 6;
    // The command line's name is cleaned: one blank between the words.
    QTest::newRow("REX, MAX") << "Rex, Max" << "4/13" << "=2/20+11=13=4" << " 5   1 " << "9 6 4 6" << 8;
}

void TestCliReadings::pet()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, line);
    QFETCH(QString, vowelRow);
    QFETCH(QString, consonantRow);
    QFETCH(int, dayCode);
    const CliRun run = runCli({"pet", "--name", name, "--birth", "2020-02-29", "--forecast", "2024-01-05"});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject o = run.json();
    QCOMPARE(o["petNumberText"].toString(), text);
    QCOMPARE(o["birthdayCode"].toInt(), 8);
    QCOMPARE(o["dayCode"].toInt(), dayCode);
    QCOMPARE(o["line"].toString(), line);
    QCOMPARE(o["vowelRow"].toString(), vowelRow);
    QCOMPARE(o["consonantRow"].toString(), consonantRow);
    QVERIFY(o.contains("vowelLine"));
    QVERIFY(o.contains("consonantLine"));
}

void TestCliReadings::celebrities()
{
    // Life Path 5, day 17, Expression 8.
    const CliRun run = runCli({"celebrities", "--full", "John Smith", "--birth", "1990-05-17", "--texts",
                               path("fixture.dat")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.json()["byLifePath"].toArray(), ints({0}));
    QCOMPARE(run.json()["byBirthDay"].toArray(), ints({0, 100}));
    QCOMPARE(run.json()["byExpression"].toArray(), ints({0, 100}));

    // Life Path 11 (2 + 1 + 8) matches 11 only, not Ed Erl's 2.
    const CliRun master = runCli({"celebrities", "--full", "John Smith", "--birth", "2006-01-02", "--texts",
                                  path("fixture.dat")});
    QCOMPARE(master.json()["lifePath"].toInt(), 11);
    QCOMPARE(master.json()["byLifePath"].toArray(), ints({1}));
    QCOMPARE(master.json()["byBirthDay"].toArray(), ints({1}));

    // TRY is 4 + 2 + 1 = 7 in the Chaldean table (9 in the Western).
    const CliRun chaldean = runCli({"celebrities", "--full", "Try", "--birth", "1990-05-17", "--chaldean",
                                    "--texts", path("fixture.dat")});
    QCOMPARE(chaldean.json()["expressionText"].toString(), QStringLiteral("7"));
    QCOMPARE(chaldean.json()["byExpression"].toArray(), QJsonArray());

    // Universal vowels change no match here, but are accepted.
    const CliRun universal = runCli({"celebrities", "--full", "John Smith", "--birth", "1990-05-17", "--vowels",
                                     "universal", "--texts", path("fixture.dat")});
    QCOMPARE(universal.exitCode, 0);
}

void TestCliReadings::analyze_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    const QStringList anna = {"--name", "Anna, Maria", "--date", "2006-01-02"};
    QTest::newRow("comma removed") << anna << "name" << "ANNA MARIA";
    QTest::newRow("date number") << anna << "dateNumberText" << "2+1+8=11";
    // ANNA 12 -> 3, MARIA 24 -> 6.
    QTest::newRow("name number") << anna << "nameNumberText" << "9";
    QTest::newRow("hearts desire") << anna << "heartsDesireText" << "4/13";
    QTest::newRow("personality") << anna << "personalityText" << "5";
    QTest::newRow("lessons") << anna << "karmicLessonsText" << "2, 3, 6, 7, 8";
    QTest::newRow("words not reduced") << QStringList{"--name", "John Smith", "--date", "1990-05-17",
                                                      "--no-word-reduce"}
                                       << "nameNumberText" << "8/44";
    QTest::newRow("chaldean") << QStringList{"--name", "John Smith", "--date", "1990-05-17", "--chaldean"}
                              << "nameNumberText" << "8/17";
    QTest::newRow("400 letters") << QStringList{"--name", QString(400, QLatin1Char('a')), "--date", "1990-05-17"}
                                 << "name" << QString(300, QLatin1Char('A'));
}

void TestCliReadings::analyze()
{
    QFETCH(QStringList, extra);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const CliRun run = runCli(QStringList{"analyze"} + extra);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.json()[key].toString(), expected);
}

// --out writes the reading's HTML document and the JSON is still printed.
void TestCliReadings::reportFiles_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("heading");
    QTest::newRow("matrix") << QStringList{"matrix", "--full", "John Smith", "--birth", "1990-05-17"}
                            << "Sorvel Numerology Report" << "John Smith, May 17 1990";
    QTest::newRow("compat") << QStringList{"compat", "--full", "John Smith", "--birth", "1990-05-17",
                                           "--partner-full", "Mary Jones", "--partner-birth", "1985-11-29"}
                            << "Numerology Compatibility Report" << "MARY JONES, Nov 29 1985";
    QTest::newRow("pet") << QStringList{"pet", "--name", "Rex", "--birth", "2020-02-29", "--forecast", "2024-01-05"}
                         << "Pet Numerology Report" << "Pets in general";
    QTest::newRow("celebrities") << QStringList{"celebrities", "--full", "John Smith", "--birth", "1990-05-17"}
                                 << "Sorvel Numerology Celebrities Report" << "Ed Erl";
    QTest::newRow("analyze") << QStringList{"analyze", "--name", "John Smith", "--date", "1990-05-17"}
                             << "Sorvel Numerology Report" << "Express Numerology chart for";
}

void TestCliReadings::reportFiles()
{
    QFETCH(QStringList, args);
    QFETCH(QString, title);
    QFETCH(QString, heading);
    const QString out = path("report.html");
    QFile::remove(out);
    const CliRun run = runCli(args + QStringList{"--texts", path("fixture.dat"), "--out", out});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(!run.json().isEmpty());
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    QVERIFY(html.contains(QLatin1String("<title>") + title + QLatin1String("</title>")));
    QVERIFY2(html.contains(heading), qPrintable(heading));
    QVERIFY(html.endsWith(QLatin1String("</body></html>\r\n")));
    // Self-contained, as "Save Report" writes it: no picture left behind.
    QVERIFY(!html.contains(QLatin1String("file:///")));
    QVERIFY(html.contains(QLatin1String("body table { line-height: 20px;  }")));
}

// The celebrity's photograph travels inside the file.
void TestCliReadings::reportFileInlinesPictures()
{
    const QString out = path("celebrities.html");
    const CliRun run = runCli({"celebrities", "--full", "John Smith", "--birth", "1990-05-17", "--texts",
                               path("fixture.dat"), "--out", out});
    QCOMPARE(run.exitCode, 0);
    QFile photo(QCoreApplication::applicationDirPath() + QStringLiteral("/images/doc2/100.jpg"));
    QVERIFY2(photo.open(QIODevice::ReadOnly), "the pictures are drawn by the build");
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("<img src=\"data:image/jpg;base64," + photo.readAll().toBase64() + '"'));
}

void TestCliReadings::failures_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("complaint");
    const QStringList john = {"--full", "John Smith", "--birth", "1990-05-17"};
    QTest::newRow("matrix without --full") << QStringList{"matrix", "--birth", "1990-05-17"} << 2 << "--full";
    QTest::newRow("matrix bad date") << QStringList{"matrix", "--full", "A", "--birth", "1990-02-30"} << 2
                                     << "1990-02-30";
    QTest::newRow("matrix stray argument") << QStringList{"matrix"} + john + QStringList{"extra"} << 2 << "extra";
    QTest::newRow("compat without partner") << QStringList{"compat"} + john << 2 << "--partner-full";
    QTest::newRow("compat without partner birth")
        << QStringList{"compat"} + john + QStringList{"--partner-full", "Mary"} << 2 << "--partner-birth";
    QTest::newRow("compat bad partner birth")
        << QStringList{"compat"} + john + QStringList{"--partner-full", "Mary", "--partner-birth", "1985-13-01"}
        << 2 << "--partner-birth";
    // A partner name of digits only has no vowels: the name check refuses it.
    QTest::newRow("compat partner refused")
        << QStringList{"compat"} + john + QStringList{"--partner-full", "1985", "--partner-birth", "1985-11-29"}
        << 3 << "Error! Incorrect full or short name!";
    QTest::newRow("pet without --name") << QStringList{"pet", "--birth", "2020-02-29"} << 2 << "--name";
    QTest::newRow("pet name of no letters") << QStringList{"pet", "--name", "?!", "--birth", "2020-02-29"} << 2
                                            << "--name";
    QTest::newRow("pet bad forecast") << QStringList{"pet", "--name", "Rex", "--birth", "2020-02-29", "--forecast",
                                                     "tomorrow"}
                                      << 2 << "--forecast";
    QTest::newRow("pet name worth 0") << QStringList{"pet", "--name", "000", "--birth", "2020-02-29"} << 3
                                      << "Error! Incorrect pet name!";
    QTest::newRow("celebrities bad vowels") << QStringList{"celebrities"} + john + QStringList{"--vowels", "x"}
                                            << 2 << "--vowels";
    QTest::newRow("celebrities missing data file")
        << QStringList{"celebrities"} + john + QStringList{"--texts", "/nonexistent/eng.dat"} << 1
        << "/nonexistent/eng.dat";
    const QStringList fixture = {"--birth", "1990-05-17", "--texts", path("fixture.dat")};
    const QString chinese = QString::fromUtf8("\u674e\u5c0f\u9f99");
    QTest::newRow("celebrities name that cleans to nothing")
        << QStringList{"celebrities", "--full", chinese} + fixture << 3
        << "Error! Incorrect full or short name! The full name is empty once cleaned";
    QTest::newRow("celebrities name of zeros")
        << QStringList{"celebrities", "--full", "000"} + fixture << 3
        << "Error! Incorrect full or short name! The full name \"000\" has no letters.";
    QTest::newRow("compat partner named")
        << QStringList{"compat"} + john +
               QStringList{"--partner-full", "1985", "--partner-birth", "1985-11-29"}
        << 3 << "The partner's full name \"1985\" has no vowels.";
    QTest::newRow("pet name worth 0 says why")
        << QStringList{"pet", "--name", "000", "--birth", "2020-02-29"} << 3
        << "Error! Incorrect pet name! The pet name \"000\" has no letters.";
    QTest::newRow("damaged data file")
        << QStringList{"matrix"} + john + QStringList{"--texts", path("damaged.dat")} << 1
        << path("damaged.dat") + ": refused as a data file: line 5 is not enciphered";
    QTest::newRow("data file that is a directory")
        << QStringList{"celebrities"} + john + QStringList{"--texts", m_dir.path()} << 1
        << "refused as a data file: a directory, not a regular file";
    QTest::newRow("data file /dev/zero")
        << QStringList{"report", "numerology"} + john + QStringList{"--texts", "/dev/zero"} << 1
        << "/dev/zero: refused as a data file: a character device, not a regular file";
    QTest::newRow("analyze without --date") << QStringList{"analyze", "--name", "Anna"} << 2 << "--date";
    QTest::newRow("analyze empty name") << QStringList{"analyze", "--name", " , ,", "--date", "2006-01-02"} << 2
                                        << "Enter your data before calculation!";
    QTest::newRow("analyze unwritable report")
        << QStringList{"analyze", "--name", "Anna", "--date", "2006-01-02", "--out", "/nonexistent/a.html"} << 1
        << "/nonexistent/a.html";
}

void TestCliReadings::failures()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, complaint);
    const CliRun run = runCli(args);
    QCOMPARE(run.exitCode, status);
    QVERIFY(run.out.isEmpty());
    const QString err = QString::fromUtf8(run.err);
    QCOMPARE(err.count(QLatin1Char('\n')), 1);
    QVERIFY2(err.contains(complaint), qPrintable(err));
}

// Every date option takes exactly YYYY-MM-DD, nothing after it.
void TestCliReadings::datesWithTrailingCharacters_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("option");
    const auto person = [](const QString &birth) {
        return QStringList{"--full", "John Smith", "--birth", birth};
    };
    const QString bad = QStringLiteral("1990-05-17x");
    QTest::newRow("chart --birth") << QStringList{"chart"} + person(bad) << "--birth";
    QTest::newRow("chart --birth with a line break")
        << QStringList{"chart"} + person("1990-05-17\n") << "--birth";
    QTest::newRow("chart --forecast")
        << QStringList{"chart"} + person("1990-05-17") + QStringList{"--forecast", bad} << "--forecast";
    QTest::newRow("report --birth") << QStringList{"report", "numerology"} + person(bad) << "--birth";
    QTest::newRow("matrix --birth") << QStringList{"matrix"} + person(bad) << "--birth";
    QTest::newRow("compat --partner-birth")
        << QStringList{"compat"} + person("1990-05-17") +
               QStringList{"--partner-full", "Mary Jones", "--partner-birth", "1985-11-29x"}
        << "--partner-birth";
    QTest::newRow("pet --birth") << QStringList{"pet", "--name", "Rex", "--birth", bad} << "--birth";
    QTest::newRow("pet --forecast")
        << QStringList{"pet", "--name", "Rex", "--birth", "2020-02-29", "--forecast", "2024-01-05 00:00"}
        << "--forecast";
    QTest::newRow("celebrities --birth") << QStringList{"celebrities"} + person(bad) << "--birth";
    QTest::newRow("analyze --date") << QStringList{"analyze", "--name", "Anna", "--date", bad} << "--date";
}

void TestCliReadings::datesWithTrailingCharacters()
{
    QFETCH(QStringList, args);
    QFETCH(QString, option);
    const CliRun run = runCli(args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains((option + ": not a valid date").toUtf8()), run.err.constData());
}

// The data file beside the program: missing is allowed (the readings have
// no prose, as in the window), damaged is refused. A copy of the tool in a
// folder of its own has a data file of our choosing beside it.
void TestCliReadings::cutDefaultDataFile_data()
{
    QTest::addColumn<bool>("atLineEnd");
    QTest::addColumn<QString>("reason");
    // Half the bytes: the last line may be cut in its middle, and refused
    // for that, or end whole - then what the file lacks refuses it.
    QTest::newRow("half the bytes") << false << "refused as a data file: ";
    QTest::newRow("half, at a line end") << true
                                         << "refused as a data file: texts the readings print are missing";
}

// The program's own eng.dat cut short: every line that is left is sound, but
// the readings would lose their texts. Refused, naming what is missing.
void TestCliReadings::cutDefaultDataFile()
{
    QFETCH(bool, atLineEnd);
    QFETCH(QString, reason);
    QFile shipped(QCoreApplication::applicationDirPath() + QStringLiteral("/eng.dat"));
    QVERIFY2(shipped.open(QIODevice::ReadOnly), qPrintable(shipped.fileName()));
    const QByteArray whole = shipped.readAll();
    QByteArray half = whole.left(whole.size() / 2);
    if (atLineEnd)
        half.truncate(half.lastIndexOf('\n') + 1);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(copyCliTool(folder.path(), false));
    const QString data = folder.filePath(QStringLiteral("eng.dat"));
    QFile cut(data);
    QVERIFY(cut.open(QIODevice::WriteOnly));
    QCOMPARE(cut.write(half), qint64(half.size()));
    cut.close();
    QProcess run;
    run.start(folder.filePath(QStringLiteral("sorvel-cli")),
              {"report", "numerology", "--full", "John Smith", "--birth", "1990-05-17"});
    QVERIFY(run.waitForFinished(-1));
    QCOMPARE(run.exitCode(), 1);
    QVERIFY(run.readAllStandardOutput().isEmpty());
    const QString err = QString::fromUtf8(run.readAllStandardError());
    QVERIFY2(err.startsWith(QStringLiteral("sorvel-cli: report: %1: ").arg(data) + reason), qPrintable(err));
    if (atLineEnd)
        QVERIFY2(err.contains(QLatin1String("topic ")), qPrintable(err));
}

void TestCliReadings::damagedDefaultDataFile()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString tool = folder.filePath(QStringLiteral("sorvel-cli"));
    QVERIFY(copyCliTool(folder.path(), false));
    const QStringList matrix = {"matrix", "--full", "John Smith", "--birth", "1990-05-17"};

    QProcess missing;
    missing.start(tool, matrix);
    QVERIFY(missing.waitForFinished(-1));
    QCOMPARE(missing.exitCode(), 0);

    const QString data = folder.filePath(QStringLiteral("eng.dat"));
    QVERIFY(QFile::copy(path("damaged.dat"), data));
    QProcess damaged;
    damaged.start(tool, matrix);
    QVERIFY(damaged.waitForFinished(-1));
    QCOMPARE(damaged.exitCode(), 1);
    QVERIFY(damaged.readAllStandardOutput().isEmpty());
    const QString err = QString::fromUtf8(damaged.readAllStandardError());
    QCOMPARE(err, QStringLiteral("sorvel-cli: matrix: %1: refused as a data file: line 5 is not enciphered: "
                                 "character 1 is not one the cipher writes\n")
                      .arg(data));
}

void TestCliReadings::help()
{
    const CliRun run = runCli({"--help"});
    QCOMPARE(run.exitCode, 0);
    for (const char *text : {"matrix --full", "compat --full", "--partner-full", "--partner-short", "--partner-birth",
                             "pet --name", "celebrities --full", "analyze --name", "--texts FILE", "--out FILE"})
        QVERIFY2(run.out.contains(text), text);
}

QTEST_GUILESS_MAIN(TestCliReadings)
#include "test_cli_readings.moc"
