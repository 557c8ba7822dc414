#include "editing/club/club_chooser_model.h"

#include "formats/string_table.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

ClubChooserModel::ClubChooserModel(const CWorld& world, int languageSlot, Options options)
    : world_(world), languageSlot_(languageSlot), options_(options) {
    countries_ = CountryChoices(world, languageSlot);
    countries_.erase(countries_.begin()); // a club always lies in a country
}

int ClubChooserModel::CountryNumber() const {
    return countryIndex_ >= 0 ? static_cast<int>(countries_[countryIndex_].value) : 0;
}

void ClubChooserModel::Preset(int presetCountry, uint32_t presetClub) {
    const uint32_t clubId = presetClub & CClub::kIdMask;
    const int clubCountry = static_cast<int>((clubId >> 16) & 0xFF);
    const int country =
        clubId != 0 && world_.FindClub(clubId) != nullptr ? clubCountry : presetCountry;
    SelectCountry(-1);
    for (size_t i = 0; i < countries_.size(); ++i) {
        if (static_cast<int>(countries_[i].value) == country) {
            SelectCountry(static_cast<int>(i));
            break;
        }
    }
    for (size_t i = 0; presetClub != 0 && i < clubs_.size(); ++i) {
        if (clubs_[i].value == presetClub) {
            clubIndex_ = static_cast<int>(i);
            return;
        }
    }
    // A second team not offered: its first team.
    for (size_t i = 0; clubId != 0 && i < clubs_.size(); ++i) {
        if (clubs_[i].value == clubId) {
            clubIndex_ = static_cast<int>(i);
            return;
        }
    }
}

void ClubChooserModel::SelectCountry(int index) {
    countryIndex_ = index >= 0 && index < static_cast<int>(countries_.size()) ? index : -1;
    clubIndex_ = -1;
    ListClubs();
}

void ClubChooserModel::SelectClub(int index) {
    clubIndex_ = index >= 0 && index < static_cast<int>(clubs_.size()) ? index : -1;
}

std::optional<uint32_t> ClubChooserModel::Chosen() const {
    if (clubIndex_ < 0) {
        return std::nullopt;
    }
    return clubs_[clubIndex_].value;
}

void ClubChooserModel::ListClubs() {
    clubs_.clear();
    const CCountry* country = countryIndex_ >= 0 ? world_.GetCountry(CountryNumber()) : nullptr;
    if (country == nullptr) {
        return;
    }
    std::vector<ChoiceEntry> ordinary = ClubChoices(*country, languageSlot_, 0);
    ordinary.erase(ordinary.begin());
    const CClub* national =
        options_.nationalTeam
            ? country->FindClub(ClubId::Make(country->Number(), ClubId::kNationalTeamNumber))
            : nullptr;
    if (national != nullptr) {
        clubs_.push_back({national->Id(), std::string(national->Name(languageSlot_))});
    }
    for (ChoiceEntry& entry : ordinary) {
        clubs_.push_back(entry);
        if (options_.secondTeams) {
            clubs_.push_back(
                {entry.value | CClub::kSecondTeamBit, FormatString(340, entry.text.c_str())});
        }
    }
}

} // namespace tallo
