#include "world/country_club_context.h"

#include "world/country.h"
#include "world/world.h"

namespace tallo {

CPlayer* CountryClubContext::FindPlayer(uint32_t id) {
    CWorld* world = country_.World();
    return world != nullptr ? world->FindPlayer(id) : nullptr;
}

CPlayer* CountryClubContext::CreatePlayer(uint32_t fileId) {
    CWorld* world = country_.World();
    return world != nullptr ? world->CreatePlayer(fileId, true) : nullptr;
}

void CountryClubContext::DiscardPlayer(uint32_t id) {
    if (CWorld* world = country_.World()) {
        world->RemovePlayer(id);
    }
}

uint32_t CountryClubContext::TranslateClubReference(uint32_t reference) {
    return country_.TranslateClubReference(reference);
}

int32_t CountryClubContext::StadiumPosition(uint32_t key) {
    return static_cast<int32_t>(country_.StadiumPosition(key));
}

int CountryClubContext::CurrentLanguageSlot() {
    const CWorld* world = country_.World();
    return world != nullptr ? world->Language() : 0;
}

bool CountryClubContext::FindTeamColour(std::string_view clubName, uint16_t& entry) {
    const CWorld* world = country_.World();
    if (world == nullptr || !world->Lookups().teamColour) {
        return false;
    }
    return world->Lookups().teamColour(clubName, entry);
}

} // namespace tallo
