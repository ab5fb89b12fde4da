#include "cli/NumberArgument.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace quorvel {

ParsedNumber ParseNumberArgument(std::string_view text) {
    // from_chars takes no leading plus; allow one, but never "+-5".
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return {NumberStatus::NotANumber, 0};
    }
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range)
        return {NumberStatus::OutOfRange, 0};
    if (ec != std::errc() || ptr != end || !std::isfinite(value))
        return {NumberStatus::NotANumber, 0};
    return {NumberStatus::Ok, value};
}

std::vector<std::string_view> SplitAtCommas(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t begin = 0;
    while (true) {
        const std::size_t comma = text.find(',', begin);
        if (comma == std::string_view::npos) {
            parts.push_back(text.substr(begin));
            return parts;
        }
        parts.push_back(text.substr(begin, comma - begin));
        begin = comma + 1;
    }
}

namespace {

std::optional<int> ParseWholeNumber(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<PictureSize> ParsePictureSize(std::string_view text) {
    const std::size_t cross = text.find('x');
    if (cross == std::string_view::npos)
        return std::nullopt;
    const auto width = ParseWholeNumber(text.substr(0, cross));
    const auto height = ParseWholeNumber(text.substr(cross + 1));
    if (!width || !height)
        return std::nullopt;
    return PictureSize{*width, *height};
}

} // namespace quorvel
