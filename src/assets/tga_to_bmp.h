#pragma once

#include "assets/dib_image.h"

#include <cstddef>
#include <cstdint>

namespace tallo {

// Largest picture TgaToBmp makes, in bytes of the BMP file: 64 MiB, far above any badge
// (a 4096 by 4096 picture needs 48 MiB). A header asking for more is refused.
constexpr uint64_t kMaxTgaBmpBytes = uint64_t{64} << 20;

// Decodes a Truevision TGA file into a 24-bit BMP in memory (see DibImage).
//
// Header: ID length at byte 0, colour-map type at 1, image type at 2, colour-map length
// (little-endian 16-bit) at 5 and entry size in bits at 7, width and height (little-endian
// 16-bit) at 12 and 14, pixel depth at 16, descriptor at 17. The pixels follow the ID field
// and, when the colour-map type is 1, the colour map, which a true-colour picture does not
// use and which is skipped.
//
// Understood forms: type 2 (uncompressed) and type 10 (run-length) with 16, 24 or 32 bits a
// pixel. 24 bits are blue, green, red; 32 bits add alpha, which is dropped; a 16-bit
// little-endian value p gives blue (p & 31) * 8, green ((p >> 5) & 31) * 8 and red
// ((p >> 10) & 31) * 8. A run-length packet starts with a byte h and covers (h & 127) + 1
// pixels: that many pixels follow when h is below 128, otherwise one pixel follows and is
// repeated. Packets run on across row ends; decoding stops when the last row is full.
//
// Rows are taken in file order as bottom-up, which is the usual TGA layout; a picture whose
// descriptor has bit 5 set (rows top-down) is turned the right way up.
//
// Untrusted input: every read stays inside `data`, every write inside the picture. Pixels
// the file does not hold (a short file, a run that ends early) stay zero, as does the whole
// picture for other types and depths. The result is false, with `image` empty, only when the
// 18-byte header is incomplete or the picture would exceed kMaxTgaBmpBytes.
bool TgaToBmp(const uint8_t* data, size_t length, DibImage& image);

} // namespace tallo
