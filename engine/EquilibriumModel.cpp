#include "engine/EquilibriumModel.h"

#include "engine/SolverSettings.h"
#include "engine/StandardConstants.h"

#include <cmath>

namespace quorvel {

void ComputeConstants(Engine& engine, double T) {
    if (engine.constants == ConstantsSource::Standard) {
        // The species data want kelvin = Celsius + 273.15; T was formed with 273.
        const ReformingConstants k = StandardReformingConstants(T - SweepSettings::CelsiusToKelvin);
        engine.processConditions.K1 = k.K1;
        engine.processConditions.K2 = k.K2;
        return;
    }
    engine.processConditions.K1 = std::exp(-26448.20607 / T + 29.62541);
    engine.processConditions.K2 = std::exp(4568.56322 / T - 4.29696);
}

void EvaluateResiduals(const Engine& engine, int mode, double* residuals, const double* unknowns,
                       std::uint8_t& ok) {
    if (mode != ReformingMode) {
        return;
    }
    const FeedTotals& f = engine.feedTotals;
    const ProcessConditions& pc = engine.processConditions;
    const double x = unknowns[0];
    const double y = unknowns[1];
    const double s = pc.Ratio;
    const double P = pc.Pressure;

    const double D = 1 + s + 2 * x + 2 * y; // wet total; the feed gas is one mole
    const double pCH4 = (f.C - x - y) * P / D;
    const double pH2O = (s + f.H2O - x - 2 * y) * P / D;
    const double pCO = (f.CO + x) * P / D;
    const double pCO2 = (f.CO2 + y) * P / D;
    const double pH2 = (3 * x + f.H2 + 4 * y) * P / D;

    residuals[0] = pCO * pH2 * pH2 * pH2 - pCH4 * pH2O * pc.K1;
    residuals[1] = pCO2 * pH2 - pCO * pH2O * pc.K2;
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

    pc.Total = dryBasis ? 3 * x + 1 + 4 * y - f.H2O : 1 + s + 2 * x + 2 * y;
    pc.CH4 = (f.C - x - y) / pc.Total;
    pc.CO = (f.CO + x) / pc.Total;
    pc.CO2 = (f.CO2 + y) / pc.Total;
    pc.H2 = (3 * x + f.H2 + 4 * y) / pc.Total;
    pc.N2 = f.N2 / pc.Total;
    return dryBasis ? pc.Total : pc.Total / (1 + s);
}

} // namespace quorvel
