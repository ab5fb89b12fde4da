#include "ui/main/LayoutRule.h"

#include "chart/ChartRounding.h"

#include <cmath>

namespace quorvel {

MainLayout ComputeMainLayout(int clientWidth, int clientHeight) {
    MainLayout layout{};
    layout.memoHeight = clientHeight - BottomPanelHeight;
    layout.chartHeight = layout.memoHeight - ReactionStripHeight;
    const bool narrow = clientWidth <= NarrowLayoutMaxWidth;
    const int memoWidth = narrow ? NarrowMemoWidth : WideMemoWidth;
    layout.memoWidth = memoWidth;
    layout.chartLeft = memoWidth;
    layout.chartWidth = clientWidth - memoWidth;
    layout.reactionLeft = memoWidth;
    layout.reactionWidth = clientWidth - memoWidth;
    layout.axisYLeft = clientWidth - layout.chartWidth;

    const int half = Nearest(layout.chartWidth / 2.0);
    if (narrow) {
        // The narrow pair is 12 pixels wider than the chart; the right group is clipped
        // by the panel's edge.
        layout.axisYWidth = half + 13;
        layout.axisXWidth = layout.axisYWidth - 14;
    } else {
        layout.axisYWidth = half;
        layout.axisXWidth = layout.axisYWidth;
    }
    layout.axisXLeft = layout.axisYLeft + layout.axisYWidth;
    return layout;
}

} // namespace quorvel
