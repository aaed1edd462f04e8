#include "clientbook.h"

#include "clientschema.h"
#include "engine/namecleaning.h"
#include "files/datafolder.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

const QString MEMORY = QStringLiteral(":memory:");

// SQLite's primary result codes that tell the user something.
enum SqliteCode {
    SQLITE_BUSY_CODE = 5,
    SQLITE_LOCKED_CODE = 6,
    SQLITE_READONLY_CODE = 8,
    SQLITE_CORRUPT_CODE = 11,
    SQLITE_FULL_CODE = 13,
    SQLITE_CANTOPEN_CODE = 14,
    SQLITE_NOTADB_CODE = 26,
};

// The text columns are NOT NULL: a text never given is stored empty (a
// null QString would bind as NULL).
QString notNull(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

QString dateText(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QStringLiteral("");
}

QDate textDate(const QString &text)
{
    return text.isEmpty() ? QDate() : QDate::fromString(text, Qt::ISODate);
}

QString nowText()
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
}

QDateTime textTime(const QString &text)
{
    QDateTime time = QDateTime::fromString(text, Qt::ISODate);
    time.setTimeSpec(Qt::UTC);
    return time;
}

QString marksText(const QVector<int> &marks)
{
    QString text;
    text.reserve(marks.size());
    for (int mark : marks)
        text += QChar(QLatin1Char('0' + (mark >= 0 && mark <= 2 ? mark : 0)));
    return notNull(text);
}

QVector<int> textMarks(const QString &text)
{
    QVector<int> marks;
    marks.reserve(text.size());
    for (QChar c : text)
        marks << (c >= QLatin1Char('0') && c <= QLatin1Char('2') ? c.unicode() - '0' : 0);
    return marks;
}

// The list's columns as SQL, in the order of ClientColumn. The last
// consultation is a subquery over its index.
const char *const SORT_SQL[] = {
    "full_name COLLATE NOCASE",
    "birth_date",
    "life_path",
    "expression",
    "last_held",
};
static_assert(sizeof(SORT_SQL) / sizeof(SORT_SQL[0]) == int(ClientColumn::COUNT), "one per column");

const char CLIENT_FIELDS[] =
    "full_name, short_name, birth_date, female, full_marks, short_marks, chaldean, vowel_mode,"
    " partner_full, partner_short, partner_birth, partner_full_marks, partner_short_marks,"
    " pet_name, pet_birth";

} // namespace

QString clientBookPath()
{
    // The window's data folder whichever program asks: the command-line
    // tool has a name of its own, and the folder is made from the names.
    const QString application = QCoreApplication::applicationName();
    const QString organization = QCoreApplication::organizationName();
    QCoreApplication::setApplicationName(QStringLiteral("Sorvel Numerology")); // as the window names itself
    QCoreApplication::setOrganizationName(QStringLiteral("Sorvel"));
    const QString path = dataFolder() + QStringLiteral("clients.sqlite");
    QCoreApplication::setApplicationName(application);
    QCoreApplication::setOrganizationName(organization);
    return path;
}

ClientBook::ClientBook()
{
    static QAtomicInt counter;
    m_connection = QStringLiteral("sorvel-clients-%1").arg(counter.fetchAndAddRelaxed(1) + 1);
    m_engine.setCalcOptions(&m_options);
}

ClientBook::~ClientBook()
{
    close();
}

QSqlDatabase ClientBook::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

void ClientBook::close()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    m_insertClient.reset();
    m_findDuplicate.reset();
    {
        QSqlDatabase db = database();
        if (m_transactionDepth > 0)
            QSqlQuery(QStringLiteral("ROLLBACK"), db);
        db.close();
    }
    m_transactionDepth = 0;
    m_open = false;
    QSqlDatabase::removeDatabase(m_connection);
}

// --- errors -----------------------------------------------------------------

