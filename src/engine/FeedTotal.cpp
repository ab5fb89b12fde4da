#include "engine/FeedTotal.h"

#include <cmath>

namespace quorvel {

double FeedTotal(const double* percentages, std::size_t count) {
    double sum = 0;
    double compensation = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double value = percentages[i];
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
