// Club numbering of a save: every country numbers its clubs 1, 2, ... in ascending ID order
// (the national team keeps 65535), and every club reference written into a file is translated
// to that numbering, so that files hold no gaps left by removed clubs.

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

namespace {

// Numbers the clubs whose IDs (ascending) `idOf` gives for the elements of `clubs` 1, 2, ...;
// the national team is left out (it keeps its own number).
template <class Clubs, class IdOf>
void NumberClubs(std::vector<std::pair<uint32_t, uint16_t>>& renumbering, const Clubs& clubs,
                 IdOf idOf) {
    renumbering.clear();
    renumbering.reserve(clubs.size());
    uint32_t next = 1;
    for (const auto& club : clubs) {
        const uint32_t id = idOf(club);
        if (ClubId::NumberOf(id) >= ClubId::kNationalTeamNumber) {
            continue;
        }
        renumbering.emplace_back(id, static_cast<uint16_t>(next));
        ++next;
    }
}

} // namespace

void CCountry::BuildClubRenumbering() {
    NumberClubs(renumbering_, clubs_, [](const auto& entry) { return entry.first; });
}

void CCountry::BuildClubRenumberingFromLoad() {
    NumberClubs(renumbering_, loadedClubIds_, [](uint32_t id) { return id; });
}

uint16_t CCountry::RenumberedClub(uint32_t id) const {
    id &= ClubId::kIdMask;
    auto found = std::lower_bound(
        renumbering_.begin(), renumbering_.end(), id,
        [](const std::pair<uint32_t, uint16_t>& entry, uint32_t key) { return entry.first < key; });
    if (found == renumbering_.end() || found->first != id) {
        return 0;
    }
    return found->second;
}

uint32_t CCountry::TranslateClubReference(uint32_t reference) const {
    if (world_ != nullptr) {
        return world_->TranslateClubReference(reference);
    }
    // A country on its own can translate only references to its own clubs.
    if (ClubId::IsNationalTeam(reference)) {
        return reference;
    }
    if (ClubId::CountryOf(reference) != (number_ & 0xFF)) {
        return 0;
    }
    uint16_t number = RenumberedClub(reference);
    if (number == 0) {
        return 0;
    }
    return ClubId::Make(number_, number) | (reference & ClubId::kSecondTeamBit);
}

uint32_t CWorld::TranslateClubReference(uint32_t reference) const {
    // Club number 0 is no club in every country, also in one whose file was not read.
    if ((reference & 0xFFFFu) == 0) {
        return 0;
    }
    if (ClubId::IsNationalTeam(reference) || IsClubUnknown(reference)) {
        return reference; // an unread country's file keeps its own numbering
    }
    uint32_t country = ClubId::CountryOf(reference);
    if (country < 1 || country > kCountryCount) {
        return 0;
    }
    uint16_t number = countries_[country]->RenumberedClub(reference);
    if (number == 0) {
        return 0;
    }
    return ClubId::Make(country, number) | (reference & ClubId::kSecondTeamBit);
}

void CWorld::BuildClubRenumbering() {
    for (int number = 1; number <= kCountryCount; ++number) {
        countries_[number]->BuildClubRenumbering();
    }
}

void CWorld::ClearClubRenumbering() {
    for (auto& country : countries_) {
        country->ClearClubRenumbering();
    }
}

} // namespace tallo
