// The sample's badge pictures: what the TGA decoder makes of them is the design, pixel for
// pixel, in every pattern, pixel depth and size; the run-length data covers the picture
// exactly.

#include <gtest/gtest.h>

#include "assets/tga_to_bmp.h"
#include "sample_badge_picture.h"

namespace tallo {
namespace {

using sample::BadgeColour;
using sample::BadgeDesign;
using sample::BadgePixel;
using sample::MakeBadgeTga;

constexpr int kSizes[] = {14, 16, 17, 48, 74, 75, 180};

BadgeDesign Design(int pattern, int storage) {
    BadgeDesign design;
    design.pattern = static_cast<BadgeDesign::Pattern>(pattern);
    design.storage = static_cast<BadgeDesign::Storage>(storage);
    design.ground = BadgeColour{16, 16, 24};
    design.first = BadgeColour{202, 30, 118};
    design.second = BadgeColour{250, 250, 6};
    return design;
}

// A colour as 16 bits a pixel keep it.
BadgeColour Quantised(const BadgeColour& colour) {
    return BadgeColour{static_cast<uint8_t>(colour.red & 0xF8),
                       static_cast<uint8_t>(colour.green & 0xF8),
                       static_cast<uint8_t>(colour.blue & 0xF8)};
}

TEST(SampleBadgePicture, DecodedPicturesShowTheDesignPixelForPixel) {
    for (int pattern = 0; pattern < BadgeDesign::kPatternCount; ++pattern) {
        for (int storage = 0; storage < BadgeDesign::kStorageCount; ++storage) {
            const BadgeDesign design = Design(pattern, storage);
            for (int size : kSizes) {
                SCOPED_TRACE("pattern " + std::to_string(pattern) + ", storage " +
                             std::to_string(storage) + ", size " + std::to_string(size));
                const std::string tga = MakeBadgeTga(design, size);
                ASSERT_GE(tga.size(), 18u);
                const bool compressed = size > 16;
                EXPECT_EQ(tga[2], compressed ? 10 : 2);
                const int depth = static_cast<uint8_t>(tga[16]);
                EXPECT_EQ(depth, !compressed                            ? 24
                                 : storage == BadgeDesign::kRunLength32 ? 32
                                 : storage == BadgeDesign::kRunLength16 ? 16
                                                                        : 24);
                DibImage image;
                ASSERT_TRUE(
                    TgaToBmp(reinterpret_cast<const uint8_t*>(tga.data()), tga.size(), image));
                ASSERT_EQ(image.width, static_cast<uint32_t>(size));
                ASSERT_EQ(image.height, static_cast<uint32_t>(size));
                int wrong = 0;
                int inside = 0;
                for (int y = 0; y < size; ++y) {
                    for (int x = 0; x < size; ++x) {
                        BadgeColour want = BadgePixel(design, size, x, y);
                        if (depth == 16) {
                            want = Quantised(want);
                        }
                        const size_t at =
                            image.PixelOffset(static_cast<uint32_t>(x), static_cast<uint32_t>(y));
                        const BadgeColour got{image.bytes[at + 2], image.bytes[at + 1],
                                              image.bytes[at]};
                        wrong += got == want ? 0 : 1;
                        inside += want == design.ground ? 0 : 1;
                    }
                }
                EXPECT_EQ(wrong, 0);
                // A shield is there, and ground around it.
                EXPECT_GT(inside, size * size / 3);
                EXPECT_LT(inside, size * size);
            }
        }
    }
}

TEST(SampleBadgePicture, DesignsTellTheirPatternsApart) {
    // The stripe and the halves colour the middle column differently from the left part;
    // the band colours the middle rows only.
    const int size = 74;
    const BadgeDesign halves = Design(BadgeDesign::kHalves, 0);
    EXPECT_EQ(BadgePixel(halves, size, 20, 20), halves.first);
    EXPECT_EQ(BadgePixel(halves, size, 54, 20), halves.second);
    const BadgeDesign band = Design(BadgeDesign::kBand, 0);
    EXPECT_EQ(BadgePixel(band, size, 37, 10), band.first);
    EXPECT_EQ(BadgePixel(band, size, 37, 30), band.second);
    const BadgeDesign stripe = Design(BadgeDesign::kStripe, 0);
    EXPECT_EQ(BadgePixel(stripe, size, 37, 20), stripe.second);
    EXPECT_EQ(BadgePixel(stripe, size, 20, 20), stripe.first);
    // The corners are ground, the tip of the shield narrows to a point.
    EXPECT_EQ(BadgePixel(stripe, size, 0, 0), stripe.ground);
    EXPECT_EQ(BadgePixel(stripe, size, 10, size - 6), stripe.ground);
}

// Walks the run-length packets: every packet covers 1 to 128 pixels, the packets cover the
// picture exactly and the data ends with the last packet.
TEST(SampleBadgePicture, RunLengthPacketsCoverThePictureExactly) {
    for (int storage = 0; storage < BadgeDesign::kStorageCount; ++storage) {
        for (int size : {17, 48, 74, 180}) {
            const std::string tga = MakeBadgeTga(Design(BadgeDesign::kStripe, storage), size);
            const size_t bytes = static_cast<uint8_t>(tga[16]) / 8;
            size_t at = 18;
            size_t pixels = 0;
            size_t packets = 0;
            while (at < tga.size()) {
                const uint8_t header = static_cast<uint8_t>(tga[at++]);
                const size_t count = (header & 127u) + 1;
                at += header >= 128 ? bytes : count * bytes;
                pixels += count;
                ++packets;
            }
            EXPECT_EQ(at, tga.size()) << size;
            EXPECT_EQ(pixels, static_cast<size_t>(size) * static_cast<size_t>(size)) << size;
            // Runs make the picture small: a few packets a row.
            EXPECT_LT(packets, static_cast<size_t>(size) * 6) << size;
        }
    }
}

} // namespace
} // namespace tallo
