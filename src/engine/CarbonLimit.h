#pragma once

#include "engine/Engine.h"
#include "engine/TemperatureData.h"

// The minimum steam ratio: for the current feed, pressure and equilibrium constants, the
// smallest ratio of added steam to feed gas above which graphite cannot form at
// equilibrium, at temperatures 300 to 980 degrees C in steps of 10.

namespace quorvel {

struct CarbonLimitSettings {
    static constexpr double RatioLow = 0; // the range searched is (0, 5]
    static constexpr double RatioHigh = 5;
    static constexpr double RatioTolerance = 1e-6;    // width of the final bracket
    static constexpr double ActivityTolerance = 1e-6; // activity at the answer within 1 - this
    static constexpr int IterationLimit = 200;        // far beyond the 52 halvings a double allows
    static constexpr double TemperatureFirst = 300;   // degrees C
    static constexpr double TemperatureStep = 10;
    static constexpr int TemperatureCount = 69; // 300, 310, ..., 980
};

enum class CarbonLimitKind {
    NoCarbon,   // no carbon forms at any ratio of the range: the minimum is 0
    Ratio,      // carbon forms below `ratio` and not at it
    AboveRange, // carbon still forms at the range's top: "> 5"
};

struct CarbonLimitResult {
    CarbonLimitKind kind;
    double ratio;    // 0, the ratio found, or the range's top
    double activity; // the larger activity at `ratio`
    int evaluations; // activity evaluations spent
};

// Bisection on a larger-activity function that falls as the ratio rises: the smallest
// ratio in (RatioLow, RatioHigh] whose activity is at most 1, bracketed to
// RatioTolerance and with activity no lower than 1 - ActivityTolerance (the bracket
// shrinks on until both hold, or until it cannot be halved any more). `activityAt(ratio)`
// returns the larger activity, +infinity where the gas has no physical composition.
template <class ActivityAt> CarbonLimitResult FindMinimumRatio(ActivityAt&& activityAt) {
    using S = CarbonLimitSettings;
    double high = S::RatioHigh;
    double highActivity = activityAt(high);
    int evaluations = 1;
    if (!(highActivity <= 1)) {
        return {CarbonLimitKind::AboveRange, high, highActivity, evaluations};
    }
    double low = S::RatioLow;
    const double lowActivity = activityAt(low);
    ++evaluations;
    if (lowActivity <= 1) {
        return {CarbonLimitKind::NoCarbon, low, lowActivity, evaluations};
    }
    for (int i = 0; i < S::IterationLimit; ++i) {
        if (high - low <= S::RatioTolerance && 1 - highActivity <= S::ActivityTolerance) {
            break;
        }
        const double middle = low + (high - low) / 2;
        if (!(middle > low && middle < high)) {
            break; // the bracket is two neighbouring doubles
        }
        const double activity = activityAt(middle);
        ++evaluations;
        if (activity <= 1) {
            high = middle;
            highActivity = activity;
        } else {
            low = middle;
        }
    }
    return {CarbonLimitKind::Ratio, high, highActivity, evaluations};
}

struct CarbonLimitRow {
    double temperature; // degrees C
    CarbonLimitResult limit;
    // Steam to hydrocarbon carbon at the minimum ratio, (ratio + feed water) / C;
    // undefined for a feed without hydrocarbons.
    bool steamToCarbonDefined;
    double steamToCarbon;
};

struct CarbonLimitTable {
    CarbonLimitRow rows[CarbonLimitSettings::TemperatureCount];
    int count; // rows filled
    // The feed holds no carbon (no hydrocarbon, CO or CO2): carbon cannot form at all, and
    // there is no limit to tabulate (count is 0). A report says so in one line.
    bool withoutCarbon;
};

// True for a feed without carbon: its hydrocarbons, CO and CO2 are all zero.
bool FeedWithoutCarbon(const FeedTotals& f);

// The larger carbon activity of the equilibrium gas at the engine's feed, pressure
// (processConditions.Pressure) and constants (K1, K2 of processConditions, set for the
// temperature) and the given steam ratio, from the exact root of the equilibrium
// equations found on the direct path (the refinement alone, never the designed solver);
// +infinity where no physical root exists. Temperature is read from
// processConditions.Temperature (kelvin, Celsius + 273). Moves the refinement's memory
// of earlier roots on, as a point of a sweep does. Throws FloatingPointError for a fault
// of the activity's arithmetic.
double LargerActivityAtRatio(Engine& engine, double ratio);

// The same with the carbon constants taken from data, which reads them once for all the
// probes at one temperature.
double LargerActivityAtRatio(Engine& engine, double ratio, TemperatureData& data);

// Fills the table for the engine's feed and the entered pressure
// (processConditions.InputPressure), with the equilibrium constants of the run; for a feed
// without carbon only sets withoutCarbon. The engine's working conditions are restored
// afterwards, also when it throws; nothing is allocated. Throws FloatingPointError for the
// first floating-point fault of the search (the table then holds the rows before it).
void ComputeCarbonLimitTable(Engine& engine, CarbonLimitTable& table);

} // namespace quorvel
