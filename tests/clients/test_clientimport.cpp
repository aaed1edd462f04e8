// Import of person files, the recent list and CSV client lists into the
// client book, with bad lines and duplicates; export and the way back.

#include "clients/clientimport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

PersonInput person(const QString &full, const QDate &birth)
{
    PersonInput p;
    p.fullName = full;
    p.birthDate = birth;
    return p;
}

QStringList names(ClientBook &book)
{
    QStringList list;
    for (const ClientSummary &row : book.find(ClientFilter()))
        list << row.fullName;
    return list;
}

} // namespace

class TestClientImport : public QObject
{
    Q_OBJECT
private slots:
    void importBytes_data();
    void importBytes();
    void savedPersonKeepsTheInput();
    void filesByName();
    void exportAndBack();
    void exportPersonFiles();
};

void TestClientImport::importBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("added");
    QTest::addColumn<int>("duplicates");
    QTest::addColumn<int>("unusable");
    QTest::addColumn<QList<int>>("problemLines"); // in the order reported
    QTest::addColumn<QStringList>("book");        // names in the book after, sorted

    // The book starts with "John Smith", 1990-05-17.
    const QStringList john{"John Smith"};

    // A saved person, 15 fields: gender "1" is male.
    QTest::newRow("num 15 fields") << QByteArray("12.03.1983,Mary Lee,Mimi,1,01.01.2000,,,01.01.2000,,21.06.2024,,,,,0")
                                   << int(ImportKind::SavedPerson) << 1 << 0 << 0 << QList<int>()
                                   << QStringList{"John Smith", "Mary Lee"};
    // The older format, 10 fields, no marks and no Chaldean flag.
    QTest::newRow("num 10 fields") << QByteArray("01.01.2000,Anna Jones,Anna,0,01.01.2000,,,01.01.2000,,21.06.2024")
                                   << int(ImportKind::SavedPerson) << 1 << 0 << 0 << QList<int>()
                                   << QStringList{"Anna Jones", "John Smith"};
    QTest::newRow("num already in the book")
        << QByteArray("17.05.1990,john  smith,,0,01.01.2000,,,01.01.2000,,21.06.2024,,,,,0")
        << int(ImportKind::SavedPerson) << 0 << 1 << 0 << QList<int>{1} << john;
    QTest::newRow("num not a person file") << QByteArray("hello,world") << int(ImportKind::SavedPerson) << 0 << 0 << 1
                                           << QList<int>{0} << john;
    QTest::newRow("num without birth date")
        << QByteArray("xx.yy.zzzz,Ann Bee,,0,01.01.2000,,,01.01.2000,,21.06.2024,,,,,0") << int(ImportKind::SavedPerson)
        << 0 << 0 << 1 << QList<int>{1} << john;
    // The recent list: every entry, names cleaned; a line of another shape
    // is passed over by the reader; the newest entry repeats John.
    QTest::newRow("recent list")
        << QByteArray("17.05.1990,JOHN SMITH,JOHN SMITH,1,01.01.2000,,,01.01.2000,,21.06.2024,,,,,0\n"
                      "12.03.1983,MARY LEE,MARY LEE,1,01.01.2000,,,01.01.2000,,21.06.2024,,,,,0\n"
                      "a line of another shape\n"
                      "01.01.2000,ANNA JONES,ANNA JONES,0,01.01.2000,,,01.01.2000,,21.06.2024,,,,,1")
        << int(ImportKind::RecentList) << 2 << 1 << 0 << QList<int>{1}
        << QStringList{"ANNA JONES", "John Smith", "MARY LEE"};
    // A CSV client list with bad lines: each is reported with its line and
    // the list goes on; a client twice in the file is added once.
    QTest::newRow("csv with bad lines") << QByteArray("full name,short name,birth date\n"
                                                      "Mary Lee,Mimi,1983-03-12\n"
                                                      "Ann Bee,,1983-02-30\n"
                                                      ",,2000-01-01\n"
                                                      "\n"
                                                      "\"Jones, Anna\",,2000-01-01\n"
                                                      "John Smith,,1990-05-17\n"
                                                      "Mary  Lee,,1983-03-12\n"
                                                      "\"unclosed,,1999-01-01\n")
                                        << int(ImportKind::Csv) << 2 << 2 << 3 << QList<int>{3, 4, 9, 7, 8}
                                        << QStringList{"John Smith", "Jones, Anna", "Mary Lee"};
    QTest::newRow("csv without required column") << QByteArray("name,birth date\nJohn,1990-01-01\n") << int(ImportKind::Csv)
                                                 << 0 << 0 << 1 << QList<int>{1} << john;
    QTest::newRow("csv empty") << QByteArray() << int(ImportKind::Csv) << 0 << 0 << 1 << QList<int>{1} << john;
}

