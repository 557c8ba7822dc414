#include "editing/country/national_team_model.h"

#include <algorithm>
#include <unordered_set>

#include "editing/player/player_positions_names.h"
#include "editing/staff/person_list_rows.h"
#include "world/club.h"
#include "world/country.h"
#include "world/game_date.h"
#include "world/person_name.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

namespace {

bool IsCountryNumber(int number) {
    return number >= 1 && number <= CWorld::kCountryCount;
}

} // namespace

NationalTeamModel::NationalTeamModel(CWorld& world, int languageSlot,
                                     ChangeJournal::OpenChange* change)
    : world_(world), languageSlot_(languageSlot), change_(change) {}

void NationalTeamModel::SetCountry(int country) {
    country_ = country;
    called_.clear();
    others_.clear();
    valid_ = IsCountryNumber(country) && world_.GetCountry(country) != nullptr;
    if (!valid_) {
        return;
    }
    const GameDate today = CurrentGameDate();
    // A player listed by two clubs is a candidate once, at the first club walked.
    std::unordered_set<uint32_t> seen;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry* owner = world_.GetCountry(number);
        if (owner == nullptr) {
            continue;
        }
        for (const auto& [id, club] : owner->Clubs()) {
            if (club->IsNationalTeam()) {
                continue;
            }
            for (uint32_t i = 0; i < club->PlayerCount(); ++i) {
                const CPlayer* player = world_.FindPlayer(club->PlayerId(i));
                if (player == nullptr || !player->IsPlayerRole() ||
                    player->Nationality() != country || !seen.insert(player->Id()).second) {
                    continue;
                }
                Row row;
                row.person = player->Id();
                row.club = club->Id();
                row.name = PersonListName(*player);
                row.clubName = std::string(club->Name(languageSlot_));
                row.position = PositionName(player->MainPosition());
                row.age = AgeAt(player->BirthDate(), today);
                row.rating = player->GetRating();
                row.caps = player->InternationalCaps();
                row.goals = player->InternationalGoals();
                const uint8_t flags = player->NationalTeamFlags();
                row.calledUp = (flags & CPlayer::kInNationalTeam) != 0;
                row.refuses = (flags & CPlayer::kRefusesNationalTeam) != 0;
                (row.calledUp ? called_ : others_).push_back(std::move(row));
            }
        }
    }
    Sort();
}

void NationalTeamModel::Sort() {
    const auto order = [](const Row& a, const Row& b) {
        if (a.rating != b.rating) {
            return a.rating > b.rating;
        }
        return a.person < b.person;
    };
    std::sort(called_.begin(), called_.end(), order);
    std::sort(others_.begin(), others_.end(), order);
}

std::string NationalTeamModel::TeamName() const {
    CCountry* country = valid_ ? world_.GetCountry(country_) : nullptr;
    const CClub* team = country != nullptr ? country->NationalTeam() : nullptr;
    return team != nullptr ? std::string(team->Name(languageSlot_)) : std::string();
}

std::string NationalTeamModel::TeamShortName() const {
    CCountry* country = valid_ ? world_.GetCountry(country_) : nullptr;
    const CClub* team = country != nullptr ? country->NationalTeam() : nullptr;
    return team != nullptr ? std::string(team->ShortName(languageSlot_)) : std::string();
}

std::string NationalTeamModel::CoachName() const {
    const CCountry* country = valid_ ? world_.GetCountry(country_) : nullptr;
    if (country == nullptr) {
        return std::string();
    }
    std::string name = FormatPersonName(country->nationalCoach.name);
    return name.empty() ? std::string(country->nationalCoach.Nickname()) : name;
}

int NationalTeamModel::RefusingCount() const {
    const auto refuses = [](const Row& row) { return row.refuses; };
    return static_cast<int>(std::count_if(called_.begin(), called_.end(), refuses) +
                            std::count_if(others_.begin(), others_.end(), refuses));
}

float NationalTeamModel::CalledUpAverage() const {
    if (called_.empty()) {
        return 0.0f;
    }
    float sum = 0.0f;
    for (const Row& row : called_) {
        sum += row.rating;
    }
    return sum / static_cast<float>(called_.size());
}

const NationalTeamModel::Row* NationalTeamModel::FindRow(uint32_t person) const {
    for (const auto* list : {&called_, &others_}) {
        for (const Row& row : *list) {
            if (row.person == person) {
                return &row;
            }
        }
    }
    return nullptr;
}

bool NationalTeamModel::CanCallUp(uint32_t person) const {
    const Row* row = FindRow(person);
    return row != nullptr && !row->calledUp && !row->refuses;
}

bool NationalTeamModel::CanLeaveOut(uint32_t person) const {
    const Row* row = FindRow(person);
    return row != nullptr && row->calledUp;
}

bool NationalTeamModel::SetCalledUp(uint32_t person, bool called) {
    if (called ? !CanCallUp(person) : !CanLeaveOut(person)) {
        return false;
    }
    CPlayer* player = world_.FindPlayer(person);
    if (player == nullptr) {
        return false;
    }
    auto& from = called ? others_ : called_;
    auto& to = called ? called_ : others_;
    auto it = std::find_if(from.begin(), from.end(),
                           [person](const Row& row) { return row.person == person; });
    const int clubCountry = static_cast<int>((it->club >> 16) & 0xFFu);
    if (change_ != nullptr && IsCountryNumber(clubCountry)) {
        change_->IncludeCountry(clubCountry);
    }
    const uint8_t flags = player->NationalTeamFlags();
    originalFlags_.emplace(person, flags);
    player->SetNationalTeamFlags(called ? static_cast<uint8_t>(flags | CPlayer::kInNationalTeam)
                                        : static_cast<uint8_t>(flags & ~CPlayer::kInNationalTeam));
    Row row = std::move(*it);
    from.erase(it);
    row.calledUp = called;
    to.push_back(std::move(row));
    Sort();
    return true;
}

bool NationalTeamModel::CallUp(uint32_t person) {
    return SetCalledUp(person, true);
}

bool NationalTeamModel::LeaveOut(uint32_t person) {
    return SetCalledUp(person, false);
}

int NationalTeamModel::CallUp(const std::vector<uint32_t>& persons) {
    int changed = 0;
    for (uint32_t person : persons) {
        changed += CallUp(person) ? 1 : 0;
    }
    return changed;
}

int NationalTeamModel::LeaveOut(const std::vector<uint32_t>& persons) {
    int changed = 0;
    for (uint32_t person : persons) {
        changed += LeaveOut(person) ? 1 : 0;
    }
    return changed;
}

bool NationalTeamModel::Changed() const {
    for (const auto& [person, flags] : originalFlags_) {
        const CPlayer* player = world_.FindPlayer(person);
        if (player != nullptr && player->NationalTeamFlags() != flags) {
            return true;
        }
    }
    return false;
}

} // namespace tallo
