#pragma once

// A small world for the player and club targets: a player registry, no other clubs, no
// stadiums. Club references are kept as they stand when written.

#include "../tests/support/fake_player_registry.h"
#include "world/club.h"
#include "world/club_io_context.h"
#include "world/player.h"

namespace tallo::fuzz {

class FakeWorld : public ClubIoContext, public test::FakePlayerRegistry {
public:
    // No load may make more players than this; a file cannot make the world grow without end.
    static constexpr size_t kMaxPlayers = 4096;

    CPlayer* FindPlayer(uint32_t id) override { return FakePlayerRegistry::FindPlayer(id); }
    CPlayer* CreatePlayer(uint32_t id, bool registerId) override {
        return players.size() < kMaxPlayers ? AddPlayer(id, registerId) : nullptr;
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
