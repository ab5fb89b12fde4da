#pragma once

#include <QString>

#include <vector>

#include "chart/ChartModel.h"
#include "chart/ChartXBands.h"
#include "engine/Engine.h"

namespace quorvel {

// The stretches of the swept parameter where carbon can form at the points of the last
// sweep (larger carbon activity above 1), each point's stretch reaching halfway to its
// neighbours, for shading on the main chart.
std::vector<ChartXBand> CarbonFormationBands(const Engine& engine);

// The note under the plot that says what the shading means.
QString CarbonBandNote();

// Shows the note as the chart's footer, in a small dark font, or takes it away (the
// footer is then empty, as the chart is configured).
void ShowCarbonBandNote(ChartModel& model, bool show);

} // namespace quorvel
