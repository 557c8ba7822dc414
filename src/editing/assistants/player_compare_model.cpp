#include "editing/assistants/player_compare_model.h"

#include <algorithm>

#include "editing/assistants/player_full_name.h"
#include "editing/assistants/player_order.h"
#include "editing/main_window/record_name_order.h"
#include "formats/table_format.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

namespace {

enum Column { kName, kPosition, kLevel };

bool IsFirstTeamPlayer(const CPlayer* person) {
    return person != nullptr && person->IsPlayerRole() && person->IsFirstTeam();
}

// The first-team players' count and their levels' sum.
struct FirstTeam {
    int count = 0;
    double levels = 0;
};

FirstTeam FirstTeamOf(const CWorld& world, const CClub& club) {
    FirstTeam team;
    for (uint32_t i = 0; i < club.PlayerCount(); ++i) {
        const CPlayer* person = world.FindPlayer(club.PlayerId(i));
        if (IsFirstTeamPlayer(person)) {
            ++team.count;
            team.levels += person->GetRating();
        }
    }
    return team;
}

bool IsComparedClub(const CWorld& world, const CClub& club) {
    return !club.IsNationalTeam() && FirstTeamOf(world, club).count > 0;
}

} // namespace

PlayerCompareModel::PlayerCompareModel(const CWorld& world, int languageSlot, int country)
    : world_(world), languageSlot_(languageSlot) {
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry* found = world_.GetCountry(number);
        if (found == nullptr || found->Name(languageSlot_).empty()) {
            continue;
        }
        const bool hasTeam =
            std::any_of(found->Clubs().begin(), found->Clubs().end(), [&](const auto& entry) {
                return !entry.second->IsNationalTeam() &&
                       FirstTeamOf(world_, *entry.second).count > 0;
            });
        if (hasTeam) {
            countries_.push_back(
                {std::string(found->Name(languageSlot_)), static_cast<uint32_t>(number)});
        }
    }
    const bool offered =
        std::any_of(countries_.begin(), countries_.end(), [country](const Item& item) {
            return item.data == static_cast<uint32_t>(country);
        });
    const int start =
        offered ? country : (countries_.empty() ? 0 : static_cast<int>(countries_.front().data));
    for (int side = 0; side < kSides; ++side) {
        ChooseCountry(side, start);
    }
}

void PlayerCompareModel::ChooseCountry(int side, int country) {
    SideState& state = Side(side);
    state.country = country;
    state.clubs.clear();
    const CCountry* found =
        country >= 1 && country <= CWorld::kCountryCount ? world_.GetCountry(country) : nullptr;
    if (found != nullptr) {
        for (const auto& [key, club] : found->Clubs()) {
            if (club->Name(languageSlot_).empty() || !IsComparedClub(world_, *club)) {
                continue;
            }
            const FirstTeam team = FirstTeamOf(world_, *club);
            const std::string name(club->Name(languageSlot_));
            state.clubs.push_back(
                {FormatTableText("%s (%2.1f)", name.c_str(), team.levels / team.count),
                 club->Id()});
        }
    }
    ChooseClub(side, state.clubs.empty() ? 0 : state.clubs.front().data);
}

void PlayerCompareModel::ChooseClub(int side, uint32_t key) {
    SideState& state = Side(side);
    state.club = key;
    state.rows.clear();
    const CClub* club = key != 0 ? world_.FindClub(key) : nullptr;
    bool chosenThere = false;
    if (club != nullptr) {
        for (uint32_t i = 0; i < club->PlayerCount(); ++i) {
            const CPlayer* person = world_.FindPlayer(club->PlayerId(i));
            if (person == nullptr || !person->IsPlayerRole()) {
                continue;
            }
            const std::string name = PlayerFullName(*person);
            if (name.empty()) {
                continue;
            }
            state.rows.push_back({person->Id(), {name, PositionText(*person), LevelText(*person)}});
            chosenThere = chosenThere || person->Id() == state.player;
        }
    }
    if (!chosenThere) {
        state.player = 0;
    }
    SortRows(state);
}

void PlayerCompareModel::SortBy(int side, int column) {
    SideState& state = Side(side);
    state.sort.Click(column);
    SortRows(state);
}

void PlayerCompareModel::SortRows(SideState& state) {
    const ListSort sort = state.sort;
    std::stable_sort(state.rows.begin(), state.rows.end(), [&](const Row& a, const Row& b) {
        const CPlayer* left = world_.FindPlayer(a.player);
        const CPlayer* right = world_.FindPlayer(b.player);
        int result = 0;
        switch (sort.column) {
        case kName:
            result = CompareRecordNames(a.cells[kName], b.cells[kName]);
            break;
        case kPosition:
            result = CompareByPosition(*left, *right);
            break;
        case kLevel:
            result = CompareByLevel(*left, *right);
            break;
        default:
            break;
        }
        return sort.Directed(result) < 0;
    });
}

int PlayerCompareModel::ChosenRow(int side) const {
    const SideState& state = Side(side);
    for (size_t row = 0; row < state.rows.size(); ++row) {
        if (state.player != 0 && state.rows[row].player == state.player) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

void PlayerCompareModel::ChooseRow(int side, int row) {
    SideState& state = Side(side);
    state.player = row >= 0 && row < static_cast<int>(state.rows.size())
                       ? state.rows[static_cast<size_t>(row)].player
                       : 0;
}

std::optional<PlayerCompareModel::Abilities> PlayerCompareModel::PlayerAbilities(int side) const {
    const uint32_t id = Side(side).player;
    const CPlayer* player = id != 0 ? world_.FindPlayer(id) : nullptr;
    if (player == nullptr) {
        return std::nullopt;
    }
    return player->Abilities();
}

} // namespace tallo
