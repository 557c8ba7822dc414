#include "world/player_looks.h"

#include <array>
#include <span>

namespace tallo::PlayerLooks {

namespace {

using Row = std::array<uint8_t, 3>;

constexpr Row kEnd = {255, 255, 255};

constexpr Row kHairColour[] = {{0, 5, 3}, {0, 0, 4}, {0, 0, 4}, {1, 1, 2}, {1, 1, 2}, {1, 1, 2},
                               {2, 2, 5}, {3, 3, 1}, {0, 4, 4}, {0, 0, 4}, kEnd};

constexpr Row kHairStyle[] = {
    {0, 4, 1},  {1, 8, 5},   {2, 13, 3}, {3, 12, 2},  {4, 1, 1},   {5, 16, 1}, {6, 9, 8},
    {7, 3, 5},  {8, 7, 5},   {9, 10, 9}, {10, 11, 9}, {11, 23, 5}, {5, 2, 3},  {0, 5, 5},
    {0, 6, 5},  {0, 14, 10}, {0, 16, 5}, {0, 17, 5},  {0, 18, 1},  {0, 19, 1}, {0, 20, 1},
    {0, 21, 5}, {0, 22, 5},  {0, 23, 5}, {1, 24, 5},  {0, 25, 7},  {0, 26, 7}, {0, 27, 6},
    {0, 28, 9}, {10, 29, 9}, kEnd};

constexpr Row kBeard[] = {{0, 0, 4}, {1, 1, 5}, {2, 2, 3}, {3, 3, 4}, {4, 4, 4},
                          {5, 5, 5}, {6, 6, 1}, {1, 7, 1}, {1, 8, 5}, kEnd};

constexpr Row kFaceType[] = {{0, 0, 1},    {1, 1, 2},    {2, 2, 3},    {3, 3, 4},    {4, 4, 5},
                             {5, 25, 6},   {6, 26, 7},   {7, 20, 8},   {8, 21, 9},   {9, 22, 10},
                             {10, 23, 11}, {10, 24, 12}, {10, 24, 13}, {11, 5, 20},  {12, 6, 21},
                             {13, 7, 22},  {14, 8, 23},  {14, 9, 24},  {14, 9, 25},  {15, 15, 14},
                             {16, 16, 15}, {17, 17, 16}, {18, 18, 17}, {15, 19, 18}, {15, 19, 19},
                             {0, 10, 20},  {0, 11, 21},  {0, 12, 22},  {0, 13, 23},  {0, 14, 24},
                             {0, 14, 25},  kEnd};

// The abilities of files before major 0x2004: a scale of 0 to 3 became 1, 4, 7, 10; values
// 4 to 42 stay as they are.
constexpr auto kAbility = [] {
    std::array<Row, 11 + 42 + 2> rows{};
    size_t n = 0;
    const Row head[] = {{0, 0, 1}, {0, 0, 2}, {0, 0, 3}, {1, 1, 4},  {1, 1, 5},  {1, 1, 6},
                        {2, 2, 7}, {2, 2, 8}, {2, 2, 9}, {3, 3, 10}, {0, 0, 255}};
    for (const Row& row : head) {
        rows[n++] = row;
    }
    for (int v = 0; v <= 41; ++v) {
        rows[n++] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v + 1),
                     static_cast<uint8_t>(v + 1)};
    }
    rows[n++] = {42, 0, 0};
    rows[n++] = {30, 255, 255};
    return rows;
}();

constexpr auto kValueA = [] {
    std::array<Row, 18 + 5 + 1> rows{};
    size_t n = 0;
    for (int v = 0; v <= 17; ++v) {
        const auto b = static_cast<uint8_t>(v);
        rows[n++] = {b, b, b};
    }
    for (int v = 18; v <= 22; ++v) {
        rows[n++] = {static_cast<uint8_t>(v), 0, 0};
    }
    rows[n++] = kEnd;
    return rows;
}();

uint8_t Convert(std::span<const Row> table, uint8_t value, Column from, Column to) {
    for (const Row& row : table) {
        if (row[from] == 255) {
            break;
        }
        if (row[from] == value) {
            return row[to];
        }
    }
    return 0;
}

} // namespace

uint8_t ConvertHairColour(uint8_t value, Column from, Column to) {
    return Convert(kHairColour, value, from, to);
}

uint8_t ConvertHairStyle(uint8_t value, Column from, Column to) {
    return Convert(kHairStyle, value, from, to);
}

uint8_t ConvertBeard(uint8_t value, Column from, Column to) {
    return Convert(kBeard, value, from, to);
}

uint8_t ConvertFaceType(uint8_t value, Column from, Column to) {
    return Convert(kFaceType, value, from, to);
}

uint8_t ConvertAbility(uint8_t value, Column from, Column to) {
    return Convert(kAbility, value, from, to);
}

uint8_t ConvertValueA(uint8_t value, Column from, Column to) {
    return Convert(kValueA, value, from, to);
}

uint8_t FaceTypeFromMinor6(uint8_t value) {
    if (value >= 14 && value <= 19) {
        return static_cast<uint8_t>(value + 6);
    }
    if (value >= 20 && value <= 23) {
        return static_cast<uint8_t>(value - 6);
    }
    return value;
}

uint8_t BeardFromMinor6(uint8_t value) {
    constexpr uint8_t kBeards[8] = {0, 1, 2, 5, 3, 4, 6, 0};
    return value < 8 ? kBeards[value] : value;
}

} // namespace tallo::PlayerLooks
