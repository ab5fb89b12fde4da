#pragma once

#include <stdexcept>

namespace quorvel {

// A floating-point division by zero, overflow or invalid operation during a run. The
// message is the text the user sees: "Floating point division by zero",
// "Floating point overflow" or "Invalid floating point operation".
class FloatingPointError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace quorvel
