#include "ui/dialogs/FeedFieldParser.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace quorvel {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Skips a run of digits starting at pos; returns how many there were.
size_t SkipDigits(std::string_view text, size_t& pos) {
    const size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    return pos - start;
}

} // namespace

std::optional<double> ParseFeedField(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);

    // Checked here rather than left to from_chars, which would also take "inf", "nan",
    // hexadecimal digits and a number followed by anything.
    size_t pos = 0;
    const bool negative = pos < text.size() && text[pos] == '-';
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    const size_t numberStart = pos;
    size_t mantissaDigits = SkipDigits(text, pos);
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        mantissaDigits += SkipDigits(text, pos);
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            ++pos;
        if (SkipDigits(text, pos) == 0)
            return std::nullopt;
    }
    if (pos != text.size())
        return std::nullopt;

    // from_chars takes no "+" and works without the C locale, which Qt may have switched.
    double value = 0;
    const char* first = text.data() + numberStart;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc() || end != last || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

FeedFieldFault FeedFieldFaultOf(const QString& text) {
    QString withPoint = text;
    withPoint.replace(QLatin1Char(','), QLatin1Char('.'));
    const QByteArray utf8 = withPoint.toUtf8();
    if (text.contains(QLatin1Char(',')) &&
        ParseFeedField(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size()))))
        return FeedFieldFault::DecimalComma;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!c.isLetter())
            continue;
        const bool exponent = (c == QLatin1Char('e') || c == QLatin1Char('E')) && i > 0 &&
                              (text[i - 1].isDigit() || text[i - 1] == QLatin1Char('.'));
        if (!exponent)
            return FeedFieldFault::Letters;
    }
    return FeedFieldFault::NotANumber;
}

} // namespace quorvel
