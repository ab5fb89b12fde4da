#include "engine/ReformingMap.h"

#include "engine/EquilibriumModel.h"
#include "engine/FloatingPointGuard.h"
#include "engine/PointFigure.h"
#include "engine/RestoreConditions.h"
#include "engine/SolverSettings.h"

#include <cmath>

namespace quorvel {

namespace {

// The least distance from a guess at which the carbon-limit search looks for the other
// side of the boundary: about the final bracket's width.
constexpr double SpreadFloor = 1e-6;

// A guess of the minimum ratio of cell (t, p) from the cells solved before it. Along a
// row the limit changes with pressure much as it does along the row before, so the last
// step of this row is scaled by the ratio of the previous row's two steps there; short of
// that, the plane through the three neighbours towards the first cell, the line along the
// row, or the one neighbour. The guess only shortens the search; any guess gives the
// same answer.
double GuessOfCell(const ReformingMap& map, int t, int p) {
    const double* v = map.values;
    const int n = map.pressureCount;
    const double* here = v + t * n;         // this row
    const double* before = v + (t - 1) * n; // the row before (t > 0)
    if (t > 0 && p > 1) {
        const double previousStep = before[p - 1] - before[p - 2];
        if (previousStep != 0) {
            return here[p - 1] +
                   (here[p - 1] - here[p - 2]) * ((before[p] - before[p - 1]) / previousStep);
        }
    }
    if (t > 0 && p > 0) {
        return here[p - 1] + (before[p] - before[p - 1]);
    }
    if (p > 1) {
        const double* P = map.pressures;
        const double slope = (here[p - 1] - here[p - 2]) / (P[p - 1] - P[p - 2]);
        return here[p - 1] + slope * (P[p] - P[p - 1]);
    }
    if (p > 0) {
        return here[p - 1];
    }
    if (t > 1) {
        return before[0] + (before[0] - v[(t - 2) * n]);
    }
    if (t > 0) {
        return before[0];
    }
    return (CarbonLimitSettings::RatioLow + CarbonLimitSettings::RatioHigh) / 2;
}

} // namespace

void ComputeReformingMap(Engine& engine, MapFigure figure, ReformingMap& map) {
    const RestoreConditions restore(engine);
    ClearFloatingPointFaults();
    ProcessConditions& pc = engine.processConditions;
    pc.Ratio = engine.InputRatio;
    const int temperatures =
        map.temperatureCount < MapAxisCapacity ? map.temperatureCount : MapAxisCapacity;
    const int pressures = map.pressureCount < MapAxisCapacity ? map.pressureCount : MapAxisCapacity;
    double miss = HUGE_VAL; // how far the last cell's guess was off
    for (int t = 0; t < temperatures; ++t) {
        pc.Temperature = map.temperatures[t] + SweepSettings::CelsiusToKelvin;
        ComputeConstants(engine, pc.Temperature);
        ThrowOnFloatingPointFault();
        engine.refinement.Known = 0;
        TemperatureData data; // the carbon constants of this temperature, read once
        for (int p = 0; p < pressures; ++p) {
            pc.Pressure = map.pressures[p];
            // A figure cell is solved as a sweep of that one point would solve it, without
            // the memory of its neighbours' roots, so that it equals that point to the last
            // bit. The carbon limit's bisection keeps the memory along its row, as the
            // carbon limit table does along its temperatures: its answer is a bisection
            // point that the roots' last bits do not move.
            if (figure != MapFigure::CarbonLimit)
                engine.refinement.Known = 0;
            const int cell = t * map.pressureCount + p;
            switch (figure) {
            case MapFigure::CarbonLimit: {
                // The same bisection as the carbon limit table's, bracketed first around
                // a guess from the neighbouring cells, off by about as much as the last one was.
                const double guess = GuessOfCell(map, t, p);
                const double spread = miss > SpreadFloor ? miss : SpreadFloor;
                const CarbonLimitResult limit = FindMinimumRatioNear(
                    [&](double ratio) { return LargerActivityAtRatio(engine, ratio, data); }, guess,
                    spread);
                miss = std::fabs(limit.ratio - guess);
                map.values[cell] = limit.ratio;
                map.limits[cell] = limit.kind;
                break;
            }
            case MapFigure::MethaneSlip:
                map.values[cell] = FigureAtPoint(engine, PointFigureKind::MethaneDryPercent);
                break;
            case MapFigure::H2toCO:
                map.values[cell] = FigureAtPoint(engine, PointFigureKind::H2toCO);
                break;
            }
            ThrowOnFloatingPointFault();
        }
    }
}

void SetMapAxes(ReformingMap& map, const SweepRange& temperatures, const SweepRange& pressures,
                PressureUnit unit) {
    map.temperatureCount = temperatures.count;
    map.pressureCount = pressures.count;
    for (int t = 0; t < temperatures.count; ++t)
        map.temperatures[t] = temperatures.first + t * temperatures.step;
    for (int p = 0; p < pressures.count; ++p)
        map.pressures[p] = PressureInAtm(pressures.first + p * pressures.step, unit);
}

} // namespace quorvel
