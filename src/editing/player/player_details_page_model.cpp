#include "editing/player/player_details_page_model.h"

#include <algorithm>

#include "editing/player/player_positions_names.h"
#include "formats/dialog_text.h"
#include "platform/code_page.h"

namespace tallo {

void PlayerDetailsPageModel::SetPerson(CPlayer* person) {
    person_ = person;
    Fill();
}

void PlayerDetailsPageModel::Fill() {
    talent_ = 0;
    ratings_ = {};
    if (person_ != nullptr) {
        talent_ = person_->Talent();
        for (int group = 0; group < CPlayer::kPositionRatingCount; ++group) {
            ratings_[static_cast<size_t>(group)] = person_->PositionRating(group);
        }
    }
    filledTalent_ = talent_;
    filledRatings_ = ratings_;
}

void PlayerDetailsPageModel::Store() {
    if (person_ == nullptr) {
        return;
    }
    if (talent_ != filledTalent_) {
        person_->SetTalent(static_cast<uint8_t>(talent_));
    }
    for (int group = 0; group < CPlayer::kPositionRatingCount; ++group) {
        const size_t index = static_cast<size_t>(group);
        if (ratings_[index] != filledRatings_[index]) {
            person_->SetPositionRating(group, static_cast<uint8_t>(ratings_[index]));
        }
    }
    Fill();
}

void PlayerDetailsPageModel::SetTalent(int value) {
    talent_ = std::clamp(value, 0, kTalentMax);
}

void PlayerDetailsPageModel::SetPositionRating(int group, int value) {
    if (group >= 0 && group < CPlayer::kPositionRatingCount) {
        ratings_[static_cast<size_t>(group)] = std::clamp(value, 0, kPositionRatingMax);
    }
}

int PlayerDetailsPageModel::PositionRating(int group) const {
    if (group < 0 || group >= CPlayer::kPositionRatingCount) {
        return 0;
    }
    return ratings_[static_cast<size_t>(group)];
}

std::string PlayerDetailsPageModel::TalentName(int talent) {
    switch (talent) {
    case 0:
        return DialogText("person.details.talent0");
    case 1:
        return DialogText("person.details.talent1");
    case 2:
        return DialogText("person.details.talent2");
    case 3:
        return DialogText("person.details.talent3");
    case 4:
        return DialogText("person.details.talent4");
    default:
        return std::string();
    }
}

std::string PlayerDetailsPageModel::PositionsText() const {
    if (person_ == nullptr) {
        return std::string();
    }
    std::string text = PositionName(person_->MainPosition());
    for (int slot = 0; slot < 2; ++slot) {
        const std::string other = PositionName(person_->OtherPosition(slot));
        if (!other.empty()) {
            text += text.empty() ? other : ", " + other;
        }
    }
    return text;
}

std::string PlayerDetailsPageModel::ShirtNumberText() const {
    if (person_ == nullptr || person_->ShirtNumber() == 0) {
        return std::string();
    }
    return std::to_string(person_->ShirtNumber());
}

std::string PlayerDetailsPageModel::RatingText() const {
    if (person_ == nullptr) {
        return std::string();
    }
    CPlayer preview = *person_;
    preview.SetTalent(static_cast<uint8_t>(talent_));
    for (int group = 0; group < CPlayer::kPositionRatingCount; ++group) {
        preview.SetPositionRating(group,
                                  static_cast<uint8_t>(ratings_[static_cast<size_t>(group)]));
    }
    return tallo::RatingText(preview.GetRating());
}

std::string PlayerDetailsPageModel::NotesText() const {
    if (person_ == nullptr) {
        return std::string();
    }
    return ToUtf8(person_->Notes(), ActiveCodePage());
}

} // namespace tallo
