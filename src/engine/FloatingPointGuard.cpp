#include "engine/FloatingPointGuard.h"

#include "engine/FloatingPointError.h"

#include <cfenv>

namespace quorvel {

namespace {

constexpr int FaultFlags = FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID;

// The fault flags raised, as fetestexcept gives them. On x86-64 the flags live in the SSE
// status register and in the x87 status word, and the library call reads both through
// the whole environment; reading the two registers directly costs a few cycles, which
// matters as every stored point tests and clears the flags several times.
int RaisedFaults() {
#if defined(__x86_64__) && defined(__SSE2__) && (defined(__GNUC__) || defined(__clang__))
    static_assert(FE_INVALID == 0x01 && FE_DIVBYZERO == 0x04 && FE_OVERFLOW == 0x08,
                  "the x86 flag bits");
    unsigned short x87Status = 0;
    __asm__ volatile("fnstsw %0" : "=am"(x87Status));
    return static_cast<int>((_mm_getcsr() | x87Status) & FaultFlags);
#else
    return std::fetestexcept(FaultFlags);
#endif
}

} // namespace

void ClearFloatingPointFaults() {
    // Clearing flags that are not raised would change nothing, yet costs the full call.
    if (RaisedFaults() != 0) {
        std::feclearexcept(FaultFlags);
    }
}

bool FloatingPointFaultPending() {
    return RaisedFaults() != 0;
}

void ThrowOnFloatingPointFault() {
    const int raised = RaisedFaults();
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
