#pragma once

#include <QString>

#include <optional>
#include <string_view>

namespace quorvel {

// Reads one field of the feed composition window. Accepted: blanks, an optional sign,
// digits with an optional point and decimals (at least one digit in all), an optional
// exponent ("E" or "e", an optional sign and digits), blanks. The point is the only
// decimal separator, whatever the locale. Anything else (an empty field, a comma, a
// stray character, a value beyond the range of double) yields no value.
std::optional<double> ParseFeedField(std::string_view text);

// Why ParseFeedField refuses a field, so that the hint can say what to mend.
enum class FeedFieldFault {
    DecimalComma, // a number once its comma is a point ("12,5")
    Letters,      // letters typed where a number belongs ("пять", "5x")
    NotANumber,   // anything else: empty, a sign alone, a stray character, out of range
};

// The fault of a field that ParseFeedField refuses. An "E" or "e" right after a digit or
// the point is the exponent's, not a letter typed by mistake.
FeedFieldFault FeedFieldFaultOf(const QString& text);

} // namespace quorvel
