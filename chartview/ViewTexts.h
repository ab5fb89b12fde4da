#pragma once

#include <functional>

namespace quorvel {

class ChartModel;
struct ReformingChartTexts;

// The chart side of the cycle's first step on the main chart's model; `repaintNow` draws
// the new title at once, before the other texts change. Shared by ConstructionChart on a
// model and on the widget.
void ApplyViewTexts(ChartModel& model, const ReformingChartTexts& texts,
                    const std::function<void()>& repaintNow);

} // namespace quorvel
