#pragma once

#include <string>
#include <string_view>

namespace quorvel {

// The most characters of a value a message repeats.
inline constexpr std::size_t ShownValueLength = 60;

// A value as a message repeats it: cut after ShownValueLength characters with "…", control
// bytes and bytes that are not UTF-8 written as \xNN, so a message stays one short
// readable line whatever the value holds.
std::string ShownValue(std::string_view value);

} // namespace quorvel
