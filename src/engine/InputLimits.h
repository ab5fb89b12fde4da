#pragma once

#include <cmath>

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

// The upper bound first, then the lower one; both strict, so a bound itself passes.
inline double ClampEntry(double value, EntryLimits limits) {
    if (value > limits.upper)
        value = limits.upper;
    if (value < limits.lower)
        value = limits.lower;
    return value;
}

// A feed is accepted when its percentages add up to 100 within this margin, so that
// decimal entries such as 1.36 + 31.85 + 66.79 are not refused for binary rounding.
inline constexpr double FeedTotalTolerance = 1e-9;

inline bool FeedTotalIsAccepted(double totalPercent) {
    return std::fabs(totalPercent - 100) <= FeedTotalTolerance;
}

} // namespace quorvel
