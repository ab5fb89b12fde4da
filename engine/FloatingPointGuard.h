#pragma once

namespace quorvel {

// Floating-point faults are read from the status flags: a run clears them at its start
// and checks them after every evaluation and every stored point. Underflow and inexact
// results are not faults.
void ClearFloatingPointFaults();

// Throws FloatingPointError naming the fault if division by zero, overflow or an invalid
// operation has happened since the flags were last cleared; clears the flags first.
void ThrowOnFloatingPointFault();

// True if a fault flag is set; leaves the flags as they are.
bool FloatingPointFaultPending();

} // namespace quorvel
