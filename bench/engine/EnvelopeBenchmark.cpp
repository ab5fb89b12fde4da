// The envelope's calculations at the window's defaults (pure methane, ratio 2.5): a
// 69 x 50 carbon-limit map (300..980 C by 10, 1..50 atm by 1), a 100 x 100 methane-slip
// map (500..995 C by 5, 1..100 atm by 1) and one target search (H2/CO = 2 for 70 % CH4 /
// 30 % CO2 at 950 C and 20 atm, solving for the ratio), on the standard data, which the
// map's ranges need.

#include "engine/Engine.h"
#include "engine/ReformingMap.h"
#include "engine/TargetSearch.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<quorvel::Engine> StandardEngine() {
    auto engine = std::make_unique<quorvel::Engine>();
    quorvel::InitialSetData(*engine);
    engine->constants = quorvel::ConstantsSource::Standard;
    engine->InputRatio = 2.5;
    engine->InputTemperature = 860;
    engine->processConditions.InputPressure = 25;
    return engine;
}

void Map(benchmark::State& state, quorvel::MapFigure figure, double firstT, double stepT,
         int countT, int countP) {
    auto engine = StandardEngine();
    auto map = std::make_unique<quorvel::ReformingMap>();
    map->temperatureCount = countT;
    map->pressureCount = countP;
    for (int t = 0; t < countT; ++t)
        map->temperatures[t] = firstT + t * stepT;
    for (int p = 0; p < countP; ++p)
        map->pressures[p] = 1 + p;
    for (auto _ : state) {
        quorvel::ComputeReformingMap(*engine, figure, *map);
        benchmark::DoNotOptimize(map->values[0]);
    }
}

void TargetSearch(benchmark::State& state) {
    auto engine = StandardEngine();
    engine->constants = quorvel::ConstantsSource::Builtin;
    const double feed[quorvel::FeedComponentCount] = {70, 0, 0, 0, 0, 0, 30, 0, 0};
    for (int i = 0; i < quorvel::FeedComponentCount; ++i)
        engine->feedComposition[i] = feed[i];
    quorvel::PreparationVar(*engine);
    engine->InputTemperature = 950;
    engine->processConditions.InputPressure = 20;
    for (auto _ : state) {
        const quorvel::TargetResult result =
            quorvel::SearchTarget(*engine, quorvel::PointFigureKind::H2toCO, 2,
                                  quorvel::SweptParameter::Ratio, quorvel::RatioLimits);
        benchmark::DoNotOptimize(result.value);
    }
}

} // namespace

BENCHMARK_CAPTURE(Map, carbon_limit_69x50, quorvel::MapFigure::CarbonLimit, 300, 10, 69, 50)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Map, methane_slip_100x100, quorvel::MapFigure::MethaneSlip, 500, 5, 100, 100)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(TargetSearch)->Unit(benchmark::kMicrosecond);
