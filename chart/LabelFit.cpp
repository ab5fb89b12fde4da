#include "chart/LabelFit.h"

namespace quorvel {

namespace {

int ShiftedInto(int start, int extent, int low, int high) {
    if (start + extent > high)
        start = high - extent;
    if (start < low)
        start = low;
    return start;
}

} // namespace

void KeepLabelsInside(std::vector<AxisLabel>& labels, const ChartRect& inside, int labelHeight) {
    for (AxisLabel& label : labels) {
        PlacedText& text = label.text;
        text.x = ShiftedInto(text.x, text.width, inside.left, inside.right);
        text.y = ShiftedInto(text.y, labelHeight, inside.top, inside.bottom);
    }
}

} // namespace quorvel
