#include "world/player_copy.h"

#include "world/club.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

uint32_t CopyPlayerInto(CWorld& world, const CWorld* sourceWorld, uint32_t sourceId) {
    const CPlayer* source = sourceWorld != nullptr ? sourceWorld->FindPlayer(sourceId) : nullptr;
    if (source == nullptr) {
        return 0;
    }
    CPlayer* copy = world.CreatePlayer(sourceId, true);
    if (copy == nullptr) {
        return 0;
    }
    const uint32_t id = copy->Id();
    *copy = *source;
    copy->SetWorld(&world);
    copy->SetId(id);
    return id;
}

std::unique_ptr<CClub> CopyClubWithPlayers(const CClub& source, CWorld* world,
                                           const CWorld* sourceWorld) {
    auto copy = std::make_unique<CClub>(source);
    copy->ClearPlayers();
    if (world != nullptr) {
        for (uint32_t i = 0; i < source.PlayerCount(); ++i) {
            if (uint32_t copied = CopyPlayerInto(*world, sourceWorld, source.PlayerId(i))) {
                copy->AddPlayer(copied);
            }
        }
    }
    return copy;
}

} // namespace tallo
