#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace tallo {

// A hash of a text for tables held in memory (never stored): a few multiplications per eight
// bytes. `fold` is applied to each eight-byte word (as loaded from memory, the last one padded
// with zero bytes) before it is mixed in, so that texts it makes equal hash alike.
template <class Fold> uint32_t HashText(std::string_view text, Fold fold) {
    uint64_t hash = text.size() * 0x9E3779B97F4A7C15ull;
    const char* at = text.data();
    size_t left = text.size();
    for (; left >= 8; at += 8, left -= 8) {
        uint64_t word;
        std::memcpy(&word, at, 8);
        hash = (hash ^ fold(word)) * 0xFF51AFD7ED558CCDull;
        hash ^= hash >> 32;
    }
    if (left > 0) {
        uint64_t word = 0;
        std::memcpy(&word, at, left);
        hash = (hash ^ fold(word)) * 0xC4CEB9FE1A85EC53ull;
    }
    hash ^= hash >> 33;
    hash *= 0xFF51AFD7ED558CCDull;
    hash ^= hash >> 33;
    return static_cast<uint32_t>(hash);
}

inline uint32_t HashText(std::string_view text) {
    return HashText(text, [](uint64_t word) { return word; });
}

} // namespace tallo
