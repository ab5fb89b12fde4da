// The working envelope: steam as S/C, pressure units, chosen ranges, the target search
// and the T x P maps, each checked against the plain sweep or the carbon limit table.

#include "EngineTestSupport.h"

#include "engine/CarbonLimit.h"
#include "engine/ReformingMap.h"
#include "engine/TargetSearch.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quorvel {
namespace {

constexpr double Wet[FeedComponentCount] = {80, 0, 0, 0, 10, 0, 0, 0, 10}; // feed water
constexpr double Heavy[FeedComponentCount] = {60, 20, 10, 10, 0, 0, 0, 0, 0};

// Each feed's S/C range is swept; the sweep's own steam_to_carbon figure, computed from
// the ratio the model received, must give back the entered S/C, and the stored root must
// be the ratio sweep's at that ratio.
TEST(Envelope, SteamToCarbonRoundTripsThroughTheModelsRatioForFiveFeeds) {
    const double* feeds[] = {testing::Methane, testing::NaturalGas, testing::Mixed, Wet, Heavy};
    for (const double* feed : feeds) {
        auto engine = testing::DefaultEngine();
        double percent[FeedComponentCount];
        std::copy(feed, feed + FeedComponentCount, percent);
        testing::SetFeed(*engine, percent);
        engine->solverPath = SolverPath::Direct;
        engine->units.steamToCarbon = true;
        engine->sweepRange = {6, 1.5, 0.5, 4, true};
        RunSweep(*engine, SweptParameter::Ratio, ResultView::Wet);
        ASSERT_EQ(engine->resultSeries.LastIndex, 5);
        auto plain = testing::DefaultEngine();
        testing::SetFeed(*plain, percent);
        plain->solverPath = SolverPath::Direct;
        for (int i = 0; i < 6; ++i) {
            const double sc = 1.5 + 0.5 * i;
            ASSERT_EQ(engine->resultSeries.XValue[i], sc);
            ASSERT_TRUE(engine->physicalRoot[i]) << feed[0] << " " << sc;
            EXPECT_NEAR(engine->figures.SteamToCarbon[i], sc, 1e-14 * sc) << feed[0];
            // The same point as a one-point ratio range.
            plain->sweepRange = {1, RatioOfSteamToCarbon(engine->feedTotals, sc), 1, 0, true};
            RunSweep(*plain, SweptParameter::Ratio, ResultView::Wet);
            // The sweep starts each point from its neighbours' roots, the single point does
            // not: the roots agree to the refinement's last bits.
            EXPECT_NEAR(plain->resultSeries.CH4[0], engine->resultSeries.CH4[i], 1e-14);
            EXPECT_NEAR(plain->wetWater[0], engine->wetWater[i], 1e-14);
        }
    }
}

// A pressure sweep in every unit over the design's grid restated in that unit solves the
// same points as the atm sweep; the conversions round-trip and meet the units' definitions.
TEST(Envelope, PressureUnitsRoundTripAndSolveTheSamePoints) {
    EXPECT_DOUBLE_EQ(PressureInUnit(1, PressureUnit::Bar), 1.01325);
    EXPECT_DOUBLE_EQ(PressureInUnit(1, PressureUnit::MPa), 0.101325);
    EXPECT_DOUBLE_EQ(PressureInAtm(1, PressureUnit::Kgf) * 101325, 98066.5);
    auto atm = testing::DefaultEngine();
    RunSweep(*atm, SweptParameter::Pressure, ResultView::Wet);
    for (const PressureUnit unit : AllPressureUnits) {
        for (double p = 1; p <= 100; p += 0.25)
            ASSERT_NEAR(PressureInAtm(PressureInUnit(p, unit), unit), p, 2e-16 * p);
        auto engine = testing::DefaultEngine();
        engine->units.pressure = unit;
        const double k = UnitsPerAtm(unit);
        engine->sweepRange = {31, 15 * k, 0.5 * k, 30 * k, false};
        RunSweep(*engine, SweptParameter::Pressure, ResultView::Wet);
        ASSERT_EQ(engine->resultSeries.LastIndex, 30);
        for (int i = 0; i <= 30; ++i) {
            EXPECT_NEAR(engine->resultSeries.XValue[i] / k, atm->resultSeries.XValue[i], 1e-13);
            EXPECT_NEAR(engine->resultSeries.H2[i], atm->resultSeries.H2[i], 1e-13) << i;
            // The wet basis adds up with the water.
            const ResultSeries& r = engine->resultSeries;
            EXPECT_NEAR(r.CH4[i] + r.CO[i] + r.CO2[i] + r.H2[i] + r.N2[i] + engine->wetWater[i], 1,
                        1e-14);
        }
    }
}

TEST(Envelope, SweepRangePointCountCountsTheEndAndRefusesEmptyRanges) {
    EXPECT_EQ(SweepRangePointCount(0.2, 4, 0.05), 77);
    EXPECT_EQ(SweepRangePointCount(400, 550, 25), 7);
    EXPECT_EQ(SweepRangePointCount(400, 549.9, 25), 6);
    EXPECT_EQ(SweepRangePointCount(1, 1, 0.1), 1);
    EXPECT_EQ(SweepRangePointCount(2, 1, 0.1), 0);
    EXPECT_EQ(SweepRangePointCount(1, 2, 0), 0);
    EXPECT_EQ(SweepRangePointCount(1, 2, -1), 0);
    EXPECT_GT(SweepRangePointCount(0, 1e300, 1e-300), ResultCapacity);
}

// Every answer is checked by a sweep through it: the sweep's figure at the answer is the
// one reported, close to the target, and the target lies between the figures two
// tolerances either side of it.
TEST(Envelope, TargetSearchAnswerIsARootOfTheSweptFigure) {
    struct Case {
        PointFigureKind figure;
        double target;
        SweptParameter parameter;
        ConstantsSource constants;
    };
    const Case cases[] = {
        {PointFigureKind::H2toCO, 2, SweptParameter::Ratio, ConstantsSource::Builtin},
        {PointFigureKind::H2toCO, 4, SweptParameter::Temperature, ConstantsSource::Standard},
        {PointFigureKind::CO2toCO, 0.05, SweptParameter::Pressure, ConstantsSource::Builtin},
        {PointFigureKind::MethaneDryPercent, 20, SweptParameter::Temperature,
         ConstantsSource::Builtin},
        {PointFigureKind::MethaneConversion, 0.8, SweptParameter::Ratio, ConstantsSource::Standard},
        {PointFigureKind::CarbonActivity, 1, SweptParameter::Ratio, ConstantsSource::Standard},
    };
    constexpr double CO2Rich[FeedComponentCount] = {70, 0, 0, 0, 0, 0, 30, 0, 0};
    for (const Case& c : cases) {
        auto engine = testing::DefaultEngine();
        testing::SetFeed(*engine,
                         c.figure == PointFigureKind::H2toCO ? CO2Rich : testing::NaturalGas);
        engine->constants = c.constants;
        engine->InputTemperature = c.figure == PointFigureKind::CarbonActivity ? 600 : 950;
        engine->InputRatio = c.figure == PointFigureKind::CarbonActivity ? 2.5 : 1;
        engine->processConditions.InputPressure = 20;
        const EntryLimits limits = EntryLimitsOf(c.parameter, c.constants);
        const TargetResult result = SearchTarget(*engine, c.figure, c.target, c.parameter, limits);
        ASSERT_EQ(result.outcome, TargetOutcome::Found)
            << static_cast<int>(c.figure) << ": " << result.lowest << ".." << result.highest;
        EXPECT_GE(result.value, limits.lower);
        EXPECT_LE(result.value, limits.upper);
        EXPECT_NEAR(result.achieved, c.target, 1e-6 * c.target);
        const double d = 2e-9 * result.value;
        const double below = FigureAtParameter(*engine, c.figure, c.parameter, result.value - d);
        const double above = FigureAtParameter(*engine, c.figure, c.parameter, result.value + d);
        EXPECT_NE(below < c.target, above < c.target) << below << " " << above;

        // The sweep through the answer stores the same figure.
        engine->sweepRange = {1, result.value, 1, result.value, true};
        engine->solverPath = SolverPath::Direct;
        RunSweep(*engine, c.parameter,
                 c.figure == PointFigureKind::MethaneDryPercent ? ResultView::Dry
                                                                : ResultView::Wet);
        const double swept[] = {
            engine->resultSeries.H2toCO[0], engine->resultSeries.CO2toCO[0],
            engine->resultSeries.CH4[0] * 100, engine->figures.MethaneConversion[0],
            std::fmax(engine->carbonSeries.Cracking[0], engine->carbonSeries.Boudouard[0])};
        EXPECT_EQ(swept[static_cast<int>(c.figure)], result.achieved) << static_cast<int>(c.figure);
    }
    // Out of reach: the span the scan met is reported and does not hold the target.
    auto engine = testing::DefaultEngine();
    const TargetResult none =
        SearchTarget(*engine, PointFigureKind::H2toCO, 20, SweptParameter::Ratio, RatioLimits);
    EXPECT_EQ(none.outcome, TargetOutcome::OutOfReach);
    EXPECT_LT(none.highest, 20);
    EXPECT_LT(none.lowest, none.highest);
}

// Every cell of a map is its single point: the methane slip and H2/CO as a sweep of that
// one point stores them, the carbon limit as the carbon limit table at that pressure finds
// it. The map's carbon-limit search starts from its neighbours' answers; the dense grid
// (that of the map benchmark) checks that those starts never change a cell, the sparse one
// that a poor start does not either.
TEST(Envelope, EveryMapCellEqualsItsSinglePoint) {
    struct Case {
        const double (*feed)[FeedComponentCount];
        double firstPressure;
        int pressureCount;
        bool figures; // also the methane slip and H2/CO
    };
    const Case cases[] = {{&testing::NaturalGas, 0, 3, true}, {&testing::Methane, 1, 50, false}};
    for (const Case& c : cases) {
        for (const ConstantsSource constants :
             {ConstantsSource::Builtin, ConstantsSource::Standard}) {
            auto engine = testing::DefaultEngine();
            testing::SetFeed(*engine, *c.feed);
            engine->constants = constants;
            engine->solverPath = SolverPath::Direct;
            auto map = std::make_unique<ReformingMap>();
            map->temperatureCount = 69;
            map->pressureCount = c.pressureCount;
            for (int t = 0; t < 69; ++t)
                map->temperatures[t] = 300 + 10 * t;
            const double sparse[] = {1, 12.5, 30};
            for (int p = 0; p < c.pressureCount; ++p)
                map->pressures[p] = c.firstPressure == 0 ? sparse[p] : c.firstPressure + p;
            auto table = std::make_unique<CarbonLimitTable>();
            for (const MapFigure figure :
                 {MapFigure::MethaneSlip, MapFigure::H2toCO, MapFigure::CarbonLimit}) {
                if (!c.figures && figure != MapFigure::CarbonLimit)
                    continue;
                ComputeReformingMap(*engine, figure, *map);
                for (int p = 0; p < c.pressureCount; ++p) {
                    engine->processConditions.InputPressure = map->pressures[p];
                    if (figure == MapFigure::CarbonLimit)
                        ComputeCarbonLimitTable(*engine, *table);
                    for (int t = 0; t < 69; ++t) {
                        const int cell = t * c.pressureCount + p;
                        double single = table->rows[t].limit.ratio;
                        if (figure != MapFigure::CarbonLimit) {
                            engine->sweepRange = {1, map->temperatures[t], 10, 0, true};
                            RunSweep(*engine, SweptParameter::Temperature,
                                     figure == MapFigure::MethaneSlip ? ResultView::Dry
                                                                      : ResultView::Wet);
                            single = figure == MapFigure::MethaneSlip
                                         ? engine->resultSeries.CH4[0] * 100
                                         : engine->resultSeries.H2toCO[0];
                        }
                        ASSERT_EQ(map->values[cell], single)
                            << static_cast<int>(figure) << " " << map->temperatures[t] << " C "
                            << map->pressures[p] << " atm";
                        if (figure == MapFigure::CarbonLimit) {
                            ASSERT_EQ(map->limits[cell], table->rows[t].limit.kind);
                        }
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace quorvel
