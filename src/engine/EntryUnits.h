#pragma once

// The units in which the user enters and reads the process parameters. The engine
// itself always works in mol steam per mol feed gas, kelvin and atm; these convert at
// the edge, so that the model never sees another unit.

#include "ProcessData.h"

namespace quorvel {

enum class PressureUnit { Atm, Bar, MPa, Kgf };

inline constexpr int PressureUnitCount = 4;
inline constexpr PressureUnit AllPressureUnits[PressureUnitCount] = {
    PressureUnit::Atm, PressureUnit::Bar, PressureUnit::MPa, PressureUnit::Kgf};

// How many of the unit make one standard atmosphere (101325 Pa): 1 bar = 1e5 Pa,
// 1 MPa = 1e6 Pa, 1 kgf/cm2 = 98066.5 Pa.
constexpr double UnitsPerAtm(PressureUnit unit) {
    switch (unit) {
    case PressureUnit::Atm:
        return 1;
    case PressureUnit::Bar:
        return 1.01325;
    case PressureUnit::MPa:
        return 0.101325;
    case PressureUnit::Kgf:
        return 101325.0 / 98066.5;
    }
    return 1;
}

// A pressure given in `unit`, in atm, and back; atm passes through unchanged.
constexpr double PressureInAtm(double value, PressureUnit unit) {
    return unit == PressureUnit::Atm ? value : value / UnitsPerAtm(unit);
}
constexpr double PressureInUnit(double atm, PressureUnit unit) {
    return unit == PressureUnit::Atm ? atm : atm * UnitsPerAtm(unit);
}

// How steam is entered and shown: as mol steam per mol feed gas (the model's ratio), or
// as S/C, (added steam + feed water) / hydrocarbon carbon, carbon counted as methane.
struct EntryUnits {
    bool steamToCarbon = false;
    PressureUnit pressure = PressureUnit::Atm;
};

// S/C needs hydrocarbon carbon to refer to.
inline bool SteamToCarbonDefined(const FeedTotals& f) {
    return f.C > 0;
}

// The model's ratio for a given S/C, and the S/C of a ratio: s = S/C * C - w and
// S/C = (s + w) / C, with w the feed water per mol feed gas.
inline double RatioOfSteamToCarbon(const FeedTotals& f, double steamToCarbon) {
    return steamToCarbon * f.C - f.H2O;
}
inline double SteamToCarbonOfRatio(const FeedTotals& f, double ratio) {
    return (ratio + f.H2O) / f.C;
}

} // namespace quorvel
