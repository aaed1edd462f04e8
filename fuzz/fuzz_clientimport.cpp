// The client book's import: any bytes, read as a client list ('c' first),
// a saved person ('s') or the recent list ('r'), into a book in memory.
// Whatever the bytes, the book adds exactly the clients it reports, each
// problem carries a reason, and no client is in the book twice.

#include "clients/clientimport.h"
#include "files/clientlist.h"
#include "fuzzcheck.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include <cstdint>

namespace {

ClientBook &book()
{
    // Qt loads its SQL drivers through the application object.
    static int argc = 1;
    static char name[] = "fuzz_clientimport";
    static char *argv[] = {name, nullptr};
    // Both live until the process ends: destroyed at exit, the book would
    // outlive Qt SQL's own list of connections.
    static QCoreApplication *application = new QCoreApplication(argc, argv);
    static ClientBook *memory = new ClientBook;
    (void)application;
    if (!memory->isOpen())
        fuzzCheck(memory->open(QStringLiteral(":memory:")), "a book in memory opens");
    return *memory;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1 || size > size_t(ClientList::MAX_FILE_BYTES))
        return 0;
    ClientBook &clients = book();
    QSqlQuery(QStringLiteral("DELETE FROM clients"), clients.database());
    const char kind = char(data[0]);
    const ImportKind how = kind == 'c' ? ImportKind::Csv : kind == 'r' ? ImportKind::RecentList : ImportKind::SavedPerson;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data) + 1, int(size - 1));

    ClientImporter importer(clients);
    ImportReport report;
    importer.importBytes(bytes, QStringLiteral("input"), how, report);
    fuzzCheck(report.bookError.isEmpty(), "a book in memory never fails");
    fuzzCheck(clients.clientCount() == report.added, "the book holds exactly the clients reported as added");
    fuzzCheck(report.problems.size() == report.duplicates + report.unusable, "every skipped line is listed");
    for (const ImportProblem &problem : report.problems)
        fuzzCheck(!problem.reason.isEmpty(), "a skipped line says why");
    QSqlQuery twice(QStringLiteral("SELECT count(*) FROM clients GROUP BY duplicate_key HAVING count(*) > 1"),
                    clients.database());
    fuzzCheck(!twice.next(), "no client is in the book twice");
    return 0;
}
