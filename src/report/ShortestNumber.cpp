#include "report/ShortestNumber.h"

#include <charconv>

namespace quorvel {

QString ShortestNumber(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, static_cast<int>(result.ptr - buffer));
}

} // namespace quorvel
