#pragma once

#include "engine/Engine.h"

namespace quorvel {

// The amounts of the equilibrium gas, mol per mol feed gas, in the order of
// RefinedRoot::amounts.
enum GasAmount { Methane, CarbonMonoxide, CarbonDioxide, Hydrogen, Water, GasAmountCount };

// The root of the two equilibrium equations, as the amounts themselves: a trace amount
// keeps its full relative precision instead of being the difference of two totals.
struct RefinedRoot {
    double amounts[GasAmountCount];
    bool domain;   // some composition has every amount strictly positive
    bool exact;    // amounts hold the converged root
    bool physical; // amounts hold the converged root and every one is positive
};

// The root of the equilibrium equations at the engine's current feed and conditions.
// Where every amount can be positive there is exactly one root, and it is found: by
// Newton's method on the extents and the logarithms of the amounts, started from the
// root extrapolated from the previous two points, then from the previous point's root,
// then from the middle of the domain, then from a nested bisection that cannot miss. Where no
// composition has every amount positive, domain, exact and physical are false, decided before
// any iteration; where the root lies out of reach (an amount below the range of doubles), exact
// and physical are false and the amounts are zero. Reads nothing of the solver's state and
// draws nothing, so every run gives the same answer; raises no floating-point flag that it does
// not also judge itself, so the caller clears the flags afterwards.
RefinedRoot RefineRoot(Engine& engine);

// The root by the last resort alone: the nested bisection, then Newton's method from
// its point. False where there is no physical root. Lets the fallback be checked on
// points that the earlier starts already solve.
bool RootFromBisection(const Engine& engine, double* amounts);

// True if some composition at the engine's current feed and conditions has every
// amount strictly positive.
bool PhysicalDomainExists(const Engine& engine);

} // namespace quorvel
