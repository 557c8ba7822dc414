#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tallo {

// A 24-bit picture held as a whole BMP file in memory, ready for the user interface to turn
// into an image of its own:
//
//   0   "BM", total size (32-bit), two reserved zero words, pixel offset 54
//   14  info header: size 40, width, height (positive: rows bottom-up), one plane, 24 bits,
//       no compression, image size (total - 54), then four zero fields
//   54  the rows, bottom row first, each pixel as blue, green, red, each row padded with zero
//       bytes to a multiple of 4
//
// A 3 by 2 picture thus takes 54 + 2 * 12 = 78 bytes.
struct DibImage {
    static constexpr size_t kHeaderSize = 54;
    static constexpr size_t kBytesPerPixel = 3;

    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> bytes; // the whole BMP file; empty when there is no picture

    bool Empty() const { return bytes.empty(); }

    // Bytes of one row: 3 * width rounded up to a multiple of 4.
    static uint64_t RowStride(uint64_t width);
    // Bytes of the whole file for a picture of that size (64-bit, never wraps).
    static uint64_t FileSize(uint64_t width, uint64_t height);

    // Makes a zero picture of the given size with both headers written. False (and the
    // image left empty) when the file would exceed `maxBytes`.
    bool Create(uint32_t newWidth, uint32_t newHeight, uint64_t maxBytes);

    // Offset of pixel (x, y) in `bytes`, y counted from the top row as the picture is seen.
    // The caller keeps x < width and y < height.
    size_t PixelOffset(uint32_t x, uint32_t y) const;
};

} // namespace tallo
