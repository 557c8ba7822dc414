#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "editing/club/club_choice_lists.h"
#include "editing/common/language_list.h"
#include "editing/player/birth_date_fields.h"

namespace tallo {

struct CountryEditContext;
struct NationalCoach;

// The national coach page (CDlgLandNationalcoach): the coach's names, nationality, birth date
// with the age, four skills, native and three foreign languages and the national (0 to 6) and
// international (0 to 4) experience with their texts.
//
// The page edits the coach of the context's country in place. Names are record text (8-bit).
// Store writes only what differs from what Fill found, so a page that was not touched changes
// no byte of the country.
class NationalCoachPageModel {
public:
    enum Name { kFirstName, kSurname, kNickname, kNameCount };
    static constexpr int kSkills = 4;
    static constexpr int kMaxSkill = 15;
    static constexpr int kLanguageBoxes = 4; // native, foreign 1 to 3
    static constexpr int kLastLanguage = 62;
    static constexpr int kMaxNationalExperience = 6;
    static constexpr int kMaxInternationalExperience = 4;
    static constexpr int kFirstYear = 1900;
    static constexpr int kLastYear = 1990;
    // Characters typed into each name edit; the first name keeps 15 of them when stored.
    static constexpr size_t kTypedName = 19;

    explicit NationalCoachPageModel(const CountryEditContext& context);

    // Country to values (also fills the nationality and language choices).
    void Fill();
    // Changed values to the coach.
    void Store();

    void SetName(Name name, std::string text); // cut to 19 characters
    const std::string& NameText(Name name) const { return names_[name]; }

    // The countries by name after a "none" entry (value 0); values are the country numbers.
    ChoiceField nationality;

    // Birth date: the day runs from 1 to the length of the month (31 while no month is set),
    // the month from 1 to 12, the year from 1900 to 1990; a new month or year lowers a day the
    // month has not got.
    int Day() const { return birth_.day; }
    int Month() const { return birth_.month; }
    int Year() const { return birth_.year; }
    int DayLimit() const { return birth_.DayLimit(); }
    void SetDay(int day);
    void SetMonth(int month);
    void SetYear(int year);
    // Completed years at the current game date.
    int Age() const { return birth_.Age(); }

    int Skill(int index) const;
    void SetSkill(int index, int value); // bounded to 0-15

    // The 63 languages (0 none, then 1 to 62) every language box offers.
    const std::vector<LanguageEntry>& Languages() const { return languages_; }
    // The language selected in a box, -1 for none selected (which keeps the stored one).
    int Language(int box) const;
    // A language of the list or -1; other numbers are refused.
    void SetLanguage(int box, int language);

    int NationalExperience() const { return nationalExperience_; }
    int InternationalExperience() const { return internationalExperience_; }
    void SetNationalExperience(int value);      // bounded to 0-6
    void SetInternationalExperience(int value); // bounded to 0-4
    // Texts of the experience values: string-table entries 141-147 and 136-140.
    static std::string NationalExperienceText(int value);
    static std::string InternationalExperienceText(int value);

private:
    NationalCoach* Coach() const;

    const CountryEditContext& context_;
    std::vector<LanguageEntry> languages_;

    std::array<std::string, kNameCount> names_;
    BirthDateFields birth_;
    std::array<int, kSkills> skills_{};
    std::array<int, kLanguageBoxes> chosenLanguages_{};
    int nationalExperience_ = 0;
    int internationalExperience_ = 0;

    // What Fill found.
    std::array<std::string, kNameCount> filledNames_;
    BirthDateFields filledBirth_;
    std::array<int, kSkills> filledSkills_{};
    std::array<int, kLanguageBoxes> filledLanguages_{};
    int filledNationalExperience_ = 0;
    int filledInternationalExperience_ = 0;
};

} // namespace tallo
