#pragma once

#include <cstdint>
#include <memory>

namespace tallo {

class CClub;
class CWorld;

// A copy of a player of another world (or of the same one), registered in `world` under its
// own ID when that is free there and under a new one otherwise. Returns the ID used, 0 when
// nothing was copied (no such player, or `world` makes no more players).
uint32_t CopyPlayerInto(CWorld& world, const CWorld* sourceWorld, uint32_t sourceId);

// A copy of `source` whose players are copies registered in `world` (see CopyPlayerInto),
// listed in the order of the source. Without a world the copy lists no players. A player that
// cannot be copied is left out of the list.
std::unique_ptr<CClub> CopyClubWithPlayers(const CClub& source, CWorld* world,
                                           const CWorld* sourceWorld);

} // namespace tallo
