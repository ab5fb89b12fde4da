#include "engine/PointCarbon.h"

#include "engine/EquilibriumModel.h"
#include "engine/SolverSettings.h"
#include "engine/Thermochemistry.h"

namespace quorvel {

namespace {

// The activities with the logarithms of Kc, Kb and the pressure from logs(T, pressure),
// which is called only once the amounts are known to be usable.
template <typename Logs>
bool ActivityAtPoint(const Engine& engine, const double* amounts, Logs&& logs,
                     CarbonActivity& activity) {
    const ProcessConditions& pc = engine.processConditions;
    const double CH4 = amounts[Methane];
    const double CO = amounts[CarbonMonoxide];
    const double CO2 = amounts[CarbonDioxide];
    const double H2 = amounts[Hydrogen];
    const double H2O = amounts[Water];
    // The wet total as the stored composition counts it: the amounts and the inert gas.
    const double wetTotal = WetTotalOfAmounts(amounts, engine.feedTotals.N2);
    if (!(CH4 > 0 && CO > 0 && CO2 > 0 && H2 > 0 && H2O > 0 && wetTotal > 0 && pc.Pressure > 0)) {
        return false;
    }
    const double T = pc.Temperature - SweepSettings::CelsiusToKelvin + StandardKelvinOffset;
    activity = CarbonActivityOfLogs(logs(T, pc.Pressure), CH4, CO, CO2, H2, wetTotal);
    return true;
}

template <typename Logs>
void StoreCarbon(Engine& engine, int i, const double* amounts, Logs&& logs) {
    CarbonSeries& cs = engine.carbonSeries;
    CarbonActivity activity{};
    cs.Known[i] = engine.physicalRoot[i] && ActivityAtPoint(engine, amounts, logs, activity);
    cs.Cracking[i] = cs.Known[i] ? activity.cracking : 0;
    cs.Boudouard[i] = cs.Known[i] ? activity.boudouard : 0;
}

// The logarithms taken afresh.
CarbonLogs LogsAt(double T, double pressureAtm) {
    return CarbonLogsOf(CarbonConstantsAt(T), pressureAtm);
}

} // namespace

bool CarbonActivityAtPoint(const Engine& engine, const double* amounts, CarbonActivity& activity) {
    return ActivityAtPoint(engine, amounts, LogsAt, activity);
}

bool CarbonActivityAtPoint(const Engine& engine, const double* amounts, TemperatureData& data,
                           CarbonActivity& activity) {
    return ActivityAtPoint(
        engine, amounts, [&data](double T, double P) { return data.CarbonLogsAt(T, P); }, activity);
}

void StorePointCarbon(Engine& engine, int i, const double* amounts) {
    StoreCarbon(engine, i, amounts, LogsAt);
}

void StorePointCarbon(Engine& engine, int i, const double* amounts, TemperatureData& data) {
    StoreCarbon(engine, i, amounts,
                [&data](double T, double P) { return data.CarbonLogsAt(T, P); });
}

} // namespace quorvel
