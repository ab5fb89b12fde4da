#pragma once

namespace quorvel {

// Geometry that the main window's layout rule derives from the client size. Positions
// of the chart, the memo and the reaction strip are client coordinates; those of the
// two radio groups are relative to the bottom panel, whose left edge is the window's.
struct MainLayout {
    int memoWidth;
    int memoHeight;
    int chartLeft;
    int chartWidth;
    int chartHeight;
    int reactionLeft;
    int reactionWidth;
    int axisYLeft;
    int axisYWidth;
    int axisXLeft;
    int axisXWidth;
};

inline constexpr int BottomPanelHeight = 94;
inline constexpr int ReactionStripHeight = 25;
inline constexpr int NarrowLayoutMaxWidth = 750; // this width itself is still narrow
inline constexpr int NarrowMemoWidth = 230;
inline constexpr int WideMemoWidth = 310;

// The layout rule of the main window, step by step. The values are returned as the rule
// computes them, negative ones included for tiny windows; the window clamps them when it
// applies them.
MainLayout ComputeMainLayout(int clientWidth, int clientHeight);

} // namespace quorvel
