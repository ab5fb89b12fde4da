#include "report/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace quorvel {

namespace {

constexpr int GeneralPrecision = 15;      // significant digits of the general format
constexpr int SmallestFixedExponent = -5; // 0.00001 and above print in fixed notation

// Texts for values that are not finite numbers; the engine reports such values as
// errors, but the formatter must still print something honest for them.
QString NonFinite(double value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

} // namespace

QString FormatGeneral(double value, QChar decimalSeparator) {
    if (!std::isfinite(value))
        return NonFinite(value);
    if (value == 0)
        return QStringLiteral("0");

    // Scientific form with 15 significant digits: "-d.dddddddddddddde+XX".
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, GeneralPrecision - 1);
    const std::string text(buffer, result.ptr);

    const bool negative = text.front() == '-';
    const std::size_t mantissaBegin = negative ? 1 : 0;
    const std::size_t exponentMark = text.find('e');
    std::string digits;
    for (std::size_t i = mantissaBegin; i < exponentMark; ++i) {
        if (text[i] != '.')
            digits += text[i];
    }
    int exponent = 0;
    std::from_chars(text.data() + exponentMark + 1 + (text[exponentMark + 1] == '+' ? 1 : 0),
                    text.data() + text.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = negative ? "-" : "";
    const char separator = '.'; // replaced by the caller's separator below
    if (exponent < SmallestFixedExponent || exponent >= GeneralPrecision) {
        out += digits.front();
        if (digits.size() > 1) {
            out += separator;
            out.append(digits, 1);
        }
        out += 'E';
        out += std::to_string(exponent);
    } else if (exponent >= 0) {
        const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            out += digits;
            out.append(integerDigits - digits.size(), '0');
        } else {
            out.append(digits, 0, integerDigits);
            out += separator;
            out.append(digits, integerDigits);
        }
    } else {
        out += '0';
        out += separator;
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    }

    QString formatted = QString::fromLatin1(out.data(), static_cast<qsizetype>(out.size()));
    formatted.replace(QLatin1Char(separator), decimalSeparator);
    return formatted;
}

QString FormatFixed(double value, int decimals, int width, QChar decimalSeparator) {
    QString formatted;
    if (!std::isfinite(value)) {
        formatted = NonFinite(value);
    } else {
        // Room for the largest double in full (309 integer digits) and its decimals.
        char buffer[400];
        decimals = std::clamp(decimals, 0, 20);
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                          std::chars_format::fixed, decimals);
        const char* begin = buffer;
        // "-0.0000" would suggest a negative amount where the printed value is zero.
        if (*begin == '-' && std::string_view(begin + 1, result.ptr).find_first_not_of("0.") ==
                                 std::string_view::npos)
            ++begin;
        formatted = QString::fromLatin1(begin, result.ptr - begin);
        formatted.replace(QLatin1Char('.'), decimalSeparator);
    }
    return formatted.rightJustified(width, QLatin1Char(' '));
}

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
