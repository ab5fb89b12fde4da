#include "engine/CarbonActivity.h"

#include "engine/Thermochemistry.h"

#include <cfloat>
#include <cmath>

namespace quorvel {

namespace {

// K times the product of the numerator's partial pressures over the denominator's, in
// logarithms so that no quotient can divide by zero or overflow.
double Activity(double lnK, double numerator, int numeratorPower, double denominator,
                int denominatorPower, double lnShare) {
    if (!(numerator > 0)) {
        return 0;
    }
    if (!(denominator > 0)) {
        return HUGE_VAL;
    }
    const double lnActivity = lnK + numeratorPower * std::log(numerator) -
                              denominatorPower * std::log(denominator) +
                              (numeratorPower - denominatorPower) * lnShare;
    if (lnActivity > std::log(DBL_MAX)) {
        return HUGE_VAL;
    }
    return std::exp(lnActivity); // far below 1 it underflows to 0, which is no fault
}

} // namespace

CarbonConstants CarbonConstantsAt(double T) {
    return {EquilibriumConstantBar(MethaneCracking, T), EquilibriumConstantBar(Boudouard, T)};
}

CarbonActivity CarbonActivityOf(const CarbonConstants& constants, double CH4, double CO, double CO2,
                                double H2, double wetTotal, double pressureAtm) {
    return CarbonActivityOfLogs(CarbonLogsOf(constants, pressureAtm), CH4, CO, CO2, H2, wetTotal);
}

CarbonLogs CarbonLogsOf(const CarbonConstants& constants, double pressureAtm) {
    return {std::log(constants.Kc), std::log(constants.Kb), std::log(pressureAtm * BarPerAtm)};
}

CarbonActivity CarbonActivityOfLogs(const CarbonLogs& logs, double CH4, double CO, double CO2,
                                    double H2, double wetTotal) {
    // p_i = n_i / total * P[atm] * 1.01325 bar/atm; ln(P[bar] / total) is common to all.
    const double lnShare = logs.lnPressureBar - std::log(wetTotal);
    return {Activity(logs.lnKc, CH4, 1, H2, 2, lnShare),
            Activity(logs.lnKb, CO, 2, CO2, 1, lnShare)};
}

} // namespace quorvel
