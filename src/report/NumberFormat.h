#pragma once

#include <QChar>
#include <QString>

namespace quorvel {

// The "general" format of the table header: rounded to 15 significant digits,
// trailing zeros dropped, the separator only when a fraction remains; fixed notation
// while the value is at least 0.00001 and has at most 15 integer digits, scientific
// ("1,5E-6", "2E20") otherwise. 860 -> "860", 2.5 -> "2,5" with a comma.
QString FormatGeneral(double value, QChar decimalSeparator);

// Fixed point with the given number of decimals, right-aligned in a field of `width`
// characters; a number that needs more room prints in full. A value that rounds to
// zero prints without a minus sign.
QString FormatFixed(double value, int decimals, int width, QChar decimalSeparator);

// The shortest text that reads back to the same double, with a point as separator;
// "inf", "-inf" and "nan" for values that are not finite. The CSV's full precision.
QString ShortestNumber(double value);

// A grid value as a script compares it: rounded to 12 significant digits, so that an
// accumulated 0.39999999999999997 reads 0.4 and 3.999999999999994 reads 4.
QString RoundedGridNumber(double value);

} // namespace quorvel
