#pragma once

#include <optional>
#include <string_view>

namespace quorvel {

// Reads one field of the feed composition window. Accepted: blanks, an optional sign,
// digits with an optional point and decimals (at least one digit in all), an optional
// exponent ("E" or "e", an optional sign and digits), blanks. The point is the only
// decimal separator, whatever the locale. Anything else (an empty field, a comma, a
// stray character, a value beyond the range of double) yields no value.
std::optional<double> ParseFeedField(std::string_view text);

} // namespace quorvel
