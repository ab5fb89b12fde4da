#pragma once

// The figures a reformer engineer reads beside the product composition, for each stored
// point: methane conversion, hydrogen yield, steam-to-carbon ratio and heat duty.
// Enthalpies come from the NASA Glenn species data (engine/Thermochemistry.h) in every run.

#include "engine/InletEnthalpy.h"
#include "engine/ProcessData.h"

namespace quorvel {

// One entry per sweep point, like ResultSeries; entries 0..ResultSeries.LastIndex
// belong to the last run. A NaN marks a figure that is undefined at the point: the
// first three where the feed holds no hydrocarbon carbon (FeedTotals.C = 0).
struct ReformerFigures {
    double MethaneConversion[ResultCapacity]; // (x + y) / C
    double H2Yield[ResultCapacity];           // (3x + H2 + 4y) / C, mol H2 per mol carbon
    double SteamToCarbon[ResultCapacity];     // (Ratio + H2O) / C
    double HeatDuty[ResultCapacity];          // kJ per mol of feed gas; > 0: heat supplied
};

struct PointFigures {
    double MethaneConversion;
    double H2Yield;
    double SteamToCarbon;
    double HeatDuty; // kJ per mol of feed gas
};

// The figures of the product with extents x (CO formed) and y (CO2 formed) from the feed
// and ratio mol of added steam per mol of feed gas, all at celsius + 273.15 K. The heat
// duty is the enthalpy of the product (CH4, CO, CO2, H2, N2, H2O) at that temperature
// less that of the feed gas (its nine components) and of the added steam, each at its
// inlet temperature (the point's own where not given). Raises no floating-point fault
// for C = 0: those figures are NaN.
// What the heat duty reads of the species data at one outlet temperature T (kelvin,
// Celsius + 273.15), in J/mol: the product species at T, the feed gas and the steam at
// their inlets. They depend on T, the feed and the inlets only, so a sweep at one
// temperature reads them once.
struct DutyEnthalpies {
    double CH4, CO, CO2, H2, N2, H2O; // one mole of each product species
    double feedGas;                   // one mole of the feed gas at its inlet
    double steam;                     // one mole of steam at its inlet
};

DutyEnthalpies DutyEnthalpiesAt(const FeedComposition& feed, double T,
                                const InletTemperatures& inlet = {});

// The figures as ComputePointFigures gives them, from enthalpies read beforehand.
PointFigures PointFiguresOf(const FeedTotals& totals, double ratio, double x, double y,
                            const DutyEnthalpies& h);

PointFigures ComputePointFigures(const FeedComposition& feed, const FeedTotals& totals,
                                 double ratio, double celsius, double x, double y,
                                 const InletTemperatures& inlet = {});

} // namespace quorvel
