#include "editing/staff/manager_abilities_page_model.h"

#include <algorithm>

#include "editing/player/person_edit_context.h"
#include "formats/string_table.h"
#include "world/player.h"

namespace tallo {

namespace {

constexpr int kNationalExperienceString = 628;
constexpr int kInternationalExperienceString = 635;

bool Offers(const std::vector<LanguageEntry>& languages, int language) {
    return std::any_of(languages.begin(), languages.end(),
                       [language](const LanguageEntry& e) { return e.language == language; });
}

} // namespace

ManagerAbilitiesPageModel::ManagerAbilitiesPageModel(const PersonEditContext& context)
    : context_(context), nativeLanguages_(LanguageList(CPlayer::kMaxLanguage, false)),
      foreignLanguages_(LanguageList(CPlayer::kMaxLanguage, true)) {}

void ManagerAbilitiesPageModel::SetPerson(CPlayer* person) {
    person_ = person;
    Fill();
}

void ManagerAbilitiesPageModel::Fill() {
    skills_ = {};
    languages_ = {-1, -1, -1, -1};
    nationalExperience_ = 0;
    internationalExperience_ = 0;
    if (person_ != nullptr) {
        for (int i = 0; i < kSkills; ++i) {
            skills_[i] = person_->Bonus(i);
        }
        for (int box = 0; box < kLanguageBoxes; ++box) {
            const int language = person_->Language(box);
            languages_[box] = Offers(Offered(box), language) ? language : -1;
        }
        nationalExperience_ = person_->LeagueExperience();
        internationalExperience_ = person_->InternationalExperience();
    }
    filled_ = Current();
}

ManagerAbilitiesPageModel::Values ManagerAbilitiesPageModel::Current() const {
    return Values{skills_, languages_, nationalExperience_, internationalExperience_};
}

void ManagerAbilitiesPageModel::Store() {
    if (person_ == nullptr) {
        return;
    }
    const Values now = Current();
    for (int i = 0; i < kSkills; ++i) {
        if (now.skills[i] != filled_.skills[i]) {
            person_->SetBonus(i, static_cast<uint8_t>(now.skills[i]));
        }
    }
    const int role = person_->Role();
    if (role == CPlayer::kRoleManager || role == CPlayer::kRoleChairman) {
        if (now.nationalExperience != filled_.nationalExperience) {
            person_->SetLeagueExperience(static_cast<uint8_t>(now.nationalExperience));
        }
        if (now.internationalExperience != filled_.internationalExperience) {
            person_->SetInternationalExperience(static_cast<uint8_t>(now.internationalExperience));
        }
    }
    for (int box = 0; box < kLanguageBoxes; ++box) {
        if (now.languages[box] != filled_.languages[box]) {
            person_->SetLanguageByte(box, static_cast<uint8_t>(std::max(now.languages[box], 0)));
        }
    }
    // The ratings and the detail value are worked out from the record whenever they are asked
    // for, so there is nothing more to bring up to date here.
    filled_ = now;
}

ManagerAbilitiesPageModel::ExperienceGroup ManagerAbilitiesPageModel::ExperienceVisibility() const {
    return person_ != nullptr ? ExperienceVisibilityFor(person_->Role())
                              : ExperienceGroup::kUnchanged;
}

ManagerAbilitiesPageModel::ExperienceGroup
ManagerAbilitiesPageModel::ExperienceVisibilityFor(int role) {
    if (role == CPlayer::kRoleManager || role == CPlayer::kRoleChairman) {
        return ExperienceGroup::kShow;
    }
    if (role == CPlayer::kRolePresident) {
        return ExperienceGroup::kHide;
    }
    return ExperienceGroup::kUnchanged;
}

int ManagerAbilitiesPageModel::Skill(int index) const {
    return index >= 0 && index < kSkills ? skills_[index] : 0;
}

void ManagerAbilitiesPageModel::SetSkill(int index, int value) {
    if (index >= 0 && index < kSkills) {
        skills_[index] = std::clamp(value, 0, kMaxSkill);
    }
}

const std::vector<LanguageEntry>& ManagerAbilitiesPageModel::Offered(int box) const {
    return box == 0 ? nativeLanguages_ : foreignLanguages_;
}

int ManagerAbilitiesPageModel::Language(int box) const {
    return box >= 0 && box < kLanguageBoxes ? languages_[box] : -1;
}

void ManagerAbilitiesPageModel::SetLanguage(int box, int language) {
    if (box < 0 || box >= kLanguageBoxes) {
        return;
    }
    if (language < 0 || Offers(Offered(box), language)) {
        languages_[box] = language < 0 ? -1 : language;
    }
}

void ManagerAbilitiesPageModel::SetNationalExperience(int value) {
    nationalExperience_ = std::clamp(value, 0, kMaxNationalExperience);
}

void ManagerAbilitiesPageModel::SetInternationalExperience(int value) {
    internationalExperience_ = std::clamp(value, 0, kMaxInternationalExperience);
}

std::string ManagerAbilitiesPageModel::NationalExperienceText(int value) {
    return LoadString(kNationalExperienceString + std::clamp(value, 0, kMaxNationalExperience));
}

std::string ManagerAbilitiesPageModel::InternationalExperienceText(int value) {
    return LoadString(kInternationalExperienceString +
                      std::clamp(value, 0, kMaxInternationalExperience));
}

} // namespace tallo
