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

// What the two residuals read of the engine at one point of a run, taken once per
// solve: the solvers write the workspace through pointers, which would otherwise make
// every evaluation load these again.
struct ResidualInputs {
    double C, CO, CO2, H2;
    double steamAndWater; // s + w, the water before any reaction
    double wetStart;      // 1 + s, the wet total before any reaction
    double P, K1, K2;
};

inline ResidualInputs ResidualInputsOf(const Engine& engine) {
    const FeedTotals& f = engine.feedTotals;
    const ProcessConditions& pc = engine.processConditions;
    return {f.C, f.CO, f.CO2, f.H2, pc.Ratio + f.H2O, 1 + pc.Ratio, pc.Pressure, pc.K1, pc.K2};
}

// The two equilibrium residuals at the extents (x, y): the one place they are written.
// The amounts are those of AmountsAtExtents, term by term in the same order.
inline void ReformingResiduals(const ResidualInputs& in, double x, double y, double* residuals) {
    const double D = in.wetStart + 2 * x + 2 * y;
    const double pCH4 = (in.C - x - y) * in.P / D;
    const double pH2O = (in.steamAndWater - x - 2 * y) * in.P / D;
    const double pCO = (in.CO + x) * in.P / D;
    const double pCO2 = (in.CO2 + y) * in.P / D;
    const double pH2 = (3 * x + in.H2 + 4 * y) * in.P / D;
    residuals[0] = pCO * pH2 * pH2 * pH2 - pCH4 * pH2O * in.K1;
    residuals[1] = pCO2 * pH2 - pCO * pH2O * in.K2;
}

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
