#include "mapping/world_walk.h"

#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

void ForEachClub(CWorld& world, bool withNationalTeams, const std::function<void(CClub&)>& visit) {
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        CCountry* country = world.GetCountry(number);
        if (country == nullptr) {
            continue;
        }
        for (const auto& [id, club] : country->Clubs()) {
            if (club && (withNationalTeams || !club->IsNationalTeam())) {
                visit(*club);
            }
        }
    }
}

void ForEachClubPlayer(CWorld& world, const std::function<void(CPlayer&)>& visit) {
    ForEachClub(world, false, [&](CClub& club) {
        for (uint32_t index = 0; index < club.PlayerCount(); ++index) {
            if (CPlayer* player = world.FindPlayer(club.PlayerId(index))) {
                visit(*player);
            }
        }
    });
}

} // namespace tallo
