#include "engine/CarbonLimit.h"

#include "engine/EquilibriumModel.h"
#include "engine/FloatingPointGuard.h"
#include "engine/PointCarbon.h"
#include "engine/RootRefinement.h"
#include "engine/SolverSettings.h"

#include <cmath>

namespace quorvel {

double LargerActivityAtRatio(Engine& engine, double ratio) {
    engine.processConditions.Ratio = ratio;
    // The refinement starts from the last probes' roots: neighbouring probes have
    // neighbouring roots.
    const RefinedRoot root = RefineRoot(engine);
    CarbonActivity activity{};
    if (!root.physical || !CarbonActivityAtPoint(engine, root.amounts, activity)) {
        // No physical gas at this ratio: nothing shows that carbon cannot form.
        return HUGE_VAL;
    }
    return LargerActivity(activity);
}

void ComputeCarbonLimitTable(Engine& engine, CarbonLimitTable& table) {
    using S = CarbonLimitSettings;
    const ProcessConditions saved = engine.processConditions;
    const RefinementState savedRefinement = engine.refinement;
    engine.refinement.Known = 0;
    ProcessConditions& pc = engine.processConditions;
    pc.Pressure = pc.InputPressure;
    const FeedTotals& f = engine.feedTotals;
    table.count = 0;
    for (int i = 0; i < S::TemperatureCount; ++i) {
        const double t = S::TemperatureFirst + i * S::TemperatureStep;
        pc.Temperature = t + SweepSettings::CelsiusToKelvin;
        ComputeConstants(engine, pc.Temperature);
        CarbonLimitRow& row = table.rows[i];
        row.temperature = t;
        row.limit =
            FindMinimumRatio([&](double ratio) { return LargerActivityAtRatio(engine, ratio); });
        row.steamToCarbonDefined = f.C > 0;
        row.steamToCarbon = row.steamToCarbonDefined ? (row.limit.ratio + f.H2O) / f.C : 0;
        table.count = i + 1;
    }
    // The refinement judges its own arithmetic; nothing of it is a fault of the cycle.
    ClearFloatingPointFaults();
    pc = saved;
    engine.refinement = savedRefinement;
}

} // namespace quorvel
