#include "ui/main/EntryConversion.h"

#include "engine/InputLimits.h"
#include "report/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <system_error>

namespace quorvel {

namespace {

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool IsAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

std::optional<double> ParseEntryNumber(const QString& text, const QLocale& locale) {
    const QString separator = locale.decimalPoint();
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }

    // Build the plain "C" form of the number while checking its shape, so that the
    // actual conversion never depends on the process's C locale.
    std::string plain;
    qsizetype pos = begin;
    if (pos < end && (text[pos] == u'+' || text[pos] == u'-')) {
        if (text[pos] == u'-') {
            plain += '-';
        }
        ++pos;
    }
    int mantissaDigits = 0;
    bool separatorSeen = false;
    bool nonZeroSeen = false;
    // The decimal position of the first non-zero digit: 0 for the units, -1 for the
    // tenths. Tells an underflow (a number below 1) from an overflow below.
    long long leadingPosition = 0;
    int integerDigits = 0;
    int leadingFractionZeros = 0;
    while (pos < end) {
        if (IsAsciiDigit(text[pos])) {
            plain += static_cast<char>(text[pos].unicode());
            ++mantissaDigits;
            if (text[pos] != u'0' && !nonZeroSeen) {
                nonZeroSeen = true;
                leadingPosition = separatorSeen ? -(leadingFractionZeros + 1) : 0;
            }
            if (!separatorSeen) {
                if (nonZeroSeen) {
                    ++integerDigits;
                }
            } else if (!nonZeroSeen) {
                ++leadingFractionZeros;
            }
            ++pos;
        } else if (!separatorSeen && !separator.isEmpty() &&
                   QStringView(text).sliced(pos, end - pos).startsWith(separator)) {
            plain += '.';
            separatorSeen = true;
            pos += separator.size();
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) {
        return std::nullopt;
    }
    if (pos < end && (text[pos] == u'e' || text[pos] == u'E')) {
        plain += 'e';
        ++pos;
        if (pos < end && (text[pos] == u'+' || text[pos] == u'-')) {
            plain += static_cast<char>(text[pos].unicode());
            ++pos;
        }
        const bool negativeExponent = pos > 0 && text[pos - 1] == u'-';
        int exponentDigits = 0;
        long long exponent = 0;
        while (pos < end && IsAsciiDigit(text[pos])) {
            plain += static_cast<char>(text[pos].unicode());
            ++exponentDigits;
            // Saturated: far beyond any double's exponent, the size no longer matters.
            exponent = std::min(exponent * 10 + (text[pos].unicode() - u'0'), 1'000'000LL);
            ++pos;
        }
        leadingPosition += negativeExponent ? -exponent : exponent;
        if (exponentDigits == 0) {
            return std::nullopt;
        }
    }
    if (pos != end) {
        return std::nullopt;
    }

    double value = 0;
    const char* first = plain.data();
    const char* last = plain.data() + plain.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range && ptr == last && nonZeroSeen) {
        // Too small for a double is silent and reads as zero (with its sign); too large
        // is a conversion error.
        const long long magnitude =
            integerDigits > 0 ? leadingPosition + integerDigits - 1 : leadingPosition;
        if (magnitude < 0) {
            return plain.front() == '-' ? -0.0 : 0.0;
        }
        return std::nullopt;
    }
    if (ec != std::errc() || ptr != last) {
        return std::nullopt; // out of the range of double, or malformed
    }
    return value;
}

QChar DecimalSeparatorOf(const QLocale& locale) {
    const QString separator = locale.decimalPoint();
    return separator.isEmpty() ? QChar(u'.') : separator.front();
}

QString WithDecimalSeparator(const QString& commaText, const QLocale& locale) {
    QString text = commaText;
    return text.replace(u',', locale.decimalPoint());
}

EntryBounds BoundsOfLimits(EntryLimits limits) {
    const QChar comma = u',';
    return {limits.upper, FormatGeneral(limits.upper, comma), limits.lower,
            FormatGeneral(limits.lower, comma)};
}

EntryBounds RatioBounds() {
    return BoundsOfLimits(RatioLimits);
}

EntryBounds TemperatureBounds() {
    return BoundsOfLimits(TemperatureLimits);
}

EntryBounds PressureBounds() {
    return BoundsOfLimits(PressureLimits);
}

ClampResult ClampEntryValue(double value, const EntryBounds& bounds, const QLocale& locale) {
    // The engine's clamping rule; a value it moved reads as the bound it was moved to.
    ClampResult result{ClampEntry(value, EntryLimits{bounds.lower, bounds.upper}), std::nullopt};
    if (result.value == bounds.upper && value != bounds.upper)
        result.replacementText = WithDecimalSeparator(bounds.upperText, locale);
    else if (result.value == bounds.lower && value != bounds.lower)
        result.replacementText = WithDecimalSeparator(bounds.lowerText, locale);
    return result;
}

} // namespace quorvel
