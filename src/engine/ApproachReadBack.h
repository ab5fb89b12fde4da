#pragma once

// The approach to equilibrium read back from a plant analysis: the measured dry outlet
// gas with the feed, the steam ratio, the outlet temperature and the pressure give the
// water of the outlet gas (from the carbon and oxygen balances), the reaction quotients
//   Qp1 = pCO pH2^3 / (pCH4 pH2O)   (atm^2)     Qp2 = pCO2 pH2 / (pCO pH2O),
// the temperatures at which K1 and K2 of the engine's constant source equal them, and the
// approaches in the convention of ApproachToEquilibrium:
//   reforming approach = T - T(K1 = Qp1),   shift approach = T(K2 = Qp2) - T.

#include "engine/Engine.h"

namespace quorvel {

// The measured dry gas, per cent by volume; the five values are taken relative to their
// sum, which the caller has checked to be about 100.
struct MeasuredDryGas {
    double CH4;
    double CO;
    double CO2;
    double H2;
    double N2;
};

// Where the temperature of a quotient lies against the search range.
enum class EquilibriumTemperatureFound { InRange, BelowRange, AboveRange };

// The search range of the equilibrium temperatures, degrees Celsius.
inline constexpr double ReadBackLowestCelsius = 200;
inline constexpr double ReadBackHighestCelsius = 1500;

struct ApproachReadBack {
    bool waterPositive; // false: the analysis contradicts the feed, nothing else is set
    double water;       // mol per mol feed gas
    double h2oWetFraction;
    double Qp1; // atm^2
    double Qp2;
    EquilibriumTemperatureFound reformingFound;
    EquilibriumTemperatureFound shiftFound;
    double reformingCelsius;       // where K1 = Qp1; valid where reformingFound is InRange
    double shiftCelsius;           // where K2 = Qp2
    double approachReforming;      // K, valid where reformingFound is InRange
    double approachShift;          // K
    double carbonActivity;         // the larger of cracking and Boudouard, standard data
    double hydrogenBalancePercent; // measured H over fed H
};

// The read-back at the engine's feed, InputRatio, InputTemperature (the measured outlet
// temperature) and InputPressure, with the constants of engine.constants at zero
// approach (engine.approach is not read). Every value of the gas must be above 0 (N2 may
// be 0). Overwrites processConditions K1, K2 and Temperature. Throws FloatingPointError.
ApproachReadBack ReadBackApproach(Engine& engine, const MeasuredDryGas& gas);

} // namespace quorvel