bool ClientBook::fail(const QSqlError &error, const QString &doing)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    const QString sqlite = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    QString reason;
    switch (code) {
    case SQLITE_BUSY_CODE:
    case SQLITE_LOCKED_CODE:
        m_error.kind = BookError::Locked;
        reason = QStringLiteral("the client book is locked by another running program; close it (or wait "
                                "until it has finished) and try again");
        break;
    case SQLITE_READONLY_CODE:
        m_error.kind = BookError::ReadOnly;
        reason = QStringLiteral("the client book is read-only here: the file or its folder cannot be written");
        break;
    case SQLITE_NOTADB_CODE:
        m_error.kind = BookError::NotADatabase;
        reason = QStringLiteral("this file is not a client book (not an SQLite database); it was left as it is");
        break;
    case SQLITE_CORRUPT_CODE:
        m_error.kind = BookError::Damaged;
        reason = QStringLiteral("the client book is damaged (%1); it was left as it is, restore a backup")
                     .arg(sqlite);
        break;
    case SQLITE_FULL_CODE:
        m_error.kind = BookError::Failed;
        reason = QStringLiteral("the disk is full; nothing was changed");
        break;
    case SQLITE_CANTOPEN_CODE: {
        const QFileInfo file(m_path);
        const QFileInfo folder(file.absolutePath());
        if (file.exists() ? !file.isWritable() || !folder.isWritable() : folder.exists() && !folder.isWritable()) {
            m_error.kind = BookError::ReadOnly;
            reason = QStringLiteral("the client book cannot be written here: the file or its folder is read-only");
        } else {
            m_error.kind = BookError::CannotOpen;
            reason = QStringLiteral("cannot open the client book (%1); does its folder exist?").arg(sqlite);
        }
        break;
    }
    default:
        m_error.kind = BookError::Failed;
        reason = doing + QStringLiteral(" failed: ") + sqlite;
        break;
    }
    m_error.message = m_path + QStringLiteral(": ") + reason;
    return false;
}

bool ClientBook::exec(const QString &sql)
{
    QSqlQuery query(database());
    if (!query.exec(sql))
        return fail(query.lastError(), sql.section(QLatin1Char(' '), 0, 1));
    return true;
}

// --- transactions -----------------------------------------------------------

bool ClientBook::begin()
{
    if (m_transactionDepth++ > 0)
        return true;
    // IMMEDIATE takes the write lock at once: a second writer waits for it
    // (busy timeout) instead of failing when it upgrades a read.
    if (exec(QStringLiteral("BEGIN IMMEDIATE")))
        return true;
    m_transactionDepth = 0;
    return false;
}

bool ClientBook::commit()
{
    if (m_transactionDepth == 0)
        return false;
    if (--m_transactionDepth > 0)
        return true;
    if (exec(QStringLiteral("COMMIT")))
        return true;
    QSqlQuery(QStringLiteral("ROLLBACK"), database());
    return false;
}

void ClientBook::rollback()
{
    if (m_transactionDepth == 0)
        return;
    // An inner failure reaches the outermost caller as false; only that
    // one rolls back.
    if (--m_transactionDepth > 0)
        return;
    QSqlQuery(QStringLiteral("ROLLBACK"), database());
}

bool ClientBook::inTransaction(const std::function<bool()> &work)
{
    if (!m_open || !begin())
        return false;
    if (!work()) {
        rollback();
        return false;
    }
    return commit();
}

// --- opening ----------------------------------------------------------------

bool ClientBook::open(const QString &path, int busyTimeoutMs)
{
    close();
    m_error = BookError();
    m_migrationBackup.clear();
    m_path = path;
    if (path != MEMORY) {
        const QFileInfo file(path);
        if (file.exists() && !file.isFile()) {
            m_error.kind = BookError::CannotOpen;
            m_error.message = path + QStringLiteral(": not a regular file, so not a client book");
            return false;
        }
    }
    if (!openConnection(busyTimeoutMs) || !migrate() || !refreshNumbers()) {
        close();
        return false;
    }
    return true;
}

bool ClientBook::openConnection(int busyTimeoutMs)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        if (!db.isValid()) {
            m_error.kind = BookError::Failed;
            m_error.message = m_path + QStringLiteral(": Qt's SQLite driver is missing (libqt5sql5-sqlite)");
            return false;
        }
        db.setDatabaseName(m_path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
        if (!db.open())
            return fail(db.lastError(), QStringLiteral("opening"));
    }
    m_open = true;
    // The first read shows whether the file is a database at all.
    if (!exec(QStringLiteral("PRAGMA foreign_keys = ON")) || schemaVersion() < 0)
        return false;
    if (m_path == MEMORY)
        return true;
    QSqlQuery journal(database());
    if (!journal.exec(QStringLiteral("PRAGMA journal_mode = WAL")))
        return fail(journal.lastError(), QStringLiteral("choosing the journal"));
    return true;
}

