#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <cstdio>

#include "cli/SweepOptions.h"
#include "engine/Engine.h"
#include "engine/InputLimits.h"

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

// Sets the engine up as the options say: pure methane reset, then the feed (refused,
// with the feed window's message, when its total is not 100), the entries clamped to
// their limits (each clamp reported) and the constants. Messages go to `err`, each
// after `context` ("" or "случай 3: "). False when the feed is refused.
bool PrepareEngine(Engine& engine, const SweepOptions& options, std::FILE* err,
                   const QString& context = QString());

// Start and end of a grid clamped to `limits` (each clamp reported), its points counted;
// false, with the reason on `err`, for a step that is not positive, an end below the start
// or more points than a sweep holds. `what` names the grid in the messages ("диапазона").
bool CheckedGrid(const char* what, const GridRequest& request, EntryLimits limits, std::FILE* err,
                 const QString& context, SweepRange& range);

// Sets engine.sweepRange from --from, --to and --step, or to the design's grid restated
// in the entered units; false (the reason on `err`) for a refused range.
bool ChooseSweepRange(Engine& engine, const SweepOptions& options, std::FILE* err,
                      const QString& context);

// Writes each line and a line break to `out` in UTF-8 and flushes it; false, with errno
// set, if the writing failed.
bool PrintLines(const QStringList& lines, std::FILE* out);

// Sets `message` to the line that says standard output failed with errno `error` (a
// closed pipe, a full disk) and returns false.
bool StandardOutputFailed(int error, QString* message);

// Writes the result lines to --output the way "Save As..." does, or else to `out`; false,
// with the reason on `err`, when they could not be written.
bool WriteResultLines(const SweepOptions& options, const QStringList& lines, std::FILE* out,
                      std::FILE* err);

// Writes "quorvel-sweep: <message>" and a line break to `err`.
void PrintMessage(std::FILE* err, const QString& message);

} // namespace quorvel
