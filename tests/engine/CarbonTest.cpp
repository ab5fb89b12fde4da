// Carbon activities at the stored points and the minimum steam ratio.
#include "EngineTestSupport.h"

#include "engine/CarbonActivity.h"
#include "engine/CarbonLimit.h"
#include "engine/EquilibriumModel.h"
#include "engine/PointCarbon.h"
#include "engine/RootRefinement.h"
#include "engine/Thermochemistry.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstring>
#include <string>

namespace quorvel {
namespace {

using testing::DefaultEngine;
using testing::SetFeed;

constexpr double PureMethane[FeedComponentCount] = {100, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr double NaturalGas[FeedComponentCount] = {90, 5, 2, 1, 1, 0.5, 0.5, 0, 0};
constexpr double Butane[FeedComponentCount] = {0, 0, 0, 100, 0, 0, 0, 0, 0};
constexpr double WetMethane[FeedComponentCount] = {40, 0, 0, 0, 0, 0, 0, 0, 60};

double Larger(const CarbonSeries& c, int i) {
    return std::max(c.Cracking[i], c.Boudouard[i]);
}

TEST(CarbonActivity, ConstantsMatchTheReferenceTable) {
    struct Row {
        double t, Kc, Kb;
    };
    // t in degrees C; Kc in bar, Kb in 1/bar, from the NASA Glenn records.
    const Row rows[] = {{600, 2.22235, 11.3027},
                        {700, 7.75602, 0.99977},
                        {800, 21.6733, 0.140471},
                        {900, 51.1393, 0.0278454},
                        {1000, 105.765, 0.00717874}};
    for (const Row& r : rows) {
        const CarbonConstants k = CarbonConstantsAt(r.t + 273.15);
        EXPECT_NEAR(k.Kc / r.Kc, 1, 5e-6) << r.t;
        EXPECT_NEAR(k.Kb / r.Kb, 1, 5e-6) << r.t;
    }
}

TEST(CarbonActivity, ZeroPartialPressuresGiveZeroOrInfinityWithoutAFault) {
    const CarbonConstants k{10, 0.1};
    std::feclearexcept(FE_ALL_EXCEPT);
    CarbonActivity a = CarbonActivityOf(k, 0.2, 0, 0.1, 0, 1, 25); // no H2, no CO
    EXPECT_EQ(a.cracking, HUGE_VAL);
    EXPECT_EQ(a.boudouard, 0);
    a = CarbonActivityOf(k, 0, 0.3, 0, 0.5, 1, 25); // no CH4, no CO2
    EXPECT_EQ(a.cracking, 0);
    EXPECT_EQ(a.boudouard, HUGE_VAL);
    a = CarbonActivityOf(k, 0, 0, 0, 0, 1, 25); // 0 over 0: nothing to form carbon from
    EXPECT_EQ(a.cracking, 0);
    EXPECT_EQ(a.boudouard, 0);
    a = CarbonActivityOf(k, 1, 1, 1e-310, 1e-300, 1, 25); // beyond the largest double
    EXPECT_EQ(a.cracking, HUGE_VAL);
    EXPECT_EQ(a.boudouard, HUGE_VAL);
    EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID));

