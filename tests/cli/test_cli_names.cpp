// sorvel-cli names: find, variants and rank with their JSON, the shipped
// given-name list, the user's list files and the usage errors.
// Numbers worked out by hand are in tests/names/test_namefinder.cpp.

#include "clirunner.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QJsonArray jsonArray(const CliRun &run)
{
    return QJsonDocument::fromJson(run.out).array();
}

QStringList namesOf(const QJsonArray &array)
{
    QStringList names;
    for (const QJsonValue &v : array)
        names.append(v.toObject().value(QStringLiteral("name")).toString());
    return names;
}

} // namespace

class TestCliNames : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void findOnAListOfOurOwn();
    void findOnTheShippedList_data();
    void findOnTheShippedList();
    void variants();
    void rank();
    void tableOutput();
    void failures_data();
    void failures();

private:
    QString write(const char *name, const QByteArray &bytes);
    QTemporaryDir m_dir;
};

QString TestCliNames::write(const char *name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(QLatin1String(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

void TestCliNames::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/givennames.txt")));
}

void TestCliNames::findOnAListOfOurOwn()
{
    // ANNA SMITH and MARY SMITH are the list's only Expression 9.
    const QString list = write("small.csv", "Anna,f,4\nJohn,m,2\nMary,f,7\nDavid,m,1\nEmma,f,3\n");
    const CliRun run = runCli({"names", "find", "--surname", "Smith", "--expression", "9", "--list", list, "--json"});
    QCOMPARE(run.exitCode, 0);
    const QJsonArray found = jsonArray(run);
    QCOMPARE(namesOf(found), (QStringList{"ANNA SMITH", "MARY SMITH"}));
    const QJsonObject anna = found.at(0).toObject();
    QCOMPARE(anna.value("expression").toInt(), 9);
    QCOMPARE(anna.value("heartsDesire").toInt(), 11);
    QCOMPARE(anna.value("personality").toInt(), 7);
    QCOMPARE(anna.value("expressionLine").toString(), QStringLiteral("=3/12+6/24=9"));
    QCOMPARE(anna.value("rank").toInt(), 4);
    QCOMPARE(anna.value("edits").toInt(), 0);
    QVERIFY(!anna.contains("lifePath")); // no birth date

    // A birth date brings the Life Path and the bridge: 17 May 1990 is 5.
    const CliRun born = runCli({"names", "find", "--surname", "Smith", "--birth", "1990-05-17", "--bridge-max", "3",
                                "--list", list, "--json"});
    QCOMPARE(born.exitCode, 0);
    QCOMPARE(namesOf(jsonArray(born)), (QStringList{"JOHN SMITH", "EMMA SMITH"}));
    QCOMPARE(jsonArray(born).at(0).toObject().value("lifePath").toInt(), 5);
}

void TestCliNames::findOnTheShippedList_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("expression 8, no debt") << QStringList{"--expression", "8", "--no-karmic-debt"};
    QTest::newRow("masters, female") << QStringList{"--expression", "11,22", "--gender", "female"};
    QTest::newRow("chaldean, hearts desire 3") << QStringList{"--chaldean", "--hearts-desire", "3"};
    QTest::newRow("letters and length")
        << QStringList{"--include", "l", "--avoid", "ae", "--min-length", "4", "--max-length", "5"};
}

void TestCliNames::findOnTheShippedList()
{
    QFETCH(QStringList, options);
    const CliRun run = runCli(QStringList{"names", "find", "--surname", "Garcia", "--json"} + options);
    QCOMPARE(run.exitCode, 0);
    const QJsonArray found = jsonArray(run);
    QVERIFY(found.size() > 10);
    int lastRank = 0;
    for (const QJsonValue &v : found) {
        const QJsonObject o = v.toObject();
        const QString name = o.value("name").toString();
        QVERIFY(name.endsWith(QLatin1String(" GARCIA")));
        const QString first = name.section(QLatin1Char(' '), 0, 0);
        QVERIFY(o.value("rank").toInt() > lastRank); // most given first
        lastRank = o.value("rank").toInt();
        if (options.contains("--no-karmic-debt"))
            QVERIFY(!o.value("karmicDebt").toBool());
        if (options.contains("--expression")) {
            const int ex = o.value("expression").toInt();
            QVERIFY(options.contains("8") ? ex == 8 : (ex == 11 || ex == 22));
        }
        if (options.contains("female"))
            QVERIFY(o.value("gender").toString() != QLatin1String("m"));
        if (options.contains("--hearts-desire"))
            QCOMPARE(o.value("heartsDesire").toInt(), 3);
        if (options.contains("--include")) {
            QVERIFY(first.contains('L') && !first.contains('A') && !first.contains('E'));
            QVERIFY(first.size() >= 4 && first.size() <= 5);
        }
    }
    // --limit keeps the best.
    const CliRun limited = runCli(QStringList{"names", "find", "--surname", "Garcia", "--json", "--limit", "3"} + options);
    QCOMPARE(namesOf(jsonArray(limited)), namesOf(found).mid(0, 3));
}

void TestCliNames::variants()
{
    const CliRun run = runCli({"names", "variants", "--full", "Jo Smith", "--json"});
    QCOMPARE(run.exitCode, 0);
    const QJsonArray all = jsonArray(run);
    QCOMPARE(all.at(0).toObject().value("name").toString(), QStringLiteral("JO SMITH"));
    QCOMPARE(all.at(0).toObject().value("edits").toInt(), 0);
    QStringList names = namesOf(all);
    QVERIFY(names.contains("JOH SMITH") && names.contains("JOHH SMITH") && names.contains("JO Q SMITH"));
    for (const QJsonValue &v : all)
        QVERIFY(v.toObject().value("edits").toInt() <= 2);

    // Constraints hold for every variant; --vary chooses the word.
    const CliRun eight = runCli({"names", "variants", "--full", "Jo Smith", "--vary", "2", "--expression", "8", "--json"});
    QCOMPARE(eight.exitCode, 0);
    QVERIFY(!jsonArray(eight).isEmpty());
    for (const QJsonValue &v : jsonArray(eight)) {
        QCOMPARE(v.toObject().value("expression").toInt(), 8);
        QVERIFY(v.toObject().value("name").toString().startsWith(QLatin1String("JO ")));
    }
}

void TestCliNames::rank()
{
    // ORBIT 28 -> 1, ZEN 9, SOL 1, ACME 4, NOVA 7 (see test_namefinder.cpp).
    const QString csv = write("firms.csv", "id,Firm,city\n1,Acme,Oslo\n2,Orbit,Rome\n3,Nova,Bern\n4,Zen,Nice\n5,Sol,Pisa\n");
    const CliRun byTitle = runCli({"names", "rank", csv, "--column", "firm", "--expression", "1,9", "--json"});
    QCOMPARE(byTitle.exitCode, 0);
    QCOMPARE(namesOf(jsonArray(byTitle)), (QStringList{"ORBIT", "ZEN", "SOL"}));
    QCOMPARE(jsonArray(byTitle).at(1).toObject().value("line").toInt(), 5);

    const CliRun all = runCli({"names", "rank", csv, "--column", "2", "--expression", "1,9", "--all", "--json"});
    QCOMPARE(all.exitCode, 0);
    // The title line is a name too when the column is given by number
    // (FIRM: 6+9+9+4 = 28 -> 1); those that miss follow in the file's order.
    QCOMPARE(namesOf(jsonArray(all)), (QStringList{"FIRM", "ORBIT", "ZEN", "SOL", "ACME", "NOVA"}));
    QCOMPARE(jsonArray(all).at(4).toObject().value("meets").toBool(), false);

    const QString plain = write("plain.txt", "Blue Sky\n\n12345\nZen\n");
    const CliRun lines = runCli({"names", "rank", plain, "--json"});
    QCOMPARE(lines.exitCode, 0);
    QCOMPARE(namesOf(jsonArray(lines)), (QStringList{"BLUE SKY", "ZEN"}));
    QVERIFY(lines.err.contains("line 3 gives no name"));
}

void TestCliNames::tableOutput()
{
    const QString list = write("one.csv", "John,m,1\n");
    const CliRun run = runCli({"names", "find", "--surname", "Smith", "--list", list});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray("JOHN SMITH  Expression 8 (=2/20+6/24=8)  Heart's Desire 6 (=6+9=15=6)"
                                 "  Personality 11 (=5/14+6/15=11)\n"));
}

