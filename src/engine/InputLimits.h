#pragma once

#include <cmath>

#include "ConstantsSource.h"
#include "SweepKinds.h"

// What the calculation accepts from its users, shared by the window and the
// command-line tool so that both clamp and check alike.

namespace quorvel {

// The limits within which an entered process parameter is kept.
struct EntryLimits {
    double lower;
    double upper;
};

inline constexpr EntryLimits RatioLimits{0.2, 5};         // mol steam per mol feed gas
inline constexpr EntryLimits TemperatureLimits{300, 980}; // degrees Celsius
inline constexpr EntryLimits PressureLimits{1, 30};       // atm

// The standard thermodynamic data hold far beyond the program's correlation, which is
// valid only within the limits above: with them the entries and ranges reach further.
inline constexpr EntryLimits StandardTemperatureLimits{200, 1300}; // degrees Celsius
inline constexpr EntryLimits StandardPressureLimits{1, 100};       // atm

// The limits of one parameter (ratio in mol steam per mol feed gas, degrees C, atm) for
// the source of the equilibrium constants.
constexpr EntryLimits EntryLimitsOf(SweptParameter parameter, ConstantsSource constants) {
    const bool standard = constants == ConstantsSource::Standard;
    switch (parameter) {
    case SweptParameter::Ratio:
        return RatioLimits;
    case SweptParameter::Temperature:
        return standard ? StandardTemperatureLimits : TemperatureLimits;
    case SweptParameter::Pressure:
        return standard ? StandardPressureLimits : PressureLimits;
    }
    return RatioLimits;
}

// The upper bound first, then the lower one; both strict, so a bound itself passes.
inline double ClampEntry(double value, EntryLimits limits) {
    if (value > limits.upper)
        value = limits.upper;
    if (value < limits.lower)
        value = limits.lower;
    return value;
}

// A bound restated in S/C or another pressure unit is shown with 15 significant digits;
// typed back, it may lie a rounding beyond the bound it stands for. Such a value is taken
// at the bound without a word: only a value further out is beyond the limits.
inline constexpr double BoundReadingTolerance = 1e-14; // relative to the bound

inline bool BeyondLimits(double value, EntryLimits limits) {
    return value > limits.upper + BoundReadingTolerance * std::fabs(limits.upper) ||
           value < limits.lower - BoundReadingTolerance * std::fabs(limits.lower);
}

// A feed is accepted when its percentages add up to 100 within this margin, so that
// decimal entries such as 1.36 + 31.85 + 66.79 are not refused for binary rounding.
inline constexpr double FeedTotalTolerance = 1e-9;

inline bool FeedTotalIsAccepted(double totalPercent) {
    return std::fabs(totalPercent - 100) <= FeedTotalTolerance;
}

} // namespace quorvel
