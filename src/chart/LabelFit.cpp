#include "chart/LabelFit.h"

#include <cstdlib>

namespace quorvel {

namespace {

int ShiftedInto(int start, int extent, int low, int high) {
    if (start + extent > high)
        start = high - extent;
    if (start < low)
        start = low;
    return start;
}

// Whether two labels' boxes come closer than `gap` along the axis.
bool TooClose(const PlacedText& a, const PlacedText& b, int labelHeight, bool horizontal, int gap) {
    if (horizontal)
        return a.x < b.x + b.width + gap && b.x < a.x + a.width + gap;
    return a.y < b.y + labelHeight + gap && b.y < a.y + labelHeight + gap;
}

} // namespace

void KeepLabelsInside(std::vector<AxisLabel>& labels, const ChartRect& inside, int labelHeight,
                      bool horizontal, int gap) {
    std::vector<bool> moved(labels.size(), false);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        PlacedText& text = labels[i].text;
        const int x = ShiftedInto(text.x, text.width, inside.left, inside.right);
        const int y = ShiftedInto(text.y, labelHeight, inside.top, inside.bottom);
        moved[i] = (horizontal ? x != text.x : y != text.y);
        text.x = x;
        text.y = y;
    }
    // Labels run along the axis in order, so only the next ones can collide.
    std::vector<AxisLabel> kept;
    kept.reserve(labels.size());
    for (std::size_t i = 0; i < labels.size(); ++i) {
        bool crowded = false;
        for (std::size_t j : {i - 1, i + 1}) {
            if (j < labels.size() && moved[j] && !moved[i] &&
                TooClose(labels[i].text, labels[j].text, labelHeight, horizontal, gap))
                crowded = true;
        }
        if (!crowded)
            kept.push_back(labels[i]);
    }
    labels = std::move(kept);
}

} // namespace quorvel