void TestClientImport::importBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, kind);
    ClientBook book;
    QVERIFY(book.open(QStringLiteral(":memory:")));
    QCOMPARE(book.addClient(person(QStringLiteral("John Smith"), QDate(1990, 5, 17)), nullptr),
             ClientBook::AddResult::Added);
    ClientImporter importer(book);
    ImportReport report;
    importer.importBytes(bytes, QStringLiteral("given.file"), ImportKind(kind), report);
    QTEST(report.added, "added");
    QTEST(report.duplicates, "duplicates");
    QTEST(report.unusable, "unusable");
    QList<int> lines;
    for (const ImportProblem &problem : report.problems) {
        lines << problem.line;
        QCOMPARE(problem.file, QStringLiteral("given.file"));
        QVERIFY(!problem.reason.isEmpty());
    }
    QTEST(lines, "problemLines");
    QStringList found = names(book);
    found.sort();
    QTEST(found, "book");
    QVERIFY(report.bookError.isEmpty());
}

void TestClientImport::savedPersonKeepsTheInput()
{
    // Partner, pet and the Chaldean flag come along; the pet's and the
    // partner's untouched dates (2000-01-01 with no name) do not.
    ClientBook book;
    QVERIFY(book.open(QStringLiteral(":memory:")));
    ClientImporter importer(book);
    ImportReport report;
    importer.importBytes("12.03.1983,Mary Lee,Mimi,0,01.02.1980,Sam Oak,Sam,03.03.2015,Rex,21.06.2024,,,,,1\n"
                         "17.05.1990,Second Line,,0,01.01.2000,,,01.01.2000,,21.06.2024,,,,,0",
                         QStringLiteral("mary.num"), ImportKind::SavedPerson, report);
    QCOMPARE(report.added, 1); // a saved person file holds one person
    ClientRecord record;
    QVERIFY(book.client(book.find(ClientFilter()).value(0).id, record));
    QCOMPARE(record.person.female, true);
    QCOMPARE(record.person.partnerFullName, QStringLiteral("Sam Oak"));
    QCOMPARE(record.person.partnerBirthDate, QDate(1980, 2, 1));
    QCOMPARE(record.person.petName, QStringLiteral("Rex"));
    QCOMPARE(record.person.petBirthDate, QDate(2015, 3, 3));
    QCOMPARE(record.person.chaldean, true);

    importer.importBytes("17.05.1990,Alone Person,,0,01.01.2000,,,01.01.2000,,21.06.2024,,,,,0", QStringLiteral("a.num"),
                         ImportKind::SavedPerson, report);
    QVERIFY(book.client(book.find(parseClientSearch(QStringLiteral("alone"))).value(0).id, record));
    QVERIFY(!record.person.partnerBirthDate.isValid());
    QVERIFY(!record.person.petBirthDate.isValid());
}

void TestClientImport::filesByName()
{
    QTemporaryDir dir;
    const auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    };
    ClientBook book;
    QVERIFY(book.open(QStringLiteral(":memory:")));
    ClientImporter importer(book);
    ImportReport report;
    // Two lines: a recent list, whose gender digit "1" is female.
    importer.importFile(write(QStringLiteral("list.num"),
                              "17.05.1990,ANN BEE,ANN BEE,1,01.01.2000,,,01.01.2000,,21.06.2024,,,,,0\n"
                              "12.03.1983,BO LEE,BO LEE,0,01.01.2000,,,01.01.2000,,21.06.2024,,,,,0"),
                        report);
    importer.importFile(write(QStringLiteral("clients.CSV"), "full name,birth date\nCy Dee,2001-01-01\n"), report);
    importer.importFile(dir.filePath(QStringLiteral("missing.num")), report);
    QCOMPARE(report.added, 3);
    QCOMPARE(report.unusable, 1);
    QCOMPARE(report.problems.value(0).file, dir.filePath(QStringLiteral("missing.num")));
    ClientRecord record;
    QVERIFY(book.client(book.find(parseClientSearch(QStringLiteral("ann"))).value(0).id, record));
    QCOMPARE(record.person.female, true);
    QVERIFY(book.client(book.find(parseClientSearch(QStringLiteral("bo"))).value(0).id, record));
    QCOMPARE(record.person.female, false);
}

