#pragma once

// The reformer train solved stage by stage. Every stage takes the outlet of the one
// before (the first: the feed gas mixed with the steam), brings it to its inlet
// temperature when one is given (the exchanger's duty is reported with the stage), and
//  - prereformer, reformer: both equilibria of the gas (heavier hydrocarbons counted
//    as methane) at the outlet temperature, by the exact-root refinement;
//  - secondary: adds the oxidant, burns its oxygen completely (2 H2 + O2 = 2 H2O; the
//    equilibria then move the oxygen where they want it), then both equilibria;
//  - shift: the water-gas shift alone, every other amount kept to the last bit.
// The outlet temperature is given, or follows from H_out(T) = H_in + duty, found in
// 200-1600 C by a bracketing search. Every enthalpy and constant comes from the NASA
// Glenn data (Thermochemistry.h), temperatures on the Celsius + 273.15 scale. All
// amounts are mol per mol of feed gas; the capacity scales them to kmol/h only at the end.

#include "engine/CarbonActivity.h"
#include "engine/Engine.h"
#include "engine/GasStream.h"
#include "engine/TrainCase.h"

namespace quorvel {

enum class StageFailure {
    None,
    NotComputed,         // an earlier stage failed
    OutletBelowRange,    // the balance's outlet temperature lies below 200 C
    OutletAboveRange,    // ... above 1600 C
    TargetUnreachable,   // no amount of oxidant reaches the target
    NoPhysicalGas,       // no composition has every amount positive
    DutyWithoutFeedFlow, // a duty in kW with the capacity given as hydrogen
};

struct StageResult {
    StageFailure failure;
    double inletKelvin; // the gas entering the stage, after its exchanger
    double outletKelvin;
    double pressureBar;
    double dutyJ;          // heat into the stage, J per mol feed gas
    double exchangerDutyJ; // heat into the gas before the stage, J per mol feed gas
    double oxidantMolPerMolFeed;
    double oxidantKelvin;
    double oxidant[SpeciesCount]; // the oxidant added, mol per mol feed gas
    GasStream inlet;              // the gas entering the stage (without the oxidant)
    GasStream outlet;
    CarbonActivity carbon; // of the outlet gas
};

struct TrainResult {
    int stageCount;
    int solvedCount; // the stages solved, from the first on
    double steamMolPerMolFeed;
    double feedKelvin;
    double steamKelvin;
    GasStream mixed;  // feed and steam mixed without heat exchange
    double feedKmolH; // 0 where the capacity names the hydrogen and a stage failed
    StageResult stages[TrainStageCapacity];
};

// The working memory: the equilibrium engine whose refinement solves the stages. One
// per caller; the solve allocates nothing.
struct TrainWorkspace {
    Engine engine;
};

// The steam per mol of feed gas that the case asks for.
double SteamMolPerMolFeed(const TrainCase& train);

// Solves every stage until the first that fails. Throws FloatingPointError.
void SolveTrain(const TrainCase& train, TrainWorkspace& workspace, TrainResult& result);

} // namespace quorvel
