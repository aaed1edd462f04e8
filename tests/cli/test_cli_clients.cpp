// sorvel-cli clients: each action on a book in a temporary folder, with its
// output, its exit status and its messages for files that are no book; and
// chart, compat, pdf and batch taking their persons from the book.

#include "clirunner.h"

#include <QJsonArray>
#include <QStandardPaths>
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
    void personFromBook_data();
    void personFromBook();
    void pdfOfClient();
    void batchOfBook_data();
    void batchOfBook();

private:
    // Adds Ann Bee (id 3) with her partner Tom Bee.
    void addCouple()
    {
        QCOMPARE(clients({"add", "--full", "Ann Bee", "--birth", "1975-07-04", "--partner-full", "Tom Bee",
                          "--partner-birth", "1972-11-22"})
                     .out,
                 QByteArray("3\n"));
    }
    // The arguments with "BOOK" the book and names with a dot in the folder.
    QStringList inFolder(QStringList args) const
    {
        for (QString &arg : args) {
            if (arg == QLatin1String("BOOK"))
                arg = path(QStringLiteral("book.sqlite"));
            else if (arg.contains(QLatin1Char('.')) && !arg.startsWith(QLatin1Char('-')))
                arg = path(arg);
        }
        return args;
    }
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

// A person named by --client is the client as kept: the same output as the
// person typed as options. Wrong ids, books and mixtures are refused with
// the book's file named, and nothing is made.
void TestCliClients::personFromBook_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exit");
    QTest::addColumn<QString>("err");        // a part of standard error
    QTest::addColumn<QStringList>("sameAs"); // a command printing the same; empty: none

    const QStringList forecast{"--forecast", "2026-01-01"};
    QTest::newRow("chart") << QStringList{"chart", "--client", "1", "--db", "BOOK"} + forecast << 0 << ""
                           << QStringList{"chart", "--full", "John Smith", "--birth", "1990-05-17"} + forecast;
    QTest::newRow("chart keeps the short name")
        << QStringList{"chart", "--client=2", "--db", "BOOK"} + forecast << 0 << ""
        << QStringList{"chart", "--full", "Mary Lee", "--short", "Mimi", "--birth", "1983-03-12"} + forecast;
    QTest::newRow("compat takes the partner")
        << QStringList{"compat", "--client", "3", "--db", "BOOK"} + forecast << 0 << ""
        << QStringList{"compat", "--full", "Ann Bee", "--birth", "1975-07-04", "--partner-full", "Tom Bee",
                       "--partner-birth", "1972-11-22"} + forecast;
    QTest::newRow("unknown id") << QStringList{"chart", "--client", "9", "--db", "BOOK"} << 1
                                << "chart: --client 9: no client 9 in " << QStringList();
    QTest::newRow("pdf of an unknown id")
        << QStringList{"pdf", "--client", "9", "--db", "BOOK", "--out", "x.pdf"} << 1
        << "pdf: --client 9: no client 9 in " << QStringList();
    QTest::newRow("not a number") << QStringList{"chart", "--client", "two", "--db", "BOOK"} << 2
                                  << "expected a client id" << QStringList();
    QTest::newRow("book missing") << QStringList{"chart", "--client", "1", "--db", "none.sqlite"} << 1
                                  << "none.sqlite: there is no client book here" << QStringList();
    QTest::newRow("not a book") << QStringList{"chart", "--client", "1", "--db", "list.csv"} << 1
                                << "list.csv: this file is not a client book" << QStringList();
    QTest::newRow("a name besides") << QStringList{"chart", "--client", "1", "--db", "BOOK", "--full", "Ann"} << 2
                                    << "--client replaces --full" << QStringList();
    QTest::newRow("a file besides") << QStringList{"chart", "--client", "1", "--db", "BOOK", "--person", "p.num"}
                                    << 2 << "give one" << QStringList();
    QTest::newRow("a book without client")
        << QStringList{"chart", "--db", "BOOK", "--full", "Ann", "--birth", "2000-01-01"} << 2
        << "--client is missing" << QStringList();
    QTest::newRow("no partner to compare") << QStringList{"compat", "--client", "1", "--db", "BOOK"} << 2
                                           << "the client has no partner" << QStringList();
}

