#pragma once

// Shared set-up for the engine tests: engines at the default start, a fixed clock, and
// an independent check of the equilibrium that does not call the engine's solvers.

#include "engine/Engine.h"

#include <gtest/gtest.h>

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

} // namespace quorvel::testing
