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
QStringList CsvLines(const Engine& engine, SweptParameter XAxisMode);

} // namespace quorvel
