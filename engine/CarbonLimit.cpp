#include "engine/CarbonLimit.h"

#include "engine/EquilibriumModel.h"
#include "engine/FloatingPointGuard.h"
#include "engine/PointCarbon.h"
#include "engine/RootRefinement.h"
#include "engine/SolverSettings.h"

#include <cmath>

namespace quorvel {

double LargerActivityAtRatio(Engine& engine, double ratio, double& x, double& y) {
    engine.processConditions.Ratio = ratio;
    // From the last root first: neighbouring probes have neighbouring roots.
    bool found = RefineFrom(engine, x, y);
    if (!found) {
        double middleX;
        double middleY;
        if (DomainMiddle(engine, middleX, middleY) && RefineFrom(engine, middleX, middleY)) {
            x = middleX;
            y = middleY;
            found = true;
        }
    }
    CarbonActivity activity{};
    if (!found || !CarbonActivityAtPoint(engine, x, y, activity)) {
        // No physical gas at this ratio: nothing shows that carbon cannot form.
        return HUGE_VAL;
    }
    return LargerActivity(activity);
}

void ComputeCarbonLimitTable(Engine& engine, CarbonLimitTable& table) {
    using S = CarbonLimitSettings;
    const ProcessConditions saved = engine.processConditions;
    ProcessConditions& pc = engine.processConditions;
    pc.Pressure = pc.InputPressure;
    const FeedTotals& f = engine.feedTotals;
    double x = SweepSettings::StartX;
    double y = SweepSettings::StartY;
    table.count = 0;
    for (int i = 0; i < S::TemperatureCount; ++i) {
        const double t = S::TemperatureFirst + i * S::TemperatureStep;
        pc.Temperature = t + SweepSettings::CelsiusToKelvin;
        ComputeConstants(engine, pc.Temperature);
        CarbonLimitRow& row = table.rows[i];
        row.temperature = t;
        row.limit = FindMinimumRatio(
            [&](double ratio) { return LargerActivityAtRatio(engine, ratio, x, y); });
        row.steamToCarbonDefined = f.C > 0;
        row.steamToCarbon = row.steamToCarbonDefined ? (row.limit.ratio + f.H2O) / f.C : 0;
        table.count = i + 1;
    }
    // The refinement judges its own arithmetic; nothing of it is a fault of the cycle.
    ClearFloatingPointFaults();
    pc = saved;
}

} // namespace quorvel
