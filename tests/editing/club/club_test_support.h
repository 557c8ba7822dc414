#pragma once

#include <cstdint>

#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo::test {

// The country of the sample with the most clubs.
inline int ClubRichCountry(const CWorld& world) {
    int best = 1;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        if (world.GetCountry(number)->GetClubCount() > world.GetCountry(best)->GetClubCount()) {
            best = number;
        }
    }
    return best;
}

// The ordinary club of a country with the most persons listed.
inline CClub* BusiestClub(CCountry& country) {
    CClub* best = nullptr;
    for (const auto& [id, club] : country.Clubs()) {
        if (!club->IsNationalTeam() &&
            (best == nullptr || club->PlayerCount() > best->PlayerCount())) {
            best = club.get();
        }
    }
    return best;
}

} // namespace tallo::test
