#include "cli/FeedTotal.h"

#include <cmath>

namespace quorvel {

double FeedTotal(const std::array<double, 9>& percentages) {
    double sum = 0;
    double compensation = 0;
    for (const double value : percentages) {
        const double next = sum + value;
        if (std::fabs(sum) >= std::fabs(value))
            compensation += (sum - next) + value;
        else
            compensation += (value - next) + sum;
        sum = next;
    }
    return sum + compensation;
}

} // namespace quorvel
