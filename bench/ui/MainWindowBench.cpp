// Speed of the main window: one whole recalculation cycle (sweep, table, chart reload,
// no painting) and the time from the window's creation to its first painted frame.

#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <memory>

#include "chart/widget/TChart.h"
#include "engine/Engine.h"
#include "chart/FontSubstitutes.h"
#include "ui/main/MainWindow.h"

namespace {

double applicationStartMs = 0;

// The widgets need an application object; it is made once, on first use, on the
// off-screen platform unless another one is asked for.
void EnsureApplication() {
    static int argc = 1;
    static char name[] = "quorvel_mainwindow_bench";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() != nullptr) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QElapsedTimer timer;
    timer.start();
    new QApplication(argc, argv); // lives until the process ends
    quorvel::InstallFontSubstitutes();
    applicationStartMs = static_cast<double>(timer.nsecsElapsed()) * 1e-6;
}

// The window is never shown, so the cycle's immediate title repaint draws nothing and the
// curves' repaint stays pending: what is timed is the computation and the reloading.
void WholeCycleWithoutPaint(benchmark::State& state) {
    EnsureApplication();
    auto engine = std::make_unique<quorvel::Engine>();
    quorvel::MainWindow form(*engine, QLocale(QLocale::Russian, QLocale::Russia));
    form.SetMessageHook([](const QString&, const QString&) {});
    form.FormActivate();
    for (auto _ : state) {
        form.FormActivate();
        benchmark::DoNotOptimize(engine->resultSeries.LastIndex);
    }
    state.counters["points"] = engine->resultSeries.LastIndex + 1;
}
BENCHMARK(WholeCycleWithoutPaint)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// From the window's creation (the engine's included) to the moment the chart, the last
// part drawn, has been painted for the first time, the first cycle's results on it.
void StartToFirstPaintedFrame(benchmark::State& state) {
    EnsureApplication();
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        auto engine = std::make_unique<quorvel::Engine>();
        auto form = std::make_unique<quorvel::MainWindow>(
            *engine, QLocale(QLocale::Russian, QLocale::Russia));
        form->show();
        auto* chart = form->findChild<quorvel::TChart*>(QStringLiteral("Chart"));
        while (chart->PaintCount() == 0) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
        state.PauseTiming();
        form.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["app_start_ms"] = applicationStartMs;
}
BENCHMARK(StartToFirstPaintedFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

BENCHMARK_MAIN();
