#include "editing/player/player_abilities_page_model.h"

#include <algorithm>
#include <cstdio>

#include "formats/string_table.h"

namespace tallo {

namespace {

constexpr int kFirstAbilityName = 264;
constexpr int kFirstFootName = 129;
constexpr int kFirstLeagueExperienceName = 141;
constexpr int kFirstInternationalExperienceName = 136;

} // namespace

void PlayerAbilitiesPageModel::SetPerson(CPlayer* person) {
    person_ = person;
    Fill();
}

void PlayerAbilitiesPageModel::Fill() {
    abilities_.fill(kAbilityMin);
    tacticalEducation_ = 0;
    preferredFoot_ = 0;
    leagueExperience_ = 0;
    internationalExperience_ = 0;
    languages_ = {};
    if (person_ != nullptr) {
        for (int i = 0; i < CPlayer::kAbilityCount; ++i) {
            abilities_[static_cast<size_t>(i)] = person_->Ability(i);
        }
        tacticalEducation_ = person_->TacticalEducation();
        preferredFoot_ = person_->PreferredFoot();
        leagueExperience_ = person_->LeagueExperience();
        internationalExperience_ = person_->InternationalExperience();
        for (int box = 0; box < kLanguageBoxes; ++box) {
            const int language = person_->Language(box);
            languages_[static_cast<size_t>(box)] =
                language <= CPlayer::kMaxLanguage ? language : -1;
        }
    }
    filledAbilities_ = abilities_;
    filledTacticalEducation_ = tacticalEducation_;
    filledPreferredFoot_ = preferredFoot_;
    filledLeagueExperience_ = leagueExperience_;
    filledInternationalExperience_ = internationalExperience_;
    filledLanguages_ = languages_;
}

void PlayerAbilitiesPageModel::Store() {
    if (person_ == nullptr) {
        return;
    }
    WriteInto(*person_, true);
    Fill();
}

void PlayerAbilitiesPageModel::WriteInto(CPlayer& person, bool onlyChanged) const {
    for (int i = 0; i < CPlayer::kAbilityCount; ++i) {
        const size_t index = static_cast<size_t>(i);
        if (!onlyChanged || abilities_[index] != filledAbilities_[index]) {
            person.SetAbility(i, static_cast<uint8_t>(abilities_[index]));
        }
    }
    if (!onlyChanged || preferredFoot_ != filledPreferredFoot_) {
        person.SetPreferredFoot(static_cast<uint8_t>(preferredFoot_));
    }
    // Experience and tactical education belong to players; other persons keep theirs.
    if (person.Role() == CPlayer::kRolePlayer) {
        if (!onlyChanged || leagueExperience_ != filledLeagueExperience_) {
            person.SetLeagueExperience(static_cast<uint8_t>(leagueExperience_));
        }
        if (!onlyChanged || internationalExperience_ != filledInternationalExperience_) {
            person.SetInternationalExperience(static_cast<uint8_t>(internationalExperience_));
        }
        if (!onlyChanged || tacticalEducation_ != filledTacticalEducation_) {
            person.SetTacticalEducation(static_cast<uint8_t>(tacticalEducation_));
        }
    }
    if (onlyChanged && languages_ != filledLanguages_) {
        // Slots 0 to 2 through SetLanguage, which keeps the old language for no choice (-1)
        // and refuses a language an earlier slot holds. A choice of none, or of a language a
        // box before it already chose, clears its slot: the user took that language out, and
        // keeping the slot's old language would bring back one the user removed.
        for (int box = 0; box < kLanguageBoxes; ++box) {
            const int language = languages_[static_cast<size_t>(box)];
            const auto earlier = languages_.begin() + box;
            if (language == 0 ||
                (language > 0 && std::find(languages_.begin(), earlier, language) != earlier)) {
                person.SetLanguageByte(box, 0);
            } else {
                person.SetLanguage(box, language);
            }
        }
        person.TidyLanguages();
    }
}

void PlayerAbilitiesPageModel::SetAbility(int index, int value) {
    if (index >= 0 && index < CPlayer::kAbilityCount) {
        abilities_[static_cast<size_t>(index)] = std::clamp(value, kAbilityMin, kAbilityMax);
    }
}

int PlayerAbilitiesPageModel::Ability(int index) const {
    if (index < 0 || index >= CPlayer::kAbilityCount) {
        return 0;
    }
    return abilities_[static_cast<size_t>(index)];
}

void PlayerAbilitiesPageModel::SetTacticalEducation(int value) {
    tacticalEducation_ = std::clamp(value, 0, kTacticalEducationMax);
}

void PlayerAbilitiesPageModel::SetPreferredFoot(int value) {
    preferredFoot_ = std::clamp(value, 0, kPreferredFootMax);
}

void PlayerAbilitiesPageModel::SetLeagueExperience(int value) {
    leagueExperience_ = std::clamp(value, 0, kLeagueExperienceMax);
}

void PlayerAbilitiesPageModel::SetInternationalExperience(int value) {
    internationalExperience_ = std::clamp(value, 0, kInternationalExperienceMax);
}

void PlayerAbilitiesPageModel::SetLanguage(int box, int language) {
    if (box >= 0 && box < kLanguageBoxes) {
        languages_[static_cast<size_t>(box)] = std::clamp(language, -1, CPlayer::kMaxLanguage);
    }
}

int PlayerAbilitiesPageModel::Language(int box) const {
    if (box < 0 || box >= kLanguageBoxes) {
        return -1;
    }
    return languages_[static_cast<size_t>(box)];
}

std::string PlayerAbilitiesPageModel::AbilityName(int index) {
    if (index < 0 || index >= CPlayer::kAbilityCount) {
        return std::string();
    }
    return LoadString(kFirstAbilityName + index);
}

std::string PlayerAbilitiesPageModel::PreferredFootName() const {
    return LoadString(kFirstFootName + std::clamp(preferredFoot_, 0, kPreferredFootMax));
}

std::string PlayerAbilitiesPageModel::LeagueExperienceName() const {
    return LoadString(kFirstLeagueExperienceName +
                      std::clamp(leagueExperience_, 0, kLeagueExperienceMax));
}

std::string PlayerAbilitiesPageModel::InternationalExperienceName() const {
    return LoadString(kFirstInternationalExperienceName +
                      std::clamp(internationalExperience_, 0, kInternationalExperienceMax));
}

CPlayer PlayerAbilitiesPageModel::Preview() const {
    CPlayer preview = *person_;
    WriteInto(preview, false);
    return preview;
}

PositionRatingShown PlayerAbilitiesPageModel::RatingAtPosition(int slot) const {
    if (person_ == nullptr || slot < 0 || slot > 2) {
        return {};
    }
    const int position = slot == 0 ? person_->MainPosition() : person_->OtherPosition(slot - 1);
    return ShowRatingAt(Preview().GetPositionRatings(), position);
}

std::string PlayerAbilitiesPageModel::SpecialAbilityName() const {
    if (person_ == nullptr) {
        return std::string();
    }
    const CPlayer::SpecialAbility special = Preview().GetSpecialAbility();
    return special.code >= 1 ? LoadString(CPlayer::SpecialAbilityNameId(special.code))
                             : std::string();
}

std::string PlayerAbilitiesPageModel::SpecialAbilityBonus() const {
    if (person_ == nullptr) {
        return std::string();
    }
    const CPlayer::SpecialAbility special = Preview().GetSpecialAbility();
    if (special.code < 1) {
        return std::string();
    }
    char text[32];
    std::snprintf(text, sizeof text, "%2.1f", static_cast<double>(special.bonus));
    return text;
}

} // namespace tallo
