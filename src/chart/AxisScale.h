#pragma once

#include <vector>

namespace quorvel {

// The next larger label step of the series 1, 2, 5, 10, 20, 50, ... scaled by powers
// of ten (0.1 -> 0.2 -> 0.5 -> 1).
double NextLabelStep(double x);

// How many labels fit on an axis of `length` pixels for labels `labelSize` pixels
// long (along the axis) and a gap of `separation` per cent of that size.
int MaxLabelCount(int length, int labelSize, int separation);

struct LabelStepInput {
    int length = 0;       // axis length in pixels
    int labelSize = 0;    // label size along the axis, pixels
    int separation = 10;  // LabelsSeparation, per cent
    double increment = 0; // desired step; 0 for none
    double range = 0;     // working maximum - working minimum
};

// The label step: the desired increment (or 1 / 1e-12) grown along NextLabelStep until
// the labels fit; never below 1e-12.
double LabelStep(const LabelStepInput& in);

// The whole number of steps of an axis's top label: Trunc(maximum / step), except that a
// quotient within a rounding residue (1e-9) of a whole number is that number, so that a
// maximum of 3.999999999999994 with the step 1 gets its label 4.
double FirstLabelMultiple(double maximum, double step);

// The pixels an axis spans along the plot.
struct AxisSpan {
    double minimum = 0;
    double maximum = 0;
    int start = 0;
    int end = 0;
    bool horizontal = true;
};

// Pixel of a value: start + nearest(t) on a horizontal axis, end - nearest(t) on a
// vertical one (larger values higher up); the centre when the range is 0 or t is
// out of the int range.
int ValuePixel(const AxisSpan& axis, double value);

// The value at a pixel, the inverse of ValuePixel (the minimum when the axis has no
// length).
double PixelValue(const AxisSpan& axis, int pixel);

// Values that get a label, from the top value downwards (the first one as
// FirstLabelMultiple gives it): none when the step is not positive, the range is negative
// or would need 10000 labels or more.
std::vector<double> LabelValues(double minimum, double maximum, double step, bool roundFirstLabel);

// Minor tick pixels for ticks t_0..t_(k-1) (in recorded order), `count` per interval,
// beyond the first and last tick too, kept strictly inside (start, end).
std::vector<int> MinorTickPositions(const std::vector<int>& ticks, int count, int start, int end);

} // namespace quorvel
