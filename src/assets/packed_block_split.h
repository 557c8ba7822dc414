#pragma once

// The packer's parallel parse, open to the tests so that they can cut small inputs where they
// like. The rest of the program calls PackBlock, which cuts large inputs by itself.

#include <cstddef>
#include <cstdint>
#include <span>

namespace tallo {

// Inputs of at least twice this size are parsed on more than one thread when the machine has
// more than one; each thread gets a segment of at least this size. (On two cores, two segments
// of 64 KiB of a country file pack 1.7 times as fast as one thread, two of 32 KiB 1.5 times.)
inline constexpr size_t kPackSegmentMinimum = 64 * 1024;
// How far a thread parses past the end of its segment, to meet the next thread's parse there.
inline constexpr size_t kPackSegmentExtension = 4096;
inline constexpr size_t kPackMaxSegments = 8;

// Number of segments PackBlock cuts `n` bytes into with `threads` hardware threads (1: none).
// Segment k of S starts at k * n / S.
size_t PackSegmentCount(size_t n, unsigned threads);

struct PackSplitReport {
    // Joins where the whole parse did not meet the next segment's parse within the extension
    // and went on sequentially, and the positions it searched so.
    size_t fallbacks = 0;
    size_t fallbackPositions = 0;
    // True when the input was not cut after all (the cut was not valid, or a thread could not
    // be started or ran out of memory).
    bool sequential = false;
};

// Packs exactly as PackBlock does, with the parse cut at `starts` (0 first, then increasing
// and below n; at most kPackMaxSegments): each segment is parsed on a thread of its own (the
// first on the calling thread), going on `extension` bytes past the segment's end, and the
// parses are joined where they meet. `out` must hold PackBound(n) bytes.
size_t PackBlockInSegments(const uint8_t* input, size_t n, uint8_t* out,
                           std::span<const size_t> starts, size_t extension,
                           PackSplitReport* report = nullptr);

} // namespace tallo
