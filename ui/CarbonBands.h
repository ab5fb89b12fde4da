#pragma once

#include <vector>

#include "chartkit/ChartXBands.h"
#include "engine/Engine.h"

namespace quorvel {

// The stretches of the swept parameter where carbon can form at the points of the last
// sweep (larger carbon activity above 1), each point's stretch reaching halfway to its
// neighbours, for shading on the main chart.
std::vector<ChartXBand> CarbonFormationBands(const Engine& engine);

} // namespace quorvel