int ClientBook::schemaVersion()
{
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        fail(query.lastError(), QStringLiteral("reading the schema version"));
        return -1;
    }
    return query.value(0).toInt();
}

bool ClientBook::migrate()
{
    const int version = schemaVersion();
    if (version < 0)
        return false;
    if (version > latestSchemaVersion()) {
        m_error.kind = BookError::TooNew;
        m_error.message = m_path
            + QStringLiteral(": the client book was written by a newer version of the program (schema %1, "
                             "this one knows %2); it was left as it is")
                  .arg(version)
                  .arg(latestSchemaVersion());
        return false;
    }
    if (version == latestSchemaVersion())
        return true;

    // A copy of the book as it was, before any step touches it.
    if (version > 0 && m_path != MEMORY) {
        QString target;
        for (int n = 1; target.isEmpty() || QFileInfo::exists(target); ++n) {
            target = m_path + QStringLiteral(".schema%1-%2%3.backup")
                                  .arg(version)
                                  .arg(QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss")))
                                  .arg(n > 1 ? QStringLiteral("-%1").arg(n) : QString());
        }
        if (!backup(target))
            return false;
        m_migrationBackup = target;
    }

    for (const SchemaStep &step : schemaSteps()) {
        if (!begin())
            return false;
        // Another program may have run the step while this one waited.
        const int now = schemaVersion();
        bool ok = now >= 0;
        if (ok && now < step.version) {
            for (const QString &sql : schemaStatements(step)) {
                if (!(ok = exec(sql)))
                    break;
            }
            // The version is our own number, never the user's text.
            ok = ok && exec(QStringLiteral("PRAGMA user_version = %1").arg(step.version));
        }
        if (!ok) {
            rollback();
            return false;
        }
        if (!commit())
            return false;
    }
    return true;
}

// --- cached numbers ---------------------------------------------------------

QString ClientBook::numbersKey() const
{
    return QStringLiteral("%1%2%3%4%5-m%6")
        .arg(int(m_options.lifePathMethod1))
        .arg(int(m_options.lifePathMethod2))
        .arg(int(m_options.lifePathMethod3))
        .arg(int(m_options.reduceEachWord))
        .arg(int(m_options.reduceMasterLetters))
        .arg(m_masterMode);
}

void ClientBook::computeKeys(const PersonInput &typed, QString &matchKey, QString &duplicateKey, int &lifePath,
                             int &expression)
{
    const PersonInput cleaned = cleanedInput(typed);
    const QString full = cleaned.fullName.toUpper();
    matchKey = full + QLatin1Char(' ') + CleanName(typed.shortName).toUpper();
    duplicateKey = full + QLatin1Char('|') + dateText(typed.birthDate);
    PersonRecord record = personRecord(cleaned);
    record.calcOnly = true;
    const CoreNumbers numbers = m_engine.CalcCoreNumbers(record);
    lifePath = numbers.lifePath;
    expression = numbers.expression;
}

bool ClientBook::setCalculation(const CalcOptions &options, int masterMode)
{
    m_options = options;
    m_masterMode = masterMode;
    m_engine.SetMasterMode(masterMode);
    return !m_open || refreshNumbers();
}

bool ClientBook::refreshNumbers()
{
    const QString key = numbersKey();
    QVector<QPair<qint64, PersonInput>> stale;
    {
        QSqlQuery query(database());
        query.prepare(QStringLiteral("SELECT id, ") + QLatin1String(CLIENT_FIELDS)
                      + QStringLiteral(" FROM clients WHERE numbers_key <> ?"));
        query.addBindValue(key);
        if (!query.exec())
            return fail(query.lastError(), QStringLiteral("reading the clients"));
        while (query.next()) {
            PersonInput person;
            person.fullName = query.value(1).toString();
            person.shortName = query.value(2).toString();
            person.birthDate = textDate(query.value(3).toString());
            person.fullMarks = textMarks(query.value(5).toString());
            person.shortMarks = textMarks(query.value(6).toString());
            person.chaldean = query.value(7).toBool();
            person.vowelMode = query.value(8).toInt();
            stale.append({query.value(0).toLongLong(), person});
        }
    }
    if (stale.isEmpty())
        return true;
    return inTransaction([&] {
        QSqlQuery update(database());
        update.prepare(QStringLiteral("UPDATE clients SET match_key = ?, duplicate_key = ?, life_path = ?,"
                                      " expression = ?, numbers_key = ? WHERE id = ?"));
        for (const auto &row : stale) {
            QString matchKey, duplicateKey;
            int lifePath = 0, expression = 0;
            computeKeys(row.second, matchKey, duplicateKey, lifePath, expression);
            update.addBindValue(matchKey);
            update.addBindValue(duplicateKey);
            update.addBindValue(lifePath);
            update.addBindValue(expression);
            update.addBindValue(key);
            update.addBindValue(row.first);
            if (!update.exec())
                return fail(update.lastError(), QStringLiteral("updating the numbers"));
        }
        return true;
    });
}

// --- clients ----------------------------------------------------------------

void ClientBook::bindPerson(QSqlQuery &query, const PersonInput &typed)
{
    query.addBindValue(notNull(typed.fullName));
    query.addBindValue(notNull(typed.shortName));
    query.addBindValue(dateText(typed.birthDate));
    query.addBindValue(int(typed.female));
    query.addBindValue(marksText(typed.fullMarks));
    query.addBindValue(marksText(typed.shortMarks));
    query.addBindValue(int(typed.chaldean));
    query.addBindValue(typed.vowelMode);
    query.addBindValue(notNull(typed.partnerFullName));
    query.addBindValue(notNull(typed.partnerShortName));
    query.addBindValue(typed.hasPartner() ? dateText(typed.partnerBirthDate) : QStringLiteral(""));
    query.addBindValue(marksText(typed.partnerFullMarks));
    query.addBindValue(marksText(typed.partnerShortMarks));
    query.addBindValue(notNull(typed.petName));
    query.addBindValue(typed.petName.isEmpty() ? QStringLiteral("") : dateText(typed.petBirthDate));
    QString matchKey, duplicateKey;
    int lifePath = 0, expression = 0;
    computeKeys(typed, matchKey, duplicateKey, lifePath, expression);
    query.addBindValue(matchKey);
    query.addBindValue(duplicateKey);
    query.addBindValue(lifePath);
    query.addBindValue(expression);
    query.addBindValue(numbersKey());
}

qint64 ClientBook::findDuplicate(const PersonInput &typed)
{
    if (!m_findDuplicate) {
        m_findDuplicate = std::make_unique<QSqlQuery>(database());
        m_findDuplicate->prepare(QStringLiteral("SELECT id FROM clients WHERE duplicate_key = ? LIMIT 1"));
    }
    QSqlQuery &query = *m_findDuplicate;
    query.addBindValue(CleanName(typed.fullName).toUpper() + QLatin1Char('|') + dateText(typed.birthDate));
    if (!query.exec()) {
        fail(query.lastError(), QStringLiteral("looking for the client"));
        return -1;
    }
    const qint64 id = query.next() ? query.value(0).toLongLong() : 0;
    query.finish();
    return id;
}

ClientBook::AddResult ClientBook::addClient(const PersonInput &typed, qint64 *id, QString *reason)
{
    const auto refuse = [&](const QString &why) {
        if (reason)
            *reason = why;
        return AddResult::Refused;
    };
    if (CleanName(typed.fullName).isEmpty())
        return refuse(QStringLiteral("the full name has no letters"));
    if (!typed.birthDate.isValid())
        return refuse(QStringLiteral("the birth date is missing"));
    if (!m_open || !begin())
        return AddResult::Failed;

    // The duplicate check and the insert share the write lock, so two
    // programs adding the same person cannot both add it.
    const qint64 existing = findDuplicate(typed);
    if (existing != 0) {
        rollback();
        if (existing < 0)
            return AddResult::Failed;
        if (id)
            *id = existing;
        if (reason)
            *reason = QStringLiteral("already in the book as client %1").arg(existing);
        return AddResult::Duplicate;
    }
    if (!m_insertClient) {
        m_insertClient = std::make_unique<QSqlQuery>(database());
        m_insertClient->prepare(QStringLiteral("INSERT INTO clients (") + QLatin1String(CLIENT_FIELDS)
                                + QStringLiteral(", match_key, duplicate_key, life_path, expression, numbers_key,"
                                                 " created, changed) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    }
    QSqlQuery &insert = *m_insertClient;
    bindPerson(insert, typed);
    const QString now = nowText();
    insert.addBindValue(now);
    insert.addBindValue(now);
    if (!insert.exec()) {
        fail(insert.lastError(), QStringLiteral("adding the client"));
        rollback();
        return AddResult::Failed;
    }
    const qint64 newId = insert.lastInsertId().toLongLong();
    insert.finish();
    if (!commit())
        return AddResult::Failed;
    if (id)
        *id = newId;
    return AddResult::Added;
}

bool ClientBook::updateClient(qint64 id, const PersonInput &typed)
{
    return inTransaction([&] {
        QSqlQuery update(database());
        update.prepare(QStringLiteral(
            "UPDATE clients SET full_name = ?, short_name = ?, birth_date = ?, female = ?, full_marks = ?,"
            " short_marks = ?, chaldean = ?, vowel_mode = ?, partner_full = ?, partner_short = ?,"
            " partner_birth = ?, partner_full_marks = ?, partner_short_marks = ?, pet_name = ?, pet_birth = ?,"
            " match_key = ?, duplicate_key = ?, life_path = ?, expression = ?, numbers_key = ?, changed = ?"
            " WHERE id = ?"));
        bindPerson(update, typed);
        update.addBindValue(nowText());
        update.addBindValue(id);
        if (!update.exec())
            return fail(update.lastError(), QStringLiteral("changing the client"));
        return update.numRowsAffected() == 1;
    });
}

bool ClientBook::removeClient(qint64 id)
{
    return inTransaction([&] {
        QSqlQuery remove(database());
        remove.prepare(QStringLiteral("DELETE FROM clients WHERE id = ?"));
        remove.addBindValue(id);
        if (!remove.exec())
            return fail(remove.lastError(), QStringLiteral("removing the client"));
        return remove.numRowsAffected() == 1;
    });
}

bool ClientBook::client(qint64 id, ClientRecord &record)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT ") + QLatin1String(CLIENT_FIELDS)
                  + QStringLiteral(", created, changed, life_path, expression FROM clients WHERE id = ?"));
    query.addBindValue(id);
    if (!query.exec())
        return fail(query.lastError(), QStringLiteral("reading the client"));
    if (!query.next())
        return false;
    PersonInput &p = record.person;
    p = PersonInput();
    p.fullName = query.value(0).toString();
    p.shortName = query.value(1).toString();
    p.birthDate = textDate(query.value(2).toString());
    p.female = query.value(3).toBool();
    p.fullMarks = textMarks(query.value(4).toString());
    p.shortMarks = textMarks(query.value(5).toString());
    p.chaldean = query.value(6).toBool();
    p.vowelMode = query.value(7).toInt();
    p.partnerFullName = query.value(8).toString();
    p.partnerShortName = query.value(9).toString();
    p.partnerBirthDate = textDate(query.value(10).toString());
    p.partnerFullMarks = textMarks(query.value(11).toString());
    p.partnerShortMarks = textMarks(query.value(12).toString());
    p.petName = query.value(13).toString();
    p.petBirthDate = textDate(query.value(14).toString());
    record.id = id;
    record.created = textTime(query.value(15).toString());
    record.changed = textTime(query.value(16).toString());
    record.lifePath = query.value(17).toInt();
    record.expression = query.value(18).toInt();
    return true;
}

int ClientBook::clientCount()
{
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("SELECT count(*) FROM clients")) || !query.next()) {
        fail(query.lastError(), QStringLiteral("counting the clients"));
        return -1;
    }
    return query.value(0).toInt();
}

