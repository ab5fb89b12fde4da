#include "engine/ReformerFigures.h"

#include "engine/Thermochemistry.h"

#include <limits>

namespace quorvel {

namespace {

constexpr double JoulesPerKilojoule = 1000;

} // namespace

PointFigures ComputePointFigures(const FeedComposition& feed, const FeedTotals& totals,
                                 double ratio, double celsius, double x, double y,
                                 const InletTemperatures& inlet) {
    const double T = celsius + StandardKelvinOffset;
    const double hCH4 = EnthalpyJPerMol(Species::CH4, T);
    const double hCO = EnthalpyJPerMol(Species::CO, T);
    const double hCO2 = EnthalpyJPerMol(Species::CO2, T);
    const double hH2 = EnthalpyJPerMol(Species::H2, T);
    const double hN2 = EnthalpyJPerMol(Species::N2, T);
    const double hH2O = EnthalpyJPerMol(Species::H2O, T);

    const FeedTotals& f = totals;
    const double hydrogen = 3 * x + f.H2 + 4 * y;
    const double product = (f.C - x - y) * hCH4 + (f.CO + x) * hCO + (f.CO2 + y) * hCO2 +
                           hydrogen * hH2 + f.N2 * hN2 + (ratio + f.H2O - x - 2 * y) * hH2O;
    const double feedGas = FeedGasEnthalpyJPerMol(feed, FeedInletKelvin(inlet, T));
    const double steam = ratio * EnthalpyJPerMol(Species::H2O, SteamInletKelvin(inlet, T));

    PointFigures figures{};
    figures.HeatDuty = (product - feedGas - steam) / JoulesPerKilojoule;
    if (f.C == 0) {
        const double undefined = std::numeric_limits<double>::quiet_NaN();
        figures.MethaneConversion = undefined;
        figures.H2Yield = undefined;
        figures.SteamToCarbon = undefined;
    } else {
        figures.MethaneConversion = (x + y) / f.C;
        figures.H2Yield = hydrogen / f.C;
        figures.SteamToCarbon = (ratio + f.H2O) / f.C;
    }
    return figures;
}

} // namespace quorvel
