#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// One case of a batch file: the command-line arguments its fields stand for
// ("--ratio", "3", ...), in the order of the header, empty fields left out.
struct BatchCase {
    int number = 0; // 1 for the first line after the header
    std::vector<std::string> arguments;
    std::string error; // one line when the line itself is malformed
};

struct BatchInput {
    std::vector<BatchCase> cases;
    std::string error; // one line when the header is refused; then there are no cases
};

// Column names a batch header may use: the options of quorvel-sweep without dashes.
const std::vector<std::string_view>& BatchColumnNames();

// Reads a batch file: a header naming a subset of the columns, then one case per
// line with comma-separated fields. The feed's nine numbers are separated by ";".
// Blank lines are skipped but still counted, so a case keeps its line's number;
// a line with CR LF ending reads like one with LF.
BatchInput ReadBatchInput(std::string_view text);

} // namespace quorvel
