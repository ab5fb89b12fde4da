#include "engine/ComplexSearch.h"

#include "engine/EquilibriumModel.h"
#include "engine/FloatingPointGuard.h"
#include "engine/SolverSettings.h"

#include <cmath>

namespace quorvel {
namespace complex_search {
namespace {

// Every step is written once for N unknowns known when compiling (the program's two,
// whose loops the compiler then unrolls) and once for any number (N = 0).
template <int N> int Unknowns(const ComplexState& state) {
    return N != 0 ? N : state.n;
}
template <int N> int Points(const ComplexState& state) {
    return N != 0 ? 2 * N : state.k;
}

template <int N> double SumOfSquaresOf(Engine& engine, ComplexState& state, const double* point) {
    SolverWorkspace& ws = engine.workspace;
    double copy[SolverCapacity];
    for (int i = 0; i < Unknowns<N>(state); ++i) {
        copy[i] = point[i];
    }
    EvaluateResiduals(engine, ReformingMode, ws.Residuals, copy, ws.Success);
    ThrowOnArithmeticFault();
    double value = 0.0;
    for (int i = 0; i < ws.EquationCount; ++i) {
        value += ws.Residuals[i] * ws.Residuals[i];
    }
    ++ws.EvaluationCount;
    *state.objective = value;
    return value;
}

template <int N> void CheckPointOf(Engine& engine, ComplexState& state, const double* point) {
    const SolverWorkspace& ws = engine.workspace;
    const int n = Unknowns<N>(state);
    for (int i = 0; i < 2 * n; ++i) {
        state.markers[i] = false;
    }
    state.boundFlag = 0;
    state.constraintFlag = 0;
    for (int i = 0; i < n; ++i) {
        // "Not at or above" so that a coordinate that is not a number counts as below.
        if (!(point[i] >= ws.LowerBounds[i])) {
            state.markers[i] = true;
            state.boundFlag = 1;
        }
        if (point[i] > ws.UpperBounds[i]) {
            state.markers[n + i] = true;
            state.boundFlag = 1;
        }
    }
    if (ws.ConstraintCount > 0) {
        CheckConstraints(engine, state, point);
    }
}

template <int N> void ReplaceNearBoundOf(Engine& engine, ComplexState& state, double* x) {
    const SolverWorkspace& ws = engine.workspace;
    RandomSource& random = engine.random;
    const int n = Unknowns<N>(state);
    random.Reseed();
    for (int i = 0; i < n; ++i) {
        const double range = ws.UpperBounds[i] - ws.LowerBounds[i];
        if (state.markers[i]) {
            state.T[i] = ws.LowerBounds[i] + ComplexSettings::BoundBand * random.Uniform() * range;
        }
        if (state.markers[n + i]) {
            state.T[i] = ws.UpperBounds[i] - ComplexSettings::BoundBand * random.Uniform() * range;
        }
        x[i] = state.T[i];
    }
}

template <int N>
void BuildInitialComplexOf(Engine& engine, ComplexState& state, std::uint8_t startMode, double* x) {
    const SolverWorkspace& ws = engine.workspace;
    RandomSource& random = engine.random;
    const int n = Unknowns<N>(state);
    for (int j = 0; j < Points<N>(state); ++j) {
        for (int i = 0; i < n; ++i) {
            // Redraw while the constraint is violated; the other coordinates may make
            // that hopeless, hence the limit.
            for (int draws = 0;; ++draws) {
                if (draws == LoopRepetitionLimit) {
                    ++engine.loopLimitHits.InitialRedraw;
                    break;
                }
                const double r = random.Uniform();
                const double v =
                    startMode != 0
                        ? ws.LowerBounds[i] + r * (ws.UpperBounds[i] - ws.LowerBounds[i])
                        : (ComplexSettings::ScatterLow + ComplexSettings::ScatterWidth * r) *
                              state.B[i];
                state.points[j][i] = v;
                x[i] = v;
                CheckPointOf<N>(engine, state, x);
                if (state.constraintFlag == 0) {
                    break;
                }
            }
        }
        for (int i = 0; i < n; ++i) {
            state.C[i] = (j * state.C[i] + state.points[j][i]) / (j + 1);
        }
        state.values[j] = SumOfSquaresOf<N>(engine, state, x);
    }
}

template <int N> void SortComplexOf(ComplexState& state) {
    const int k = Points<N>(state);
    for (int a = 0; a < k - 1; ++a) {
        for (int b = a + 1; b < k; ++b) {
            if (state.values[a] > state.values[b]) {
                const double value = state.values[a];
                state.values[a] = state.values[b];
                state.values[b] = value;
                for (int i = 0; i < Unknowns<N>(state); ++i) {
                    const double coordinate = state.points[a][i];
                    state.points[a][i] = state.points[b][i];
                    state.points[b][i] = coordinate;
                }
            }
        }
    }
}

template <int N> void CentroidWithoutWorstOf(ComplexState& state) {
    const int k = Points<N>(state);
    for (int i = 0; i < Unknowns<N>(state); ++i) {
        state.W[i] = state.points[k - 1][i];
        state.Cw[i] = (k * state.C[i] - state.W[i]) / (k - 1);
    }
}

template <int N> void ReflectWorstOf(ComplexState& state, double* x) {
    constexpr double alpha = ComplexSettings::ReflectionFactor;
    for (int i = 0; i < Unknowns<N>(state); ++i) {
        state.T[i] = (1 + alpha) * state.Cw[i] - alpha * state.W[i];
        x[i] = state.T[i];
    }
}

template <int N> void MoveHalfwayOf(ComplexState& state, double* x) {
    for (int i = 0; i < Unknowns<N>(state); ++i) {
        if (state.T[i] == state.Cw[i]) {
            state.T[i] = (state.T[i] + state.points[0][i]) / 2;
        } else {
            state.T[i] = (state.T[i] + state.Cw[i]) / 2;
        }
        x[i] = state.T[i];
    }
}

template <int N> void ReplaceWorstOf(ComplexState& state, double f) {
    const int k = Points<N>(state);
    state.values[k - 1] = f;
    for (int i = 0; i < Unknowns<N>(state); ++i) {
        state.C[i] = (k * state.C[i] - state.points[k - 1][i] + state.T[i]) / k;
        state.points[k - 1][i] = state.T[i];
    }
}

template <int N> void CorrectTrialPointOf(Engine& engine, ComplexState& state, double* x) {
    // Feasibility: re-place coordinates outside their bounds, pull an infeasible point
    // toward the centroid, until one check finds nothing to correct.
    for (int corrections = 0;; ++corrections) {
        if (corrections == LoopRepetitionLimit) {
            ++engine.loopLimitHits.FeasibilityCorrection;
            break;
        }
        CheckPointOf<N>(engine, state, state.T);
        const int boundFlag = state.boundFlag;
        const int constraintFlag = state.constraintFlag;
        if (boundFlag) {
            ReplaceNearBoundOf<N>(engine, state, x);
        }
        if (constraintFlag) {
            MoveHalfwayOf<N>(state, x);
        }
        if (!boundFlag && !constraintFlag) {
            break;
        }
    }

    // Improvement: halve toward the centroid until better than the worst point. Near a
    // centroid that is itself worse the halving can cycle between two values for ever.
    double f = SumOfSquaresOf<N>(engine, state, state.T);
    for (int halvings = 0; f >= state.values[Points<N>(state) - 1]; ++halvings) {
        if (halvings == LoopRepetitionLimit) {
            ++engine.loopLimitHits.Halving;
            break;
        }
        MoveHalfwayOf<N>(state, x);
        f = SumOfSquaresOf<N>(engine, state, state.T);
    }
    ReplaceWorstOf<N>(state, f);
}

template <int N> double ObjectiveVarianceOf(const ComplexState& state) {
    const int k = Points<N>(state);
    double sum = 0.0;
    double sumOfSquares = 0.0;
    for (int j = 0; j < k; ++j) {
        sum += state.values[j];
        sumOfSquares += state.values[j] * state.values[j];
    }
    return (sumOfSquares - sum * sum / k) / k;
}

template <int N> double LargestDistanceOf(const ComplexState& state) {
    const int k = Points<N>(state);
    // The square root rises monotonically, so the largest distance is the root of the
    // largest sum of squares: one root instead of one per pair.
    double largest = 0;
    for (int a = 0; a < k - 1; ++a) {
        for (int b = a + 1; b < k; ++b) {
            double sum = 0.0;
            for (int i = 0; i < Unknowns<N>(state); ++i) {
                const double d = state.points[a][i] - state.points[b][i];
                sum += d * d;
            }
            if (sum > largest) {
                largest = sum;
            }
        }
    }
    return std::sqrt(largest);
}

template <int N>
void Search(Engine& engine, ComplexState& state, double* x, std::uint8_t startMode) {
    SolverWorkspace& ws = engine.workspace;
    const int n = Unknowns<N>(state);
    for (int i = 0; i < n; ++i) {
        state.C[i] = 0;
    }

    ws.EvaluationCount = 0;
    double V = ComplexSettings::MeasureStart;
    double D = ComplexSettings::MeasureStart;
    engine.random.Reseed();
    for (int i = 0; i < n; ++i) {
        state.B[i] = x[i];
    }

    BuildInitialComplexOf<N>(engine, state, startMode, x);
    SortComplexOf<N>(state);
    const int budget = ComplexSettings::BudgetPerSquare * n * n + ComplexSettings::BudgetBase;
    for (;;) {
        if (V <= ComplexSettings::VarianceLimit || D <= ComplexSettings::DistanceLimit) {
            break;
        }
        V = ObjectiveVarianceOf<N>(state);
        D = LargestDistanceOf<N>(state);
        CentroidWithoutWorstOf<N>(state);
        ReflectWorstOf<N>(state, x);
        CorrectTrialPointOf<N>(engine, state, x);
        SortComplexOf<N>(state);
        if (ws.EvaluationCount > budget) {
            break;
        }
    }

    for (int i = 0; i < n; ++i) {
        x[i] = state.points[0][i];
    }
    SumOfSquaresOf<N>(engine, state, x);
}

} // namespace

double SumOfSquares(Engine& engine, ComplexState& state, const double* point) {
    return SumOfSquaresOf<0>(engine, state, point);
}

void CheckConstraints(Engine& engine, ComplexState& state, const double* point) {
    SolverWorkspace& ws = engine.workspace;
    const int m = ws.ConstraintCount;
    if (m == 0) {
        state.constraintFlag = 0;
        return;
    }
    EvaluateConstraint(engine, m, point, ws.ConstraintValues);
    for (int l = 0; l < m; ++l) {
        if (ws.ConstraintValues[l] > 0) {
            state.constraintFlag = 1;
        }
    }
}

void CheckPoint(Engine& engine, ComplexState& state, const double* point) {
    CheckPointOf<0>(engine, state, point);
}

void ReplaceNearBound(Engine& engine, ComplexState& state, double* x) {
    ReplaceNearBoundOf<0>(engine, state, x);
}

void BuildInitialComplex(Engine& engine, ComplexState& state, std::uint8_t startMode, double* x) {
    BuildInitialComplexOf<0>(engine, state, startMode, x);
}

void SortComplex(ComplexState& state) {
    SortComplexOf<0>(state);
}
void CentroidWithoutWorst(ComplexState& state) {
    CentroidWithoutWorstOf<0>(state);
}
void ReflectWorst(ComplexState& state, double* x) {
    ReflectWorstOf<0>(state, x);
}
void MoveHalfway(ComplexState& state, double* x) {
    MoveHalfwayOf<0>(state, x);
}

void CorrectTrialPoint(Engine& engine, ComplexState& state, double* x) {
    CorrectTrialPointOf<0>(engine, state, x);
}

void ReplaceWorst(ComplexState& state, double f) {
    ReplaceWorstOf<0>(state, f);
}
double ObjectiveVariance(const ComplexState& state) {
    return ObjectiveVarianceOf<0>(state);
}
double LargestDistance(const ComplexState& state) {
    return LargestDistanceOf<0>(state);
}

} // namespace complex_search

void ComplexSearch(Engine& engine, int n, double* x, double& objective, std::uint8_t startMode) {
    complex_search::ComplexState state;
    state.n = n;
    state.k = 2 * n;
    state.objective = &objective;
    if (n == 2) {
        complex_search::Search<2>(engine, state, x, startMode);
    } else {
        complex_search::Search<0>(engine, state, x, startMode);
    }
}

} // namespace quorvel
