#pragma once

#include <cstddef>

namespace quorvel {

// The sum of the nine feed percentages as written, added with a running compensation
// (Neumaier) so that large terms that cancel do not swallow the small ones: for
// 100, -114.12, 1e300 and -1e300 it gives -14.12, not 0. Both the check against 100 and
// the message that reports a refused total use this figure. The feed window and
// quorvel-sweep both accept a feed by it (FeedTotalIsAccepted).
double FeedTotal(const double* percentages, std::size_t count);

// What the user is told when the total of a feed is refused (UTF-8).
inline constexpr const char* FeedTotalRefusedMessage =
    "Проверьте исходные данные. Сумма не равна 100%";

} // namespace quorvel
