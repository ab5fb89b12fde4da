#pragma once

// The enthalpy that the feed gas and the added steam bring into the reformer at their
// inlet temperatures, from the NASA Glenn species data (engine/Thermochemistry.h). With
// these the heat duty is the reformer's duty: the product at the outlet temperature less
// what entered, not the isothermal heat of reaction.

#include "engine/ProcessData.h"
#include "engine/Thermochemistry.h"

namespace quorvel {

// Inlet temperatures in degrees Celsius; a temperature not given is the point's own
// (outlet) temperature, which gives the isothermal heat of reaction. Zero-initialised:
// neither given.
struct InletTemperatures {
    bool feedGiven;
    double feedCelsius;
    bool steamGiven;
    double steamCelsius;
};

// The range an inlet temperature is accepted in, degrees Celsius.
inline constexpr double InletCelsiusLowest = 0;
inline constexpr double InletCelsiusHighest = 1000;

// The enthalpy of one mole of the feed gas, its nine components as they are (the
// heavier hydrocarbons as themselves), at T kelvin, J.
double FeedGasEnthalpyJPerMol(const FeedComposition& feed, double T);

// The kelvin temperature (Celsius + 273.15) of the feed gas and of the steam for a point
// at outletKelvin (Celsius + 273.15).
inline double FeedInletKelvin(const InletTemperatures& inlet, double outletKelvin) {
    return inlet.feedGiven ? inlet.feedCelsius + StandardKelvinOffset : outletKelvin;
}
inline double SteamInletKelvin(const InletTemperatures& inlet, double outletKelvin) {
    return inlet.steamGiven ? inlet.steamCelsius + StandardKelvinOffset : outletKelvin;
}

} // namespace quorvel
