#include "cli/BatchInput.h"

#include <algorithm>
#include <cerrno>

#include "cli/ShownValue.h"

namespace quorvel {

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(Trimmed(line.substr(start, comma - start)));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

std::string ReadHeader(std::string_view line, std::vector<std::string>& columns) {
    const auto& known = BatchColumnNames();
    for (std::string_view name : Fields(line)) {
        if (std::find(known.begin(), known.end(), name) == known.end())
            return "неизвестный столбец «" + ShownValue(name) +
                   "» в заголовке пакетного файла; допустимы sweep, view, ratio, "
                   "temperature, pressure, feed, constants, solver, mode, temperatures, "
                   "pressures, pressure_unit";
        if (std::find(columns.begin(), columns.end(), name) != columns.end())
            return "столбец «" + ShownValue(name) + "» повторён в заголовке пакетного файла";
        columns.emplace_back(name);
    }
    return {};
}

BatchCase ReadCase(int number, std::string_view line, const std::vector<std::string>& columns) {
    BatchCase batchCase;
    batchCase.number = number;
    const auto fields = Fields(line);
    if (fields.size() != columns.size()) {
        batchCase.error = "в строке " + std::to_string(fields.size()) + " полей, в заголовке " +
                          std::to_string(columns.size());
        return batchCase;
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].empty())
            continue;
        std::string value(fields[i]);
        if (columns[i] == "feed")
            std::replace(value.begin(), value.end(), ';', ',');
        std::string option = "--" + columns[i];
        std::replace(option.begin(), option.end(), '_', '-'); // pressure_unit: --pressure-unit
        batchCase.arguments.push_back(std::move(option));
        batchCase.arguments.push_back(std::move(value));
    }
    return batchCase;
}

} // namespace

const std::vector<std::string_view>& BatchColumnNames() {
    static const std::vector<std::string_view> names = {
        "sweep",     "view",   "ratio", "temperature",  "pressure",  "feed",
        "constants", "solver", "mode",  "temperatures", "pressures", "pressure_unit"};
    return names;
}

BatchReader::BatchReader(BatchSource source)
    : source_(std::move(source)), buffer_(BatchLineLimit) {}

bool BatchReader::nextLine(std::string& line) {
    line.clear();
    lineTooLong_ = false;
    bool started = false;
    for (;;) {
        if (position_ == filled_) {
            if (ended_)
                break;
            const std::ptrdiff_t count = source_(buffer_.data(), buffer_.size());
            if (count <= 0) {
                ended_ = true;
                readError_ = count < 0 ? errno : 0;
                break;
            }
            filled_ = static_cast<std::size_t>(count);
            position_ = 0;
        }
        const char c = buffer_[position_++];
        if (afterCarriageReturn_) {
            afterCarriageReturn_ = false;
            if (c == '\n')
                continue; // the LF of a CR LF pair
        }
        started = true;
        if (c == '\n' || c == '\r') {
            afterCarriageReturn_ = c == '\r';
            break;
        }
        if (line.size() < BatchLineLimit)
            line += c;
        else
            lineTooLong_ = true;
    }
    if (!started)
        return false;
    ++lineNumber_;
    if (lineNumber_ == 1 && line.starts_with("\xEF\xBB\xBF"))
        line.erase(0, 3);
    return true;
}

std::string BatchReader::readHeader() {
    std::string line;
    while (nextLine(line)) {
        if (!Trimmed(line).empty()) {
            headerLine_ = lineNumber_;
            return ReadHeader(line, columns_);
        }
    }
    return "в пакетном файле нет строки заголовка";
}

std::optional<BatchCase> BatchReader::nextCase() {
    std::string line;
    while (nextLine(line)) {
        if (Trimmed(line).empty())
            continue;
        BatchCase batchCase = ReadCase(lineNumber_ - headerLine_, line, columns_);
        batchCase.line = lineNumber_;
        if (lineTooLong_) {
            batchCase.arguments.clear();
            batchCase.error =
                "строка длиннее " + std::to_string(BatchLineLimit) + " байт пакетного файла";
        }
        return batchCase;
    }
    return std::nullopt;
}

BatchInput ReadBatchInput(std::string_view text) {
    BatchReader reader([&text](char* buffer, std::size_t size) -> std::ptrdiff_t {
        const std::size_t count = std::min(size, text.size());
        text.copy(buffer, count);
        text.remove_prefix(count);
        return static_cast<std::ptrdiff_t>(count);
    });
    BatchInput input;
    input.error = reader.readHeader();
    if (!input.error.empty())
        return input;
    while (auto batchCase = reader.nextCase())
        input.cases.push_back(std::move(*batchCase));
    return input;
}

} // namespace quorvel
