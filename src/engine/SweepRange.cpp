#include "engine/SweepRange.h"

#include <cmath>

namespace quorvel {

int SweepRangePointCount(double first, double last, double step) {
    constexpr double StepSlack = 1e-6; // of a step, for the end value's binary rounding
    constexpr double Cap = 1e6;        // well above any capacity, well inside an int
    if (!(step > 0) || !(last >= first) || !std::isfinite(first) || !std::isfinite(last))
        return 0;
    const double intervals = std::floor((last - first) / step + StepSlack);
    if (!(intervals < Cap))
        return static_cast<int>(Cap);
    return static_cast<int>(intervals) + 1;
}

} // namespace quorvel
