// The Newton solver's steps, the complex search and the limits on their loops.

#include "EngineTestSupport.h"
#include "engine/ComplexSearch.h"
#include "engine/EquilibriumModel.h"
#include "engine/FloatingPointError.h"
#include "engine/FloatingPointGuard.h"
#include "engine/SolveEquations.h"
#include "engine/SolverSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>

namespace quorvel {
namespace {

using testing::DefaultEngine;

// The workspace as a run sets it up, at the default point (pure methane, 2.5, 1133 K,
// 25 atm), whose root is (0.514176, 0.238491).
std::unique_ptr<Engine> EngineReadyToSolve() {
    auto engine = DefaultEngine();
    SolverWorkspace& ws = engine->workspace;
    ws.EquationCount = 2;
    ws.ConstraintCount = 1;
    ws.Success = 1;
    SetVariableBounds(*engine, ws.LowerBounds, ws.UpperBounds);
    ProcessConditions& pc = engine->processConditions;
    pc.Ratio = 2.5;
    pc.Pressure = 25;
    ComputeConstants(*engine, 1133);
    ClearFloatingPointFaults();
    return engine;
}

void ExpectInverse(const double (&A)[2][2], const newton::Matrix& inverse) {
    for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 2; ++j) {
            double sum = 0;
            for (int k = 0; k < 2; ++k) {
                sum += A[i][k] * inverse[k][j];
            }
            EXPECT_NEAR(sum, i == j ? 1 : 0, 1e-14) << i << "," << j;
        }
    }
}

TEST(NewtonSolver, InvertsWithAndWithoutRowExchanges) {
    // A zero on the diagonal forces an exchange at the first pivot, which must be undone
    // on the columns; the others need none (one has a negative pivot).
    const double cases[3][2][2] = {{{0, 2}, {3, 1}}, {{2, 1}, {4, 5}}, {{-1, 3}, {2, 0}}};
    for (const auto& A : cases) {
        newton::Matrix J{};
        for (int i = 0; i < 2; ++i) {
            for (int j = 0; j < 2; ++j) {
                J[i][j] = A[i][j];
            }
        }
        std::uint8_t success = 1;
        newton::InvertMatrix(J, success);
        EXPECT_EQ(success, 1);
        ExpectInverse(A, J);
    }

    // A column that is zero from the diagonal down is skipped and reported, whether it
    // is so from the start or becomes so after the first step.
    newton::Matrix singular{};
    singular[0][0] = 1;
    singular[1][0] = 2;
    std::uint8_t success = 1;
    EXPECT_EQ(newton::EliminationStep(singular, 1, success), -1);
    EXPECT_EQ(success, 0);
    newton::Matrix dependent = {{1, 2}, {2, 4}};
    success = 1;
    newton::InvertMatrix(dependent, success);
    EXPECT_EQ(success, 0);
}

TEST(NewtonSolver, ReturnsUnknownsJustInsideTheCrossedBound) {
    auto engine = EngineReadyToSolve();
    const double tolerance = 1e-9;
    for (int trial = 0; trial < 200; ++trial) {
        engine->random.clock = +[]() -> std::uint32_t {
            static std::uint32_t tick = 0;
            return ++tick;
        };
        double x[2] = {-0.5, 1.5};
        newton::ReturnIntoBounds(*engine, x, tolerance);
        EXPECT_GE(x[0], 3 * tolerance);
        EXPECT_LE(x[0], 12 * tolerance * (1 + 1e-12));
        EXPECT_GE(x[1], 1 - 12 * tolerance);
        EXPECT_LE(x[1], 1 - 3 * tolerance);
    }
    double inside[2] = {0, 1}; // on the bounds is inside
    newton::ReturnIntoBounds(*engine, inside, tolerance);
    EXPECT_EQ(inside[0], 0);
    EXPECT_EQ(inside[1], 1);
}

TEST(NewtonSolver, ConstraintBackOffIsBounded) {
    auto engine = EngineReadyToSolve();
    // Infeasible and a zero step: halving it never helps.
    double x[2] = {0.7, 0.7};
    const double zeroStep[2] = {0, 0};
    newton::RepairConstraints(*engine, x, zeroStep, 1e-9);
    EXPECT_EQ(engine->loopLimitHits.ConstraintBackOff, 1);
    EXPECT_EQ(x[0], 0.7);

    // A real step backs off by halves until feasible, without touching the limit.
    double y[2] = {0.6, 0.6};
    const double step[2] = {0.1, 0.1};
    newton::RepairConstraints(*engine, y, step, 1e-9);
    EXPECT_DOUBLE_EQ(y[0], 0.5);
    EXPECT_EQ(engine->loopLimitHits.ConstraintBackOff, 1);

    // Without constraints nothing is evaluated.
    engine->workspace.ConstraintCount = 0;
    engine->workspace.ConstraintValues[0] = 42;
    newton::RepairConstraints(*engine, x, zeroStep, 1e-9);
    EXPECT_EQ(engine->workspace.ConstraintValues[0], 42);
}

