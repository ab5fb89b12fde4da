#pragma once

#include "FloatingPointError.h"
#include "ProcessData.h"

namespace quorvel {

// All state of the equilibrium engine, one instance of each record. The program
// creates one Engine at start-up and keeps it for its whole run; tests create fresh
// ones. Every value starts at zero.
struct Engine {
    FeedComposition feedComposition{};
    FeedTotals feedTotals{};
    ProcessConditions processConditions{};
    double InputRatio = 0;        // mol steam per mol feed gas, as entered
    double InputTemperature = 0;  // degrees Celsius, as entered
    ResultSeries resultSeries{};
    // The solver's own state follows (workspace, point composition, random source).
};

// Sets the feed to pure methane and derives the feed totals.
void InitialSetData(Engine& engine);

// Derives feedTotals from feedComposition.
void PreparationVar(Engine& engine);

// One complete calculation: sweeps the parameter chosen by XAxisMode (0 ratio,
// 1 temperature, 2 pressure) and stores the composition on the basis chosen by
// YAxisMode (0 dry, 1 and 2 wet) into resultSeries. Throws FloatingPointError.
void RunSweep(Engine& engine, int XAxisMode, int YAxisMode);

}  // namespace quorvel
