#include "gamedb/club_export_numbering.h"

#include <algorithm>

#include "world/country.h"
#include "world/world.h"

namespace tallo {

void ClubExportNumbering::Clear() {
    for (auto& clubs : countries_) {
        clubs.clear();
    }
}

void ClubExportNumbering::Build(const CWorld& world) {
    Clear();
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry* country = world.GetCountry(number);
        if (country == nullptr) {
            continue;
        }
        auto& clubs = countries_[static_cast<size_t>(number)];
        clubs.reserve(country->Clubs().size());
        uint16_t next = 1;
        // The club map is in ascending ID order already.
        for (const auto& [id, club] : country->Clubs()) {
            if (ClubId::NumberOf(id) < ClubId::kNationalTeamNumber && next != 0) {
                clubs.emplace_back(id & ClubId::kIdMask, next++);
            }
        }
    }
}

uint16_t ClubExportNumbering::Index(uint32_t clubId) const {
    const uint32_t id = clubId & ClubId::kIdMask;
    const uint32_t country = ClubId::CountryOf(id);
    if (country < 1 || country >= static_cast<uint32_t>(kCountrySlots)) {
        return 0;
    }
    const auto& clubs = countries_[country];
    const auto it =
        std::lower_bound(clubs.begin(), clubs.end(), id,
                         [](const auto& entry, uint32_t key) { return entry.first < key; });
    return it != clubs.end() && it->first == id ? it->second : 0;
}

uint32_t ClubExportNumbering::GameReference(uint32_t reference) const {
    if (ClubId::NumberOf(reference) == ClubId::kNationalTeamNumber) {
        return reference;
    }
    const uint16_t index = Index(reference);
    if (index == 0) {
        return 0;
    }
    uint32_t game = ((ClubId::CountryOf(reference) << 16) | index) & ClubId::kIdMask;
    if (ClubId::IsSecondTeam(reference)) {
        game |= ClubId::kSecondTeamBit;
    }
    return game;
}

} // namespace tallo
