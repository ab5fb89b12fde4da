// The three sweeps: their points, what they leave behind, and the fault path.

#include "EngineTestSupport.h"
#include "engine/FloatingPointGuard.h"
#include "engine/SolverSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

namespace quorvel {
namespace {

using testing::DefaultEngine;

// A fingerprint of the designed solver's whole course: the clock is read at every
// re-seeding, so a clock that ticks once per reading and folds the solver's state into a
// digest at each reading sees every complex search and every random return into bounds,
// in order, with the unknowns and counters as they stand there. The run's end and every
// stored point are folded in too.
struct SolverFingerprint {
    static inline const Engine* observed = nullptr;
    static inline std::uint64_t digest = 0;
    static inline std::uint32_t readings = 0;

    template <typename T> static void Fold(const T& value) {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (const unsigned char byte : bytes) {
            digest = (digest ^ byte) * 1099511628211ULL; // FNV-1a
        }
    }

    static std::uint32_t Clock() {
        const SolverWorkspace& ws = observed->workspace;
        Fold(ws.Unknowns[0]);
        Fold(ws.Unknowns[1]);
        Fold(ws.EvaluationCount);
        Fold(observed->lastSolve.Passes);
        Fold(observed->lastSolve.ComplexSearches);
        return 43'200'000 + readings++;
    }

