#pragma once

#include "engine/Engine.h"

#include <cstdint>

namespace quorvel {

// Damped Newton solve of n equations in n unknowns (n up to SolverCapacity) from the
// start point in x, inside the workspace's bounds and constraints. Falls back on the
// complex search at fixed passes and gives up after the pass limit. On return x holds
// the best point seen (converged, success 1) or the last iterate (success 0).
// residuals must be the workspace's Residuals: the solver reads what the complex
// search leaves there. Throws FloatingPointError.
void SolveEquations(Engine& engine, int mode, int n, double* residuals, std::uint8_t& success,
                    double* x, double tolerance);

// The solver's steps, open to tests.
namespace newton {

using Matrix = double[SolverCapacity][SolverCapacity];

struct BestPoint {
    double sumOfSquares;
    double point[SolverCapacity];
};

// Keeps x as the best point if its sum of squared residuals is strictly lower.
void KeepBestPoint(BestPoint& best, int n, const double* residuals, const double* x);

// One Gauss-Jordan exchange step on pivot k. Returns the row exchanged with k, k itself
// if none was needed, or -1 if the column is zero from the diagonal down (then J is
// left as it is and success is cleared).
int EliminationStep(Matrix& J, int n, int k, std::uint8_t& success);

// Inverts J in place by n exchange steps, undoing row exchanges on the columns.
void InvertMatrix(Matrix& J, int n, std::uint8_t& success);

// Puts each unknown outside its bounds 3 to 12 tolerances inside the bound it crossed.
void ReturnIntoBounds(Engine& engine, int n, double* x, double tolerance);

// While a constraint is violated, steps back by half of step (bounded).
void RepairConstraints(Engine& engine, int n, double* x, const double* step, double tolerance);

} // namespace newton
} // namespace quorvel
