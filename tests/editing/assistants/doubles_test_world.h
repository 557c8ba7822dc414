#pragma once

#include <cstdint>
#include <string>

#include "editing/journal/change_journal.h"
#include "editing/journal/journal_target.h"
#include "world/club.h"
#include "world/country.h"
#include "world/game_date.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo::test {

// A world of a few clubs made in memory for the doubles list's tests (model and window), with
// its own journal.
class DoublesTestWorld : public JournalTarget {
public:
    DoublesTestWorld() : journal_(*this) {}

    CWorld& World() override { return world_; }
    DatabaseContents ExchangeContents(DatabaseContents replacement) override { return replacement; }
    void Changed(const ChangeScope*) override {}
    ChangeJournal& Journal() { return journal_; }

    CClub& Club(int country, const std::string& countryName, const std::string& name) {
        CCountry& owner = *world_.GetCountry(country);
        for (int slot = 0; slot < CCountry::kLanguageSlots; ++slot) {
            owner.SetName(slot, countryName);
        }
        return *owner.CreateClub(name);
    }

    CPlayer& Player(CClub& club, const std::string& first, const std::string& surname,
                    int birthYear = 1980, uint8_t position = 1) {
        CPlayer& player = *world_.CreatePlayer(0, true);
        player.SetFirstName(first);
        player.SetSurname(surname);
        player.SetBirthDate(GameDate::FromDate(birthYear, 3, 14));
        player.SetMainPosition(position);
        club.AddPlayer(player.Id());
        return player;
    }

private:
    CWorld world_;
    ChangeJournal journal_;
};

} // namespace tallo::test
