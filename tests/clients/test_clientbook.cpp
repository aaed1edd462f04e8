// The client book's storage: schema steps from every earlier version,
// clients, notes and consultations, duplicates, files that cannot be used,
// two programs at once, a killed import and backups. Children of this
// program (started with --child-...) play the other program.

#include "clients/clientbook.h"
#include "clients/clientimport.h"
#include "clients/clientschema.h"

#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

PersonInput person(const QString &full, const QDate &birth, const QString &shortName = QString())
{
    PersonInput p;
    p.fullName = full;
    p.shortName = shortName;
    p.birthDate = birth;
    return p;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A client list of count clients named "<prefix> Client <n>".
QByteArray clientCsv(const QString &prefix, int count)
{
    QByteArray text = "full name,birth date\n";
    for (int n = 0; n < count; ++n)
        text += QStringLiteral("%1 Client %2,1980-01-%3\n").arg(prefix).arg(n).arg(n % 28 + 1, 2, 10, QLatin1Char('0')).toUtf8();
    return text;
}

// --- the children ---

// --child-add DB PREFIX COUNT: adds COUNT clients, one transaction each.
int childAdd(const QStringList &args)
{
    ClientBook book;
    if (!book.open(args.value(2), 60000))
        return 10;
    for (int n = 0; n < args.value(4).toInt(); ++n) {
        if (book.addClient(person(args.value(3) + QStringLiteral(" Client %1").arg(n), QDate(1980, 1, 1)), nullptr)
            != ClientBook::AddResult::Added)
            return 11;
    }
    return 0;
}

// --child-import DB CSV: imports the list and, after the 300th client,
// says "mid" and waits to be killed, its transaction still open.
int childImport(const QStringList &args)
{
    ClientBook book;
    if (!book.open(args.value(2), 60000))
        return 10;
    ClientImporter importer(book);
    importer.setProgress([](int added) {
        if (added == 300) {
            fputs("mid\n", stdout);
            fflush(stdout);
            for (;;)
                pause();
        }
    });
    ImportReport report;
    importer.importFile(args.value(3), report);
    return 12; // never reached: the parent kills us first
}

} // namespace

class TestClientBook : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void migratesFromEveryVersion_data();
    void migratesFromEveryVersion();
    void refusesNewerBook();

    void addFindRemove();
    void keepsTheWholeInput();
    void refusesAndDuplicates_data();
    void refusesAndDuplicates();
    void notesAndConsultations();
    void cachedNumbersFollowOptions();

    void unusableFiles_data();
    void unusableFiles();
    void lockedBook();
    void readOnlyFolder();

    void twoProgramsAddAtOnce();
    void killedImportLeavesBookConsistent();
    void backupAndRestore();

