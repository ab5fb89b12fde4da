// What physics demands at every stored point: the elements balance between feed and
// product, both equilibria hold, and the point agrees with a root found independently.

#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <random>
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

// Balances and equilibria at point i of the last wet-basis run; `exact` tells whether
// the point stored an exact root, for which the equilibria are checked too.
::testing::AssertionResult WetPointHolds(const Engine& engine, int XAxisMode, int i, bool& exact) {
    const FeedTotals& f = engine.feedTotals;
    const testing::PointConditions pc = ConditionsOfPoint(engine, XAxisMode, i);
    const double s = pc.ratio;
    const testing::WetAmounts a = AmountsOfWetPoint(engine, i, s);
    // Water from the wet total, so that the totals are checked too.
    const double water = a.total - (a.ch4 + a.co + a.co2 + a.h2 + a.n2);
    exact = engine.exactRoot[i];
    if (!engine.physicalRoot[i]) {
        return ::testing::AssertionSuccess(); // nothing stored that a balance could hold for
    }
    for (const ::testing::AssertionResult& balance :
         {testing::Near("carbon balance", a.ch4 + a.co + a.co2, f.C + f.CO + f.CO2, 1e-12),
          testing::Near("oxygen balance", a.co + 2 * a.co2 + water, f.CO + 2 * f.CO2 + f.H2O + s,
                        1e-12),
          testing::Near("hydrogen balance", 4 * a.ch4 + 2 * a.h2 + 2 * water,
                        4 * f.C + 2 * f.H2 + 2 * (f.H2O + s), 1e-12),
          testing::Near("nitrogen balance", a.n2, f.N2, 1e-14)}) {
        if (!balance) {
            return balance;
        }
    }
    if (!exact) {
        return ::testing::AssertionSuccess();
    }
    const double scale = pc.pressure / a.total;
    const double pCH4 = a.ch4 * scale, pCO = a.co * scale, pCO2 = a.co2 * scale;
    const double pH2 = a.h2 * scale, pH2O = water * scale;
    const double reforming = pCO * pH2 * pH2 * pH2 / (pCH4 * pH2O);
    const double shift = pCO2 * pH2 / (pCO * pH2O);
    // Each amount is a difference of terms the size of the totals, so it carries an
    // absolute rounding of about 4e-16 of the total; for a trace amount (methane at
    // high temperature) that dominates the relative error of the equilibrium. Water,
    // inferred here from six stored values, carries four times as much.
    const double unit = 4e-16 * a.total;
    const double reformingBound = 1e-10 + unit * (1 / a.co + 3 / a.h2 + 1 / a.ch4 + 4 / water);
    const double shiftBound = 1e-10 + unit * (1 / a.co2 + 1 / a.h2 + 1 / a.co + 4 / water);
    const ::testing::AssertionResult reformingHolds =
        testing::Near("reforming quotient / K1", reforming / testing::ReformingConstant(pc.kelvin),
                      1, reformingBound);
    if (!reformingHolds) {
        return reformingHolds;
    }
    return testing::Near("shift quotient / K2", shift / testing::ShiftConstant(pc.kelvin), 1,
                         shiftBound);
}

// Balances and equilibria at every point of the last wet-basis run: the first point
// that breaks one, with its conditions, or success. Counts the points that stored an
// exact root into `exact`.
::testing::AssertionResult WetPointsHold(const Engine& engine, int XAxisMode,
                                         const std::string& where, int& exact) {
    for (int i = 0; i <= engine.resultSeries.LastIndex; ++i) {
        const testing::PointConditions pc = ConditionsOfPoint(engine, XAxisMode, i);
        bool pointExact = false;
        ::testing::AssertionResult holds = WetPointHolds(engine, XAxisMode, i, pointExact);
        if (!holds) {
            return holds << " at " << where << ", point " << i << " (ratio " << pc.ratio << ", "
                         << pc.kelvin << " K, " << pc.pressure << " atm)";
        }
        exact += pointExact ? 1 : 0;
    }
    return ::testing::AssertionSuccess();
}

