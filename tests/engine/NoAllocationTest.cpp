// A run allocates nothing: global operator new is replaced here to count allocations.

#include "EngineTestSupport.h"

#include "engine/CarbonLimit.h"
#include "engine/ReformingMap.h"
#include "engine/TargetSearch.h"
#include "engine/TrainExamples.h"
#include "engine/TrainSolver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

namespace {
int allocations = 0;
}

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace quorvel {
namespace {

TEST(NoAllocation, SweepsOfEveryModeAllocateNothing) {
    auto engine = testing::DefaultEngine();
    engine->random.clock = &TimeOfDayMilliseconds;
    const int before = allocations;
    auto counted = std::make_unique<int>(0); // the counter itself works
    EXPECT_EQ(allocations, before + 1);
    // The standard data are parsed on their first use, inside the first standard run.
    for (ConstantsSource source : {ConstantsSource::Builtin, ConstantsSource::Standard}) {
        engine->constants = source;
        for (SolverPath path : {SolverPath::Designed, SolverPath::Direct}) {
            engine->solverPath = path;
            for (int x = 0; x < 3; ++x) {
                for (int y = 0; y < 3; ++y) {
                    // The equilibrium run, then one with inlet temperatures and an approach.
                    for (const bool plant : {false, true}) {
                        engine->inlet =
                            plant ? InletTemperatures{true, 520, true, 400} : InletTemperatures{};
                        engine->approach =
                            plant ? ApproachToEquilibrium{15, 5} : ApproachToEquilibrium{};
                        const int start = allocations;
                        RunSweep(*engine, quorvel::AllSweptParameters[x],
                                 quorvel::AllResultViews[y]);
                        EXPECT_EQ(allocations, start)
                            << x << " " << y << " " << plant << " " << SolverPathWord(path);
                    }
                }
            }
        }
    }
}

TEST(NoAllocation, MinimumSteamRatioTableAllocatesNothing) {
    auto engine = testing::DefaultEngine();
    RunSweep(*engine, quorvel::SweptParameter::Ratio,
             quorvel::ResultView::Dry); // the species data are read on first use
    auto table = std::make_unique<CarbonLimitTable>();
    const int start = allocations;
    ComputeCarbonLimitTable(*engine, *table);
    EXPECT_EQ(allocations, start);
    EXPECT_EQ(table->count, 69);
}

TEST(NoAllocation, MapsAndTargetSearchAllocateNothing) {
    auto engine = testing::DefaultEngine();
    engine->constants = ConstantsSource::Standard;
    RunSweep(*engine, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry);
    auto map = std::make_unique<ReformingMap>();
    map->temperatureCount = 3;
    map->pressureCount = 2;
    for (int i = 0; i < 3; ++i)
        map->temperatures[i] = 500 + 200 * i;
    map->pressures[0] = 2;
    map->pressures[1] = 40;
    const int start = allocations;
    for (const MapFigure figure :
         {MapFigure::CarbonLimit, MapFigure::MethaneSlip, MapFigure::H2toCO})
        ComputeReformingMap(*engine, figure, *map);
    const TargetResult result =
        SearchTarget(*engine, PointFigureKind::H2toCO, 4, SweptParameter::Temperature,
                     StandardTemperatureLimits);
    EXPECT_EQ(allocations, start);
    EXPECT_EQ(result.outcome, TargetOutcome::Found);
}

TEST(NoAllocation, TrainsAllocateNothing) {
    auto workspace = std::make_unique<TrainWorkspace>();
    auto result = std::make_unique<TrainResult>();
    SolveTrain(HydrogenPlantExample(), *workspace, *result); // the species data on first use
    for (const TrainCase& train : {AmmoniaFrontEndExample(), HydrogenPlantExample()}) {
        const int start = allocations;
        SolveTrain(train, *workspace, *result);
        EXPECT_EQ(allocations, start);
        EXPECT_EQ(result->solvedCount, train.stageCount);
    }
}

} // namespace
} // namespace quorvel
