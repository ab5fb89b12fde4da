#include "engine/NasaRecords.h"

#include <charconv>
#include <cstring>
#include <system_error>

namespace quorvel {

namespace {

constexpr int CoefficientWidth = 16; // five fields of 16 characters per coefficient line

// Splits text into lines without copying; a trailing carriage return is dropped.
class LineReader {
public:
    explicit LineReader(std::string_view text) : rest_(text) {}

    bool Next(std::string_view& line) {
        if (rest_.empty()) {
            return false;
        }
        const std::size_t end = rest_.find('\n');
        line = rest_.substr(0, end);
        rest_ = end == std::string_view::npos ? std::string_view{} : rest_.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        ++number_;
        return true;
    }
    int Number() const { return number_; }

private:
    std::string_view rest_;
    int number_ = 0;
};

std::string_view Field(std::string_view line, std::size_t start, std::size_t width) {
    if (start >= line.size()) {
        return {};
    }
    return line.substr(start, width);
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') {
        s.remove_prefix(1);
    }
    while (!s.empty() && s.back() == ' ') {
        s.remove_suffix(1);
    }
    return s;
}

// A Fortran real such as "-1.766850998D+05"; the D exponent is read as E.
bool ParseReal(std::string_view field, double& value) {
    field = Trim(field);
    char buffer[40];
    if (field.empty() || field.size() >= sizeof buffer) {
        return false;
    }
    std::size_t n = 0;
    for (char c : field) {
        buffer[n++] = (c == 'D' || c == 'd') ? 'E' : c;
    }
    const char* first = buffer[0] == '+' ? buffer + 1 : buffer;
    const auto [end, error] = std::from_chars(first, buffer + n, value);
    return error == std::errc{} && end == buffer + n;
}

bool ParseInt(std::string_view field, int& value) {
    field = Trim(field);
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return !field.empty() && error == std::errc{} && end == field.data() + field.size();
}

bool ParseInterval(LineReader& lines, NasaInterval& interval) {
    std::string_view line;
    // Tlow, Thigh, the exponents and H(298.15) - H(0); only the range is needed.
    if (!lines.Next(line) || !ParseReal(Field(line, 0, 11), interval.TLow) ||
        !ParseReal(Field(line, 11, 11), interval.THigh) || !(interval.TLow < interval.THigh)) {
        return false;
    }
    if (!lines.Next(line)) {
        return false;
    }
    for (int k = 0; k < 5; ++k) {
        if (!ParseReal(Field(line, k * CoefficientWidth, CoefficientWidth), interval.a[k])) {
            return false;
        }
    }
    if (!lines.Next(line)) {
        return false;
    }
    for (int k = 0; k < 2; ++k) {
        if (!ParseReal(Field(line, k * CoefficientWidth, CoefficientWidth), interval.a[5 + k])) {
            return false;
        }
    }
    // The third field of this line is blank; b1 and b2 are the last two.
    return ParseReal(Field(line, 3 * CoefficientWidth, CoefficientWidth), interval.b1) &&
           ParseReal(Field(line, 4 * CoefficientWidth, CoefficientWidth), interval.b2);
}

bool ParseRecord(std::string_view nameLine, LineReader& lines, NasaRecord& record) {
    const std::string_view fullName = Trim(Field(nameLine, 0, 18));
    const std::string_view name = fullName.substr(0, fullName.find(' '));
    if (name.empty() || name.size() >= NasaNameCapacity) {
        return false;
    }
    std::memset(record.Name, 0, sizeof record.Name);
    std::memcpy(record.Name, name.data(), name.size());

    std::string_view line;
    int phase = 0;
    if (!lines.Next(line) || !ParseInt(Field(line, 0, 2), record.IntervalCount) ||
        !ParseInt(Field(line, 50, 2), phase) || !ParseReal(Field(line, 52, 13), record.MolarMass) ||
        !ParseReal(Field(line, 65, 15), record.HeatOfFormation)) {
        return false;
    }
    if (record.IntervalCount < 1 || record.IntervalCount > NasaMaxIntervals) {
        return false;
    }
    record.Condensed = phase != 0;
    for (int i = 0; i < record.IntervalCount; ++i) {
        if (!ParseInterval(lines, record.Intervals[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

NasaParseOutcome ParseNasaRecords(std::string_view text, NasaRecord* records, int capacity) {
    LineReader lines(text);
    std::string_view line;
    // The "thermo" line, then the line of the database's global temperature ranges.
    if (!lines.Next(line) || Trim(line) != "thermo") {
        return {0, 1};
    }
    if (!lines.Next(line)) {
        return {0, 2};
    }
    int count = 0;
    while (lines.Next(line)) {
        if (Trim(line).empty() || line.starts_with("END ") || line.starts_with('!')) {
            continue;
        }
        if (count == capacity || !ParseRecord(line, lines, records[count])) {
            return {count, lines.Number()};
        }
        ++count;
    }
    return {count, 0};
}

} // namespace quorvel