TEST(Physics, BalancesAndEquilibriaHoldAtEveryStoredPoint) {
    const double* feeds[] = {Methane, NaturalGas, Mixed};
    const double temperatures[] = {300, 600, 860, 980};
    const double ratios[] = {0.2, 1, 2.5, 5};
    const double pressures[] = {1, 25, 30};
    int points = 0;
    int exact = 0;
    for (const double* feed : feeds) {
        auto engine = DefaultEngine();
        for (int i = 0; i < FeedComponentCount; ++i) {
            engine->feedComposition[i] = feed[i];
        }
        PreparationVar(*engine);
        for (const double t : temperatures) {
            for (const double s : ratios) {
                for (const double p : pressures) {
                    engine->InputTemperature = t;
                    engine->InputRatio = s;
                    engine->processConditions.InputPressure = p;
                    for (int mode = 0; mode < 3; ++mode) {
                        RunSweep(*engine, quorvel::AllSweptParameters[mode],
                                 quorvel::ResultView::Wet);
                        std::string where = "feed " + std::to_string(feed[0]) + " t " +
                                            std::to_string(t) + " s " + std::to_string(s) + " p " +
                                            std::to_string(p) + " mode " + std::to_string(mode);
                        ASSERT_TRUE(WetPointsHold(*engine, mode, where, exact));
                        points += engine->resultSeries.LastIndex + 1;
                    }
                }
            }
        }
    }
    // These feeds carry enough hydrogen and oxygen for a root at every condition.
    EXPECT_EQ(exact, points);
}

// The root by bisection in extended precision, along u = x + y: for each u the shift
// equation rises with y; the reforming equation then rises with u.
struct Root {
    long double x, y;
};

Root BisectRoot(const FeedTotals& f, double s, double T, double P) {
    const long double c = f.C, a = f.CO, b = f.CO2, h = f.H2, w = f.H2O;
    const long double lnK1 = -26448.20607L / T + 29.62541L;
    const long double lnK2 = 4568.56322L / T - 4.29696L;
    const long double sw = s + w;
    const auto yOf = [&](long double u) {
        long double lo = std::max(-b, -(h + 3 * u)), hi = std::min(a + u, sw - u);
        for (int i = 0; i < 200; ++i) {
            const long double y = (lo + hi) / 2, x = u - y;
            const long double g = std::log((b + y) * (3 * x + h + 4 * y)) -
                                  std::log((a + x) * (sw - x - 2 * y)) - lnK2;
            (g > 0 ? hi : lo) = y;
        }
        return (lo + hi) / 2;
    };
    long double lo = std::max({-a - b, -(a + h) / 4, -(h + sw) / 2});
    long double hi = std::min(c, sw + b);
    for (int i = 0; i < 200; ++i) {
        const long double u = (lo + hi) / 2, y = yOf(u), x = u - y;
        const long double D = 1 + s + 2 * x + 2 * y;
        const long double h2 = 3 * x + h + 4 * y;
        const long double g = std::log((a + x) * h2 * h2 * h2) -
                              std::log((c - u) * (sw - x - 2 * y)) + 2 * std::log(P / D) - lnK1;
        (g > 0 ? hi : lo) = u;
    }
    const long double u = (lo + hi) / 2, y = yOf(u);
    return {u - y, y};
}

TEST(Physics, StoredPointsAgreeWithAnIndependentRoot) {
    double largest = 0;
    const double* feeds[] = {Methane, NaturalGas, Mixed};
    for (const double* feed : feeds) {
        auto engine = DefaultEngine();
        for (int i = 0; i < FeedComponentCount; ++i) {
            engine->feedComposition[i] = feed[i];
        }
        PreparationVar(*engine);
        const FeedTotals& f = engine->feedTotals;
        for (int mode = 0; mode < 3; ++mode) {
            RunSweep(*engine, quorvel::AllSweptParameters[mode], quorvel::ResultView::Wet);
            for (int i = 0; i <= engine->resultSeries.LastIndex; ++i) {
                const testing::PointConditions pc = ConditionsOfPoint(*engine, mode, i);
                const Root root = BisectRoot(f, pc.ratio, pc.kelvin, pc.pressure);
                const double total = 1 + pc.ratio + 2 * double(root.x) + 2 * double(root.y);
                const double expected[4] = {double((f.C - root.x - root.y) / total),
                                            double((f.CO + root.x) / total),
                                            double((f.CO2 + root.y) / total),
                                            double((3 * root.x + f.H2 + 4 * root.y) / total)};
                const ResultSeries& r = engine->resultSeries;
                const double stored[4] = {r.CH4[i], r.CO[i], r.CO2[i], r.H2[i]};
                for (int k = 0; k < 4; ++k) {
                    ASSERT_NEAR(stored[k], expected[k], 1e-12)
                        << "fraction " << k << " (CH4, CO, CO2, H2) at feed " << feed[0]
                        << ", sweep " << mode << ", point " << i << " (ratio " << pc.ratio << ", "
                        << pc.kelvin << " K, " << pc.pressure << " atm)";
                    largest = std::max(largest, std::fabs(stored[k] - expected[k]));
                }
            }
        }
    }
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, largest).ptr;
    std::fputs(("largest deviation in mole fraction: " + std::string(text, end) + "\n").c_str(),
               stdout);
}

