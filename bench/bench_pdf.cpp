// The combined PDF of every report of a person with a partner and a pet, as
// "Save All Reports to PDF" makes it: the readings, the assembly with its
// inlined pictures, and the web engine's load and print of the cover, each
// report and the contents, bound into one file with its footer, until the
// file is written. Uses the program's own eng.dat and pictures beside the benchmark.
// Target: the whole PDF in under 3 s.

#include "webprint/genpdffromhtml.h"
#include "document/creporttools.h"
#include "engine/ccompnumerology.h"
#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"
#include "export/reportassembly.h"
#include "texts/textstore.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

PersonRecord person(const QString &full, const QString &shortName, const QDate &birth)
{
    PersonRecord record;
    record.fullName = full;
    record.shortName = shortName;
    record.birthDate = birth;
    record.forecastDate = QDate(2024, 6, 21);
    return record;
}

// Every reading of John and Mary, with Rex and the name advisor on John's
// name, and their reports.
ReportSet everyReport()
{
    const QString doc = CReportTools::programImageFolder();
    CNumerology john;
    CNumerology mary;
    CNumerology celebrities;
    CNumerology pet;
    CNumerology advisor;
    CNumerologyPMatrix johnSquare;
    CNumerologyPMatrix marySquare;
    CCompNumerology compatibility;
    for (CReportTools *engine :
         std::initializer_list<CReportTools *>{&john, &johnSquare, &compatibility, &advisor})
        engine->setImageFolder(doc);
    celebrities.setImageFolder(CReportTools::programImageFolder(QStringLiteral("doc2/")));

    john.CalcNumerology(
        person(QStringLiteral("John Quincy Smith"), QStringLiteral("John Smith"), QDate(1990, 5, 17)));
    mary.CalcNumerology(
        person(QStringLiteral("Mary Ann Jones"), QStringLiteral("Mary Jones"), QDate(1985, 11, 29)));
    celebrities.CalcCelebrities(QStringLiteral("John Quincy Smith"), QDate(1990, 5, 17), false, 0);
    johnSquare.CalcPsychomatrix(QStringLiteral("John Quincy Smith"), QDate(1990, 5, 17));
    marySquare.CalcPsychomatrix(QStringLiteral("Mary Ann Jones"), QDate(1985, 11, 29));
    compatibility.CalcCompatibility(john.result(), mary.result(), johnSquare.values(), marySquare.values(),
                                    true);
    pet.CalcPetNum(QStringLiteral("Rex"), QDate(2020, 2, 29), QDate(2024, 6, 21));
    advisor.CalcAnNum(QStringLiteral("John Quincy Smith"), QDate(1990, 5, 17), false);

    ReportSet set;
    set[NumerologyReport] = john.document();
    set[PsychomatrixReport] = johnSquare.document();
    set[CompatibilityReport] = compatibility.document();
    set[CelebritiesReport] = celebrities.document();
    set[PetReport] = pet.document();
    set[AdvisorReport] = advisor.document();
    return set;
}

// The client's document as the window prints it: with a cover.
ClientPrintJob clientJob()
{
    CoverPage cover;
    cover.clientName = QStringLiteral("John Quincy Smith");
    cover.birthDate = QDate(1990, 5, 17);
    cover.madeOn = QDate(2024, 6, 21);
    cover.numerologist = QStringLiteral("Ann Example");
    return clientPrintJob(everyReport(), ReportSelection(), false, &cover);
}

// Prints one client's document; false when the PDF was not written.
bool printPdf(const ClientPrintJob &job, const QString &pdf)
{
    QString error;
    GenPDFfromHTML *task = GenPDFfromHTML::forJob(job, pdf, nullptr, &error);
    if (!task)
        return false;
    task->setOpenWhenDone(false);
    QSignalSpy finished(task, &GenPDFfromHTML::finished);
    task->run();
    const bool ok = finished.wait(120000) && finished.first().first().toBool();
    delete task;
    return ok;
}

// The assembly alone: pictures padded and inlined, documents joined.
void BM_AssembleAllReports(benchmark::State &state)
{
    const ReportSet reports = everyReport();
    for (auto _ : state)
        benchmark::DoNotOptimize(assembleAllReports(reports, ReportSelection()).size());
    state.counters["document_chars"] = double(assembleAllReports(reports, ReportSelection()).size());
}
BENCHMARK(BM_AssembleAllReports)->Unit(benchmark::kMillisecond);

// From the readings to the written PDF, the web engine already running (the
// first iteration, run before timing, starts it).
void BM_FullPdf(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("all.pdf"));
    if (!printPdf(clientJob(), pdf)) {
        state.SkipWithError("the PDF was not written");
        return;
    }
    for (auto _ : state) {
        if (!printPdf(clientJob(), pdf)) {
            state.SkipWithError("the PDF was not written");
            return;
        }
    }
    QFile file(pdf);
    state.counters["pdf_bytes"] = double(file.size());
}
BENCHMARK(BM_FullPdf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

int main(int argc, char *argv[])
{
    prepareHeadlessWebEngine();
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("sorvel.export.debug=false"));
    TextStore::instance().load();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
