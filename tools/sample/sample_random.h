#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tallo::sample {

// The random numbers of the sample generator: splitmix64, so that the same seed gives the
// same world with every compiler and standard library (the distributions of <random> differ
// between library versions). Not for anything that needs real randomness.
class SampleRandom {
public:
    explicit SampleRandom(uint64_t seed) : state_(seed) {}

    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // A whole number from 0 to bound - 1 (0 for a bound below 1). The slight bias of the
    // modulo is of no concern for sample data.
    int Below(int bound) {
        if (bound <= 1) {
            return 0;
        }
        return static_cast<int>(Next() % static_cast<uint64_t>(bound));
    }

    // A whole number from low to high, both included.
    int Range(int low, int high) {
        if (high <= low) {
            return low;
        }
        return low + Below(high - low + 1);
    }

    // True with a chance of `percent` in 100.
    bool Chance(int percent) { return Below(100) < percent; }

    // A generator of its own for one part of the world, so that changing how much one part
    // draws does not change every part after it.
    SampleRandom Fork(uint64_t salt) {
        return SampleRandom(Next() ^ (salt * 0xD6E8FEB86659FD93ull));
    }

    template <class T> const T& Pick(const std::vector<T>& items) {
        return items[static_cast<size_t>(Below(static_cast<int>(items.size())))];
    }
    template <class T, size_t N> const T& Pick(const T (&items)[N]) {
        return items[static_cast<size_t>(Below(static_cast<int>(N)))];
    }

private:
    uint64_t state_;
};

} // namespace tallo::sample
