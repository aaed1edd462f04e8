#pragma once

// Bringing clients into the book and taking them out again.
//
// Import reads person files (".num": a saved person, or the recent list with
// all its entries) and the CSV client lists of batch work, through the
// readers of src/files. Each file is one transaction: a program killed in
// the middle of a file leaves the book without any client of that file,
// and the files before it are kept. A client already in the book (same
// cleaned full name and birth date), or twice in the same file, is skipped
// and reported, never added twice.
//
// Export writes the book, or some of its clients, as such a CSV client list
// (which the import and `sorvel-cli batch` read back) or as one saved person
// file per client, through the checked writer.

#include "clients/clientbook.h"

#include <functional>

struct ImportProblem
{
    QString file;
    int line = 0;   // 0 when the whole file is meant
    QString name;   // the client's full name when known
    QString reason;
    bool duplicate = false; // skipped as already there, not unusable
};

struct ImportReport
{
    int added = 0;
    int duplicates = 0;
    int unusable = 0; // rows or files that could not make a client
    QVector<ImportProblem> problems;
    // Set when the book itself failed; the file's transaction was undone.
    QString bookError;
};

enum class ImportKind { Guess, SavedPerson, RecentList, Csv };

class ClientImporter
{
public:
    explicit ClientImporter(ClientBook &book) : m_book(book) {}

    // Called after each client added, with the count so far in this file.
    void setProgress(std::function<void(int)> progress) { m_progress = std::move(progress); }

    // A file by its name: ".csv" a client list; ".num" the recent list when
    // it is the program's own recent list file or has more than one line,
    // else a saved person.
    void importFile(const QString &path, ImportReport &report, ImportKind kind = ImportKind::Guess);
    // The bytes of a file; label names it in the report.
    void importBytes(const QByteArray &bytes, const QString &label, ImportKind kind, ImportReport &report);

private:
    bool addRows(const QString &label, const QVector<QPair<int, PersonInput>> &rows, ImportReport &report);
    void importCsv(const QByteArray &bytes, const QString &label, ImportReport &report);
    void importPersons(const QByteArray &bytes, const QString &label, ImportKind kind, ImportReport &report);

    ClientBook &m_book;
    std::function<void(int)> m_progress;
};

// The CSV client list of the clients (the columns ClientList reads, names
// as typed).
QByteArray clientsCsv(const QVector<PersonInput> &clients);

// The persons of the book with the given ids, or of the whole book when
// ids is empty, in id order.
QVector<PersonInput> bookPersons(ClientBook &book, const QVector<qint64> &ids = {});

// Writes the CSV through the checked writer; false with error set.
bool exportCsv(ClientBook &book, const QString &path, const QVector<qint64> &ids, QString *error);

// One saved person file per client into folder, named from the client's
// name (ClientFileNames); a name whose file is there already takes the next
// counter, so no file is replaced. The names written go to written.
bool exportPersonFiles(ClientBook &book, const QString &folder, const QVector<qint64> &ids,
                       QStringList *written, QString *error);
