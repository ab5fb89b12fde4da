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

void ReturnIntoBounds(Engine& engine, double* x, double tolerance) {
    const SolverWorkspace& ws = engine.workspace;
    RandomSource& random = engine.random;
    // The generator is re-seeded from the clock before this return's first draw. Every
    // routine that draws re-seeds on its own, so a return that draws nothing (most of
    // them) has no use for a reading of the clock, which costs more than the rest here.
    bool seeded = false;
    const auto offset = [&] {
        if (!seeded) {
            random.Reseed();
            seeded = true;
        }
        return (random.Digit() + NewtonSettings::ReturnOffsetMin) * tolerance;
    };
    for (int i = 0; i < N; ++i) {
        // "Not at or above" so that an unknown that is not a number is returned too.
        if (!(x[i] >= ws.LowerBounds[i])) {
            x[i] = ws.LowerBounds[i] + offset();
        }
        if (x[i] > ws.UpperBounds[i]) {
            x[i] = ws.UpperBounds[i] - offset();
        }
    }
}

void RepairConstraints(Engine& engine, double* x, const double* step, double tolerance) {
    SolverWorkspace& ws = engine.workspace;
    const int m = ws.ConstraintCount;
    if (m == 0) {
        return;
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
            ReturnIntoBounds(engine, x, tolerance);
            EvaluateConstraint(engine, m, x, ws.ConstraintValues);
        }
    }
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

    // Evaluates the residuals at x; false means the model refused and the solve ends.
    const auto evaluate = [&] {
        if (mode == ReformingMode) {
            ReformingResiduals(inputs, x[0], x[1], residuals);
            success = 1;
        } else {
            EvaluateResiduals(engine, mode, residuals, x, success);
        }
        ThrowOnArithmeticFault();
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
        if (ArithmeticFaultFlagged()) {
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
            ++engine.lastSolve.ComplexSearches;
            for (int i = 0; i < N; ++i) {
                x[i] = best.point[i];
            }
            DifferenceFactor *= NewtonSettings::Damping;
            ComplexSearch(engine, N, x, engine.workspace.ObjectiveValue,
                          engine.workspace.ComplexStartMode);
            KeepBestPointOf(best, residuals, x);
            continue;
        }
        if (pass == NewtonSettings::PassLimit + 1) {
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
            for (int i = 0; i < N; ++i) {
                x[i] = best.point[i];
            }
            success = 1;
            return;
        }

        ReturnIntoBounds(engine, x, tolerance);
        RepairConstraints(engine, x, s, tolerance);
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
