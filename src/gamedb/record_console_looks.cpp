#include "gamedb/record_console_looks.h"

#include <array>

namespace tallo::ConsoleLooks {

namespace {

// Console value lists shared by several rows.
constexpr uint8_t k0[] = {0};
constexpr uint8_t k1[] = {1};
constexpr uint8_t k2[] = {2};
constexpr uint8_t k3[] = {3};
constexpr uint8_t k4[] = {4};
constexpr uint8_t k5[] = {5};
constexpr uint8_t k6[] = {6};
constexpr uint8_t k13[] = {13};
constexpr uint8_t k20[] = {20};
constexpr uint8_t k35[] = {35};
constexpr uint8_t k36[] = {36};
constexpr uint8_t k40[] = {40};

// Hair colour -------------------------------------------------------------------------------

constexpr Row kHairColourRows[] = {{3, k2}, {4, k3}, {2, k1}, {5, k4}, {1, k0}};
constexpr Table kHairColour{kHairColourRows, 0};

// Skin colour, from the face type: one row per face type ------------------------------------

constexpr Row kSkinRows[] = {
    {1, k0},  {2, k0},  {3, k0},  {4, k0},  {5, k0},  {6, k0},  {7, k0}, // 1 to 7
    {8, k5},                                                             //
    {9, k2},  {10, k2}, {11, k2}, {12, k2}, {13, k2},                    // 9 to 13
    {20, k4}, {21, k4}, {22, k4}, {23, k4}, {24, k4}, {25, k4},          // 20 to 25
    {14, k5},                                                            //
    {15, k6}, {16, k6}, {17, k6}, {18, k6}, {19, k6},                    // 15 to 19
};
constexpr Table kSkin{kSkinRows, 0};

// Face, from the face type ------------------------------------------------------------------

constexpr uint8_t kFace1[] = {7, 10, 12, 13, 28};
constexpr uint8_t kFace2[] = {1, 4, 15, 19, 20, 22};
constexpr uint8_t kFace3[] = {2, 8, 14, 26, 29, 30};
constexpr uint8_t kFace4[] = {3, 11, 16, 32};
constexpr uint8_t kFace5[] = {5, 17, 18};
constexpr uint8_t kFace6[] = {7, 9, 21};
constexpr uint8_t kFace7[] = {24, 25, 31};
constexpr uint8_t kFace14[] = {33, 40, 47};
constexpr uint8_t kFace15[] = {34, 42, 43, 44};
constexpr uint8_t kFace16[] = {35, 41};
constexpr uint8_t kFace17[] = {38, 45};
constexpr uint8_t kFace18[] = {37, 46, 47};
constexpr uint8_t kFace19[] = {38, 38};
constexpr uint8_t kFace8[] = {49, 50, 51};
constexpr uint8_t kFace9[] = {52, 53};
constexpr uint8_t kFace10[] = {55, 56, 57, 64};
constexpr uint8_t kFace11[] = {59, 60};
constexpr uint8_t kFace12[] = {54, 58};
constexpr uint8_t kFace13[] = {61, 62, 63};
constexpr uint8_t kFace20[] = {65, 66};
constexpr uint8_t kFace21[] = {67, 68, 77};
constexpr uint8_t kFace22[] = {70, 74, 79};
constexpr uint8_t kFace23[] = {72, 73, 80};
constexpr uint8_t kFace24[] = {69, 71, 75};
constexpr uint8_t kFace25[] = {76, 78};

constexpr Row kFaceRows[] = {
    {1, kFace1},   {2, kFace2},   {3, kFace3},   {4, kFace4},   {5, kFace5},
    {6, kFace6},   {7, kFace7},   {14, kFace14}, {15, kFace15}, {16, kFace16},
    {17, kFace17}, {18, kFace18}, {19, kFace19}, {8, kFace8},   {9, kFace9},
    {10, kFace10}, {11, kFace11}, {12, kFace12}, {13, kFace13}, {20, kFace20},
    {21, kFace21}, {22, kFace22}, {23, kFace23}, {24, kFace24}, {25, kFace25},
};
constexpr Table kFace{kFaceRows, 0};

// Hair style ---------------------------------------------------------------------------------

constexpr uint8_t kStyle0[] = {0, 6};
constexpr uint8_t kStyle2[] = {17, 32, 37, 39, 41};
constexpr uint8_t kStyle3[] = {15, 18, 19, 21, 23, 24, 31, 34};
constexpr uint8_t kStyle4[] = {16, 20, 22, 25, 33};
constexpr uint8_t kStyle5[] = {2, 3, 4, 5, 8, 9, 10, 12};
constexpr uint8_t kStyle8[] = {11, 26, 38};

constexpr Row kHairStyleRows[] = {
    {0, kStyle0}, {1, k1},  {2, kStyle2}, {3, kStyle3}, {4, kStyle4}, {5, kStyle5},
    {6, k13},     {7, k35}, {8, kStyle8}, {9, k36},     {10, k40},
};
constexpr Table kHairStyle{kHairStyleRows, 20};

// Beard: 255 (no beard chosen) has a row without console values -----------------------------

constexpr Row kBeardRows[] = {
    {1, k0}, {2, k1}, {5, k4}, {3, k2}, {4, k3}, {255, {}},
};
constexpr Table kBeard{kBeardRows, 0};

// Stadium models, editor model 0 to 28 ------------------------------------------------------

constexpr uint8_t kStadiumModels[] = {
    0,                                                // 0 (none)
    0,  0, 0,  0,  17, 7, 28, 13, 1, 0, 4, 14, 16, 9, // 1 to 14
    12, 0, 15, 18, 5,  8,                             // 15 to 20
    0,  0, 0,  0,  0,  0, 0,  0,                      // 21 to 28
};

} // namespace

const Table& HairColour() {
    return kHairColour;
}
const Table& Skin() {
    return kSkin;
}
const Table& Face() {
    return kFace;
}
const Table& HairStyle() {
    return kHairStyle;
}
const Table& Beard() {
    return kBeard;
}

uint8_t Convert(const Table& table, uint8_t editorValue, BuildRandom& random) {
    for (const Row& row : table.rows) {
        if (row.editorValue != editorValue) {
            continue;
        }
        size_t count = row.consoleValues.size();
        if (count == 0) {
            // A row that offers nothing: the table's default rather than a pick from nothing.
            return table.defaultValue;
        }
        if (count == 1) {
            return row.consoleValues[0];
        }
        return row.consoleValues[random.Below(static_cast<uint32_t>(count))];
    }
    return table.defaultValue;
}

uint32_t ConvertBitSet(const Table& table, uint32_t editorBits) {
    uint32_t result = 0;
    for (size_t bit = 0; bit < 32 && bit < table.rows.size(); ++bit) {
        if ((editorBits & (1u << bit)) == 0) {
            continue;
        }
        for (uint8_t value : table.rows[bit].consoleValues) {
            result |= 1u << (value % 32);
        }
    }
    return result;
}

uint8_t StadiumModel(uint8_t editorModel) {
    return editorModel < std::size(kStadiumModels) ? kStadiumModels[editorModel] : 0;
}

} // namespace tallo::ConsoleLooks