void TestCliClients::personFromBook()
{
    QFETCH(QStringList, args);
    QFETCH(QString, err);
    QFETCH(QStringList, sameAs);
    addCouple();
    const CliRun run = runCli(inFolder(args));
    QTEST(run.exitCode, "exit");
    QVERIFY2(QString::fromUtf8(run.err).contains(err), run.err.constData());
    if (!sameAs.isEmpty()) {
        const CliRun typed = runCli(sameAs);
        QCOMPARE(typed.exitCode, 0);
        QVERIFY(!run.out.isEmpty());
        QCOMPARE(run.out, typed.out);
    }
    // A failed run makes nothing: no PDF, no new book.
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("x.pdf"))));
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("none.sqlite"))));
}

// The PDF of a client holds the client's partner from the book.
void TestCliClients::pdfOfClient()
{
    QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(),
             "pdftotext not found: install poppler-utils (scripts/setup-debian.sh)");
    addCouple();
    const QString pdf = path(QStringLiteral("ann.pdf"));
    const CliRun run = runCli({"pdf", "--client", "3", "--db", path(QStringLiteral("book.sqlite")), "--reports",
                               "numerology,compat", "--out", pdf});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QProcess text;
    text.start(QStandardPaths::findExecutable("pdftotext"), {pdf, "-"});
    QVERIFY(text.waitForFinished(-1));
    const QString words = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    QVERIFY2(words.contains(QStringLiteral("Numerology Compatibility Report")), qPrintable(words.left(400)));
    QVERIFY2(words.contains(QStringLiteral("TOM BEE"), Qt::CaseInsensitive), qPrintable(words.left(400)));
}

// batch --clients: a file for each client the search finds, named as for a
// list; a search that finds nobody writes nothing.
void TestCliClients::batchOfBook_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exit");
    QTest::addColumn<QString>("err");
    QTest::addColumn<QStringList>("files"); // in the out folder, sorted

    const QStringList book{"--db", "BOOK", "--out", "out.d"};
    QTest::newRow("all") << QStringList{"batch", "--clients"} + book << 0 << ""
                         << QStringList{"Ann_Bee.json", "John_Smith.json", "Mary_Lee.json"};
    QTest::newRow("by name") << QStringList{"batch", "--clients", "--find", "mimi"} + book << 0 << ""
                             << QStringList{"Mary_Lee.json"};
    QTest::newRow("by Life Path") << QStringList{"batch", "--clients", "--find", "lp:5"} + book << 0 << ""
                                  << QStringList{"John_Smith.json"};
    QTest::newRow("as html") << QStringList{"batch", "--clients", "--find", "1983", "--format", "html"} + book << 0
                             << "" << QStringList{"Mary_Lee.html"};
    QTest::newRow("finds nobody") << QStringList{"batch", "--clients", "--find", "zed"} + book << 1
                                  << "no client matches --find; nothing was written" << QStringList();
    QTest::newRow("bad search") << QStringList{"batch", "--clients", "--find", "lp:10"} + book << 2 << "lp:10"
                                << QStringList();
    QTest::newRow("no book") << QStringList{"batch", "--clients", "--db", "none.sqlite", "--out", "out.d"} << 1
                             << "there is no client book here" << QStringList();
    QTest::newRow("list and book") << QStringList{"batch", "--clients", "list.csv"} + book << 2
                                   << "in place of the list" << QStringList();
    QTest::newRow("search without book") << QStringList{"batch", "list.csv", "--find", "x", "--out", "out.d"} << 2
                                         << "--find chooses from the book of --clients" << QStringList();
}

void TestCliClients::batchOfBook()
{
    QFETCH(QStringList, args);
    QFETCH(QString, err);
    QFETCH(QStringList, files);
    addCouple();
    const CliRun run = runCli(inFolder(args));
    QTEST(run.exitCode, "exit");
    QVERIFY2(QString::fromUtf8(run.err).contains(err), run.err.constData());
    QCOMPARE(QDir(path(QStringLiteral("out.d"))).entryList(QDir::Files, QDir::Name), files);
    // Each client's file is the client's chart, as chart --client prints it.
    if (files.contains(QStringLiteral("Mary_Lee.json"))) {
        QFile mary(path(QStringLiteral("out.d/Mary_Lee.json")));
        QVERIFY(mary.open(QIODevice::ReadOnly));
        QCOMPARE(mary.readAll(), runCli({"chart", "--client", "2", "--db", path(QStringLiteral("book.sqlite"))}).out);
    }
}

QTEST_GUILESS_MAIN(TestCliClients)
#include "test_cli_clients.moc"
