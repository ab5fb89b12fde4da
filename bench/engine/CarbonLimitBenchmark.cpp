// The whole minimum steam ratio table (69 temperatures, 300..980 C) at the window's
// defaults (pure methane, 25 atm), with either set of equilibrium constants, and a
// natural gas feed.

#include "engine/CarbonLimit.h"
#include "engine/Engine.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void CarbonLimitTable(benchmark::State& state, quorvel::ConstantsSource constants,
                      bool naturalGas) {
    auto engine = std::make_unique<quorvel::Engine>();
    quorvel::InitialSetData(*engine);
    if (naturalGas) {
        const double feed[quorvel::FeedComponentCount] = {90, 5, 2, 1, 1, 0.5, 0.5, 0, 0};
        for (int i = 0; i < quorvel::FeedComponentCount; ++i)
            engine->feedComposition[i] = feed[i];
        quorvel::PreparationVar(*engine);
    }
    engine->processConditions.InputPressure = 25;
    engine->constants = constants;
    auto table = std::make_unique<quorvel::CarbonLimitTable>();
    for (auto _ : state) {
        quorvel::ComputeCarbonLimitTable(*engine, *table);
        benchmark::DoNotOptimize(table->rows[0].limit.ratio);
    }
}

} // namespace

BENCHMARK_CAPTURE(CarbonLimitTable, builtin, quorvel::ConstantsSource::Builtin, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CarbonLimitTable, standard_data, quorvel::ConstantsSource::Standard, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CarbonLimitTable, natural_gas, quorvel::ConstantsSource::Builtin, true)
    ->Unit(benchmark::kMillisecond);
