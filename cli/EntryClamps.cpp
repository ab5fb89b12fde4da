#include "cli/EntryClamps.h"

namespace quorvel {

double ClampEntry(double value, EntryLimits limits) {
    if (value > limits.upper)
        value = limits.upper;
    if (value < limits.lower)
        value = limits.lower;
    return value;
}

} // namespace quorvel
