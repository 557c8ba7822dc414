#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "support/fake_player_registry.h"
#include "world/club.h"
#include "world/club_io_context.h"
#include "world/player.h"

namespace tallo::test {

// A small world for the club tests: a player registry, a club renumbering, the stadium keys
// of the club's country and a team colour table.
class ClubTestWorld : public ClubIoContext, public FakePlayerRegistry {
public:
    std::map<uint32_t, uint32_t> renumbering; // club ID -> number in the file
    std::set<uint32_t> stadiumKeys;
    std::map<std::string, uint16_t> colours;
    int languageSlot = 0;
    std::vector<uint32_t> discarded;
    bool refuseNewPlayers = false;

    // A registered player of the given role and team.
    CPlayer& AddPerson(uint8_t role, bool reserve = false) {
        CPlayer* player = CreatePlayer(0, true);
        player->SetRole(role);
        player->SetReserve(reserve ? 1 : 0);
        return *player;
    }

    CPlayer* FindPlayer(uint32_t id) override { return FakePlayerRegistry::FindPlayer(id); }
    CPlayer* CreatePlayer(uint32_t id, bool registerId) override {
        return refuseNewPlayers ? nullptr : AddPlayer(id, registerId);
    }
    CPlayer* CreatePlayer(uint32_t fileId) override { return CreatePlayer(fileId, true); }
    void DiscardPlayer(uint32_t id) override {
        players.erase(id);
        discarded.push_back(id);
    }
    int CountryFirstLanguage(uint32_t) const override { return 1; }
    bool ClubExists(uint32_t reference) const override {
        return renumbering.count(reference & CClub::kIdMask) > 0;
    }
    uint32_t TranslateClubReference(uint32_t reference) const override {
        if ((reference & 0xFFFFu) == 0xFFFFu) {
            return reference;
        }
        auto found = renumbering.find(reference & CClub::kIdMask);
        if (found == renumbering.end()) {
            return 0;
        }
        return CClub::MakeId(reference >> 16 & 0xFFu, found->second) |
               (reference & CClub::kSecondTeamBit);
    }
    uint32_t TranslateClubReference(uint32_t reference) override {
        return static_cast<const ClubTestWorld&>(*this).TranslateClubReference(reference);
    }
    int32_t StadiumPosition(uint32_t key) override {
        int32_t position = 0;
        for (uint32_t present : stadiumKeys) {
            if (present >= 1 && present <= key) {
                ++position;
            }
        }
        return key < 1 ? 0 : position;
    }
    int CurrentLanguageSlot() override { return languageSlot; }
    bool FindTeamColour(std::string_view name, uint16_t& entry) override {
        auto found = colours.find(std::string(name));
        if (found == colours.end()) {
            return false;
        }
        entry = found->second;
        return true;
    }
};

} // namespace tallo::test
