#pragma once

#include <string_view>

namespace quorvel {

// The text of engine/data/nasa-glenn-thermo-extract.inp, built into the program by CMake.
extern const std::string_view NasaThermoText;

} // namespace quorvel
