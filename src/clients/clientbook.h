#pragma once

// The client book: every client a practitioner keeps, with dated notes and
// consultations, in one SQLite database ("clients.sqlite" in the data
// folder) through Qt SQL's SQLite driver.
//
//   open       connect (one named connection per book), busy timeout,
//              foreign keys on, WAL journal; read user_version; an older
//              book is copied beside itself and then brought up to date
//              step by step (clientschema.h); a newer one is refused
//   change     every change runs in one BEGIN IMMEDIATE transaction, so two
//              programs adding at once wait for each other (busy timeout)
//              instead of failing half-way
//   read       prepared statements with bound values only
//
// The book keeps inputs, never numbers as truth: the Life Path and
// Expression kept beside each client are a cache for searching, computed
// by the engine with the book's options and rebuilt when those change.
//
// A file that cannot be used (locked beyond the timeout, read-only, not a
// database, damaged, from a newer program) is never repaired, replaced or
// deleted: the book stays closed and error() names the file and the reason.

#include "clients/clientsearch.h"
#include "engine/cnumerology.h"
#include "files/personinput.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>

class QSqlQuery;

struct BookError
{
    enum Kind { None, Locked, ReadOnly, NotADatabase, Damaged, TooNew, CannotOpen, Failed };
    Kind kind = None;
    QString message; // "<file>: <reason>", one line
};

// One row of the book's list.
struct ClientSummary
{
    qint64 id = 0;
    QString fullName;  // as typed
    QString shortName; // as typed, may be empty
    QDate birthDate;
    int lifePath = 0;
    int expression = 0;
    QDate lastConsultation; // null when there was none
};

struct ClientNote
{
    qint64 id = 0;
    QDateTime written;
    QString text;
};

struct HandedReport
{
    QString kind;     // "numerology", "compatibility", ...
    QString fileName; // the file handed over, as named then
};

struct Consultation
{
    qint64 id = 0;
    QDate held;
    QString topic;
    QString notes;
    QVector<HandedReport> reports;
};

struct ClientRecord
{
    qint64 id = 0;
    PersonInput person; // as typed; the forecast date is not kept
    QDateTime created;
    QDateTime changed;
    int lifePath = 0;
    int expression = 0;
};

// The columns the list can be sorted by, in the order the page shows them.
enum class ClientColumn { Name, BirthDate, LifePath, Expression, LastConsultation, COUNT };

// The default book, "clients.sqlite" in the data folder.
QString clientBookPath();

class ClientBook
{
public:
    // How long a change waits for another program's change to finish.
    static constexpr int DEFAULT_BUSY_TIMEOUT_MS = 5000;

    ClientBook();
    ~ClientBook();
    ClientBook(const ClientBook &) = delete;
    ClientBook &operator=(const ClientBook &) = delete;

    // Opens (creating when missing) the book at path; ":memory:" gives a
    // book that lives in memory only. False with error() set when the file
    // cannot be used.
    bool open(const QString &path, int busyTimeoutMs = DEFAULT_BUSY_TIMEOUT_MS);
    void close();
    bool isOpen() const { return m_open; }
    QString path() const { return m_path; }
    const BookError &error() const { return m_error; }
    // The copy taken before the last migration; empty when none was needed.
    QString migrationBackup() const { return m_migrationBackup; }

    // The options the cached numbers are computed with (default: the
    // process-wide options, master mode 0). Rows computed with other
    // options are recomputed here, in one transaction.
    bool setCalculation(const CalcOptions &options, int masterMode);

    // --- clients ---
    enum class AddResult { Added, Duplicate, Refused, Failed };
    // Adds the person as typed. Duplicate (same cleaned full name and birth
    // date as client *existingId) and Refused (no full name or no valid
    // birth date; *reason says which) leave the book as it was.
    AddResult addClient(const PersonInput &typed, qint64 *id, QString *reason = nullptr);
    bool updateClient(qint64 id, const PersonInput &typed);
    bool removeClient(qint64 id);
    bool client(qint64 id, ClientRecord &record);
    // The id of the client with the same cleaned full name and birth date,
    // 0 when there is none.
    qint64 findDuplicate(const PersonInput &typed);
    int clientCount();

    // A page of the list, filtered and sorted.
    QVector<ClientSummary> find(const ClientFilter &filter, ClientColumn sortBy = ClientColumn::Name,
                                bool descending = false, int offset = 0, int limit = -1);

    // --- notes and consultations ---
    qint64 addNote(qint64 clientId, const QString &text, const QDateTime &written = QDateTime());
    bool updateNote(qint64 noteId, const QString &text);
    bool removeNote(qint64 noteId);
    QVector<ClientNote> notes(qint64 clientId);
    qint64 addConsultation(qint64 clientId, const Consultation &consultation);
    bool updateConsultation(const Consultation &consultation);
    bool removeConsultation(qint64 consultationId);
    QVector<Consultation> consultations(qint64 clientId);

    // --- bulk work ---
    // Runs work inside one transaction: committed when it returns true,
    // rolled back otherwise. Changes made by work are not transactions of
    // their own then.
    bool inTransaction(const std::function<bool()> &work);
    // A consistent copy of the whole book into a new file (VACUUM INTO);
    // an existing file is never overwritten.
    bool backup(const QString &target);
    // Whether SQLite finds the file sound ("ok"), else its first complaint.
    QString integrityCheck();

    // The schema version of the open book.
    int schemaVersion();

    // The connection, for models and tests that read the same tables.
    QSqlDatabase database() const;

private:
    bool openConnection(int busyTimeoutMs);
    bool migrate();
    bool refreshNumbers();
    bool begin();
    bool commit();
    void rollback();
    bool exec(const QString &sql);
    bool fail(const class QSqlError &error, const QString &doing);
    void bindPerson(class QSqlQuery &query, const PersonInput &typed);
    void computeKeys(const PersonInput &typed, QString &matchKey, QString &duplicateKey, int &lifePath,
                     int &expression);
    QString numbersKey() const;

    // The statements an import runs once per client, prepared once.
    std::unique_ptr<QSqlQuery> m_insertClient;
    std::unique_ptr<QSqlQuery> m_findDuplicate;
    QString m_connection;
    QString m_path;
    bool m_open = false;
    int m_transactionDepth = 0;
    BookError m_error;
    QString m_migrationBackup;
    CalcOptions m_options;
    int m_masterMode = 0;
    CNumerology m_engine;
};
