#include "engine/GasStream.h"

#include <cmath>

namespace quorvel {

namespace {

// Atoms of C, H, O, N and Ar in one molecule of each species, in the order of Species.
constexpr double Atoms[SpeciesCount][ElementCount] = {
    {1, 4, 0, 0, 0},  // CH4
    {2, 6, 0, 0, 0},  // C2H6
    {3, 8, 0, 0, 0},  // C3H8
    {4, 10, 0, 0, 0}, // C4H10
    {0, 0, 0, 2, 0},  // N2
    {1, 0, 1, 0, 0},  // CO
    {1, 0, 2, 0, 0},  // CO2
    {0, 2, 0, 0, 0},  // H2
    {0, 2, 1, 0, 0},  // H2O
    {1, 0, 0, 0, 0},  // graphite
    {0, 0, 2, 0, 0},  // O2
    {0, 0, 0, 0, 1},  // Ar
};

} // namespace

double StreamEnthalpy(const double* amounts, double T) {
    double sum = 0;
    for (int s = 0; s < SpeciesCount; ++s) {
        if (amounts[s] != 0) {
            sum += amounts[s] * EnthalpyJPerMol(static_cast<Species>(s), T);
        }
    }
    return sum;
}

double StreamEnthalpyFlow(const double* amounts, double T) {
    double sum = 0;
    for (int s = 0; s < SpeciesCount; ++s) {
        if (amounts[s] != 0) {
            sum += std::fabs(amounts[s] * EnthalpyJPerMol(static_cast<Species>(s), T));
        }
    }
    return sum;
}

double WetTotal(const GasStream& gas) {
    double sum = 0;
    for (double n : gas.amounts) {
        sum += n;
    }
    return sum;
}

double DryTotal(const GasStream& gas) {
    return WetTotal(gas) - Amount(gas, Species::H2O);
}

void ElementsOf(const double* amounts, double* elements) {
    for (int e = 0; e < ElementCount; ++e) {
        elements[e] = 0;
        for (int s = 0; s < SpeciesCount; ++s) {
            elements[e] += Atoms[s][e] * amounts[s];
        }
    }
}

} // namespace quorvel
