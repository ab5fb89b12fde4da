#include "engine/StandardConstants.h"

#include "engine/Thermochemistry.h"

namespace quorvel {

ReformingConstants StandardReformingConstants(double celsius) {
    return {StandardReformingK1(celsius), StandardShiftK2(celsius)};
}

double StandardReformingK1(double celsius) {
    return EquilibriumConstantBar(SteamReforming, celsius + StandardKelvinOffset) /
           (BarPerAtm * BarPerAtm);
}

double StandardShiftK2(double celsius) {
    return EquilibriumConstantBar(WaterGasShift, celsius + StandardKelvinOffset);
}

} // namespace quorvel
