#pragma once

#include <QStringList>

#include "engine/Engine.h"

namespace quorvel {

// The results of the last sweep as comma-separated values: a header row, then one row
// per point 0..LastIndex with every array at full precision (the shortest text that
// reads back to the same double, with a point) and exact_root 1 where the point holds
// the converged root of the equilibrium equations, 0 where the solver's answer stands,
// and physical 0 where no composition has every amount positive: such a row keeps its
// X value and leaves every value field empty. The first column is named after the
// swept parameter (XAxisMode); the reformer figures and the carbon activities follow
// physical, each empty where undefined.
// The swept value is rounded to 12 significant digits and its column named in the
// entered units (s_c, pressure_bar, ...); the wet view adds the water's fraction, H2O,
// after N2. Without a view: the columns of the dry view.
QStringList CsvLines(const Engine& engine, SweptParameter XAxisMode);
QStringList CsvLines(const Engine& engine, SweptParameter XAxisMode, ResultView YAxisMode);

} // namespace quorvel