    static void FoldRun(const Engine& engine) {
        const SolverWorkspace& ws = engine.workspace;
        for (const double value : {ws.Unknowns[0], ws.Unknowns[1], ws.Residuals[0], ws.Residuals[1],
                                   ws.ObjectiveValue, ws.ConstraintValues[0]}) {
            Fold(value);
        }
        const LoopLimitHits& hits = engine.loopLimitHits;
        for (const int count : {ws.EvaluationCount, int{ws.Success}, engine.lastSolve.Passes,
                                engine.lastSolve.ComplexSearches, hits.InitialRedraw,
                                hits.FeasibilityCorrection, hits.Halving, hits.ConstraintBackOff}) {
            Fold(count);
        }
        const ResultSeries& r = engine.resultSeries;
        for (int i = 0; i <= r.LastIndex; ++i) {
            for (const double value : {r.CH4[i], r.CO[i], r.CO2[i], r.H2[i], r.N2[i],
                                       r.VolumeChange[i], r.H2toCO[i], r.CO2toCO[i]}) {
                Fold(value);
            }
            Fold(engine.physicalRoot[i]);
        }
    }
};

TEST(Sweeps, DesignedPathIsPinnedForAFixedClock) {
    // Recorded from the designed path as it was before its speed work (the four feeds with
    // a root at every point still give that digest), then once more when points whose
    // domain is empty stopped running the solver and began to store undefined values: that
    // changed ethane's points below 1/3 only. A change of what the Newton solver or the
    // complex search computes, of the order of their draws or of the number of re-seedings
    // changes them.
    constexpr std::uint64_t expectedDigest = 6982153685837285606ULL;
    constexpr std::uint32_t expectedReadings = 30195;

    const double ethane[FeedComponentCount] = {0, 100, 0, 0, 0, 0, 0, 0, 0}; // no root below 1/3
    const double trace[FeedComponentCount] = {0.01, 0, 0, 0, 99.99, 0, 0, 0, 0};
    const double* feeds[] = {testing::Methane, testing::NaturalGas, testing::Mixed, ethane, trace};
    auto engine = DefaultEngine();
    SolverFingerprint::observed = engine.get();
    SolverFingerprint::digest = 14695981039346656037ULL;
    SolverFingerprint::readings = 0;
    engine->random.clock = &SolverFingerprint::Clock;
    for (const ConstantsSource constants : {ConstantsSource::Builtin, ConstantsSource::Standard}) {
        engine->constants = constants;
        for (const double* feed : feeds) {
            for (int i = 0; i < FeedComponentCount; ++i) {
                engine->feedComposition[i] = feed[i];
            }
            PreparationVar(*engine);
            for (const SweptParameter sweep : AllSweptParameters) {
                RunSweep(*engine, sweep, ResultView::Wet);
                SolverFingerprint::FoldRun(*engine);
            }
        }
    }
    SolverFingerprint::observed = nullptr;
    EXPECT_EQ(SolverFingerprint::readings, expectedReadings);
    EXPECT_EQ(SolverFingerprint::digest, expectedDigest);
}

TEST(Sweeps, PointCountsAndSweptValues) {
    auto engine = DefaultEngine();
    const ResultSeries& r = engine->resultSeries;

    RunSweep(*engine, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry);
    EXPECT_EQ(r.LastIndex, 76);
    EXPECT_EQ(r.XValue[0], 0.2);
    EXPECT_EQ(r.XValue[76], 3.999999999999994);
    double ratio = 0.2;
    for (int i = 0; i <= 76; ++i, ratio += 0.05) {
        ASSERT_EQ(r.XValue[i], ratio) << "point " << i; // repeated addition, never 0.2 + 0.05 i
    }
    EXPECT_EQ(engine->processConditions.Ratio, 4.049999999999994);

    RunSweep(*engine, quorvel::SweptParameter::Temperature, quorvel::ResultView::Dry);
    EXPECT_EQ(r.LastIndex, 25);
    for (int i = 0; i <= 25; ++i) {
        ASSERT_EQ(r.XValue[i], 750 + 10 * i);
    }
    EXPECT_EQ(engine->processConditions.Temperature, 1283);

    RunSweep(*engine, quorvel::SweptParameter::Pressure, quorvel::ResultView::Dry);
    EXPECT_EQ(r.LastIndex, 30);
    for (int i = 0; i <= 30; ++i) {
        ASSERT_EQ(r.XValue[i], 15 + 0.5 * i);
    }
    EXPECT_EQ(engine->processConditions.Pressure, 30.5);
}

TEST(Sweeps, ShorterRunLeavesTheLongerRunsEntries) {
    auto engine = DefaultEngine();
    const ResultSeries& r = engine->resultSeries;
    RunSweep(*engine, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry);
    const ResultSeries first = r;
    RunSweep(*engine, quorvel::SweptParameter::Temperature, quorvel::ResultView::Dry);
    EXPECT_EQ(r.LastIndex, 25);
    for (int i = 26; i <= 76; ++i) {
        ASSERT_EQ(r.CH4[i], first.CH4[i]) << "point " << i;
        ASSERT_EQ(r.H2toCO[i], first.H2toCO[i]) << "point " << i;
        ASSERT_EQ(r.VolumeChange[i], first.VolumeChange[i]) << "point " << i;
        ASSERT_EQ(r.XValue[i], first.XValue[i]) << "point " << i;
    }
    EXPECT_NE(r.XValue[25], first.XValue[25]);
}

TEST(Sweeps, SweptEntryIsIgnoredAndTheBasisOnlyRescales) {
    auto a = DefaultEngine();
    auto b = DefaultEngine();
    auto c = DefaultEngine();
    // A feed with water and inert gas, so that the dry total must take the water out.
    for (auto* engine : {a.get(), b.get(), c.get()}) {
        testing::SetFeed(*engine, {80, 2, 0, 0, 4, 3, 3, 2, 6});
    }
    b->InputRatio = 4.5; // the ratio sweep ignores the entered ratio
    RunSweep(*a, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry);
    RunSweep(*b, quorvel::SweptParameter::Ratio, quorvel::ResultView::Wet);
    RunSweep(*c, quorvel::SweptParameter::Ratio, quorvel::ResultView::ProductRatios);
    const ResultSeries& dry = a->resultSeries;
    const ResultSeries& wet = b->resultSeries;
    for (int i = 0; i <= 76; ++i) {
        ASSERT_NEAR(dry.CH4[i] + dry.CO[i] + dry.CO2[i] + dry.H2[i] + dry.N2[i], 1, 1e-14)
            << "point " << i;
        // The ratios view stores the wet composition too.
        ASSERT_EQ(c->resultSeries.CO[i], wet.CO[i]) << "point " << i;
        ASSERT_EQ(c->resultSeries.VolumeChange[i], wet.VolumeChange[i]) << "point " << i;
        ASSERT_NEAR(dry.H2toCO[i], wet.H2toCO[i], 1e-12 * dry.H2toCO[i]) << "point " << i;
        ASSERT_NEAR(dry.CO2toCO[i], wet.CO2toCO[i], 1e-12 * dry.CO2toCO[i]) << "point " << i;
        // Same extents: the wet fractions are the dry ones scaled by dry/wet total.
        const double scale = dry.VolumeChange[i] / (wet.VolumeChange[i] * (1 + dry.XValue[i]));
        EXPECT_NEAR(wet.CH4[i], dry.CH4[i] * scale, 1e-13);
        EXPECT_NEAR(wet.H2[i], dry.H2[i] * scale, 1e-13);
        EXPECT_TRUE(a->exactRoot[i] && b->exactRoot[i]);
    }
    // Temperature sweep: the constants change from point to point, so must the results.
    RunSweep(*a, quorvel::SweptParameter::Temperature, quorvel::ResultView::Dry);
    EXPECT_GT(a->resultSeries.CO[25], a->resultSeries.CO[0]);
}

TEST(Sweeps, ExactRootDoesNotDependOnTheSolversLuck) {
    auto a = DefaultEngine();
    auto b = DefaultEngine();
    b->random.clock = +[]() -> std::uint32_t { return 1234; };
    RunSweep(*a, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry);
    RunSweep(*b, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry);
    for (int i = 0; i <= 76; ++i) {
        ASSERT_NEAR(a->resultSeries.CO[i], b->resultSeries.CO[i], 1e-14) << "point " << i;
        ASSERT_NEAR(a->resultSeries.CH4[i], b->resultSeries.CH4[i], 1e-14) << "point " << i;
    }
    // The solver's own answers differ with its random draws.
    EXPECT_NE(a->workspace.Unknowns[0], b->workspace.Unknowns[0]);
}

TEST(Sweeps, WithoutAPhysicalRootThePointIsMarkedAndTheSolverRunsOnlyWhereOneCanExist) {
    // Ethane alone takes one hydrogen per mole; below a third of a mole of steam no
    // product can hold every element with positive amounts, so there is no root. Such a
    // point stores undefined values, never the solver's answer, and the designed solver
    // does not run there: its unknowns stay at the run's start until the first point
    // with a domain.
    for (const SolverPath path : {SolverPath::Designed, SolverPath::Direct}) {
        auto engine = DefaultEngine();
        engine->solverPath = path;
        testing::SetFeed(*engine, {0, 100, 0, 0, 0, 0, 0, 0, 0});
        engine->workspace.Unknowns[0] = 7; // the run's start replaces this
        EXPECT_NO_THROW(
            RunSweep(*engine, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry));
        EXPECT_EQ(engine->resultSeries.LastIndex, 76);
        for (int i = 0; i <= 76; ++i) {
            const bool root = engine->resultSeries.XValue[i] > 1.0 / 3;
            ASSERT_EQ(engine->exactRoot[i], root) << "point " << i;
            ASSERT_EQ(engine->physicalRoot[i], root) << "point " << i;
            ASSERT_EQ(std::isnan(engine->resultSeries.CO[i]), !root) << "point " << i;
            ASSERT_EQ(std::isnan(engine->resultSeries.VolumeChange[i]), !root) << "point " << i;
        }
        const bool solverRan = engine->workspace.Unknowns[0] != SweepSettings::StartX;
        EXPECT_EQ(solverRan, path == SolverPath::Designed);
        // With the first three points only (ratio 0.2 to 0.3): no domain, no solver.
        engine->InputRatio = 0.25;
        RunSweep(*engine, quorvel::SweptParameter::Temperature, quorvel::ResultView::Dry);
        EXPECT_EQ(engine->workspace.Unknowns[0], SweepSettings::StartX);
        EXPECT_EQ(engine->workspace.Unknowns[1], SweepSettings::StartY);
    }
}

// A clock that moves on one millisecond at every reading, from a chosen start.
std::uint32_t tickingReading = 0;
std::uint32_t TickingClock() {
    return tickingReading++;
}

TEST(Sweeps, DefaultViewMeetsTheHalvingLimitAndStillEnds) {
    // On the start-up view the complex search's halving now and then cycles for ever
    // between two points; the limit ends it and the point is still solved.
    auto engine = DefaultEngine();
    engine->random.clock = &TickingClock;
    int limited = 0;
    for (int run = 0; run < 200; ++run) {
        tickingReading = 1000 * run;
        RunSweep(*engine, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry);
        limited += engine->loopLimitHits.Halving > 0;
        EXPECT_EQ(engine->resultSeries.LastIndex, 76);
        EXPECT_TRUE(
            std::all_of(engine->exactRoot, engine->exactRoot + 77, [](bool b) { return b; }));
    }
    EXPECT_GT(limited, 0);
}

TEST(Sweeps, FaultOnTheFirstPointKeepsTheEarlierRun) {
    auto engine = DefaultEngine();
    RunSweep(*engine, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry);
    const ResultSeries before = engine->resultSeries;

    struct Case {
        double temperature, pressure;
        const char* message;
    };
    // 0 K divides by zero in the constants; 1e100 atm overflows the fourth powers.
    const Case cases[] = {{-273, 25, "Floating point division by zero"},
                          {860, 1e100, "Floating point overflow"}};
    for (const Case& c : cases) {
        engine->InputTemperature = c.temperature;
        engine->processConditions.InputPressure = c.pressure;
        try {
            RunSweep(*engine, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry);
            ADD_FAILURE() << "no fault reported for " << c.message;
        } catch (const FloatingPointError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
        // The direct path meets the fault of the constants too; the overflow lies in the
        // designed solver's residuals alone, which it never evaluates.
        auto direct = std::make_unique<Engine>(*engine);
        direct->solverPath = SolverPath::Direct;
        if (c.pressure == 25) {
            EXPECT_THROW(
                RunSweep(*direct, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry),
                FloatingPointError);
        } else {
            EXPECT_NO_THROW(
                RunSweep(*direct, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry));
        }
        EXPECT_EQ(engine->resultSeries.LastIndex, 76);
        EXPECT_EQ(engine->resultSeries.CO[5], before.CO[5]);
        EXPECT_FALSE(FloatingPointFaultPending()); // the flags are left clean
    }
}

// A clock that, on one chosen reading, performs an invalid operation the way a faulty
// evaluation would; it stands for arithmetic that fails in the middle of a run.
int readingsUntilFault = -1;
std::uint32_t FaultingClock() {
    if (readingsUntilFault-- == 0) {
        volatile double zero = 0;
        volatile double invalid = zero / zero;
        (void)invalid;
    }
    return 43'200'000;
}

TEST(Sweeps, FaultInTheMiddleKeepsTheCompletePoints) {
    auto reference = DefaultEngine();
    RunSweep(*reference, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry);

    auto engine = DefaultEngine();
    engine->random.clock = &FaultingClock;
    readingsUntilFault = 300; // roughly 8 readings a point: fails near the middle
    try {
        RunSweep(*engine, quorvel::SweptParameter::Ratio, quorvel::ResultView::Dry);
        ADD_FAILURE() << "the fault was not reported";
    } catch (const FloatingPointError& e) {
        EXPECT_EQ(std::string(e.what()), "Invalid floating point operation");
    }
    const ResultSeries& r = engine->resultSeries;
    EXPECT_GT(r.LastIndex, 5);
    EXPECT_LT(r.LastIndex, 70);
    for (int i = 0; i <= r.LastIndex; ++i) {
        ASSERT_EQ(r.CO[i], reference->resultSeries.CO[i]) << "point " << i;
        ASSERT_EQ(r.XValue[i], reference->resultSeries.XValue[i]) << "point " << i;
    }
    // Nothing of the failed point reached the arrays: the solve failed before storing.
    EXPECT_EQ(r.XValue[r.LastIndex + 1], 0);
}

} // namespace
} // namespace quorvel
