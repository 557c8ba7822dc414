#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "world/club.h"
#include "world/player.h"

namespace tallo {

// Calls visit(index, player) for every entry of a club's player list, in list order, with the
// player `find(id)` gives for its ID (nullptr when there is none). Every player lies in memory
// of his own, so the walk looks them all up first and has each record fetched into the cache
// two places ahead of the one visited, instead of waiting for memory at every player.
template <class Player, class Find, class Visit>
void VisitClubPlayers(const CClub& club, Find&& find, Visit&& visit) {
    const uint32_t count = club.PlayerCount(); // never more than kMaxPlayers
    std::array<Player*, CClub::kMaxPlayers> players{};
    for (uint32_t index = 0; index < count; ++index) {
        players[index] = find(club.PlayerId(index));
    }
    for (uint32_t index = 0; index < count; ++index) {
        constexpr uint32_t kAhead = 2;
        if (index + kAhead < count && players[index + kAhead] != nullptr) {
            const char* bytes = reinterpret_cast<const char*>(players[index + kAhead]);
            for (size_t offset = 0; offset < sizeof(CPlayer); offset += 64) {
                __builtin_prefetch(bytes + offset);
            }
        }
        visit(index, players[index]);
    }
}

} // namespace tallo
