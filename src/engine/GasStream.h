#pragma once

// A gas stream of the reformer train: the amount of every species in mol per mol of
// feed gas (graphite always zero) at a temperature in kelvin (Celsius + 273.15).

#include "engine/Thermochemistry.h"

namespace quorvel {

struct GasStream {
    double amounts[SpeciesCount];
    double kelvin;
};

inline double& Amount(GasStream& gas, Species s) {
    return gas.amounts[static_cast<int>(s)];
}
inline double Amount(const GasStream& gas, Species s) {
    return gas.amounts[static_cast<int>(s)];
}

// The enthalpy of the amounts at T kelvin, J per mol of feed gas.
double StreamEnthalpy(const double* amounts, double T);

// The sum of |n H| over the species: the size against which an energy balance is judged.
double StreamEnthalpyFlow(const double* amounts, double T);

// Every species's amount summed: the wet total.
double WetTotal(const GasStream& gas);
// The same without water.
double DryTotal(const GasStream& gas);

// The elements of the amounts, in the order of ElementCount.
enum Element { ElementC, ElementH, ElementO, ElementN, ElementAr, ElementCount };
void ElementsOf(const double* amounts, double* elements);

} // namespace quorvel
