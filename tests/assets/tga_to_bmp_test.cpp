#include "assets/tga_to_bmp.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

namespace tallo {
namespace {

using Bytes = std::vector<uint8_t>;
using Pixel = std::array<uint8_t, 3>; // blue, green, red

Bytes Header(uint8_t type, uint16_t width, uint16_t height, uint8_t bits, uint8_t descriptor = 0,
             uint8_t idLength = 0) {
    Bytes header(18, 0);
    header[0] = idLength;
    header[2] = type;
    header[12] = static_cast<uint8_t>(width);
    header[13] = static_cast<uint8_t>(width >> 8);
    header[14] = static_cast<uint8_t>(height);
    header[15] = static_cast<uint8_t>(height >> 8);
    header[16] = bits;
    header[17] = descriptor;
    return header;
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

uint32_t Little32(const Bytes& bytes, size_t at) {
    return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) |
           (uint32_t{bytes[at + 3]} << 24);
}

DibImage Decode(const Bytes& tga) {
    DibImage image;
    EXPECT_TRUE(TgaToBmp(tga.data(), tga.size(), image));
    return image;
}

// Pixel (x, y) with y counted from the top of the picture as seen.
Pixel At(const DibImage& image, uint32_t x, uint32_t y) {
    const size_t at = image.PixelOffset(x, y);
    return {image.bytes[at], image.bytes[at + 1], image.bytes[at + 2]};
}

// Whether every pixel byte (and padding) after the first `pixels` pixels in file order of a
// bottom-up picture is zero.
bool ZeroFrom(const DibImage& image, uint32_t pixels) {
    for (uint32_t i = pixels; i < image.width * image.height; ++i) {
        if (At(image, i % image.width, image.height - 1 - i / image.width) != Pixel{0, 0, 0}) {
            return false;
        }
    }
    return true;
}

Bytes FixtureBytes(const std::string& name) {
    const std::string text = test::ReadFile(test::FixturePath("tga/" + name));
    return Bytes(text.begin(), text.end());
}

TEST(TgaToBmpTest, ThreeByTwoGivesSeventyEightBytesWithBothHeaders) {
    Bytes pixels;
    for (uint8_t i = 1; i <= 18; ++i) {
        pixels.push_back(i);
    }
    const DibImage image = Decode(Header(2, 3, 2, 24) + pixels);
    ASSERT_EQ(image.bytes.size(), 78u);
    EXPECT_EQ(image.width, 3u);
    EXPECT_EQ(image.height, 2u);
    EXPECT_EQ(image.bytes[0], 'B');
    EXPECT_EQ(image.bytes[1], 'M');
    EXPECT_EQ(Little32(image.bytes, 2), 78u);
    EXPECT_EQ(Little32(image.bytes, 10), 54u);
    EXPECT_EQ(Little32(image.bytes, 14), 40u);
    EXPECT_EQ(Little32(image.bytes, 18), 3u);
    EXPECT_EQ(Little32(image.bytes, 22), 2u);
    EXPECT_EQ(image.bytes[26] | (image.bytes[27] << 8), 1);  // planes
    EXPECT_EQ(image.bytes[28] | (image.bytes[29] << 8), 24); // bits
    EXPECT_EQ(Little32(image.bytes, 30), 0u);
    EXPECT_EQ(Little32(image.bytes, 34), 24u);
    // Rows in file order, each 9 bytes padded to 12.
    const Bytes expected = {1,  2,  3,  4,  5,  6,  7,  8,  9,  0, 0, 0,
                            10, 11, 12, 13, 14, 15, 16, 17, 18, 0, 0, 0};
    EXPECT_EQ(Bytes(image.bytes.begin() + 54, image.bytes.end()), expected);
}

TEST(TgaToBmpTest, ThirtyTwoBitsDropAlpha) {
    const DibImage image = Decode(Header(2, 2, 1, 32) + Bytes{1, 2, 3, 99, 4, 5, 6, 77});
    EXPECT_EQ(At(image, 0, 0), (Pixel{1, 2, 3}));
    EXPECT_EQ(At(image, 1, 0), (Pixel{4, 5, 6}));
    EXPECT_EQ(image.bytes.size(), 54u + 8u);
}

TEST(TgaToBmpTest, SixteenBitsSpreadFiveBitsAColour) {
    // 0x7FFF, 0x001F, 0x03E0, 0x7C00 and 0x8000 (top bit ignored).
    const Bytes pixels = {0xFF, 0x7F, 0x1F, 0x00, 0xE0, 0x03, 0x00, 0x7C, 0x00, 0x80};
    const DibImage image = Decode(Header(2, 5, 1, 16) + pixels);
    EXPECT_EQ(At(image, 0, 0), (Pixel{248, 248, 248}));
    EXPECT_EQ(At(image, 1, 0), (Pixel{248, 0, 0}));
    EXPECT_EQ(At(image, 2, 0), (Pixel{0, 248, 0}));
    EXPECT_EQ(At(image, 3, 0), (Pixel{0, 0, 248}));
    EXPECT_EQ(At(image, 4, 0), (Pixel{0, 0, 0}));
}

TEST(TgaToBmpTest, RepeatPacketGivesEqualPixels) {
    const DibImage image = Decode(Header(10, 3, 1, 24) + Bytes{0x82, 7, 8, 9});
    for (uint32_t x = 0; x < 3; ++x) {
        EXPECT_EQ(At(image, x, 0), (Pixel{7, 8, 9})) << x;
    }
    const DibImage sixteen = Decode(Header(10, 2, 1, 16) + Bytes{0x81, 0xFF, 0x7F});
    EXPECT_EQ(At(sixteen, 1, 0), (Pixel{248, 248, 248}));
}

TEST(TgaToBmpTest, GoldenFilesWithPacketsAcrossRowEnds) {
    // Run-length 24 bits with an ID field and runs crossing row ends; run-length 32 bits with
    // rows stored from the top; uncompressed 16 bits.
    for (const std::string name : {"rle24_5x3", "rle32_top_3x3", "raw16_2x2"}) {
        const Bytes tga = FixtureBytes(name + ".tga");
        DibImage image;
        ASSERT_TRUE(TgaToBmp(tga.data(), tga.size(), image)) << name;
        EXPECT_EQ(image.bytes, FixtureBytes(name + ".bmp")) << name;
    }
}

TEST(TgaToBmpTest, TopDownRowsAreTurnedUpright) {
    const Bytes rows = {1, 1, 1, 2, 2, 2};
    const DibImage bottomUp = Decode(Header(2, 1, 2, 24) + rows);
    const DibImage topDown = Decode(Header(2, 1, 2, 24, 0x20) + rows);
    EXPECT_EQ(At(bottomUp, 0, 0), (Pixel{2, 2, 2})); // the last file row is the top
    EXPECT_EQ(At(topDown, 0, 0), (Pixel{1, 1, 1}));  // the first file row is the top
}

TEST(TgaToBmpTest, IdFieldAndColourMapAreSkipped) {
    Bytes tga = Header(2, 1, 1, 24, 0, 2) + Bytes{0xAA, 0xBB};
    tga[1] = 1; // a colour map of two 24-bit entries
    tga[5] = 2;
    tga[7] = 24;
    tga = tga + Bytes{9, 9, 9, 8, 8, 8} + Bytes{1, 2, 3};
    EXPECT_EQ(At(Decode(tga), 0, 0), (Pixel{1, 2, 3}));
}

TEST(TgaToBmpTest, ShortDataLeavesTheRestZero) {
    // Six pixels promised, two and a half given.
    const DibImage raw = Decode(Header(2, 3, 2, 24) + Bytes{1, 2, 3, 4, 5, 6, 7});
    EXPECT_EQ(raw.bytes.size(), 78u);
    EXPECT_EQ(At(raw, 1, 1), (Pixel{4, 5, 6}));
    EXPECT_TRUE(ZeroFrom(raw, 2));

    // A raw packet of four pixels that stops after one; a repeat packet without its pixel.
    EXPECT_TRUE(ZeroFrom(Decode(Header(10, 3, 2, 24) + Bytes{0x03, 1, 2, 3, 4}), 1));
    EXPECT_TRUE(ZeroFrom(Decode(Header(10, 3, 2, 24) + Bytes{0x80, 1, 2, 3, 0x85, 1}), 1));

    // An ID field longer than the file.
    EXPECT_TRUE(ZeroFrom(Decode(Header(2, 2, 2, 24, 0, 200) + Bytes{1, 2, 3}), 0));
}

TEST(TgaToBmpTest, RunsPastTheLastRowStopThere) {
    // A 2 by 2 picture: a repeat packet of 128 pixels, then more packets that must be ignored.
    const DibImage image =
        Decode(Header(10, 2, 2, 24) + Bytes{0xFF, 5, 6, 7, 0x7F, 1, 1, 1, 0xFF, 2, 2, 2});
    ASSERT_EQ(image.bytes.size(), 54u + 2u * 8u);
    for (uint32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(At(image, i % 2, i / 2), (Pixel{5, 6, 7}));
    }
    // Padding bytes of both rows stay zero.
    EXPECT_EQ(image.bytes[54 + 6], 0);
    EXPECT_EQ(image.bytes[54 + 7], 0);
    EXPECT_EQ(image.bytes[54 + 14], 0);
    EXPECT_EQ(image.bytes[54 + 15], 0);
}

TEST(TgaToBmpTest, UnknownFormsGiveAZeroPictureOfTheRightSize) {
    const Bytes pixels(64, 0xEE);
    for (const auto& [type, bits] :
         {std::pair{1, 8}, {3, 8}, {9, 8}, {11, 24}, {2, 8}, {2, 15}, {10, 15}, {2, 0}, {0, 24}}) {
        const DibImage image = Decode(Header(type, 3, 2, bits) + pixels);
        EXPECT_EQ(image.bytes.size(), 78u) << type << " " << bits;
        EXPECT_TRUE(ZeroFrom(image, 0)) << type << " " << bits;
    }
}

TEST(TgaToBmpTest, ExtremeSizes) {
    DibImage image;
    const Bytes noWidth = Header(2, 0, 5, 24) + Bytes{1, 2, 3};
    ASSERT_TRUE(TgaToBmp(noWidth.data(), noWidth.size(), image));
    EXPECT_EQ(image.bytes.size(), 54u);
    EXPECT_EQ(Little32(image.bytes, 2), 54u);

    const Bytes noHeight = Header(10, 7, 0, 24) + Bytes{0xFF, 1, 2, 3};
    ASSERT_TRUE(TgaToBmp(noHeight.data(), noHeight.size(), image));
    EXPECT_EQ(image.bytes.size(), 54u);

    // 65535 wide, one row: a run of 128 pixels and nothing more.
    const Bytes wide = Header(10, 65535, 1, 24) + Bytes{0xFF, 1, 2, 3};
    ASSERT_TRUE(TgaToBmp(wide.data(), wide.size(), image));
    EXPECT_EQ(image.bytes.size(), 54u + DibImage::RowStride(65535));
    EXPECT_EQ(At(image, 127, 0), (Pixel{1, 2, 3}));
    EXPECT_EQ(At(image, 128, 0), (Pixel{0, 0, 0}));
    EXPECT_EQ(At(image, 65534, 0), (Pixel{0, 0, 0}));

    // 65535 by 65535 would need about 12 GiB: refused.
    const Bytes huge = Header(2, 65535, 65535, 32) + Bytes(16, 1);
    EXPECT_FALSE(TgaToBmp(huge.data(), huge.size(), image));
    EXPECT_TRUE(image.Empty());
    EXPECT_EQ(image.width, 0u);
}

TEST(TgaToBmpTest, IncompleteHeaderIsRefused) {
    const Bytes header = Header(2, 1, 1, 24);
    DibImage image;
    for (size_t length = 0; length < header.size(); ++length) {
        EXPECT_FALSE(TgaToBmp(header.data(), length, image)) << length;
        EXPECT_TRUE(image.Empty());
    }
    EXPECT_FALSE(TgaToBmp(nullptr, 100, image));
}

// Every prefix and many random changes of valid files decode without touching memory outside
// the buffers (run under the sanitizers) and always give a picture of the header's size.
TEST(TgaToBmpTest, DamagedFilesDecodeInsideTheirBuffers) {
    std::mt19937 random(2004);
    for (const std::string name : {"rle24_5x3", "rle32_top_3x3", "raw16_2x2"}) {
        const Bytes tga = FixtureBytes(name + ".tga");
        for (size_t length = 18; length <= tga.size(); ++length) {
            // A copy of exactly that length, so that reading past it is caught.
            const Bytes prefix(tga.begin(), tga.begin() + static_cast<long>(length));
            DibImage image;
            ASSERT_TRUE(TgaToBmp(prefix.data(), prefix.size(), image));
            EXPECT_EQ(image.bytes.size(), DibImage::FileSize(image.width, image.height));
        }
        for (int round = 0; round < 2000; ++round) {
            Bytes changed = tga;
            const int changes = 1 + static_cast<int>(random() % 4);
            for (int i = 0; i < changes; ++i) {
                // Any byte but width and height, so that the pictures stay small and quick.
                size_t at = random() % changed.size();
                if (at >= 12 && at < 16) {
                    at += 4;
                }
                changed[at] = static_cast<uint8_t>(random());
            }
            changed.resize(18 + random() % (changed.size() - 17));
            DibImage image;
            ASSERT_TRUE(TgaToBmp(changed.data(), changed.size(), image));
            EXPECT_EQ(image.bytes.size(), DibImage::FileSize(image.width, image.height));
            EXPECT_EQ(image.width, tga[12] | (tga[13] << 8));
        }
    }
}

} // namespace
} // namespace tallo
