#pragma once

#include <QString>

namespace quorvel {

// The shortest text that reads back to the same double, with a point as separator;
// "inf", "-inf" and "nan" for values that are not finite.
QString ShortestNumber(double value);

} // namespace quorvel
