#pragma once

#include "engine/CarbonActivity.h"
#include "engine/Engine.h"
#include "engine/RootRefinement.h"
#include "engine/TemperatureData.h"

namespace quorvel {

// Both carbon activities of the gas with the given amounts (RefinedRoot::amounts, mol per
// mol feed gas) under the engine's current feed, temperature and pressure, with Kc and
// Kb at the point's temperature on the Celsius + 273.15 scale. The amounts are taken as
// they are, so a trace of methane keeps its precision. False (and `activity` untouched)
// where an amount is not positive. Raises no floating-point flag other than underflow.
bool CarbonActivityAtPoint(const Engine& engine, const double* amounts, CarbonActivity& activity);

// The same with Kc and Kb taken from data, which reads them once per temperature.
bool CarbonActivityAtPoint(const Engine& engine, const double* amounts, TemperatureData& data,
                           CarbonActivity& activity);

// Stores the activities of point i of the current run into engine.carbonSeries; none
// where the point has no physical composition.
void StorePointCarbon(Engine& engine, int i, const double* amounts);

// The same with Kc and Kb taken from data, which reads them once per temperature.
void StorePointCarbon(Engine& engine, int i, const double* amounts, TemperatureData& data);

} // namespace quorvel
