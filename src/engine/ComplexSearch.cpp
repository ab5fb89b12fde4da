#include "engine/ComplexSearch.h"

#include "engine/EquilibriumModel.h"
#include "engine/FloatingPointGuard.h"
#include "engine/SolverSettings.h"

#include <cmath>

namespace quorvel {
namespace complex_search {
namespace {

// What the search reads of the engine and does not change, taken once per search: the
// search writes the workspace through pointers (x, Residuals), which would otherwise
// make every step load these again.
struct Context {
    Engine& engine;
    SolverWorkspace& ws;
    ResidualInputs inputs;
    double lower[N];
    double upper[N];
    int constraintCount;
    int equationCount;
};

Context ContextOf(Engine& engine) {
    SolverWorkspace& ws = engine.workspace;
    return {engine,
            ws,
            ResidualInputsOf(engine),
            {ws.LowerBounds[0], ws.LowerBounds[1]},
            {ws.UpperBounds[0], ws.UpperBounds[1]},
            ws.ConstraintCount,
            ws.EquationCount};
}

inline double SumOfSquaresAt(Context& c, ComplexState& state, const double* point) {
    SolverWorkspace& ws = c.ws;
    double r[N];
    ReformingResiduals(c.inputs, point[0], point[1], r);
    ws.Residuals[0] = r[0];
    ws.Residuals[1] = r[1];
    ws.Success = 1;
    ThrowOnArithmeticFault();
    double value = 0.0;
    for (int i = 0; i < c.equationCount; ++i) {
        const double ri = i < N ? r[i] : ws.Residuals[i];
        value += ri * ri;
    }
    ++ws.EvaluationCount;
    *state.objective = value;
    return value;
}

// The constraint values of point into the workspace; sets the flag on a violation.
inline void CheckConstraintsAt(Context& c, ComplexState& state, const double* point) {
    double* values = c.ws.ConstraintValues;
    values[0] = point[0] + point[1] - 1; // EvaluateConstraint
    for (int l = 0; l < c.constraintCount; ++l) {
        if (values[l] > 0) {
            state.constraintFlag = 1;
        }
    }
}

inline void CheckPointAt(Context& c, ComplexState& state, const double* point) {
    state.boundFlag = 0;
    state.constraintFlag = 0;
    for (int i = 0; i < N; ++i) {
        // "Not at or above" so that a coordinate that is not a number counts as below.
        const bool below = !(point[i] >= c.lower[i]);
        const bool above = point[i] > c.upper[i];
        state.markers[i] = below;
        state.markers[N + i] = above;
        if (below || above) {
            state.boundFlag = 1;
        }
    }
    if (c.constraintCount > 0) {
        CheckConstraintsAt(c, state, point);
    }
}

inline void ReplaceNearBoundAt(Context& c, ComplexState& state, double* x) {
    RandomSource& random = c.engine.random;
    random.Reseed();
    for (int i = 0; i < N; ++i) {
        const double range = c.upper[i] - c.lower[i];
        if (state.markers[i]) {
            state.T[i] = c.lower[i] + ComplexSettings::BoundBand * random.Uniform() * range;
        }
        if (state.markers[N + i]) {
            state.T[i] = c.upper[i] - ComplexSettings::BoundBand * random.Uniform() * range;
        }
        x[i] = state.T[i];
    }
}

inline void BuildInitialComplexAt(Context& c, ComplexState& state, std::uint8_t startMode,
                                  double* x) {
    RandomSource& random = c.engine.random;
    for (int j = 0; j < K; ++j) {
        for (int i = 0; i < N; ++i) {
            // Redraw while the constraint is violated; the other coordinates may make
            // that hopeless, hence the limit.
            for (int draws = 0;; ++draws) {
                if (draws == LoopRepetitionLimit) {
                    ++c.engine.loopLimitHits.InitialRedraw;
                    break;
                }
                const double r = random.Uniform();
                const double v =
                    startMode != 0
                        ? c.lower[i] + r * (c.upper[i] - c.lower[i])
                        : (ComplexSettings::ScatterLow + ComplexSettings::ScatterWidth * r) *
                              state.B[i];
                state.points[j][i] = v;
                x[i] = v;
                CheckPointAt(c, state, x);
                if (state.constraintFlag == 0) {
                    break;
                }
            }
        }
        for (int i = 0; i < N; ++i) {
            state.C[i] = (j * state.C[i] + state.points[j][i]) / (j + 1);
        }
        state.values[j] = SumOfSquaresAt(c, state, x);
    }
}

inline void SortComplexAt(ComplexState& state) {
    for (int a = 0; a < K - 1; ++a) {
        for (int b = a + 1; b < K; ++b) {
            if (state.values[a] > state.values[b]) {
                const double value = state.values[a];
                state.values[a] = state.values[b];
                state.values[b] = value;
                for (int i = 0; i < N; ++i) {
                    const double coordinate = state.points[a][i];
                    state.points[a][i] = state.points[b][i];
                    state.points[b][i] = coordinate;
                }
            }
        }
    }
}

inline void CentroidWithoutWorstAt(ComplexState& state) {
    for (int i = 0; i < N; ++i) {
        state.W[i] = state.points[K - 1][i];
        state.Cw[i] = (K * state.C[i] - state.W[i]) / (K - 1);
    }
}

inline void ReflectWorstAt(ComplexState& state, double* x) {
    constexpr double alpha = ComplexSettings::ReflectionFactor;
    for (int i = 0; i < N; ++i) {
        state.T[i] = (1 + alpha) * state.Cw[i] - alpha * state.W[i];
        x[i] = state.T[i];
    }
}

inline void MoveHalfwayAt(ComplexState& state, double* x) {
    for (int i = 0; i < N; ++i) {
        if (state.T[i] == state.Cw[i]) {
            state.T[i] = (state.T[i] + state.points[0][i]) / 2;
        } else {
            state.T[i] = (state.T[i] + state.Cw[i]) / 2;
        }
        x[i] = state.T[i];
    }
}

inline void ReplaceWorstAt(ComplexState& state, double f) {
    state.values[K - 1] = f;
    for (int i = 0; i < N; ++i) {
        state.C[i] = (K * state.C[i] - state.points[K - 1][i] + state.T[i]) / K;
        state.points[K - 1][i] = state.T[i];
    }
}

inline void CorrectTrialPointAt(Context& c, ComplexState& state, double* x) {
    // Feasibility: re-place coordinates outside their bounds, pull an infeasible point
    // toward the centroid, until one check finds nothing to correct.
    for (int corrections = 0;; ++corrections) {
        if (corrections == LoopRepetitionLimit) {
            ++c.engine.loopLimitHits.FeasibilityCorrection;
            break;
        }
        CheckPointAt(c, state, state.T);
        const int boundFlag = state.boundFlag;
        const int constraintFlag = state.constraintFlag;
        if (boundFlag) {
            ReplaceNearBoundAt(c, state, x);
        }
        if (constraintFlag) {
            MoveHalfwayAt(state, x);
        }
        if (!boundFlag && !constraintFlag) {
            break;
        }
    }

    // Improvement: halve toward the centroid until better than the worst point. Near a
    // centroid that is itself worse the halving can cycle between two values for ever.
    double f = SumOfSquaresAt(c, state, state.T);
    for (int halvings = 0; f >= state.values[K - 1]; ++halvings) {
        if (halvings == LoopRepetitionLimit) {
            ++c.engine.loopLimitHits.Halving;
            break;
        }
        MoveHalfwayAt(state, x);
        f = SumOfSquaresAt(c, state, state.T);
    }
    ReplaceWorstAt(state, f);
}

inline double ObjectiveVarianceAt(const ComplexState& state) {
    double sum = 0.0;
    double sumOfSquares = 0.0;
    for (int j = 0; j < K; ++j) {
        sum += state.values[j];
        sumOfSquares += state.values[j] * state.values[j];
    }
    return (sumOfSquares - sum * sum / K) / K;
}

inline double LargestDistanceAt(const ComplexState& state) {
    // The square root rises monotonically, so the largest distance is the root of the
    // largest sum of squares: one root instead of one per pair.
    double largest = 0;
    for (int a = 0; a < K - 1; ++a) {
        for (int b = a + 1; b < K; ++b) {
            double sum = 0.0;
            for (int i = 0; i < N; ++i) {
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

void Search(Context& c, ComplexState& state, double* x, std::uint8_t startMode) {
    SolverWorkspace& ws = c.ws;
    for (int i = 0; i < N; ++i) {
        state.C[i] = 0;
    }

    ws.EvaluationCount = 0;
    double V = ComplexSettings::MeasureStart;
    double D = ComplexSettings::MeasureStart;
    c.engine.random.Reseed();
    for (int i = 0; i < N; ++i) {
        state.B[i] = x[i];
    }

    BuildInitialComplexAt(c, state, startMode, x);
    SortComplexAt(state);
    constexpr int budget = ComplexSettings::BudgetPerSquare * N * N + ComplexSettings::BudgetBase;
    for (;;) {
        if (V <= ComplexSettings::VarianceLimit || D <= ComplexSettings::DistanceLimit) {
            break;
        }
        V = ObjectiveVarianceAt(state);
        // D is only read where V has not stopped the search already; measuring it
        // otherwise would be wasted on the six pairs of points.
        if (!(V <= ComplexSettings::VarianceLimit)) {
            D = LargestDistanceAt(state);
        }
        CentroidWithoutWorstAt(state);
        ReflectWorstAt(state, x);
        CorrectTrialPointAt(c, state, x);
        SortComplexAt(state);
        if (ws.EvaluationCount > budget) {
            break;
        }
    }

    for (int i = 0; i < N; ++i) {
        x[i] = state.points[0][i];
    }
    SumOfSquaresAt(c, state, x);
}

} // namespace

double SumOfSquares(Engine& engine, ComplexState& state, const double* point) {
    Context c = ContextOf(engine);
    return SumOfSquaresAt(c, state, point);
}

void CheckConstraints(Engine& engine, ComplexState& state, const double* point) {
    Context c = ContextOf(engine);
    if (c.constraintCount == 0) {
        state.constraintFlag = 0;
        return;
    }
    CheckConstraintsAt(c, state, point);
}

void CheckPoint(Engine& engine, ComplexState& state, const double* point) {
    Context c = ContextOf(engine);
    CheckPointAt(c, state, point);
}

void ReplaceNearBound(Engine& engine, ComplexState& state, double* x) {
    Context c = ContextOf(engine);
    ReplaceNearBoundAt(c, state, x);
}

void BuildInitialComplex(Engine& engine, ComplexState& state, std::uint8_t startMode, double* x) {
    Context c = ContextOf(engine);
    BuildInitialComplexAt(c, state, startMode, x);
}

void SortComplex(ComplexState& state) {
    SortComplexAt(state);
}
void CentroidWithoutWorst(ComplexState& state) {
    CentroidWithoutWorstAt(state);
}
void ReflectWorst(ComplexState& state, double* x) {
    ReflectWorstAt(state, x);
}
void MoveHalfway(ComplexState& state, double* x) {
    MoveHalfwayAt(state, x);
}

void CorrectTrialPoint(Engine& engine, ComplexState& state, double* x) {
    Context c = ContextOf(engine);
    CorrectTrialPointAt(c, state, x);
}

void ReplaceWorst(ComplexState& state, double f) {
    ReplaceWorstAt(state, f);
}
double ObjectiveVariance(const ComplexState& state) {
    return ObjectiveVarianceAt(state);
}
double LargestDistance(const ComplexState& state) {
    return LargestDistanceAt(state);
}

} // namespace complex_search

void ComplexSearch(Engine& engine, int n, double* x, double& objective, std::uint8_t startMode) {
    if (n != complex_search::N) {
        return;
    }
    complex_search::ComplexState state;
    state.objective = &objective;
    complex_search::Context c = complex_search::ContextOf(engine);
    complex_search::Search(c, state, x, startMode);
}

} // namespace quorvel
