// The name finder: names numbered per second on one core. The chart's four
// core numbers of every listed name before a surname (the way through
// CalcCoreNumbers), the same numbers by the engine's fast path with every
// word summed afresh, the finder's search of the whole given-name list
// (fixed words summed once), and spelling variants of one name.

#include "engine/cnumerology.h"
#include "names/namefinder.h"

#include <QFile>

#include <benchmark/benchmark.h>

namespace {

const QVector<GivenName> &listedNames()
{
    static const QVector<GivenName> names = [] {
        QVector<GivenName> read;
        QString error;
        LoadGivenNames(QStringLiteral(SORVEL_GIVEN_NAMES_SOURCE), read, error);
        return read;
    }();
    return names;
}

// Varied full names: each listed name before one of four surnames.
const QStringList &variedNames()
{
    static const QStringList names = [] {
        const char *const surnames[] = {" SMITH", " GARCIA", " NGUYEN", " O BRIEN"};
        QStringList out;
        int i = 0;
        for (const GivenName &given : listedNames())
            out.append(given.name + QLatin1String(surnames[i++ % 4]));
        return out;
    }();
    return names;
}

void BM_CoreNumbersThroughTheChart(benchmark::State &state)
{
    const QStringList &names = variedNames();
    if (names.isEmpty()) {
        state.SkipWithError("the given-name list was not found");
        return;
    }
    CNumerology engine;
    PersonRecord person;
    person.birthDate = QDate(1990, 5, 17);
    int i = 0;
    for (auto _ : state) {
        person.fullName = names.at(i);
        benchmark::DoNotOptimize(engine.CalcCoreNumbers(person));
        i = (i + 1) % names.size();
    }
    state.counters["names_per_s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CoreNumbersThroughTheChart);

void BM_CoreNumbersFastPath(benchmark::State &state)
{
    const QStringList &names = variedNames();
    if (names.isEmpty()) {
        state.SkipWithError("the given-name list was not found");
        return;
    }
    CNumerology engine;
    // The Life Path of one birth date is taken once per search, as the finder does.
    const int lifePath = engine.LifePathOf(QDate(1990, 5, 17));
    QVarLengthArray<WordNumberSums, 8> sums;
    int i = 0;
    for (auto _ : state) {
        const QString &name = names.at(i);
        sums.clear();
        int start = 0;
        for (int k = 0; k <= name.size(); ++k) {
            if (k == name.size() || name.at(k) == QLatin1Char(' ')) {
                sums.append(engine.WordNumbers(QStringView(name).mid(start, k - start), 0));
                start = k + 1;
            }
        }
        const NameNumbers numbers = engine.NameNumbersOf(sums.constData(), sums.size());
        benchmark::DoNotOptimize(numbers);
        benchmark::DoNotOptimize(lifePath);
        i = (i + 1) % names.size();
    }
    state.counters["names_per_s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CoreNumbersFastPath);

// The window's list search: every listed name before a middle name and a
// surname, constraints that most names miss, the results ranked.
void BM_FinderWholeList(benchmark::State &state)
{
    const QVector<GivenName> &names = listedNames();
    if (names.isEmpty()) {
        state.SkipWithError("the given-name list was not found");
        return;
    }
    NameSettings settings;
    settings.birthDate = QDate(1990, 5, 17);
    NameConstraints constraints;
    constraints.expression = {1, 8, 22};
    constraints.noKarmicDebt = true;
    const NameFinder finder(settings, constraints);
    size_t found = 0;
    for (auto _ : state) {
        const QVector<NameResult> results = finder.findInList(names, QStringLiteral("ROSE SMITH"));
        found = size_t(results.size());
        benchmark::DoNotOptimize(results.constData());
    }
    state.counters["names_per_s"] =
        benchmark::Counter(double(state.iterations()) * names.size(), benchmark::Counter::kIsRate);
    state.counters["found"] = double(found);
}
BENCHMARK(BM_FinderWholeList)->Unit(benchmark::kMillisecond);

// The window's variants search: every spelling two edits from a name.
void BM_FinderVariants(benchmark::State &state)
{
    NameSettings settings;
    settings.birthDate = QDate(1990, 5, 17);
    NameConstraints constraints;
    constraints.expression = {1, 8, 22};
    const NameFinder finder(settings, constraints);
    finder.findVariants(QStringLiteral("KATHERINE ANN SMITH"), 0);
    const int variants = NameVariants({"KATHERINE", "ANN", "SMITH"}, 0).size() + 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(finder.findVariants(QStringLiteral("KATHERINE ANN SMITH"), 0).size());
    state.counters["variants"] = variants;
    state.counters["names_per_s"] =
        benchmark::Counter(double(state.iterations()) * variants, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FinderVariants)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
