#include "engine/FloatingPointGuard.h"

#include "engine/FloatingPointError.h"

#include <cfenv>

namespace quorvel {

namespace {
constexpr int FaultFlags = FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID;
}

void ClearFloatingPointFaults() {
    std::feclearexcept(FaultFlags);
}

bool FloatingPointFaultPending() {
    return std::fetestexcept(FaultFlags) != 0;
}

void ThrowOnFloatingPointFault() {
    const int raised = std::fetestexcept(FaultFlags);
    if (raised == 0) {
        return;
    }
    // Leave the environment clean for whatever the caller does next.
    std::feclearexcept(FaultFlags);
    // Several flags can come from one evaluation (1/0 followed by inf - inf); the
    // division by zero is then the cause and is named first.
    if (raised & FE_DIVBYZERO) {
        throw FloatingPointError("Floating point division by zero");
    }
    if (raised & FE_OVERFLOW) {
        throw FloatingPointError("Floating point overflow");
    }
    throw FloatingPointError("Invalid floating point operation");
}

} // namespace quorvel
