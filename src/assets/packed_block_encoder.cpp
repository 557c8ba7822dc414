#include "assets/packed_block.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>

namespace tallo {

namespace {

constexpr size_t kWindow = 16384;
constexpr uint32_t kHashSize = 7331;
constexpr size_t kLongestMatch = 1028;
constexpr size_t kLongestRun = 112;

inline uint32_t Hash(const uint8_t* p) {
    const uint32_t value = ((255u - p[2]) | (uint32_t{p[0]} << 16)) ^ ((p[1] ^ 0xAAu) << 8);
    return value % kHashSize;
}

inline uint64_t Load64(const uint8_t* p) {
    uint64_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

// Number of equal bytes at a and b, at most `limit`; both ranges must lie in the input.
inline size_t MatchLength(const uint8_t* a, const uint8_t* b, size_t limit) {
    size_t length = 0;
    while (length + 8 <= limit) {
        const uint64_t difference = Load64(a + length) ^ Load64(b + length);
        if (difference != 0) {
            if constexpr (std::endian::native == std::endian::little) {
                return length + static_cast<size_t>(__builtin_ctzll(difference)) / 8;
            } else {
                return length + static_cast<size_t>(__builtin_clzll(difference)) / 8;
            }
        }
        length += 8;
    }
    while (length < limit && a[length] == b[length]) {
        ++length;
    }
    return length;
}

// Writes literal-run commands while more than three bytes are left; returns the 0 to 3 bytes
// still to be carried by the next command.
inline size_t WriteRuns(const uint8_t*& source, size_t count, uint8_t*& out) {
    while (count > 3) {
        const size_t run = std::min(count & ~size_t{3}, kLongestRun);
        *out++ = static_cast<uint8_t>(0xE0 + (run / 4 - 1));
        std::memcpy(out, source, run);
        out += run;
        source += run;
        count -= run;
    }
    return count;
}

// Positions are stored plus one, so that 0 means "none" and every comparison against the
// lower end of the window also rejects an empty slot.
class MatchTables {
public:
    MatchTables() : head_(new uint32_t[kHashSize]()), previous_(new uint32_t[kWindow]) {}

    uint32_t Head(uint32_t hash) const { return head_[hash]; }
    uint32_t Previous(size_t position) const { return previous_[position % kWindow]; }

    void Insert(size_t position, uint32_t hash) {
        previous_[position % kWindow] = head_[hash];
        head_[hash] = static_cast<uint32_t>(position + 1);
    }

private:
    std::unique_ptr<uint32_t[]> head_;
    std::unique_ptr<uint32_t[]> previous_;
};

} // namespace

size_t PackBound(size_t n) {
    const size_t header = n > kPackedShortHeaderLimit ? kPackedLongHeaderSize
                                                       : kPackedShortHeaderSize;
    return header + n + (n + kLongestRun - 1) / kLongestRun + 1;
}

size_t PackBlock(const uint8_t* input, size_t n, uint8_t* out) {
    if (uint64_t{n} > kPackedLongHeaderLimit || out == nullptr || (n != 0 && input == nullptr)) {
        return 0;
    }
    uint8_t* const outBegin = out;
    if (n <= kPackedShortHeaderLimit) {
        *out++ = 0x10;
        *out++ = 0xFB;
    } else {
        *out++ = 0x90;
        *out++ = 0xFB;
        *out++ = static_cast<uint8_t>(n >> 24);
    }
    *out++ = static_cast<uint8_t>(n >> 16);
    *out++ = static_cast<uint8_t>(n >> 8);
    *out++ = static_cast<uint8_t>(n);

    MatchTables tables;
    size_t literalStart = 0; // first byte not yet written by a command
    size_t p = 0;
    // Positions run while n - 4 - p is not negative; a match needs n - 4 - p of at least 4, so
    // none starts within the last 7 bytes or reaches into the last 4.
    while (n >= 4 && p <= n - 4) {
        const size_t remaining = n - 4 - p;
        const uint32_t hash = Hash(input + p);
        size_t bestLength = 2;
        size_t bestCost = 2;
        size_t bestPosition = 0;
        if (remaining >= 4) {
            const size_t longest = std::min(remaining, kLongestMatch);
            const size_t lowest = p > kWindow - 1 ? p - (kWindow - 1) : 0;
            const uint8_t* here = input + p;
            for (uint32_t slot = tables.Head(hash); slot > lowest;) {
                const size_t m = slot - 1;
                const uint8_t* there = input + m;
                if (here[bestLength] == there[bestLength]) {
                    const size_t length = MatchLength(here, there, longest);
                    if (length > bestLength) {
                        const size_t distance = p - m - 1;
                        const size_t cost = distance < 1024 && length <= 10   ? 2
                                            : distance < 16384 && length <= 67 ? 3
                                                                               : 4;
                        // Gains compare as signed numbers: a longer match that costs more
                        // must save more to win, and a tie keeps the nearer one.
                        if (static_cast<ptrdiff_t>(length - cost) >
                            static_cast<ptrdiff_t>(bestLength) -
                                static_cast<ptrdiff_t>(bestCost)) {
                            bestLength = length;
                            bestCost = cost;
                            bestPosition = m;
                            // Nothing can beat a match of the longest length allowed here.
                            if (bestLength >= longest) {
                                break;
                            }
                        }
                    }
                }
                slot = tables.Previous(m);
            }
        }

        if (bestLength > bestCost) {
            const uint8_t* literals = input + literalStart;
            const size_t carried = WriteRuns(literals, p - literalStart, out);
            const size_t distance = p - bestPosition - 1;
            const size_t length = bestLength;
            if (bestCost == 2) {
                *out++ = static_cast<uint8_t>((length - 3) * 4 + ((distance >> 3) & 0x60) +
                                              carried);
                *out++ = static_cast<uint8_t>(distance);
            } else if (bestCost == 3) {
                *out++ = static_cast<uint8_t>(0x80 + (length - 4));
                *out++ = static_cast<uint8_t>((distance >> 8) + carried * 64);
                *out++ = static_cast<uint8_t>(distance);
            } else {
                *out++ = static_cast<uint8_t>(0xC0 + ((length - 5) >> 8) * 4 +
                                              (distance >> 16) * 16 + carried);
                *out++ = static_cast<uint8_t>(distance >> 8);
                *out++ = static_cast<uint8_t>(distance);
                *out++ = static_cast<uint8_t>(length - 5);
            }
            for (size_t i = 0; i < carried; ++i) {
                *out++ = literals[i];
            }
            tables.Insert(p, hash);
            for (size_t q = p + 1; q < p + length; ++q) {
                tables.Insert(q, Hash(input + q));
            }
            p += length;
            literalStart = p;
        } else {
            tables.Insert(p, hash);
            ++p;
        }
    }

    const uint8_t* literals = input + literalStart;
    const size_t carried = WriteRuns(literals, n - literalStart, out);
    *out++ = static_cast<uint8_t>(0xFC + carried);
    for (size_t i = 0; i < carried; ++i) {
        *out++ = literals[i];
    }
    return static_cast<size_t>(out - outBegin);
}

std::vector<uint8_t> PackBlock(const uint8_t* input, size_t n) {
    std::vector<uint8_t> out;
    if (uint64_t{n} > kPackedLongHeaderLimit) {
        return out;
    }
    out.resize(PackBound(n));
    out.resize(PackBlock(input, n, out.data()));
    return out;
}

} // namespace tallo
