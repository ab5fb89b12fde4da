#include "chart/AxisScale.h"

#include "chart/ChartRounding.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace quorvel {

namespace {
constexpr double kMinimumStep = 1e-12;     // the smallest step an axis ever uses
constexpr double kIntLimit = 2147483647.0; // quotients beyond this are not converted
constexpr double kMaxLabelCount = 10000;   // an axis needing this many labels draws none
// A sweep's end reached by repeated addition (3.999999999999994 for 4) misses its label by
// a rounding residue; a value within this part of a step of a label counts as reaching it.
constexpr double kLabelResidue = 1e-9;
} // namespace

double NextLabelStep(double x) {
    // A step that is not a positive finite number cannot grow; hand it back as it is.
    if (!(x > 0) || !std::isfinite(x))
        return x;
    if (x >= 10)
        return 10 * NextLabelStep(x * 0.1);
    if (x < 1)
        return 0.1 * NextLabelStep(x * 10);
    if (x < 2)
        return 2;
    if (x < 5)
        return 5;
    return 10;
}

int MaxLabelCount(int length, int labelSize, int separation) {
    if (labelSize <= 0)
        return 1;
    int size = labelSize;
    if (separation > 0)
        size += Nearest(labelSize * separation / 100.0);
    return Nearest(static_cast<double>(length) / size);
}

double LabelStep(const LabelStepInput& in) {
    const int maxCount = MaxLabelCount(in.length, in.labelSize, in.separation);
    if (maxCount < 1)
        return kMinimumStep;
    double step = in.increment > 0 ? in.increment : (std::fabs(in.range) >= 1 ? 1 : kMinimumStep);
    if (in.separation > 0) {
        long long n = static_cast<long long>(maxCount) + 1;
        do {
            const double quotient = in.range / step;
            const bool convertible = std::fabs(quotient) < kIntLimit;
            if (convertible)
                n = Nearest(quotient);
            if (n > maxCount || !convertible) {
                const double next = NextLabelStep(step);
                // A range that is not finite never fits; stop rather than loop for ever.
                if (!std::isfinite(next) || next == step)
                    break;
                step = next;
            }
        } while (n > maxCount);
    }
    return std::max(step, kMinimumStep);
}

double FirstLabelMultiple(double maximum, double step) {
    const double quotient = maximum / step;
    const double nearest = std::round(quotient);
    if (std::fabs(quotient - nearest) <= kLabelResidue)
        return nearest;
    return std::trunc(quotient);
}

int ValuePixel(const AxisSpan& axis, double value) {
    const int length = axis.end - axis.start;
    const double range = axis.maximum - axis.minimum;
    if (range != 0) {
        const double t = (value - axis.minimum) * length / range;
        if (std::fabs(t) <= kIntLimit) {
            // Added in 64 bits and kept in the int range: a value just inside the limit
            // must not overflow the pixel.
            const long long pixel = axis.horizontal
                                        ? axis.start + static_cast<long long>(Nearest(t))
                                        : axis.end - static_cast<long long>(Nearest(t));
            return static_cast<int>(std::clamp<long long>(pixel, INT_MIN, INT_MAX));
        }
    }
    return (axis.start + axis.end) / 2;
}

double PixelValue(const AxisSpan& axis, int pixel) {
    const int length = axis.end - axis.start;
    if (length == 0)
        return axis.minimum;
    const double range = axis.maximum - axis.minimum;
    const int offset = axis.horizontal ? pixel - axis.start : axis.end - pixel;
    return axis.minimum + offset * range / length;
}

std::vector<double> LabelValues(double minimum, double maximum, double step, bool roundFirstLabel) {
    std::vector<double> values;
    const double range = maximum - minimum;
    if (!(step > 0) || maximum < minimum || !(std::fabs(range / step) < kMaxLabelCount))
        return values;
    double v = maximum;
    double ceiling = maximum;
    if (minimum != maximum && roundFirstLabel) {
        v = FirstLabelMultiple(maximum, step) * step;
        ceiling = maximum + kLabelResidue * step;
    }
    // Each subtraction must move v; far from zero a tiny step may not, so the number of
    // passes is bounded as well.
    for (int guard = 0; v > ceiling && guard < 4; ++guard)
        v -= step;
    const double lowerLimit = (minimum - 1e-12) / 1.000000000001;
    while (v >= lowerLimit && values.size() <= static_cast<std::size_t>(kMaxLabelCount)) {
        values.push_back(v);
        const double next = v - step;
        if (next == v)
            break;
        v = next;
    }
    return values;
}

std::vector<int> MinorTickPositions(const std::vector<int>& ticks, int count, int start, int end) {
    std::vector<int> result;
    const std::size_t k = ticks.size();
    if (k == 0 || count <= 0)
        return result;
    auto add = [&](int pixel) {
        if (pixel > std::min(start, end) && pixel < std::max(start, end))
            result.push_back(pixel);
    };
    if (k >= 2) {
        const int first = ticks[0];
        const int last = ticks[k - 1];
        for (int j = 1; j <= count; ++j) {
            const int d = Nearest(static_cast<double>(j) * (ticks[1] - ticks[0]) / (count + 1));
            add(first - d);
            add(last + d);
        }
    }
    for (std::size_t i = 1; i < k; ++i)
        for (int j = 1; j <= count; ++j)
            add(ticks[i] -
                Nearest(static_cast<double>(j) * (ticks[i] - ticks[i - 1]) / (count + 1)));
    return result;
}

} // namespace quorvel
