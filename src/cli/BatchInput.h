#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// One case of a batch file: the command-line arguments its fields stand for
// ("--ratio", "3", ...), in the order of the header, empty fields left out.
struct BatchCase {
    int number = 0; // 1 for the line right after the header, counting blank lines
    int line = 0;   // the line of the file, from 1, counting every line
    std::vector<std::string> arguments;
    std::string error; // one line when the line itself is malformed
};

struct BatchInput {
    std::vector<BatchCase> cases;
    std::string error; // one line when the header is refused; then there are no cases
};

// Column names a batch header may use: the options of quorvel-sweep without dashes.
const std::vector<std::string_view>& BatchColumnNames();

// The longest line a batch file may have, in bytes; a longer one is refused without
// being held whole.
inline constexpr std::size_t BatchLineLimit = 65536;

// Gives a batch file's bytes as they come: up to `size` bytes into `buffer`, 0 at the
// end, a negative count (errno set) on a read error.
using BatchSource = std::function<std::ptrdiff_t(char* buffer, std::size_t size)>;

// Reads a batch file one line at a time, so that a file of any length is never held
// whole: a header naming a subset of the columns, then one case per line with
// comma-separated fields. The feed's nine numbers are separated by ";". LF, CR LF and a
// lone CR each end a line; a UTF-8 byte-order mark at the start is skipped. Blank lines
// (before the header too) are skipped but still counted.
class BatchReader {
public:
    explicit BatchReader(BatchSource source);

    // Reads up to the header; an error line when it is missing or refused.
    std::string readHeader();
    // The next case, or nothing at the end of the file.
    std::optional<BatchCase> nextCase();
    // The columns the header names, in its order.
    const std::vector<std::string>& columns() const { return columns_; }
    // The errno of a failed read (0 if none): the file then ended early.
    int readError() const { return readError_; }

private:
    bool nextLine(std::string& line);

    BatchSource source_;
    std::vector<char> buffer_;
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
    bool ended_ = false;
    bool afterCarriageReturn_ = false;
    bool lineTooLong_ = false;
    int lineNumber_ = 0;
    int headerLine_ = 0;
    int readError_ = 0;
    std::vector<std::string> columns_;
};

// The whole of a batch file's text read at once, with BatchReader.
BatchInput ReadBatchInput(std::string_view text);

} // namespace quorvel
