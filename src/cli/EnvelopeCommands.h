#pragma once

#include <QChar>

#include <cstdio>

#include "cli/SweepOptions.h"

namespace quorvel {

// --target with --solve-for: the parameter value at which the figure reaches the target,
// as a table or one CSV row, to `out` or --output. Exit status 2 when no value in the
// limits reaches it (the figure's span is named).
int RunTargetCommand(const SweepOptions& options, QChar separator, std::FILE* out, std::FILE* err);

// --map with --temperatures and --pressures: the figure over the grid, as a table or CSV.
int RunMapCommand(const SweepOptions& options, QChar separator, std::FILE* out, std::FILE* err);

} // namespace quorvel