QVector<ClientSummary> ClientBook::find(const ClientFilter &filter, ClientColumn sortBy, bool descending,
                                        int offset, int limit)
{
    QVector<ClientSummary> rows;
    if (!m_open)
        return rows;
    const SqlCondition condition = filterCondition(filter);
    // Name parts are matched anywhere in the name, which no index answers:
    // one pass over the table and a sort of what matched is then far
    // cheaper than walking the sort column's index and fetching every row
    // it names. A unary "+" keeps SQLite from choosing that index.
    const QString order = (filter.nameParts.isEmpty() ? QString() : QStringLiteral("+"))
        + QLatin1String(SORT_SQL[int(sortBy)]) + (descending ? QStringLiteral(" DESC") : QString());
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT id, full_name, short_name, birth_date, life_path, expression,"
                                 " (SELECT max(held) FROM consultations WHERE client_id = clients.id) AS last_held"
                                 " FROM clients WHERE ")
                  + condition.sql + QStringLiteral(" ORDER BY ") + order
                  + QStringLiteral(", id LIMIT ? OFFSET ?"));
    for (const QVariant &value : condition.values)
        query.addBindValue(value);
    query.addBindValue(limit);
    query.addBindValue(offset);
    if (!query.exec()) {
        fail(query.lastError(), QStringLiteral("searching the clients"));
        return rows;
    }
    while (query.next()) {
        ClientSummary row;
        row.id = query.value(0).toLongLong();
        row.fullName = query.value(1).toString();
        row.shortName = query.value(2).toString();
        row.birthDate = textDate(query.value(3).toString());
        row.lifePath = query.value(4).toInt();
        row.expression = query.value(5).toInt();
        row.lastConsultation = textDate(query.value(6).toString());
        rows.append(row);
    }
    return rows;
}

