#include "engine/StandardConstants.h"

#include "engine/Thermochemistry.h"

namespace quorvel {

ReformingConstants StandardReformingConstants(double celsius) {
    const double T = celsius + StandardKelvinOffset;
    return {EquilibriumConstantBar(SteamReforming, T) / (BarPerAtm * BarPerAtm),
            EquilibriumConstantBar(WaterGasShift, T)};
}

} // namespace quorvel
