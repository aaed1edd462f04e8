// The numerology engine: a calculate-only chart (what runs on every
// keystroke in the input overlay), the four core numbers alone for the same
// person, and a full calculation with the report the program's own texts
// make.

#include "engine/cnumerology.h"
#include "engine/messagereporter.h"
#include "shippeddata.h"
#include "texts/textstore.h"

#include <benchmark/benchmark.h>

namespace {

PersonRecord threeWordPerson(bool calcOnly)
{
    PersonRecord person;
    person.fullName = QStringLiteral("John Quincy Smith");
    person.shortName = QStringLiteral("John Smith");
    person.birthDate = QDate(1990, 5, 17);
    person.forecastDate = QDate(2024, 6, 21);
    person.calcOnly = calcOnly;
    return person;
}

void BM_CalcOnlyChart(benchmark::State &state)
{
    CNumerology engine;
    const PersonRecord person = threeWordPerson(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.CalcNumerology(person));
}
BENCHMARK(BM_CalcOnlyChart);

void BM_FourCoreNumbers(benchmark::State &state)
{
    CNumerology engine;
    const PersonRecord person = threeWordPerson(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.CalcCoreNumbers(person));
}
BENCHMARK(BM_FourCoreNumbers);

void BM_FullCalculation(benchmark::State &state)
{
    const QString texts = shippedDataFile();
    if (texts.isEmpty() || !TextStore::instance().loadFile(texts)) {
        state.SkipWithError("the shipped data file eng.dat was not found beside the benchmark");
        return;
    }
    CNumerology engine;
    const PersonRecord person = threeWordPerson(false);
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine.CalcNumerology(person));
        benchmark::DoNotOptimize(engine.document().size());
    }
    state.counters["document_chars"] = double(engine.document().size());
}
BENCHMARK(BM_FullCalculation)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