// --- notes and consultations ------------------------------------------------

qint64 ClientBook::addNote(qint64 clientId, const QString &text, const QDateTime &written)
{
    qint64 id = 0;
    const bool ok = inTransaction([&] {
        QSqlQuery insert(database());
        insert.prepare(QStringLiteral("INSERT INTO notes (client_id, written, body) VALUES (?, ?, ?)"));
        insert.addBindValue(clientId);
        insert.addBindValue(written.isValid() ? written.toUTC().toString(Qt::ISODate) : nowText());
        insert.addBindValue(notNull(text));
        if (!insert.exec())
            return fail(insert.lastError(), QStringLiteral("adding the note"));
        id = insert.lastInsertId().toLongLong();
        return true;
    });
    return ok ? id : 0;
}

bool ClientBook::updateNote(qint64 noteId, const QString &text)
{
    return inTransaction([&] {
        QSqlQuery update(database());
        update.prepare(QStringLiteral("UPDATE notes SET body = ? WHERE id = ?"));
        update.addBindValue(notNull(text));
        update.addBindValue(noteId);
        if (!update.exec())
            return fail(update.lastError(), QStringLiteral("changing the note"));
        return update.numRowsAffected() == 1;
    });
}

bool ClientBook::removeNote(qint64 noteId)
{
    return inTransaction([&] {
        QSqlQuery remove(database());
        remove.prepare(QStringLiteral("DELETE FROM notes WHERE id = ?"));
        remove.addBindValue(noteId);
        if (!remove.exec())
            return fail(remove.lastError(), QStringLiteral("removing the note"));
        return remove.numRowsAffected() == 1;
    });
}

