// The equilibrium engine: plain C++, no Qt.
//
// How a point is solved. On the designed path (solverPath, SolverPath.h) the damped Newton
// solver runs first at every point whose domain of positive amounts is not empty and,
// where it fails its test, the complex search (SolveEquations, ComplexSearch): they fill
// workspace.Unknowns and the loop counters, and their answer seeds the next point. The
// point stored in resultSeries is not that answer but the exact root of the same two
// equilibrium equations, found by the refinement (RootRefinement) inside the domain where
// every species amount is positive; the refinement reads nothing of the solver. The
// direct path runs the refinement alone and stores the same values, bit for bit. A point
// is physical only where the refinement reached the root with every amount positive;
// everywhere else (the domain is empty, or the amounts lie below the range of doubles)
// it is marked as having no physical composition (physicalRoot). So a wrong figure in a
// table is debugged in RootRefinement first, and the solver only where Unknowns or the
// counters are in question. README.md, "How a point is solved", says the same.
#pragma once

#include "ApproachToEquilibrium.h"
#include "CarbonSeries.h"
#include "ConstantsSource.h"
#include "EntryUnits.h"
#include "FloatingPointError.h"
#include "ProcessData.h"
#include "RandomSource.h"
#include "ReformerFigures.h"
#include "SolverPath.h"
#include "SolverWorkspace.h"
#include "SweepKinds.h"
#include "SweepRange.h"

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

// What the exact-root refinement carries from one point of a run to the next: the roots
// of the last two points, each as x + y, y and the logarithms of the five amounts.
struct RefinementState {
    int Known;          // roots held: 0 at a run's first point and after a point without a root
    double Roots[2][7]; // Roots[0] of the previous point, Roots[1] of the one before
    // The logarithms of K1, K2 and the pressure (LogOf[k] the value Logs[k] was taken of,
    // 0 before the first): a sweep changes at most one of the three from point to point,
    // so each is taken again only when its value changes.
    double LogOf[3];
    double Logs[3];
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
    // where the refinement found none (the point is then not physical either).
    bool exactRoot[ResultCapacity]{};
    CarbonSeries carbonSeries{}; // carbon activities of the stored points

    // Where RunSweep takes K1 and K2 from; only these two numbers differ between sources.
    ConstantsSource constants = ConstantsSource::Builtin;
    // How RunSweep solves its points; both paths store the same figures.
    SolverPath solverPath = SolverPath::Designed;
    // Conversion, hydrogen yield, steam-to-carbon ratio and heat duty of every stored
    // point, filled beside resultSeries by every run.
    ReformerFigures figures{};
    // The inlet temperatures of the feed gas and the steam that the heat duty counts
    // from; neither given: the isothermal heat of reaction at each point.
    InletTemperatures inlet{};
    // How far each reaction stops short of its equilibrium: ComputeConstants evaluates
    // K1 at T - Reforming and K2 at T + Shift. Zero: the equilibrium itself.
    ApproachToEquilibrium approach{};
    // physicalRoot[i]: point i stores the exact root with every amount positive. Where it
    // is false the point has no physical composition to show, and its arrays hold
    // undefined values (quiet NaN) on either path; the solver's answer is never stored.
    bool physicalRoot[ResultCapacity]{};
    // The water's mole fraction in the wet gas of every stored point, whatever the view
    // (undefined where the point has no physical composition).
    double wetWater[ResultCapacity]{};
    // The swept parameter's range when it is not the design's grid (count 0: the grid),
    // in the units of `units`; and how steam and pressure are entered and shown. The
    // model always receives the ratio per mol feed gas and atm, converted per point.
    SweepRange sweepRange{};
    EntryUnits units{};

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

// One complete calculation: sweeps the parameter chosen by XAxisMode and stores the
// composition on the basis chosen by YAxisMode (dry for the dry view, wet for the other
// two) into resultSeries. Throws FloatingPointError.
void RunSweep(Engine& engine, SweptParameter XAxisMode, ResultView YAxisMode);

} // namespace quorvel
