#pragma once

#include "engine/Engine.h"

#include <cstdint>

namespace quorvel {

// Box's constrained complex method: minimises the sum of squared residuals over the two
// unknowns inside the workspace's bounds and constraints, starting from x. On return x
// holds the best point of the final complex, objective its sum of squares and the
// workspace's Residuals its residuals. startMode 0 scatters the initial points around
// x; any other value spreads them uniformly between the bounds. The program solves for
// two unknowns only, and so does the search: for any other n it leaves x as it is.
// Throws FloatingPointError.
void ComplexSearch(Engine& engine, int n, double* x, double& objective, std::uint8_t startMode);

// The search's steps, open to tests: the very code the search runs.
namespace complex_search {

inline constexpr int N = 2;     // unknowns
inline constexpr int K = 2 * N; // points of the complex

struct ComplexState {
    double points[K][N]; // row 0 best, row K - 1 worst once sorted
    double values[K];
    double C[N];         // running centroid of all K points
    double Cw[N];        // centroid without the worst point
    double W[N];         // copy of the worst point
    double T[N];         // trial point
    double B[N];         // start point
    bool markers[2 * N]; // i: below lower bound i; N + i: above upper bound i
    int boundFlag;
    int constraintFlag;
    double* objective; // the caller's objective output
};

// Sum of squared residuals at point; counts the evaluation, writes the objective output.
double SumOfSquares(Engine& engine, ComplexState& state, const double* point);

// Sets state.constraintFlag if a constraint is violated at point (never clears it).
void CheckConstraints(Engine& engine, ComplexState& state, const double* point);

// Recomputes the bound markers and both flags for point.
void CheckPoint(Engine& engine, ComplexState& state, const double* point);

// Moves each marked coordinate of T to a random place within 1 % of its range inside
// the bound it crossed.
void ReplaceNearBound(Engine& engine, ComplexState& state, double* x);

// Draws the K initial points, their values and the centroid.
void BuildInitialComplex(Engine& engine, ComplexState& state, std::uint8_t startMode, double* x);

// Exchange sort, ascending by value; equal values keep their order.
void SortComplex(ComplexState& state);

void CentroidWithoutWorst(ComplexState& state);
void ReflectWorst(ComplexState& state, double* x);

// T halfway toward Cw, or toward the best point where T already equals Cw.
void MoveHalfway(ComplexState& state, double* x);

// Makes T feasible, halves it until better than the worst point and puts it in place of
// the worst. Both loops are bounded.
void CorrectTrialPoint(Engine& engine, ComplexState& state, double* x);

void ReplaceWorst(ComplexState& state, double f);

// Population variance of the K values.
double ObjectiveVariance(const ComplexState& state);

// Largest Euclidean distance between two of the K points.
double LargestDistance(const ComplexState& state);

} // namespace complex_search
} // namespace quorvel
