#pragma once

#include <cstdint>
#include <string>

namespace tallo::sample {

// A colour of a badge picture.
struct BadgeColour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;

    bool operator==(const BadgeColour& other) const = default;
};

// How a sample badge looks and how its TGA file is stored: a shield on a dark ground, its
// field split between two colours by one of a few patterns.
struct BadgeDesign {
    enum Pattern { kHalves, kBand, kStripe, kPatternCount };
    // How the pixels are stored: run-length with 24, 32 or 16 bits a pixel. The smallest
    // size is kept uncompressed (24 bits), as it gains nothing from runs.
    enum Storage { kRunLength24, kRunLength32, kRunLength16, kStorageCount };

    Pattern pattern = kHalves;
    Storage storage = kRunLength24;
    BadgeColour ground;
    BadgeColour first;
    BadgeColour second;
};

// The pixel of the badge at column x and row y (row 0 at the top) of a square of `size`.
BadgeColour BadgePixel(const BadgeDesign& design, int size, int x, int y);

// The TGA file of the badge as a square of `size` pixels (1 to 1024): rows bottom-up, as
// the usual TGA layout has them; run-length packets run on across row ends. Sizes of 16
// pixels and below are stored uncompressed with 24 bits a pixel.
std::string MakeBadgeTga(const BadgeDesign& design, int size);

} // namespace tallo::sample
