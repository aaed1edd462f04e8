// sorvel-cli clients: each action on a book in a temporary folder, with its
// output, its exit status and its messages for files that are no book.

#include "clirunner.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

class TestCliClients : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void actions_data();
    void actions();
    void listJson();
    void unusableBooks_data();
    void unusableBooks();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    CliRun clients(QStringList args)
    {
        args.prepend(QStringLiteral("clients"));
        args << QStringLiteral("--db") << path(QStringLiteral("book.sqlite"));
        return runCli(args);
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

// Every row starts from a book holding John Smith (id 1, 1990-05-17) and
// Mary Lee (id 2, 1983-03-12), and a client list "list.csv" with one new
// client, one already in the book and one bad date.
void TestCliClients::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QCOMPARE(clients({"add", "--full", "John Smith", "--birth", "1990-05-17"}).out, QByteArray("1\n"));
    QCOMPARE(clients({"add", "--full", "Mary Lee", "--short", "Mimi", "--birth", "1983-03-12", "--gender", "female"})
                 .out,
             QByteArray("2\n"));
    QFile list(path(QStringLiteral("list.csv")));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("full name,birth date\nAnna Jones,2000-01-01\nJOHN SMITH,1990-05-17\nBad Date,1990-13-01\n");
}

void TestCliClients::actions_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exit");
    QTest::addColumn<QString>("out");  // a part of standard output
    QTest::addColumn<QString>("err");  // a part of standard error
    QTest::addColumn<QStringList>("then"); // then `clients list`: these names, in name order

    const QStringList both{"John Smith", "Mary Lee"};
    QTest::newRow("add prints the id") << QStringList{"add", "--full", "Anna Jones", "--birth", "2000-01-01"} << 0
                                       << "3\n" << "" << QStringList{"Anna Jones", "John Smith", "Mary Lee"};
    QTest::newRow("add a duplicate") << QStringList{"add", "--full", "john  SMITH", "--birth", "1990-05-17"} << 1 << ""
                                     << "already in the book as client 1" << both;
    QTest::newRow("add without birth") << QStringList{"add", "--full", "Ann"} << 2 << "" << "--birth" << both;
    QTest::newRow("import with bad line") << QStringList{"import", "list.csv"} << 1
                                          << "added 1, skipped 1 already in the book, 1 unusable"
                                          << "list.csv:4: Bad Date: unusable"
                                          << QStringList{"Anna Jones", "John Smith", "Mary Lee"};
    QTest::newRow("import a missing file") << QStringList{"import", "missing.num"} << 1 << "added 0" << "missing.num"
                                           << both;
    QTest::newRow("list finds") << QStringList{"list", "--find", "mimi"} << 0 << "2\tMary Lee\t1983-03-12\tLP 9\tEX 7"
                                << "" << both;
    QTest::newRow("list by numbers") << QStringList{"list", "--life-path", "5", "--expression", "8"} << 0
                                     << "1\tJohn Smith" << "" << both;
    QTest::newRow("list refuses a bad word") << QStringList{"list", "--find", "lp:10"} << 2 << "" << "lp:10" << both;
    QTest::newRow("note") << QStringList{"note", "1", "asked", "about", "work"} << 0 << "" << "" << both;
    QTest::newRow("note to nobody") << QStringList{"note", "9", "x"} << 1 << "" << "no client 9" << both;
    QTest::newRow("show") << QStringList{"show", "2"} << 0 << "2 Mary Lee (Mimi), born 1983-03-12, Life Path 9" << ""
                          << both;
    QTest::newRow("show a bad id") << QStringList{"show", "two"} << 2 << "" << "expected a client id" << both;
    QTest::newRow("remove") << QStringList{"remove", "1"} << 0 << "" << "" << QStringList{"Mary Lee"};
    QTest::newRow("remove twice") << QStringList{"remove", "7"} << 1 << "" << "no client 7" << both;
    QTest::newRow("export") << QStringList{"export", "--out", "out.csv"} << 0 << "" << "" << both;
    QTest::newRow("backup") << QStringList{"backup", "--out", "copy.sqlite"} << 0 << "" << "" << both;
    QTest::newRow("backup over a file") << QStringList{"backup", "--out", "list.csv"} << 1 << ""
                                        << "already exists; a backup never replaces a file" << both;
    QTest::newRow("unknown action") << QStringList{"sort"} << 2 << "" << "unknown action 'sort'" << both;
}

