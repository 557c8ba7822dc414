#pragma once

#include <cstdint>

namespace tallo {

// The eight bytes of `word` with A-Z turned into a-z, all other bytes kept: a byte gets 0x20
// added where its low seven bits lie in 'A'..'Z' and its high bit is clear. Badge and archive
// names are compared this way, eight bytes at a time.
inline uint64_t FoldAsciiWord(uint64_t word) {
    constexpr uint64_t kOnes = 0x0101010101010101ull;
    constexpr uint64_t kHighBits = 0x8080808080808080ull;
    const uint64_t low = word & ~kHighBits;
    const uint64_t fromA = low + (0x80 - 'A') * kOnes;     // high bit set from 'A' on
    const uint64_t pastZ = low + (0x80 - 'Z' - 1) * kOnes; // high bit set past 'Z'
    const uint64_t upper = (fromA ^ pastZ) & ~word & kHighBits;
    return word | (upper >> 2);
}

} // namespace tallo
