#pragma once

#include "engine/CarbonActivity.h"
#include "engine/Engine.h"

namespace quorvel {

// Both carbon activities of the gas at the extents (x, y) under the engine's current
// feed, steam ratio, temperature and pressure, with Kc and Kb at the point's temperature
// on the Celsius + 273.15 scale. False (and `activity` untouched) where an amount of the
// gas is not positive. Raises no floating-point flag other than underflow.
bool CarbonActivityAtPoint(const Engine& engine, double x, double y, CarbonActivity& activity);

// Stores the activities of point i of the current run into engine.carbonSeries.
void StorePointCarbon(Engine& engine, int i, double x, double y);

} // namespace quorvel
