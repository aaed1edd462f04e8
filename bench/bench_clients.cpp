// The client book at 100,000 clients: importing a client list of that size,
// opening the book with the page's first rows, and one keystroke of the
// search (the model reads its first page again). Run one case per process
// to read its peak memory:
//   build/bin/bench_clients --benchmark_filter=Keystroke

#include "clients/clientimport.h"
#include "clients/clienttablemodel.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

const int CLIENTS = 100000;

// 40 x 50 x 50 different full names, birth dates spread over sixty years.
QByteArray clientList()
{
    static const char *const FIRST[] = {
        "John", "Mary", "Anna", "Peter", "Laura", "James", "Linda", "Robert", "Susan", "Michael",
        "Karen", "David", "Nancy", "Paul", "Lisa", "Mark", "Helen", "George", "Sandra", "Kevin",
        "Donna", "Brian", "Carol", "Edward", "Ruth", "Ronald", "Sharon", "Jason", "Emily", "Jeffrey",
        "Sarah", "Ryan", "Kim", "Jacob", "Amy", "Gary", "Angela", "Eric", "Anne", "Frank"};
    static const char *const MIDDLE[] = {
        "Adam", "Beth", "Carl", "Dora", "Emil", "Faye", "Glen", "Hope", "Ivan", "Jane",
        "Kurt", "Lena", "Max", "Nora", "Otto", "Pia", "Quinn", "Rose", "Saul", "Tess",
        "Uma", "Vera", "Walt", "Xena", "Yves", "Zoe", "Abel", "Bea", "Cole", "Dina",
        "Eli", "Fern", "Gus", "Hana", "Ira", "Joy", "Kai", "Lou", "Mae", "Ned",
        "Ona", "Pat", "Ray", "Sue", "Tom", "Ula", "Van", "Wren", "Yan", "Zed"};
    static const char *const LAST[] = {
        "Smith", "Jones", "Brown", "Taylor", "Wilson", "Davies", "Evans", "Thomas", "Johnson", "Roberts",
        "Walker", "Wright", "Thompson", "White", "Hughes", "Edwards", "Green", "Hall", "Wood", "Harris",
        "Lewis", "Martin", "Jackson", "Clarke", "Clark", "Turner", "Hill", "Scott", "Cooper", "Morris",
        "Ward", "Moore", "King", "Watson", "Baker", "Harrison", "Morgan", "Patel", "Young", "Allen",
        "Mitchell", "James", "Anderson", "Phillips", "Lee", "Bell", "Parker", "Davis", "Shaw", "Lloyd"};
    QByteArray text = "full name,birth date\n";
    text.reserve(CLIENTS * 40);
    const QDate first(1950, 1, 1);
    for (int n = 0; n < CLIENTS; ++n) {
        text += FIRST[n % 40];
        text += ' ';
        text += MIDDLE[(n / 40) % 50];
        text += ' ';
        text += LAST[(n / 2000) % 50];
        text += ',';
        text += first.addDays((n * 7919) % 21900).toString(Qt::ISODate).toLatin1();
        text += '\n';
    }
    return text;
}

// A book of 100,000 clients made once per process.
const QString &fullBook()
{
    static QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("clients.sqlite"));
    static bool made = false;
    if (!made) {
        ClientBook book;
        book.open(path);
        ClientImporter importer(book);
        ImportReport report;
        importer.importBytes(clientList(), QStringLiteral("list"), ImportKind::Csv, report);
        made = true;
    }
    return path;
}

void setPeakMemory(benchmark::State &state)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024.0;
}

void BM_ImportCsv(benchmark::State &state)
{
    const QByteArray list = clientList();
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir folder;
        ClientBook book;
        book.open(folder.filePath(QStringLiteral("clients.sqlite")));
        state.ResumeTiming();
        ClientImporter importer(book);
        ImportReport report;
        importer.importBytes(list, QStringLiteral("list"), ImportKind::Csv, report);
        if (report.added != CLIENTS)
            state.SkipWithError("not every client was added");
    }
    setPeakMemory(state);
}
BENCHMARK(BM_ImportCsv)->Unit(benchmark::kMillisecond)->Iterations(1);

// What showing the page costs: the book opened and its first rows read.
void BM_OpenPage(benchmark::State &state)
{
    const QString path = fullBook();
    for (auto _ : state) {
        ClientBook book;
        if (!book.open(path))
            state.SkipWithError("the book did not open");
        ClientTableModel model(&book);
        benchmark::DoNotOptimize(model.rowCount());
    }
    setPeakMemory(state);
}
BENCHMARK(BM_OpenPage)->Unit(benchmark::kMillisecond);

// One keystroke: the typed text so far, read again from the first page.
void BM_SearchKeystroke(benchmark::State &state)
{
    static const char *const TYPED[] = {"s", "smi", "smith ja", "lp:7", "ex:8 mar", "1975", "1980-03-01", "zzz"};
    const char *typed = TYPED[state.range(0)];
    ClientBook book;
    book.open(fullBook());
    ClientTableModel model(&book);
    for (auto _ : state) {
        model.setSearch(QLatin1String(typed));
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.SetLabel(typed);
    setPeakMemory(state);
}
BENCHMARK(BM_SearchKeystroke)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

// Scrolling through the whole book a page at a time: memory grows with the
// rows shown, never with the book.
void BM_ScrollPages(benchmark::State &state)
{
    ClientBook book;
    book.open(fullBook());
    for (auto _ : state) {
        ClientTableModel model(&book);
        for (int page = 0; page < state.range(0) && model.canFetchMore(QModelIndex()); ++page)
            model.fetchMore(QModelIndex());
        benchmark::DoNotOptimize(model.rowCount());
    }
    setPeakMemory(state);
}
BENCHMARK(BM_ScrollPages)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv); // Qt loads its SQL drivers through it
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
