#pragma once

#include <cstdint>

namespace quorvel {

// Milliseconds since midnight (UTC) from the system clock.
std::uint32_t TimeOfDayMilliseconds();

// The engine's one pseudo-random generator, a 32-bit PCG. Every routine that draws
// re-seeds it from the clock first, thousands of times a sweep, so seeding must be cheap.
// Tests replace the clock to make runs repeatable.
class RandomSource {
public:
    using Clock = std::uint32_t (*)();

    Clock clock = &TimeOfDayMilliseconds;

    // Restarts the sequence from the clock's current reading.
    void Reseed() { Seed(clock()); }

    void Seed(std::uint64_t seed) {
        state = 0;
        Next();
        state += seed;
        Next();
    }

    // Uniform in [0, 1) at 2^-32 resolution.
    double Uniform() { return static_cast<double>(Next()) * 0x1p-32; }

    // Uniform integer 0 to 9.
    int Digit() { return static_cast<int>((static_cast<std::uint64_t>(Next()) * 10) >> 32); }

private:
    std::uint32_t Next() {
        const std::uint64_t old = state;
        state = old * 6364136223846793005ULL + Increment;
        const auto xorShifted = static_cast<std::uint32_t>(((old >> 18) ^ old) >> 27);
        const auto rotation = static_cast<std::uint32_t>(old >> 59);
        return (xorShifted >> rotation) | (xorShifted << ((32 - rotation) & 31));
    }

    static constexpr std::uint64_t Increment = 1442695040888963407ULL;
    std::uint64_t state = 0;
};

} // namespace quorvel
