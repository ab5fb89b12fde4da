#pragma once

namespace quorvel {

// The limits within which the main window keeps its three parameter entries.
struct EntryLimits {
    double lower;
    double upper;
};

inline constexpr EntryLimits RatioLimits{0.2, 5};         // mol steam per mol feed gas
inline constexpr EntryLimits TemperatureLimits{300, 980}; // degrees Celsius
inline constexpr EntryLimits PressureLimits{1, 30};       // atm

// Keeps an entered value within its limits as the entries do: the upper bound is
// applied first, then the lower one; the bounds themselves pass unchanged.
double ClampEntry(double value, EntryLimits limits);

} // namespace quorvel