private:
    QString bookPath() const { return m_dir->filePath(QStringLiteral("clients.sqlite")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestClientBook::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

// --- schema -----------------------------------------------------------------

void TestClientBook::migratesFromEveryVersion_data()
{
    QTest::addColumn<int>("from");
    for (int version = 0; version < latestSchemaVersion(); ++version)
        QTest::addRow("from %d", version) << version;
}

void TestClientBook::migratesFromEveryVersion()
{
    QFETCH(int, from);
    // A book as a program of that version left it: its steps, its rows.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
        db.setDatabaseName(bookPath());
        QVERIFY(db.open());
        QSqlQuery query(db);
        for (int step = 0; step < from; ++step) {
            for (const QString &sql : schemaStatements(schemaSteps().at(step)))
                QVERIFY2(query.exec(sql), qPrintable(query.lastError().text()));
        }
        QVERIFY(query.exec(QStringLiteral("PRAGMA user_version = %1").arg(from)));
        if (from >= 1) {
            QVERIFY(query.exec(QStringLiteral("INSERT INTO clients (full_name, short_name, birth_date, created, changed)"
                                              " VALUES ('John Smith', '', '1990-05-17', '2025-01-01T00:00:00Z',"
                                              " '2025-01-01T00:00:00Z')")));
        }
        if (from >= 2)
            QVERIFY(query.exec(QStringLiteral("INSERT INTO notes (client_id, written, body) VALUES (1, "
                                              "'2025-01-02T00:00:00Z', 'first visit')")));
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("old"));

    ClientBook book;
    QVERIFY2(book.open(bookPath()), qPrintable(book.error().message));
    QCOMPARE(book.schemaVersion(), latestSchemaVersion());
    QCOMPARE(book.integrityCheck(), QStringLiteral("ok"));
    // The copy taken before the steps is the book as it was.
    if (from > 0) {
        QVERIFY(QFile::exists(book.migrationBackup()));
        ClientBook before;
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("copy"));
        db.setDatabaseName(book.migrationBackup());
        QVERIFY(db.open());
        QSqlQuery version(QStringLiteral("PRAGMA user_version"), db);
        QVERIFY(version.next());
        QCOMPARE(version.value(0).toInt(), from);
        version.finish();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("copy"));
    } else {
        QVERIFY(book.migrationBackup().isEmpty());
    }
    // The old rows are there and found by the keys the last step added
    // (John Smith, 1990-05-17: Life Path 5, Expression 8).
    const QVector<ClientSummary> found = book.find(parseClientSearch(QStringLiteral("smith lp:5 ex:8")));
    QCOMPARE(found.size(), from >= 1 ? 1 : 0);
    if (from >= 2)
        QCOMPARE(book.notes(found.at(0).id).value(0).text, QStringLiteral("first visit"));
    // And the book works as a new one does.
    qint64 id = 0;
    QCOMPARE(book.addClient(person(QStringLiteral("Mary Lee"), QDate(1983, 3, 12)), &id),
             ClientBook::AddResult::Added);
    QCOMPARE(book.addClient(person(QStringLiteral("JOHN  SMITH"), QDate(1990, 5, 17)), nullptr),
             from >= 1 ? ClientBook::AddResult::Duplicate : ClientBook::AddResult::Added);
}

void TestClientBook::refusesNewerBook()
{
    {
        ClientBook book;
        QVERIFY(book.open(bookPath()));
        QVERIFY(book.addClient(person(QStringLiteral("John Smith"), QDate(1990, 5, 17)), nullptr)
                == ClientBook::AddResult::Added);
        QSqlQuery(QStringLiteral("PRAGMA user_version = 99"), book.database());
    }
    const QByteArray before = fileBytes(bookPath());
    ClientBook book;
    QVERIFY(!book.open(bookPath()));
    QCOMPARE(book.error().kind, BookError::TooNew);
    QVERIFY(book.error().message.startsWith(bookPath()));
    QCOMPARE(fileBytes(bookPath()), before);
}

// --- clients ----------------------------------------------------------------

void TestClientBook::addFindRemove()
{
    ClientBook book;
    QVERIFY(book.open(bookPath()));
    qint64 john = 0, mary = 0;
    QCOMPARE(book.addClient(person(QStringLiteral("John Smith"), QDate(1990, 5, 17)), &john),
             ClientBook::AddResult::Added);
    QCOMPARE(book.addClient(person(QStringLiteral("Mary Lee"), QDate(1983, 3, 12), QStringLiteral("Mimi")), &mary),
             ClientBook::AddResult::Added);
    QVERIFY(john > 0 && mary > john);
    QCOMPARE(book.clientCount(), 2);

    // Sorted by each column, both ways.
    QCOMPARE(book.find(ClientFilter(), ClientColumn::Name).value(0).id, john);
    QCOMPARE(book.find(ClientFilter(), ClientColumn::Name, true).value(0).id, mary);
    QCOMPARE(book.find(ClientFilter(), ClientColumn::BirthDate).value(0).id, mary);
    QCOMPARE(book.find(ClientFilter(), ClientColumn::LifePath).value(0).id, john); // 5 before 9
    QCOMPARE(book.find(ClientFilter(), ClientColumn::Expression).value(0).id, mary); // 7 before 8
    // Pages.
    QCOMPARE(book.find(ClientFilter(), ClientColumn::Name, false, 1, 5).size(), 1);
    QCOMPARE(book.find(ClientFilter(), ClientColumn::Name, false, 0, 1).size(), 1);

    // A change of name is found under the new name only.
    PersonInput changed = person(QStringLiteral("John Adam Smith"), QDate(1990, 5, 17));
    QVERIFY(book.updateClient(john, changed));
    QCOMPARE(book.find(parseClientSearch(QStringLiteral("adam"))).value(0).id, john);

    QVERIFY(book.removeClient(john));
    QVERIFY(!book.removeClient(john));
    ClientRecord record;
    QVERIFY(!book.client(john, record));
    QCOMPARE(book.clientCount(), 1);

    // Reopened, the rest is there.
    book.close();
    QVERIFY(book.open(bookPath()));
    QVERIFY(book.client(mary, record));
    QCOMPARE(record.person.shortName, QStringLiteral("Mimi"));
}

