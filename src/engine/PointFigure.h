#pragma once

#include "engine/Engine.h"

// One figure of the equilibrium gas at a single point, solved on the direct path (the
// exact-root refinement alone) and computed with the same arithmetic as a sweep's stored
// point, so that a target search or a map cell equals the sweep's value at that point.

namespace quorvel {

enum class PointFigureKind {
    H2toCO,            // H2 / CO of the product gas
    CO2toCO,           // CO2 / CO
    MethaneDryPercent, // methane in the dry product gas, % by volume
    MethaneConversion, // (x + y) / C, the sweep's methane_conversion
    CarbonActivity,    // the larger of the two carbon activities
};

inline constexpr int PointFigureKindCount = 5;

// The figure at the engine's processConditions (Ratio, Temperature in K, Pressure in atm,
// K1 and K2 already computed for Temperature). NaN where the point has no physical
// composition or the figure is undefined there (no hydrocarbon carbon for the
// conversion). Moves the refinement's memory of earlier roots on, as a sweep's point
// does. Throws FloatingPointError for a fault of the figure's arithmetic.
double FigureAtPoint(Engine& engine, PointFigureKind kind);

} // namespace quorvel
