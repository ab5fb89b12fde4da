#pragma once

// A sweep range of the user's choice: start, end and step of the swept parameter in the
// units it is entered in (S/C or the ratio, degrees C, the chosen pressure unit). Point
// i is first + i * step, computed afresh at every point, so a long range does not drift
// the way repeated addition does.

namespace quorvel {

struct SweepRange {
    int count = 0;       // points; 0: the design's fixed grid of the swept parameter
    double first = 0;    // the first point's value
    double step = 0;     // between neighbouring points
    double last = 0;     // the end as requested (the last point lies at or just below it)
    bool chosen = false; // the user asked for it, so the table names it in its header
};

// How many points first, first + step, ... reach up to `last`: 0 for a step that is not
// positive or an end below the start (no point). A last point within a millionth of a step
// of `last` counts, so that 0.2 to 4 by 0.05 has its 77 points despite binary rounding.
// Larger than ResultCapacity when the range asks for too many points; capped at a value
// above it so that any double is safe to pass.
int SweepRangePointCount(double first, double last, double step);

} // namespace quorvel
