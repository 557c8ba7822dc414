#pragma once

#include <array>
#include <string>
#include <vector>

#include "editing/common/language_list.h"

namespace tallo {

class CPlayer;
struct PersonEditContext;

// The abilities page of a manager or official (CDlgManagerAbilities): the four skills
// (training, goalkeeper training, negotiation, motivation: the person's bonus values, 0 to 15),
// the native and three foreign languages, and the national (0 to 6) and international (0 to 4)
// experience with their texts.
//
// The experience group belongs to managers and chairmen (roles 1 and 2) and is hidden for a
// president (role 3); for other roles the page leaves its visibility as it was. The page edits
// its person in place; Store writes the skills, the experiences (roles 1 and 2 only) and the
// languages, each only when it differs from what Fill found, so an untouched page changes no
// byte.
class ManagerAbilitiesPageModel {
public:
    static constexpr int kSkills = 4;
    static constexpr int kMaxSkill = 15;
    static constexpr int kLanguageBoxes = 4; // native, foreign 1 to 3
    static constexpr int kMaxNationalExperience = 6;
    static constexpr int kMaxInternationalExperience = 4;

    // What the page does with the experience group for a person.
    enum class ExperienceGroup { kShow, kHide, kUnchanged };

    explicit ManagerAbilitiesPageModel(const PersonEditContext& context);

    // Binds the page to a person (null: nothing) and fills the values from it.
    void SetPerson(CPlayer* person);
    CPlayer* Person() const { return person_; }
    void Fill();
    // Writes the changed values into the person (nothing without a person).
    void Store();

    ExperienceGroup ExperienceVisibility() const;
    static ExperienceGroup ExperienceVisibilityFor(int role);

    int Skill(int index) const;
    void SetSkill(int index, int value); // bounded to 0-15

    // The languages the boxes offer: the native box without the empty language, the foreign
    // boxes with it (entry 0); only the languages a person record keeps.
    const std::vector<LanguageEntry>& NativeLanguages() const { return nativeLanguages_; }
    const std::vector<LanguageEntry>& ForeignLanguages() const { return foreignLanguages_; }
    // The language of a box (0 native, 1 to 3 foreign); -1 for no selection, which stores 0.
    int Language(int box) const;
    // A language the box offers, or -1 (no selection); others are refused.
    void SetLanguage(int box, int language);

    int NationalExperience() const { return nationalExperience_; }
    int InternationalExperience() const { return internationalExperience_; }
    void SetNationalExperience(int value);      // bounded to 0-6
    void SetInternationalExperience(int value); // bounded to 0-4
    // Texts of the experience values: string-table entries 628-634 and 635-639.
    static std::string NationalExperienceText(int value);
    static std::string InternationalExperienceText(int value);

private:
    struct Values {
        std::array<int, kSkills> skills{};
        std::array<int, kLanguageBoxes> languages{};
        int nationalExperience = 0;
        int internationalExperience = 0;
        bool operator==(const Values&) const = default;
    };
    Values Current() const;
    const std::vector<LanguageEntry>& Offered(int box) const;

    const PersonEditContext& context_;
    CPlayer* person_ = nullptr;
    std::array<int, kSkills> skills_{};
    std::array<int, kLanguageBoxes> languages_{};
    int nationalExperience_ = 0;
    int internationalExperience_ = 0;
    Values filled_;
    std::vector<LanguageEntry> nativeLanguages_;
    std::vector<LanguageEntry> foreignLanguages_;
};

} // namespace tallo
