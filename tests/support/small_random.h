#pragma once

#include <cstdint>

namespace tallo::test {

// A small, fixed sequence of pseudo-random numbers for tests that mix lines or texts: the same
// seed gives the same inputs on every machine, so a failing round can be run again.
class SmallRandom {
public:
    explicit SmallRandom(uint32_t seed) : state_(seed) {}

    // A number below `bound` (which must not be 0).
    uint32_t operator()(uint32_t bound) {
        state_ = state_ * 1103515245u + 12345u;
        return (state_ >> 16) % bound;
    }

private:
    uint32_t state_;
};

} // namespace tallo::test
