#pragma once

#include <QChar>
#include <QStringList>

#include "engine/Engine.h"

namespace quorvel {

// The results table of one sweep as the main window shows it and saves it: two header
// lines naming the parameters held fixed (for XAxisMode), on standard thermodynamic data
// a line saying so, an empty line, the title and the column heading of the view (for
// YAxisMode), then one line per point 0..LastIndex.
// Every number uses decimalSeparator (the desktop's, or a point for scripts).
QStringList ResultsTableLines(const Engine& engine, SweptParameter XAxisMode, ResultView YAxisMode,
                              QChar decimalSeparator);

} // namespace quorvel
