#pragma once

#include <cstdio>

#include "cli/SweepOptions.h"

namespace quorvel {

// Runs every case of --batch (a file, or "-" for standard input) and writes one CSV:
// the columns case, sweep, view, x, then the value columns of --format csv, every
// case's points in order. Each case is read, computed and written before the next is
// read, so memory stays the same whatever the number of cases and the first rows come
// out at once. The rows go to --output (as "Save As..." writes: the old file is
// replaced only once every case has run) or to `out` in UTF-8, flushed after each case.
// A refused line gets one line on `err` naming its case and line, and the others still
// run. A write that fails (a closed pipe, a full disk) ends the run with one line.
// Returns 1 if the output could not be written; else 2 if the file could not be read
// or its header or any line was refused; else 1 if a case met a floating-point fault;
// else 0.
int RunBatchCommand(const SweepOptions& options, std::FILE* out, std::FILE* err);

} // namespace quorvel
