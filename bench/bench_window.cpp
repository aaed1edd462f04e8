// The window's own work: the pre-calculation that runs on every keystroke in
// the input overlay, the full calculation behind "APPLY", and APPLY until
// the report views have finished loading what it gave them. The last needs
// a display (xvfb-run): the web engine draws with OpenGL.

#include "app/cinputoverlay.h"
#include "app/csorvel.h"
#include "app/myqwebengineview.h"
#include "app/reportviews.h"
#include "app/webengineswitches.h"
#include "files/configfile.h"
#include "files/datafolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QStandardPaths>
#include <QTimer>

#include <vector>

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

// Runs the event loop until every listed view has finished a load; false
// when one has not after ten seconds.
bool waitForLoads(const std::vector<MyQWebEngineView *> &views)
{
    QEventLoop loop;
    int pending = int(views.size());
    std::vector<QMetaObject::Connection> connections;
    for (MyQWebEngineView *view : views)
        connections.push_back(QObject::connect(view, &QWebEngineView::loadFinished, &loop, [&] {
            if (--pending == 0)
                loop.quit();
        }));
    bool timedOut = false;
    QTimer::singleShot(10000, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    if (pending > 0)
        loop.exec();
    for (const QMetaObject::Connection &connection : connections)
        QObject::disconnect(connection);
    return !timedOut;
}

// APPLY with a person and a partner until the report views have loaded
// their new pages (shown_ms: until the shown page's view has). Argument 0: a window just started, whose only view is the
// numerology page's (views are made when their page is first shown);
// argument 1: after every report page was visited, all seven views.
void BM_ApplyUntilReportsShown(benchmark::State &state)
{
    typeJohn();
    if (state.range(0) == 1) {
        for (auto visit : {&CSorvel::OnCtrlButPMatr, &CSorvel::OnCtrlButComp, &CSorvel::OnCtrlButCel,
                           &CSorvel::OnCtrlButPet, &CSorvel::OnCtrlButAnalize, &CSorvel::OnCtrlButGuide,
                           &CSorvel::OnCtrlButNumer})
            (g_window->*visit)();
    }
    std::vector<MyQWebEngineView *> views;
    for (int report = 0; report < CReportViews::REPORT_COUNT; ++report) {
        // The guide keeps its manual: APPLY gives it nothing to load.
        if (report == CReportViews::Guide || report == CReportViews::Advisor)
            continue;
        if (MyQWebEngineView *view = g_window->reportViews()->view(CReportViews::Report(report)))
            views.push_back(view);
    }
    waitForLoads(views); // the first pages of the new views
    // The numerology page is the one shown: when its view is done, the
    // user sees the new report; the hidden views follow.
    QElapsedTimer timer;
    double shownSeconds = 0;
    const QMetaObject::Connection shown = QObject::connect(
        views.front(), &QWebEngineView::loadFinished, [&] { shownSeconds += timer.nsecsElapsed() / 1e9; });
    for (auto _ : state) {
        timer.start();
        g_window->OnCalcNum();
        if (!waitForLoads(views)) {
            state.SkipWithError("a report view did not finish loading in 10 s");
            break;
        }
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    }
    QObject::disconnect(shown);
    state.counters["views"] = double(views.size());
    state.counters["shown_ms"] = benchmark::Counter(shownSeconds * 1000, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ApplyUntilReportsShown)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    // The web engine as the window starts it.
    std::vector<char *> args(argv, argv + argc);
    QByteArrayList switches;
    int count = WebEngineSwitches::apply(args, switches);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(count, args.data());
    // A configuration that skips the start-up guide and the update check, so
    // no modal dialog and no query interrupt the runs; then the deferred
    // start-up at once.
    AppConfig config = loadConfig(configFilePath(), previousConfigFilePath());
    config.skipGuideDialog = true;
    config.lastUpdateCheck = QDateTime::currentDateTime();
    saveConfig(configFilePath(), config);
    g_window = new CSorvel;
    g_window->resize(1100, 700);
    g_window->show();
    g_window->OnFinishedSU();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    delete g_window;
    return 0;
}
