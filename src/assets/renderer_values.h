#pragma once

#include "assets/renderer_plugin.h"

#include <array>
#include <cstdint>

namespace tallo {

class CPlayer;
struct ClubKit;

// The values the renderer plug-in's calls take, made from the world's records.

// A kit colour of the record (three bytes of 0 to 63; larger bytes count as 63) as 0x00RRGGBB.
uint32_t KitColourRgb(const uint8_t* triple);

// Both kits as the KIT record holds them.
TalloKitData RendererKitData(const ClubKit& kit);

// The block of the kit now shown (kit 0 or 1; another number shows the first).
std::array<uint32_t, TALLO_KIT_BLOCK_SIZE> RendererKitBlock(const ClubKit& kit, int shown);

// The kit colours given with a head: the first kit's first three colours.
std::array<uint32_t, TALLO_HEAD_COLOURS_SIZE> RendererHeadColours(const ClubKit& kit);

// The look values of a player record.
std::array<uint32_t, TALLO_LOOK_SIZE> RendererLookValues(const CPlayer& player);

} // namespace tallo
