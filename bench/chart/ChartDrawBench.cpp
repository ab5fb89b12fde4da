// One drawing pass (layout and painting) of the main window's chart into an image:
// four curves of 77 points, at the window's design size and at full-HD size; and of the
// map window's chart, a colour map of 100 x 100 cells.
#include "chart/ChartLayout.h"
#include "chart/ChartModel.h"
#include "chart/ChartPainter.h"
#include "chart/TextMeasurer.h"
#include "views/MapChartView.h"
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

// A smooth field with a corner of cells without a value, as a carbon limit map has.
MapGrid HundredByHundredMap() {
    MapGrid grid;
    grid.title = QStringLiteral("Map");
    grid.valueCaption = QStringLiteral("Value");
    for (int i = 0; i < 100; ++i) {
        grid.temperatureC.push_back(300 + 10 * i);
        grid.pressure.push_back(1 + i);
    }
    for (int j = 0; j < 100; ++j)
        for (int i = 0; i < 100; ++i)
            grid.value.push_back(i + j < 20 ? std::nan("")
                                            : std::sin(0.05 * i) * std::cos(0.03 * j));
    return grid;
}

void MapDrawingPass(benchmark::State& state) {
    EnsureApplication();
    const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    ChartModel model;
    ConfigureMapChart(model);
    MapChartDisplay(model, HundredByHundredMap());
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
BENCHMARK(MapDrawingPass)->Args({438, 269})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