TEST(NewtonSolver, SolvesTheDefaultPointAndSurvivesAZeroUnknown) {
    auto engine = EngineReadyToSolve();
    SolverWorkspace& ws = engine->workspace;
    // Tight tolerance: the pass limit ends the solve near the root.
    double x[2] = {0.3, 0.1};
    SolveEquations(*engine, 1, 2, ws.Residuals, ws.Success, x, 1e-9);
    EXPECT_NEAR(x[0], 0.514176, 0.02);
    EXPECT_NEAR(x[1], 0.238491, 0.02);
    // It gives up on pass 51, after the complex searches of passes 7, 13, ..., 47.
    EXPECT_EQ(ws.Success, 0);
    EXPECT_EQ(engine->lastSolve.Passes, 51);
    EXPECT_EQ(engine->lastSolve.ComplexSearches, 8);

    // A start with x exactly 0 would make the difference step 0 and its quotients 0/0.
    double fromZero[2] = {0, 0.1};
    EXPECT_NO_THROW(SolveEquations(*engine, 1, 2, ws.Residuals, ws.Success, fromZero, 1e-9));
    EXPECT_NEAR(fromZero[0], 0.514176, 0.02);
    EXPECT_FALSE(FloatingPointFaultPending());

    // A looser tolerance is met after some complex searches; the solve then returns an
    // evaluated point close to the root, having searched only at the fixed passes.
    double loose[2] = {0.5, 0.25};
    SolveEquations(*engine, 1, 2, ws.Residuals, ws.Success, loose, 1e-4);
    EXPECT_EQ(ws.Success, 1);
    EXPECT_NEAR(loose[0], 0.514176, 1e-3);
    EXPECT_NEAR(loose[1], 0.238491, 1e-3);
    const int passes = engine->lastSolve.Passes;
    const int searchPasses[] = {7, 13, 17, 23, 27, 31, 37, 47};
    EXPECT_GT(passes, 7);
    EXPECT_LT(passes, 51);
    EXPECT_EQ(engine->lastSolve.ComplexSearches,
              std::count_if(std::begin(searchPasses), std::end(searchPasses),
                            [&](int pass) { return pass <= passes; }));

    // A mode the model does not serve, with the flag already 0, returns at once.
    double untouched[2] = {0.3, 0.1};
    ws.Success = 0;
    SolveEquations(*engine, 2, 2, ws.Residuals, ws.Success, untouched, 1e-9);
    EXPECT_EQ(untouched[0], 0.3);
    EXPECT_EQ(untouched[1], 0.1);
}

// A fault after the first evaluation of a pass (its residuals are finite, their sum of
// squares overflows) ends the solve at the first probe's evaluation, as it always has: x
// still holds that probe, x0 + h, and the message names the overflow. The pressures take
// the residuals from finite squares through overflowing squares to overflowing residuals.
TEST(NewtonSolver, FaultInsideAPassEndsItAtTheFirstProbe) {
    int faulted = 0;
    for (double pressure = 1e30; pressure < 1e80; pressure *= 10) {
        auto engine = EngineReadyToSolve();
        SolverWorkspace& ws = engine->workspace;
        engine->processConditions.Pressure = pressure;
        double start[2];
        ReformingResiduals(ResidualInputsOf(*engine), 0.3, 0.1, start);
        const bool squaresOverflow = std::isfinite(start[0]) && std::isfinite(start[1]) &&
                                     !std::isfinite(start[0] * start[0] + start[1] * start[1]);
        ClearFloatingPointFaults();
        if (!squaresOverflow) {
            continue;
        }
        double x[2] = {0.3, 0.1};
        try {
            SolveEquations(*engine, ReformingMode, 2, ws.Residuals, ws.Success, x, 1e-9);
            ADD_FAILURE() << "no fault at " << pressure;
        } catch (const FloatingPointError& e) {
            ++faulted;
            EXPECT_EQ(std::string(e.what()), "Floating point overflow") << pressure;
            EXPECT_EQ(x[0], 0.3 + 0.3 * (NewtonSettings::DifferenceOverTolerance * 1e-9))
                << pressure;
            EXPECT_EQ(x[1], 0.1) << pressure;
            EXPECT_EQ(engine->lastSolve.Passes, 0) << pressure;
        }
        EXPECT_FALSE(FloatingPointFaultPending()) << pressure;
    }
    EXPECT_GE(faulted, 15);
}

