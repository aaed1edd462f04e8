// A full calculation with its numerology report, the work behind the name
// button, for a three-word name with the program's own data file.

#include "engine/cnumerology.h"
#include "reports/numerologyreport.h"
#include "texts/textstore.h"
#include "shippeddata.h"

#include <benchmark/benchmark.h>

namespace {

PersonRecord threeWordPerson()
{
    PersonRecord person;
    person.fullName = QStringLiteral("John Quincy Smith");
    person.shortName = QStringLiteral("John Smith");
    person.birthDate = QDate(1990, 5, 17);
    person.forecastDate = QDate(2024, 6, 21);
    return person;
}

bool loadShippedTexts()
{
    const QString path = shippedDataFile();
    return !path.isEmpty() && TextStore::instance().loadFile(path);
}

void BM_CalculationWithReport(benchmark::State &state)
{
    if (!loadShippedTexts()) {
        state.SkipWithError("the shipped data file eng.dat was not found beside the benchmark");
        return;
    }
    CNumerology engine;
    engine.setImageFolder(QStringLiteral("/opt/sorvel/images/doc/"));
    const PersonRecord person = threeWordPerson();
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine.CalcNumerology(person));
        benchmark::DoNotOptimize(engine.document().size());
    }
    state.counters["document_chars"] = double(engine.document().size());
}
BENCHMARK(BM_CalculationWithReport)->Unit(benchmark::kMicrosecond);

// The report alone, rebuilt from a finished calculation.
void BM_ReportOnly(benchmark::State &state)
{
    if (!loadShippedTexts()) {
        state.SkipWithError("the shipped data file eng.dat was not found beside the benchmark");
        return;
    }
    CNumerology engine;
    engine.setImageFolder(QStringLiteral("/opt/sorvel/images/doc/"));
    engine.CalcNumerology(threeWordPerson());
    const TextStore &texts = TextStore::instance();
    for (auto _ : state) {
        BuildNumerologyReport(engine, texts, engine);
        benchmark::DoNotOptimize(engine.document().size());
    }
}
BENCHMARK(BM_ReportOnly)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
