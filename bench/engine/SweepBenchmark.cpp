// One complete run of each sweep at the window's defaults (pure methane, ratio 2.5,
// 860 C, 25 atm, dry gas), with the real clock as the random seed; the ratio sweep also
// on the standard thermodynamic data.

#include "engine/Engine.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<quorvel::Engine> DefaultEngine() {
    auto engine = std::make_unique<quorvel::Engine>();
    quorvel::InitialSetData(*engine);
    engine->InputRatio = 2.5;
    engine->InputTemperature = 860;
    engine->processConditions.InputPressure = 25;
    return engine;
}

void RunMode(benchmark::State& state, int XAxisMode,
             quorvel::ConstantsSource constants = quorvel::ConstantsSource::Builtin,
             bool plant = false) {
    auto engine = DefaultEngine();
    engine->constants = constants;
    if (plant) {
        engine->inlet = {true, 520, true, 400};
        engine->approach = {15, 5};
    }
    for (auto _ : state) {
        quorvel::RunSweep(*engine, quorvel::AllSweptParameters[XAxisMode],
                          quorvel::ResultView::Dry);
        benchmark::DoNotOptimize(engine->resultSeries.CH4[0]);
    }
}

} // namespace

// Named by the swept parameter, so that --benchmark_filter=ratio picks one mode.
BENCHMARK_CAPTURE(RunMode, sweep_ratio, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunMode, sweep_temperature, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunMode, sweep_pressure, 2)->Unit(benchmark::kMicrosecond);
// The default ratio sweep on the standard thermodynamic data, to compare with sweep_ratio.
BENCHMARK_CAPTURE(RunMode, sweep_ratio_standard_data, 0, quorvel::ConstantsSource::Standard)
    ->Unit(benchmark::kMicrosecond);
// The temperature sweep (new constants at every point) from inlet temperatures with an
// approach to equilibrium, to compare with sweep_temperature on the same data.
BENCHMARK_CAPTURE(RunMode, sweep_temperature_approach, 1, quorvel::ConstantsSource::Builtin, true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunMode, sweep_temperature_standard_data, 1, quorvel::ConstantsSource::Standard)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RunMode, sweep_temperature_standard_data_approach, 1,
                  quorvel::ConstantsSource::Standard, true)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
