#pragma once

#include "engine/Engine.h"

#include <cstdint>

// The chemistry: methane reforming CH4 + H2O = CO + 3H2 (K1) with the water-gas shift
// CO + H2O = CO2 + H2 (K2). The unknowns are x, the CO formed, and y, the CO2 formed,
// in moles per mole of feed gas.

namespace quorvel {

// The gas at the extents x (CO formed) and y (CO2 formed) from the feed totals and s mol
// of added steam, all per mole of feed gas: the one place the amounts are written
// from the extents. Each amount is the difference of its terms, so a trace amount
// loses its precision here; the exact-root refinement works with the amounts instead.
struct ExtentAmounts {
    double CH4;
    double CO;
    double CO2;
    double H2;
    double H2O;
    double wetTotal; // the feed gas is one mole
};

inline ExtentAmounts AmountsAtExtents(const FeedTotals& f, double s, double x, double y) {
    return {f.C - x - y,          f.CO + x, f.CO2 + y, 3 * x + f.H2 + 4 * y, s + f.H2O - x - 2 * y,
            1 + s + 2 * x + 2 * y};
}

// The wet total of a gas given as its amounts in the order of GasAmount (methane, CO,
// CO2, H2, water) and the inert gas.
inline double WetTotalOfAmounts(const double* amounts, double inert) {
    return amounts[0] + amounts[1] + amounts[2] + amounts[3] + amounts[4] + inert;
}

// The only residual mode: the reforming model.
inline constexpr int ReformingMode = 1;

// K1 and K2 of processConditions for the temperature T in kelvin (Celsius + 273), from
// the source engine.constants names.
void ComputeConstants(Engine& engine, double T);

// Residuals 0 (reforming, atm^4) and 1 (shift, atm^2) at unknowns 0 and 1; sets ok.
// Any mode other than ReformingMode leaves residuals and ok untouched.
void EvaluateResiduals(const Engine& engine, int mode, double* residuals, const double* unknowns,
                       std::uint8_t& ok);

// values[0] = x + y - 1; a value above 0 violates the constraint. count is always 1.
void EvaluateConstraint(const Engine& engine, int count, const double* unknowns, double* values);

// The box of the unknowns: x in [-a, 1 + b], y in [-b, 1 + a].
void SetVariableBounds(const Engine& engine, double* lower, double* upper);

// Writes pointComposition for the pair (x, y) on the dry or wet basis and returns the
// VolumeChange value.
double ComputeComposition(Engine& engine, double x, double y, bool dryBasis);

// The same from the five amounts of methane, CO, CO2, hydrogen and water (mol per mol
// feed gas) themselves, so that a trace amount keeps its relative precision. The totals
// are the sums of the amounts with the inert gas.
double ComputeCompositionOfAmounts(Engine& engine, const double* amounts, bool dryBasis);

} // namespace quorvel