QVector<ClientNote> ClientBook::notes(qint64 clientId)
{
    QVector<ClientNote> notes;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT id, written, body FROM notes WHERE client_id = ? ORDER BY written, id"));
    query.addBindValue(clientId);
    if (!query.exec()) {
        fail(query.lastError(), QStringLiteral("reading the notes"));
        return notes;
    }
    while (query.next())
        notes.append({query.value(0).toLongLong(), textTime(query.value(1).toString()), query.value(2).toString()});
    return notes;
}

qint64 ClientBook::addConsultation(qint64 clientId, const Consultation &consultation)
{
    qint64 id = 0;
    const bool ok = inTransaction([&] {
        QSqlQuery insert(database());
        insert.prepare(QStringLiteral("INSERT INTO consultations (client_id, held, topic, notes) VALUES (?,?,?,?)"));
        insert.addBindValue(clientId);
        insert.addBindValue(dateText(consultation.held.isValid() ? consultation.held : QDate::currentDate()));
        insert.addBindValue(notNull(consultation.topic));
        insert.addBindValue(notNull(consultation.notes));
        if (!insert.exec())
            return fail(insert.lastError(), QStringLiteral("adding the consultation"));
        id = insert.lastInsertId().toLongLong();
        QSqlQuery report(database());
        report.prepare(QStringLiteral("INSERT INTO handed_reports (consultation_id, kind, file_name) VALUES (?,?,?)"));
        for (const HandedReport &handed : consultation.reports) {
            report.addBindValue(id);
            report.addBindValue(notNull(handed.kind));
            report.addBindValue(notNull(handed.fileName));
            if (!report.exec())
                return fail(report.lastError(), QStringLiteral("adding the reports handed over"));
        }
        return true;
    });
    return ok ? id : 0;
}

