#pragma once

// Shared set-up for the engine tests: engines at the default start, a fixed clock, and
// an independent check of the equilibrium that does not call the engine's solvers.

#include "engine/Engine.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>
#include <sstream>

namespace quorvel::testing {

inline std::uint32_t FixedClock() {
    return 43'200'000;
} // noon, every time

// A fresh engine with the window's defaults: pure methane, ratio 2.5, 860 C, 25 atm.
inline std::unique_ptr<Engine> DefaultEngine() {
    auto engine = std::make_unique<Engine>();
    InitialSetData(*engine);
    engine->InputRatio = 2.5;
    engine->InputTemperature = 860;
    engine->processConditions.InputPressure = 25;
    engine->random.clock = &FixedClock;
    return engine;
}

// Feeds the physics checks run over, per cent by volume in the feed dialog's order.
inline constexpr double Methane[FeedComponentCount] = {100, 0, 0, 0, 0, 0, 0, 0, 0};
inline constexpr double NaturalGas[FeedComponentCount] = {91.5, 2.75, 2.5, 1.25, 0.5, 1.5, 0, 0, 0};
inline constexpr double Mixed[FeedComponentCount] = {55, 5, 0, 0, 5, 5, 10, 15, 5};

inline void SetFeed(Engine& engine, const double (&percent)[FeedComponentCount]) {
    for (int i = 0; i < FeedComponentCount; ++i) {
        engine.feedComposition[i] = percent[i];
    }
    PreparationVar(engine);
}

inline double ReformingConstant(double T) {
    return std::exp(-26448.20607 / T + 29.62541);
}
inline double ShiftConstant(double T) {
    return std::exp(4568.56322 / T - 4.29696);
}

// One quantity within `bound` of what it must be, or a failure naming the quantity and
// both values. Loops over many points return the first such failure to an ASSERT, so
// that a slip in one coefficient prints one message instead of one per point.
inline ::testing::AssertionResult Near(const char* quantity, double actual, double expected,
                                       double bound) {
    if (std::fabs(actual - expected) <= bound) {
        return ::testing::AssertionSuccess();
    }
    std::ostringstream text;
    text.precision(17);
    text << quantity << " is " << actual << ", must be " << expected << " within " << bound;
    return ::testing::AssertionFailure() << text.str();
}

// Conditions of one stored point, as the sweep set them.
struct PointConditions {
    double ratio;
    double kelvin;
    double pressure;
};

inline PointConditions ConditionsOfPoint(const Engine& engine, int XAxisMode, int i) {
    const double x = engine.resultSeries.XValue[i];
    const double t = engine.InputTemperature + 273;
    const double p = engine.processConditions.InputPressure;
    switch (XAxisMode) {
    case 0:
        return {x, t, p};
    case 1:
        return {engine.InputRatio, x + 273, p};
    default:
        return {engine.InputRatio, t, x};
    }
}

// The amounts of each gas at a point stored on the wet basis, recovered from its fractions.
struct WetAmounts {
    double ch4, co, co2, h2, n2, h2o, total;
};

inline WetAmounts AmountsOfWetPoint(const Engine& engine, int i, double ratio) {
    const ResultSeries& r = engine.resultSeries;
    const FeedTotals& f = engine.feedTotals;
    WetAmounts a;
    a.total = r.VolumeChange[i] * (1 + ratio);
    a.ch4 = r.CH4[i] * a.total;
    a.co = r.CO[i] * a.total;
    a.co2 = r.CO2[i] * a.total;
    a.h2 = r.H2[i] * a.total;
    a.n2 = r.N2[i] * a.total;
    // Water is not stored; it follows from the extents the CO and CO2 amounts give.
    const double x = a.co - f.CO;
    const double y = a.co2 - f.CO2;
    a.h2o = ratio + f.H2O - x - 2 * y;
    return a;
}

// The direct path's run against the designed path's on the same inputs: the same marks at
// every point, and at every physical point the same stored values, carbon activities and
// figures, bit for bit. The first difference, or success.
inline ::testing::AssertionResult SameStoredPoints(const Engine& designed, const Engine& direct) {
    const ResultSeries& a = designed.resultSeries;
    const ResultSeries& b = direct.resultSeries;
    if (a.LastIndex != b.LastIndex) {
        return ::testing::AssertionFailure()
               << "last index " << a.LastIndex << " against " << b.LastIndex;
    }
    const auto same = [](double u, double v) {
        return std::bit_cast<std::uint64_t>(u) == std::bit_cast<std::uint64_t>(v);
    };
    for (int i = 0; i <= a.LastIndex; ++i) {
        if (designed.physicalRoot[i] != direct.physicalRoot[i] ||
            designed.exactRoot[i] != direct.exactRoot[i] ||
            designed.carbonSeries.Known[i] != direct.carbonSeries.Known[i] ||
            !same(a.XValue[i], b.XValue[i])) {
            return ::testing::AssertionFailure() << "point " << i << ": marks or X differ";
        }
        if (!designed.physicalRoot[i]) {
            continue;
        }
        const ReformerFigures& fa = designed.figures;
        const ReformerFigures& fb = direct.figures;
        const double values[][2] = {
            {a.CH4[i], b.CH4[i]},
            {a.CO[i], b.CO[i]},
            {a.CO2[i], b.CO2[i]},
            {a.H2[i], b.H2[i]},
            {a.N2[i], b.N2[i]},
            {a.VolumeChange[i], b.VolumeChange[i]},
            {a.H2toCO[i], b.H2toCO[i]},
            {a.CO2toCO[i], b.CO2toCO[i]},
            {designed.carbonSeries.Cracking[i], direct.carbonSeries.Cracking[i]},
            {designed.carbonSeries.Boudouard[i], direct.carbonSeries.Boudouard[i]},
            {fa.MethaneConversion[i], fb.MethaneConversion[i]},
            {fa.H2Yield[i], fb.H2Yield[i]},
            {fa.SteamToCarbon[i], fb.SteamToCarbon[i]},
            {fa.HeatDuty[i], fb.HeatDuty[i]}};
        for (int k = 0; k < static_cast<int>(std::size(values)); ++k) {
            if (!same(values[k][0], values[k][1])) {
                std::ostringstream text;
                text.precision(17);
                text << "point " << i << ", value " << k << ": designed " << values[k][0]
                     << ", direct " << values[k][1];
                return ::testing::AssertionFailure() << text.str();
            }
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace quorvel::testing
