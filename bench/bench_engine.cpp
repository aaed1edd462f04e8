// The numerology engine: a calculate-only chart (what runs on every
// keystroke in the input overlay) and a full calculation.

#include "engine/cnumerology.h"
#include "engine/messagereporter.h"

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

void BM_FullCalculation(benchmark::State &state)
{
    CNumerology engine;
    const PersonRecord person = threeWordPerson(false);
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine.CalcNumerology(person));
        benchmark::DoNotOptimize(engine.document().size());
    }
}
BENCHMARK(BM_FullCalculation);

} // namespace

BENCHMARK_MAIN();
