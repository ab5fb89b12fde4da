#include "engine/ComplexSearch.h"

#include "engine/EquilibriumModel.h"
#include "engine/FloatingPointGuard.h"
#include "engine/SolverSettings.h"

#include <cmath>

namespace quorvel {
namespace complex_search {
namespace {

// What the search reads of the engine and does not change, taken once per search, and
// what its evaluations leave in the workspace. The search keeps its current point and
// those results in this record, where the compiler can hold them in registers, and
// writes them to the caller's x and the workspace wherever the search can be observed:
// before every reading of the clock, before a fault is raised and at its end. There the
// caller's x and the workspace hold exactly what writing them at every step leaves.
struct Context {
    Engine& engine;
    SolverWorkspace& ws;
    ResidualInputs inputs;
    double lower[N];
    double upper[N];
    int constraintCount;
    int equationCount;
    double* x;              // the caller's current-point buffer
    double* objective;      // the caller's objective output
    double current[N];      // the current point, as the caller's x is to hold it
    double residuals[N];    // the workspace's Residuals
    double constraintValue; // the workspace's ConstraintValues[0]
    double value;           // the objective output
    int evaluationCount;    // the workspace's EvaluationCount
    std::uint8_t success;   // the workspace's Success
    // Whether the fault flags are tested after every evaluation (see ComplexSearch).
    bool checked;
};

Context ContextOf(Engine& engine, double* x, double* objective) {
    SolverWorkspace& ws = engine.workspace;
    return {engine,
            ws,
            ResidualInputsOf(engine),
            {ws.LowerBounds[0], ws.LowerBounds[1]},
            {ws.UpperBounds[0], ws.UpperBounds[1]},
            ws.ConstraintCount,
            ws.EquationCount,
            x,
            objective,
            {x[0], x[1]},
            {ws.Residuals[0], ws.Residuals[1]},
            ws.ConstraintValues[0],
            *objective,
            ws.EvaluationCount,
            ws.Success,
            true};
}

// Writes the current point and the evaluations' results where the caller sees them.
inline void Publish(Context& c) {
    SolverWorkspace& ws = c.ws;
    for (int i = 0; i < N; ++i) {
        c.x[i] = c.current[i];
        ws.Residuals[i] = c.residuals[i];
    }
    ws.ConstraintValues[0] = c.constraintValue;
    ws.EvaluationCount = c.evaluationCount;
    ws.Success = c.success;
    *c.objective = c.value;
}

// The search's own entry to the generator: the clock it reads may look at the search.
inline void Reseed(Context& c) {
    Publish(c);
    c.engine.random.Reseed();
}

inline double SumOfSquaresAt(Context& c, const double* point) {
    double r[N];
    ReformingResiduals(c.inputs, point[0], point[1], r);
    c.residuals[0] = r[0];
    c.residuals[1] = r[1];
    c.success = 1;
    if (c.checked && (!ArithmeticFaultRegister || ArithmeticFaultFlagged())) {
        Publish(c);
        ThrowOnArithmeticFault();
    }
    double value = 0.0;
    for (int i = 0; i < c.equationCount; ++i) {
        const double ri = i < N ? r[i] : c.ws.Residuals[i];
        value += ri * ri;
    }
    ++c.evaluationCount;
    c.value = value;
    return value;
}

// The constraint values of point into the workspace; sets the flag on a violation.
inline void CheckConstraintsAt(Context& c, ComplexState& state, const double* point) {
    c.constraintValue = point[0] + point[1] - 1; // EvaluateConstraint
    if (c.constraintValue > 0) {
        state.constraintFlag = 1;
    }
    // Constraints past the first are never written here and keep their values.
    for (int l = 1; l < c.constraintCount; ++l) {
        if (c.ws.ConstraintValues[l] > 0) {
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

// False, with nothing changed, where the search so far ran unchecked and raised a fault:
// the search is then made again, checked (see ComplexSearch).
[[gnu::always_inline]] inline bool ReplaceNearBoundAt(Context& c, ComplexState& state, double* x) {
    if (!c.checked) {
        if (ArithmeticFaultFlagged()) {
            return false;
        }
        c.checked = true;
    }
    Reseed(c);
    RandomSource& random = c.engine.random;
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
    return true;
}

[[gnu::always_inline]] inline void BuildInitialComplexAt(Context& c, ComplexState& state,
                                                         std::uint8_t startMode, double* x) {
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
        state.values[j] = SumOfSquaresAt(c, x);
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

// False where ReplaceNearBoundAt is.
[[gnu::always_inline]] inline bool CorrectTrialPointAt(Context& c, ComplexState& state, double* x) {
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
        if (boundFlag && !ReplaceNearBoundAt(c, state, x)) {
            return false;
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
    double f = SumOfSquaresAt(c, state.T);
    for (int halvings = 0; f >= state.values[K - 1]; ++halvings) {
        if (halvings == LoopRepetitionLimit) {
            ++c.engine.loopLimitHits.Halving;
            break;
        }
        MoveHalfwayAt(state, x);
        f = SumOfSquaresAt(c, state.T);
    }
    ReplaceWorstAt(state, f);
    return true;
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

// The search from its start, with the generator seeded from the start's reading of the
// clock. False where it ran unchecked and a fault was raised; the caller's x and the
// workspace are then as the start left them.
bool Search(Context& c, ComplexState& state, std::uint8_t startMode, std::uint32_t reading) {
    double* x = c.current;
    for (int i = 0; i < N; ++i) {
        state.C[i] = 0;
    }

    double V = ComplexSettings::MeasureStart;
    double D = ComplexSettings::MeasureStart;
    c.engine.random.Seed(reading);
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
        if (!CorrectTrialPointAt(c, state, x)) {
            return false;
        }
        SortComplexAt(state);
        if (c.evaluationCount > budget) {
            break;
        }
    }

    for (int i = 0; i < N; ++i) {
        x[i] = state.points[0][i];
    }
    SumOfSquaresAt(c, x);
    if (!c.checked && ArithmeticFaultFlagged()) {
        return false;
    }
    Publish(c);
    return true;
}

} // namespace

// Each step on its own: the workspace and x as the search leaves them after that step.
double SumOfSquares(Engine& engine, ComplexState& state, const double* point) {
    double x[N] = {point[0], point[1]};
    Context c = ContextOf(engine, x, state.objective);
    const double value = SumOfSquaresAt(c, point);
    Publish(c);
    return value;
}

void CheckConstraints(Engine& engine, ComplexState& state, const double* point) {
    double x[N] = {point[0], point[1]};
    double objective = 0;
    Context c = ContextOf(engine, x, &objective);
    if (c.constraintCount == 0) {
        state.constraintFlag = 0;
        return;
    }
    CheckConstraintsAt(c, state, point);
    engine.workspace.ConstraintValues[0] = c.constraintValue;
}

void CheckPoint(Engine& engine, ComplexState& state, const double* point) {
    double x[N] = {point[0], point[1]};
    double objective = 0;
    Context c = ContextOf(engine, x, &objective);
    CheckPointAt(c, state, point);
    engine.workspace.ConstraintValues[0] = c.constraintValue;
}

void ReplaceNearBound(Engine& engine, ComplexState& state, double* x) {
    // The step evaluates nothing, so it needs no objective output.
    double objective = 0;
    Context c = ContextOf(engine, x, &objective);
    (void)ReplaceNearBoundAt(c, state, c.current);
    Publish(c);
}

void BuildInitialComplex(Engine& engine, ComplexState& state, std::uint8_t startMode, double* x) {
    Context c = ContextOf(engine, x, state.objective);
    BuildInitialComplexAt(c, state, startMode, c.current);
    Publish(c);
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
    Context c = ContextOf(engine, x, state.objective);
    (void)CorrectTrialPointAt(c, state, c.current);
    Publish(c);
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
    using namespace complex_search;
    if (n != N) {
        return;
    }
    // Testing the fault flags is a good part of an evaluation's cost, so a search that
    // finds none raised after its start's reading of the clock runs unchecked until its
    // end or its first re-placement near a bound (its next reading), whichever comes
    // first, and from such a re-placement on tests every evaluation again. Where a fault
    // shows at that end, the search is made once more from the same start and the same
    // reading, testing every evaluation: it then raises the fault at the evaluation and
    // with the message it always has, or, for a fault after its last evaluation, ends as
    // it always has and leaves the fault to the solver's next test. Without a fault the
    // unchecked search computes, draws and reads exactly what the checked one does.
    const LoopLimitHits hitsAtStart = engine.loopLimitHits;
    ComplexState state;
    state.objective = &objective;
    bool checked = false;
    std::uint32_t reading = 0;
    for (bool again = false;; again = true) {
        Context c = ContextOf(engine, x, &objective);
        if (!again) {
            c.evaluationCount = 0;
            Publish(c);
            reading = engine.random.clock();
            checked = !ArithmeticFaultRegister || ArithmeticFaultFlagged();
        }
        c.checked = checked;
        if (Search(c, state, startMode, reading)) {
            return;
        }
        // The flags were clear after the reading, so what they hold now came after it.
        ClearArithmeticFaultFlags();
        engine.loopLimitHits = hitsAtStart;
        checked = true;
    }
}

} // namespace quorvel
