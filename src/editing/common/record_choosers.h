#pragma once

#include <cstdint>
#include <optional>

namespace tallo {

// The choosers the editors' pages open to pick a club or a person of the world. The models
// ask through this, the Qt dialogs (club chooser, person chooser) answer; tests script it.
class IRecordChoosers {
public:
    virtual ~IRecordChoosers() = default;

    // The club chooser: preset to a country (1 to 206) and a club reference (0 none). The
    // chosen club's ID (bit 24 set when its second team was chosen); std::nullopt when the
    // user cancelled.
    virtual std::optional<uint32_t> ChooseClub(int presetCountry, uint32_t presetClub) = 0;

    // The person chooser: preset to a country, a club and a person (0 none). The chosen
    // person's ID and the club listing him; std::nullopt when the user cancelled.
    struct ChosenPerson {
        uint32_t person = 0;
        uint32_t club = 0;
    };
    virtual std::optional<ChosenPerson> ChoosePerson(int presetCountry, uint32_t presetClub,
                                                     uint32_t presetPerson) = 0;
};

} // namespace tallo
