#pragma once

// The `mode` column of a batch file: a case is a sweep (the default), the carbon limit
// table or a T x P map. With the column, every result row names its mode, and the rows of
// the carbon limit and of a map fill the columns temperature_c, pressure and value
// instead of those of a sweep.

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

#include "cli/SweepOptions.h"

namespace quorvel {

enum class BatchMode { Sweep, CarbonLimit, Map };

// Takes "--mode WORD" out of a case's arguments and puts in the options that mode stands
// for ("--carbon-limit", "--map carbon-limit"); an error line for an unknown word.
std::string TakeBatchMode(std::vector<std::string>& arguments, BatchMode& mode);

// The header of a batch with modes: "case,mode," and the sweep's header after "case,".
QString ModeHeaderRow(const QString& sweepHeader);

// A sweep case's rows with its mode and empty temperature_c, pressure and value.
QStringList ModeSweepRows(const QStringList& rows);

// The rows of a carbon-limit or map case: case, mode, empty sweep fields, then
// temperature_c, pressure (in the case's unit) and value. `sweepFields` counts the
// sweep's columns from sweep to the last one. Nothing, with the reason on `err`, for a
// refused case or a fault (then *faulted is set); no rows for a feed without carbon.
std::optional<QStringList> ModeResultRows(int number, const SweepOptions& options, int sweepFields,
                                          std::FILE* err, const QString& context, bool* faulted);

} // namespace quorvel
