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
// Most segments of a call (PackBlock cuts more, and smaller, than there are threads: see
// PackCutStarts).
inline constexpr size_t kPackMaxPieces = 32;

// Number of segments PackBlock cuts `n` bytes into with `threads` hardware threads (1: none).
// Segment k of S starts at k * n / S.
size_t PackSegmentCount(size_t n, unsigned threads);

// The smallest piece PackBlock cuts an input into for its threads to take.
inline constexpr size_t kPackSmallPiece = 16 * 1024;

// The starts of the segments PackBlock cuts `n` bytes into with `threads` hardware threads,
// to take kOnward: of even length, at least two for each of the PackSegmentCount(n, threads)
// threads and at least kPackSmallPiece long where kPackMaxPieces allow. Returns their count
// (1: not cut; starts[0] is 0).
size_t PackCutStarts(size_t n, unsigned threads, std::span<size_t, kPackMaxPieces> starts);

struct PackSplitReport {
    // Joins where the whole parse did not meet the next segment's parse within the extension
    // and went on sequentially, and the positions it searched so.
    size_t fallbacks = 0;
    size_t fallbackPositions = 0;
    // True when the input was not cut after all (the cut was not valid, a parse ran out of
    // memory, or taking kOnward, no helper thread was to be had).
    bool sequential = false;
    // Parses joined: the calling thread's (from the start, through the segments it took on)
    // and one for each segment a thread jumped to (taken kApart, every segment).
    size_t parses = 0;
};

// How the segments after the first are shared out between the calling thread, which parses the
// first, and the helper threads.
enum class PackSegmentTaking {
    // Every segment is parsed on its own, from a window before it, and every cut joined; the
    // threads take them from the last down (which thread parses which is left to them).
    kApart,
    // A parse goes on into each next segment that nobody has taken yet, as if the input were
    // not cut there; a thread that comes free takes the middle segment of the longest run of
    // two or more untaken ones (fewer parses and joins, and however late a helper comes or
    // slow a thread runs, the others take over its share).
    kOnward,
};

// Packs exactly as PackBlock does, with the parse cut at `starts` (0 first, then increasing
// and below n; at most kPackMaxPieces), the segments shared out as `taking` says: each parse
// goes on `extension` bytes past the end of its last segment, and the parses are joined where
// they meet. With kOnward and no helper thread to be had, the input is not cut. `out` must
// hold PackBound(n) bytes.
size_t PackBlockInSegments(const uint8_t* input, size_t n, uint8_t* out,
                           std::span<const size_t> starts, size_t extension,
                           PackSplitReport* report = nullptr,
                           PackSegmentTaking taking = PackSegmentTaking::kApart);

} // namespace tallo
