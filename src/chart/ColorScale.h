#pragma once

#include <QColor>

namespace quorvel {

// The colour scale of colour maps: from dark violet through blue and green to yellow,
// its lightness rising steadily with the value, so that a map reads in order also in
// grey and for readers with a red-green weakness. Computed once on first use in
// ColorScaleLevels steps: few enough that each is brighter than the one before also
// after rounding to 8-bit channels, many enough that no step shows as a band.
inline constexpr int ColorScaleLevels = 128;

// The colour at fraction t of the scale (0 the lowest value, 1 the highest); t outside
// 0..1 is taken as the nearer end, NaN as the middle.
QColor ColorScaleColor(double t);

// Where a value lies on a scale from `minimum` to `maximum`, 0..1, clamped; the middle
// when the scale has no range.
double ColorScaleFraction(double value, double minimum, double maximum);

} // namespace quorvel
