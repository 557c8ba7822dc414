#include "editing/player/player_history_page_model.h"

#include <algorithm>

#include "editing/common/record_choosers.h"
#include "editing/player/person_edit_context.h"
#include "editing/player/player_history_club_names.h"
#include "formats/dialog_text.h"
#include "platform/code_page.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

PlayerHistoryPageModel::PlayerHistoryPageModel(const PersonEditContext& context)
    : context_(context) {
    FillCountries();
}

void PlayerHistoryPageModel::FillCountries() {
    countries_.clear();
    if (context_.world != nullptr) {
        for (int number = 1; number <= CWorld::kCountryCount; ++number) {
            if (const CCountry* country = context_.world->GetCountry(number)) {
                countries_.push_back(
                    {number, ToUtf8(country->Name(context_.languageSlot), ActiveCodePage())});
            }
        }
        std::stable_sort(
            countries_.begin(), countries_.end(),
            [](const CountryChoice& a, const CountryChoice& b) { return a.name < b.name; });
    }
    countries_.insert(countries_.begin(), CountryChoice{0, DialogText("history.no_country")});
}

void PlayerHistoryPageModel::SetPerson(CPlayer* person) {
    person_ = person;
    Fill();
}

void PlayerHistoryPageModel::Fill() {
    if (person_ == nullptr) {
        yearJoined_ = contractEnd_ = startState_ = favouriteCountry_ = 0;
        caps = goals = 0;
        inNationalTeam = refusesNationalTeam = false;
        contractStart = ContractDateFields();
        contractEndDate = ContractDateFields();
    } else {
        yearJoined_ = person_->YearJoined();
        contractEnd_ = person_->ContractEnd();
        caps = person_->InternationalCaps();
        goals = person_->InternationalGoals();
        const uint8_t flags = person_->NationalTeamFlags();
        inNationalTeam = (flags & CPlayer::kInNationalTeam) != 0;
        refusesNationalTeam = (flags & CPlayer::kRefusesNationalTeam) != 0;
        startState_ = (flags & CPlayer::kNationalStartMask) >> CPlayer::kNationalStartShift;
        contractStart.SetFrom(person_->ContractStartDate());
        contractEndDate.SetFrom(person_->ContractEndDate());
        favouriteCountry_ = person_->FavouriteCountry();
    }
    filled_ = Current();
}

PlayerHistoryPageModel::Filled PlayerHistoryPageModel::Current() const {
    return Filled{yearJoined_,     contractEnd_,        caps,        goals,
                  inNationalTeam,  refusesNationalTeam, startState_, contractStart,
                  contractEndDate, favouriteCountry_};
}

void PlayerHistoryPageModel::Store() {
    if (person_ == nullptr) {
        return;
    }
    const Filled now = Current();
    if (now.yearJoined != filled_.yearJoined) {
        person_->SetYearJoined(static_cast<int16_t>(now.yearJoined));
    }
    if (now.contractEnd != filled_.contractEnd) {
        person_->SetContractEnd(static_cast<int16_t>(now.contractEnd));
    }
    if (now.caps != filled_.caps) {
        person_->SetInternationalCaps(static_cast<uint8_t>(std::clamp(now.caps, 0, 255)));
    }
    if (now.goals != filled_.goals) {
        person_->SetInternationalGoals(static_cast<uint8_t>(std::clamp(now.goals, 0, 255)));
    }
    if (now.inNationalTeam != filled_.inNationalTeam ||
        now.refusesNationalTeam != filled_.refusesNationalTeam ||
        now.startState != filled_.startState) {
        // Bits 5 to 7 are not the page's and stay as they are.
        uint8_t flags = person_->NationalTeamFlags() &
                        ~(CPlayer::kInNationalTeam | CPlayer::kRefusesNationalTeam |
                          CPlayer::kNationalStartMask);
        if (now.inNationalTeam) {
            flags |= CPlayer::kInNationalTeam;
        }
        if (now.refusesNationalTeam) {
            flags |= CPlayer::kRefusesNationalTeam;
        }
        flags |= static_cast<uint8_t>((now.startState << CPlayer::kNationalStartShift) &
                                      CPlayer::kNationalStartMask);
        person_->SetNationalTeamFlags(flags);
    }
    if (!(now.contractStart == filled_.contractStart)) {
        person_->SetContractStartDate(now.contractStart.ToDate());
    }
    if (!(now.contractEndDate == filled_.contractEndDate)) {
        person_->SetContractEndDate(now.contractEndDate.ToDate());
    }
    if (now.favouriteCountry != filled_.favouriteCountry) {
        person_->SetFavouriteCountry(static_cast<uint8_t>(now.favouriteCountry));
    }
    filled_ = now;
}

