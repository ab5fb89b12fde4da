#pragma once

#include "engine/Engine.h"

namespace quorvel {

// A pair of reaction extents and whether it is the converged root of the equations.
struct RefinedRoot {
    double x;
    double y;
    bool exact;
};

// The exact root of the two equilibrium equations at the engine's current feed and
// conditions, by Newton's method on their logarithmic form inside the domain where every
// amount is positive. Tries the previous point's root, the middle of the domain and the
// solver's answer (solverX, solverY) in turn; if none converges (no physical root),
// returns the solver's answer with exact false. Raises no floating-point flag.
RefinedRoot RefineRoot(Engine& engine, double solverX, double solverY);

// One start of the refinement; true with the root in (x, y) if it converged.
bool RefineFrom(const Engine& engine, double& x, double& y);

// The middle of the domain of positive amounts; false if the domain is empty.
bool DomainMiddle(const Engine& engine, double& x, double& y);

} // namespace quorvel
