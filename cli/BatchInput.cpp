#include "cli/BatchInput.h"

#include <algorithm>

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

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string ReadHeader(std::string_view line, std::vector<std::string>& columns) {
    const auto& known = BatchColumnNames();
    for (std::string_view name : Fields(line)) {
        if (std::find(known.begin(), known.end(), name) == known.end())
            return "неизвестный столбец «" + std::string(name) +
                   "» в заголовке пакетного файла; допустимы sweep, view, ratio, "
                   "temperature, pressure, feed, constants, solver";
        if (std::find(columns.begin(), columns.end(), name) != columns.end())
            return "столбец «" + std::string(name) + "» повторён в заголовке пакетного файла";
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
        batchCase.arguments.push_back("--" + columns[i]);
        batchCase.arguments.push_back(std::move(value));
    }
    return batchCase;
}

} // namespace

const std::vector<std::string_view>& BatchColumnNames() {
    static const std::vector<std::string_view> names = {
        "sweep", "view", "ratio", "temperature", "pressure", "feed", "constants", "solver"};
    return names;
}

BatchInput ReadBatchInput(std::string_view text) {
    BatchInput input;
    const auto lines = Lines(text);
    std::size_t header = 0;
    while (header < lines.size() && Trimmed(lines[header]).empty())
        ++header;
    if (header == lines.size()) {
        input.error = "в пакетном файле нет строки заголовка";
        return input;
    }
    std::vector<std::string> columns;
    input.error = ReadHeader(lines[header], columns);
    if (!input.error.empty())
        return input;
    for (std::size_t i = header + 1; i < lines.size(); ++i) {
        if (Trimmed(lines[i]).empty())
            continue;
        input.cases.push_back(ReadCase(static_cast<int>(i - header), lines[i], columns));
    }
    return input;
}

} // namespace quorvel
