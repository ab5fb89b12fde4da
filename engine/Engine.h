// The equilibrium engine: plain C++, no Qt.
#pragma once

#include "ConstantsSource.h"
#include "FloatingPointError.h"
#include "ProcessData.h"
#include "RandomSource.h"
#include "ReformerFigures.h"
#include "SolverWorkspace.h"

namespace quorvel {

// The product gas of the point being stored, on the basis the view asks for.
struct PointComposition {
    double CH4;
    double CO;
    double CO2;
    double H2;
    double N2;
    double Total; // dry total or wet total, as the basis demands
};

// What the exact-root refinement carries from one point of a run to the next.
struct RefinementState {
    bool HavePrevious; // false at a run's first point and after a point without a root
    double PreviousX;
    double PreviousY;
};

// All state of the equilibrium engine, one instance of each record. The program
// creates one Engine at start-up and keeps it for its whole run; tests create fresh
// ones. Every value starts at zero.
struct Engine {
    FeedComposition feedComposition{};
    FeedTotals feedTotals{};
    ProcessConditions processConditions{};
    double InputRatio = 0;       // mol steam per mol feed gas, as entered
    double InputTemperature = 0; // degrees Celsius, as entered
    ResultSeries resultSeries{};
    // exactRoot[i]: point i stores the converged root of the equilibrium equations; false
    // where no root exists and the solver's own answer was stored instead.
    bool exactRoot[ResultCapacity]{};

    // Where RunSweep takes K1 and K2 from; only these two numbers differ between sources.
    ConstantsSource constants = ConstantsSource::Seed;
    // Conversion, hydrogen yield, steam-to-carbon ratio and heat duty of every stored
    // point, filled beside resultSeries by every run.
    ReformerFigures figures{};

    // The solver's own state.
    SolverWorkspace workspace{};
    PointComposition pointComposition{};
    RefinementState refinement{};
    RandomSource random{};
    LoopLimitHits loopLimitHits{}; // reset by every run
    SolveCounters lastSolve{};
};

// Sets the feed to pure methane and derives the feed totals.
void InitialSetData(Engine& engine);

// Derives feedTotals from feedComposition.
void PreparationVar(Engine& engine);

// One complete calculation: sweeps the parameter chosen by XAxisMode (0 ratio,
// 1 temperature, 2 pressure) and stores the composition on the basis chosen by
// YAxisMode (0 dry, 1 and 2 wet) into resultSeries. Throws FloatingPointError.
void RunSweep(Engine& engine, int XAxisMode, int YAxisMode);

} // namespace quorvel
