// Decodes the input as a TGA picture into a BMP.
//
// A picture that decodes has the size its header gives, a BMP file of exactly that size with
// its padding bytes zero. Its pixels survive a trip through the other forms the decoder
// reads: written again as an uncompressed 24-bit picture, as a run-length 32-bit picture with
// its rows from the top, and as run-length 24-bit with an ID field and a skipped colour map,
// each decodes to the same BMP bytes.

#include "assets/dib_image.h"
#include "assets/tga_to_bmp.h"
#include "fuzz_support.h"
#include "platform/byte_order.h"

#include <cstring>
#include <memory>
#include <vector>

namespace tallo::fuzz {
namespace {

// Pictures up to this many BMP bytes are written again in the other forms (larger ones only
// cost time: the decoder takes the same path for them).
constexpr size_t kRoundTripBytes = size_t{64} << 10;
// Headers asking for a picture between this size and the decoder's cap are passed over: each
// would cost tens of megabytes of zeroing for nothing the smaller pictures do not reach. The
// cap itself is still tried (its refusal costs nothing).
constexpr uint64_t kLargestDecoded = uint64_t{1} << 20;

struct TgaForm {
    uint8_t type = 2; // 2 uncompressed, 10 run-length
    uint8_t bits = 24;
    bool topDown = false;
    uint8_t idLength = 0;
    uint16_t colourMapLength = 0; // entries of 24 bits, skipped by the reader
};

// The pixel (x, y) of the BMP (y from the top) in the byte order of a TGA pixel of `bits`.
void PixelBytes(const DibImage& image, uint32_t x, uint32_t y, uint8_t bits, uint8_t* out) {
    const uint8_t* p = image.bytes.data() + image.PixelOffset(x, y);
    out[0] = p[0];
    out[1] = p[1];
    out[2] = p[2];
    if (bits == 32) {
        out[3] = 0xFF;
    }
}

std::vector<uint8_t> WriteTga(const DibImage& image, const TgaForm& form) {
    std::vector<uint8_t> tga(18, 0);
    tga[0] = form.idLength;
    tga[1] = form.colourMapLength != 0 ? 1 : 0;
    tga[2] = form.type;
    tga[5] = static_cast<uint8_t>(form.colourMapLength);
    tga[6] = static_cast<uint8_t>(form.colourMapLength >> 8);
    tga[7] = 24;
    tga[12] = static_cast<uint8_t>(image.width);
    tga[13] = static_cast<uint8_t>(image.width >> 8);
    tga[14] = static_cast<uint8_t>(image.height);
    tga[15] = static_cast<uint8_t>(image.height >> 8);
    tga[16] = form.bits;
    tga[17] = form.topDown ? 0x20 : 0x00;
    tga.insert(tga.end(), form.idLength, 'I');
    tga.insert(tga.end(), size_t{form.colourMapLength} * 3, 0x55);

    const size_t depth = form.bits / 8;
    // Pixels in file order: rows from the bottom up, or from the top down.
    std::vector<uint8_t> pixels;
    pixels.reserve(size_t{image.width} * image.height * depth);
    for (uint32_t row = 0; row < image.height; ++row) {
        const uint32_t y = form.topDown ? row : image.height - 1 - row;
        for (uint32_t x = 0; x < image.width; ++x) {
            uint8_t bytes[4];
            PixelBytes(image, x, y, form.bits, bytes);
            pixels.insert(pixels.end(), bytes, bytes + depth);
        }
    }
    if (form.type == 2) {
        tga.insert(tga.end(), pixels.begin(), pixels.end());
        return tga;
    }
    // Run-length packets that run across row ends: runs of equal pixels, else raw packets.
    const size_t count = pixels.size() / depth;
    size_t i = 0;
    while (i < count) {
        size_t run = 1;
        while (i + run < count && run < 128 &&
               std::memcmp(&pixels[(i + run) * depth], &pixels[i * depth], depth) == 0) {
            ++run;
        }
        if (run >= 2) {
            tga.push_back(static_cast<uint8_t>(0x80 | (run - 1)));
            tga.insert(tga.end(), pixels.begin() + i * depth, pixels.begin() + (i + 1) * depth);
            i += run;
            continue;
        }
        size_t raw = 1;
        while (i + raw < count && raw < 128 &&
               (i + raw + 1 >= count || std::memcmp(&pixels[(i + raw) * depth],
                                                    &pixels[(i + raw + 1) * depth], depth) != 0)) {
            ++raw;
        }
        tga.push_back(static_cast<uint8_t>(raw - 1));
        tga.insert(tga.end(), pixels.begin() + i * depth, pixels.begin() + (i + raw) * depth);
        i += raw;
    }
    return tga;
}

void CheckBmp(const DibImage& image, uint16_t width, uint16_t height) {
    TALLO_FUZZ_CHECK(image.width == width && image.height == height);
    TALLO_FUZZ_CHECK(image.bytes.size() == DibImage::FileSize(width, height));
    const uint8_t* b = image.bytes.data();
    TALLO_FUZZ_CHECK(b[0] == 'B' && b[1] == 'M');
    TALLO_FUZZ_CHECK(GetLittle32(b + 2) == image.bytes.size());
    TALLO_FUZZ_CHECK(GetLittle32(b + 10) == DibImage::kHeaderSize);
    TALLO_FUZZ_CHECK(GetLittle32(b + 18) == width && GetLittle32(b + 22) == height);
    TALLO_FUZZ_CHECK(GetLittle16(b + 28) == 24);
    // The padding at the end of every row stays zero.
    const uint64_t stride = DibImage::RowStride(width);
    const uint64_t used = uint64_t{width} * DibImage::kBytesPerPixel;
    if (used != stride && image.bytes.size() <= kRoundTripBytes) {
        for (uint32_t row = 0; row < height; ++row) {
            for (uint64_t i = used; i < stride; ++i) {
                TALLO_FUZZ_CHECK(b[DibImage::kHeaderSize + row * stride + i] == 0);
            }
        }
    }
}

void CheckSamePicture(const DibImage& image, const TgaForm& form) {
    const std::vector<uint8_t> tga = WriteTga(image, form);
    // In a buffer of its own size, so that the sanitizer sees a read past its end.
    const std::unique_ptr<uint8_t[]> exact(new uint8_t[tga.size()]);
    std::memcpy(exact.get(), tga.data(), tga.size());
    DibImage again;
    TALLO_FUZZ_CHECK(TgaToBmp(exact.get(), tga.size(), again));
    TALLO_FUZZ_CHECK(again.bytes == image.bytes);
}

} // namespace
} // namespace tallo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tallo;
    using namespace tallo::fuzz;
    const std::unique_ptr<uint8_t[]> input(new uint8_t[size]);
    if (size != 0) {
        std::memcpy(input.get(), data, size);
    }
    if (size >= 18) {
        const uint64_t bmpBytes =
            DibImage::FileSize(GetLittle16(data + 12), GetLittle16(data + 14));
        if (bmpBytes > kLargestDecoded && bmpBytes <= kMaxTgaBmpBytes) {
            return 0;
        }
    }
    DibImage image;
    if (!TgaToBmp(input.get(), size, image)) {
        TALLO_FUZZ_CHECK(image.Empty());
        // Only a short header or a picture above the cap is refused.
        TALLO_FUZZ_CHECK(size < 18 || DibImage::FileSize(GetLittle16(data + 12),
                                                         GetLittle16(data + 14)) > kMaxTgaBmpBytes);
        return 0;
    }
    CheckBmp(image, GetLittle16(data + 12), GetLittle16(data + 14));
    if (image.bytes.size() > kRoundTripBytes) {
        return 0;
    }
    CheckSamePicture(image, TgaForm{});
    CheckSamePicture(image, TgaForm{10, 32, true, 0, 0});
    CheckSamePicture(image, TgaForm{10, 24, false, 7, 3});
    return 0;
}
