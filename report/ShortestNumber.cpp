#include "report/ShortestNumber.h"

#include <charconv>

namespace quorvel {

QString ShortestNumber(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, static_cast<int>(result.ptr - buffer));
}

QString RoundedGridNumber(double value) {
    constexpr int Digits = 12;
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, Digits);
    return QString::fromLatin1(buffer, static_cast<int>(result.ptr - buffer));
}

} // namespace quorvel
