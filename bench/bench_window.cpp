// The window's own work: the pre-calculation that runs on every keystroke in
// the input overlay, and the full calculation behind "APPLY" (the report
// views render afterwards, on their own).

#include "app/cinputoverlay.h"
#include "app/csorvel.h"

#include <QApplication>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

#include <unistd.h>

namespace {

CSorvel *g_window = nullptr;

void typeJohn()
{
    PersonInput john;
    john.fullName = QStringLiteral("John Quincy Smith");
    john.birthDate = QDate(1990, 5, 17);
    john.partnerFullName = QStringLiteral("Mary Ann Jones");
    john.partnerBirthDate = QDate(1985, 11, 29);
    g_window->inputOverlay()->setInput(john);
}

void BM_KeystrokePreCalculation(benchmark::State &state)
{
    typeJohn();
    for (auto _ : state)
        g_window->OnTextChanged(QString());
}
BENCHMARK(BM_KeystrokePreCalculation)->Unit(benchmark::kMicrosecond);

void BM_FullCalculation(benchmark::State &state)
{
    typeJohn();
    for (auto _ : state) {
        g_window->OnCalcNum();
        QCoreApplication::processEvents(); // let the views take their pages
    }
}
BENCHMARK(BM_FullCalculation)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    g_window = new CSorvel;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    delete g_window;
    return 0;
}
