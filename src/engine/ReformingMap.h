#pragma once

#include "engine/CarbonLimit.h"
#include "engine/Engine.h"
#include "engine/EntryUnits.h"
#include "engine/SweepRange.h"

// A figure over a grid of temperatures and pressures: the minimum steam ratio of the
// carbon limit, the methane slip (dry methane, %) or H2/CO at the entered ratio. Every cell
// is computed as its single point is, on the direct path: the carbon limit by the same
// bisection as the carbon limit table (walked from a bracket around a guess from the
// neighbouring cells, which spares evaluations but not a step of it), the other two by
// the sweep's arithmetic, each as a sweep of that one point (RunSweep over a one-point
// range) computes it.

namespace quorvel {

enum class MapFigure { CarbonLimit, MethaneSlip, H2toCO };

inline constexpr int MapAxisCapacity = 101; // points per axis, as a sweep's

struct ReformingMap {
    double temperatures[MapAxisCapacity]; // degrees C
    double pressures[MapAxisCapacity];    // atm
    int temperatureCount;
    int pressureCount;
    // Cell (t, p) at index t * pressureCount + p: the minimum ratio (CarbonLimitKind in
    // `limits`), or the figure, NaN where the point has no physical composition.
    double values[MapAxisCapacity * MapAxisCapacity];
    CarbonLimitKind limits[MapAxisCapacity * MapAxisCapacity];
};

// Fills values (and, for the carbon limit, limits) of every cell for the temperatures and
// pressures the map holds, at the engine's feed, constants, approach and entered ratio
// (InputRatio). The engine's working conditions are restored afterwards, also when it
// throws; nothing is allocated. Throws FloatingPointError for the first fault.
void ComputeReformingMap(Engine& engine, MapFigure figure, ReformingMap& map);

// Sets the map's axes from the entered ranges: temperatures in degrees C, pressures in
// `unit` (held in atm). The ranges hold at most MapAxisCapacity points each.
void SetMapAxes(ReformingMap& map, const SweepRange& temperatures, const SweepRange& pressures,
                PressureUnit unit);

} // namespace quorvel
