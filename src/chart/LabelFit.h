#pragma once

#include "chart/ChartLayout.h"

#include <vector>

namespace quorvel {

// Moves every label that sticks out of `inside` back in by what it sticks out, along
// both directions, so that the chart's edge never cuts a label (the rightmost label of
// the bottom axis, centred on the axis's end, would otherwise hang over it). A label
// larger than the area keeps its left or top edge on the area's. A moved label keeps its
// place; a neighbour it now comes closer to than `gap` pixels along the axis loses its
// text (its tick stays), so that two labels never run together into one number.
void KeepLabelsInside(std::vector<AxisLabel>& labels, const ChartRect& inside, int labelHeight,
                      bool horizontal, int gap);

} // namespace quorvel
