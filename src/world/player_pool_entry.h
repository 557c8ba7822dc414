#pragma once

#include <cstdint>
#include <string_view>

#include "world/fixed_text.h"
#include "world/person_name.h"

namespace tallo {

class CKLFile;

// One young player of a country's pool, whom the game can bring into a club.
struct PlayerPoolEntry {
    static constexpr std::string_view kSection = "PL_POOL";
    // Special skills 0-15: passing, heading, shot power, accuracy, acceleration, speed,
    // tackling, dribbling, technique, crossing, reflexes, jumping, area control, one-on-one,
    // goal kicks, throw-ins.
    static constexpr uint8_t kSpecialSkillCount = 16;
    enum Position : uint8_t { kNoPosition, kGoalkeeper, kDefender, kMidfielder, kForward };

    PersonName name;
    char furtherName[20] = {}; // kept, saved and built into the game; not shown in the editor
    uint8_t nationality = 0;   // country index 0-206
    uint8_t specialSkill = 0;
    uint8_t position = 0;
    int32_t favouriteClub = 0; // club ID

    std::string_view FurtherName() const { return FixedText(furtherName); }
    void SetFurtherName(std::string_view text) { SetFixedText(furtherName, text); }

    // An entry is in use when it has a surname.
    bool InUse() const { return !name.Surname().empty(); }

    bool Write(CKLFile& file) const;
    // Files before major 0x2004 have no position; it is left 0 for them.
    bool Read(CKLFile& file);
};

} // namespace tallo
