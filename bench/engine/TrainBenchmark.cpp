// The reformer train: the five-stage ammonia front end (pre-reformer, reformer, air-blown
// secondary to (H2 + CO)/N2 = 3, two shifts) and the three-stage hydrogen plant solved
// whole, as the window does on every change of a case.

#include <benchmark/benchmark.h>

#include <memory>

#include "engine/TrainExamples.h"
#include "engine/TrainSolver.h"

namespace {

void SolveExample(benchmark::State& state, const quorvel::TrainCase& train) {
    auto workspace = std::make_unique<quorvel::TrainWorkspace>();
    auto result = std::make_unique<quorvel::TrainResult>();
    for (auto _ : state) {
        quorvel::SolveTrain(train, *workspace, *result);
        benchmark::DoNotOptimize(result->stages[train.stageCount - 1].outlet.amounts[0]);
    }
    if (result->solvedCount != train.stageCount) {
        state.SkipWithError("a stage of the example was not solved");
    }
}

void BM_TrainAmmoniaFrontEnd(benchmark::State& state) {
    SolveExample(state, quorvel::AmmoniaFrontEndExample());
}
BENCHMARK(BM_TrainAmmoniaFrontEnd)->Unit(benchmark::kMillisecond);

void BM_TrainHydrogenPlant(benchmark::State& state) {
    SolveExample(state, quorvel::HydrogenPlantExample());
}
BENCHMARK(BM_TrainHydrogenPlant)->Unit(benchmark::kMillisecond);

} // namespace
