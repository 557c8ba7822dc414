#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "editing/club/club_choice_lists.h"

namespace tallo {

class CWorld;

// The stadium chooser (CDlgChooseStadium): the countries that have stadiums, by name, and the
// stadiums of the chosen country in key order ("name, city"). Preset to a stadium reference
// (country in bits 16-23, stadium key in the low 16 bits); gives the chosen stadium's
// reference. Texts are record text in the given language slot.
class StadiumChooserModel {
public:
    StadiumChooserModel(const CWorld& world, int languageSlot);

    // Selects the country of `presetStadium` when it leads to a stadium (and the stadium),
    // else `presetCountry` when it is listed.
    void Preset(int presetCountry, uint32_t presetStadium);

    // Values are the country numbers.
    const std::vector<ChoiceEntry>& Countries() const { return countries_; }
    int CountryIndex() const { return countryIndex_; }
    int CountryNumber() const;
    // Chooses a country: its stadiums are listed and none is chosen.
    void SelectCountry(int index);

    // Values are the stadium keys of the chosen country.
    const std::vector<ChoiceEntry>& Stadiums() const { return stadiums_; }
    int StadiumIndex() const { return stadiumIndex_; }
    void SelectStadium(int index);

    // The chosen stadium's reference; nothing when no stadium is chosen.
    std::optional<uint32_t> Chosen() const;

    // The reference of a stadium key in a country.
    static uint32_t MakeReference(int country, uint32_t key);

private:
    const CWorld& world_;
    std::vector<ChoiceEntry> countries_;
    std::vector<ChoiceEntry> stadiums_;
    int countryIndex_ = -1;
    int stadiumIndex_ = -1;
};

} // namespace tallo
