#include "editing/player/player_character_page_model.h"

#include <algorithm>

#include "formats/dialog_text.h"
#include "formats/string_table.h"

namespace tallo {

namespace {

// The first string-table entry of each trait's value list.
constexpr std::array<int, CPlayer::kTraitCount> kFirstValueName = {228, 232, 236, 240, 244,
                                                                   247, 250, 253, 257};

bool IsTrait(int trait) {
    return trait >= 0 && trait < CPlayer::kTraitCount;
}

} // namespace

void PlayerCharacterPageModel::SetPerson(CPlayer* person) {
    person_ = person;
    Fill();
}

void PlayerCharacterPageModel::Fill() {
    traits_.fill(CPlayer::kNormalTrait);
    notes_.clear();
    if (person_ != nullptr) {
        for (int trait = 0; trait < CPlayer::kTraitCount; ++trait) {
            traits_[static_cast<size_t>(trait)] = person_->Trait(trait);
        }
        notes_ = NotesForEdit(person_->Notes());
    }
    filledTraits_ = traits_;
    filledNotes_ = notes_;
}

void PlayerCharacterPageModel::Store() {
    if (person_ == nullptr) {
        return;
    }
    for (int trait = 0; trait < CPlayer::kTraitCount; ++trait) {
        const size_t index = static_cast<size_t>(trait);
        if (traits_[index] != filledTraits_[index]) {
            person_->SetTrait(trait, static_cast<uint8_t>(traits_[index]));
        }
    }
    if (notes_ != filledNotes_) {
        person_->SetNotes(NotesForRecord(notes_));
    }
    Fill();
}

void PlayerCharacterPageModel::SetTrait(int trait, int value) {
    if (IsTrait(trait)) {
        traits_[static_cast<size_t>(trait)] = std::clamp(value, 0, TraitMaximum(trait));
    }
}

int PlayerCharacterPageModel::Trait(int trait) const {
    return IsTrait(trait) ? traits_[static_cast<size_t>(trait)] : 0;
}

int PlayerCharacterPageModel::TraitMaximum(int trait) {
    return CPlayer::TraitMaximum(trait);
}

std::string PlayerCharacterPageModel::TraitValueName(int trait, int value) {
    if (!IsTrait(trait) || value < 0 || value > TraitMaximum(trait)) {
        return std::string();
    }
    return LoadString(kFirstValueName[static_cast<size_t>(trait)] + value);
}

std::string PlayerCharacterPageModel::TraitName(int trait) {
    switch (trait) {
    case CPlayer::kLeadership:
        return DialogText("person.character.leadership");
    case CPlayer::kAttitude:
        return DialogText("person.character.attitude");
    case CPlayer::kFlexibility:
        return DialogText("person.character.flexibility");
    case CPlayer::kMentalStrength:
        return DialogText("person.character.mental_strength");
    case CPlayer::kConsistency:
        return DialogText("person.character.consistency");
    case CPlayer::kFairness:
        return DialogText("person.character.fairness");
    case CPlayer::kImage:
        return DialogText("person.character.image");
    case CPlayer::kTeamSpirit:
        return DialogText("person.character.team_spirit");
    case CPlayer::kClubAttitude:
        return DialogText("person.character.club_attitude");
    default:
        return std::string();
    }
}

int PlayerCharacterPageModel::UnusualTraits() const {
    return static_cast<int>(std::count_if(
        traits_.begin(), traits_.end(), [](int value) { return value != CPlayer::kNormalTrait; }));
}

void PlayerCharacterPageModel::SetNotes(std::string text) {
    notes_ = std::move(text);
}

std::string PlayerCharacterPageModel::NotesForEdit(const std::string& record) {
    std::string text;
    text.reserve(record.size());
    for (size_t i = 0; i < record.size(); ++i) {
        if (record[i] == '\r') {
            text += '\n';
            if (i + 1 < record.size() && record[i + 1] == '\n') {
                ++i;
            }
        } else {
            text += record[i];
        }
    }
    return text;
}

std::string PlayerCharacterPageModel::NotesForRecord(const std::string& edited) {
    const std::string lines = NotesForEdit(edited); // any CR left in becomes a line end too
    std::string record;
    record.reserve(lines.size() + 16);
    for (char c : lines) {
        if (c == '\n') {
            record += "\r\n";
        } else {
            record += c;
        }
    }
    return record;
}

} // namespace tallo