uint32_t PlayerHistoryPageModel::ClubReference(ClubSlot slot) const {
    if (person_ == nullptr) {
        return 0;
    }
    switch (slot) {
    case kFirstClub:
        return person_->FirstClub();
    case kPreviousClub:
        return person_->PreviousClub();
    case kLoanClub:
        return person_->LoanClub();
    case kFavouriteClub:
        return person_->FavouriteClub();
    case kNeverJoinClub:
        return person_->NeverJoinClub();
    }
    return 0;
}

std::string PlayerHistoryPageModel::ClubName(ClubSlot slot) const {
    if (person_ == nullptr || context_.world == nullptr) {
        return std::string();
    }
    return PersonClubName(*context_.world, ClubReference(slot));
}

void PlayerHistoryPageModel::SetReference(ClubSlot slot, uint32_t reference) {
    switch (slot) {
    case kFirstClub:
        person_->SetFirstClub(reference);
        break;
    case kPreviousClub:
        person_->SetPreviousClub(reference);
        break;
    case kLoanClub:
        person_->SetLoanClub(reference);
        break;
    case kFavouriteClub:
        person_->SetFavouriteClub(reference);
        break;
    case kNeverJoinClub:
        person_->SetNeverJoinClub(reference);
        break;
    }
}

bool PlayerHistoryPageModel::ChooseClub(ClubSlot slot) {
    if (person_ == nullptr || context_.choosers == nullptr) {
        return false;
    }
    const uint32_t current = ClubReference(slot);
    const int country = ClubId::CountryOf(current);
    const int preset =
        country >= 1 && country <= CWorld::kCountryCount ? country : context_.chooserCountry;
    const std::optional<uint32_t> chosen = context_.choosers->ChooseClub(preset, current);
    if (!chosen) {
        return false;
    }
    SetReference(slot, *chosen);
    return true;
}

void PlayerHistoryPageModel::ClearClub(ClubSlot slot) {
    if (person_ != nullptr) {
        SetReference(slot, 0);
    }
}

int PlayerHistoryPageModel::FirstYearJoined() {
    return CPlayer::kFirstYearJoined;
}

int PlayerHistoryPageModel::LastYearJoined() {
    return std::max<int>(CurrentGameDate().Year(), CPlayer::kFirstYearJoined);
}

void PlayerHistoryPageModel::SetYearJoined(int year) {
    yearJoined_ = std::clamp(year, FirstYearJoined(), LastYearJoined());
}

int PlayerHistoryPageModel::FirstContractEnd() {
    return std::min<int>(CurrentGameDate().Year(), CPlayer::kLastContractEnd);
}

int PlayerHistoryPageModel::LastContractEnd() {
    return CPlayer::kLastContractEnd;
}

void PlayerHistoryPageModel::SetContractEnd(int year) {
    contractEnd_ = std::clamp(year, FirstContractEnd(), LastContractEnd());
}

void PlayerHistoryPageModel::SetStartState(int state) {
    startState_ = std::clamp(state, 0, kStartStates - 1);
}

std::vector<std::string> PlayerHistoryPageModel::StartStateNames() {
    std::vector<std::string> names{
        DialogText("history.start_state.0"), DialogText("history.start_state.1"),
        DialogText("history.start_state.2"), DialogText("history.start_state.3"),
        DialogText("history.start_state.4")};
    for (int state = 5; state < kStartStates; ++state) {
        names.push_back(FormatDialogText("history.start_state.other", state));
    }
    return names;
}

void PlayerHistoryPageModel::SetFavouriteCountry(int country) {
    for (const CountryChoice& choice : countries_) {
        if (choice.number == country) {
            favouriteCountry_ = country;
            return;
        }
    }
}

} // namespace tallo
