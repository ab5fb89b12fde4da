#include "engine/PointCarbon.h"

#include "engine/SolverSettings.h"
#include "engine/SpeciesThermo.h"

namespace quorvel {

bool CarbonActivityAtPoint(const Engine& engine, double x, double y, CarbonActivity& activity) {
    const FeedTotals& f = engine.feedTotals;
    const ProcessConditions& pc = engine.processConditions;
    const double CH4 = f.C - x - y;
    const double CO = f.CO + x;
    const double CO2 = f.CO2 + y;
    const double H2 = 3 * x + f.H2 + 4 * y;
    const double H2O = pc.Ratio + f.H2O - x - 2 * y;
    const double wetTotal = 1 + pc.Ratio + 2 * x + 2 * y;
    if (!(CH4 > 0 && CO > 0 && CO2 > 0 && H2 > 0 && H2O > 0 && wetTotal > 0 && pc.Pressure > 0)) {
        return false;
    }
    const double T = pc.Temperature - SweepSettings::CelsiusToKelvin + StandardKelvinOffset;
    activity = CarbonActivityOf(CarbonConstantsAt(T), CH4, CO, CO2, H2, wetTotal, pc.Pressure);
    return true;
}

void StorePointCarbon(Engine& engine, int i, double x, double y) {
    CarbonSeries& cs = engine.carbonSeries;
    CarbonActivity activity{};
    cs.Known[i] = CarbonActivityAtPoint(engine, x, y, activity);
    cs.Cracking[i] = cs.Known[i] ? activity.cracking : 0;
    cs.Boudouard[i] = cs.Known[i] ? activity.boudouard : 0;
}

} // namespace quorvel
