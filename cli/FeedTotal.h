#pragma once

#include <array>

namespace quorvel {

// The sum of the nine feed percentages as written, added with a running compensation
// (Neumaier) so that large terms that cancel do not swallow the small ones: for
// 100, -114.12, 1e300 and -1e300 it gives -14.12, not 0. Both the check against 100 and
// the message that reports a refused total use this figure.
double FeedTotal(const std::array<double, 9>& percentages);

} // namespace quorvel
