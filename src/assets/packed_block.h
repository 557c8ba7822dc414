#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tallo {

// The packed block: an LZ-style command stream behind a small header. Archive entries, whole
// archives and the chunks of the world archive use it.
//
// Header forms:
//   0x10 0xFB, unpacked size as 24-bit big-endian            (5 bytes, sizes up to 0xFFFFFF)
//   0x90 0xFB, unpacked size as 32-bit big-endian            (6 bytes, larger payloads)
//
// Commands (b0..b3 the bytes at the read position; literals are copied before the back-copy,
// whose distance counts back from the output position after the literals):
//   0x00-0x7F  2 bytes   literals b0&3, copy ((b0>>2)&7)+3 from ((b0&0x60)<<3)+b1+1
//   0x80-0xBF  3 bytes   literals b1>>6, copy (b0&0x3F)+4 from ((b1&0x3F)<<8)+b2+1
//   0xC0-0xDF  4 bytes   literals b0&3, copy ((b0>>2)&3)*256+b3+5 from
//                        ((b0&0x10)<<12)+(b1<<8)+b2+1
//   0xE0-0xFB  1 byte    literals ((b0&0x1F)+1)*4
//   0xFC-0xFF  1 byte    literals b0&3, then the stream ends

inline constexpr size_t kPackedShortHeaderSize = 5;
inline constexpr size_t kPackedLongHeaderSize = 6;
// Largest unpacked size the short header can carry.
inline constexpr uint64_t kPackedShortHeaderLimit = 0xFFFFFF;
// Largest input PackBlock accepts (the long header's 32-bit size).
inline constexpr uint64_t kPackedLongHeaderLimit = 0xFFFFFFFF;
// UnpackBlock refuses blocks announcing more than this unless the caller allows more.
inline constexpr uint64_t kMaxUnpackedSize = uint64_t{1} << 30;

// True when the data starts with the short header's two marker bytes 0x10 0xFB and is long
// enough to hold that header. Archives treat only this form as packed.
bool HasShortPackedHeader(const uint8_t* data, size_t length);

// The unpacked size from a packed block's header: the 24-bit size after 0x10 0xFB, the 32-bit
// size after 0x90 0xFB, and 0 for any other start or a block too short for its header.
uint64_t UnpackSize(const uint8_t* block, size_t length);

// Decodes a packed block of either header form into `out`. Fails (leaving `out` empty) when
// the header is missing, the size is above `maxSize` or cannot come from a stream of this
// length, a command reads past the input, writes past the announced size or copies from
// before the start of the output, or the stream yields fewer bytes than announced.
bool UnpackBlock(const uint8_t* block, size_t length, std::vector<uint8_t>& out,
                 uint64_t maxSize = kMaxUnpackedSize);

// Decodes into a caller's buffer of exactly `outSize` bytes, which must equal the size in the
// header. Same checks as above, without the size cap.
bool UnpackBlockInto(const uint8_t* block, size_t length, uint8_t* out, size_t outSize);

// The most bytes PackBlock can write for `n` input bytes: header + n + ceil(n / 112) + 1.
size_t PackBound(size_t n);

// Packs `n` bytes into `out`, which must hold PackBound(n) bytes, and returns the length of
// the packed block, header included. The short header is used up to 0xFFFFFF bytes, the long
// one above. Returns 0 (writing nothing) for inputs above kPackedLongHeaderLimit.
//
// The encoder is a greedy hash-chain matcher over a window of 16384 bytes with a hash table of
// 7331 heads and matches of at most 1028 bytes; for the same input it always gives the same
// bytes. Inputs of 128 KiB and more are parsed in segments on all cores, joined where the
// parses meet (packed_block_split.h): the bytes are those of the parse on one thread.
size_t PackBlock(const uint8_t* input, size_t n, uint8_t* out);

// Convenience form: the packed block as a new buffer (empty for inputs that are too large).
std::vector<uint8_t> PackBlock(const uint8_t* input, size_t n);

} // namespace tallo
