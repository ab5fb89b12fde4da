#include "engine/CarbonLimit.h"

#include "engine/EquilibriumModel.h"
#include "engine/FloatingPointGuard.h"
#include "engine/PointCarbon.h"
#include "engine/RestoreConditions.h"
#include "engine/RootRefinement.h"
#include "engine/SolverSettings.h"

#include <cmath>

namespace quorvel {

namespace {

// The larger activity, with activityAt(engine, amounts, activity) as the activities.
template <typename ActivityAt>
double LargerActivityOf(Engine& engine, double ratio, ActivityAt&& activityAt) {
    engine.processConditions.Ratio = ratio;
    // The direct path: the refinement alone, started from the last probes' roots, as
    // neighbouring probes have neighbouring roots.
    const RefinedRoot root = RefineRoot(engine);
    // The refinement judges its own arithmetic; a fault of the activity is the search's.
    ClearFloatingPointFaults();
    CarbonActivity activity{};
    if (!root.physical || !activityAt(engine, root.amounts, activity)) {
        // No physical gas at this ratio: nothing shows that carbon cannot form.
        return HUGE_VAL;
    }
    const double larger = LargerActivity(activity);
    ThrowOnFloatingPointFault();
    return larger;
}

} // namespace

double LargerActivityAtRatio(Engine& engine, double ratio) {
    return LargerActivityOf(engine, ratio,
                            [](const Engine& e, const double* amounts, CarbonActivity& activity) {
                                return CarbonActivityAtPoint(e, amounts, activity);
                            });
}

double LargerActivityAtRatio(Engine& engine, double ratio, TemperatureData& data) {
    return LargerActivityOf(
        engine, ratio, [&data](const Engine& e, const double* amounts, CarbonActivity& activity) {
            return CarbonActivityAtPoint(e, amounts, data, activity);
        });
}

bool FeedWithoutCarbon(const FeedTotals& f) {
    return f.C == 0 && f.CO == 0 && f.CO2 == 0;
}

void ComputeCarbonLimitTable(Engine& engine, CarbonLimitTable& table) {
    using S = CarbonLimitSettings;
    table.count = 0;
    const FeedTotals& f = engine.feedTotals;
    table.withoutCarbon = FeedWithoutCarbon(f);
    if (table.withoutCarbon) {
        return; // no carbon to form at any temperature or ratio
    }
    const RestoreConditions restore(engine);
    ClearFloatingPointFaults();
    engine.refinement.Known = 0;
    ProcessConditions& pc = engine.processConditions;
    pc.Pressure = pc.InputPressure;
    for (int i = 0; i < S::TemperatureCount; ++i) {
        const double t = S::TemperatureFirst + i * S::TemperatureStep;
        pc.Temperature = t + SweepSettings::CelsiusToKelvin;
        ComputeConstants(engine, pc.Temperature);
        ThrowOnFloatingPointFault();
        CarbonLimitRow& row = table.rows[i];
        row.temperature = t;
        TemperatureData data;
        row.limit = FindMinimumRatio(
            [&](double ratio) { return LargerActivityAtRatio(engine, ratio, data); });
        row.steamToCarbonDefined = f.C > 0;
        row.steamToCarbon = row.steamToCarbonDefined ? (row.limit.ratio + f.H2O) / f.C : 0;
        ThrowOnFloatingPointFault();
        table.count = i + 1;
    }
}

} // namespace quorvel
