// One drawing pass (layout and painting) of the main window's chart into an image:
// four curves of 77 points, at the window's design size and at full-HD size.
#include "chart/ChartLayout.h"
#include "chart/ChartModel.h"
#include "chart/ChartPainter.h"
#include "chart/TextMeasurer.h"
#include "views/ReformingChartView.h"
#include "chart/FontSubstitutes.h"
#include "views/SweepChart.h"
#include "tests/views/SyntheticSweep.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>

using namespace quorvel;

namespace {

// Fonts need a graphical application object; one is made on first use.
void EnsureApplication() {
    static int argc = 1;
    static char name[] = "quorvel_chart_bench";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    InstallFontSubstitutes();
}

void DrawingPass(benchmark::State& state) {
    EnsureApplication();
    const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    static const SyntheticSweep sweep;
    ChartModel model;
    ConfigureReformingChart(model);
    ConstructionChart(
        model, quorvel::SweepChartTexts(quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry));
    ChartDisplay(model, quorvel::ReformingCurves::Composition, sweep.Data());
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    FontTextMeasurer measure;
    ChartLayoutMemory memory;
    for (auto _ : state) {
        const ChartLayout layout = ComputeChartLayout(model, size, measure, memory);
        QPainter painter(&image);
        PaintChart(painter, model, layout, measure);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace

BENCHMARK(DrawingPass)->Args({438, 269})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