    // A worked value: pCH4 = 0.1 * 25 * 1.01325 bar, pH2 = 0.5 * 25 * 1.01325 bar.
    a = CarbonActivityOf(k, 0.1, 0.2, 0.05, 0.5, 1, 25);
    const double bar = 25 * BarPerAtm;
    EXPECT_NEAR(a.cracking, 10 * 0.1 * bar / (0.25 * bar * bar), 1e-12);
    EXPECT_NEAR(a.boudouard, 0.1 * 0.04 * bar / 0.05, 1e-12);
}

// The start-up view: pure methane, 860 C, 25 atm, ratio 0.2..4.0.
TEST(CarbonActivity, StartUpSweepFormsCarbonBelowRatioPointNine) {
    auto engine = DefaultEngine();
    RunSweep(*engine, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry);
    const CarbonSeries& c = engine->carbonSeries;
    int forming = 0;
    for (int i = 0; i <= engine->resultSeries.LastIndex; ++i) {
        ASSERT_TRUE(c.Known[i]) << i;
        if (Larger(c, i) > 1)
            ++forming;
        ASSERT_EQ(Larger(c, i) > 1, i < 14) << "ratio " << engine->resultSeries.XValue[i];
    }
    EXPECT_EQ(forming, 14); // 0.20 .. 0.85
    EXPECT_NEAR(Larger(c, 0), 6.33, 0.01);
}

TEST(CarbonActivity, FallsAsSteamRisesAtFixedTemperatureAndPressure) {
    for (const auto* feed : {&PureMethane, &NaturalGas}) {
        for (double t : {500.0, 700.0, 860.0, 980.0}) {
            for (double p : {1.0, 25.0}) {
                auto engine = DefaultEngine();
                SetFeed(*engine, *feed);
                engine->InputTemperature = t;
                engine->processConditions.InputPressure = p;
                RunSweep(*engine, quorvel::SweptParameter::Ratio, quorvel::ResultView::Wet);
                const CarbonSeries& c = engine->carbonSeries;
                for (int i = 1; i <= engine->resultSeries.LastIndex; ++i) {
                    ASSERT_TRUE(c.Known[i] && c.Known[i - 1]);
                    ASSERT_LT(c.Cracking[i], c.Cracking[i - 1])
                        << t << " C, " << p << " atm, " << i;
                    ASSERT_LT(c.Boudouard[i], c.Boudouard[i - 1])
                        << t << " C, " << p << " atm, " << i;
                }
            }
        }
    }
}

// With the equilibrium solved on the same standard data, the gas is at equilibrium
// with the dry reforming CH4 + CO2 = 2 CO + 2 H2, and the two activities agree.
TEST(CarbonActivity, BothActivitiesAgreeAtEquilibriumWithStandardConstants) {
    int checked = 0;
    for (const auto* feed : {&PureMethane, &NaturalGas, &WetMethane}) {
        auto engine = DefaultEngine();
        SetFeed(*engine, *feed);
        for (double t = 400; t <= 980; t += 58) {
            for (double ratio : {0.3, 1.0, 3.0}) {
                for (double p : {1.0, 12.0, 30.0}) {
                    ProcessConditions& pc = engine->processConditions;
                    pc.Temperature = t + 273;
                    pc.Pressure = p;
                    pc.Ratio = ratio;
                    const double T = t + StandardKelvinOffset;
                    pc.K1 = EquilibriumConstantBar(SteamReforming, T) / (BarPerAtm * BarPerAtm);
                    pc.K2 = EquilibriumConstantBar(WaterGasShift, T);
                    const RefinedRoot root = RefineRoot(*engine);
                    ASSERT_TRUE(root.exact);
                    CarbonActivity a{};
                    ASSERT_TRUE(CarbonActivityAtPoint(*engine, root.amounts, a));
                    ASSERT_NEAR(a.cracking / a.boudouard, 1, 1e-9)
                        << t << " C, ratio " << ratio << ", " << p << " atm";
                    ++checked;
                }
            }
        }
    }
    EXPECT_EQ(checked, 3 * 11 * 3 * 3);
    // The same at every stored point of sweeps run with the standard constants.
    for (int xMode = 0; xMode < 3; ++xMode) {
        auto standard = DefaultEngine();
        SetFeed(*standard, NaturalGas);
        standard->constants = ConstantsSource::Standard;
        RunSweep(*standard, quorvel::AllSweptParameters[xMode], quorvel::ResultView::Dry);
        const CarbonSeries& c = standard->carbonSeries;
        for (int i = 0; i <= standard->resultSeries.LastIndex; ++i) {
            ASSERT_TRUE(c.Known[i]);
            ASSERT_NEAR(c.Cracking[i] / c.Boudouard[i], 1, 1e-9)
                << "sweep " << xMode << ", point " << i;
        }
    }
    // The builtin constants are another fit: there the two differ.
    auto engine = DefaultEngine();
    RunSweep(*engine, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry);
    EXPECT_GT(std::fabs(engine->carbonSeries.Cracking[0] / engine->carbonSeries.Boudouard[0] - 1),
              1e-3);
}

TEST(CarbonLimit, BisectionMeetsBothTolerancesOnSyntheticActivities) {
    // Smooth, steep, and one with an unphysical stretch (infinite activity) below 0.3.
    struct Case {
        double root;
        double (*activity)(double);
    };
    const Case cases[] = {
        {1.0, [](double s) { return std::exp(3 * (1 - s)); }},
        {2.345678, [](double s) { return std::exp(400 * (2.345678 - s)); }},
        {0.7, [](double s) { return s < 0.3 ? HUGE_VAL : 0.7 / s; }},
    };
    for (const Case& c : cases) {
        const CarbonLimitResult r = FindMinimumRatio(c.activity);
        ASSERT_EQ(r.kind, CarbonLimitKind::Ratio);
        EXPECT_NEAR(r.ratio, c.root, 1e-6);
        EXPECT_GE(r.ratio, c.root - 1e-12); // never below the boundary: no carbon at the answer
        EXPECT_LE(r.activity, 1);
        EXPECT_GE(r.activity, 1 - 1e-6);
        EXPECT_LT(r.evaluations, 80);
    }
    const CarbonLimitResult always = FindMinimumRatio([](double) { return 1.5; });
    EXPECT_EQ(always.kind, CarbonLimitKind::AboveRange);
    EXPECT_EQ(always.ratio, 5);
    const CarbonLimitResult never = FindMinimumRatio([](double) { return 1.0; });
    EXPECT_EQ(never.kind, CarbonLimitKind::NoCarbon); // activity 1 itself forms no carbon
    EXPECT_EQ(never.ratio, 0);
    // A jump from carbon to none: the bracket closes to neighbouring doubles and stops.
    const CarbonLimitResult jump = FindMinimumRatio([](double s) { return s < 1.5 ? 2.0 : 0.5; });
    EXPECT_EQ(jump.kind, CarbonLimitKind::Ratio);
    EXPECT_NEAR(jump.ratio, 1.5, 1e-12);
    // Started from any guess, near or far, inside the range or not, the search from a guess
    // gives the bisection's answer to the last bit, and near the answer with fewer
    // evaluations.
    double (*const activities[])(double) = {cases[0].activity,
                                            cases[1].activity,
                                            cases[2].activity,
                                            [](double) { return 1.5; },
                                            [](double) { return 1.0; },
                                            [](double s) { return s < 1.5 ? 2.0 : 0.5; },
                                            [](double s) { return 0.5 + 4.9 - s; }};
    for (double (*const activity)(double) : activities) {
        const CarbonLimitResult full = FindMinimumRatio(activity);
        for (const double guess :
             {-1.0, 0.0, 0.29, 0.7, 1.0, 1.5, 2.345678, 3.0, 4.9, 5.0, 9.0, full.ratio,
              full.ratio - 1e-7, full.ratio + 3e-9, std::nan("")}) {
            for (const double spread : {0.0, 1e-9, 1e-6, 1e-3, 0.3, 7.0}) {
                const CarbonLimitResult near = FindMinimumRatioNear(activity, guess, spread);
                ASSERT_EQ(near.kind, full.kind) << guess << " " << spread;
                ASSERT_EQ(near.ratio, full.ratio) << guess << " " << spread;
                ASSERT_EQ(near.activity, full.activity) << guess << " " << spread;
                if (full.kind == CarbonLimitKind::Ratio && guess == full.ratio && spread == 1e-6) {
                    EXPECT_LT(near.evaluations, full.evaluations / 2)
                        << full.ratio << " " << full.evaluations;
                }
            }
        }
    }
}

TEST(CarbonLimit, TableOfTheStartUpFeedHasActivityOneAtEveryRatio) {
    auto engine = DefaultEngine();
    RunSweep(*engine, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry);
    const ProcessConditions before = engine->processConditions;
    CarbonLimitTable table{};
    ComputeCarbonLimitTable(*engine, table);
    ASSERT_EQ(table.count, 69);
    EXPECT_EQ(table.rows[0].temperature, 300);
    EXPECT_EQ(table.rows[68].temperature, 980);
    // The engine's working conditions are as the sweep left them.
    EXPECT_EQ(std::memcmp(&before, &engine->processConditions, sizeof before), 0);

    for (int i = 0; i < table.count; ++i) {
        const CarbonLimitRow& row = table.rows[i];
        ASSERT_EQ(row.limit.kind, CarbonLimitKind::Ratio) << row.temperature;
        ASSERT_TRUE(row.steamToCarbonDefined);
        ASSERT_DOUBLE_EQ(row.steamToCarbon, row.limit.ratio) // one carbon per mole of feed
            << row.temperature;
        // An independent evaluation at the answer and just below it.
        ProcessConditions& pc = engine->processConditions;
        pc.Temperature = row.temperature + 273;
        pc.Pressure = 25;
        ComputeConstants(*engine, pc.Temperature);
        const double at = LargerActivityAtRatio(*engine, row.limit.ratio);
        ASSERT_LE(at, 1) << row.temperature;
        ASSERT_GE(at, 1 - 1e-6) << row.temperature;
        ASSERT_GT(LargerActivityAtRatio(*engine, row.limit.ratio - 1e-6), 1) << row.temperature;
    }
    // At the start-up temperature the boundary lies between the marked 0.85 and 0.90.
    const CarbonLimitRow& at860 = table.rows[56];
    EXPECT_EQ(at860.temperature, 860);
    EXPECT_GT(at860.limit.ratio, 0.85);
    EXPECT_LT(at860.limit.ratio, 0.90);
}

TEST(CarbonLimit, TableFollowsTheConstantsOfTheRun) {
    auto seed = DefaultEngine();
    auto standard = DefaultEngine();
    standard->constants = ConstantsSource::Standard;
    CarbonLimitTable seedTable{};
    CarbonLimitTable standardTable{};
    ComputeCarbonLimitTable(*seed, seedTable);
    ComputeCarbonLimitTable(*standard, standardTable);
    for (int i = 0; i < 69; ++i) {
        const CarbonLimitRow& row = standardTable.rows[i];
        ASSERT_EQ(row.limit.kind, CarbonLimitKind::Ratio) << row.temperature;
        ASSERT_GE(row.limit.activity, 1 - 1e-6) << row.temperature;
        ASSERT_LE(row.limit.activity, 1) << row.temperature;
        ASSERT_NE(row.limit.ratio, seedTable.rows[i].limit.ratio) << row.temperature;
    }
}

TEST(CarbonLimit, WetFeedNeedsNoSteamAndButaneNeedsMoreThanTheRange) {
    auto wet = DefaultEngine();
    SetFeed(*wet, WetMethane); // 1.5 mol water per mol carbon already in the feed
    CarbonLimitTable table{};
    ComputeCarbonLimitTable(*wet, table);
    for (int i = 0; i < table.count; ++i) {
        ASSERT_EQ(table.rows[i].limit.kind, CarbonLimitKind::NoCarbon) << table.rows[i].temperature;
        ASSERT_EQ(table.rows[i].limit.ratio, 0) << table.rows[i].temperature;
        ASSERT_DOUBLE_EQ(table.rows[i].steamToCarbon, 1.5) << table.rows[i].temperature;
    }

    auto butane = DefaultEngine();
    SetFeed(*butane, Butane);
    butane->processConditions.InputPressure = 1;
    ComputeCarbonLimitTable(*butane, table);
    EXPECT_EQ(table.rows[0].limit.kind, CarbonLimitKind::AboveRange); // 300 C
    EXPECT_GT(table.rows[0].limit.activity, 1);
    EXPECT_EQ(table.rows[68].limit.kind, CarbonLimitKind::Ratio); // 980 C
    EXPECT_GT(table.rows[68].limit.ratio, 3.5);
}

TEST(CarbonLimit, FeedWithoutHydrocarbonsHasNoSteamToCarbonRatio) {
    auto engine = DefaultEngine();
    const double carbonMonoxide[FeedComponentCount] = {0, 0, 0, 0, 0, 100, 0, 0, 0};
    SetFeed(*engine, carbonMonoxide);
    CarbonLimitTable table{};
    ComputeCarbonLimitTable(*engine, table);
    EXPECT_FALSE(table.rows[0].steamToCarbonDefined);
    // Boudouard carbon from CO alone still needs steam to be kept away.
    EXPECT_EQ(table.rows[0].limit.kind, CarbonLimitKind::Ratio);
    EXPECT_GT(table.rows[0].limit.ratio, 1);
    EXPECT_FALSE(table.withoutCarbon);
}

TEST(CarbonLimit, FeedWithoutCarbonSaysSoInsteadOfAnyRow) {
    // Hydrogen, nitrogen or steam alone has no physical composition at any ratio; that
    // is no sign of carbon forming, and no row is made. A trace of any carbon carrier
    // gives the table back.
    const double feeds[][FeedComponentCount] = {{0, 0, 0, 0, 0, 0, 0, 100, 0},
                                                {0, 0, 0, 0, 100, 0, 0, 0, 0},
                                                {0, 0, 0, 0, 0, 0, 0, 0, 100},
                                                {0, 0, 0, 0, 0, 0, 0, 50, 50}};
    for (const auto& feed : feeds) {
        auto engine = DefaultEngine();
        SetFeed(*engine, feed);
        CarbonLimitTable table{};
        table.count = 7;
        ComputeCarbonLimitTable(*engine, table);
        EXPECT_TRUE(table.withoutCarbon);
        EXPECT_EQ(table.count, 0);
    }
    for (int carrier : {0, 1, 5, 6}) {
        auto engine = DefaultEngine();
        double feed[FeedComponentCount] = {0, 0, 0, 0, 0, 0, 0, 99, 0};
        feed[carrier] = 1;
        SetFeed(*engine, feed);
        CarbonLimitTable table{};
        ComputeCarbonLimitTable(*engine, table);
        EXPECT_FALSE(table.withoutCarbon) << carrier;
        EXPECT_EQ(table.count, 69) << carrier;
    }
}

} // namespace
} // namespace quorvel
