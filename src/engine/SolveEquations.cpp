#include "engine/SolveEquations.h"

#include "engine/ComplexSearch.h"
#include "engine/EquilibriumModel.h"
#include "engine/FloatingPointGuard.h"
#include "engine/SolverSettings.h"

#include <cmath>

namespace quorvel {
namespace newton {
namespace {

inline void KeepBestPointOf(BestPoint& best, const double* residuals, const double* x) {
    double sum = 0.0;
    for (int i = 0; i < N; ++i) {
        sum += residuals[i] * residuals[i];
    }
    if (sum < best.sumOfSquares) {
        best.sumOfSquares = sum;
        for (int i = 0; i < N; ++i) {
            best.point[i] = x[i];
        }
    }
}

inline int EliminationStepOf(Matrix& J, int k, std::uint8_t& success) {
    int exchanged = k;
    if (J[k][k] == 0) {
        exchanged = -1;
        for (int i = k; i < N; ++i) {
            if (J[i][k] != 0) {
                exchanged = i;
                break;
            }
        }
        if (exchanged < 0) {
            success = 0;
            return -1;
        }
        for (int j = 0; j < N; ++j) {
            const double kept = J[k][j];
            J[k][j] = J[exchanged][j];
            J[exchanged][j] = kept;
        }
    }

    const double piv = J[k][k];
    double column[N];
    double row[N];
    for (int i = 0; i < N; ++i) {
        column[i] = J[i][k];
        row[i] = J[k][i];
    }
    for (int i = 0; i < N; ++i) {
        for (int j = 0; j < N; ++j) {
            if (i == k && j == k) {
                J[i][j] = 1 / piv;
            } else if (i == k) {
                J[i][j] = -J[i][j] / piv;
            } else if (j == k) {
                J[i][j] = J[i][j] / piv;
            } else {
                J[i][j] = J[i][j] - column[i] * row[j] / piv;
            }
        }
    }
    return exchanged;
}

inline void InvertMatrixOf(Matrix& J, std::uint8_t& success) {
    int exchangedWith[N];
    for (int k = 0; k < N; ++k) {
        exchangedWith[k] = EliminationStepOf(J, k, success);
    }
    // A row exchange before step k turns into a column exchange of the inverse.
    for (int k = N - 1; k >= 0; --k) {
        const int p = exchangedWith[k];
        if (p < 0 || p == k) {
            continue;
        }
        for (int i = 0; i < N; ++i) {
            const double kept = J[i][k];
            J[i][k] = J[i][p];
            J[i][p] = kept;
        }
    }
}

} // namespace

void KeepBestPoint(BestPoint& best, const double* residuals, const double* x) {
    KeepBestPointOf(best, residuals, x);
}

int EliminationStep(Matrix& J, int k, std::uint8_t& success) {
    return EliminationStepOf(J, k, success);
}

void InvertMatrix(Matrix& J, std::uint8_t& success) {
    InvertMatrixOf(J, success);
}

namespace {

// The two steps with a test before the generator is re-seeded: beforeReading returns
// false where the solve must not go on to read the clock, and the step then returns
// false at once, its work half done (the solve makes it again; see Solve).
template <typename BeforeReading>
bool ReturnIntoBoundsOf(Engine& engine, double* x, double tolerance,
                        const BeforeReading& beforeReading) {
    const SolverWorkspace& ws = engine.workspace;
    RandomSource& random = engine.random;
    // The generator is re-seeded from the clock before this return's first draw. Every
    // routine that draws re-seeds on its own, so a return that draws nothing (most of
    // them) has no use for a reading of the clock, which costs more than the rest here.
    bool seeded = false;
    const auto offset = [&](double& offsetOut) {
        if (!seeded) {
            if (!beforeReading()) {
                return false;
            }
            random.Reseed();
            seeded = true;
        }
        offsetOut = (random.Digit() + NewtonSettings::ReturnOffsetMin) * tolerance;
        return true;
    };
    for (int i = 0; i < N; ++i) {
        double d = 0;
        // "Not at or above" so that an unknown that is not a number is returned too.
        if (!(x[i] >= ws.LowerBounds[i])) {
            if (!offset(d)) {
                return false;
            }
            x[i] = ws.LowerBounds[i] + d;
        }
        if (x[i] > ws.UpperBounds[i]) {
            if (!offset(d)) {
                return false;
            }
            x[i] = ws.UpperBounds[i] - d;
        }
    }
    return true;
}

template <typename BeforeReading>
bool RepairConstraintsOf(Engine& engine, double* x, const double* step, double tolerance,
                         const BeforeReading& beforeReading) {
    SolverWorkspace& ws = engine.workspace;
    const int m = ws.ConstraintCount;
    if (m == 0) {
        return true;
    }
    EvaluateConstraint(engine, m, x, ws.ConstraintValues);
    for (int l = 0; l < m; ++l) {
        int repetitions = 0;
        while (ws.ConstraintValues[l] > 0) {
            // A back-off that does not reduce the violation would repeat for ever.
            if (repetitions == LoopRepetitionLimit) {
                ++engine.loopLimitHits.ConstraintBackOff;
                break;
            }
            ++repetitions;
            for (int i = 0; i < N; ++i) {
                x[i] = x[i] - step[i] * NewtonSettings::BackOffFraction;
            }
            if (!ReturnIntoBoundsOf(engine, x, tolerance, beforeReading)) {
                return false;
            }
            EvaluateConstraint(engine, m, x, ws.ConstraintValues);
        }
    }
    return true;
}

constexpr auto AlwaysRead = [] { return true; };

} // namespace

void ReturnIntoBounds(Engine& engine, double* x, double tolerance) {
    ReturnIntoBoundsOf(engine, x, tolerance, AlwaysRead);
}

void RepairConstraints(Engine& engine, double* x, const double* step, double tolerance) {
    RepairConstraintsOf(engine, x, step, tolerance, AlwaysRead);
}

} // namespace newton

namespace {

constexpr bool IsSearchPass(int pass) {
    for (const int searchPass : NewtonSettings::SearchPasses) {
        if (pass == searchPass) {
            return true;
        }
    }
    return false;
}

// Everything a stretch of the solve changes, to make it again from its start.
struct StretchStart {
    newton::BestPoint best;
    int pass;
    double DifferenceFactor;
    double x[newton::N];
    double residuals[newton::N];
    std::uint8_t success;
    double constraintValues[SolverCapacity];
    SolveCounters lastSolve;
    LoopLimitHits loopLimitHits;
};

void Solve(Engine& engine, int mode, double* residuals, std::uint8_t& success, double* x,
           double tolerance) {
    using namespace newton;
    engine.lastSolve = {};
    BestPoint best{};
    best.sumOfSquares = NewtonSettings::InitialBest;
    int pass = 0;
    double DifferenceFactor = NewtonSettings::DifferenceOverTolerance * tolerance;
    double f0[N];
    Matrix J;
    double s[N];
    // Nothing the solve does changes the model's inputs; the complex search takes its own.
    const ResidualInputs inputs = ResidualInputsOf(engine);
    SolverWorkspace& ws = engine.workspace;

    // Testing the fault flags after every evaluation is a good part of its cost. So the
    // solve runs in stretches from its start or a complex search's end to the next
    // search, its end or its first reading of the clock, and a stretch that begins with
    // no fault raised leaves the flags untested until that end (after a reading it tests
    // every evaluation again). Where a fault shows there, the stretch is made once more
    // from its start, testing every evaluation: the fault is then raised at the
    // evaluation and with the message it always has, or, for a fault after the last
    // evaluation, the stretch ends as it always has with the fault left raised. Without
    // a fault, a stretch computes exactly what it does testing every evaluation.
    bool checked = true;
    StretchStart start{};
    const auto beginStretch = [&] {
        checked = !ArithmeticFaultRegister || mode != ReformingMode || ArithmeticFaultFlagged();
        if (checked) {
            return;
        }
        start.best = best;
        start.pass = pass;
        start.DifferenceFactor = DifferenceFactor;
        for (int i = 0; i < N; ++i) {
            start.x[i] = x[i];
            start.residuals[i] = residuals[i];
        }
        start.success = success;
        for (int l = 0; l < ws.ConstraintCount; ++l) {
            start.constraintValues[l] = ws.ConstraintValues[l];
        }
        start.lastSolve = engine.lastSolve;
        start.loopLimitHits = engine.loopLimitHits;
    };
    // True where the stretch ran untested and raised a fault: it is then back at its
    // start, to be made again testing every evaluation. The flags were clear at its
    // start, so what they hold came from it.
    const auto madeAgain = [&] {
        if (checked || !ArithmeticFaultFlagged()) {
            return false;
        }
        ClearArithmeticFaultFlags();
        best = start.best;
        pass = start.pass;
        DifferenceFactor = start.DifferenceFactor;
        for (int i = 0; i < N; ++i) {
            x[i] = start.x[i];
            residuals[i] = start.residuals[i];
        }
        success = start.success;
        for (int l = 0; l < ws.ConstraintCount; ++l) {
            ws.ConstraintValues[l] = start.constraintValues[l];
        }
        engine.lastSolve = start.lastSolve;
        engine.loopLimitHits = start.loopLimitHits;
        checked = true;
        return true;
    };
    // Before a reading of the clock: false where the stretch is to be made again;
    // otherwise the rest of the stretch tests every evaluation.
    const auto beforeReading = [&] {
        if (checked) {
            return true;
        }
        if (ArithmeticFaultFlagged()) {
            return false;
        }
        checked = true;
        return true;
    };

    // Evaluates the residuals at x; false means the model refused and the solve ends.
    const auto evaluate = [&] {
        if (mode == ReformingMode) {
            ReformingResiduals(inputs, x[0], x[1], residuals);
            success = 1;
        } else {
            EvaluateResiduals(engine, mode, residuals, x, success);
        }
        if (checked) {
            ThrowOnArithmeticFault();
        }
        return success != 0;
    };

    // The two difference quotients of a pass as one piece of work: both probes are
    // evaluated before the flags are read once, so that the second need not wait for the
    // first to finish. Where the flags show a fault, the pass is undone and made again one
    // probe at a time, which throws where and as the solver always has. True where both
    // probes are done; x, the residuals and the best point are then as the probes one at
    // a time leave them.
    const auto probeTogether = [&] {
        if (!ArithmeticFaultRegister || mode != ReformingMode) {
            return false;
        }
        const BestPoint before = best;
        KeepBestPointOf(best, residuals, x);
        for (int i = 0; i < N; ++i) {
            f0[i] = -residuals[i];
        }
        const double x0 = x[0];
        const double x1 = x[1];
        // A zero unknown would give a zero step and 0/0 quotients: step by the factor.
        const double h0 = x0 == 0 ? DifferenceFactor : std::fabs(x0) * DifferenceFactor;
        const double h1 = x1 == 0 ? DifferenceFactor : std::fabs(x1) * DifferenceFactor;
        const double probe0[N] = {x0 + h0, x1};
        const double probe1[N] = {x0, x1 + h1};
        double r0[N];
        double r1[N];
        ReformingResiduals(inputs, probe0[0], probe0[1], r0);
        KeepBestPointOf(best, r0, probe0);
        for (int i = 0; i < N; ++i) {
            J[i][0] = (r0[i] + f0[i]) / h0;
        }
        ReformingResiduals(inputs, probe1[0], probe1[1], r1);
        if (checked && ArithmeticFaultFlagged()) {
            // Only what this pass raised since its first evaluation was tested is cleared.
            ClearArithmeticFaultFlags();
            best = before;
            return false;
        }
        KeepBestPointOf(best, r1, probe1);
        for (int i = 0; i < N; ++i) {
            J[i][1] = (r1[i] + f0[i]) / h1;
            residuals[i] = r1[i];
        }
        success = 1;
        return true;
    };

    beginStretch();
    for (;;) {
        if (!evaluate()) {
            return;
        }
        if (!probeTogether()) {
            KeepBestPointOf(best, residuals, x);
            for (int i = 0; i < N; ++i) {
                f0[i] = -residuals[i];
            }
            for (int j = 0; j < N; ++j) {
                const double xj = x[j];
                // A zero unknown would give a zero step and 0/0 quotients: step by the factor.
                const double h = xj == 0 ? DifferenceFactor : std::fabs(xj) * DifferenceFactor;
                x[j] = xj + h;
                if (!evaluate()) {
                    return;
                }
                KeepBestPointOf(best, residuals, x);
                for (int i = 0; i < N; ++i) {
                    J[i][j] = (residuals[i] + f0[i]) / h;
                }
                x[j] = xj;
            }
        }

        ++pass;
        engine.lastSolve.Passes = pass;
        if (IsSearchPass(pass)) {
            if (madeAgain()) {
                continue;
            }
            ++engine.lastSolve.ComplexSearches;
            for (int i = 0; i < N; ++i) {
                x[i] = best.point[i];
            }
            DifferenceFactor *= NewtonSettings::Damping;
            ComplexSearch(engine, N, x, engine.workspace.ObjectiveValue,
                          engine.workspace.ComplexStartMode);
            KeepBestPointOf(best, residuals, x);
            beginStretch();
            continue;
        }
        if (pass == NewtonSettings::PassLimit + 1) {
            if (madeAgain()) {
                continue;
            }
            success = 0;
            return;
        }

        InvertMatrixOf(J, success);
        for (int i = 0; i < N; ++i) {
            double sum = 0.0;
            for (int k = 0; k < N; ++k) {
                sum += J[i][k] * f0[k];
            }
            s[i] = NewtonSettings::Damping * sum;
            x[i] = x[i] + s[i];
        }

        int unconverged = 0;
        for (int i = 0; i < N; ++i) {
            // An unknown that lands on 0 has no relative step: judge the absolute one.
            const double change = x[i] == 0 ? std::fabs(s[i]) : std::fabs(s[i] / x[i]);
            if (change > tolerance) {
                ++unconverged;
            }
        }
        if (unconverged == 0) {
            if (madeAgain()) {
                continue;
            }
            for (int i = 0; i < N; ++i) {
                x[i] = best.point[i];
            }
            success = 1;
            return;
        }

        if (!ReturnIntoBoundsOf(engine, x, tolerance, beforeReading) ||
            !RepairConstraintsOf(engine, x, s, tolerance, beforeReading)) {
            madeAgain();
        }
    }
}

} // namespace

void SolveEquations(Engine& engine, int mode, int n, double* residuals, std::uint8_t& success,
                    double* x, double tolerance) {
    if (n != newton::N) {
        success = 0;
        return;
    }
    Solve(engine, mode, residuals, success, x, tolerance);
}

} // namespace quorvel
