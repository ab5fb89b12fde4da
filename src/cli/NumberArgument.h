#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// Outcome of reading one number from the command line.
enum class NumberStatus { Ok, NotANumber, OutOfRange };

struct ParsedNumber {
    NumberStatus status;
    double value;
};

// Reads a whole argument as a decimal number with a point ("2.5", "-1e3", "+7"),
// independent of the desktop's locale. Trailing characters, a comma, blanks,
// "inf"/"nan" and values beyond the double range are refused.
ParsedNumber ParseNumberArgument(std::string_view text);

// Splits "a,b,c" at commas; an empty text gives one empty part.
std::vector<std::string_view> SplitAtCommas(std::string_view text);

// Reads "WIDTHxHEIGHT" with whole numbers ("438x269"); nullopt when malformed.
struct PictureSize {
    int width;
    int height;
};
std::optional<PictureSize> ParsePictureSize(std::string_view text);

} // namespace quorvel