TEST(Physics, RandomFeedsAndConditionsEndCleanly) {
    std::mt19937_64 draw(20261208);
    std::uniform_real_distribution<double> unit(0, 1);
    int faults = 0, points = 0, exact = 0, physical = 0;
    for (int run = 0; run < 2000; ++run) {
        auto engine = DefaultEngine();
        // A fresh clock reading per run so that the solver's draws vary too.
        static std::uint32_t reading;
        reading = static_cast<std::uint32_t>(draw());
        engine->random.clock = +[]() { return reading; };
        double weights[9], sum = 0;
        for (double& weight : weights) {
            weight = unit(draw) < 0.5 ? 0 : unit(draw);
            sum += weight;
        }
        if (sum == 0) {
            weights[0] = sum = 1;
        }
        double percent[9];
        for (int i = 0; i < 9; ++i) {
            percent[i] = weights[i] * 100 / sum;
        }
        SetFeed(*engine, percent);
        engine->InputRatio = 0.2 + 4.8 * unit(draw);
        engine->InputTemperature = 300 + 680 * unit(draw);
        engine->processConditions.InputPressure = 1 + 29 * unit(draw);
        const int xMode = static_cast<int>(draw() % 3);
        // The direct path on the same inputs stores the same figures.
        auto direct = std::make_unique<Engine>(*engine);
        direct->solverPath = SolverPath::Direct;
        RunSweep(*direct, quorvel::AllSweptParameters[xMode], quorvel::ResultView::Wet);
        try {
            RunSweep(*engine, quorvel::AllSweptParameters[xMode], quorvel::ResultView::Wet);
        } catch (const FloatingPointError& e) {
            ++faults;
            const std::string message = e.what();
            ASSERT_TRUE(message == "Floating point division by zero" ||
                        message == "Floating point overflow" ||
                        message == "Invalid floating point operation")
                << message << " in run " << run;
            continue;
        }
        const ResultSeries& r = engine->resultSeries;
        ASSERT_EQ(r.LastIndex, xMode == 0 ? 76 : xMode == 1 ? 25 : 30) << "run " << run;
        for (int i = 0; i <= r.LastIndex; ++i) {
            const double values[] = {r.CH4[i], r.CO[i],     r.CO2[i],     r.H2[i],
                                     r.N2[i],  r.H2toCO[i], r.CO2toCO[i], r.VolumeChange[i]};
            for (const double v : values) {
                ASSERT_TRUE(std::isfinite(v) || !engine->physicalRoot[i])
                    << "run " << run << " point " << i;
            }
        }
        ASSERT_TRUE(testing::SameStoredPoints(*engine, *direct)) << "run " << run;
        points += r.LastIndex + 1;
        physical += static_cast<int>(
            std::count(engine->physicalRoot, engine->physicalRoot + r.LastIndex + 1, true));
        ASSERT_TRUE(WetPointsHold(*engine, xMode, "run " + std::to_string(run), exact));
    }
    std::fputs(("faults " + std::to_string(faults) + ", points " + std::to_string(points) +
                ", exact " + std::to_string(exact) + ", physical " + std::to_string(physical) +
                "\n")
                   .c_str(),
               stdout);
    EXPECT_GT(physical, points / 2); // the comparison of the paths saw real points
}

} // namespace
} // namespace quorvel
