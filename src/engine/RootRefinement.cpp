#include "engine/RootRefinement.h"

#include "engine/EquilibriumModel.h"
#include "engine/SolverSettings.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>

namespace quorvel {

namespace {

constexpr int N = GasAmountCount;

// Reforming CH4 + H2O = CO + 3H2 and shift CO + H2O = CO2 + H2, per species: also the
// change of each amount with u = x + y (the reforming's extent) and with y (the shift's).
// The one statement of the stoichiometry: every amount below is derived from it.
constexpr double Reforming[N] = {-1, 1, 0, 3, -1};
constexpr double Shift[N] = {0, -1, 1, 1, -1};

// What the equations need of the feed and the conditions, computed once per point.
struct Problem {
    double c, a, b, h, m, sw; // feed totals; sw is the added steam plus the feed water
    double lnK1, lnK2, lnPressure;
    // Carbon, hydrogen and oxygen of feed and steam: each must be positive for any
    // composition to have every amount positive, and together they size the extents.
    double elements[3];
};

bool Usable(double v) {
    return v > 0 && std::isfinite(v);
}

// The feed totals and the element balances of the problem; lnK1, lnK2 and lnPressure are
// left for the caller. False where the conditions or the feed allow no problem.
bool MakeProblemOfFeed(const Engine& engine, Problem& p) {
    const FeedTotals& f = engine.feedTotals;
    const ProcessConditions& pc = engine.processConditions;
    if (!Usable(pc.Pressure) || !Usable(pc.K1) || !Usable(pc.K2) || !std::isfinite(pc.Ratio)) {
        return false;
    }
    p = {f.C, f.CO, f.CO2, f.H2, f.N2, pc.Ratio + f.H2O, 0, 0, 0, {}};
    p.elements[0] = p.c + p.a + p.b;
    p.elements[1] = 4 * p.c + 2 * p.h + 2 * p.sw;
    p.elements[2] = p.a + 2 * p.b + p.sw;
    return Usable(p.elements[0]) && Usable(p.elements[1]) && Usable(p.elements[2]) &&
           std::isfinite(p.m) && p.m >= 0;
}

// The problem at the engine's feed and conditions, its logarithms taken afresh.
bool MakeProblem(const Engine& engine, Problem& p) {
    if (!MakeProblemOfFeed(engine, p)) {
        return false;
    }
    const ProcessConditions& pc = engine.processConditions;
    p.lnK1 = std::log(pc.K1);
    p.lnK2 = std::log(pc.K2);
    p.lnPressure = std::log(pc.Pressure);
    return true;
}

// The same problem, its logarithms those the refinement's state keeps where their value
// is the same bit pattern: the same doubles, without taking them at every point.
bool MakeProblemWithKeptLogs(Engine& engine, Problem& p) {
    if (!MakeProblemOfFeed(engine, p)) {
        return false;
    }
    const ProcessConditions& pc = engine.processConditions;
    RefinementState& state = engine.refinement;
    const double of[3] = {pc.K1, pc.K2, pc.Pressure};
    for (int k = 0; k < 3; ++k) {
        // Only the logarithm of a positive value with a finite logarithm is kept: that one
        // raises no fault flag, while any other is taken again, with its fault, each time
        // (and the zeros a new state holds are never taken for a logarithm).
        if (std::bit_cast<std::uint64_t>(of[k]) != std::bit_cast<std::uint64_t>(state.LogOf[k]) ||
            !(of[k] > 0) || !std::isfinite(state.Logs[k])) {
            state.Logs[k] = std::log(of[k]);
            state.LogOf[k] = of[k];
        }
    }
    p.lnK1 = state.Logs[0];
    p.lnK2 = state.Logs[1];
    p.lnPressure = state.Logs[2];
    return true;
}

// The feed's amount of each species, in the order of GasAmount.
double FeedAmount(const Problem& p, int k) {
    const double feed[N] = {p.c, p.a, p.b, p.h, p.sw};
    return feed[k];
}

// The amounts at u = x + y (the methane converted) and y (the CO2 formed), from the
// stoichiometry table.
void AmountsAt(const Problem& p, double u, double y, double* n) {
    for (int k = 0; k < N; ++k) {
        n[k] = FeedAmount(p, k) + Reforming[k] * u + Shift[k] * y;
    }
}

bool AllPositive(const double* n) {
    for (int k = 0; k < N; ++k) {
        if (!(n[k] > 0)) {
            return false;
        }
    }
    return true;
}

double WetTotal(const Problem& p, const double* n) {
    return WetTotalOfAmounts(n, p.m);
}

// The range of u over which some y leaves every amount positive: each bound comes from
// two amounts that one u and y cannot both keep positive beyond it.
bool URange(const Problem& p, double& low, double& high) {
    low = std::max({-p.a - p.b, -(p.a + p.h) / 4, -(p.h + p.sw) / 2});
    high = std::min(p.c, p.sw + p.b);
    return low < high;
}

// The range of y that keeps every amount positive at this u.
void YRange(const Problem& p, double u, double& low, double& high) {
    low = std::max(-p.b, -p.h - 3 * u);
    high = std::min(p.a + u, p.sw - u);
}

// The middle (u, y) of the domain of positive amounts; false if no such point is found.
bool DomainMiddle(const Problem& p, double& u, double& y) {
    double uLow, uHigh;
    if (!URange(p, uLow, uHigh)) {
        return false;
    }
    u = (uLow + uHigh) / 2;
    double yLow, yHigh;
    YRange(p, u, yLow, yHigh);
    if (!(yLow < yHigh)) {
        return false;
    }
    y = (yLow + yHigh) / 2;
    double n[N];
    AmountsAt(p, u, y, n);
    return AllPositive(n);
}

// ln(pCO2 pH2 / (pCO pH2O K2)): increases with y at fixed u.
double ShiftResidual(const Problem& p, const double* n) {
    return std::log(n[CarbonDioxide]) + std::log(n[Hydrogen]) - std::log(n[CarbonMonoxide]) -
           std::log(n[Water]) - p.lnK2;
}

// ln(pCO pH2^3 / (pCH4 pH2O K1)).
double ReformingResidual(const Problem& p, const double* n) {
    return std::log(n[CarbonMonoxide]) + 3 * std::log(n[Hydrogen]) - std::log(n[Methane]) -
           std::log(n[Water]) + 2 * (p.lnPressure - std::log(WetTotal(p, n))) - p.lnK1;
}

// Bisection for the y at which the shift holds at this u; false if no y keeps every
// amount positive in floating point. An amount at or below zero stands for an infinite
// residual of the sign its side of the range gives.
bool ShiftRootAt(const Problem& p, double u, double& y, double* n) {
    double low, high;
    YRange(p, u, low, high);
    bool found = false;
    for (int k = 0; k < RefinementSettings::BisectionLimit; ++k) {
        const double middle = low + (high - low) / 2;
        if (!(middle > low && middle < high)) {
            break;
        }
        AmountsAt(p, u, middle, n);
        const bool tooLow = !(n[CarbonDioxide] > 0) || !(n[Hydrogen] > 0);
        const bool tooHigh = !(n[CarbonMonoxide] > 0) || !(n[Water] > 0);
        if (tooLow && tooHigh) {
            break;
        }
        if (tooLow) {
            low = middle;
        } else if (tooHigh) {
            high = middle;
        } else {
            y = middle;
            found = n[Methane] > 0;
            (ShiftResidual(p, n) < 0 ? low : high) = middle;
        }
    }
    if (found) {
        AmountsAt(p, u, y, n);
    }
    return found;
}

// The nested bisection over u and y: the log residuals are monotone (the shift in y at
// fixed u, the reforming along the curve where the shift holds, in u), so the bracket
// always closes on the one root. Leaves in (u, y) the last point at which every amount
// was positive.
bool NestedBisection(const Problem& p, double& uFound, double& yFound) {
    double low, high;
    if (!URange(p, low, high)) {
        return false;
    }
    const double uMiddle = low + (high - low) / 2;
    double point[N];
    bool found = false;
    for (int k = 0; k < RefinementSettings::BisectionLimit; ++k) {
        const double u = low + (high - low) / 2;
        if (!(u > low && u < high)) {
            break;
        }
        double y;
        if (!ShiftRootAt(p, u, y, point)) {
            // No y keeps every amount positive: u lies at an end of its range.
            (u < uMiddle ? low : high) = u;
            continue;
        }
        uFound = u;
        yFound = y;
        found = true;
        (ReformingResidual(p, point) < 0 ? low : high) = u;
    }
    return found;
}

constexpr int M = N + 2; // unknowns of Newton's method: u, y and the log amounts
static_assert(M == sizeof(RefinementState::Roots[0]) / sizeof(double));

// Solves a x = r by elimination with partial pivoting; false if a pivot vanishes or the
// answer is not finite.
bool SolveLinearDense(double (&a)[M][M], double (&r)[M], double (&x)[M]) {
    for (int col = 0; col < M; ++col) {
        int pivot = col;
        for (int row = col + 1; row < M; ++row) {
            if (std::fabs(a[row][col]) > std::fabs(a[pivot][col])) {
                pivot = row;
            }
        }
        if (!(std::fabs(a[pivot][col]) > 0)) {
            return false;
        }
        if (pivot != col) {
            std::swap(a[pivot], a[col]);
            std::swap(r[pivot], r[col]);
        }
        for (int row = col + 1; row < M; ++row) {
            const double factor = a[row][col] / a[col][col];
            for (int k = col; k < M; ++k) {
                a[row][k] -= factor * a[col][k];
            }
            r[row] -= factor * r[col];
        }
    }
    for (int row = M - 1; row >= 0; --row) {
        double sum = r[row];
        for (int k = row + 1; k < M; ++k) {
            sum -= a[row][k] * x[k];
        }
        x[row] = sum / a[row][row];
        if (!std::isfinite(x[row])) {
            return false;
        }
    }
    return true;
}

// The same elimination that touches only the entries that can be nonzero: nonzero[row]
// has bit k set where a[row][k] may differ from +0. The matrix of Newton's method below
// is mostly zeros (each amount's equation has three entries), and the operations left
// out are those that subtract a product with a zero factor, which change no bit of a
// finite entry that is not -0. Its entries are never -0 and, where bounded as the caller
// checks, stay finite through the elimination, so the answer is the dense one bit for
// bit. Entries left of the diagonal are not brought to zero: nothing reads them again.
// Rows are exchanged by their pointers. Starts at column first, with row[j] the row at
// position j and r and nonzero in the same order, as the first columns' elimination left
// them (for first 0, the matrix's rows in their order).
bool SolveLinearSparse(double* (&row)[M], unsigned (&nonzero)[M], double (&r)[M], double (&x)[M],
                       int first) {
    for (int col = first; col < M; ++col) {
        int pivot = col;
        for (int i = col + 1; i < M; ++i) {
            if (std::fabs(row[i][col]) > std::fabs(row[pivot][col])) {
                pivot = i;
            }
        }
        if (!(std::fabs(row[pivot][col]) > 0)) {
            return false;
        }
        if (pivot != col) {
            std::swap(row[pivot], row[col]);
            std::swap(nonzero[pivot], nonzero[col]);
            std::swap(r[pivot], r[col]);
        }
        const double* pivotRow = row[col];
        const unsigned right = nonzero[col] & ~((2u << col) - 1);
        const bool finiteRight = std::isfinite(r[col]);
        for (int i = col + 1; i < M; ++i) {
            if (!(nonzero[i] & (1u << col)) && r[i] != 0 && finiteRight) {
                // The entry is +0, so the factor is a zero and r[i] less a zero product
                // is r[i] itself: nothing to do, and no division to wait for.
                continue;
            }
            const double factor = row[i][col] / pivotRow[col];
            if (nonzero[i] & (1u << col)) {
                for (unsigned bits = right; bits != 0; bits &= bits - 1) {
                    const int k = std::countr_zero(bits);
                    row[i][k] -= factor * pivotRow[k];
                }
                nonzero[i] |= right;
            }
            r[i] -= factor * r[col];
        }
    }
    for (int i = M - 1; i >= 0; --i) {
        double sum = r[i];
        // A zero sum could be -0, which a skipped product of +0 would have turned into +0.
        const unsigned right =
            sum == 0 ? ~0u & ((1u << M) - 1) & ~((2u << i) - 1) : nonzero[i] & ~((2u << i) - 1);
        for (unsigned bits = right; bits != 0; bits &= bits - 1) {
            const int k = std::countr_zero(bits);
            sum -= row[i][k] * x[k];
        }
        x[i] = sum / row[i][i];
        if (!std::isfinite(x[i])) {
            return false;
        }
    }
    return true;
}

struct JacobianPattern {
    unsigned rows[M]; // bit k of rows[i]: entry (i, k) may differ from +0
};

// The entries of the Jacobian below that can be nonzero: the equilibria's in the log
// amounts, each amount's in the extents it moves with and in its own log amount.
constexpr JacobianPattern PatternOfJacobian() {
    JacobianPattern pattern{};
    for (int k = 0; k < N; ++k) {
        pattern.rows[0] |= 1u << (2 + k);
        pattern.rows[1] |= Shift[k] != 0 ? 1u << (2 + k) : 0;
        pattern.rows[2 + k] =
            (Reforming[k] != 0 ? 1u : 0) | (Shift[k] != 0 ? 2u : 0) | 1u << (2 + k);
    }
    return pattern;
}

// The orders of pivots that SolveLinearSparse's pivoting chooses for the Jacobian's
// columns at nearly every step of the refinement, the most frequent first: rows CO, CO2,
// the reforming, the shift, H2, CH4, H2O three times in four; with CH4 or H2 first, or
// H2 second, at most of the others.
constexpr int UsualPivots[][M] = {
    {3, 4, 0, 1, 5, 2, 6}, {2, 4, 0, 1, 3, 5, 6}, {3, 5, 0, 1, 4, 2, 6}, {5, 4, 0, 1, 3, 2, 6}};
constexpr int UsualPivotOrders = sizeof UsualPivots / sizeof UsualPivots[0];

struct EliminationPlan {
    int order[M][M];            // order[col][j]: the row at position j before column col
    unsigned nonzero[M + 1][M]; // nonzero[col][row]: before column col; [M]: at the end
    bool below[M][M];           // below[col][row]: not yet a pivot when column col is done
};

constexpr EliminationPlan PlanOf(const int (&pivots)[M], const JacobianPattern& pattern) {
    EliminationPlan plan{};
    int order[M] = {};
    unsigned nonzero[M] = {};
    bool pivoted[M] = {};
    for (int k = 0; k < M; ++k) {
        order[k] = k;
        nonzero[k] = pattern.rows[k];
    }
    for (int col = 0; col < M; ++col) {
        for (int k = 0; k < M; ++k) {
            plan.order[col][k] = order[k];
            plan.nonzero[col][k] = nonzero[k];
        }
        int at = col;
        while (order[at] != pivots[col]) {
            ++at;
        }
        std::swap(order[at], order[col]);
        pivoted[pivots[col]] = true;
        const unsigned right = nonzero[pivots[col]] & ~((2u << col) - 1);
        for (int k = 0; k < M; ++k) {
            plan.below[col][k] = !pivoted[k];
            if (!pivoted[k] && (nonzero[k] & (1u << col))) {
                nonzero[k] |= right;
            }
        }
    }
    for (int k = 0; k < M; ++k) {
        plan.nonzero[M][k] = nonzero[k];
    }
    return plan;
}

constexpr EliminationPlan UsualPlans[UsualPivotOrders] = {
    PlanOf(UsualPivots[0], PatternOfJacobian()), PlanOf(UsualPivots[1], PatternOfJacobian()),
    PlanOf(UsualPivots[2], PatternOfJacobian()), PlanOf(UsualPivots[3], PatternOfJacobian())};

template <int plan> constexpr const EliminationPlan& UsualPlan = UsualPlans[plan];

enum class PlannedOutcome { Solved, Failed, OtherPivots };

// The shift's row of the Jacobian holds Shift's coefficients in the log amounts and
// nothing else. True if, with the usual pivots of `plan`, it is the pivot of column col
// and no column before it changed any entry of the row: it is no pivot before, and has
// a zero in each column before (only its right-hand side takes part in those columns).
constexpr bool ShiftRowIsIntactPivot(int plan, int col) {
    constexpr int shiftRow = 1;
    if (UsualPivots[plan][col] != shiftRow) {
        return false;
    }
    for (int c = 0; c < col; ++c) {
        if (UsualPivots[plan][c] == shiftRow ||
            (UsualPlans[plan].nonzero[c][shiftRow] & (1u << c)) != 0) {
            return false;
        }
    }
    return true;
}

// The shift's row is the intact pivot of one column in every usual order, which saves
// that column's divisions below.
static_assert([] {
    for (int plan = 0; plan < UsualPivotOrders; ++plan) {
        int intact = 0;
        for (int col = 0; col < M; ++col) {
            intact += ShiftRowIsIntactPivot(plan, col) ? 1 : 0;
        }
        if (intact != 1) {
            return false;
        }
    }
    return true;
}());

// Entry k of the pivot row of column col in the usual order `plan`, for k from col on.
// Where that row is the intact shift's row, its entry is the coefficient itself, which
// the compiler knows: a quotient or a product with one or minus one is the other operand
// or its negative, exactly, so the division and the products it saves change no bit.
template <int plan, int col, int k> double PivotEntry(const double (&a)[M][M]) {
    if constexpr (ShiftRowIsIntactPivot(plan, col) && k >= col) {
        return Shift[k - 2];
    } else {
        return a[UsualPivots[plan][col]][k];
    }
}

// Row i's part of eliminating column col with the usual pivots: the same operations as
// SolveLinearSparse's, unrolled, as the entries they touch are known in advance.
template <int plan, int col, int i>
void EliminateRowAsPlanned(double (&a)[M][M], double (&r)[M], bool finiteRight) {
    if constexpr (UsualPlan<plan>.below[col][i]) {
        constexpr int p = UsualPivots[plan][col];
        if constexpr ((UsualPlan<plan>.nonzero[col][i] & (1u << col)) != 0) {
            constexpr unsigned right = UsualPlan<plan>.nonzero[col][p] & ~((2u << col) - 1);
            const double factor = a[i][col] / PivotEntry<plan, col, col>(a);
            [&]<int... k>(std::integer_sequence<int, k...>) {
                ((((right >> k) & 1u) != 0 ? (void)(a[i][k] -= factor * PivotEntry<plan, col, k>(a))
                                           : void()),
                 ...);
            }
            (std::make_integer_sequence<int, M>{});
            r[i] -= factor * r[p];
        } else if (!(r[i] != 0 && finiteRight)) {
            r[i] -= a[i][col] / PivotEntry<plan, col, col>(a) * r[p];
        }
    }
}

template <int plan, int col> bool EliminateColumnAsPlanned(double (&a)[M][M], double (&r)[M]) {
    constexpr const int* order = UsualPlan<plan>.order[col];
    int pivot = col;
    for (int j = col + 1; j < M; ++j) {
        if (std::fabs(a[order[j]][col]) > std::fabs(a[order[pivot]][col])) {
            pivot = j;
        }
    }
    constexpr int p = UsualPivots[plan][col];
    if (order[pivot] != p || !(std::fabs(a[p][col]) > 0)) {
        return false;
    }
    const bool finiteRight = std::isfinite(r[p]);
    [&]<int... i>(std::integer_sequence<int, i...>) {
        (EliminateRowAsPlanned<plan, col, i>(a, r, finiteRight), ...);
    }
    (std::make_integer_sequence<int, M>{});
    return true;
}

template <int plan, int i>
bool SubstituteAsPlanned(const double (&a)[M][M], const double (&r)[M], double (&x)[M]) {
    constexpr int p = UsualPivots[plan][i];
    double sum = r[p];
    // The pivot row of column i is no longer changed once it is the pivot.
    if (sum == 0) {
        [&]<int... k>(std::integer_sequence<int, k...>) {
            ((k > i ? (void)(sum -= PivotEntry<plan, i, k>(a) * x[k]) : void()), ...);
        }
        (std::make_integer_sequence<int, M>{});
    } else {
        constexpr unsigned right = UsualPlan<plan>.nonzero[M][p] & ~((2u << i) - 1);
        [&]<int... k>(std::integer_sequence<int, k...>) {
            ((((right >> k) & 1u) != 0 ? (void)(sum -= PivotEntry<plan, i, k>(a) * x[k]) : void()),
             ...);
        }
        (std::make_integer_sequence<int, M>{});
    }
    x[i] = sum / PivotEntry<plan, i, i>(a);
    return std::isfinite(x[i]);
}

// SolveLinearSparse for a matrix of the Jacobian's pattern whose pivots turn out to be
// those of UsualPivots[plan], bit for bit: the same pivot search, the same operations on
// the same entries, only without reading the pattern at run time. Rows stay where they
// are instead of being exchanged, which changes no value. Starts at column first, the
// columns before it eliminated with the same pivots; OtherPivots, with `stopped` the
// column, as soon as a search picks another row.
template <int plan>
PlannedOutcome SolveAsPlanned(double (&a)[M][M], double (&r)[M], double (&x)[M], int first,
                              int& stopped) {
    const bool usual = [&]<int... col>(std::integer_sequence<int, col...>) {
        return (
            (col < first || EliminateColumnAsPlanned<plan, col>(a, r) || (stopped = col, false)) &&
            ...);
    }
    (std::make_integer_sequence<int, M>{});
    if (!usual) {
        return PlannedOutcome::OtherPivots;
    }
    const bool finite = [&]<int... k>(std::integer_sequence<int, k...>) {
        return (SubstituteAsPlanned<plan, M - 1 - k>(a, r, x) && ...);
    }
    (std::make_integer_sequence<int, M>{});
    return finite ? PlannedOutcome::Solved : PlannedOutcome::Failed;
}

// True if the usual orders a and b begin with the same `count` pivots.
constexpr bool SamePivotsBefore(int a, int b, int count) {
    for (int k = 0; k < count; ++k) {
        if (UsualPivots[a][k] != UsualPivots[b][k]) {
            return false;
        }
    }
    return true;
}

// SolveLinearSparse for a matrix of the Jacobian's pattern, bit for bit. The usual orders
// of pivots are tried in turn, each going on from the columns that the orders before it
// eliminated where it begins with the same pivots; where no usual order fits, the general
// elimination goes on from there.
bool SolveLinearOfPattern(double (&a)[M][M], double (&r)[M], double (&x)[M]) {
    PlannedOutcome outcome = PlannedOutcome::OtherPivots;
    int done = 0; // columns eliminated, by the pivots of order `last`
    int last = 0;
    [&]<int... plan>(std::integer_sequence<int, plan...>) {
        ((outcome == PlannedOutcome::OtherPivots && SamePivotsBefore(plan, last, done)
              ? (void)(outcome = SolveAsPlanned<plan>(a, r, x, done, done), last = plan)
              : void()),
         ...);
    }
    (std::make_integer_sequence<int, UsualPivotOrders>{});
    if (outcome != PlannedOutcome::OtherPivots) {
        return outcome == PlannedOutcome::Solved;
    }
    // The general elimination's state after `done` columns: rows in the order its
    // exchanges gave them, with the pattern they have by then.
    const EliminationPlan& plan = UsualPlans[last];
    double* row[M];
    unsigned nonzero[M];
    double rowR[M];
    for (int j = 0; j < M; ++j) {
        const int i = plan.order[done][j];
        row[j] = a[i];
        nonzero[j] = plan.nonzero[done][i];
        rowR[j] = r[i];
    }
    return SolveLinearSparse(row, nonzero, rowR, x, done);
}

// The coefficient c over the size t > 0 of an amount's terms, with inverse = 1 / t: for a
// coefficient of one or minus one that quotient or its negative, exactly, as division
// rounds alike on both sides of zero; for zero a zero; else the quotient itself. Where t
// is not positive the quotient of zero may be a NaN (whose sign nothing reads).
double CoefficientOver(double c, double t, double inverse) {
    if (c == 1) {
        return inverse;
    }
    if (c == -1) {
        return -inverse;
    }
    if (c == 0 && t > 0) {
        return 0;
    }
    return c / t;
}

// Newton's method on the extents u, y together with z = ln(amount) of each species.
// Equations: the two equilibria in log form, and for each species its amount as the
// extents give it, relative to the size of the terms. A trace amount that is the
// difference of two large terms is then fixed by the equilibria, with its own relative
// precision, while the extents keep every other amount free of cancellation. True with
// the root in (u, y, z) and its amounts exp(z) in `amounts` once the extents and each
// amount change by little and every residual is small.
bool NewtonOnExtentsAndLogAmounts(const Problem& p, double& u, double& y, double* z,
                                  double* amounts) {
    // Within these sizes of the terms every entry of the matrix is nonzero where the
    // pattern (PatternOfJacobian) says so and small enough that no elimination step can
    // overflow, which the sparse elimination needs to match the dense one.
    constexpr double smallestTerms = 1e-99;
    constexpr double largestTerms = 1e15;

    bool closing = false;
    for (int iteration = 0; iteration < RefinementSettings::IterationLimit; ++iteration) {
        double n[N];
        for (int k = 0; k < N; ++k) {
            if (!(z[k] > RefinementSettings::LogAmountLow &&
                  z[k] < RefinementSettings::LogAmountHigh)) {
                return false;
            }
            n[k] = std::exp(z[k]);
        }
        const double total = WetTotal(p, n);
        double f[M];
        f[0] = -2 * (std::log(total) - p.lnPressure) - p.lnK1;
        f[1] = -p.lnK2;
        for (int k = 0; k < N; ++k) {
            f[0] += Reforming[k] * z[k];
            f[1] += Shift[k] * z[k];
        }
        double residual = std::max(std::fabs(f[0]), std::fabs(f[1]));
        double terms[N];
        bool bounded = true;
        for (int k = 0; k < N; ++k) {
            const double feed = FeedAmount(p, k);
            terms[k] =
                std::fabs(feed) + std::fabs(Reforming[k] * u) + std::fabs(Shift[k] * y) + n[k];
            f[2 + k] = (feed + Reforming[k] * u + Shift[k] * y - n[k]) / terms[k];
            residual = std::max(residual, std::fabs(f[2 + k]));
            bounded = bounded && terms[k] > smallestTerms && terms[k] < largestTerms;
        }
        if (closing) {
            if (!(residual <= RefinementSettings::ResidualLimit)) {
                return false;
            }
            std::copy(n, n + N, amounts);
            return true;
        }
        // Every entry is written, the zeros too.
        double J[M][M];
        for (int row = 0; row < M; ++row) {
            for (int col = 0; col < M; ++col) {
                J[row][col] = 0;
            }
        }
        for (int k = 0; k < N; ++k) {
            J[0][2 + k] = Reforming[k] - 2 * n[k] / total;
            J[1][2 + k] = Shift[k];
            const double inverse = 1 / terms[k];
            J[2 + k][0] = CoefficientOver(Reforming[k], terms[k], inverse);
            J[2 + k][1] = CoefficientOver(Shift[k], terms[k], inverse);
            J[2 + k][2 + k] = -n[k] / terms[k];
        }
        double minusF[M];
        for (int k = 0; k < M; ++k) {
            minusF[k] = -f[k];
        }
        double step[M];
        const bool solved =
            bounded ? SolveLinearOfPattern(J, minusF, step) : SolveLinearDense(J, minusF, step);
        if (!solved) {
            return false;
        }
        // The extents' steps measured against the size of the feed, the amounts' steps
        // are relative changes already.
        const double extentScale = p.elements[0] + p.elements[1] + p.elements[2];
        double size = std::max(std::fabs(step[0]), std::fabs(step[1])) / extentScale;
        for (int k = 2; k < M; ++k) {
            size = std::max(size, std::fabs(step[k]));
        }
        // A long step only ever comes from a trace amount far from its value; its
        // equation is then nearly linear in its logarithm, yet a cap keeps the other
        // amounts from being thrown out of range.
        const double scale =
            size > RefinementSettings::StepCap ? RefinementSettings::StepCap / size : 1;
        u += scale * step[0];
        y += scale * step[1];
        for (int k = 0; k < N; ++k) {
            z[k] += scale * step[2 + k];
        }
        // Convergence is quadratic: once the changes are this small, the step just
        // taken has brought every amount to full precision.
        closing = size <= RefinementSettings::Convergence;
    }
    return false;
}

// Newton's method from a point of the domain given by its extents.
bool NewtonFromExtents(const Problem& p, double& u, double& y, double* z, double* amounts) {
    double n[N];
    AmountsAt(p, u, y, n);
    for (int k = 0; k < N; ++k) {
        z[k] = std::log(n[k]);
    }
    return NewtonOnExtentsAndLogAmounts(p, u, y, z, amounts);
}

} // namespace

bool RootFromBisection(const Engine& engine, double* amounts) {
    Problem p;
    double v[M];
    return MakeProblem(engine, p) && DomainMiddle(p, v[0], v[1]) &&
           NestedBisection(p, v[0], v[1]) && NewtonFromExtents(p, v[0], v[1], v + 2, amounts);
}

bool PhysicalDomainExists(const Engine& engine) {
    // The domain depends on the feed totals alone: no logarithm is needed.
    Problem p;
    double u, y;
    return MakeProblemOfFeed(engine, p) && DomainMiddle(p, u, y);
}

RefinedRoot RefineRoot(Engine& engine) {
    RefinementState& state = engine.refinement;
    RefinedRoot root{};
    Problem p;
    double middleU, middleY;
    if (!MakeProblemWithKeptLogs(engine, p) || !DomainMiddle(p, middleU, middleY)) {
        state.Known = 0;
        return root;
    }
    root.domain = true;

    // v: u, y, then the log amounts.
    double v[M];
    bool found = false;
    if (state.Known == 2) {
        // The sweep's steps are even, so the line through the last two roots starts
        // Newton's method closer than the last root alone.
        for (int k = 0; k < M; ++k) {
            v[k] = 2 * state.Roots[0][k] - state.Roots[1][k];
        }
        found = NewtonOnExtentsAndLogAmounts(p, v[0], v[1], v + 2, root.amounts);
    }
    if (!found && state.Known >= 1) {
        std::copy(state.Roots[0], state.Roots[0] + M, v);
        found = NewtonOnExtentsAndLogAmounts(p, v[0], v[1], v + 2, root.amounts);
    }
    if (!found) {
        v[0] = middleU;
        v[1] = middleY;
        found = NewtonFromExtents(p, v[0], v[1], v + 2, root.amounts);
    }
    if (!found && NestedBisection(p, v[0], v[1])) {
        found = NewtonFromExtents(p, v[0], v[1], v + 2, root.amounts);
    }
    if (!found) {
        state.Known = 0;
        return root;
    }
    std::copy(state.Roots[0], state.Roots[0] + M, state.Roots[1]);
    std::copy(v, v + M, state.Roots[0]);
    state.Known = std::min(state.Known + 1, 2);
    root.exact = true;
    root.physical = AllPositive(root.amounts);
    return root;
}

} // namespace quorvel
