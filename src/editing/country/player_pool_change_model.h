#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "editing/club/club_choice_lists.h"

namespace tallo {

struct CountryEditContext;
struct PlayerPoolEntry;

// The young-player dialog (CDlgPlayerpoolChange): one entry of the country's pool, its first
// name (15 characters) and surname (19), nationality, special skill (0 to 15), position (0 to
// 4) and favourite club (picked with the club chooser).
//
// The dialog works on its own values and writes them into the entry on OK (Store); without
// Store the entry stays as it was. An entry needs a surname to be in use, so Store refuses an
// entry without one (the dialog keeps OK disabled). Values the user did not change are written
// back exactly as they were.
class PlayerPoolChangeModel {
public:
    static constexpr size_t kFirstNameLimit = 15;
    static constexpr size_t kSurnameLimit = 19;

    PlayerPoolChangeModel(const CountryEditContext& context, size_t entry);

    // False when the entry is not in the country's pool (nothing can be edited then).
    bool IsValid() const;

    const std::string& FirstName() const { return firstName_; }
    const std::string& Surname() const { return surname_; }
    void SetFirstName(std::string text); // record text, cut to 15 characters
    void SetSurname(std::string text);   // record text, cut to 19 characters

    // The countries by name after a "none" entry (value 0); values are the country numbers.
    ChoiceField nationality;

    int SpecialSkill() const { return specialSkill_; }
    void SetSpecialSkill(int skill); // bounded to 0-15
    int Position() const { return position_; }
    void SetPosition(int position); // bounded to 0-4

    // The favourite club (a club reference, 0 none) and its name in the database's language
    // slot (UTF-8; empty for none).
    int32_t FavouriteClub() const { return favouriteClub_; }
    std::string FavouriteClubName() const;
    // Opens the club chooser preset to the current club (or the edited country); true when a
    // club was chosen.
    bool ChooseFavouriteClub();
    void ClearFavouriteClub() { favouriteClub_ = 0; }

    // A surname is typed: the entry will be in use.
    bool CanStore() const;
    // Writes the values into the entry; false (nothing written) without a surname or entry.
    bool Store();

private:
    PlayerPoolEntry* Entry() const;

    const CountryEditContext& context_;
    size_t entry_;
    std::string firstName_;
    std::string surname_;
    int specialSkill_ = 0;
    int position_ = 0;
    int32_t favouriteClub_ = 0;
    std::string filledFirstName_;
    std::string filledSurname_;
};

} // namespace tallo
