#include "editing/player/player_positions_page_model.h"

#include <algorithm>

namespace tallo {

namespace {

bool IsPosition(int position) {
    return position >= 1 && position <= CPlayer::kPositionCount;
}

} // namespace

void PlayerPositionsPageModel::SetPerson(CPlayer* person) {
    person_ = person;
    Fill();
}

void PlayerPositionsPageModel::Fill() {
    main_ = CPlayer::kGK;
    secondary_ = {};
    if (person_ != nullptr) {
        main_ = person_->MainPosition();
        secondary_ = {person_->SecondPosition(), person_->ThirdPosition()};
    }
    filledMain_ = main_;
    filledSecondary_ = secondary_;
}

void PlayerPositionsPageModel::Store() {
    if (person_ == nullptr) {
        return;
    }
    if (main_ != filledMain_) {
        person_->SetMainPosition(static_cast<uint8_t>(main_));
    }
    if (secondary_ != filledSecondary_) {
        std::array<uint8_t, 2> slots = secondary_;
        std::stable_partition(slots.begin(), slots.end(), [](uint8_t p) { return p != 0; });
        person_->SetOtherPosition(0, slots[0]);
        person_->SetOtherPosition(1, slots[1]);
    }
    Fill();
}

void PlayerPositionsPageModel::SetMainPosition(int position) {
    if (!IsPosition(position)) {
        return;
    }
    main_ = position;
    for (uint8_t& slot : secondary_) {
        if (slot == position) {
            slot = 0;
        }
    }
}

bool PlayerPositionsPageModel::IsSecondary(int position) const {
    return IsPosition(position) &&
           std::find(secondary_.begin(), secondary_.end(), position) != secondary_.end();
}

bool PlayerPositionsPageModel::CanSetSecondary(int position) const {
    if (!IsPosition(position) || position == main_) {
        return false;
    }
    return IsSecondary(position) ||
           std::find(secondary_.begin(), secondary_.end(), 0) != secondary_.end();
}

bool PlayerPositionsPageModel::SetSecondary(int position, bool set) {
    if (!IsPosition(position)) {
        return false;
    }
    if (!set) {
        for (uint8_t& slot : secondary_) {
            if (slot == position) {
                slot = 0;
            }
        }
        return true;
    }
    if (IsSecondary(position)) {
        return true;
    }
    if (!CanSetSecondary(position)) {
        return false;
    }
    *std::find(secondary_.begin(), secondary_.end(), 0) = static_cast<uint8_t>(position);
    return true;
}

std::array<float, CPlayer::kPositionCount> PlayerPositionsPageModel::Ratings() const {
    if (person_ == nullptr) {
        return {};
    }
    // The special ability's bonus follows the positions chosen here.
    CPlayer preview = *person_;
    preview.SetMainPosition(static_cast<uint8_t>(main_));
    preview.SetOtherPosition(0, secondary_[0]);
    preview.SetOtherPosition(1, secondary_[1]);
    return preview.GetPositionRatings();
}

PositionRatingShown PlayerPositionsPageModel::MainRating() const {
    if (person_ == nullptr) {
        return {};
    }
    return ShowRatingAt(Ratings(), main_);
}

PositionRatingShown PlayerPositionsPageModel::SecondaryRating(int slot) const {
    if (person_ == nullptr || slot < 0 || slot >= kMaxSecondary) {
        return {};
    }
    // Shown in the order they will be stored, without a gap.
    std::array<uint8_t, 2> slots = secondary_;
    std::stable_partition(slots.begin(), slots.end(), [](uint8_t p) { return p != 0; });
    return ShowRatingAt(Ratings(), slots[static_cast<size_t>(slot)]);
}

} // namespace tallo
