#pragma once

// The root of a function that changes sign across a bracket, by the Illinois variant of
// the false position, which halves the weight of an end that stays put, with a bisection
// step whenever the bracket fails to shrink by half in two steps: the root never leaves
// the bracket, so the search cannot miss it, and a smooth function takes some ten
// evaluations instead of fifty.

#include <cmath>

namespace quorvel {

// What one evaluation tells: a value, or only on which side of the root the point lies
// (where the function cannot be evaluated there, e.g. the stage has no solution).
struct BracketValue {
    double value;
    int side; // 0: value holds; -1: below the root; +1: above it
};

struct BracketOutcome {
    double x;   // the best point found
    bool found; // the function changes sign in [low, high]
};

inline constexpr int BracketIterationLimit = 200;

// f rises through its root in [low, high] (below: negative or side -1). Stops where
// |value| <= tolerance or the bracket is two neighbouring doubles.
template <class F>
BracketOutcome FindBracketedRoot(F&& f, double low, double high, double tolerance) {
    BracketValue fLow = f(low);
    if (fLow.side == 0 && std::fabs(fLow.value) <= tolerance) {
        return {low, true};
    }
    BracketValue fHigh = f(high);
    if (fHigh.side == 0 && std::fabs(fHigh.value) <= tolerance) {
        return {high, true};
    }
    const auto below = [](const BracketValue& v) {
        return v.side < 0 || (v.side == 0 && v.value < 0);
    };
    if (!below(fLow) || below(fHigh)) {
        return {below(fLow) ? high : low, false};
    }
    double wLow = 1;
    double wHigh = 1;
    double lastWidth = high - low;
    int stepsSinceHalving = 0;
    double best = low;
    double bestSize = fLow.side == 0 ? std::fabs(fLow.value) : HUGE_VAL;
    if (fHigh.side == 0 && std::fabs(fHigh.value) < bestSize) {
        best = high;
        bestSize = std::fabs(fHigh.value);
    }
    for (int k = 0; k < BracketIterationLimit; ++k) {
        double x = low + (high - low) / 2;
        const bool interpolate = fLow.side == 0 && fHigh.side == 0 && stepsSinceHalving < 2;
        if (interpolate) {
            const double a = wLow * fLow.value;
            const double b = wHigh * fHigh.value;
            const double t = low - a * (high - low) / (b - a);
            if (t > low && t < high) {
                x = t;
            }
        }
        if (!(x > low && x < high)) {
            break;
        }
        const BracketValue v = f(x);
        if (v.side == 0 && std::fabs(v.value) < bestSize) {
            best = x;
            bestSize = std::fabs(v.value);
            if (bestSize <= tolerance) {
                break;
            }
        }
        if (below(v)) {
            low = x;
            fLow = v;
            wLow = 1;
            wHigh /= 2;
        } else {
            high = x;
            fHigh = v;
            wHigh = 1;
            wLow /= 2;
        }
        if (high - low <= lastWidth / 2) {
            lastWidth = high - low;
            stepsSinceHalving = 0;
        } else {
            ++stepsSinceHalving;
        }
    }
    if (bestSize == HUGE_VAL) {
        best = low + (high - low) / 2;
    }
    return {best, true};
}

} // namespace quorvel
