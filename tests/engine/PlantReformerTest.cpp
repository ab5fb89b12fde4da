// The reformer as a plant specifies it: the heat duty from the inlet temperatures, the
// approach to equilibrium in the sweep, and the approach read back from the outlet gas.

#include "EngineTestSupport.h"

#include "engine/ApproachReadBack.h"
#include "engine/EquilibriumModel.h"
#include "engine/Thermochemistry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace quorvel {
namespace {

using testing::AmountsOfWetPoint;
using testing::ConditionsOfPoint;
using testing::DefaultEngine;
using testing::SetFeed;

constexpr Species FeedSpecies[FeedComponentCount] = {Species::CH4,   Species::C2H6, Species::C3H8,
                                                     Species::C4H10, Species::N2,   Species::CO,
                                                     Species::CO2,   Species::H2,   Species::H2O};

// The duty as an energy balance of the reformer: what leaves (the wet product amounts
// at the outlet temperature) less what enters (every feed component at its own inlet
// temperature and the steam at its own), in kJ per mol of feed gas.
double EnergyBalanceKj(const Engine& engine, int i, double ratio, double outletCelsius,
                       double feedCelsius, double steamCelsius) {
    const testing::WetAmounts a = AmountsOfWetPoint(engine, i, ratio);
    const double T = outletCelsius + 273.15;
    const double out =
        a.ch4 * EnthalpyJPerMol(Species::CH4, T) + a.co * EnthalpyJPerMol(Species::CO, T) +
        a.co2 * EnthalpyJPerMol(Species::CO2, T) + a.h2 * EnthalpyJPerMol(Species::H2, T) +
        a.n2 * EnthalpyJPerMol(Species::N2, T) + a.h2o * EnthalpyJPerMol(Species::H2O, T);
    double in = ratio * EnthalpyJPerMol(Species::H2O, steamCelsius + 273.15);
    for (int k = 0; k < FeedComponentCount; ++k)
        in +=
            engine.feedComposition[k] / 100 * EnthalpyJPerMol(FeedSpecies[k], feedCelsius + 273.15);
    return (out - in) / 1000;
}

TEST(PlantReformer, HeatDutyFromInletTemperaturesIsTheEnergyBalance) {
    for (const auto* feed : {&testing::Methane, &testing::NaturalGas}) {
        for (const ConstantsSource source : {ConstantsSource::Builtin, ConstantsSource::Standard}) {
            for (const double feedIn : {400.0, 520.0, 650.0}) {
                const double steamIn = 1050 - feedIn; // 650, 530, 400: never equal to feedIn
                auto engine = DefaultEngine();
                SetFeed(*engine, *feed);
                engine->constants = source;
                engine->inlet = {true, feedIn, true, steamIn};
                RunSweep(*engine, SweptParameter::Ratio, ResultView::Wet);
                for (int i = 0; i <= engine->resultSeries.LastIndex; ++i) {
                    const double s = ConditionsOfPoint(*engine, 0, i).ratio;
                    const double expected = EnergyBalanceKj(*engine, i, s, 860, feedIn, steamIn);
                    const std::string at =
                        "feed " + std::to_string(feedIn) + " point " + std::to_string(i);
                    ASSERT_TRUE(testing::Near("heat duty", engine->figures.HeatDuty[i], expected,
                                              1e-9 * std::fabs(expected)))
                        << at;
                }
            }
        }
    }
}

TEST(PlantReformer, HeatDutyOfTheWorkedExample) {
    // Pure methane, S/C 3, 880 C (index 13 of the temperature sweep), 25 bar = 24.673 atm,
    // standard data: the isothermal figure, then from 520 C and from 620 C inlets.
    auto engine = DefaultEngine();
    engine->constants = ConstantsSource::Standard;
    engine->InputRatio = 3;
    engine->processConditions.InputPressure = 25 / 1.01325;
    const double inlets[] = {-1, 520, 620};
    const double duties[] = {183.7, 254.0, 235.6};
    for (int k = 0; k < 3; ++k) {
        engine->inlet = inlets[k] < 0 ? InletTemperatures{}
                                      : InletTemperatures{true, inlets[k], true, inlets[k]};
        RunSweep(*engine, SweptParameter::Temperature, ResultView::Dry);
        ASSERT_EQ(engine->resultSeries.XValue[13], 880);
        EXPECT_NEAR(engine->figures.HeatDuty[13], duties[k], 0.05) << inlets[k];
    }
}

// The outlet gas of every point of a run, read back at that point's conditions, gives
// the approach the run was made with; a zero approach reads back as zero.
void CheckReadBack(Engine& engine, SweptParameter sweep, ApproachToEquilibrium approach,
                   const std::string& where) {
    engine.approach = approach;
    RunSweep(engine, sweep, ResultView::Dry);
    auto reader = DefaultEngine();
    reader->feedComposition = engine.feedComposition;
    reader->feedTotals = engine.feedTotals;
    reader->constants = engine.constants;
    const ResultSeries& r = engine.resultSeries;
    int checked = 0;
    for (int i = 0; i <= r.LastIndex; ++i) {
        if (!engine.physicalRoot[i])
            continue;
        const testing::PointConditions pc = ConditionsOfPoint(engine, IndexOf(sweep), i);
        reader->InputRatio = pc.ratio;
        reader->InputTemperature = pc.kelvin - 273;
        reader->processConditions.InputPressure = pc.pressure;
        const MeasuredDryGas gas{100 * r.CH4[i], 100 * r.CO[i], 100 * r.CO2[i], 100 * r.H2[i],
                                 100 * r.N2[i]};
        const ApproachReadBack back = ReadBackApproach(*reader, gas);
        const std::string at = where + " point " + std::to_string(i);
        ASSERT_TRUE(back.waterPositive) << at;
        ASSERT_EQ(back.reformingFound, EquilibriumTemperatureFound::InRange) << at;
        ASSERT_EQ(back.shiftFound, EquilibriumTemperatureFound::InRange) << at;
        ASSERT_TRUE(
            testing::Near("reforming approach", back.approachReforming, approach.Reforming, 1e-6))
            << at;
        ASSERT_TRUE(testing::Near("shift approach", back.approachShift, approach.Shift, 1e-6))
            << at;
        ASSERT_TRUE(testing::Near("hydrogen balance", back.hydrogenBalancePercent, 100, 1e-9))
            << at;
        ++checked;
    }
    EXPECT_GT(checked, 20) << where;
}

TEST(PlantReformer, ApproachReadBackReturnsTheApproachOfTheRun) {
    for (const auto* feed : {&testing::Methane, &testing::NaturalGas, &testing::Mixed}) {
        for (const ConstantsSource source : {ConstantsSource::Builtin, ConstantsSource::Standard}) {
            for (const ApproachToEquilibrium approach :
                 {ApproachToEquilibrium{0, 0}, ApproachToEquilibrium{15, 5}}) {
                for (const SweptParameter sweep :
                     {SweptParameter::Ratio, SweptParameter::Temperature}) {
                    auto engine = DefaultEngine();
                    SetFeed(*engine, *feed);
                    engine->constants = source;
                    const std::string where =
                        std::string(source == ConstantsSource::Builtin ? "builtin" : "standard") +
                        " feed CH4 " + std::to_string((*feed)[0]) + " approach " +
                        std::to_string(approach.Reforming) + " sweep " +
                        std::to_string(IndexOf(sweep));
                    CheckReadBack(*engine, sweep, approach, where);
                }
            }
        }
    }
}

// A non-zero approach moves each constant alone: the product meets K1 at T - dT1 and K2
// at T + dT2, and a zero approach is the equilibrium run to the last bit.
TEST(PlantReformer, ApproachEvaluatesEachConstantAtItsOwnTemperature) {
    auto engine = DefaultEngine();
    ComputeConstants(*engine, 1133);
    const ProcessConditions plain = engine->processConditions;
    engine->approach = {20, -30};
    ComputeConstants(*engine, 1133);
    EXPECT_EQ(engine->processConditions.K1, testing::ReformingConstant(1113));
    EXPECT_EQ(engine->processConditions.K2, testing::ShiftConstant(1103));
    engine->approach = {0, 0};
    ComputeConstants(*engine, 1133);
    EXPECT_EQ(engine->processConditions.K1, plain.K1);
    EXPECT_EQ(engine->processConditions.K2, plain.K2);
}

TEST(PlantReformer, AnAnalysisThatContradictsTheFeedHasNoWater) {
    auto engine = DefaultEngine();
    engine->InputRatio = 0.2;
    // Almost all carbon as CO2 needs more oxygen than 0.2 mol steam brings.
    const ApproachReadBack back = ReadBackApproach(*engine, {1, 1, 30, 68, 0});
    EXPECT_FALSE(back.waterPositive);
    EXPECT_LT(back.water, 0);
}

// A gas far from equilibrium: each temperature found on its own side of the search range.
TEST(PlantReformer, EquilibriumTemperaturesOutsideTheSearchRangeSaySide) {
    auto engine = DefaultEngine();
    engine->InputRatio = 2;
    engine->InputTemperature = 700;
    // Almost no CO: the shift quotient exceeds K2 even at 200 C.
    const ApproachReadBack cold = ReadBackApproach(*engine, {40, 0.01, 10, 49.99, 0});
    ASSERT_TRUE(cold.waterPositive);
    EXPECT_EQ(cold.shiftFound, EquilibriumTemperatureFound::BelowRange);
    EXPECT_EQ(cold.reformingFound, EquilibriumTemperatureFound::InRange);
    EXPECT_NEAR(cold.reformingCelsius, 493.29, 0.005);
    // Almost no methane: the reforming quotient exceeds K1 even at 1500 C.
    const ApproachReadBack hot = ReadBackApproach(*engine, {0.0001, 20, 5, 74.9999, 0});
    ASSERT_TRUE(hot.waterPositive);
    EXPECT_EQ(hot.reformingFound, EquilibriumTemperatureFound::AboveRange);
    EXPECT_GT(hot.Qp1, testing::ReformingConstant(1500 + 273));
    EXPECT_LT(cold.Qp1, testing::ReformingConstant(700 + 273));
}

} // namespace
} // namespace quorvel