void TestCliClients::actions()
{
    QFETCH(QStringList, args);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(QStringList, then);
    // File arguments are relative to the book's folder.
    for (QString &arg : args) {
        if (arg.contains(QLatin1Char('.')))
            arg = path(arg);
    }
    const CliRun run = clients(args);
    QTEST(run.exitCode, "exit");
    QVERIFY2(QString::fromUtf8(run.out).contains(out), run.out.constData());
    QVERIFY2(QString::fromUtf8(run.err).contains(err), run.err.constData());

    QStringList names;
    for (const QJsonValue &value : QJsonDocument::fromJson(clients({"list", "--json"}).out).array())
        names << value.toObject().value(QStringLiteral("full")).toString();
    QCOMPARE(names, then);
}

void TestCliClients::listJson()
{
    QVERIFY(clients({"note", "2", "first"}).exitCode == 0);
    const QJsonArray array = QJsonDocument::fromJson(clients({"list", "--json", "--find", "lee"}).out).array();
    QCOMPARE(array.size(), 1);
    const QJsonObject mary = array.at(0).toObject();
    QCOMPARE(mary.value(QStringLiteral("id")).toInt(), 2);
    QCOMPARE(mary.value(QStringLiteral("full")).toString(), QStringLiteral("Mary Lee"));
    QCOMPARE(mary.value(QStringLiteral("short")).toString(), QStringLiteral("Mimi"));
    QCOMPARE(mary.value(QStringLiteral("birth")).toString(), QStringLiteral("1983-03-12"));
    QCOMPARE(mary.value(QStringLiteral("lifePath")).toInt(), 9);   // 3 + 3 + 3
    QCOMPARE(mary.value(QStringLiteral("expression")).toInt(), 7); // MARY 21 -> 3, LEE 13 -> 4

    const QJsonObject shown = clients({"show", "2", "--json"}).json();
    QCOMPARE(shown.value(QStringLiteral("notes")).toArray().at(0).toObject().value(QStringLiteral("text")).toString(),
             QStringLiteral("first"));
    QCOMPARE(shown.value(QStringLiteral("gender")).toString(), QStringLiteral("female"));

    // The export reads back as a client list.
    QVERIFY(clients({"export", "--out", path(QStringLiteral("out.csv"))}).exitCode == 0);
    QFile file(path(QStringLiteral("out.csv")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readLine(), QByteArray("full name,short name,birth date,partner full name,partner short name,"
                                         "partner birth date,pet name,pet birth date\n"));
    QCOMPARE(file.readLine(), QByteArray("John Smith,,1990-05-17,,,,,\n"));
    QCOMPARE(file.readLine(), QByteArray("Mary Lee,Mimi,1983-03-12,,,,,\n"));
}

void TestCliClients::unusableBooks_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QTest::newRow("text") << QByteArray("full name,birth date\n").repeated(30) << "not a client book";
    QTest::newRow("folder") << QByteArray() << "not a regular file";
}

void TestCliClients::unusableBooks()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    const QString book = path(QStringLiteral("other"));
    if (content.isEmpty()) {
        QVERIFY(QDir().mkdir(book));
    } else {
        QFile file(book);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const CliRun run = runCli({"clients", "add", "--db", book, "--full", "Ann Bee", "--birth", "2001-01-01"});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith("sorvel-cli: clients: " + book.toUtf8() + ": "), run.err.constData());
    QVERIFY2(QString::fromUtf8(run.err).contains(reason), run.err.constData());
    if (!content.isEmpty()) {
        QFile file(book);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }
}

QTEST_GUILESS_MAIN(TestCliClients)
#include "test_cli_clients.moc"
