#include "editing/country/national_coach_page_model.h"

#include <algorithm>

#include "editing/country/country_edit_context.h"
#include "formats/string_table.h"
#include "world/country.h"
#include "world/national_coach.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr int kNationalExperienceString = 141;
constexpr int kInternationalExperienceString = 136;

bool Offers(const std::vector<LanguageEntry>& languages, int language) {
    return std::any_of(languages.begin(), languages.end(),
                       [language](const LanguageEntry& e) { return e.language == language; });
}

std::string Cut(std::string text, size_t limit) {
    if (text.size() > limit) {
        text.resize(limit);
    }
    return text;
}

} // namespace

NationalCoachPageModel::NationalCoachPageModel(const CountryEditContext& context)
    : context_(context), languages_(LanguageList(kLastLanguage, true)) {
    Fill();
}

NationalCoach* NationalCoachPageModel::Coach() const {
    CCountry* country = context_.EditedCountry();
    return country != nullptr ? &country->nationalCoach : nullptr;
}

void NationalCoachPageModel::Fill() {
    nationality.entries = context_.world != nullptr
                              ? CountryChoices(*context_.world, context_.languageSlot)
                              : std::vector<ChoiceEntry>(1);
    const NationalCoach* coach = Coach();
    if (coach == nullptr) {
        names_ = {};
        birth_ = BirthDateFields{};
        skills_ = {};
        chosenLanguages_ = {-1, -1, -1, -1};
        nationalExperience_ = 0;
        internationalExperience_ = 0;
        nationality.Fill(0);
    } else {
        names_ = {std::string(coach->name.FirstName()), std::string(coach->name.Surname()),
                  std::string(coach->Nickname())};
        birth_.SetFrom(coach->birthDate);
        for (int i = 0; i < kSkills; ++i) {
            skills_[i] = coach->skills[i];
        }
        for (int box = 0; box < kLanguageBoxes; ++box) {
            const int language = coach->languages[box];
            chosenLanguages_[box] = Offers(languages_, language) ? language : -1;
        }
        nationalExperience_ = coach->nationalExperience;
        internationalExperience_ = coach->internationalExperience;
        nationality.Fill(static_cast<uint32_t>(std::max(coach->nationality, 0)));
    }
    filledNames_ = names_;
    filledBirth_ = birth_;
    filledSkills_ = skills_;
    filledLanguages_ = chosenLanguages_;
    filledNationalExperience_ = nationalExperience_;
    filledInternationalExperience_ = internationalExperience_;
}

void NationalCoachPageModel::Store() {
    NationalCoach* coach = Coach();
    if (coach == nullptr) {
        return;
    }
    if (names_[kFirstName] != filledNames_[kFirstName]) {
        coach->name.SetFirstName(names_[kFirstName]); // the field keeps 15 characters
    }
    if (names_[kSurname] != filledNames_[kSurname]) {
        coach->name.SetSurname(names_[kSurname]);
    }
    if (names_[kNickname] != filledNames_[kNickname]) {
        coach->SetNickname(names_[kNickname]);
    }
    if (!(birth_ == filledBirth_)) {
        coach->birthDate = birth_.ToDate();
    }
    coach->nationality = static_cast<int32_t>(nationality.Value());
    for (int box = 0; box < kLanguageBoxes; ++box) {
        // A box without a selection keeps the stored language.
        if (chosenLanguages_[box] >= 0 && chosenLanguages_[box] != filledLanguages_[box]) {
            coach->languages[box] = static_cast<uint8_t>(chosenLanguages_[box]);
        }
    }
    for (int i = 0; i < kSkills; ++i) {
        if (skills_[i] != filledSkills_[i]) {
            coach->skills[i] = static_cast<uint8_t>(skills_[i]);
        }
    }
    if (nationalExperience_ != filledNationalExperience_) {
        coach->nationalExperience = static_cast<uint8_t>(nationalExperience_);
    }
    if (internationalExperience_ != filledInternationalExperience_) {
        coach->internationalExperience = static_cast<uint8_t>(internationalExperience_);
    }
    // Stored values are what the page starts from now (the nationality choice included).
    Fill();
}

void NationalCoachPageModel::SetName(Name name, std::string text) {
    if (name >= 0 && name < kNameCount) {
        names_[name] = Cut(std::move(text), kTypedName);
    }
}

void NationalCoachPageModel::SetDay(int day) {
    birth_.SetDay(day);
}

void NationalCoachPageModel::SetMonth(int month) {
    birth_.SetMonth(month);
}

void NationalCoachPageModel::SetYear(int year) {
    birth_.SetYear(std::clamp(year, kFirstYear, kLastYear));
}

int NationalCoachPageModel::Skill(int index) const {
    return index >= 0 && index < kSkills ? skills_[index] : 0;
}

void NationalCoachPageModel::SetSkill(int index, int value) {
    if (index >= 0 && index < kSkills) {
        skills_[index] = std::clamp(value, 0, kMaxSkill);
    }
}

int NationalCoachPageModel::Language(int box) const {
    return box >= 0 && box < kLanguageBoxes ? chosenLanguages_[box] : -1;
}

void NationalCoachPageModel::SetLanguage(int box, int language) {
    if (box < 0 || box >= kLanguageBoxes) {
        return;
    }
    if (language < 0) {
        chosenLanguages_[box] = -1;
    } else if (Offers(languages_, language)) {
        chosenLanguages_[box] = language;
    }
}

void NationalCoachPageModel::SetNationalExperience(int value) {
    nationalExperience_ = std::clamp(value, 0, kMaxNationalExperience);
}

void NationalCoachPageModel::SetInternationalExperience(int value) {
    internationalExperience_ = std::clamp(value, 0, kMaxInternationalExperience);
}

std::string NationalCoachPageModel::NationalExperienceText(int value) {
    return LoadString(kNationalExperienceString + std::clamp(value, 0, kMaxNationalExperience));
}

std::string NationalCoachPageModel::InternationalExperienceText(int value) {
    return LoadString(kInternationalExperienceString +
                      std::clamp(value, 0, kMaxInternationalExperience));
}

} // namespace tallo
