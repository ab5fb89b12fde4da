// Runs on standard thermodynamic data: the constants the sweep uses, the worked points,
// balances and both equilibria at every stored point, and the reformer figures.

#include "EngineTestSupport.h"

#include "engine/EquilibriumModel.h"
#include "engine/StandardConstants.h"
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

using testing::Methane;
using testing::Mixed;
using testing::NaturalGas;

TEST(StandardData, ConstantsFollowTheChosenSource) {
    auto engine = DefaultEngine();
    ComputeConstants(*engine, 1133);
    EXPECT_EQ(engine->processConditions.K1, testing::ReformingConstant(1133));
    EXPECT_EQ(engine->processConditions.K2, testing::ShiftConstant(1133));

    engine->constants = ConstantsSource::Standard;
    // 1000 C is 1273 K for the sweep, 1273.15 K for the species data.
    ComputeConstants(*engine, 1273);
    EXPECT_NEAR(engine->processConditions.K1, 8660.73, 0.005);
    EXPECT_NEAR(engine->processConditions.K2, 0.603526, 5e-7);
    ComputeConstants(*engine, 873);
    EXPECT_NEAR(engine->processConditions.K1, 0.510055, 5e-7);
    EXPECT_NEAR(engine->processConditions.K2, 2.66329, 5e-6);
}

// Anchors: the standard data give more conversion than the correlation.
TEST(StandardData, WorkedPoints) {
    auto engine = DefaultEngine();
    engine->constants = ConstantsSource::Standard;
    // The start-up point: ratio 2.5 (index 46), 860 C, 25 atm, dry gas.
    RunSweep(*engine, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry);
    ASSERT_NEAR(engine->resultSeries.XValue[46], 2.5, 1e-12);
    EXPECT_NEAR(engine->resultSeries.CH4[46] * 100, 6.50, 0.005);

    // Steam ratio 3 (index 56), 850 C, 22.7 atm.
    engine->InputTemperature = 850;
    engine->processConditions.InputPressure = 22.7;
    RunSweep(*engine, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry);
    ASSERT_NEAR(engine->resultSeries.XValue[56], 3, 1e-12);
    EXPECT_NEAR(engine->resultSeries.CH4[56] * 100, 4.89, 0.005);
    EXPECT_NEAR(engine->figures.MethaneConversion[56] * 100, 81.6, 0.05);

    // The same point on the correlation: 80.2 % conversion, 5.37 % methane.
    engine->constants = ConstantsSource::Builtin;
    RunSweep(*engine, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry);
    EXPECT_NEAR(engine->resultSeries.CH4[56] * 100, 5.37, 0.005);
    EXPECT_NEAR(engine->figures.MethaneConversion[56] * 100, 80.2, 0.05);
}

// Balances and both equilibria (with the standard constants) at every stored point of a
// wet-basis run, each equilibrium to 1e-8 relative.
void CheckStandardPoints(const Engine& engine, int XAxisMode, const std::string& where) {
    const FeedTotals& f = engine.feedTotals;
    for (int i = 0; i <= engine.resultSeries.LastIndex; ++i) {
        const testing::PointConditions pc = ConditionsOfPoint(engine, XAxisMode, i);
        const double s = pc.ratio;
        const testing::WetAmounts a = AmountsOfWetPoint(engine, i, s);
        const double water = a.total - (a.ch4 + a.co + a.co2 + a.h2 + a.n2);
        const std::string at = where + " point " + std::to_string(i);
        ASSERT_NEAR(a.ch4 + a.co + a.co2, f.C + f.CO + f.CO2, 1e-12) << at;
        ASSERT_NEAR(a.co + 2 * a.co2 + water, f.CO + 2 * f.CO2 + f.H2O + s, 1e-12) << at;
        ASSERT_NEAR(4 * a.ch4 + 2 * a.h2 + 2 * water, 4 * f.C + 2 * f.H2 + 2 * (f.H2O + s), 1e-12)
            << at;
        ASSERT_TRUE(engine.exactRoot[i]) << at;
        const ReformingConstants k = StandardReformingConstants(pc.kelvin - 273);
        const double scale = pc.pressure / a.total;
        const double pCH4 = a.ch4 * scale, pCO = a.co * scale, pCO2 = a.co2 * scale;
        const double pH2 = a.h2 * scale, pH2O = water * scale;
        ASSERT_NEAR(pCO * pH2 * pH2 * pH2 / (pCH4 * pH2O) / k.K1, 1, 1e-8) << at;
        ASSERT_NEAR(pCO2 * pH2 / (pCO * pH2O) / k.K2, 1, 1e-8) << at;
    }
}

TEST(StandardData, BalancesAndEquilibriaHoldAtEveryStoredPoint) {
    const double* feeds[] = {Methane, NaturalGas, Mixed};
    for (const double* feed : feeds) {
        auto engine = DefaultEngine();
        engine->constants = ConstantsSource::Standard;
        SetFeed(*engine, reinterpret_cast<const double(&)[9]>(*feed));
        for (const double t : {500.0, 700.0, 860.0, 980.0}) {
            for (const double s : {1.0, 2.5, 5.0}) {
                for (const double p : {1.0, 25.0}) {
                    engine->InputTemperature = t;
                    engine->InputRatio = s;
                    engine->processConditions.InputPressure = p;
                    for (int mode = 0; mode < 3; ++mode) {
                        RunSweep(*engine, quorvel::AllSweptParameters[mode],
                                 quorvel::ResultView::Wet);
                        CheckStandardPoints(*engine, mode,
                                            "feed " + std::to_string(feed[0]) + " t " +
                                                std::to_string(t) + " s " + std::to_string(s) +
                                                " p " + std::to_string(p) + " mode " +
                                                std::to_string(mode));
                        if (::testing::Test::HasFatalFailure()) {
                            return;
                        }
                    }
                }
            }
        }
    }
}

