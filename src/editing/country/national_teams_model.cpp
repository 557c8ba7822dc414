#include "editing/country/national_teams_model.h"

#include <algorithm>
#include <cstring>

#include "editing/session/database_session.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

bool SameNationalCoach(const NationalCoach& a, const NationalCoach& b) {
    return std::memcmp(a.name.firstName, b.name.firstName, sizeof a.name.firstName) == 0 &&
           std::memcmp(a.name.surname, b.name.surname, sizeof a.name.surname) == 0 &&
           std::memcmp(a.nickname, b.nickname, sizeof a.nickname) == 0 &&
           a.nationality == b.nationality && a.birthDate == b.birthDate &&
           std::memcmp(a.skills, b.skills, sizeof a.skills) == 0 &&
           std::memcmp(a.languages, b.languages, sizeof a.languages) == 0 &&
           a.nationalExperience == b.nationalExperience &&
           a.internationalExperience == b.internationalExperience;
}

NationalTeamsModel::NationalTeamsModel(DatabaseSession& session, int startCountry, int languageSlot)
    : world_(session.World()), languageSlot_(languageSlot),
      change_(session.Journal().Begin("national.teams.change")),
      countries_(CountryChoices(world_, languageSlot)), team_(world_, languageSlot, change_.get()) {
    // The choice lists start with a "none" entry, which this list does not offer.
    if (!countries_.empty() && countries_.front().value == 0) {
        countries_.erase(countries_.begin());
    }
    coachContext_.world = &world_;
    coachContext_.languageSlot = languageSlot;
    coachContext_.change = change_.get();
    int first = startCountry;
    if (world_.GetCountry(first) == nullptr || first < 1 || first > CWorld::kCountryCount) {
        first = countries_.empty() ? 0 : static_cast<int>(countries_.front().value);
    }
    SelectCountry(first);
}

NationalTeamsModel::~NationalTeamsModel() {
    Abandon();
}

int NationalTeamsModel::RowOf(int country) const {
    for (size_t i = 0; i < countries_.size(); ++i) {
        if (static_cast<int>(countries_[i].value) == country) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void NationalTeamsModel::SelectCountry(int country) {
    team_.SetCountry(country);
}

const CountryEditContext* NationalTeamsModel::BeginCoachEdit() {
    if (!IsOpen() || !team_.HasCountry()) {
        return nullptr;
    }
    const int number = team_.Country();
    CCountry* country = world_.GetCountry(number);
    change_->IncludeCountry(number);
    originalCoaches_.emplace(number, country->nationalCoach);
    editedCoach_ = country->nationalCoach;
    coachContext_.country = number;
    return &coachContext_;
}

void NationalTeamsModel::CancelCoachEdit() {
    if (CCountry* country = world_.GetCountry(coachContext_.country)) {
        country->nationalCoach = editedCoach_;
    }
}

bool NationalTeamsModel::Changed() const {
    if (team_.Changed()) {
        return true;
    }
    return std::any_of(originalCoaches_.begin(), originalCoaches_.end(), [this](const auto& kept) {
        const CCountry* country = world_.GetCountry(kept.first);
        return country != nullptr && !SameNationalCoach(country->nationalCoach, kept.second);
    });
}

bool NationalTeamsModel::Confirm() {
    if (!IsOpen()) {
        return false;
    }
    if (!Changed()) {
        change_->Abandon();
        return false;
    }
    change_->Commit();
    return true;
}

void NationalTeamsModel::Abandon() {
    if (IsOpen()) {
        change_->Abandon();
    }
}

} // namespace tallo
