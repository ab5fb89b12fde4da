#include "engine/InletEnthalpy.h"

#include "engine/Thermochemistry.h"

namespace quorvel {

namespace {

// The species of the feed's nine components, in FeedComposition order.
constexpr Species FeedSpecies[FeedComponentCount] = {Species::CH4,   Species::C2H6, Species::C3H8,
                                                     Species::C4H10, Species::N2,   Species::CO,
                                                     Species::CO2,   Species::H2,   Species::H2O};

constexpr double FractionPerPercent = 0.01;

} // namespace

double FeedGasEnthalpyJPerMol(const FeedComposition& feed, double T) {
    double enthalpy = 0;
    for (int i = 0; i < FeedComponentCount; ++i) {
        enthalpy += feed[i] * FractionPerPercent * EnthalpyJPerMol(FeedSpecies[i], T);
    }
    return enthalpy;
}

} // namespace quorvel
