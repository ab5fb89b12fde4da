#pragma once

#include "engine/Engine.h"

#include <cstdint>

namespace quorvel {

// Damped Newton solve of the two equations in the two unknowns from the start point in
// x, inside the workspace's bounds and constraints. Falls back on the complex search at
// fixed passes and gives up after the pass limit. On return x holds the best point seen
// (converged, success 1) or the last iterate (success 0). residuals must be the
// workspace's Residuals: the solver reads what the complex search leaves there. The
// program solves for two unknowns only, and so does the solver: for any other n it
// clears success and leaves x as it is. Throws FloatingPointError.
void SolveEquations(Engine& engine, int mode, int n, double* residuals, std::uint8_t& success,
                    double* x, double tolerance);

// The solver's steps, open to tests: the very code the solver runs.
namespace newton {

inline constexpr int N = 2; // unknowns and equations

using Matrix = double[N][N];

struct BestPoint {
    double sumOfSquares;
    double point[N];
};

// Keeps x as the best point if its sum of squared residuals is strictly lower.
void KeepBestPoint(BestPoint& best, const double* residuals, const double* x);

// One Gauss-Jordan exchange step on pivot k. Returns the row exchanged with k, k itself
// if none was needed, or -1 if the column is zero from the diagonal down (then J is
// left as it is and success is cleared).
int EliminationStep(Matrix& J, int k, std::uint8_t& success);

// Inverts J in place by N exchange steps, undoing row exchanges on the columns.
void InvertMatrix(Matrix& J, std::uint8_t& success);

// Puts each unknown outside its bounds 3 to 12 tolerances inside the bound it crossed.
void ReturnIntoBounds(Engine& engine, double* x, double tolerance);

// While a constraint is violated, steps back by half of step (bounded).
void RepairConstraints(Engine& engine, double* x, const double* step, double tolerance);

} // namespace newton
} // namespace quorvel
