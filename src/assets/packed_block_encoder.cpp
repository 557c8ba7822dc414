#include "assets/packed_block.h"
#include "assets/packed_block_split.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstring>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <thread>
#include <utility>
#include <vector>

namespace tallo {

namespace {

constexpr size_t kWindow = 16384;
constexpr size_t kLongestMatch = 1028;
constexpr size_t kLongestRun = 112;
// Distances below this may use the 2-byte command (for matches of at most 10 bytes).
constexpr size_t kNearDistance = 1024;

inline uint64_t Load64(const uint8_t* p) {
    uint64_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

inline uint32_t Load32(const uint8_t* p) {
    uint32_t value;
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
                return length + static_cast<size_t>(std::countr_zero(difference)) / 8;
            } else {
                return length + static_cast<size_t>(std::countl_zero(difference)) / 8;
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

// The first K bytes (K below 8) of the 8 bytes in `word`, as loaded from memory.
template <size_t K> inline uint64_t Prefix(uint64_t word) {
    if constexpr (std::endian::native == std::endian::little) {
        return word & ((uint64_t{1} << (8 * K)) - 1);
    } else {
        return word >> (64 - 8 * K);
    }
}

template <int Bits> inline uint32_t Hash(uint64_t key) {
    return static_cast<uint32_t>((key * 0x9E3779B97F4A7C15ull) >> (64 - Bits));
}

inline bool SameTriple(const uint8_t* a, const uint8_t* b) {
    return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
}

struct Match {
    size_t length = 2; // 2: none
    size_t cost = 2;
    size_t position = 0;
};

// Smallest match length whose gain (length minus command size) exceeds `gain` at a distance
// below 1024 (near) or from 1024 on (far). The gain grows with the length in either range.
inline size_t NeededNear(size_t gain) {
    return gain + 3 <= 10 ? gain + 3 : gain + 4 <= 67 ? gain + 4 : gain + 5;
}
inline size_t NeededFar(size_t gain) {
    return gain + 4 <= 67 ? gain + 4 : gain + 5;
}

// Gain of a match of `length` bytes nearer than 1024: the most any match of that length gains.
constexpr size_t NearGain(size_t length) {
    return length - (length <= 10 ? 2 : length <= 67 ? 3 : 4);
}

// Chain 0 holds the positions by their first 3 bytes (only the nearest one is used), the
// others by the keys below. Every chain costs each position of the input its entry, whether
// a search ever walks it or not: on record text, chains of 6 and 16 bytes beside these saved
// the walks fewer instructions than they cost to keep (and their tables crowded the cache).
constexpr size_t kChainKey[] = {3, 4, 8};
constexpr int kChainCount = 3;
constexpr int kFirstKeyChain = 1;
// A walk that meets this many failing candidates in a row tries the chain of the key that ends
// where a winner must end, if that many steps down that chain reach the walk's position.
constexpr size_t kTailProbeAfter = 2;
constexpr size_t kTailProbeSteps = 2;
constexpr int kHashBits[kChainCount] = {15, 15, 15};

constexpr size_t HeadOffset(int chain) {
    size_t offset = 0;
    for (int i = 0; i < chain; ++i) {
        offset += size_t{1} << kHashBits[i];
    }
    return offset;
}

// The match search of the greedy matcher. At each position the matcher considers the earlier
// positions of the window that start with the same three bytes, nearest first, and keeps the
// one whose match length minus the size of its command (its gain) is largest; a tie keeps the
// nearer one. A longer match is needed to beat a shorter one, and the gain of a length only
// falls with the distance, so the result is simply the candidate of greatest gain, the
// nearest among equals. That lets the search look at far fewer positions than the candidates:
//
//  - A match of 3 bytes gains 1 only nearer than 1024 bytes (2-byte command) and nothing
//    further back, while every longer match gains at least 1. So 3-byte matches need no chain:
//    only the nearest position with the same three bytes, and only when nothing longer gains
//    more than 1 (the 3-byte one is then nearer than any 4-byte match of gain 1, which lies
//    at 1024 or beyond).
//  - Matches of 4 bytes or more are found in a chain of the positions with the same first 4
//    bytes; as soon as only a match of 8 bytes or more could still win, the walk goes on in
//    the chain of the positions with the same first 8 bytes. Every position of the longer
//    chain lies in the shorter one, so nothing that could win is passed over.
//
// In record text most positions share three or four bytes with hundreds of others in the
// window, nearly all too short to win; the chains step over them.
//
// Many searches end with a long match, and the walk up to it through the 4-byte chain can be
// skipped: when the newest position c of the 8-byte chain really matches at least those 8
// bytes, every nearer position matches fewer, as it would otherwise share the key and stand in
// the chain before c. If c's gain exceeds the gain of the longest such match at the nearest
// distance, none of them can win or tie, and the walk starts at c in that chain. (That fails
// only for a far match of exactly 8 bytes, which a near one of 7 ties.) The same test on the
// 4-byte chain saves nothing: the walk starts at that chain's newest position anyway.
//
// Nor need the key be the first bytes of the match. Once a match of L bytes is found at m,
// every winner matches more, so it shares with p the K bytes at any offset o up to L - K,
// and it lies in the chain of the key at p + o; so does m + o, so the walk can go on from
// there without walking that chain down to m. Which key leaves the fewest positions depends on
// the text (in record text the bytes where a match ends are as often the common ones as its
// first bytes), so the walk takes the chain whose next position lies furthest back.
//
// A walk can also turn to a chain before it finds anything. A winner of `need` bytes shares
// with p the key at p + need - K as well, so the chain of that key (the tail key) holds every
// winner below the walk's position m; and every position of it above m (less need - K) lies
// above m in the chain walked too or fails its key, so it was seen or cannot win. Where many
// positions share p's first bytes but few share the bytes where a winner would end (numbers
// with a common prefix, as record text is full of), the tail key's chain is far shorter. Which
// it is shows after a few failing candidates: the walk then steps down the tail key's chain
// from p + need - K, and goes on in it if a few steps reach m. A chain walked by its tail key
// tests each candidate's first four bytes instead of its last.
//
// Which positions precede a position in a chain depends on the input alone, not on the
// matches chosen, so the links are worked out ahead of the search, a block at a time, in one
// tight pass. Each link is the previous position with the same hash, plus one (hashes stand for
// the keys; a collision only adds a candidate that fails), 0 when there is none. Links are
// whole positions rather than distances, so that entering a position costs no range check; a
// walk stops at the window's lower end, so links to positions that left it (whose slots in the
// ring may hold newer ones) are never followed.
class MatchFinder {
public:
    static constexpr size_t kHeadsSize = HeadOffset(kChainCount);
    // Links are kept for a ring of positions: the window behind the block being searched, and
    // the block.
    static constexpr size_t kBlock = 16384;
    static constexpr size_t kRing = 32768;
    static_assert(kRing >= kWindow + kBlock);
    static constexpr size_t kLinksSize = kRing * kChainCount;

    // The tables, kept from call to call on each thread: packing a few hundred bytes (a badge)
    // would otherwise cost more in allocating and clearing them than in the search itself.
    struct Tables {
        std::unique_ptr<uint32_t[]> heads;
        std::unique_ptr<uint32_t[]> links;
        // Heads and links hold base + position + 1. Each search takes a range of values above
        // all the earlier ones, so entries left by earlier calls stand for no position and the
        // heads need no clearing (only when the 32-bit values run out).
        uint64_t base = 0;
    };

    // The links are worked out from `start` on. A walk never goes below p - (kWindow - 1), so
    // for the searches at p from start + kWindow on the finder finds what one that started at 0
    // finds: a parse can begin anywhere with a finder started kWindow bytes before.
    MatchFinder(const uint8_t* input, size_t n, Tables& tables, size_t start = 0)
        : input_(input), n_(n), prepared_(start) {
        if (!tables.heads) {
            tables.heads.reset(new uint32_t[kHeadsSize]());
            tables.links.reset(new uint32_t[kLinksSize]);
            tables.base = 0;
        }
        if (tables.base + n + 1 > UINT32_MAX) {
            std::fill_n(tables.heads.get(), kHeadsSize, 0u);
            tables.base = 0;
        }
        heads_ = tables.heads.get();
        links_ = tables.links.get();
        base_ = static_cast<ptrdiff_t>(tables.base);
        tables.base += n + 1;
    }

    // The best match at p (p + 8 <= n) of at most `longest` bytes (at least 4) from
    // positions of at least `lowest`. Searches come in increasing order of p.
    // (Compiled into each form of the parse loop: a call per search costs several percent on
    // short inputs.)
    [[gnu::always_inline]] Match Find(size_t p, size_t longest, size_t lowest) {
        // A walk may follow the chains of positions up to p + longest - 4.
        if (p + kLongestMatch >= prepared_ && prepared_ < n_ - 7) {
            const size_t end = std::min(p + kBlock, n_ - 7);
            Prepare(prepared_, end);
            prepared_ = end;
        }
        const ptrdiff_t low = static_cast<ptrdiff_t>(lowest);
        low_ = low;
        const ptrdiff_t nearLowest =
            static_cast<ptrdiff_t>(p >= kNearDistance ? p - kNearDistance : 0);
        const ptrdiff_t nearBound = std::max(low, nearLowest);
        Walk walk;
        // The shortcut pays where long matches come one after another (record text); where
        // they are few (images), looking into the longest chain at every search costs more than
        // it saves. So it is tried only after a search that found 4 bytes or more.
        const bool shortcut = lastLength_ >= 4;
        if (!(shortcut && StartAt<kChainCount - 1>(walk, p, longest, low, nearBound))) {
            walk.links = Links(kFirstKeyChain);
            walk.m = Previous(walk.links, static_cast<ptrdiff_t>(p));
        }
        // The near positions come first in the chain.
        walk = Search<true>(walk, p, longest, nearBound);
        if (!walk.done) {
            walk.need = walk.needFar;
            if (walk.need <= longest) {
                if (walk.need >= walk.climbAt) {
                    walk.known = 0;         // the walk may go on from another position
                    Climb(walk, p, walk.m); // m is still to be seen
                }
                walk = Search<false>(walk, p, longest, low);
            }
        }
        Match best = walk.best;
        lastLength_ = best.length;
        if (best.length - best.cost <= 1) {
            const ptrdiff_t nearest = NearestTriple(p, std::max(low, nearLowest));
            if (nearest >= 0) {
                best = {3, 2, static_cast<size_t>(nearest)};
            }
        }
        return best;
    }

private:
    // The state of the walk through the chains.
    struct Walk {
        int chain = kFirstKeyChain;                     // the chain walked
        size_t climbAt = kChainKey[kFirstKeyChain + 1]; // need that calls for the next chain
        const uint32_t* links = nullptr;                // its links
        ptrdiff_t m = -1;                               // next candidate, -1 for none
        Match best;
        // Smallest length that can still win, nearer than 1024 and from there on; every
        // match found in the chains has at least 4 bytes.
        size_t needNear = 4;
        size_t needFar = 4;
        size_t need = 4;   // of the current range
        bool done = false; // nothing further can win
        size_t offset = 0; // the chain walked is that of the key at p + offset
        size_t known = 0;  // the match length at m, when already measured (else 0)
    };

    // Starts the walk at the newest position c of `Chain` when c wins over every nearer
    // position (see above); the search then takes c first, with a need of the key's length
    // and the length measured here.
    template <int Chain>
    bool StartAt(Walk& walk, size_t p, size_t longest, ptrdiff_t low, ptrdiff_t nearBound) const {
        constexpr size_t kKey = kChainKey[Chain];
        if (longest < kKey) {
            return false;
        }
        const uint32_t* links = Links(Chain);
        const ptrdiff_t c = Previous(links, static_cast<ptrdiff_t>(p));
        if (c < low) {
            return false;
        }
        const size_t length = MatchLength(input_ + p, input_ + c, longest);
        if (length < kKey) {
            return false;
        }
        const bool near = c >= nearBound;
        const size_t gain = near ? NearGain(length) : length - (length <= 67 ? 3 : 4);
        if (gain <= NearGain(kKey - 1)) { // a nearer match of kKey - 1 bytes could tie
            return false;
        }
        walk.chain = Chain;
        walk.climbAt = Chain + 1 < kChainCount ? kChainKey[Chain + 1] : SIZE_MAX;
        walk.links = links;
        walk.m = c;
        walk.needNear = kKey;
        walk.needFar = kKey;
        walk.need = kKey;
        walk.known = length;
        return true;
    }

    // Walks the candidates down to `bound`, all in the near range or all in the far one.
    // (Compiled into Find: a call costs more than it saves here too.)
    template <bool Near>
    [[gnu::always_inline]] Walk Search(Walk walk, size_t p, size_t longest, ptrdiff_t bound) const {
        const uint8_t* here = input_ + p;
        const uint32_t* links = walk.links;
        ptrdiff_t m = walk.m;
        size_t need = walk.need;
        while (true) {
            size_t length;
            if (walk.known != 0 && m >= bound) {
                length = walk.known;
                walk.known = 0;
            } else {
                const size_t key = kChainKey[walk.chain];
                size_t at = walk.offset != 0 && walk.offset + key >= need ? 0 : need - 4;
                m = Sift(links, m, walk.offset, bound, here, at, kTailProbeAfter);
                if (m >= bound && Load32(here + at) != Load32(input_ + m + at)) {
                    // The steps ran out: the chain of the tail key may be shorter (see above).
                    const size_t tailOffset = need - key;
                    if (tailOffset > walk.offset) {
                        const ptrdiff_t entered = Enter(links, p, tailOffset, m);
                        if (entered <= m) {
                            walk.offset = tailOffset;
                            m = entered;
                            at = 0;
                        }
                    }
                    m = Sift(links, m, walk.offset, bound, here, at, SIZE_MAX);
                }
                if (m < bound) {
                    break;
                }
                length = MatchLength(here, input_ + m, longest);
            }
            if (length >= need) {
                const size_t cost = Near && length <= 10 ? 2 : length <= 67 ? 3 : 4;
                walk.best = {length, cost, static_cast<size_t>(m)};
                const size_t gain = length - cost;
                walk.needNear = std::max(length + 1, NeededNear(gain));
                walk.needFar = std::max(length + 1, NeededFar(gain));
                need = Near ? walk.needNear : walk.needFar;
                if (need > longest) {
                    walk.done = true;
                    break;
                }
                // The walk may go on from m in the chain of any key that lies inside m's
                // match (see above); it takes the longest such key, unless a winner must
                // share a longer one.
                int chain = walk.chain;
                while (chain + 1 < kChainCount && kChainKey[chain + 1] <= length) {
                    ++chain;
                }
                const size_t climbAt = chain + 1 < kChainCount ? kChainKey[chain + 1] : SIZE_MAX;
                if (need >= climbAt) {
                    walk.chain = chain;
                    walk.climbAt = climbAt;
                    walk.need = need;
                    Climb(walk, p, m - 1); // past m
                    links = walk.links;
                    m = walk.m;
                    continue;
                }
                // Of the key at the end of m's match and the chain walked so far, the walk
                // follows the one whose next position lies furthest back: a sparse chain there
                // is likely sparse further on. (The key at the match's start, a third choice,
                // saved fewer steps on record text and on images than its look-up cost.)
                const uint32_t* other = Links(chain);
                const size_t offset = length - kChainKey[chain];
                ptrdiff_t next = Next(links, m, walk.offset);
                const ptrdiff_t there = Next(other, m, offset);
                if (there < next) {
                    next = there;
                    walk.chain = chain;
                    walk.climbAt = climbAt;
                    walk.offset = offset;
                    links = other;
                }
                m = next;
                continue;
            }
            m = Next(links, m, walk.offset);
        }
        walk.links = links;
        walk.m = m;
        walk.need = need;
        return walk;
    }

    // Steps down the chain from m (included) to the first candidate whose match could reach
    // the need: a winner matches at least that many bytes, so the four at `at` (its last four,
    // or its first when the chain stands for the last) must be equal. Nearly all the candidates
    // a walk meets fail there, so this loop is kept to the fewest steps. Returns a position
    // below `bound` when there is none, or the candidate reached after `steps` failing ones.
    ptrdiff_t Sift(const uint32_t* links, ptrdiff_t m, size_t offset, ptrdiff_t bound,
                   const uint8_t* here, size_t at, size_t steps) const {
        const uint32_t tail = Load32(here + at);
        const uint8_t* const tails = input_ + at;
        const ptrdiff_t shift = static_cast<ptrdiff_t>(offset);
        const ptrdiff_t bias = base_ + 1 + shift; // Next() in one subtraction
        while (m >= bound && Load32(tails + m) != tail && steps != 0) {
            --steps;
            m = static_cast<ptrdiff_t>(links[static_cast<size_t>(m + shift) % kRing]) - bias;
        }
        return m;
    }

    // The newest candidate not above m in the chain of the key at p + offset, if a few steps
    // down that chain reach it; else a candidate above m.
    ptrdiff_t Enter(const uint32_t* links, size_t p, size_t offset, ptrdiff_t m) const {
        ptrdiff_t candidate = Next(links, static_cast<ptrdiff_t>(p), offset);
        for (size_t step = 0; candidate > m && step < kTailProbeSteps; ++step) {
            candidate = Next(links, candidate, offset);
        }
        return candidate;
    }

    // Moves the walk to the longest chain whose key a winner of `walk.need` bytes must share,
    // at its newest position not above `limit`. The need never exceeds the longest match
    // allowed at p, so p's key of that chain lies inside the input.
    void Climb(Walk& walk, size_t p, ptrdiff_t limit) const {
        while (walk.need >= walk.climbAt) {
            ++walk.chain;
            walk.climbAt = walk.chain + 1 < kChainCount ? kChainKey[walk.chain + 1] : SIZE_MAX;
        }
        walk.links = Links(walk.chain);
        walk.offset = 0;
        walk.m = FirstNotAbove(walk.links, p, limit);
    }

    const uint32_t* Links(int chain) const { return links_ + kRing * chain; }

    // The position before `position` in a chain, -1 when there is none within reach.
    ptrdiff_t Previous(const uint32_t* links, ptrdiff_t position) const {
        return static_cast<ptrdiff_t>(links[static_cast<size_t>(position) % kRing]) - base_ - 1;
    }

    // The candidate after m in the chain of the key at p + offset, in which m + offset lies; -1
    // or less when there is none within reach.
    ptrdiff_t Next(const uint32_t* links, ptrdiff_t m, size_t offset) const {
        return Previous(links, m + static_cast<ptrdiff_t>(offset)) - static_cast<ptrdiff_t>(offset);
    }

    // The newest position of p's chain not above `limit` (-1 for none, also when `limit` lies
    // below the current search's window).
    ptrdiff_t FirstNotAbove(const uint32_t* links, size_t p, ptrdiff_t limit) const {
        if (limit < low_) {
            return -1;
        }
        ptrdiff_t m = Previous(links, static_cast<ptrdiff_t>(p));
        while (m > limit) {
            m = Previous(links, m);
        }
        return m;
    }

    // Key of the first kChainKey[Chain] bytes at q, given the 8 bytes there.
    template <int Chain> uint64_t KeyOf(size_t q, uint64_t word) const {
        constexpr size_t kKey = kChainKey[Chain];
        if constexpr (kKey < 8) {
            return Prefix<kKey>(word);
        } else if constexpr (kKey == 8) {
            return word;
        } else {
            // The tail needs no mixing of its own: Hash multiplies the whole key.
            const uint64_t tail = Load64(input_ + q + kKey - 8);
            return word ^ (tail >> 29 | tail << 35);
        }
    }

    // The hash of the key of `Chain` at q, given the 8 bytes there.
    template <int Chain> uint32_t Bucket(size_t q, uint64_t word) const {
        constexpr size_t kKey = kChainKey[Chain];
        constexpr int kBits = kHashBits[Chain];
        if constexpr (kKey <= 4) {
            // A 32-bit product does for keys of up to 4 bytes, with its factor in the
            // instruction itself.
            return static_cast<uint32_t>(Prefix<kKey>(word)) * 0x9E3779B1u >> (32 - kBits);
        } else {
            return Hash<kBits>(KeyOf<Chain>(q, word));
        }
    }

    // Enters q, whose value in the heads and links is `value`, in the chain; `slot` is q's link
    // in chain 0.
    template <int Chain, bool Checked>
    void Link(uint32_t* heads, uint32_t* slot, size_t q, uint64_t word, uint32_t value) {
        uint32_t& link = slot[kRing * Chain];
        if (Checked && kChainKey[Chain] > 8 && q + kChainKey[Chain] > n_) {
            link = 0; // no key: no match of this length can start here
            return;
        }
        uint32_t& head = (heads + HeadOffset(Chain))[Bucket<Chain>(q, word)];
        link = head;
        head = value;
    }

    template <bool Checked, int... Chain>
    void LinkAll(uint32_t* heads, uint32_t* slot, size_t q, uint64_t word, uint32_t value,
                 std::integer_sequence<int, Chain...>) {
        (Link<Chain, Checked>(heads, slot, q, word, value), ...);
    }

    // Works out the links of the positions from `begin` up to `end` (exclusive; at most
    // n - 7, so that 8 bytes can be read at each).
    void Prepare(size_t begin, size_t end) {
        uint32_t* const heads = heads_;
        constexpr size_t kLongestKey = kChainKey[kChainCount - 1];
        const size_t unchecked = n_ >= kLongestKey ? std::min(end, n_ - kLongestKey + 1) : begin;
        constexpr auto kChains = std::make_integer_sequence<int, kChainCount>();
        // In pieces that do not wrap around the ring, so that one index counts a position's
        // bytes, its value and its link slot alike.
        for (size_t q = begin; q < end;) {
            const size_t ring = q - q % kRing;
            const size_t stop = std::min(end, ring + kRing);
            const size_t checkFrom = std::clamp(unchecked, q, stop);
            const uint8_t* const bytes = input_ + ring;
            const auto first = static_cast<uint32_t>(base_ + static_cast<ptrdiff_t>(ring) + 1);
            size_t i = q - ring;
#pragma GCC unroll 2
            for (; i < checkFrom - ring; ++i) {
                LinkAll<false>(heads, links_ + i, ring + i, Load64(bytes + i),
                               first + static_cast<uint32_t>(i), kChains);
            }
            for (; i < stop - ring; ++i) {
                LinkAll<true>(heads, links_ + i, ring + i, Load64(bytes + i),
                              first + static_cast<uint32_t>(i), kChains);
            }
            q = stop;
        }
    }

    // The nearest position from `low` up to p that starts with the same three bytes as p;
    // -1 when there is none.
    ptrdiff_t NearestTriple(size_t p, ptrdiff_t low) const {
        const uint8_t* here = input_ + p;
        const ptrdiff_t last = Previous(Links(0), static_cast<ptrdiff_t>(p));
        if (last < low) {
            return -1; // no position of this hash lies in range
        }
        if (SameTriple(here, input_ + last)) {
            return last;
        }
        // The newest position of this hash starts differently: any position with our three
        // bytes lies before it. Eight positions are tested at a time, from the nearest down.
        constexpr uint64_t kOnes = 0x0101010101010101ull;
        constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
        const uint64_t first = here[0] * kOnes;
        const uint64_t second = here[1] * kOnes;
        const uint64_t third = here[2] * kOnes;
        ptrdiff_t m = last - 8; // the eight positions from m on
        for (; m >= low; m -= 8) {
            const uint8_t* there = input_ + m;
            const uint64_t differ = (Load64(there) ^ first) | (Load64(there + 1) ^ second) |
                                    (Load64(there + 2) ^ third);
            // The high bit of each byte that is zero, exactly (no carry crosses bytes).
            const uint64_t zero = ~(((differ & kLow7) + kLow7) | differ | kLow7);
            if (zero != 0) {
                return m + LastByte(zero);
            }
        }
        // The remaining positions from low up to m + 7, one by one.
        for (ptrdiff_t q = m + 7; q >= low; --q) {
            if (SameTriple(here, input_ + q)) {
                return q;
            }
        }
        return -1;
    }

    // Index of the last byte (in memory order) whose high bit is set in `mask` (not 0).
    static ptrdiff_t LastByte(uint64_t mask) {
        if constexpr (std::endian::native == std::endian::little) {
            return 7 - std::countl_zero(mask) / 8;
        } else {
            return 7 - std::countr_zero(mask) / 8;
        }
    }

    const uint8_t* input_;
    size_t n_;
    size_t prepared_;              // links are known from the start up to this
    size_t lastLength_ = SIZE_MAX; // of the match the last search found in the chains
    ptrdiff_t low_ = 0;            // lowest candidate of the current search
    // Base plus newest position plus one of every hash of every chain (base or less: none).
    uint32_t* heads_;
    uint32_t* links_;
    ptrdiff_t base_; // of the values of this search
};

// A match the parse chose: `length` bytes at `position` copied from `source`, in a command of
// `cost` bytes.
struct Command {
    uint32_t position;
    uint32_t source;
    uint16_t length;
    uint8_t cost;
};

// Writes the commands of a parse, in order, and the literals between them.
class CommandWriter {
public:
    CommandWriter(const uint8_t* input, uint8_t* out) : input_(input), out_(out) {}

    void Write(size_t p, size_t length, size_t cost, size_t source) {
        // Locals throughout: the bytes written could alias the members.
        uint8_t* out = out_;
        const uint8_t* literals = input_ + literalStart_;
        const size_t carried = WriteRuns(literals, p - literalStart_, out);
        const size_t distance = p - source - 1;
        if (cost == 2) {
            *out++ = static_cast<uint8_t>((length - 3) * 4 + ((distance >> 3) & 0x60) + carried);
            *out++ = static_cast<uint8_t>(distance);
        } else if (cost == 3) {
            *out++ = static_cast<uint8_t>(0x80 + (length - 4));
            *out++ = static_cast<uint8_t>((distance >> 8) + carried * 64);
            *out++ = static_cast<uint8_t>(distance);
        } else {
            *out++ = static_cast<uint8_t>(0xC0 + ((length - 5) >> 8) * 4 + (distance >> 16) * 16 +
                                          carried);
            *out++ = static_cast<uint8_t>(distance >> 8);
            *out++ = static_cast<uint8_t>(distance);
            *out++ = static_cast<uint8_t>(length - 5);
        }
        for (size_t i = 0; i < carried; ++i) {
            *out++ = literals[i];
        }
        out_ = out;
        literalStart_ = p + length;
    }

    void Write(const Command& command) {
        Write(command.position, command.length, command.cost, command.source);
    }

    // The end of the last command written (0 before the first).
    size_t Written() const { return literalStart_; }

    // Goes on as if the commands up to `end` had been written elsewhere.
    void SkipTo(size_t end) { literalStart_ = end; }

    // Appends the bytes another writer wrote for the commands after the last one written here,
    // up to `end`.
    void Append(const uint8_t* bytes, size_t size, size_t end) {
        std::memcpy(out_, bytes, size);
        out_ += size;
        literalStart_ = end;
    }

    uint8_t* Out() const { return out_; }

    // Writes the literals after the last command and the end of the stream; returns the end of
    // the output.
    uint8_t* Finish(size_t n) {
        uint8_t* out = out_;
        const uint8_t* literals = input_ + literalStart_;
        const size_t carried = WriteRuns(literals, n - literalStart_, out);
        *out++ = static_cast<uint8_t>(0xFC + carried);
        for (size_t i = 0; i < carried; ++i) {
            *out++ = literals[i];
        }
        out_ = out;
        return out;
    }

private:
    const uint8_t* input_;
    uint8_t* out_;
    size_t literalStart_ = 0; // first byte not yet written by a command
};

Command ToCommand(size_t p, const Match& best) {
    return {static_cast<uint32_t>(p), static_cast<uint32_t>(best.position),
            static_cast<uint16_t>(best.length), static_cast<uint8_t>(best.cost)};
}

// Where the matches of a recording parse go: those from `writeFrom` up to `writeBelow` to the
// writer, the others to `commands`. While `writeFrom` is kUnset, the first match from
// `headEnd` on sets it just past itself (and `blockAfter` to its index in `commands`).
struct Recording {
    static constexpr size_t kUnset = SIZE_MAX;
    std::vector<Command>* commands;
    size_t writeFrom;
    size_t writeBelow;
    size_t headEnd = kUnset;
    size_t blockAfter = kUnset;
};

// The greedy parse from search position `begin` (one of the whole input's parse) while the
// search position lies below `end`; the matches go to `writer`, or when recording, as
// `recording` says. Returns the first position not searched. A match needs n - 4 - p of at
// least 4, so none starts within the last 7 bytes or reaches into the last 4; positions after
// the last possible match start are all literals, and the parse ends there (n must be at
// least 8).
template <bool Record>
size_t Parse(MatchFinder& finder, size_t n, size_t begin, size_t end, CommandWriter& writer,
             Recording* recording) {
    end = std::min(end, n - 7);
    CommandWriter local = writer; // kept in registers
    size_t p = begin;
    while (p < end) {
        const size_t lowest = p > kWindow - 1 ? p - (kWindow - 1) : 0;
        const Match best = finder.Find(p, std::min(n - 4 - p, kLongestMatch), lowest);
        if (best.length <= best.cost) {
            ++p;
            continue;
        }
        if (!Record || (p >= recording->writeFrom && p < recording->writeBelow)) {
            local.Write(p, best.length, best.cost, best.position);
        } else {
            recording->commands->push_back(ToCommand(p, best));
            if (p >= recording->headEnd && recording->writeFrom == Recording::kUnset) {
                recording->writeFrom = p + 1;
                recording->blockAfter = recording->commands->size() - 1;
                local.SkipTo(p + best.length);
            }
        }
        p += best.length;
    }
    writer = local;
    return p;
}

size_t WriteHeader(size_t n, uint8_t* out) {
    uint8_t* const begin = out;
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
    return static_cast<size_t>(out - begin);
}

// The finder tables of the calling thread, kept from call to call.
MatchFinder::Tables& ThreadTables() {
    thread_local MatchFinder::Tables tables;
    return tables;
}

size_t PackSequential(const uint8_t* input, size_t n, uint8_t* out) {
    uint8_t* const outBegin = out;
    out += WriteHeader(n, out);
    CommandWriter writer(input, out);
    if (n >= 8) {
        MatchFinder finder(input, n, ThreadTables());
        Parse<false>(finder, n, 0, n - 7, writer, nullptr);
    }
    return static_cast<size_t>(writer.Finish(n) - outBegin);
}

// The parse of one segment, from `begin` (as if the whole input's parse searched there) up to
// `stop` (exclusive). The segment's thread records the commands that start before `headEnd`
// and the first one after (at `blockAfter`), and those from the next segment's start on; it
// writes the ones in between itself, `block` holding their bytes, ending at `blockEnd`.
struct SegmentParse {
    size_t begin = 0;
    size_t headEnd = 0;
    size_t stop = 0;
    std::vector<Command> commands;
    size_t blockAfter = Recording::kUnset; // none recorded: no block
    std::unique_ptr<uint8_t[]> block;
    size_t blockSize = 0;
    size_t blockEnd = 0;
    bool failed = false; // it ran out of memory
};

// The segments of one call, shared out between the calling thread and the helpers. The calling
// thread parses segment 0 and, taking kOnward, goes on into each next segment nobody has taken
// yet. A helper (or the calling thread once its parse stops) takes the middle segment of the
// longest run of two or more that nobody has taken, and parses from a window before it, on
// into the next ones in the same way: the parse before the run goes on into its first half. So
// the segments are shared out as the threads come free, whichever of them is held up, and a
// cut costs a window's links and an extension only where a thread had to jump. Taking
// kApart, every segment is parsed on its own, from the last down. Each segment is taken
// exactly once; the parses are those of segment 0 and of each segment a parse started at.
class SharedParse {
public:
    SharedParse(const uint8_t* input, size_t n, std::span<const size_t> starts, size_t extension,
                PackSegmentTaking taking, SegmentParse* segments)
        : input_(input), n_(n), starts_(starts), extension_(extension),
          onward_(taking == PackSegmentTaking::kOnward), segments_(segments) {
        taken_[0].store(true, std::memory_order_relaxed);
        for (size_t k = 1; k < starts.size(); ++k) {
            taken_[k].store(false, std::memory_order_relaxed);
            started_[k] = false;
        }
    }
    SharedParse(const SharedParse&) = delete;
    SharedParse& operator=(const SharedParse&) = delete;

    size_t Count() const { return starts_.size(); }
    bool Onward() const { return onward_; }
    // Where the next segment starts (n after the last), and where a parse ends whose last
    // segment is k.
    size_t NextOf(size_t k) const { return k + 1 < starts_.size() ? starts_[k + 1] : n_; }
    size_t EndOf(size_t k) const {
        return k + 1 < starts_.size() ? starts_[k + 1] + extension_ : n_;
    }
    // Whether a parse started at segment k (read once every parse is done).
    bool Started(size_t k) const { return started_[k]; }

    // Takes segment k; false when another thread has.
    bool Take(size_t k) { return !taken_[k].exchange(true, std::memory_order_relaxed); }

    // Takes segments and parses from them until none is left to take.
    void Help() {
        while (true) {
            const auto [k, runEnd] = Choose();
            if (k == 0) {
                return;
            }
            if (Take(k)) {
                started_[k] = true;
                ParseFrom(k, runEnd);
            }
        }
    }

    // Kept by the helper pool: helpers at work on this call (each one's last access to it is
    // its decrement), helpers that joined it and how many it can use (under the pool's lock).
    std::atomic<int> helpers{0};
    int joined = 0;
    int wanted = 0;

private:
    // The segment to take next (0: none), and the end of the run of untaken segments it lies
    // in: a parse from it can go on no further.
    std::pair<size_t, size_t> Choose() const {
        const size_t count = starts_.size();
        if (!onward_) {
            for (size_t k = count - 1; k >= 1; --k) {
                if (!taken_[k].load(std::memory_order_relaxed)) {
                    return {k, k + 1};
                }
            }
            return {0, 0};
        }
        size_t longest = 0;
        size_t first = 0;
        for (size_t k = 1; k < count;) {
            size_t end = k;
            while (end < count && !taken_[end].load(std::memory_order_relaxed)) {
                ++end;
            }
            if (end - k > longest) {
                longest = end - k;
                first = k;
            }
            k = end + 1;
        }
        if (longest < 2) {
            return {0, 0};
        }
        return {first + longest / 2, first + longest};
    }

    // Parses from segment k (after the first, taken by this thread) on, from a finder started
    // a window before it, at most up to segment `runEnd` (which another thread has taken).
    void ParseFrom(size_t k, size_t runEnd) {
        SegmentParse& segment = segments_[k];
        try {
            const size_t begin = starts_[k];
            size_t last = k;
            // Every command is shorter than its match, so the block is no longer than the
            // literal runs of its matches' bytes would be. It is allocated for the whole run
            // at once (the pages the parse does not reach are never touched).
            const size_t capacity =
                PackBound(std::min(NextOf(runEnd - 1) + kLongestMatch, n_) - begin);
            segment.block = std::make_unique_for_overwrite<uint8_t[]>(capacity);
            segment.commands.reserve(2 * kPackSegmentExtension / 8);
            MatchFinder finder(input_, n_, ThreadTables(), begin > kWindow ? begin - kWindow : 0);
            CommandWriter writer(input_, segment.block.get());
            Recording recording{&segment.commands, Recording::kUnset, NextOf(k), segment.headEnd};
            size_t p = Parse<true>(finder, n_, begin, recording.writeBelow, writer, &recording);
            while (onward_ && last + 1 < runEnd && Take(last + 1)) {
                ++last;
                recording.writeBelow = NextOf(last);
                p = Parse<true>(finder, n_, p, recording.writeBelow, writer, &recording);
            }
            segment.stop = Parse<true>(finder, n_, p, EndOf(last), writer, &recording);
            segment.blockAfter = recording.blockAfter;
            segment.blockSize = static_cast<size_t>(writer.Out() - segment.block.get());
            segment.blockEnd = writer.Written();
        } catch (...) {
            segment.failed = true;
        }
    }

    const uint8_t* input_;
    size_t n_;
    std::span<const size_t> starts_;
    size_t extension_;
    bool onward_;
    SegmentParse* segments_;
    std::array<std::atomic<bool>, kPackMaxPieces> taken_;
    std::array<bool, kPackMaxPieces> started_{};
};

// The helper threads of the parallel parse, started on first use and kept for the rest of the
// process: starting a thread per call took 50-100 us of a parse of some milliseconds, and each
// helper keeps its finder tables warm from call to call. A call offers its segments and parses
// its own; whichever helpers are free join in (see SharedParse). Calls never wait for a helper
// to come: segments that none has taken are the calling thread's.
//
// The pool is never freed, so that a call made while the program exits (or after) finds it
// valid; at exit its threads are stopped and joined, and from then on no call is helped.
class HelperPool {
public:
    static HelperPool& Get() {
        static HelperPool* const pool = new HelperPool;
        static const Stopper stopper{pool};
        return *pool;
    }

    // Offers the call's segments to the helpers; false when there are none (none could be
    // started, or the program is exiting), and none will come. Throws when there is no room
    // to queue the call.
    bool Offer(SharedParse& call) {
        {
            const std::lock_guard lock(mutex_);
            if (stopped_ || threads_.empty()) {
                return false;
            }
            call.wanted = static_cast<int>(std::min(threads_.size(), call.Count() - 1));
            queue_.push_back(&call);
            queued_.fetch_add(1, std::memory_order_relaxed);
        }
        wake_.notify_all();
        return true;
    }

    // Takes the call back from the helpers that have not joined it, and waits for those that
    // did to finish their segments.
    void Withdraw(SharedParse& call) {
        {
            const std::lock_guard lock(mutex_);
            const auto it = std::find(queue_.begin(), queue_.end(), &call);
            if (it != queue_.end()) {
                queue_.erase(it);
                queued_.fetch_sub(1, std::memory_order_relaxed);
            }
        }
        // Yielding rather than blocking: a blocked thread wakes some tens of microseconds late.
        while (call.helpers.load(std::memory_order_acquire) != 0) {
            std::this_thread::yield();
        }
    }

private:
    HelperPool() {
        const size_t threads =
            std::min<size_t>(std::thread::hardware_concurrency(), kPackMaxSegments);
        try {
            threads_.reserve(threads);
            for (size_t k = 1; k < threads; ++k) {
                threads_.emplace_back(&HelperPool::Run, this);
            }
        } catch (...) {
            // Fewer helpers (perhaps none): the calls do the rest themselves.
        }
    }

    void Run() {
        std::unique_lock lock(mutex_);
        while (true) {
            if (queue_.empty() && !stopped_) {
                // Calls tend to come one after another (the chunks of an archive, a batch of
                // files): a helper that went to sleep would wake tens of microseconds after the
                // next is offered, so it looks out for one a little while first, yielding to
                // whatever else wants its core.
                lock.unlock();
                const auto until = std::chrono::steady_clock::now() + kLookOut;
                while (queued_.load(std::memory_order_relaxed) == 0 &&
                       std::chrono::steady_clock::now() < until) {
                    std::this_thread::yield();
                }
                lock.lock();
            }
            wake_.wait(lock, [this] { return stopped_ || !queue_.empty(); });
            if (stopped_) {
                return;
            }
            SharedParse* const call = queue_.front();
            call->helpers.fetch_add(1, std::memory_order_relaxed);
            if (++call->joined >= call->wanted) {
                queue_.pop_front();
                queued_.fetch_sub(1, std::memory_order_relaxed);
            }
            lock.unlock();
            call->Help();
            call->helpers.fetch_sub(1, std::memory_order_release);
            lock.lock();
        }
    }

    void Stop() {
        {
            const std::lock_guard lock(mutex_);
            stopped_ = true;
        }
        wake_.notify_all();
        for (std::thread& thread : threads_) {
            thread.join();
        }
    }

    // Stops the pool when the program exits.
    struct Stopper {
        HelperPool* pool;
        ~Stopper() { pool->Stop(); }
    };

    std::mutex mutex_;
    std::condition_variable wake_;
    static constexpr std::chrono::microseconds kLookOut{100};

    std::deque<SharedParse*> queue_;
    std::atomic<int> queued_{0}; // calls in the queue, looked at without the lock
    bool stopped_ = false;
    std::vector<std::thread> threads_;
};

// Follows a parse through its commands: at `p`, one of its search positions, `next` is its
// first command at or after p.
struct Cursor {
    const Command* next;
    const Command* end;
    size_t stop;                         // the parse searched the positions below this
    const SegmentParse* owner = nullptr; // of the block after the command at its blockAfter
};

Cursor CursorAt(const SegmentParse& segment, const Command* next) {
    return {next, segment.commands.data() + segment.commands.size(), segment.stop, &segment};
}

// Joins the parses of the segments into the parse of the whole input and writes it, after the
// commands of the first segment that start before the second (already written). From the
// start the whole parse is the first segment's. Once it passes the start of the next segment,
// the first of its search positions that is also one of that segment's parse (not inside a
// match of it) is where the two become one: the match found at a position depends only on the
// input and the position. They must meet before the segment's commands that its thread wrote
// itself (its first from `headEnd` on at the latest), or the segment is passed over. If a
// parse ends before meeting the next, the whole parse goes on from there with a finder of its
// own, until it meets a later segment's parse or the end.
void JoinAndWrite(const uint8_t* input, size_t n, std::span<const SegmentParse* const> segments,
                  size_t extension, CommandWriter& writer, PackSplitReport& report) {
    const size_t searchEnd = n - 7;
    Cursor cursor = CursorAt(*segments[0], segments[0]->commands.data());
    size_t p = writer.Written(); // the whole parse's next search position
    std::vector<Command> continued;
    std::optional<MatchFinder> finder;
    size_t finderAt = 0; // where `finder` may go on from
    auto take = [&] {
        const Command& command = *cursor.next;
        writer.Write(command);
        p = command.position + command.length;
        ++cursor.next;
        const SegmentParse* owner = cursor.owner;
        if (owner != nullptr && owner->blockAfter != Recording::kUnset &&
            &command == &owner->commands[owner->blockAfter]) {
            writer.Append(owner->block.get(), owner->blockSize, owner->blockEnd);
            p = owner->blockEnd;
        }
    };
    auto goOn = [&](size_t end) {
        if (!finder || finderAt != p) {
            finder.emplace(input, n, ThreadTables(), p > kWindow ? p - kWindow : 0);
        }
        continued.clear();
        CommandWriter unused(input, nullptr);
        Recording recording{&continued, Recording::kUnset, 0};
        const size_t stop = Parse<true>(*finder, n, p, end, unused, &recording);
        report.fallbackPositions += stop - p;
        finderAt = stop;
        cursor = {continued.data(), continued.data() + continued.size(), stop};
    };
    bool fallingBack = false;
    for (size_t k = 1; k < segments.size() && p < searchEnd; ++k) {
        const SegmentParse& segment = *segments[k];
        // Up to the segment's start the whole parse follows the current one.
        while (cursor.next != cursor.end && cursor.next->position < segment.begin) {
            take();
        }
        p = std::max(p, std::min(segment.begin, cursor.stop));
        const Command* theirs = segment.commands.data();
        const Command* const theirEnd = theirs + segment.commands.size();
        const size_t meetBelow = segment.blockAfter != Recording::kUnset
                                     ? segment.commands[segment.blockAfter].position + 1
                                     : segment.stop;
        while (p < searchEnd && p < meetBelow) {
            while (theirs != theirEnd && theirs->position + theirs->length <= p) {
                ++theirs;
            }
            if (p >= segment.begin && (theirs == theirEnd || theirs->position >= p)) {
                cursor = CursorAt(segment, theirs);
                fallingBack = false;
                break;
            }
            if (p >= cursor.stop) {
                if (!fallingBack) {
                    fallingBack = true;
                    ++report.fallbacks;
                }
                goOn(p + std::max<size_t>(extension, 1));
            }
            if (cursor.next != cursor.end && cursor.next->position == p) {
                take();
            } else {
                ++p;
            }
        }
    }
    // The rest follows the current parse, and goes on from its end if it ends too early.
    while (p < searchEnd) {
        while (cursor.next != cursor.end) {
            take();
        }
        p = std::max(p, cursor.stop);
        if (p < searchEnd) {
            if (!fallingBack) {
                fallingBack = true;
                ++report.fallbacks;
            }
            goOn(searchEnd);
        }
    }
}

} // namespace

size_t PackSegmentCount(size_t n, unsigned threads) {
    return std::max<size_t>(1,
                            std::min({size_t{threads}, kPackMaxSegments, n / kPackSegmentMinimum}));
}

size_t PackCutStarts(size_t n, unsigned threads, std::span<size_t, kPackMaxPieces> starts) {
    starts[0] = 0;
    const size_t segments = PackSegmentCount(n, threads);
    if (segments == 1) {
        return 1;
    }
    // Two or more pieces for each thread, so that the first helper to come has a run of them
    // to cut in two wherever the calling thread has got to.
    const size_t count = std::clamp(n / kPackSmallPiece, 2 * segments, kPackMaxPieces);
    for (size_t k = 1; k < count; ++k) {
        starts[k] = k * n / count;
    }
    return count;
}

size_t PackBlockInSegments(const uint8_t* input, size_t n, uint8_t* out,
                           std::span<const size_t> starts, size_t extension,
                           PackSplitReport* report, PackSegmentTaking taking) {
    PackSplitReport scratch;
    PackSplitReport& counts = report != nullptr ? *report : scratch;
    counts = {};
    if (uint64_t{n} > kPackedLongHeaderLimit || out == nullptr || (n != 0 && input == nullptr)) {
        return 0;
    }
    const size_t count = starts.size();
    bool cut = n >= 8 && count >= 2 && count <= kPackMaxPieces && starts[0] == 0;
    for (size_t k = 1; k < count && cut; ++k) {
        cut = starts[k - 1] < starts[k] && starts[k] < n;
    }
    if (!cut) {
        counts.sequential = true;
        return PackSequential(input, n, out);
    }
    extension = std::min(extension, n);
    std::array<SegmentParse, kPackMaxPieces> segments;
    for (size_t k = 0; k < count; ++k) {
        segments[k].begin = starts[k];
        segments[k].headEnd = starts[k] + extension;
    }
    SharedParse call(input, n, starts, extension, taking, segments.data());
    HelperPool* pool = nullptr;
    bool helped = false;
    try {
        pool = &HelperPool::Get();
        helped = pool->Offer(call);
    } catch (...) {
        // No pool, or no room to offer the call: no help.
    }
    if (!helped && taking == PackSegmentTaking::kOnward) {
        counts.sequential = true;
        return PackSequential(input, n, out);
    }
    uint8_t* const outBegin = out;
    out += WriteHeader(n, out);
    CommandWriter writer(input, out);
    // This thread parses the first segment, on into the next ones as the call allows. Its
    // commands before the first segment it did not take are the whole parse's and are written
    // at once.
    bool failed = false;
    SegmentParse& first = segments[0];
    try {
        first.commands.reserve(extension / 4);
        MatchFinder finder(input, n, ThreadTables());
        Recording recording{&first.commands, 0, call.NextOf(0)};
        size_t p = Parse<true>(finder, n, 0, recording.writeBelow, writer, &recording);
        size_t last = 0;
        while (call.Onward() && last + 1 < count && call.Take(last + 1)) {
            ++last;
            recording.writeBelow = call.NextOf(last);
            p = Parse<true>(finder, n, p, recording.writeBelow, writer, &recording);
        }
        first.stop = Parse<true>(finder, n, p, call.EndOf(last), writer, &recording);
    } catch (...) {
        failed = true;
    }
    // Then it helps with the rest, if any is left.
    call.Help();
    if (helped) {
        pool->Withdraw(call);
    }
    std::array<const SegmentParse*, kPackMaxPieces> parses;
    size_t parseCount = 0;
    parses[parseCount++] = &first;
    for (size_t k = 1; k < count; ++k) {
        if (call.Started(k)) {
            failed = failed || segments[k].failed;
            parses[parseCount++] = &segments[k];
        }
    }
    counts.parses = parseCount;
    if (failed) {
        counts = {};
        counts.sequential = true;
        return PackSequential(input, n, outBegin);
    }
    try {
        JoinAndWrite(input, n, std::span(parses.data(), parseCount), extension, writer, counts);
    } catch (...) {
        counts = {};
        counts.sequential = true;
        return PackSequential(input, n, outBegin);
    }
    return static_cast<size_t>(writer.Finish(n) - outBegin);
}

size_t PackBound(size_t n) {
    const size_t header =
        n > kPackedShortHeaderLimit ? kPackedLongHeaderSize : kPackedShortHeaderSize;
    return header + n + (n + kLongestRun - 1) / kLongestRun + 1;
}

size_t PackBlock(const uint8_t* input, size_t n, uint8_t* out) {
    if (uint64_t{n} > kPackedLongHeaderLimit || out == nullptr || (n != 0 && input == nullptr)) {
        return 0;
    }
    if (n >= 2 * kPackSegmentMinimum) {
        std::array<size_t, kPackMaxPieces> starts{};
        const size_t count = PackCutStarts(n, std::thread::hardware_concurrency(), starts);
        if (count > 1) {
            return PackBlockInSegments(input, n, out, std::span(starts.data(), count),
                                       kPackSegmentExtension, nullptr, PackSegmentTaking::kOnward);
        }
    }
    return PackSequential(input, n, out);
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
