#include "sample_badge_picture.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tallo::sample {

namespace {

constexpr uint8_t kUncompressed = 2;
constexpr uint8_t kRunLength = 10;
constexpr size_t kLongestPacket = 128;
constexpr int kLargestUncompressed = 16;

// The columns x of a square of `size` with |x + 0.5 - size / 2| < halfWidth: from `first`
// up to `last` (excluded); an empty range has first == last.
struct Columns {
    int first = 0;
    int last = 0;
};

Columns ColumnsWithin(int size, double halfWidth) {
    const double centre = size / 2.0;
    Columns columns;
    if (halfWidth <= 0) {
        return columns;
    }
    columns.first = std::clamp(static_cast<int>(std::floor(centre - halfWidth - 0.5)), 0, size);
    columns.last = std::clamp(static_cast<int>(std::ceil(centre + halfWidth - 0.5)) + 1, 0, size);
    while (columns.first < columns.last && std::fabs(columns.first + 0.5 - centre) >= halfWidth) {
        ++columns.first;
    }
    while (columns.last > columns.first && std::fabs(columns.last - 0.5 - centre) >= halfWidth) {
        --columns.last;
    }
    return columns;
}

// Where the shield lies on a row, and whether the row lies in its middle third.
struct ShieldRow {
    Columns shield;
    bool band = false;
};

ShieldRow ShieldRowAt(int size, int y) {
    // Flat at the top, straight sides, then narrowing to a point at the bottom.
    const double top = size / 16.0;
    const double bottom = size - size / 16.0;
    const double shoulder = top + (bottom - top) * 0.55;
    const double halfWidth = size * 0.42;
    const double row = y + 0.5;
    ShieldRow result;
    if (row < top || row > bottom) {
        return result;
    }
    const double width =
        row > shoulder ? halfWidth * (bottom - row) / (bottom - shoulder) : halfWidth;
    result.shield = ColumnsWithin(size, width);
    const double third = (bottom - top) / 3.0;
    result.band = row >= top + third && row < top + 2 * third;
    return result;
}

// The centre stripe of the stripe pattern.
Columns StripeOf(int size) {
    return ColumnsWithin(size, size / 10.0);
}

const BadgeColour& PixelOfRow(const BadgeDesign& design, int size, const ShieldRow& row, int x) {
    if (x < row.shield.first || x >= row.shield.last) {
        return design.ground;
    }
    bool second = false;
    switch (design.pattern) {
    case BadgeDesign::kHalves:
        second = 2 * x + 1 > size;
        break;
    case BadgeDesign::kBand:
        second = row.band;
        break;
    default: {
        const Columns stripe = StripeOf(size);
        second = x >= stripe.first && x < stripe.last;
        break;
    }
    }
    return second ? design.second : design.first;
}

// The columns of a row where the colour may change: the shield's edges and the pattern's.
std::vector<int> RowBoundaries(const BadgeDesign& design, int size, const ShieldRow& row) {
    std::vector<int> bounds = {0, row.shield.first, row.shield.last, size};
    if (design.pattern == BadgeDesign::kHalves) {
        bounds.push_back((size + 1) / 2); // the first column with 2x + 1 > size
    } else if (design.pattern == BadgeDesign::kStripe) {
        const Columns stripe = StripeOf(size);
        bounds.push_back(stripe.first);
        bounds.push_back(stripe.last);
    }
    std::sort(bounds.begin(), bounds.end());
    bounds.erase(std::unique(bounds.begin(), bounds.end()), bounds.end());
    return bounds;
}

// A pixel as the number whose little-endian bytes the file holds at the given depth.
uint32_t EncodePixel(const BadgeColour& colour, int depth) {
    if (depth == 16) {
        return 0x8000u | (static_cast<uint32_t>(colour.red >> 3) << 10) |
               (static_cast<uint32_t>(colour.green >> 3) << 5) |
               static_cast<uint32_t>(colour.blue >> 3);
    }
    const uint32_t rgb = (static_cast<uint32_t>(colour.red) << 16) |
                         (static_cast<uint32_t>(colour.green) << 8) | colour.blue;
    return depth == 32 ? 0xFF000000u | rgb : rgb;
}

void PutShort(std::string& out, int value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void PutPixel(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// A stretch of equal pixels.
struct Segment {
    uint32_t value = 0;
    size_t count = 0;
};

// Run-length packets of the pixels: two or more equal pixels are one repeat packet (or
// several, 128 pixels each at most); single pixels between them go into literal packets.
void AppendRunLength(std::string& out, const std::vector<Segment>& segments, int bytes) {
    size_t at = 0;
    while (at < segments.size()) {
        if (segments[at].count >= 2) {
            size_t left = segments[at].count;
            while (left > 0) {
                // A last single pixel of a long run still goes into a repeat packet of one.
                const size_t take = std::min(left, kLongestPacket);
                out.push_back(static_cast<char>(0x80 | (take - 1)));
                PutPixel(out, segments[at].value, bytes);
                left -= take;
            }
            ++at;
            continue;
        }
        size_t literal = 0;
        while (at + literal < segments.size() && segments[at + literal].count == 1 &&
               literal < kLongestPacket) {
            ++literal;
        }
        out.push_back(static_cast<char>(literal - 1));
        for (size_t i = 0; i < literal; ++i) {
            PutPixel(out, segments[at + i].value, bytes);
        }
        at += literal;
    }
}

} // namespace

BadgeColour BadgePixel(const BadgeDesign& design, int size, int x, int y) {
    return PixelOfRow(design, size, ShieldRowAt(size, y), x);
}

std::string MakeBadgeTga(const BadgeDesign& design, int size) {
    size = std::clamp(size, 1, 1024);
    const bool compressed = size > kLargestUncompressed;
    int depth = 24;
    if (compressed && design.storage == BadgeDesign::kRunLength32) {
        depth = 32;
    } else if (compressed && design.storage == BadgeDesign::kRunLength16) {
        depth = 16;
    }
    const int bytes = depth / 8;

    std::string out;
    out.push_back(0); // no image ID
    out.push_back(0); // no colour map
    out.push_back(static_cast<char>(compressed ? kRunLength : kUncompressed));
    out.append(5, '\0'); // colour-map specification
    PutShort(out, 0);    // x origin
    PutShort(out, 0);    // y origin
    PutShort(out, size);
    PutShort(out, size);
    out.push_back(static_cast<char>(depth));
    // Attribute (alpha) bits of a pixel; rows bottom-up, so bit 5 stays clear.
    out.push_back(static_cast<char>(depth == 32 ? 8 : (depth == 16 ? 1 : 0)));

    // Rows bottom-up; equal neighbours merge into segments across row ends as well.
    std::vector<Segment> segments;
    for (int y = size - 1; y >= 0; --y) {
        const ShieldRow row = ShieldRowAt(size, y);
        const std::vector<int> bounds = RowBoundaries(design, size, row);
        for (size_t i = 0; i + 1 < bounds.size(); ++i) {
            const uint32_t value = EncodePixel(PixelOfRow(design, size, row, bounds[i]), depth);
            const size_t count = static_cast<size_t>(bounds[i + 1] - bounds[i]);
            if (!segments.empty() && segments.back().value == value) {
                segments.back().count += count;
            } else {
                segments.push_back(Segment{value, count});
            }
        }
    }
    if (compressed) {
        AppendRunLength(out, segments, bytes);
    } else {
        for (const Segment& segment : segments) {
            for (size_t i = 0; i < segment.count; ++i) {
                PutPixel(out, segment.value, bytes);
            }
        }
    }
    return out;
}

} // namespace tallo::sample