TEST(ComplexSearch, ImprovesOnItsStartAndReportsItsAnswer) {
    auto engine = EngineReadyToSolve();
    SolverWorkspace& ws = engine->workspace;
    double x[2] = {0.3, 0.1};
    double startResiduals[2];
    EvaluateResiduals(*engine, 1, startResiduals, x, ws.Success);
    const double startObjective =
        startResiduals[0] * startResiduals[0] + startResiduals[1] * startResiduals[1];

    double objective = 0;
    ComplexSearch(*engine, 2, x, objective, 0);
    EXPECT_LT(objective, startObjective);
    EXPECT_LE(ws.EvaluationCount, 45 + 1 + 1000); // the budget, the final, one halving run
    // The objective and the residuals left behind belong to the returned point.
    double check[2];
    EvaluateResiduals(*engine, 1, check, x, ws.Success);
    EXPECT_EQ(check[0], ws.Residuals[0]);
    EXPECT_EQ(check[1], ws.Residuals[1]);
    EXPECT_EQ(objective, check[0] * check[0] + check[1] * check[1]);

    // The same millisecond gives the same draws, hence the same answer.
    double again[2] = {0.3, 0.1};
    double objectiveAgain = 0;
    ComplexSearch(*engine, 2, again, objectiveAgain, 0);
    EXPECT_EQ(again[0], x[0]);
    EXPECT_EQ(again[1], x[1]);

    // Uniform start mode keeps every point within the bounds and the constraint.
    double uniform[2] = {0.3, 0.1};
    ComplexSearch(*engine, 2, uniform, objective, 1);
    EXPECT_GE(uniform[0], 0);
    EXPECT_LE(uniform[0] + uniform[1], 1);
}

TEST(ComplexSearch, InfeasibleStartEndsAtTheLoopLimits) {
    auto engine = EngineReadyToSolve();
    // Both coordinates are so large that no scatter of one of them can satisfy
    // x + y <= 1 while the other stands: the redraw and the correction would never end.
    double x[2] = {0.9, 0.9};
    double objective = 0;
    ComplexSearch(*engine, 2, x, objective, 0);
    EXPECT_GT(engine->loopLimitHits.InitialRedraw, 0);
    EXPECT_GT(engine->loopLimitHits.FeasibilityCorrection, 0);
    EXPECT_TRUE(std::isfinite(x[0]) && std::isfinite(x[1]));
}

TEST(ComplexSearch, HalvingEndsAtItsLimit) {
    auto engine = EngineReadyToSolve();
    complex_search::ComplexState state{};
    double objective = 0;
    state.objective = &objective;
    const double points[4][2] = {{0.5, 0.2}, {0.4, 0.25}, {0.45, 0.3}, {0.6, 0.3}};
    for (int j = 0; j < 4; ++j) {
        state.points[j][0] = points[j][0];
        state.points[j][1] = points[j][1];
        state.values[j] = 1;
    }
    state.C[0] = 0.4875;
    state.C[1] = 0.2625;
    // A worst value below any sum of squares: no trial point can ever beat it.
    state.values[3] = -1;
    complex_search::CentroidWithoutWorst(state);
    double x[2];
    complex_search::ReflectWorst(state, x);
    complex_search::CorrectTrialPoint(*engine, state, x);
    EXPECT_EQ(engine->loopLimitHits.Halving, 1);
    // The trial point still replaced the worst one, and the centroid followed it.
    EXPECT_EQ(state.points[3][0], state.T[0]);
    EXPECT_NEAR(state.C[0], (0.5 + 0.4 + 0.45 + state.T[0]) / 4, 1e-15);
}

// Where and how a fault ends a solve or a search: the message, the unknowns, the
// residuals and the counters as the fault leaves them, folded into one digest over
// pressures from where the squares of the residuals overflow only far from the root to
// where every evaluation overflows, with a clock that ticks once per reading. Recorded
// when every evaluation tested the flags; any change of where a fault is raised, of
// what it leaves behind or of the course before it changes the digest.
std::uint32_t ticks = 0;
std::uint32_t TickingClock() {
    return 43'200'000 + ++ticks;
}

