#pragma once

#include <cstdint>
#include <string_view>

#include "world/fixed_text.h"
#include "world/game_date.h"
#include "world/person_name.h"

namespace tallo {

class CKLFile;

// The coach of a country's national team.
struct NationalCoach {
    static constexpr std::string_view kSection = "MANAGER";
    // Skill indexes; each skill is 0 to 15.
    enum Skill { kTraining, kGoalkeeperTraining, kNegotiation, kMotivation, kSkillCount };
    // Language slots: native language, then three foreign languages (language indexes).
    static constexpr int kLanguageCount = 4;
    static constexpr uint8_t kMaxSkill = 15;
    // 0 very little experience ... 6 old veteran.
    static constexpr uint8_t kMaxNationalExperience = 6;
    // 0 none ... 4 overwhelming.
    static constexpr uint8_t kMaxInternationalExperience = 4;
    // The birth years the editor offers.
    static constexpr int32_t kFirstBirthYear = 1900;
    static constexpr int32_t kLastBirthYear = 1990;

    PersonName name;
    char nickname[20] = {};
    int32_t nationality = 0; // country index
    GameDate birthDate;
    uint8_t skills[kSkillCount] = {};
    uint8_t languages[kLanguageCount] = {};
    uint8_t nationalExperience = 0;
    uint8_t internationalExperience = 0;

    std::string_view Nickname() const { return FixedText(nickname); }
    void SetNickname(std::string_view text) { SetFixedText(nickname, text); }

    bool Write(CKLFile& file) const;
    bool Read(CKLFile& file);
};

} // namespace tallo
