// Naming the files of a batch run: a client list whose rows all share one
// name, and one of as many different names for comparison. The rows of one
// name get "-2", "-3", ... in turn; each take() should cost the same however
// many came before.

#include "files/clientfilenames.h"

#include <QString>

#include <benchmark/benchmark.h>

namespace {

void BM_OneNameForEveryRow(benchmark::State &state)
{
    const int rows = int(state.range(0));
    const QString name = QStringLiteral("John Adam Smith");
    for (auto _ : state) {
        ClientFileNames names;
        QString last;
        for (int row = 0; row < rows; ++row)
            last = names.take(name, QStringLiteral("pdf"));
        benchmark::DoNotOptimize(last);
        if (last != QStringLiteral("John_Adam_Smith-%1.pdf").arg(rows))
            state.SkipWithError("the last row was not given the last counter");
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_OneNameForEveryRow)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_DifferentNames(benchmark::State &state)
{
    const int rows = int(state.range(0));
    QStringList clients;
    for (int row = 0; row < rows; ++row)
        clients.append(QStringLiteral("Client %1").arg(row));
    for (auto _ : state) {
        ClientFileNames names;
        for (const QString &client : clients)
            benchmark::DoNotOptimize(names.take(client, QStringLiteral("pdf")));
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_DifferentNames)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
