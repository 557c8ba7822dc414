#pragma once

#include <cstdint>

namespace tallo {

// The random numbers a game database build draws (the looks of the console database pick one
// of several console values). The builder restarts the sequence with the same seed at the
// start of each pass, so the count pass and the write pass draw the same values and the same
// world always gives the same bytes.
class BuildRandom {
public:
    static constexpr uint64_t kDefaultSeed = 0x5EED2004u;

    explicit BuildRandom(uint64_t seed = kDefaultSeed) { Restart(seed); }

    void Restart(uint64_t seed = kDefaultSeed) { state_ = seed; }

    // The next 32-bit value (SplitMix64, upper half).
    uint32_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
    }
    // A value in 0..count-1; 0 when `count` is 0 (never a division by zero).
    uint32_t Below(uint32_t count) { return count == 0 ? 0 : Next() % count; }

private:
    uint64_t state_ = kDefaultSeed;
};

} // namespace tallo
