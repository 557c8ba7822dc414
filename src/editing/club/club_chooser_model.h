#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editing/club/club_choice_lists.h"

namespace tallo {

class CWorld;

// The club chooser (CDlgChooseClub): a list of countries by name and the clubs of the chosen
// country by name, the national team first. Preset to a country and a club; gives the chosen
// club's ID. Texts are record text in the given language slot.
class ClubChooserModel {
public:
    struct Options {
        bool nationalTeam = true; // offer the country's national team
        bool secondTeams = false; // offer each club's second team too (bit 24 set)
    };

    ClubChooserModel(const CWorld& world, int languageSlot, Options options);
    ClubChooserModel(const CWorld& world, int languageSlot)
        : ClubChooserModel(world, languageSlot, Options()) {}

    // Selects the country of `presetClub` (when it names a club) or else `presetCountry`, and
    // the club itself when it is in the list.
    void Preset(int presetCountry, uint32_t presetClub);

    // Countries with a name (without the "none" entry), by name; values are country numbers.
    const std::vector<ChoiceEntry>& Countries() const { return countries_; }
    int CountryIndex() const { return countryIndex_; }
    int CountryNumber() const;
    // Chooses a country: its clubs are listed and no club is chosen.
    void SelectCountry(int index);

    // The clubs of the chosen country; values are club references.
    const std::vector<ChoiceEntry>& Clubs() const { return clubs_; }
    int ClubIndex() const { return clubIndex_; }
    void SelectClub(int index);

    // The chosen club, nothing when no club is chosen.
    std::optional<uint32_t> Chosen() const;

private:
    void ListClubs();

    const CWorld& world_;
    int languageSlot_;
    Options options_;
    std::vector<ChoiceEntry> countries_;
    std::vector<ChoiceEntry> clubs_;
    int countryIndex_ = -1;
    int clubIndex_ = -1;
};

} // namespace tallo
