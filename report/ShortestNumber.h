#pragma once

#include <QString>

namespace quorvel {

// The shortest text that reads back to the same double, with a point as separator;
// "inf", "-inf" and "nan" for values that are not finite.
QString ShortestNumber(double value);

// A grid value as a script compares it: rounded to 12 significant digits, so that an
// accumulated 0.39999999999999997 reads 0.4 and 3.999999999999994 reads 4.
QString RoundedGridNumber(double value);

} // namespace quorvel
