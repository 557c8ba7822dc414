#include "editing/club/club_choice_lists.h"

#include <algorithm>

#include "editing/main_window/record_name_order.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

namespace {

// Sorts the entries behind the first by their texts in the user's collation.
void SortByName(std::vector<ChoiceEntry>& entries) {
    std::vector<std::pair<std::string, ChoiceEntry>> keyed;
    for (size_t i = 1; i < entries.size(); ++i) {
        keyed.emplace_back(RecordNameKey(entries[i].text), std::move(entries[i]));
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    entries.resize(1);
    for (auto& [key, entry] : keyed) {
        entries.push_back(std::move(entry));
    }
}

} // namespace

void ChoiceField::Fill(uint32_t value) {
    original_ = value;
    filled_ = IndexOf(value);
    selected = filled_;
}

int ChoiceField::IndexOf(uint32_t value) const {
    for (int i = 0; i < Count(); ++i) {
        if (entries[static_cast<size_t>(i)].value == value) {
            return i;
        }
    }
    return -1;
}

uint32_t ChoiceField::Value() const {
    if (selected == filled_) {
        return original_;
    }
    return selected >= 0 ? entries[static_cast<size_t>(selected)].value : original_;
}

std::vector<ChoiceEntry> ClubChoices(const CCountry& country, int languageSlot,
                                     uint32_t excludeId) {
    std::vector<ChoiceEntry> entries(1);
    for (const auto& [id, club] : country.Clubs()) {
        if (!club->IsNationalTeam() && id != excludeId) {
            entries.push_back({id, std::string(club->Name(languageSlot))});
        }
    }
    SortByName(entries);
    return entries;
}

std::vector<ChoiceEntry> CountryChoices(const CWorld& world, int languageSlot) {
    std::vector<ChoiceEntry> entries(1);
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry* country = world.GetCountry(number);
        if (country != nullptr && !country->Name(languageSlot).empty()) {
            entries.push_back(
                {static_cast<uint32_t>(number), std::string(country->Name(languageSlot))});
        }
    }
    SortByName(entries);
    return entries;
}

std::vector<ChoiceEntry> StadiumChoices(const CCountry& country) {
    std::vector<ChoiceEntry> entries(1);
    for (const auto& [key, stadium] : country.stadiums) {
        std::string text(stadium.Name());
        if (!stadium.City().empty()) {
            text += ", ";
            text += stadium.City();
        }
        entries.push_back({key, std::move(text)});
    }
    return entries;
}

} // namespace tallo