void TestCliNames::failures_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("no mode") << QStringList{"names"} << 2 << QByteArray("expected find, variants, rank");
    QTest::newRow("unknown mode") << QStringList{"names", "guess"} << 2 << QByteArray("unknown mode 'guess'");
    QTest::newRow("find without surname") << QStringList{"names", "find"} << 2 << QByteArray("missing --surname");
    QTest::newRow("bridge without birth") << QStringList{"names", "find", "--surname", "X", "--bridge-max", "2"} << 2
                                          << QByteArray("--bridge-max needs --birth");
    QTest::newRow("bad number list") << QStringList{"names", "find", "--surname", "X", "--expression", "8,x"} << 2
                                     << QByteArray("--expression: expected numbers");
    QTest::newRow("bad gender") << QStringList{"names", "find", "--surname", "X", "--gender", "girl"} << 2
                                << QByteArray("--gender: expected female, male or any");
    QTest::newRow("letters") << QStringList{"names", "find", "--surname", "X", "--avoid", "a1"} << 2
                             << QByteArray("--avoid: expected letters");
    QTest::newRow("no such word") << QStringList{"names", "variants", "--full", "Ann Lee", "--vary", "3"} << 2
                                  << QByteArray("the name has no word 3");
    QTest::newRow("rank without file") << QStringList{"names", "rank"} << 2 << QByteArray("missing FILE");
    QTest::newRow("rank missing file") << QStringList{"names", "rank", "/nonexistent/list.txt"} << 2
                                       << QByteArray("/nonexistent/list.txt");
    QTest::newRow("damaged given-name list")
        << QStringList{"names", "find", "--surname", "X", "--list", "/dev/null/x"} << 1 << QByteArray("/dev/null/x");
}

void TestCliNames::failures()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, message);
    const CliRun run = runCli(args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), run.err.constData());
    QVERIFY(run.out.isEmpty());
}

QTEST_GUILESS_MAIN(TestCliNames)
#include "test_cli_names.moc"