bool ClientBook::updateConsultation(const Consultation &consultation)
{
    return inTransaction([&] {
        QSqlQuery update(database());
        update.prepare(QStringLiteral("UPDATE consultations SET held = ?, topic = ?, notes = ? WHERE id = ?"));
        update.addBindValue(dateText(consultation.held));
        update.addBindValue(notNull(consultation.topic));
        update.addBindValue(notNull(consultation.notes));
        update.addBindValue(consultation.id);
        if (!update.exec())
            return fail(update.lastError(), QStringLiteral("changing the consultation"));
        if (update.numRowsAffected() != 1)
            return false;
        QSqlQuery clear(database());
        clear.prepare(QStringLiteral("DELETE FROM handed_reports WHERE consultation_id = ?"));
        clear.addBindValue(consultation.id);
        if (!clear.exec())
            return fail(clear.lastError(), QStringLiteral("changing the reports handed over"));
        QSqlQuery report(database());
        report.prepare(QStringLiteral("INSERT INTO handed_reports (consultation_id, kind, file_name) VALUES (?,?,?)"));
        for (const HandedReport &handed : consultation.reports) {
            report.addBindValue(consultation.id);
            report.addBindValue(notNull(handed.kind));
            report.addBindValue(notNull(handed.fileName));
            if (!report.exec())
                return fail(report.lastError(), QStringLiteral("changing the reports handed over"));
        }
        return true;
    });
}

bool ClientBook::removeConsultation(qint64 consultationId)
{
    return inTransaction([&] {
        QSqlQuery remove(database());
        remove.prepare(QStringLiteral("DELETE FROM consultations WHERE id = ?"));
        remove.addBindValue(consultationId);
        if (!remove.exec())
            return fail(remove.lastError(), QStringLiteral("removing the consultation"));
        return remove.numRowsAffected() == 1;
    });
}

QVector<Consultation> ClientBook::consultations(qint64 clientId)
{
    QVector<Consultation> list;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT id, held, topic, notes FROM consultations WHERE client_id = ?"
                                 " ORDER BY held, id"));
    query.addBindValue(clientId);
    if (!query.exec()) {
        fail(query.lastError(), QStringLiteral("reading the consultations"));
        return list;
    }
    QSqlQuery reports(database());
    reports.prepare(QStringLiteral("SELECT kind, file_name FROM handed_reports WHERE consultation_id = ? ORDER BY id"));
    while (query.next()) {
        Consultation c;
        c.id = query.value(0).toLongLong();
        c.held = textDate(query.value(1).toString());
        c.topic = query.value(2).toString();
        c.notes = query.value(3).toString();
        reports.addBindValue(c.id);
        if (reports.exec()) {
            while (reports.next())
                c.reports.append({reports.value(0).toString(), reports.value(1).toString()});
        }
        list.append(c);
    }
    return list;
}

// --- backup and checks ------------------------------------------------------

bool ClientBook::backup(const QString &target)
{
    if (QFileInfo::exists(target)) {
        m_error.kind = BookError::Failed;
        m_error.message = target + QStringLiteral(": already exists; a backup never replaces a file, choose a new name");
        return false;
    }
    QSqlQuery query(database());
    query.prepare(QStringLiteral("VACUUM INTO ?"));
    query.addBindValue(target);
    if (!query.exec()) {
        fail(query.lastError(), QStringLiteral("writing the backup ") + target);
        return false;
    }
    return true;
}

QString ClientBook::integrityCheck()
{
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("PRAGMA integrity_check")) || !query.next())
        return query.lastError().text();
    return query.value(0).toString();
}
