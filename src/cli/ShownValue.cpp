#include "cli/ShownValue.h"

namespace quorvel {

namespace {

// The length of the valid UTF-8 sequence at the start of `text`, or 0.
std::size_t SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    else
        return 0;
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    }
    // Overlong forms, surrogates and values above U+10FFFF.
    if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) > 0x9F) ||
        (lead == 0xF0 && byte(1) < 0x90) || (lead == 0xF4 && byte(1) > 0x8F))
        return 0;
    return length;
}

void AppendEscaped(std::string& out, unsigned char byte) {
    const char* const digits = "0123456789ABCDEF";
    out += "\\x";
    out += digits[byte >> 4];
    out += digits[byte & 0xF];
}

} // namespace

std::string ShownValue(std::string_view value) {
    std::string shown;
    std::size_t characters = 0;
    while (!value.empty()) {
        if (characters == ShownValueLength)
            return shown + "…";
        const std::size_t length = SequenceLength(value);
        const auto lead = static_cast<unsigned char>(value.front());
        if (length == 0 || lead < 0x20 || lead == 0x7F) {
            AppendEscaped(shown, lead);
            value.remove_prefix(1);
        } else {
            shown.append(value.substr(0, length));
            value.remove_prefix(length);
        }
        ++characters;
    }
    return shown;
}

} // namespace quorvel
