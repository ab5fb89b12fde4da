#pragma once

#include <stdexcept>
#include <string>

namespace quorvel {

// Raised when a chart property is given a value it cannot hold; the property keeps
// its old value and what() carries the message shown to the user.
class ChartError : public std::runtime_error {
public:
    explicit ChartError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace quorvel
