#pragma once

#include <cstdint>
#include <string>

#include "editing/journal/change_journal.h"
#include "editing/journal/journal_target.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo::test {

// A small world made in memory for the transfer assistants' tests, with a journal of its own
// (no database folder behind it).
class TransferTestWorld : public JournalTarget {
public:
    TransferTestWorld() : journal_(*this) {}

    CWorld& World() override { return world_; }
    DatabaseContents ExchangeContents(DatabaseContents replacement) override { return replacement; }
    void Changed(const ChangeScope*) override {}

    ChangeJournal& Journal() { return journal_; }

    CCountry& Country(int number, const std::string& name) {
        CCountry& country = *world_.GetCountry(number);
        for (int slot = 0; slot < CCountry::kLanguageSlots; ++slot) {
            country.SetName(slot, name);
        }
        return country;
    }

    CClub& Club(int country, const std::string& name) {
        return *world_.GetCountry(country)->CreateClub(name);
    }

    // A player of role 0 listed by `club` (nullptr: in the list of players without a club).
    CPlayer& Player(CClub* club, const std::string& first, const std::string& surname,
                    uint8_t shirt = 0, bool reserve = false, uint8_t nationality = 1) {
        CPlayer& player = *world_.CreatePlayer(0, true);
        player.SetFirstName(first);
        player.SetSurname(surname);
        player.SetShirtNumber(shirt);
        player.SetReserve(reserve ? 1 : 0);
        player.SetNationality(nationality);
        player.SetMainPosition(1);
        if (club != nullptr) {
            club->AddPlayer(player.Id());
        } else {
            world_.PlayersWithoutClub().push_back(player.Id());
        }
        return player;
    }

private:
    CWorld world_;
    ChangeJournal journal_;
};

} // namespace tallo::test
