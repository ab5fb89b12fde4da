#pragma once

// The activity of graphite that the gas of an equilibrium point would have through the
// two reactions that lay carbon down on a reformer catalyst:
//   methane cracking  CH4 = C(gr) + 2 H2:   a_crack = Kc pCH4 / pH2^2,  Kc in bar;
//   Boudouard         2 CO = C(gr) + CO2:   a_boud  = Kb pCO^2 / pCO2,  Kb in 1/bar;
// partial pressures in bar (standard state 1 bar). Carbon can form where the larger of
// the two exceeds 1. Both constants always come from the standard species data, whatever
// constants the equilibrium itself was solved with, so that the two activities agree
// exactly when the gas is at equilibrium by the same data.

namespace quorvel {

struct CarbonConstants {
    double Kc; // methane cracking, bar
    double Kb; // Boudouard, 1/bar
};

// Kc and Kb at T kelvin (Celsius + 273.15).
CarbonConstants CarbonConstantsAt(double T);

struct CarbonActivity {
    double cracking;
    double boudouard;
};

// The gas of one point in moles (any common basis; none negative, wetTotal above 0) at
// a total pressure in atm. An activity whose numerator is zero is 0; one whose
// denominator is zero (or whose value exceeds the largest double) is +infinity. Raises
// no floating-point flag other than underflow.
CarbonActivity CarbonActivityOf(const CarbonConstants& constants, double CH4, double CO, double CO2,
                                double H2, double wetTotal, double pressureAtm);

// The logarithms that CarbonActivityOf takes of the constants and of the pressure, which
// a run can keep while the temperature and the pressure stay the same.
struct CarbonLogs {
    double lnKc;
    double lnKb;
    double lnPressureBar; // ln of the total pressure in bar
};
CarbonLogs CarbonLogsOf(const CarbonConstants& constants, double pressureAtm);

// CarbonActivityOf with its logarithms of the constants and the pressure given: the same
// values, bit for bit.
CarbonActivity CarbonActivityOfLogs(const CarbonLogs& logs, double CH4, double CO, double CO2,
                                    double H2, double wetTotal);

inline double LargerActivity(const CarbonActivity& a) {
    return a.cracking > a.boudouard ? a.cracking : a.boudouard;
}

// Graphite is thermodynamically stable in the gas: the larger activity exceeds 1.
inline bool CarbonCanForm(const CarbonActivity& a) {
    return LargerActivity(a) > 1;
}

} // namespace quorvel
