#include "assets/renderer_values.h"

#include "world/club_kit.h"
#include "world/player.h"

#include <algorithm>
#include <cstring>

namespace tallo {

namespace {

// 0 to 63 onto 0 to 255, so that 63 is full intensity.
uint32_t Channel(uint8_t value) {
    const uint32_t clamped = std::min<uint32_t>(value, 63);
    return (clamped * 255 + 31) / 63;
}

} // namespace

uint32_t KitColourRgb(const uint8_t* triple) {
    return Channel(triple[0]) << 16 | Channel(triple[1]) << 8 | Channel(triple[2]);
}

TalloKitData RendererKitData(const ClubKit& kit) {
    TalloKitData data{};
    static_assert(sizeof(data.styles) == sizeof(kit.styles));
    static_assert(sizeof(data.colours) == sizeof(kit.colours));
    std::memcpy(data.styles, kit.styles, sizeof(data.styles));
    std::memcpy(data.colours, kit.colours, sizeof(data.colours));
    data.colourEntry = kit.colourEntry;
    return data;
}

std::array<uint32_t, TALLO_KIT_BLOCK_SIZE> RendererKitBlock(const ClubKit& kit, int shown) {
    const int index = shown == 1 ? 1 : 0;
    std::array<uint32_t, TALLO_KIT_BLOCK_SIZE> block{};
    block[TALLO_KIT_BLOCK_KIT] = static_cast<uint32_t>(index);
    for (int s = 0; s < ClubKit::kStyleCount; ++s) {
        block[TALLO_KIT_BLOCK_STYLES + s] = kit.styles[index][s];
    }
    for (int c = 0; c < 4; ++c) {
        block[TALLO_KIT_BLOCK_COLOURS + c] = KitColourRgb(&kit.colours[index][c * 3]);
    }
    block[TALLO_KIT_BLOCK_COLOUR_ENTRY] = kit.colourEntry;
    return block;
}

std::array<uint32_t, TALLO_HEAD_COLOURS_SIZE> RendererHeadColours(const ClubKit& kit) {
    std::array<uint32_t, TALLO_HEAD_COLOURS_SIZE> block{};
    for (int c = 0; c < 3; ++c) {
        const uint8_t* triple = &kit.colours[0][c * 3];
        block[TALLO_HEAD_COLOURS_PACKED + c] = KitColourRgb(triple);
        for (int b = 0; b < 3; ++b) {
            block[TALLO_HEAD_COLOURS_TRIPLES + c * 3 + b] = triple[b];
        }
    }
    return block;
}

std::array<uint32_t, TALLO_LOOK_SIZE> RendererLookValues(const CPlayer& player) {
    std::array<uint32_t, TALLO_LOOK_SIZE> looks{};
    looks[TALLO_LOOK_FACE_TYPE] = player.FaceType();
    looks[TALLO_LOOK_HAIR_COLOUR] = player.HairColour();
    looks[TALLO_LOOK_HAIR_STYLE] = player.HairStyle();
    looks[TALLO_LOOK_BEARD] = player.Beard();
    looks[TALLO_LOOK_SPECIAL_FACE] = player.SpecialFace();
    return looks;
}

} // namespace tallo
