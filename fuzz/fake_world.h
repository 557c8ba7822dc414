#pragma once

// A small world for the player and club targets: a player registry, no other clubs, no
// stadiums. Club references are kept as they stand when written.

#include "world/club.h"
#include "world/club_io_context.h"
#include "world/player.h"
#include "world/player_world.h"

#include <map>
#include <memory>

namespace tallo::fuzz {

class FakeWorld : public ClubIoContext, public IPlayerWorld {
public:
    // No load may make more players than this; a file cannot make the world grow without end.
    static constexpr size_t kMaxPlayers = 4096;

    std::map<uint32_t, std::unique_ptr<CPlayer>> players;

    size_t PlayerCount() const override { return players.size(); }
    CPlayer* FindPlayer(uint32_t id) override {
        auto found = players.find(id);
        return found != players.end() ? found->second.get() : nullptr;
    }
    CPlayer* CreatePlayer(uint32_t id, bool registerId) override {
        if (players.size() >= kMaxPlayers) {
            return nullptr;
        }
        if (registerId && (id == 0 || players.count(id) > 0)) {
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
    CPlayer* CreatePlayer(uint32_t fileId) override { return CreatePlayer(fileId, true); }
    void DiscardPlayer(uint32_t id) override { players.erase(id); }
    int CountryFirstLanguage(uint32_t country) const override {
        return country >= 1 && country <= 206 ? static_cast<int>(country % 59) : -1;
    }
    bool ClubExists(uint32_t) const override { return true; }
    uint32_t TranslateClubReference(uint32_t reference) const override { return reference; }
    uint32_t TranslateClubReference(uint32_t reference) override { return reference; }
    int32_t StadiumPosition(uint32_t key) override { return static_cast<int32_t>(key); }
    int RandomBelow(int bound) override { return bound > 1 ? bound - 1 : 0; }
};

} // namespace tallo::fuzz
