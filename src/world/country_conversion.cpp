#include "world/country.h"

namespace tallo {

namespace {

constexpr uint8_t kEndOfTable = 255;

// Relegation rules: (files of major 0, files of major 0x2003, current).
constexpr uint8_t kRelegationRules[][3] = {
    {0, 0, 0},   {1, 1, 1},   {2, 2, 2}, {3, 3, 3},    {4, 4, 4}, {5, 6, 6},       {6, 7, 7},
    {7, 10, 10}, {8, 11, 11}, {9, 9, 9}, {10, 12, 12}, {0, 5, 5}, {255, 255, 255},
};

// New bit of each old bit of the look sets of files of major 0x2004 before minor 7.
constexpr uint8_t kFaceTypeBits[26] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                       13, 20, 21, 22, 23, 24, 25, 14, 15, 16, 17, 18, 19};
constexpr uint8_t kFacialHairBits[7] = {0, 1, 2, 5, 3, 4, 6};

template <size_t N> uint32_t RemapBits(uint32_t value, const uint8_t (&targets)[N]) {
    uint32_t result = 0;
    for (size_t i = 0; i < N; ++i) {
        if ((value >> i) & 1u) {
            result |= 1u << targets[i];
        }
    }
    return result;
}

} // namespace

uint8_t ConvertByTable(const uint8_t (*rows)[3], int from, int to, uint8_t value) {
    if (rows == nullptr || from < 0 || from > 2 || to < 0 || to > 2) {
        return 0;
    }
    for (const uint8_t(*row)[3] = rows; (*row)[from] != kEndOfTable; ++row) {
        if ((*row)[from] == value) {
            return (*row)[to];
        }
    }
    return 0;
}

uint8_t ConvertOldRelegationRule(uint8_t rule) {
    return ConvertByTable(kRelegationRules, 0, 1, rule);
}

uint32_t RemapOldFaceTypes(uint32_t faceTypes) {
    return RemapBits(faceTypes, kFaceTypeBits);
}

uint32_t RemapOldFacialHair(uint32_t facialHair) {
    return RemapBits(facialHair, kFacialHairBits);
}

} // namespace tallo
