#pragma once

// The approach to equilibrium of the two reactions, as plants state it: positive is short
// of equilibrium. The reforming reaction stands at the equilibrium of T - Reforming
// (K1 evaluated there), the shift at the equilibrium of T + Shift (K2 evaluated there).

namespace quorvel {

struct ApproachToEquilibrium {
    double Reforming; // K
    double Shift;     // K
};

// The range an approach is accepted in, kelvin.
inline constexpr double ApproachLowest = -200;
inline constexpr double ApproachHighest = 200;

inline bool ApproachIsZero(const ApproachToEquilibrium& approach) {
    return approach.Reforming == 0 && approach.Shift == 0;
}

} // namespace quorvel
