// One complete run of each sweep at the window's defaults (pure methane, ratio 2.5,
// 860 C, 25 atm, dry gas), with the real clock as the random seed; the ratio sweep also
// on the standard thermodynamic data. Each on both solver paths, with the CPU time per
// point; and batches of many runs: 2,772 points (three feeds, four temperatures, three
// pressures, 77 ratios each) and 1,000 cases of every sweep.

#include "engine/Engine.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using quorvel::SolverPath;

std::unique_ptr<quorvel::Engine> DefaultEngine() {
    auto engine = std::make_unique<quorvel::Engine>();
    quorvel::InitialSetData(*engine);
    engine->InputRatio = 2.5;
    engine->InputTemperature = 860;
    engine->processConditions.InputPressure = 25;
    return engine;
}

// Reports the CPU time per solved point beside the time per iteration.
void CountPoints(benchmark::State& state, double pointsPerIteration) {
    state.counters["per_point"] =
        benchmark::Counter(pointsPerIteration, benchmark::Counter::kIsIterationInvariantRate |
                                                   benchmark::Counter::kInvert);
}

constexpr int PointsOf[] = {77, 26, 31};

void RunMode(benchmark::State& state, int XAxisMode, SolverPath path,
             quorvel::ConstantsSource constants = quorvel::ConstantsSource::Builtin,
             bool plant = false) {
    auto engine = DefaultEngine();
    engine->constants = constants;
    engine->solverPath = path;
    if (plant) {
        engine->inlet = {true, 520, true, 400};
        engine->approach = {15, 5};
    }
    for (auto _ : state) {
        quorvel::RunSweep(*engine, quorvel::AllSweptParameters[XAxisMode],
                          quorvel::ResultView::Dry);
        benchmark::DoNotOptimize(engine->resultSeries.CH4[0]);
    }
    CountPoints(state, PointsOf[XAxisMode]);
}

void SetFeed(quorvel::Engine& engine, const double (&percent)[quorvel::FeedComponentCount]) {
    for (int k = 0; k < quorvel::FeedComponentCount; ++k) {
        engine.feedComposition[k] = percent[k];
    }
    quorvel::PreparationVar(engine);
}

constexpr double Feeds[3][quorvel::FeedComponentCount] = {
    {100, 0, 0, 0, 0, 0, 0, 0, 0}, {90, 5, 0, 0, 5, 0, 0, 0, 0}, {55, 5, 0, 0, 5, 5, 10, 15, 5}};

// Three feeds x four temperatures x three pressures x 77 ratios, on the standard data.
void RatioBatch(benchmark::State& state, SolverPath path) {
    auto engine = DefaultEngine();
    engine->constants = quorvel::ConstantsSource::Standard;
    engine->solverPath = path;
    for (auto _ : state) {
        for (const auto& feed : Feeds) {
            SetFeed(*engine, feed);
            for (const double t : {600.0, 700.0, 800.0, 900.0}) {
                for (const double p : {1.0, 10.0, 30.0}) {
                    engine->InputTemperature = t;
                    engine->processConditions.InputPressure = p;
                    quorvel::RunSweep(*engine, quorvel::SweptParameter::Ratio,
                                      quorvel::ResultView::Dry);
                    benchmark::DoNotOptimize(engine->resultSeries.CH4[0]);
                }
            }
        }
    }
    CountPoints(state, 3 * 4 * 3 * 77);
}

// 1,000 cases of every sweep and view, with varied ratio, temperature, pressure and feed.
void ThousandCases(benchmark::State& state, SolverPath path) {
    auto engine = DefaultEngine();
    engine->solverPath = path;
    int points = 0;
    for (int i = 0; i < 1000; ++i) {
        points += PointsOf[i % 3];
    }
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            SetFeed(*engine, Feeds[(i / 9) % 3]);
            engine->InputRatio = 0.5 + (i % 45) * 0.1;
            engine->InputTemperature = 300 + i % 681;
            engine->processConditions.InputPressure = 1 + (i % 30);
            quorvel::RunSweep(*engine, quorvel::AllSweptParameters[i % 3],
                              quorvel::AllResultViews[(i / 3) % 3]);
            benchmark::DoNotOptimize(engine->resultSeries.CH4[0]);
        }
    }
    CountPoints(state, points);
}

} // namespace

// Named by the swept parameter and the path, so that --benchmark_filter=ratio picks one
// mode and --benchmark_filter=direct one path.
BENCHMARK_CAPTURE(RunMode, sweep_ratio, 0, SolverPath::Designed)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunMode, sweep_temperature, 1, SolverPath::Designed)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunMode, sweep_pressure, 2, SolverPath::Designed)->Unit(benchmark::kMicrosecond);
// The default ratio sweep on the standard thermodynamic data, to compare with sweep_ratio.
BENCHMARK_CAPTURE(RunMode, sweep_ratio_standard_data, 0, SolverPath::Designed,
                  quorvel::ConstantsSource::Standard)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunMode, sweep_ratio_direct, 0, SolverPath::Direct)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunMode, sweep_temperature_direct, 1, SolverPath::Direct)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunMode, sweep_pressure_direct, 2, SolverPath::Direct)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunMode, sweep_ratio_standard_data_direct, 0, SolverPath::Direct,
                  quorvel::ConstantsSource::Standard)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RatioBatch, batch_2772_points, SolverPath::Designed)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RatioBatch, batch_2772_points_direct, SolverPath::Direct)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ThousandCases, batch_1000_cases, SolverPath::Designed)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ThousandCases, batch_1000_cases_direct, SolverPath::Direct)
    ->Unit(benchmark::kMillisecond);
// The temperature sweep (new constants at every point) from inlet temperatures with an
// approach to equilibrium, to compare with sweep_temperature on the same data.
BENCHMARK_CAPTURE(RunMode, sweep_temperature_approach, 1, SolverPath::Designed,
                  quorvel::ConstantsSource::Builtin, true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunMode, sweep_temperature_standard_data, 1, SolverPath::Designed,
                  quorvel::ConstantsSource::Standard)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunMode, sweep_temperature_standard_data_approach, 1, SolverPath::Designed,
                  quorvel::ConstantsSource::Standard, true)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
