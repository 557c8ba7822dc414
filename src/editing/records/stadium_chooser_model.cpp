#include "editing/records/stadium_chooser_model.h"

#include "world/country.h"
#include "world/world.h"

namespace tallo {

StadiumChooserModel::StadiumChooserModel(const CWorld& world, int languageSlot) : world_(world) {
    for (const ChoiceEntry& entry : CountryChoices(world, languageSlot)) {
        const CCountry* country = world.GetCountry(static_cast<int>(entry.value));
        if (entry.value != 0 && country != nullptr && !country->stadiums.Empty()) {
            countries_.push_back(entry);
        }
    }
}

uint32_t StadiumChooserModel::MakeReference(int country, uint32_t key) {
    return (static_cast<uint32_t>(country & 0xFF) << 16) | (key & 0xFFFFu);
}

int StadiumChooserModel::CountryNumber() const {
    return countryIndex_ >= 0 ? static_cast<int>(countries_[countryIndex_].value) : 0;
}

void StadiumChooserModel::Preset(int presetCountry, uint32_t presetStadium) {
    const int stadiumCountry = static_cast<int>((presetStadium >> 16) & 0xFF);
    const uint32_t key = presetStadium & 0xFFFFu;
    const CCountry* country = world_.GetCountry(stadiumCountry);
    const bool found = key != 0 && country != nullptr && country->stadiums.Contains(key);
    const int wanted = found ? stadiumCountry : presetCountry;
    SelectCountry(-1);
    for (size_t i = 0; i < countries_.size(); ++i) {
        if (static_cast<int>(countries_[i].value) == wanted) {
            SelectCountry(static_cast<int>(i));
            break;
        }
    }
    for (size_t i = 0; found && i < stadiums_.size(); ++i) {
        if (stadiums_[i].value == key) {
            stadiumIndex_ = static_cast<int>(i);
        }
    }
}

void StadiumChooserModel::SelectCountry(int index) {
    countryIndex_ = index >= 0 && index < static_cast<int>(countries_.size()) ? index : -1;
    stadiumIndex_ = -1;
    stadiums_.clear();
    const CCountry* country = countryIndex_ >= 0 ? world_.GetCountry(CountryNumber()) : nullptr;
    if (country != nullptr) {
        stadiums_ = StadiumChoices(*country);
        stadiums_.erase(stadiums_.begin()); // the "none" entry: no stadium is chosen by Cancel
    }
}

void StadiumChooserModel::SelectStadium(int index) {
    stadiumIndex_ = index >= 0 && index < static_cast<int>(stadiums_.size()) ? index : -1;
}

std::optional<uint32_t> StadiumChooserModel::Chosen() const {
    if (stadiumIndex_ < 0) {
        return std::nullopt;
    }
    return MakeReference(CountryNumber(), stadiums_[stadiumIndex_].value);
}

} // namespace tallo
