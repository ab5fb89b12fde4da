#pragma once

#include <cstdint>

namespace quorvel {

// Largest number of unknowns, residuals and constraints the solvers can hold.
inline constexpr int SolverCapacity = 20;

// The record through which the sweep set-up, the model operations, the Newton solver and
// the complex search exchange bounds, residuals, unknowns, constraint values, counters
// and flags. Fields in their fixed order; only the first n (or m) entries are used.
struct SolverWorkspace {
    std::int32_t EquationCount;   // residuals summed by the complex search's objective
    std::int32_t ConstraintCount; // number m of inequality constraints
    std::int32_t EvaluationCount; // objective evaluations of the last complex search
    double LowerBounds[SolverCapacity];
    double UpperBounds[SolverCapacity];
    double ObjectiveValue; // sum of squares of the complex search's last evaluation
    double Residuals[SolverCapacity];
    double Unknowns[SolverCapacity];         // (x, y); each point's answer seeds the next
    double ConstraintValues[SolverCapacity]; // a value above 0 is a violation
    std::uint8_t Success;                    // 1 after a successful evaluation or solve
    std::uint8_t ComplexStartMode;           // 0 scatter around the start, else uniform
};

// The course of the last Newton solve, for diagnostics and tests.
struct SolveCounters {
    int Passes;          // passes counted, the give-up pass included
    int ComplexSearches; // complex searches made at the fixed passes
};

// How often a loop that could otherwise run for ever stopped at its repetition limit.
// Every run starts them at zero, so afterwards they tell what happened in that run.
struct LoopLimitHits {
    int InitialRedraw;         // complex search: redraw of an infeasible initial coordinate
    int FeasibilityCorrection; // complex search: correction of the reflected point
    int Halving;               // complex search: halving while not better than the worst
    int ConstraintBackOff;     // Newton solver: half-step back-off while infeasible
};

} // namespace quorvel
