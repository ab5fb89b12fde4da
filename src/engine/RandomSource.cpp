#include "engine/RandomSource.h"

#include <chrono>

namespace quorvel {

std::uint32_t TimeOfDayMilliseconds() {
    using namespace std::chrono;
    constexpr std::int64_t millisecondsPerDay = 86'400'000;
    const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
    const std::int64_t ofDay = sinceEpoch.count() % millisecondsPerDay;
    return static_cast<std::uint32_t>(ofDay < 0 ? ofDay + millisecondsPerDay : ofDay);
}

} // namespace quorvel
