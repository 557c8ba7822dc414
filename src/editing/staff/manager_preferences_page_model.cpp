#include "editing/staff/manager_preferences_page_model.h"

#include "editing/common/record_choosers.h"
#include "editing/player/person_edit_context.h"
#include "editing/player/player_history_club_names.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

ManagerPreferencesPageModel::ManagerPreferencesPageModel(const PersonEditContext& context)
    : context_(context), formations_(FormationsList()) {}

void ManagerPreferencesPageModel::SetPerson(CPlayer* person) {
    person_ = person;
}

std::string ManagerPreferencesPageModel::FavouriteClubName() const {
    if (person_ == nullptr || context_.world == nullptr) {
        return std::string();
    }
    return PersonClubName(*context_.world, person_->FavouriteClub());
}

std::string ManagerPreferencesPageModel::NeverClubName() const {
    if (person_ == nullptr || context_.world == nullptr) {
        return std::string();
    }
    return PersonClubName(*context_.world, person_->ClubReferenceE());
}

std::string ManagerPreferencesPageModel::FavouritePlayerName() const {
    if (person_ == nullptr || context_.world == nullptr || person_->RelatedPlayer() == 0) {
        return std::string();
    }
    const CPlayer* player = context_.world->FindPlayer(person_->RelatedPlayer());
    return player != nullptr ? PersonDisplayName(*player) : std::string();
}

int ManagerPreferencesPageModel::PresetCountry(uint32_t reference) const {
    const int country = static_cast<int>(ClubId::CountryOf(reference));
    return reference != 0 && country >= 1 && country <= CWorld::kCountryCount
               ? country
               : context_.chooserCountry;
}

bool ManagerPreferencesPageModel::ChooseFavouriteClub() {
    if (person_ == nullptr || context_.choosers == nullptr) {
        return false;
    }
    const uint32_t current = person_->FavouriteClub();
    const std::optional<uint32_t> chosen =
        context_.choosers->ChooseClub(PresetCountry(current), current);
    if (!chosen) {
        return false;
    }
    person_->SetFavouriteClub(*chosen);
    return true;
}

bool ManagerPreferencesPageModel::ChooseNeverClub() {
    if (person_ == nullptr || context_.choosers == nullptr) {
        return false;
    }
    const uint32_t current = person_->ClubReferenceE();
    const std::optional<uint32_t> chosen =
        context_.choosers->ChooseClub(PresetCountry(current), current);
    if (!chosen) {
        return false;
    }
    person_->SetClubReferenceE(*chosen);
    return true;
}

bool ManagerPreferencesPageModel::ChooseFavouritePlayer() {
    if (person_ == nullptr || context_.choosers == nullptr) {
        return false;
    }
    const uint32_t club = person_->FavouriteClub();
    const std::optional<IRecordChoosers::ChosenPerson> chosen =
        context_.choosers->ChoosePerson(PresetCountry(club), club, person_->RelatedPlayer());
    // A related player keeps below 60000 (a larger ID would be dropped on the next load).
    if (!chosen || chosen->person == 0 || chosen->person >= CPlayer::kMaxRelatedPlayer) {
        return false;
    }
    person_->SetRelatedPlayer(chosen->person);
    person_->SetFavouriteClub(chosen->club);
    return true;
}

int ManagerPreferencesPageModel::Formation() const {
    if (person_ == nullptr) {
        return -1;
    }
    const int value = person_->ValueA();
    return value < static_cast<int>(formations_.size()) ? value : -1;
}

void ManagerPreferencesPageModel::SetFormation(int value) {
    if (person_ != nullptr && value >= 0 && value < static_cast<int>(formations_.size())) {
        person_->SetValueA(static_cast<uint8_t>(value));
    }
}

} // namespace tallo
