#include "gamedb/club_export_numbering.h"

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
        uint16_t next = 1;
        // The club map is in ascending ID order already.
        for (const auto& [id, club] : country->Clubs()) {
            const uint32_t clubNumber = ClubId::NumberOf(id);
            if (clubNumber < ClubId::kNationalTeamNumber && next != 0) {
                if (clubNumber >= clubs.size()) {
                    clubs.resize(clubNumber + 1, 0);
                }
                clubs[clubNumber] = next++;
            }
        }
    }
}

uint16_t ClubExportNumbering::Index(uint32_t clubId) const {
    const uint32_t id = clubId & ClubId::kIdMask;
    const uint32_t country = ClubId::CountryOf(id);
    // Club IDs use no bit above the country's; a reference that does names no club.
    if (country < 1 || country >= static_cast<uint32_t>(kCountrySlots) || (id >> 24) != 0) {
        return 0;
    }
    const auto& clubs = countries_[country];
    const uint32_t number = ClubId::NumberOf(id);
    return number < clubs.size() ? clubs[number] : 0;
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
