// Loading interpretation data files: the program's own size, and a 30 MB
// file of ten million short lines, either all under one header or spread
// over every plain text entry. Each run reports the process's peak resident
// memory; run one benchmark per process (--benchmark_filter) to read it for
// that case alone.

#include "shippeddata.h"
#include "texts/textcipher.h"
#include "texts/textstore.h"
#include "texts/textfixture.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

const int SHORT_LINES = 10 * 1000 * 1000;
const int LINES_PER_HEADER = 100;

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

double peakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

// Ten million enciphered one-letter lines (three bytes each with the line
// end); with spread, a header every LINES_PER_HEADER lines, cycling through
// topics 101..131 and numbers 0..99.
QString shortLinesFile(bool spread)
{
    const QString path =
        folder().filePath(spread ? QStringLiteral("spread.dat") : QStringLiteral("one-entry.dat"));
    if (QFile::exists(path))
        return path;
    QByteArrayList letters;
    for (char c = 'a'; c <= 'z'; ++c)
        letters.append(encipherLine(QByteArray(1, c)) + '\n');
    QByteArray bytes;
    bytes.reserve(SHORT_LINES * 3 + SHORT_LINES / LINES_PER_HEADER * 13 + 16);
    int entry = 0;
    for (int i = 0; i < SHORT_LINES; ++i) {
        if (i == 0 || (spread && i % LINES_PER_HEADER == 0)) {
            bytes += encipherLine(header(101 + entry / 100 % 31, entry % 100).toLatin1()) + '\n';
            ++entry;
        }
        bytes += letters.at(i % letters.size());
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

void loadEachIteration(benchmark::State &state, const QString &path)
{
    if (path.isEmpty()) {
        state.SkipWithError("cannot write the fixture data file");
        return;
    }
    for (auto _ : state) {
        TextStore store;
        if (!store.loadFile(path)) {
            state.SkipWithError("the data file was not loaded");
            return;
        }
        benchmark::DoNotOptimize(store.text(101, 1).size());
        state.PauseTiming(); // the store's release is not part of loading
        store = TextStore();
        state.ResumeTiming();
    }
    state.counters["file_mb"] = double(QFile(path).size()) / (1024.0 * 1024.0);
    state.counters["peak_rss_mb"] = peakResidentMegabytes();
}

// Two paragraphs of some 120 words for every entry the numerology report
// reads: about the size of the program's own data file.
void BM_LoadReportTexts(benchmark::State &state)
{
    const QString path = folder().filePath(QStringLiteral("report.dat"));
    loadEachIteration(state, writeDataFile(path, reportSource(2, 120)) ? path : QString());
}
BENCHMARK(BM_LoadReportTexts)->Unit(benchmark::kMillisecond);

// The data file the program ships, as it loads at start-up.
void BM_LoadShippedDataFile(benchmark::State &state)
{
    loadEachIteration(state, shippedDataFile());
}
BENCHMARK(BM_LoadShippedDataFile)->Unit(benchmark::kMillisecond);

void BM_LoadShortLinesOneEntry(benchmark::State &state)
{
    loadEachIteration(state, shortLinesFile(false));
}
BENCHMARK(BM_LoadShortLinesOneEntry)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_LoadShortLinesSpread(benchmark::State &state)
{
    loadEachIteration(state, shortLinesFile(true));
}
BENCHMARK(BM_LoadShortLinesSpread)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

BENCHMARK_MAIN();
