#pragma once

#include <cstdint>

#include "world/club_io_context.h"

namespace tallo {

class CCountry;

// What the clubs of one country take from their world and country while they are saved,
// loaded and checked: the world's player registry, the club numbering of the save in progress
// and the positions of the country's stadiums.
class CountryClubContext : public ClubIoContext {
public:
    explicit CountryClubContext(CCountry& country) : country_(country) {}

    CPlayer* FindPlayer(uint32_t id) override;
    CPlayer* CreatePlayer(uint32_t fileId) override;
    void DiscardPlayer(uint32_t id) override;
    uint32_t TranslateClubReference(uint32_t reference) override;
    int32_t StadiumPosition(uint32_t key) override;
    int CurrentLanguageSlot() override;
    bool FindTeamColour(std::string_view clubName, uint16_t& entry) override;

private:
    CCountry& country_;
};

} // namespace tallo
