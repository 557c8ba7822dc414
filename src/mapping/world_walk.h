#pragma once

#include <functional>

namespace tallo {

class CClub;
class CPlayer;
class CWorld;

// The walks of the mappings over a world: countries 1 to 206 in order, in each country its
// clubs in club order (ascending ID, the national team last).

// Every club; national teams only when `withNationalTeams` is set.
void ForEachClub(CWorld& world, bool withNationalTeams, const std::function<void(CClub&)>& visit);

// Every player listed by a club that is not a national team, in list order. IDs without a
// player in the registry are passed over.
void ForEachClubPlayer(CWorld& world, const std::function<void(CPlayer&)>& visit);

} // namespace tallo