void TestClientBook::keepsTheWholeInput()
{
    PersonInput p;
    p.fullName = QStringLiteral("Zoë Ann O'Neil");
    p.shortName = QStringLiteral("Zoe");
    p.birthDate = QDate(1975, 12, 31);
    p.female = false;
    p.fullMarks = {0, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    p.shortMarks = {2, 1, 0};
    p.chaldean = true;
    p.vowelMode = 1;
    p.partnerFullName = QStringLiteral("Sam Oak");
    p.partnerShortName = QStringLiteral("Sam");
    p.partnerBirthDate = QDate(1970, 6, 1);
    p.partnerFullMarks = {0, 0, 2};
    p.partnerShortMarks = {1};
    p.petName = QStringLiteral("Rex");
    p.petBirthDate = QDate(2015, 3, 3);

    ClientBook book;
    QVERIFY(book.open(bookPath()));
    qint64 id = 0;
    QCOMPARE(book.addClient(p, &id), ClientBook::AddResult::Added);
    ClientRecord record;
    QVERIFY(book.client(id, record));
    const PersonInput &r = record.person;
    QCOMPARE(r.fullName, p.fullName);
    QCOMPARE(r.shortName, p.shortName);
    QCOMPARE(r.birthDate, p.birthDate);
    QCOMPARE(r.female, false);
    QCOMPARE(r.fullMarks, p.fullMarks);
    QCOMPARE(r.shortMarks, p.shortMarks);
    QCOMPARE(r.chaldean, true);
    QCOMPARE(r.vowelMode, 1);
    QCOMPARE(r.partnerFullName, p.partnerFullName);
    QCOMPARE(r.partnerShortName, p.partnerShortName);
    QCOMPARE(r.partnerBirthDate, p.partnerBirthDate);
    QCOMPARE(r.partnerFullMarks, p.partnerFullMarks);
    QCOMPARE(r.partnerShortMarks, p.partnerShortMarks);
    QCOMPARE(r.petName, p.petName);
    QCOMPARE(r.petBirthDate, p.petBirthDate);
    QVERIFY(record.created.isValid());
    QCOMPARE(record.created, record.changed);
}

void TestClientBook::refusesAndDuplicates_data()
{
    QTest::addColumn<QString>("full");
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<int>("result");

    // The book holds "John Smith", 1990-05-17.
    QTest::newRow("same") << "John Smith" << QDate(1990, 5, 17) << int(ClientBook::AddResult::Duplicate);
    QTest::newRow("case and spaces") << "  john   SMITH " << QDate(1990, 5, 17) << int(ClientBook::AddResult::Duplicate);
    QTest::newRow("punctuation dropped") << "John Smith." << QDate(1990, 5, 17) << int(ClientBook::AddResult::Duplicate);
    QTest::newRow("other day") << "John Smith" << QDate(1990, 5, 18) << int(ClientBook::AddResult::Added);
    QTest::newRow("other name") << "John Smyth" << QDate(1990, 5, 17) << int(ClientBook::AddResult::Added);
    QTest::newRow("no letters") << "?!" << QDate(1990, 5, 17) << int(ClientBook::AddResult::Refused);
    QTest::newRow("no birth date") << "Ann Bee" << QDate() << int(ClientBook::AddResult::Refused);
}

void TestClientBook::refusesAndDuplicates()
{
    QFETCH(QString, full);
    QFETCH(QDate, birth);
    QFETCH(int, result);
    ClientBook book;
    QVERIFY(book.open(bookPath()));
    qint64 john = 0;
    QCOMPARE(book.addClient(person(QStringLiteral("John Smith"), QDate(1990, 5, 17)), &john),
             ClientBook::AddResult::Added);
    qint64 id = 0;
    QString reason;
    QCOMPARE(int(book.addClient(person(full, birth), &id, &reason)), result);
    QCOMPARE(book.clientCount(), result == int(ClientBook::AddResult::Added) ? 2 : 1);
    if (result == int(ClientBook::AddResult::Duplicate)) {
        QCOMPARE(id, john);
        QVERIFY(reason.contains(QString::number(john)));
    }
    if (result == int(ClientBook::AddResult::Refused))
        QVERIFY(!reason.isEmpty());
}

void TestClientBook::notesAndConsultations()
{
    ClientBook book;
    QVERIFY(book.open(bookPath()));
    qint64 id = 0;
    QCOMPARE(book.addClient(person(QStringLiteral("John Smith"), QDate(1990, 5, 17)), &id), ClientBook::AddResult::Added);

    const qint64 later = book.addNote(id, QStringLiteral("second"), QDateTime(QDate(2026, 3, 1), QTime(9, 0), Qt::UTC));
    const qint64 first = book.addNote(id, QStringLiteral("first, with 'quotes'"),
                                      QDateTime(QDate(2026, 2, 1), QTime(9, 0), Qt::UTC));
    QVERIFY(later > 0 && first > 0);
    QCOMPARE(book.notes(id).size(), 2);
    QCOMPARE(book.notes(id).at(0).text, QStringLiteral("first, with 'quotes'")); // dated order
    QVERIFY(book.updateNote(later, QStringLiteral("second, changed")));
    QCOMPARE(book.notes(id).at(1).text, QStringLiteral("second, changed"));
    QVERIFY(book.removeNote(first));
    QCOMPARE(book.notes(id).size(), 1);

    Consultation c;
    c.held = QDate(2026, 4, 2);
    c.topic = QStringLiteral("career");
    c.notes = QStringLiteral("asked about a move");
    c.reports = {{QStringLiteral("numerology"), QStringLiteral("John_Smith.pdf")},
                 {QStringLiteral("compatibility"), QStringLiteral("John_Smith-compat.html")}};
    const qint64 cid = book.addConsultation(id, c);
    QVERIFY(cid > 0);
    QVERIFY(book.addConsultation(id, {0, QDate(2026, 1, 5), QStringLiteral("first"), QString(), {}}) > 0);
    const QVector<Consultation> list = book.consultations(id);
    QCOMPARE(list.size(), 2);
    QCOMPARE(list.at(1).topic, QStringLiteral("career"));
    QCOMPARE(list.at(1).reports.size(), 2);
    QCOMPARE(list.at(1).reports.at(1).fileName, QStringLiteral("John_Smith-compat.html"));
    // The list shows the latest consultation.
    QCOMPARE(book.find(ClientFilter()).value(0).lastConsultation, QDate(2026, 4, 2));

    c.id = cid;
    c.reports = {{QStringLiteral("pet"), QStringLiteral("Rex.html")}};
    QVERIFY(book.updateConsultation(c));
    QCOMPARE(book.consultations(id).at(1).reports.size(), 1);

    // Removing the client removes what belongs to it.
    QVERIFY(book.removeClient(id));
    QCOMPARE(book.notes(id).size(), 0);
    QCOMPARE(book.consultations(id).size(), 0);
    QSqlQuery orphans(QStringLiteral("SELECT count(*) FROM handed_reports"), book.database());
    QVERIFY(orphans.next());
    QCOMPARE(orphans.value(0).toInt(), 0);
}

void TestClientBook::cachedNumbersFollowOptions()
{
    // "Dina Ema", Western letters: DINA 4+9+5+1 = 19, EMA 5+4+1 = 10.
    // Each word reduced: 1 + 1 = 2. As one total: 29 -> 11, a master number
    // that stays.
    ClientBook book;
    QVERIFY(book.open(bookPath()));
    CalcOptions everyWord;
    everyWord.reduceEachWord = true;
    QVERIFY(book.setCalculation(everyWord, 0));
    qint64 id = 0;
    QCOMPARE(book.addClient(person(QStringLiteral("Dina Ema"), QDate(1990, 5, 17)), &id), ClientBook::AddResult::Added);
    QCOMPARE(book.find(parseClientSearch(QStringLiteral("ex:2"))).size(), 1);

    CalcOptions whole = everyWord;
    whole.reduceEachWord = false;
    QVERIFY(book.setCalculation(whole, 0));
    QCOMPARE(book.find(parseClientSearch(QStringLiteral("ex:2"))).size(), 0);
    QCOMPARE(book.find(parseClientSearch(QStringLiteral("ex:11"))).size(), 1);

    // Opened again with the first options, the cache follows them back.
    book.close();
    ClientBook again;
    QVERIFY(again.setCalculation(everyWord, 0));
    QVERIFY(again.open(bookPath()));
    ClientRecord record;
    QVERIFY(again.client(id, record));
    QCOMPARE(record.expression, 2);
}

// --- files that cannot be used ------------------------------------------------

void TestClientBook::unusableFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("damage"); // a real book with its schema page overwritten
    QTest::addColumn<int>("kind");

    QTest::newRow("text file") << QByteArray("full name,birth date\nJohn Smith,1990-05-17\n").repeated(20) << false
                               << int(BookError::NotADatabase);
    QTest::newRow("png picture") << QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(600, '\x01') << false
                                 << int(BookError::NotADatabase);
    QTest::newRow("damaged book") << QByteArray() << true << int(BookError::Damaged);
}