void TestClientImport::exportAndBack()
{
    QTemporaryDir dir;
    ClientBook book;
    QVERIFY(book.open(QStringLiteral(":memory:")));
    PersonInput full = person(QStringLiteral("Smith, \"Jo\" Ann"), QDate(1990, 5, 17));
    full.shortName = QStringLiteral("Jo");
    full.partnerFullName = QStringLiteral("Sam Oak");
    full.partnerShortName = QStringLiteral("Sam");
    full.partnerBirthDate = QDate(1980, 2, 1);
    full.petName = QStringLiteral("Rex");
    full.petBirthDate = QDate(2015, 3, 3);
    qint64 first = 0;
    QCOMPARE(book.addClient(full, &first), ClientBook::AddResult::Added);
    QCOMPARE(book.addClient(person(QStringLiteral("Mary Lee"), QDate(1983, 3, 12)), nullptr), ClientBook::AddResult::Added);

    const QString all = dir.filePath(QStringLiteral("all.csv"));
    const QString one = dir.filePath(QStringLiteral("one.csv"));
    QString error;
    QVERIFY2(exportCsv(book, all, {}, &error), qPrintable(error));
    QVERIFY(exportCsv(book, one, {first}, &error));
    QVERIFY(!exportCsv(book, dir.filePath(QStringLiteral("no/such/folder.csv")), {}, &error));
    QVERIFY(!error.isEmpty());

    ClientBook again;
    QVERIFY(again.open(QStringLiteral(":memory:")));
    ClientImporter importer(again);
    ImportReport report;
    importer.importFile(one, report);
    QCOMPARE(report.added, 1);
    importer.importFile(all, report);
    QCOMPARE(report.added, 2);
    QCOMPARE(report.duplicates, 1);
    ClientRecord record;
    QVERIFY(again.client(again.find(parseClientSearch(QStringLiteral("smith"))).value(0).id, record));
    QCOMPARE(record.person.fullName, full.fullName);
    QCOMPARE(record.person.shortName, full.shortName);
    QCOMPARE(record.person.partnerFullName, full.partnerFullName);
    QCOMPARE(record.person.partnerBirthDate, full.partnerBirthDate);
    QCOMPARE(record.person.petName, full.petName);
    QCOMPARE(record.person.petBirthDate, full.petBirthDate);
}

void TestClientImport::exportPersonFiles()
{
    QTemporaryDir dir;
    ClientBook book;
    QVERIFY(book.open(QStringLiteral(":memory:")));
    QCOMPARE(book.addClient(person(QStringLiteral("John Smith"), QDate(1990, 5, 17)), nullptr), ClientBook::AddResult::Added);
    QCOMPARE(book.addClient(person(QStringLiteral("JOHN SMITH"), QDate(1991, 5, 17)), nullptr), ClientBook::AddResult::Added);
    QStringList written;
    QString error;
    QVERIFY2(::exportPersonFiles(book, dir.path(), {}, &written, &error), qPrintable(error));
    QCOMPARE(written, (QStringList{dir.filePath(QStringLiteral("John_Smith.num")),
                                   dir.filePath(QStringLiteral("JOHN_SMITH-2.num"))}));
    ClientBook again;
    QVERIFY(again.open(QStringLiteral(":memory:")));
    ClientImporter importer(again);
    ImportReport report;
    for (const QString &path : written)
        importer.importFile(path, report);
    QCOMPARE(report.added, 2);
    QCOMPARE(report.unusable, 0);
}

QTEST_GUILESS_MAIN(TestClientImport)
#include "test_clientimport.moc"
