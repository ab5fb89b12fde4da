#include "engine/Engine.h"
#include "engine/EquilibriumModel.h"
#include "engine/FloatingPointGuard.h"
#include "engine/PointCarbon.h"
#include "engine/ReformerFigures.h"
#include "engine/RootRefinement.h"
#include "engine/SolveEquations.h"
#include "engine/SolverSettings.h"
#include "engine/TemperatureData.h"
#include "engine/Thermochemistry.h"

#include <cmath>
#include <limits>

namespace quorvel {

namespace {

// The four figures of the point at index i. They are additions to the stored point and
// never end a run: a figure whose arithmetic faults (only an absurd feed can make it
// overflow) is stored as undefined, and its flags are cleared. A figure that is not
// finite always comes from such a fault, also where the enthalpies it reads were read,
// with their fault, at an earlier point of the same temperature.
void StoreFigures(Engine& engine, int i, const double* amounts, TemperatureData& data) {
    if (!engine.physicalRoot[i]) {
        // No composition, so nothing to describe: every figure is undefined.
        const double undefined = std::numeric_limits<double>::quiet_NaN();
        ReformerFigures& rf = engine.figures;
        rf.MethaneConversion[i] = rf.H2Yield[i] = rf.SteamToCarbon[i] = rf.HeatDuty[i] = undefined;
        return;
    }
    // The extents: carbon monoxide and carbon dioxide formed.
    const double x = amounts[CarbonMonoxide] - engine.feedTotals.CO;
    const double y = amounts[CarbonDioxide] - engine.feedTotals.CO2;
    const ProcessConditions& pc = engine.processConditions;
    const double T = pc.Temperature - SweepSettings::CelsiusToKelvin + StandardKelvinOffset;
    PointFigures point = PointFiguresOf(engine.feedTotals, pc.Ratio, x, y,
                                        data.DutyAt(engine.feedComposition, engine.inlet, T));
    for (double* figure :
         {&point.MethaneConversion, &point.H2Yield, &point.SteamToCarbon, &point.HeatDuty}) {
        if (!std::isfinite(*figure)) {
            *figure = std::numeric_limits<double>::quiet_NaN();
        }
    }
    ClearFloatingPointFaults();
    ReformerFigures& rf = engine.figures;
    rf.MethaneConversion[i] = point.MethaneConversion;
    rf.H2Yield[i] = point.H2Yield;
    rf.SteamToCarbon[i] = point.SteamToCarbon;
    rf.HeatDuty[i] = point.HeatDuty;
}

// Writes pointComposition for a point without a physical composition: every value is
// undefined. Returns the undefined VolumeChange value.
double MarkWithoutComposition(Engine& engine) {
    const double undefined = std::numeric_limits<double>::quiet_NaN();
    engine.pointComposition = {undefined, undefined, undefined, undefined, undefined, undefined};
    return undefined;
}

// Solves the point at the current conditions and stores it at index i. LastIndex moves
// only after all nine arrays hold the point and no floating-point fault was raised.
void SolveAndStorePoint(Engine& engine, int i, double xValue, ResultView YAxisMode,
                        TemperatureData& data) {
    // A fault of the constants ends the run on either path.
    ThrowOnArithmeticFault();
    // The designed solver runs only where some composition has every amount positive:
    // elsewhere its answer could never be shown, and an absurd feed would cost it long
    // searches. Its chain in Unknowns then goes on from the last point it solved.
    if (engine.solverPath == SolverPath::Designed && PhysicalDomainExists(engine)) {
        SolverWorkspace& ws = engine.workspace;
        // The test of the domain judges its own arithmetic.
        ClearFloatingPointFaults();
        SolveEquations(engine, ReformingMode, 2, ws.Residuals, ws.Success, ws.Unknowns,
                       engine.processConditions.Tolerance);
        ThrowOnFloatingPointFault();
    }

    // The point stores the exact root, which the refinement finds without the solver.
    const RefinedRoot root = RefineRoot(engine);
    // The refinement judges its own arithmetic; what it leaves in the flags is not a
    // fault of the run.
    ClearFloatingPointFaults();

    // Without the root the point has no physical composition, and its values are
    // undefined on either path: the solver's answer is never stored, so a point is marked
    // the same on every run, and no fault of a composition nobody sees ends it.
    const bool dry = YAxisMode == ResultView::Dry;
    const double volumeChange = root.physical
                                    ? ComputeCompositionOfAmounts(engine, root.amounts, dry)
                                    : MarkWithoutComposition(engine);
    const PointComposition& pc = engine.pointComposition;
    ResultSeries& rs = engine.resultSeries;
    rs.CH4[i] = pc.CH4;
    rs.CO[i] = pc.CO;
    rs.CO2[i] = pc.CO2;
    rs.H2[i] = pc.H2;
    rs.N2[i] = pc.N2;
    rs.VolumeChange[i] = volumeChange;
    rs.H2toCO[i] = pc.H2 / pc.CO;
    rs.CO2toCO[i] = pc.CO2 / pc.CO;
    rs.XValue[i] = xValue;
    engine.wetWater[i] = root.physical ? root.amounts[Water] /
                                             (root.amounts[Methane] + root.amounts[CarbonMonoxide] +
                                              root.amounts[CarbonDioxide] + root.amounts[Hydrogen] +
                                              root.amounts[Water] + engine.feedTotals.N2)
                                       : std::numeric_limits<double>::quiet_NaN();
    engine.exactRoot[i] = root.exact;
    engine.physicalRoot[i] = root.physical;
    StorePointCarbon(engine, i, root.amounts, data);
    ThrowOnFloatingPointFault();
    StoreFigures(engine, i, root.amounts, data);
    rs.LastIndex = i;
}

void SweepRatio(Engine& engine, ResultView YAxisMode, TemperatureData& data) {
    ProcessConditions& pc = engine.processConditions;
    pc.Temperature = engine.InputTemperature + SweepSettings::CelsiusToKelvin;
    pc.Pressure = pc.InputPressure;
    ComputeConstants(engine, pc.Temperature);
    pc.Ratio = SweepSettings::RatioFirst;
    // Repeated addition, as the range's last value 3.999999999999994 depends on it.
    for (int i = 0; !(pc.Ratio > SweepSettings::RatioLast); ++i) {
        SolveAndStorePoint(engine, i, pc.Ratio, YAxisMode, data);
        pc.Ratio += SweepSettings::RatioStep;
    }
}

void SweepTemperature(Engine& engine, ResultView YAxisMode, TemperatureData& data) {
    ProcessConditions& pc = engine.processConditions;
    pc.Pressure = pc.InputPressure;
    pc.Ratio = engine.InputRatio;
    pc.Temperature = SweepSettings::TemperatureFirst;
    for (int i = 0; !(pc.Temperature > SweepSettings::TemperatureLast); ++i) {
        ComputeConstants(engine, pc.Temperature);
        SolveAndStorePoint(engine, i, pc.Temperature - SweepSettings::CelsiusToKelvin, YAxisMode,
                           data);
        pc.Temperature += SweepSettings::TemperatureStep;
    }
}

void SweepPressure(Engine& engine, ResultView YAxisMode, TemperatureData& data) {
    ProcessConditions& pc = engine.processConditions;
    pc.Temperature = engine.InputTemperature + SweepSettings::CelsiusToKelvin;
    pc.Ratio = engine.InputRatio;
    ComputeConstants(engine, pc.Temperature);
    pc.Pressure = SweepSettings::PressureFirst;
    for (int i = 0; !(pc.Pressure > SweepSettings::PressureLast); ++i) {
        SolveAndStorePoint(engine, i, pc.Pressure, YAxisMode, data);
        pc.Pressure += SweepSettings::PressureStep;
    }
}

// A range of the user's choice (or a design grid restated in other units): point i is
// first + i * step in the entered units, converted to the model's for the solve, and
// stored as entered.
void SweepChosenRange(Engine& engine, SweptParameter XAxisMode, ResultView YAxisMode,
                      TemperatureData& data) {
    ProcessConditions& pc = engine.processConditions;
    const SweepRange& range = engine.sweepRange;
    pc.Ratio = engine.InputRatio;
    pc.Temperature = engine.InputTemperature + SweepSettings::CelsiusToKelvin;
    pc.Pressure = pc.InputPressure;
    if (XAxisMode != SweptParameter::Temperature)
        ComputeConstants(engine, pc.Temperature);
    const int count = range.count < ResultCapacity ? range.count : ResultCapacity;
    for (int i = 0; i < count; ++i) {
        const double shown = range.first + i * range.step;
        switch (XAxisMode) {
        case SweptParameter::Ratio:
            pc.Ratio =
                engine.units.steamToCarbon ? RatioOfSteamToCarbon(engine.feedTotals, shown) : shown;
            break;
        case SweptParameter::Temperature:
            pc.Temperature = shown + SweepSettings::CelsiusToKelvin;
            ComputeConstants(engine, pc.Temperature);
            break;
        case SweptParameter::Pressure:
            pc.Pressure = PressureInAtm(shown, engine.units.pressure);
            break;
        }
        SolveAndStorePoint(engine, i, shown, YAxisMode, data);
    }
}

} // namespace

void RunSweep(Engine& engine, SweptParameter XAxisMode, ResultView YAxisMode) {
    ClearFloatingPointFaults();
    engine.loopLimitHits = {};
    engine.refinement.Known = 0;

    SolverWorkspace& ws = engine.workspace;
    ws.EquationCount = 2;
    ws.ConstraintCount = 1;
    engine.processConditions.Tolerance = SweepSettings::Tolerance;
    ws.Success = 1;
    ws.ComplexStartMode = 0;
    SetVariableBounds(engine, ws.LowerBounds, ws.UpperBounds);
    ws.Unknowns[0] = SweepSettings::StartX;
    ws.Unknowns[1] = SweepSettings::StartY;

    // The species data of the stored points, read once per temperature of this run.
    TemperatureData data;
    if (engine.sweepRange.count > 0) {
        SweepChosenRange(engine, XAxisMode, YAxisMode, data);
        return;
    }
    switch (XAxisMode) {
    case SweptParameter::Ratio:
        SweepRatio(engine, YAxisMode, data);
        break;
    case SweptParameter::Temperature:
        SweepTemperature(engine, YAxisMode, data);
        break;
    case SweptParameter::Pressure:
        SweepPressure(engine, YAxisMode, data);
        break;
    }
}

} // namespace quorvel
