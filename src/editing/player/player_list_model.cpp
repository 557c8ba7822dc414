#include "editing/player/player_list_model.h"

#include "editing/player/player_positions_names.h"
#include "editing/staff/person_list_rows.h"
#include "formats/dialog_text.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

PlayerListModel::PlayerListModel(const CWorld& world, int languageSlot)
    : world_(world), languageSlot_(languageSlot) {
    countries_ = CountryChoices(world, languageSlot);
    if (!countries_.empty()) {
        countries_.erase(countries_.begin());
    }
}

void PlayerListModel::ShowCountry(int country) {
    for (size_t i = 0; i < countries_.size(); ++i) {
        if (static_cast<int>(countries_[i].value) == country) {
            SelectCountry(static_cast<int>(i));
            return;
        }
    }
    SelectCountry(-1);
}

void PlayerListModel::SelectCountry(int index) {
    countryIndex_ = index >= 0 && index < static_cast<int>(countries_.size()) ? index : -1;
    clubs_.clear();
    const CCountry* country = countryIndex_ >= 0
                                  ? world_.GetCountry(static_cast<int>(
                                        countries_[static_cast<size_t>(countryIndex_)].value))
                                  : nullptr;
    if (country != nullptr) {
        // Entry 0 (value 0) stands for all clubs; the view names it.
        clubs_ = ClubChoices(*country, languageSlot_, 0);
    }
    clubIndex_ = clubs_.empty() ? -1 : 0;
    ListRows();
}

void PlayerListModel::SelectClub(int index) {
    clubIndex_ = index >= 0 && index < static_cast<int>(clubs_.size()) ? index : -1;
    ListRows();
}

void PlayerListModel::SelectRow(int row) {
    selectedRow_ = row >= 0 && row < static_cast<int>(rows_.size()) ? row : -1;
}

std::optional<IRecordChoosers::ChosenPerson> PlayerListModel::Chosen() const {
    if (selectedRow_ < 0) {
        return std::nullopt;
    }
    const Row& row = rows_[static_cast<size_t>(selectedRow_)];
    return IRecordChoosers::ChosenPerson{row.person, row.club};
}

float PlayerListModel::Average() const {
    if (rows_.empty()) {
        return 0.0f;
    }
    float sum = 0.0f;
    for (const Row& row : rows_) {
        sum += row.rating;
    }
    return sum / static_cast<float>(rows_.size());
}

void PlayerListModel::ListRows() {
    rows_.clear();
    selectedRow_ = -1;
    if (clubIndex_ < 0) {
        return;
    }
    // Entry 0 stands for every club of the country.
    const size_t first = clubIndex_ == 0 ? 1 : static_cast<size_t>(clubIndex_);
    const size_t last = clubIndex_ == 0 ? clubs_.size() : first + 1;
    for (size_t c = first; c < last; ++c) {
        const CClub* club = world_.FindClub(clubs_[c].value);
        if (club == nullptr) {
            continue;
        }
        const std::string clubName(club->Name(languageSlot_));
        for (uint32_t i = 0; i < club->PlayerCount(); ++i) {
            const CPlayer* person = world_.FindPlayer(club->PlayerId(i));
            if (person == nullptr || !person->IsPlayerRole()) {
                continue;
            }
            const float rating = person->GetRating();
            rows_.push_back({person->Id(), club->Id(),
                             FormatDialogText("chooser.row.list", PersonListName(*person).c_str(),
                                              PositionName(person->MainPosition()).c_str(),
                                              clubName.c_str(), static_cast<double>(rating)),
                             rating});
        }
    }
}

} // namespace tallo
