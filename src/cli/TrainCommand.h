#pragma once

// quorvel-train: a reformer train's case file solved from the command line.

#include <QChar>

#include <cstdio>
#include <string>
#include <vector>

namespace quorvel {

// Runs `quorvel-train CASE.json [--format table|csv|json] [--output FILE]` (and --help,
// --version) with the exit statuses of quorvel-sweep: 0 done, 1 floating-point fault or
// a result not written, 2 a bad command line or case file. The results go to `out` or to
// --output; messages, one line each, to `err`. The table uses `separator` for decimals.
int RunTrainCommand(const std::vector<std::string>& arguments, QChar separator, std::FILE* out,
                    std::FILE* err);

// The text of --help (UTF-8).
const char* TrainHelpText();

} // namespace quorvel
