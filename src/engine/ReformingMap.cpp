#include "engine/ReformingMap.h"

#include "engine/EquilibriumModel.h"
#include "engine/FloatingPointGuard.h"
#include "engine/PointFigure.h"
#include "engine/RestoreConditions.h"
#include "engine/SolverSettings.h"

namespace quorvel {

void ComputeReformingMap(Engine& engine, MapFigure figure, ReformingMap& map) {
    const RestoreConditions restore(engine);
    ClearFloatingPointFaults();
    ProcessConditions& pc = engine.processConditions;
    pc.Ratio = engine.InputRatio;
    const int temperatures =
        map.temperatureCount < MapAxisCapacity ? map.temperatureCount : MapAxisCapacity;
    const int pressures = map.pressureCount < MapAxisCapacity ? map.pressureCount : MapAxisCapacity;
    for (int t = 0; t < temperatures; ++t) {
        pc.Temperature = map.temperatures[t] + SweepSettings::CelsiusToKelvin;
        ComputeConstants(engine, pc.Temperature);
        ThrowOnFloatingPointFault();
        engine.refinement.Known = 0;
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
                const CarbonLimitResult limit = FindMinimumRatio(
                    [&](double ratio) { return LargerActivityAtRatio(engine, ratio); });
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
