#include "editing/country/player_pool_change_model.h"

#include <algorithm>

#include "editing/common/record_choosers.h"
#include "editing/country/country_edit_context.h"
#include "editing/player/player_history_club_names.h"
#include "world/country.h"
#include "world/player_pool_entry.h"
#include "world/world.h"

namespace tallo {

namespace {

std::string Cut(std::string text, size_t limit) {
    if (text.size() > limit) {
        text.resize(limit);
    }
    return text;
}

} // namespace

PlayerPoolChangeModel::PlayerPoolChangeModel(const CountryEditContext& context, size_t entry)
    : context_(context), entry_(entry) {
    nationality.entries = context_.world != nullptr
                              ? CountryChoices(*context_.world, context_.languageSlot)
                              : std::vector<ChoiceEntry>(1);
    const PlayerPoolEntry* found = Entry();
    if (found == nullptr) {
        nationality.Fill(0);
        return;
    }
    firstName_ = std::string(found->name.FirstName());
    surname_ = std::string(found->name.Surname());
    filledFirstName_ = firstName_;
    filledSurname_ = surname_;
    nationality.Fill(found->nationality);
    specialSkill_ = found->specialSkill;
    position_ = found->position;
    favouriteClub_ = found->favouriteClub;
}

PlayerPoolEntry* PlayerPoolChangeModel::Entry() const {
    CCountry* country = context_.EditedCountry();
    if (country == nullptr || entry_ >= country->PlayerPool().size()) {
        return nullptr;
    }
    return &country->PlayerPool()[entry_];
}

bool PlayerPoolChangeModel::IsValid() const {
    return Entry() != nullptr;
}

void PlayerPoolChangeModel::SetFirstName(std::string text) {
    firstName_ = Cut(std::move(text), kFirstNameLimit);
}

void PlayerPoolChangeModel::SetSurname(std::string text) {
    surname_ = Cut(std::move(text), kSurnameLimit);
}

void PlayerPoolChangeModel::SetSpecialSkill(int skill) {
    specialSkill_ = std::clamp(skill, 0, PlayerPoolEntry::kSpecialSkillCount - 1);
}

void PlayerPoolChangeModel::SetPosition(int position) {
    position_ = std::clamp(position, 0, static_cast<int>(PlayerPoolEntry::kForward));
}

std::string PlayerPoolChangeModel::FavouriteClubName() const {
    if (context_.world == nullptr) {
        return std::string();
    }
    return PersonClubName(*context_.world, static_cast<uint32_t>(favouriteClub_));
}

bool PlayerPoolChangeModel::ChooseFavouriteClub() {
    if (context_.choosers == nullptr) {
        return false;
    }
    const auto club = static_cast<uint32_t>(favouriteClub_);
    const int presetCountry =
        club != 0 ? static_cast<int>(ClubId::CountryOf(club)) : context_.country;
    const auto chosen = context_.choosers->ChooseClub(presetCountry, club);
    if (!chosen.has_value()) {
        return false;
    }
    favouriteClub_ = static_cast<int32_t>(*chosen);
    return true;
}

bool PlayerPoolChangeModel::CanStore() const {
    return !surname_.empty() && Entry() != nullptr;
}

bool PlayerPoolChangeModel::Store() {
    PlayerPoolEntry* entry = Entry();
    if (entry == nullptr || surname_.empty()) {
        return false;
    }
    if (firstName_ != filledFirstName_) {
        entry->name.SetFirstName(firstName_);
    }
    if (surname_ != filledSurname_) {
        entry->name.SetSurname(surname_);
    }
    entry->nationality = static_cast<uint8_t>(nationality.Value());
    entry->specialSkill = static_cast<uint8_t>(specialSkill_);
    entry->position = static_cast<uint8_t>(position_);
    entry->favouriteClub = favouriteClub_;
    return true;
}

} // namespace tallo
