#pragma once

#include <QString>

#include <cstdio>
#include <string>
#include <string_view>

#include "cli/SweepOptions.h"

namespace quorvel {

// Runs every case of a batch file's text (see ReadBatchInput) and writes one CSV: the
// columns case, sweep, view, x, then the value columns of --format csv, every case's
// points in order. It goes to --output (as "Save As..." writes) or to `out` in UTF-8.
// A refused line gets one line on `err` naming its case and the others still run.
// Returns 2 if the header or any line was refused, else 1 if a case met a
// floating-point fault or the output could not be written, else 0.
int RunBatchCommand(std::string_view text, const SweepOptions& options, std::FILE* out,
                    std::FILE* err);

// Reads a whole batch file ("-": standard input) into `text`; false with a Russian
// message naming the file when it cannot be read.
bool ReadBatchFile(const std::string& name, std::string& text, QString* errorMessage);

} // namespace quorvel
