#pragma once

#include "engine/CarbonActivity.h"
#include "engine/InletEnthalpy.h"
#include "engine/ProcessData.h"
#include "engine/ReformerFigures.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace quorvel {

// The species data a stored point reads that depend on its temperature alone: the carbon
// constants (with their logarithms and the pressure's) and the enthalpies of the heat duty. A run
// keeps its feed and inlets, and a ratio or pressure sweep keeps its temperature, so each is read
// at the first point that needs it and kept while the temperature stays the same bit pattern. The
// values are those of reading them at every point, bit for bit; only a fault that reading them
// raises comes once, at the first point, where the caller handles it as it would at any
// other. One instance per run: the feed and the inlets are not part of the key.
class TemperatureData {
public:
    // Kc and Kb at T kelvin (Celsius + 273.15).
    const CarbonConstants& CarbonAt(double T) {
        if (!carbonKnown || std::bit_cast<std::uint64_t>(T) != carbonKey) {
            carbon = CarbonConstantsAt(T);
            carbonKey = std::bit_cast<std::uint64_t>(T);
            carbonKnown = true;
        }
        return carbon;
    }

    // The logarithms of Kc and Kb at T kelvin and of the pressure, as CarbonActivityOf
    // takes them. Kept only where all three are finite: taking them then raises no fault
    // flag, so the flags are those of taking them at every point (where one is not finite,
    // they are taken again each time, with whatever fault that raises).
    const CarbonLogs& CarbonLogsAt(double T, double pressureAtm) {
        const CarbonConstants& constants = CarbonAt(T);
        if (!logsKnown || std::bit_cast<std::uint64_t>(T) != logsKey[0] ||
            std::bit_cast<std::uint64_t>(pressureAtm) != logsKey[1]) {
            logs = CarbonLogsOf(constants, pressureAtm);
            logsKey[0] = std::bit_cast<std::uint64_t>(T);
            logsKey[1] = std::bit_cast<std::uint64_t>(pressureAtm);
            logsKnown = std::isfinite(logs.lnKc) && std::isfinite(logs.lnKb) &&
                        std::isfinite(logs.lnPressureBar);
        }
        return logs;
    }

    // The enthalpies of the heat duty at the outlet temperature T kelvin (Celsius + 273.15).
    const DutyEnthalpies& DutyAt(const FeedComposition& feed, const InletTemperatures& inlet,
                                 double T) {
        if (!dutyKnown || std::bit_cast<std::uint64_t>(T) != dutyKey) {
            duty = DutyEnthalpiesAt(feed, T, inlet);
            dutyKey = std::bit_cast<std::uint64_t>(T);
            dutyKnown = true;
        }
        return duty;
    }

private:
    bool carbonKnown = false;
    bool dutyKnown = false;
    bool logsKnown = false;
    std::uint64_t carbonKey = 0;
    std::uint64_t logsKey[2] = {};
    std::uint64_t dutyKey = 0;
    CarbonConstants carbon{};
    CarbonLogs logs{};
    DutyEnthalpies duty{};
};

} // namespace quorvel