TEST(ComplexSearch, FaultsAreRaisedWhereTheyAlwaysWere) {
    std::uint64_t digest = 14695981039346656037ULL;
    const auto fold = [&digest](const auto& value) {
        unsigned char bytes[sizeof(value)];
        std::memcpy(bytes, &value, sizeof(value));
        for (const unsigned char byte : bytes) {
            digest = (digest ^ byte) * 1099511628211ULL; // FNV-1a
        }
    };
    int searchFaults = 0;    // faults inside a search's main loop
    int searchesWithout = 0; // searches that ended without one
    int solveFaults = 0;
    for (double pressure = 1e13; pressure < 1e40; pressure *= 1.5) {
        for (const std::uint8_t startMode : {std::uint8_t{0}, std::uint8_t{1}}) {
            for (const bool solve : {false, true}) {
                auto engine = EngineReadyToSolve();
                engine->random.clock = &TickingClock;
                ticks = 0;
                SolverWorkspace& ws = engine->workspace;
                ws.ComplexStartMode = startMode;
                engine->processConditions.Pressure = pressure;
                double* x = ws.Unknowns;
                x[0] = 0.3;
                x[1] = 0.1;
                std::string message;
                try {
                    if (solve) {
                        SolveEquations(*engine, ReformingMode, 2, ws.Residuals, ws.Success, x,
                                       1e-9);
                    } else {
                        ComplexSearch(*engine, 2, x, ws.ObjectiveValue, startMode);
                    }
                } catch (const FloatingPointError& e) {
                    message = e.what();
                }
                EXPECT_FALSE(FloatingPointFaultPending()) << pressure;
                ClearFloatingPointFaults();
                if (!message.empty()) {
                    (solve ? solveFaults : searchFaults) +=
                        solve || ws.EvaluationCount >= complex_search::K;
                } else if (!solve) {
                    ++searchesWithout;
                }
                for (const char c : message) {
                    fold(c);
                }
                for (const double value : {x[0], x[1], ws.Residuals[0], ws.Residuals[1],
                                           ws.ObjectiveValue, ws.ConstraintValues[0]}) {
                    fold(value);
                }
                for (const int count :
                     {ws.EvaluationCount, int{ws.Success}, engine->lastSolve.Passes,
                      engine->lastSolve.ComplexSearches, engine->loopLimitHits.Halving,
                      engine->loopLimitHits.FeasibilityCorrection}) {
                    fold(count);
                }
            }
        }
    }
    EXPECT_GE(searchFaults, 10);
    EXPECT_GE(searchesWithout, 10);
    EXPECT_GE(solveFaults, 10);
    EXPECT_EQ(digest, 14857259473717184459ULL);
}

TEST(ComplexSearch, StepsKeepTheirDocumentedProperties) {
    complex_search::ComplexState state{};
    // Two equal values, told apart by their rows: an exchange of equal values, or a
    // comparison that lets them pass each other, puts row 2 before row 1.
    const double values[4] = {2, 1, 1, 3};
    for (int j = 0; j < 4; ++j) {
        state.values[j] = values[j];
        state.points[j][0] = j; // tag each row with its original index
        state.points[j][1] = 10 * j;
    }
    complex_search::SortComplex(state);
    // Ascending; equal values are never exchanged with each other.
    const double order[4] = {1, 2, 0, 3};
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(state.points[j][0], order[j]);
        EXPECT_EQ(state.points[j][1], 10 * order[j]);
    }
    EXPECT_DOUBLE_EQ(complex_search::ObjectiveVariance(state), 0.6875);
    // Of (1,10), (2,20), (0,0) and (3,30) the last two lie farthest apart.
    EXPECT_DOUBLE_EQ(complex_search::LargestDistance(state), std::sqrt(909.0));

    // A trial coordinate already on the centroid moves toward the best point instead.
    state.Cw[0] = 5;
    state.Cw[1] = 5;
    state.T[0] = 5;
    state.T[1] = 9;
    double x[2];
    complex_search::MoveHalfway(state, x);
    EXPECT_EQ(state.T[0], 3); // halfway to the best row's 1
    EXPECT_EQ(state.T[1], 7); // halfway to the centroid
    EXPECT_EQ(x[0], 3);
}

} // namespace
} // namespace quorvel