// For pure methane the heat duty is the extents times the heats of reaction at T: the
// reforming extent x + y, the shift extent y. Both extents follow from the stored dry
// fractions: x : y = CO : CO2, x + y = the conversion.
TEST(ReformerFigures, MethaneHeatDutyIsTheExtentsTimesTheHeatsOfReaction) {
    for (ConstantsSource source : {ConstantsSource::Builtin, ConstantsSource::Standard}) {
        auto engine = DefaultEngine();
        engine->constants = source;
        for (double t = 500; t <= 980; t += 40) {
            engine->InputTemperature = t;
            RunSweep(*engine, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry);
            const double T = t + StandardKelvinOffset;
            const double dH1 = ReactionEnthalpyJPerMol(SteamReforming, T) / 1000;
            const double dH2 = ReactionEnthalpyJPerMol(WaterGasShift, T) / 1000;
            const ResultSeries& r = engine->resultSeries;
            const ReformerFigures& rf = engine->figures;
            for (int i = 0; i <= r.LastIndex; ++i) {
                const std::string at = std::to_string(t) + " C, point " + std::to_string(i) +
                                       " of source " + std::to_string(static_cast<int>(source));
                const double u = rf.MethaneConversion[i];
                const double y = u * r.CO2[i] / (r.CO[i] + r.CO2[i]);
                ASSERT_NEAR(rf.HeatDuty[i], u * dH1 + y * dH2, 1e-9 * std::fabs(u * dH1)) << at;
                ASSERT_GT(rf.HeatDuty[i], 0) << at;
                // Conversion agrees with the methane left in the dry gas, whose total is
                // 1 + 3x + 4y = 1 + 3u + y.
                ASSERT_NEAR(r.CH4[i] * (1 + 3 * u + y), 1 - u, 1e-12) << at;
                ASSERT_NEAR(rf.SteamToCarbon[i], r.XValue[i], 1e-15) << at;
                ASSERT_NEAR(rf.H2Yield[i], 3 * u + y, 1e-12) << at;
            }
        }
    }
}

TEST(ReformerFigures, FeedFiguresCountEveryComponent) {
    // 90 methane, 5 ethane, 5 water: C = 1.0, H2 = -0.05, H2O = 0.05.
    const double feed[9] = {90, 5, 0, 0, 0, 0, 0, 0, 5};
    auto engine = DefaultEngine();
    SetFeed(*engine, feed);
    const PointFigures none =
        ComputePointFigures(engine->feedComposition, engine->feedTotals, 2, 800, 0, 0);
    EXPECT_DOUBLE_EQ(none.MethaneConversion, 0);
    EXPECT_DOUBLE_EQ(none.H2Yield, -0.05);
    EXPECT_DOUBLE_EQ(none.SteamToCarbon, 2.05);
    // With no reaction the duty is that of turning the ethane into methane with hydrogen:
    // 0.05 (C2H6 + H2 = 2 CH4).
    const double T = 800 + StandardKelvinOffset;
    const double hydrogenolysis = 2 * EnthalpyJPerMol(Species::CH4, T) -
                                  EnthalpyJPerMol(Species::C2H6, T) -
                                  EnthalpyJPerMol(Species::H2, T);
    EXPECT_NEAR(none.HeatDuty, 0.05 * hydrogenolysis / 1000, 1e-9);
}

TEST(ReformerFigures, WithoutHydrocarbonsTheCarbonFiguresAreUndefinedAndNoFault) {
    // Carbon oxides, hydrogen, nitrogen and water only: C = 0, so methane can only form.
    const double feed[9] = {0, 0, 0, 0, 10, 20, 10, 50, 10};
    for (ConstantsSource source : {ConstantsSource::Builtin, ConstantsSource::Standard}) {
        auto engine = DefaultEngine();
        engine->constants = source;
        SetFeed(*engine, feed);
        ASSERT_EQ(engine->feedTotals.C, 0);
        for (int mode = 0; mode < 3; ++mode) {
            ASSERT_NO_THROW(
                RunSweep(*engine, quorvel::AllSweptParameters[mode], quorvel::ResultView::Dry));
            ASSERT_GT(engine->resultSeries.LastIndex, 20);
            for (int i = 0; i <= engine->resultSeries.LastIndex; ++i) {
                ASSERT_TRUE(std::isnan(engine->figures.MethaneConversion[i]))
                    << "sweep " << mode << ", point " << i;
                ASSERT_TRUE(std::isnan(engine->figures.H2Yield[i]))
                    << "sweep " << mode << ", point " << i;
                ASSERT_TRUE(std::isnan(engine->figures.SteamToCarbon[i]))
                    << "sweep " << mode << ", point " << i;
                ASSERT_TRUE(std::isfinite(engine->figures.HeatDuty[i]))
                    << "sweep " << mode << ", point " << i;
            }
        }
    }
}

} // namespace
} // namespace quorvel
