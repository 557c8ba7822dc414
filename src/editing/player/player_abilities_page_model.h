#pragma once

#include <array>
#include <string>

#include "editing/player/player_positions_names.h"
#include "world/player.h"

namespace tallo {

// The abilities page (CDlgPlayerAbilities): the 16 abilities, tactical education, preferred
// foot, league and international experience, the native language and two further languages;
// shown beside them the ratings at the main, second and third position and the special
// ability, worked out from the values of the page as they are edited.
//
// Store writes only what differs from what Fill found. Experience and tactical education are
// stored only for players (role 0).
class PlayerAbilitiesPageModel {
public:
    static constexpr int kAbilityMin = 1;
    static constexpr int kAbilityMax = 10;
    static constexpr int kTacticalEducationMax = 8;
    static constexpr int kPreferredFootMax = 2;
    static constexpr int kLeagueExperienceMax = 6;
    static constexpr int kInternationalExperienceMax = 4;
    static constexpr int kLanguageBoxes = 3;

    void SetPerson(CPlayer* person);
    CPlayer* Person() const { return person_; }
    void Fill();
    void Store();

    // Each setter brings its value into its range.
    void SetAbility(int index, int value);
    int Ability(int index) const;
    void SetTacticalEducation(int value);
    int TacticalEducation() const { return tacticalEducation_; }
    void SetPreferredFoot(int value);
    int PreferredFoot() const { return preferredFoot_; }
    void SetLeagueExperience(int value);
    int LeagueExperience() const { return leagueExperience_; }
    void SetInternationalExperience(int value);
    int InternationalExperience() const { return internationalExperience_; }

    // The language chosen in a box (0 native, 1 and 2 further): a language of the list, 0 for
    // none, -1 for no choice (the box shows a language the list lacks; it is kept).
    void SetLanguage(int box, int language);
    int Language(int box) const;

    // Names shown beside the values.
    static std::string AbilityName(int index);
    std::string PreferredFootName() const;
    std::string LeagueExperienceName() const;
    std::string InternationalExperienceName() const;

    // Derived values, from the values of the page: the rating at the main, second and third
    // position (slot 0 to 2), and the special ability's name and bonus (both empty when the
    // player has none).
    PositionRatingShown RatingAtPosition(int slot) const;
    std::string SpecialAbilityName() const;
    std::string SpecialAbilityBonus() const;

private:
    CPlayer Preview() const;
    // The values of the page written into `person`: all of them, or only those that differ
    // from what Fill found.
    void WriteInto(CPlayer& person, bool onlyChanged) const;

    CPlayer* person_ = nullptr;
    std::array<int, CPlayer::kAbilityCount> abilities_{};
    int tacticalEducation_ = 0;
    int preferredFoot_ = 0;
    int leagueExperience_ = 0;
    int internationalExperience_ = 0;
    std::array<int, kLanguageBoxes> languages_{};

    // What Fill found.
    std::array<int, CPlayer::kAbilityCount> filledAbilities_{};
    int filledTacticalEducation_ = 0;
    int filledPreferredFoot_ = 0;
    int filledLeagueExperience_ = 0;
    int filledInternationalExperience_ = 0;
    std::array<int, kLanguageBoxes> filledLanguages_{};
};

} // namespace tallo
