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

// The same answer as FindMinimumRatio (kind, ratio and the activity at it), found with
// fewer evaluations from a guess of the answer, e.g. a neighbouring condition's. The
// search first brackets the boundary around the guess: it probes the guess and then
// steps away from it by spread, 2 spread, 4 spread, ... (ending at the range's ends)
// until the activity crosses 1. It then walks the very bisection FindMinimumRatio walks,
// midpoint by midpoint, but evaluates a midpoint only inside the bracket: as the
// activity falls as the ratio rises (what the bisection itself relies on), a midpoint at
// or below a ratio that forms carbon forms carbon, and one at or above a ratio that forms
// none forms none, and the activity at a top above the bracket's clean end is no larger
// than the clean end's, so it is evaluated only where the tolerances need its value.
// `evaluations` counts the evaluations this search spent.
template <class ActivityAt>
CarbonLimitResult FindMinimumRatioNear(ActivityAt&& activityAt, double guess, double spread) {
    using S = CarbonLimitSettings;
    int evaluations = 0;
    // The bracket so far: the largest ratio seen to form carbon, the smallest seen to form
    // none and its activity.
    bool carbonSeen = false;
    double carbonAt = S::RatioLow;
    bool cleanSeen = false;
    double cleanAt = S::RatioHigh;
    double cleanActivity = 0;
    const auto probe = [&](double ratio) {
        const double activity = activityAt(ratio);
        ++evaluations;
        if (activity <= 1) {
            if (!cleanSeen || ratio < cleanAt) {
                cleanAt = ratio;
                cleanActivity = activity;
            }
            cleanSeen = true;
        } else {
            if (!carbonSeen || ratio > carbonAt) {
                carbonAt = ratio;
            }
            carbonSeen = true;
        }
        return activity;
    };
    if (!(guess >= S::RatioLow && guess <= S::RatioHigh)) {
        guess = guess > S::RatioLow ? S::RatioHigh : S::RatioLow; // also for NaN
    }
    if (!(spread > 0)) {
        spread = S::RatioHigh - S::RatioLow;
    }
    const double guessActivity = probe(guess);
    if (guess == S::RatioHigh && guessActivity > 1) {
        return {CarbonLimitKind::AboveRange, S::RatioHigh, guessActivity, evaluations};
    }
    if (guess == S::RatioLow && guessActivity <= 1) {
        return {CarbonLimitKind::NoCarbon, S::RatioLow, guessActivity, evaluations};
    }
    if (guessActivity <= 1) {
        for (double step = spread; !carbonSeen; step *= 2) {
            const double ratio = guess - step > S::RatioLow ? guess - step : S::RatioLow;
            const double activity = probe(ratio);
            if (ratio == S::RatioLow && activity <= 1) {
                // No carbon at the range's foot, and none at its top (which the guess
                // reaches down from).
                return {CarbonLimitKind::NoCarbon, S::RatioLow, activity, evaluations};
            }
        }
    } else {
        for (double step = spread; !cleanSeen; step *= 2) {
            const double ratio = guess + step < S::RatioHigh ? guess + step : S::RatioHigh;
            const double activity = probe(ratio);
            if (ratio == S::RatioHigh && activity > 1) {
                return {CarbonLimitKind::AboveRange, S::RatioHigh, activity, evaluations};
            }
        }
    }
    // FindMinimumRatio's bisection. Its top's activity is known where the top is the
    // bracket's clean end; a top that a clean end above implies is evaluated when needed.
    double low = S::RatioLow;
    double high = S::RatioHigh;
    bool highKnown = cleanSeen && cleanAt == high;
    double highActivity = highKnown ? cleanActivity : 0;
    for (int i = 0; i < S::IterationLimit; ++i) {
        // An unknown top lies at or above the clean end, so its activity is at most the
        // clean end's: where that one is already below 1 - ActivityTolerance, so is the top's.
        if (high - low <= S::RatioTolerance && 1 - cleanActivity <= S::ActivityTolerance) {
            if (!highKnown) {
                highActivity = probe(high);
                highKnown = true;
            }
            if (1 - highActivity <= S::ActivityTolerance) {
                break;
            }
        }
        const double middle = low + (high - low) / 2;
        if (!(middle > low && middle < high)) {
            break; // the bracket is two neighbouring doubles
        }
        bool clean;
        if (middle <= carbonAt) {
            clean = false;
        } else if (middle >= cleanAt) {
            clean = true;
        } else {
            clean = probe(middle) <= 1;
        }
        if (clean) {
            high = middle;
            highKnown = cleanSeen && middle == cleanAt;
            highActivity = highKnown ? cleanActivity : 0;
        } else {
            low = middle;
        }
    }
    if (!highKnown) {
        highActivity = probe(high);
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
