#pragma once

#if defined(__x86_64__) && defined(__SSE2__)
#include <xmmintrin.h>
#endif

namespace quorvel {

// Floating-point faults are read from the status flags: a run clears them at its start
// and checks them after every evaluation and every stored point. Underflow and inexact
// results are not faults.
void ClearFloatingPointFaults();

// True if division by zero, overflow or an invalid operation is flagged; leaves the
// flags as they are.
bool FloatingPointFaultPending();

// Throws FloatingPointError naming the fault if one is flagged, clearing the flags
// first; returns quietly otherwise.
void ThrowOnFloatingPointFault();

// Whether the SSE status register can be read and cleared on its own (x86-64): the
// solvers' inner loops then test only it, as ThrowOnArithmeticFault does.
#if defined(__x86_64__) && defined(__SSE2__)
inline constexpr bool ArithmeticFaultRegister = true;
inline constexpr unsigned ArithmeticFaultBits =
    _MM_EXCEPT_DIV_ZERO | _MM_EXCEPT_OVERFLOW | _MM_EXCEPT_INVALID;

// True if the SSE status register holds a fault flag.
inline bool ArithmeticFaultFlagged() {
    return (_mm_getcsr() & ArithmeticFaultBits) != 0;
}

// Clears the fault flags of the SSE status register only.
inline void ClearArithmeticFaultFlags() {
    _mm_setcsr(_mm_getcsr() & ~ArithmeticFaultBits);
}
#else
inline constexpr bool ArithmeticFaultRegister = false;
inline bool ArithmeticFaultFlagged() {
    return false;
}
inline void ClearArithmeticFaultFlags() {}
#endif

// The same test for the solvers' inner loops, run after every residual evaluation. On
// x86-64 all double arithmetic flags its faults in the SSE status register, which is read
// far faster than through the library; the full test after every stored point still
// covers everything else.
inline void ThrowOnArithmeticFault() {
#if defined(__x86_64__) && defined(__SSE2__)
    constexpr unsigned faults = _MM_EXCEPT_DIV_ZERO | _MM_EXCEPT_OVERFLOW | _MM_EXCEPT_INVALID;
    if ((_mm_getcsr() & faults) == 0) {
        return;
    }
#endif
    ThrowOnFloatingPointFault();
}

} // namespace quorvel
