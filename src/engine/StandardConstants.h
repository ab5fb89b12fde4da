#pragma once

// The two equilibrium constants of the reforming model from standard thermodynamic
// data (engine/Thermochemistry.h): K1 = exp(-dG1/RT) / 1.01325^2 in atm^2, since the data's
// standard state is 1 bar and the model's pressures are in atm, and K2 = exp(-dG2/RT),
// which has no unit.

namespace quorvel {

struct ReformingConstants {
    double K1; // CH4 + H2O = CO + 3 H2, atm^2
    double K2; // CO + H2O = CO2 + H2
};

// At the temperature celsius, taken as celsius + 273.15 K.
ReformingConstants StandardReformingConstants(double celsius);

// Each constant alone, for an approach to equilibrium that evaluates them at different
// temperatures; the same values as the members above.
double StandardReformingK1(double celsius);
double StandardShiftK2(double celsius);

} // namespace quorvel
