#pragma once

// The player registry of the small fake worlds of the tests and the fuzz targets: players held
// in memory by ID, with the renumbering of taken IDs that a registered load does.

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>

#include "world/player.h"
#include "world/player_world.h"

namespace tallo::test {

class FakePlayerRegistry : public IPlayerWorld {
public:
    std::map<uint32_t, std::unique_ptr<CPlayer>> players;

    size_t PlayerCount() const override { return players.size(); }
    CPlayer* FindPlayer(uint32_t id) override {
        auto found = players.find(id);
        return found != players.end() ? found->second.get() : nullptr;
    }
    CPlayer* CreatePlayer(uint32_t id, bool registerId) override {
        return AddPlayer(id, registerId);
    }

protected:
    // Enters a new player of this world under `id`. With `renumber`, an ID of 0 or one already
    // taken is replaced by the first free number from the count of players + 1 on. A player
    // entered under a taken ID without renumbering replaces the one there.
    CPlayer* AddPlayer(uint32_t id, bool renumber) {
        if (renumber && (id == 0 || players.count(id) > 0)) {
            id = static_cast<uint32_t>(players.size()) + 1;
            while (players.count(id) > 0) {
                ++id;
            }
        }
        auto player = std::make_unique<CPlayer>(this, 0, 1);
        player->SetId(id);
        CPlayer* raw = player.get();
        players[id] = std::move(player);
        return raw;
    }
};

} // namespace tallo::test
