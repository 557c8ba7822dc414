#pragma once

#include <cstdint>

#include "world/player.h"
#include "world/world.h"

namespace tallo::test {

// A player of the world with a main and a second position set and languages in two slots,
// the richest the sample has (null when it has none).
inline CPlayer* RichPlayer(CWorld& world) {
    CPlayer* best = nullptr;
    for (const auto& [id, player] : world.Players()) {
        if (player->Role() != CPlayer::kRolePlayer || player->MainPosition() == 0) {
            continue;
        }
        if (best == nullptr || (player->SecondPosition() != 0 && best->SecondPosition() == 0) ||
            (player->Language(1) != 0 && best->Language(1) == 0)) {
            best = player.get();
        }
    }
    return best;
}

} // namespace tallo::test