void TestClientBook::unusableFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, damage);
    QFETCH(int, kind);
    if (damage) {
        ClientBook book;
        QVERIFY(book.open(bookPath()));
        ClientImporter importer(book);
        ImportReport report;
        importer.importBytes(clientCsv(QStringLiteral("Many"), 200), QStringLiteral("list"), ImportKind::Csv, report);
        QCOMPARE(report.added, 200);
        book.close();
        QFile file(bookPath());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(100)); // the schema's page, after the file header
        QVERIFY(file.write(QByteArray(2000, '\xee')) == 2000);
    } else {
        QFile file(bookPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(content) == content.size());
    }
    const QByteArray before = fileBytes(bookPath());

    ClientBook book;
    QVERIFY(!book.open(bookPath()));
    QCOMPARE(int(book.error().kind), kind);
    QVERIFY2(book.error().message.startsWith(bookPath() + QStringLiteral(": ")), qPrintable(book.error().message));
    QVERIFY(!book.isOpen());
    QCOMPARE(book.addClient(person(QStringLiteral("Ann Bee"), QDate(2001, 1, 1)), nullptr), ClientBook::AddResult::Failed);
    // Never repaired, replaced or removed.
    QCOMPARE(fileBytes(bookPath()), before);
}

void TestClientBook::lockedBook()
{
    {
        ClientBook book;
        QVERIFY(book.open(bookPath()));
    }
    // Another program holds the book: an exclusive lock kept after a write.
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
    other.setDatabaseName(bookPath());
    QVERIFY(other.open());
    {
        QSqlQuery hold(other);
        QVERIFY(hold.exec(QStringLiteral("PRAGMA journal_mode = DELETE")) || true);
        QVERIFY(hold.exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE")));
        QVERIFY(hold.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        QVERIFY(hold.exec(QStringLiteral("INSERT INTO notes (client_id, written, body) SELECT id, '', '' FROM clients")));
    }
    {
        ClientBook book;
        QVERIFY(!book.open(bookPath(), 200));
        QCOMPARE(book.error().kind, BookError::Locked);
        QVERIFY2(book.error().message.startsWith(bookPath()), qPrintable(book.error().message));
        QVERIFY(book.error().message.contains(QLatin1String("another running program")));
    }
    QSqlQuery(QStringLiteral("ROLLBACK"), other);
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    ClientBook book;
    QVERIFY2(book.open(bookPath(), 200), qPrintable(book.error().message));
}

void TestClientBook::readOnlyFolder()
{
    if (geteuid() == 0)
        QSKIP("the superuser writes into read-only folders");
    const QString folder = m_dir->filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/clients.sqlite");
    {
        ClientBook book;
        QVERIFY(book.open(path));
        QCOMPARE(book.addClient(person(QStringLiteral("John Smith"), QDate(1990, 5, 17)), nullptr),
                 ClientBook::AddResult::Added);
    }
    QFile::setPermissions(path, QFile::ReadOwner);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray before = fileBytes(path);
    ClientBook book;
    const bool opened = book.open(path);
    QString message = book.error().message;
    if (opened) {
        // Read-only books may open for reading; the first change says why it fails.
        QCOMPARE(book.addClient(person(QStringLiteral("Ann Bee"), QDate(2001, 1, 1)), nullptr),
                 ClientBook::AddResult::Failed);
        message = book.error().message;
    }
    QCOMPARE(book.error().kind, BookError::ReadOnly);
    QVERIFY2(message.startsWith(path), qPrintable(message));
    book.close();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(fileBytes(path), before);
}

// --- two programs -------------------------------------------------------------

void TestClientBook::twoProgramsAddAtOnce()
{
    {
        ClientBook book;
        QVERIFY(book.open(bookPath()));
    }
    const int each = 150;
    QProcess first, second;
    const QString self = QCoreApplication::applicationFilePath();
    first.start(self, {QStringLiteral("--child-add"), bookPath(), QStringLiteral("First"), QString::number(each)});
    second.start(self, {QStringLiteral("--child-add"), bookPath(), QStringLiteral("Second"), QString::number(each)});
    QVERIFY(first.waitForFinished(240000));
    QVERIFY(second.waitForFinished(240000));
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.exitCode(), 0);

    ClientBook book;
    QVERIFY(book.open(bookPath()));
    QCOMPARE(book.clientCount(), 2 * each);
    QCOMPARE(book.find(parseClientSearch(QStringLiteral("first"))).size(), each);
    QCOMPARE(book.integrityCheck(), QStringLiteral("ok"));
}

void TestClientBook::killedImportLeavesBookConsistent()
{
    {
        ClientBook book;
        QVERIFY(book.open(bookPath()));
        QCOMPARE(book.addClient(person(QStringLiteral("John Smith"), QDate(1990, 5, 17)), nullptr),
                 ClientBook::AddResult::Added);
    }
    const QString csv = m_dir->filePath(QStringLiteral("list.csv"));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(clientCsv(QStringLiteral("Bulk"), 1000));
    file.close();

    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child-import"), bookPath(), csv});
    QVERIFY(child.waitForStarted());
    while (!child.canReadLine())
        QVERIFY2(child.waitForReadyRead(240000), "the import child never got half-way");
    QCOMPARE(child.readLine().trimmed(), QByteArray("mid"));
    child.kill();
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    // None of the file's clients, the one before intact, the file sound.
    ClientBook book;
    QVERIFY2(book.open(bookPath()), qPrintable(book.error().message));
    QCOMPARE(book.integrityCheck(), QStringLiteral("ok"));
    QCOMPARE(book.clientCount(), 1);
    // The same file imports whole afterwards.
    ClientImporter importer(book);
    ImportReport report;
    importer.importFile(csv, report);
    QCOMPARE(report.added, 1000);
    QCOMPARE(book.clientCount(), 1001);
}

void TestClientBook::backupAndRestore()
{
    const QString copy = m_dir->filePath(QStringLiteral("copy.sqlite"));
    ClientBook book;
    QVERIFY(book.open(bookPath()));
    qint64 id = 0;
    QCOMPARE(book.addClient(person(QStringLiteral("John Smith"), QDate(1990, 5, 17)), &id), ClientBook::AddResult::Added);
    QVERIFY(book.addNote(id, QStringLiteral("kept in the copy")) > 0);
    QVERIFY2(book.backup(copy), qPrintable(book.error().message));
    QCOMPARE(book.addClient(person(QStringLiteral("Mary Lee"), QDate(1983, 3, 12)), nullptr), ClientBook::AddResult::Added);

    // An existing file is never overwritten.
    const QByteArray copied = fileBytes(copy);
    QVERIFY(!book.backup(copy));
    QVERIFY(book.error().message.startsWith(copy));
    QCOMPARE(fileBytes(copy), copied);

    // The copy is a book of its own, as it was then.
    ClientBook restored;
    QVERIFY2(restored.open(copy), qPrintable(restored.error().message));
    QCOMPARE(restored.clientCount(), 1);
    QCOMPARE(restored.notes(id).value(0).text, QStringLiteral("kept in the copy"));
    QCOMPARE(restored.integrityCheck(), QStringLiteral("ok"));
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("--child-add"))
        return childAdd(args);
    if (args.value(1) == QLatin1String("--child-import"))
        return childImport(args);
    TestClientBook test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_clientbook.moc"
