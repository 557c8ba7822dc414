#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editing/staff/formations_list.h"

namespace tallo {

class CPlayer;
struct PersonEditContext;

// The preferences page of a manager or official (CDlgManagerAllRight): favourite club,
// favourite player (with the club listing him), favourite formation and the club the person
// never works for, as the game's database takes them from an official's record: the favourite
// club, the related player, player value A (the formation, 0 to 17) and club reference E.
//
// Every choice is set into the person at once; Store has nothing left to write.
class ManagerPreferencesPageModel {
public:
    explicit ManagerPreferencesPageModel(const PersonEditContext& context);

    // Binds the page to a person (null: nothing).
    void SetPerson(CPlayer* person);
    CPlayer* Person() const { return person_; }
    void Store() {}

    // The names shown (UTF-8), each looked up through its country (the player through the
    // registry); empty without a person or for no choice.
    std::string FavouriteClubName() const;
    std::string FavouritePlayerName() const;
    std::string NeverClubName() const;

    // The club chooser preset to the current choice (or the page's country); the chosen club
    // is stored at once. False when nothing was chosen.
    bool ChooseFavouriteClub();
    bool ChooseNeverClub();
    // The person chooser preset to the favourite club and player; the chosen person and the
    // club listing him are stored at once. False when nothing was chosen.
    bool ChooseFavouritePlayer();

    const std::vector<FormationEntry>& Formations() const { return formations_; }
    // The favourite formation, -1 when the stored value is none of the list (or no person).
    int Formation() const;
    // Stores a formation of the list at once; others are refused.
    void SetFormation(int value);

private:
    int PresetCountry(uint32_t reference) const;

    const PersonEditContext& context_;
    CPlayer* person_ = nullptr;
    std::vector<FormationEntry> formations_;
};

} // namespace tallo
