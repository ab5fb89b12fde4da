#pragma once

#include "engine/Engine.h"

#include <cstdint>

// The chemistry: methane reforming CH4 + H2O = CO + 3H2 (K1) with the water-gas shift
// CO + H2O = CO2 + H2 (K2). The unknowns are x, the CO formed, and y, the CO2 formed,
// in moles per mole of feed gas.

namespace quorvel {

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

} // namespace quorvel
