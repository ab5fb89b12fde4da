#pragma once

#include <climits>
#include <cmath>

namespace quorvel {

// Rounds to the nearest integer, an exact half going to the even neighbour. Values
// beyond the int range (and NaN) are clamped so the result is always defined.
inline int Nearest(double x) {
    if (!(x == x))
        return 0;
    if (x >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (x <= static_cast<double>(INT_MIN))
        return INT_MIN;
    const double lower = std::floor(x);
    const double fraction = x - lower;
    double result = lower;
    if (fraction > 0.5)
        result = lower + 1;
    else if (fraction == 0.5)
        result = std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
    return static_cast<int>(result);
}

// Rounds to the nearest integer, an exact half going away from zero (the margins of
// the chart rectangle and the legend's share of the height use this rule).
inline int RoundHalfAway(double x) {
    if (!(x == x))
        return 0;
    const double r = std::round(x);
    if (r >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (r <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(r);
}

} // namespace quorvel
