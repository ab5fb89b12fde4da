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

} // namespace quorvel
