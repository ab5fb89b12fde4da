#pragma once

#include <QChar>

#include <cstdio>

#include "cli/SweepOptions.h"

namespace quorvel {

// Exit statuses of quorvel-sweep.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailure = 1;  // floating-point fault, or a file not written
inline constexpr int ExitBadInput = 2; // command line or feed composition refused

// Runs the calculation the options describe and writes its results: the table or CSV
// to `out` (UTF-8) or to --output, and the chart picture to --chart. Messages, one
// line each, go to `err`. localeSeparator is used when the options name none.
// A chart picture needs a QGuiApplication.
int RunSweepCommand(const SweepOptions& options, QChar localeSeparator, std::FILE* out,
                    std::FILE* err);

// Writes "quorvel-sweep: <message>" and a line break to `err`.
void PrintMessage(std::FILE* err, const QString& message);

} // namespace quorvel
