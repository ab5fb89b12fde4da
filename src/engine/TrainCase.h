#pragma once

// A reformer train as data: the feed gas and the steam, the plant's capacity and the
// stages one after another. The case file, the window and the command line fill the
// same value; the train solver (TrainSolver.h) reads nothing else.

#include "engine/ApproachToEquilibrium.h"
#include "engine/ProcessData.h"

namespace quorvel {

enum class StageKind {
    Prereformer, // both equilibria, usually adiabatic
    Reformer,    // both equilibria, usually at a given outlet temperature
    Secondary,   // an oxidant burnt completely, then both equilibria
    Shift,       // the water-gas shift alone: methane and heavier hydrocarbons frozen
};

// How a stage's heat is fixed: the outlet temperature (the duty follows), no heat
// exchanged (the outlet temperature follows), or the duty itself.
enum class ThermalKind { OutletTemperature, Adiabatic, Duty };

enum class OxidantKind { Air, Oxygen, Composition };

// The oxidant's components, in the order of OxidantStream::percent.
enum OxidantComponent { OxidantO2, OxidantN2, OxidantAr, OxidantCO2, OxidantH2O, OxidantCount };

// How much oxidant a secondary stage takes: a given amount, or as much as reaches a
// target at the outlet.
enum class OxidantAmountKind {
    MolPerMolFeed,     // value: mol oxidant per mol feed gas
    H2CoToN2,          // value: (H2 + CO)/N2 at the outlet
    OutletTemperature, // value: outlet temperature, degrees Celsius
};

struct OxidantStream {
    OxidantKind kind;
    double percent[OxidantCount]; // by volume; filled for every kind
    double temperatureC;
    OxidantAmountKind amountKind;
    double value;
};

// Dry air, per cent by volume.
inline constexpr double AirPercent[OxidantCount] = {20.946, 78.084, 0.934, 0.036, 0};
inline constexpr double OxygenPercent[OxidantCount] = {100, 0, 0, 0, 0};

struct TrainStage {
    StageKind kind;
    bool inletGiven;          // the gas is brought to inletTemperatureC before the stage
    double inletTemperatureC; // degrees Celsius
    double pressureBar;       // absolute
    ThermalKind thermal;
    double outletTemperatureC; // ThermalKind::OutletTemperature
    double dutyKw;             // ThermalKind::Duty: heat put into the gas
    // Reforming and shift approaches (positive: short of equilibrium); a shift stage
    // reads only Shift.
    ApproachToEquilibrium approach;
    OxidantStream oxidant; // StageKind::Secondary only
};

enum class CapacityKind {
    FeedKmolH,    // feed gas, kmol/h
    FeedNm3H,     // feed gas, Nm3/h (0 C, 101.325 kPa)
    HydrogenNm3H, // hydrogen at the last stage's outlet, Nm3/h
};

enum class SteamAmountKind { SteamToCarbon, MolPerMolFeed };

inline constexpr int TrainStageCapacity = 16;

struct TrainCase {
    CapacityKind capacityKind;
    double capacity;
    FeedComposition feed; // per cent by volume, adding up to 100
    double feedTemperatureC;
    SteamAmountKind steamKind;
    double steamValue; // steam-to-carbon ratio or mol steam per mol feed gas
    double steamTemperatureC;
    int stageCount;
    TrainStage stages[TrainStageCapacity];
};

// The accepted ranges.
inline constexpr double TrainPressureLowestBar = 1;
inline constexpr double TrainPressureHighestBar = 100;
inline constexpr double TrainCelsiusLowest = 0;     // inlet, feed, steam and oxidant temperatures
inline constexpr double TrainCelsiusHighest = 1600; // and outlet temperatures
inline constexpr double AdiabaticCelsiusLowest = 200;
inline constexpr double AdiabaticCelsiusHighest = 1600;

// One kmol of ideal gas at 0 C and 101.325 kPa, m3.
inline constexpr double NormalCubicMetresPerKmol = 8.314462618 * 273.15 / 101.325;

} // namespace quorvel
