#pragma once

#include <vector>

#include "views/ReformingChartView.h"
#include "engine/Engine.h"

namespace quorvel {

// The reformer figures the chart readout adds below the curves' values at the sweep
// point whose swept value is x: methane conversion (four decimals, like the mole
// fractions), steam-to-carbon ratio (two decimals, like the swept ratio) and heat duty
// in kJ per mol of feed gas (two decimals), and the larger of the two carbon
// activities (three decimals; above 1 carbon can form). None when no stored point has
// that X.
std::vector<ReadoutFigure> ReadoutFigures(const Engine& engine, double x);

} // namespace quorvel
