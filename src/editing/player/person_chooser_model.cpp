#include "editing/player/person_chooser_model.h"

#include "editing/staff/person_list_rows.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

PersonChooserModel::PersonChooserModel(const CWorld& world, int languageSlot)
    : world_(world), languageSlot_(languageSlot) {
    countries_ = CountryChoices(world, languageSlot);
    if (!countries_.empty()) {
        countries_.erase(countries_.begin()); // a club always lies in a country
    }
}

void PersonChooserModel::Preset(int presetCountry, uint32_t presetClub, uint32_t presetPerson) {
    const uint32_t clubId = presetClub & CClub::kIdMask;
    const bool clubExists = clubId != 0 && world_.FindClub(clubId) != nullptr;
    const int country = clubExists ? static_cast<int>((clubId >> 16) & 0xFFu) : presetCountry;
    SelectCountry(-1);
    for (size_t i = 0; i < countries_.size(); ++i) {
        if (static_cast<int>(countries_[i].value) == country) {
            SelectCountry(static_cast<int>(i));
            break;
        }
    }
    for (size_t i = 0; clubExists && i < clubs_.size(); ++i) {
        if (clubs_[i].value == clubId) {
            SelectClub(static_cast<int>(i));
            break;
        }
    }
    for (size_t i = 0; presetPerson != 0 && i < persons_.size(); ++i) {
        if (persons_[i].person == presetPerson) {
            personIndex_ = static_cast<int>(i);
            break;
        }
    }
}

void PersonChooserModel::SelectCountry(int index) {
    countryIndex_ = index >= 0 && index < static_cast<int>(countries_.size()) ? index : -1;
    ListClubs();
    SelectClub(-1);
}

void PersonChooserModel::SelectClub(int index) {
    clubIndex_ = index >= 0 && index < static_cast<int>(clubs_.size()) ? index : -1;
    ListPersons();
}

void PersonChooserModel::SelectPerson(int index) {
    personIndex_ = index >= 0 && index < static_cast<int>(persons_.size()) ? index : -1;
}

std::optional<IRecordChoosers::ChosenPerson> PersonChooserModel::Chosen() const {
    if (personIndex_ < 0 || clubIndex_ < 0) {
        return std::nullopt;
    }
    return IRecordChoosers::ChosenPerson{persons_[static_cast<size_t>(personIndex_)].person,
                                         clubs_[static_cast<size_t>(clubIndex_)].value};
}

bool PersonChooserModel::Offers(const CPlayer&) const {
    return true;
}

std::string PersonChooserModel::RowText(const CPlayer& person, const CClub&) const {
    return PersonRowText(person);
}

void PersonChooserModel::ListClubs() {
    clubs_.clear();
    const CCountry* country = countryIndex_ >= 0
                                  ? world_.GetCountry(static_cast<int>(
                                        countries_[static_cast<size_t>(countryIndex_)].value))
                                  : nullptr;
    if (country == nullptr) {
        return;
    }
    if (const CClub* national =
            country->FindClub(ClubId::Make(country->Number(), ClubId::kNationalTeamNumber))) {
        clubs_.push_back({national->Id(), std::string(national->Name(languageSlot_))});
    }
    std::vector<ChoiceEntry> ordinary = ClubChoices(*country, languageSlot_, 0);
    for (size_t i = 1; i < ordinary.size(); ++i) {
        clubs_.push_back(std::move(ordinary[i]));
    }
}

void PersonChooserModel::ListPersons() {
    persons_.clear();
    personIndex_ = -1;
    const CClub* club =
        clubIndex_ >= 0 ? world_.FindClub(clubs_[static_cast<size_t>(clubIndex_)].value) : nullptr;
    if (club == nullptr) {
        return;
    }
    for (uint32_t i = 0; i < club->PlayerCount(); ++i) {
        const CPlayer* person = world_.FindPlayer(club->PlayerId(i));
        if (person != nullptr && Offers(*person)) {
            persons_.push_back({person->Id(), RowText(*person, *club)});
        }
    }
}

} // namespace tallo
