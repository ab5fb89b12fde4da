#include "engine/EquilibriumModel.h"

#include "engine/SolverSettings.h"
#include "engine/StandardConstants.h"

#include <cmath>

namespace quorvel {

void ComputeConstants(Engine& engine, double T) {
    // An approach to equilibrium evaluates reforming at T - dT1 and the shift at T + dT2;
    // a zero approach leaves both at T exactly.
    const double T1 = T - engine.approach.Reforming;
    const double T2 = T + engine.approach.Shift;
    if (engine.constants == ConstantsSource::Standard) {
        // The species data want kelvin = Celsius + 273.15; T was formed with 273.
        engine.processConditions.K1 = StandardReformingK1(T1 - SweepSettings::CelsiusToKelvin);
        engine.processConditions.K2 = StandardShiftK2(T2 - SweepSettings::CelsiusToKelvin);
        return;
    }
    engine.processConditions.K1 = std::exp(-26448.20607 / T1 + 29.62541);
    engine.processConditions.K2 = std::exp(4568.56322 / T2 - 4.29696);
}

void EvaluateResiduals(const Engine& engine, int mode, double* residuals, const double* unknowns,
                       std::uint8_t& ok) {
    if (mode != ReformingMode) {
        return;
    }
    ReformingResiduals(ResidualInputsOf(engine), unknowns[0], unknowns[1], residuals);
    ok = 1;
}

void EvaluateConstraint(const Engine&, int, const double* unknowns, double* values) {
    values[0] = unknowns[0] + unknowns[1] - 1;
}

void SetVariableBounds(const Engine& engine, double* lower, double* upper) {
    const FeedTotals& f = engine.feedTotals;
    lower[0] = -f.CO;
    upper[0] = 1 + f.CO2;
    lower[1] = -f.CO2;
    upper[1] = 1 + f.CO;
}

double ComputeComposition(Engine& engine, double x, double y, bool dryBasis) {
    const FeedTotals& f = engine.feedTotals;
    const double s = engine.processConditions.Ratio;
    PointComposition& pc = engine.pointComposition;

    const ExtentAmounts n = AmountsAtExtents(f, s, x, y);
    pc.Total = dryBasis ? 3 * x + 1 + 4 * y - f.H2O : n.wetTotal;
    pc.CH4 = n.CH4 / pc.Total;
    pc.CO = n.CO / pc.Total;
    pc.CO2 = n.CO2 / pc.Total;
    pc.H2 = n.H2 / pc.Total;
    pc.N2 = f.N2 / pc.Total;
    return dryBasis ? pc.Total : pc.Total / (1 + s);
}

double ComputeCompositionOfAmounts(Engine& engine, const double* amounts, bool dryBasis) {
    const double s = engine.processConditions.Ratio;
    const double m = engine.feedTotals.N2;
    PointComposition& pc = engine.pointComposition;

    const double dryTotal = amounts[0] + amounts[1] + amounts[2] + amounts[3] + m;
    pc.Total = dryBasis ? dryTotal : dryTotal + amounts[4];
    pc.CH4 = amounts[0] / pc.Total;
    pc.CO = amounts[1] / pc.Total;
    pc.CO2 = amounts[2] / pc.Total;
    pc.H2 = amounts[3] / pc.Total;
    pc.N2 = m / pc.Total;
    return dryBasis ? pc.Total : pc.Total / (1 + s);
}

} // namespace quorvel
