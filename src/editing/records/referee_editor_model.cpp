#include "editing/records/referee_editor_model.h"

#include <algorithm>
#include <array>

#include "formats/dialog_text.h"

namespace tallo {

namespace {

constexpr std::array<DialogTextKey, Referee::kTraitCount> kTraitKeys = {
    "referee.trait.0", "referee.trait.1", "referee.trait.2", "referee.trait.3",
    "referee.trait.4", "referee.trait.5", "referee.trait.6"};

std::string Cut(std::string text, size_t limit) {
    if (text.size() > limit) {
        text.resize(limit);
    }
    return text;
}

} // namespace

RefereeEditorModel::RefereeEditorModel(const Referee& referee)
    : firstName_(referee.name.FirstName()), surname_(referee.name.Surname()),
      trait_(std::min<int>(referee.trait, Referee::kNoTrait)) {}

void RefereeEditorModel::SetFirstName(std::string text) {
    firstName_ = Cut(std::move(text), kFirstNameFieldLimit);
}

void RefereeEditorModel::SetSurname(std::string text) {
    surname_ = Cut(std::move(text), kSurnameFieldLimit);
}

void RefereeEditorModel::CheckTrait(int index) {
    if (index >= 0 && index < kTraitButtons) {
        trait_ = index;
    }
}

void RefereeEditorModel::Store(Referee& referee) const {
    referee.name.SetFirstName(Cut(firstName_, kFirstNameStoredLimit));
    referee.name.SetSurname(Cut(surname_, kSurnameStoredLimit));
    referee.trait = static_cast<uint8_t>(trait_);
}

std::string RefereeEditorModel::TraitText(int trait) {
    if (trait < 0 || trait >= kTraitButtons) {
        return std::string();
    }
    return DialogText(kTraitKeys[static_cast<size_t>(trait)]);
}

} // namespace tallo
