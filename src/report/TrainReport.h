#pragma once

// A solved train as a text table (the window's and quorvel-train's), as CSV and as
// JSON. A stage that could not be solved says why in its place; a stage where carbon
// can form is flagged in every format.

#include <QByteArray>
#include <QChar>
#include <QStringList>

#include "engine/TrainSolver.h"
#include "report/TrainCaseFile.h"

namespace quorvel {

// Numbers with the given decimal separator.
QStringList TrainTableLines(const TrainCaseFile& file, const TrainResult& result, QChar separator);

// One row per stage at full precision with a point; a blank line; then the totals as
// "quantity,value" rows.
QStringList TrainCsvLines(const TrainCaseFile& file, const TrainResult& result);

QByteArray TrainJson(const TrainCaseFile& file, const TrainResult& result);

} // namespace quorvel
