#include "engine/ReformerFigures.h"

#include "engine/Thermochemistry.h"

#include <limits>

namespace quorvel {

namespace {

constexpr double JoulesPerKilojoule = 1000;

} // namespace

DutyEnthalpies DutyEnthalpiesAt(const FeedComposition& feed, double T,
                                const InletTemperatures& inlet) {
    return {EnthalpyJPerMol(Species::CH4, T),
            EnthalpyJPerMol(Species::CO, T),
            EnthalpyJPerMol(Species::CO2, T),
            EnthalpyJPerMol(Species::H2, T),
            EnthalpyJPerMol(Species::N2, T),
            EnthalpyJPerMol(Species::H2O, T),
            FeedGasEnthalpyJPerMol(feed, FeedInletKelvin(inlet, T)),
            EnthalpyJPerMol(Species::H2O, SteamInletKelvin(inlet, T))};
}

PointFigures PointFiguresOf(const FeedTotals& totals, double ratio, double x, double y,
                            const DutyEnthalpies& h) {
    const FeedTotals& f = totals;
    const double hydrogen = 3 * x + f.H2 + 4 * y;
    const double product = (f.C - x - y) * h.CH4 + (f.CO + x) * h.CO + (f.CO2 + y) * h.CO2 +
                           hydrogen * h.H2 + f.N2 * h.N2 + (ratio + f.H2O - x - 2 * y) * h.H2O;
    const double steam = ratio * h.steam;

    PointFigures figures{};
    figures.HeatDuty = (product - h.feedGas - steam) / JoulesPerKilojoule;
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

PointFigures ComputePointFigures(const FeedComposition& feed, const FeedTotals& totals,
                                 double ratio, double celsius, double x, double y,
                                 const InletTemperatures& inlet) {
    return PointFiguresOf(totals, ratio, x, y,
                          DutyEnthalpiesAt(feed, celsius + StandardKelvinOffset, inlet));
}

} // namespace quorvel
