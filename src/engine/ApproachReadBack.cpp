#include "engine/ApproachReadBack.h"

#include "engine/CarbonActivity.h"
#include "engine/EquilibriumModel.h"
#include "engine/FloatingPointGuard.h"
#include "engine/SolverSettings.h"
#include "engine/Thermochemistry.h"

#include <cmath>

namespace quorvel {

namespace {

// ln K1 or ln K2 of the engine's source at T kelvin (Celsius + 273), with no approach.
double LogConstant(Engine& engine, double T, bool reforming) {
    const ApproachToEquilibrium kept = engine.approach;
    engine.approach = {};
    ComputeConstants(engine, T);
    engine.approach = kept;
    return std::log(reforming ? engine.processConditions.K1 : engine.processConditions.K2);
}

struct Search {
    EquilibriumTemperatureFound found;
    double kelvin;
};

// The temperature where ln K equals logQ, by bisection over the search range: K1 rises
// and K2 falls with temperature throughout it, so the sign of ln K - ln Q at the ends
// tells whether the temperature lies inside, and bisection keeps it bracketed until the
// interval cannot shrink any further.
Search EquilibriumKelvin(Engine& engine, double logQ, bool reforming) {
    double low = ReadBackLowestCelsius + SweepSettings::CelsiusToKelvin;
    double high = ReadBackHighestCelsius + SweepSettings::CelsiusToKelvin;
    // g(T) = ln K(T) - ln Q, made to rise with T for both reactions.
    const double sign = reforming ? 1 : -1;
    const auto g = [&](double T) { return sign * (LogConstant(engine, T, reforming) - logQ); };
    const double gLow = g(low);
    const double gHigh = g(high);
    if (gLow > 0) {
        return {EquilibriumTemperatureFound::BelowRange, low};
    }
    if (gHigh < 0) {
        return {EquilibriumTemperatureFound::AboveRange, high};
    }
    for (;;) {
        const double middle = 0.5 * (low + high);
        if (!(middle > low && middle < high)) {
            break;
        }
        if (g(middle) < 0) {
            low = middle;
        } else {
            high = middle;
        }
    }
    return {EquilibriumTemperatureFound::InRange, 0.5 * (low + high)};
}

} // namespace

ApproachReadBack ReadBackApproach(Engine& engine, const MeasuredDryGas& gas) {
    ClearFloatingPointFaults();
    ApproachReadBack result{};
    const FeedTotals& f = engine.feedTotals;
    const double s = engine.InputRatio;
    const double P = engine.processConditions.InputPressure;

    // Dry fractions relative to the analysis's own sum.
    const double sum = gas.CH4 + gas.CO + gas.CO2 + gas.H2 + gas.N2;
    const double yCH4 = gas.CH4 / sum;
    const double yCO = gas.CO / sum;
    const double yCO2 = gas.CO2 / sum;
    const double yH2 = gas.H2 / sum;

    // Carbon balance: the dry gas per mol feed gas; oxygen balance: the water.
    const double dry = (f.C + f.CO + f.CO2) / (yCH4 + yCO + yCO2);
    const double oxygenFed = f.CO + 2 * f.CO2 + f.H2O + s;
    const double water = oxygenFed - dry * (yCO + 2 * yCO2);
    result.water = water;
    if (!(water > 0)) {
        ThrowOnFloatingPointFault();
        return result;
    }
    result.waterPositive = true;

    const double CH4 = dry * yCH4;
    const double CO = dry * yCO;
    const double CO2 = dry * yCO2;
    const double H2 = dry * yH2;
    const double wet = dry + water;
    result.h2oWetFraction = water / wet;
    const double perMole = P / wet;
    const double pCH4 = CH4 * perMole;
    const double pCO = CO * perMole;
    const double pCO2 = CO2 * perMole;
    const double pH2 = H2 * perMole;
    const double pH2O = water * perMole;
    result.Qp1 = pCO * pH2 * pH2 * pH2 / (pCH4 * pH2O);
    result.Qp2 = pCO2 * pH2 / (pCO * pH2O);

    const double T = engine.InputTemperature + SweepSettings::CelsiusToKelvin;
    const Search reforming = EquilibriumKelvin(engine, std::log(result.Qp1), true);
    const Search shift = EquilibriumKelvin(engine, std::log(result.Qp2), false);
    result.reformingFound = reforming.found;
    result.shiftFound = shift.found;
    result.reformingCelsius = reforming.kelvin - SweepSettings::CelsiusToKelvin;
    result.shiftCelsius = shift.kelvin - SweepSettings::CelsiusToKelvin;
    result.approachReforming = T - reforming.kelvin;
    result.approachShift = shift.kelvin - T;

    const CarbonActivity activity =
        CarbonActivityOf(CarbonConstantsAt(engine.InputTemperature + StandardKelvinOffset), CH4, CO,
                         CO2, H2, wet, P);
    result.carbonActivity = LargerActivity(activity);

    // Hydrogen as H2: the feed's hydrocarbons counted as methane take 2 C, the steam s.
    const double hydrogenFed = 2 * f.C + f.H2 + f.H2O + s;
    const double hydrogenMeasured = 2 * CH4 + H2 + water;
    result.hydrogenBalancePercent = 100 * hydrogenMeasured / hydrogenFed;
    ThrowOnFloatingPointFault();
    return result;
}

} // namespace quorvel
