#include "editing/assistants/free_agents_model.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "editing/assistants/player_full_name.h"
#include "editing/assistants/player_order.h"
#include "editing/assistants/world_changes.h"
#include "editing/common/record_choosers.h"
#include "editing/main_window/record_name_order.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

namespace {

enum Column { kName, kNationality, kPosition, kLevel };

// The level a row sorts by: persons who are not players have no level and come first.
float SortLevel(const CPlayer* player) {
    return player != nullptr && player->IsPlayerRole() ? player->GetRating() : -1000.0f;
}

int Sign(float a, float b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

FreeAgentsModel::FreeAgentsModel(CWorld& world, int languageSlot)
    : world_(world), languageSlot_(languageSlot) {
    Fill();
}

void FreeAgentsModel::Fill() {
    rows_.clear();
    listPlace_.clear();
    const std::vector<uint32_t>& list = world_.PlayersWithoutClub();
    for (size_t place = 0; place < list.size(); ++place) {
        const CPlayer* player = world_.FindPlayer(list[place]);
        if (player == nullptr) {
            continue;
        }
        Row row;
        row.player = list[place];
        row.cells.resize(kColumnCount);
        row.cells[kName] = PlayerFullName(*player);
        row.cells[kPosition] = PositionText(*player);
        if (player->IsPlayerRole()) {
            const int nationality = player->Nationality();
            if (nationality >= 1 && nationality <= CWorld::kCountryCount) {
                row.cells[kNationality] = world_.GetCountry(nationality)->Name(languageSlot_);
            }
            row.cells[kLevel] = LevelText(*player);
        }
        rows_.push_back(std::move(row));
        listPlace_.push_back(place);
    }
    SortRows();
}

void FreeAgentsModel::SortBy(int column) {
    sort_.Click(column);
    SortRows();
}

void FreeAgentsModel::SortRows() {
    std::vector<size_t> order(rows_.size());
    std::iota(order.begin(), order.end(), 0);
    auto compare = [&](size_t a, size_t b) {
        const Row& left = rows_[a];
        const Row& right = rows_[b];
        int result = 0;
        switch (sort_.column) {
        case kName:
            result = CompareRecordNames(left.cells[kName], right.cells[kName]);
            break;
        case kNationality:
            // Byte for byte: letter case counts here.
            result =
                std::strcmp(left.cells[kNationality].c_str(), right.cells[kNationality].c_str());
            break;
        case kPosition: {
            const CPlayer* l = world_.FindPlayer(left.player);
            const CPlayer* r = world_.FindPlayer(right.player);
            result = l != nullptr && r != nullptr ? CompareByPosition(*l, *r) : 0;
            break;
        }
        case kLevel:
            result = Sign(SortLevel(world_.FindPlayer(left.player)),
                          SortLevel(world_.FindPlayer(right.player)));
            break;
        default:
            break;
        }
        result = sort_.Directed(result);
        return result != 0 ? result < 0 : listPlace_[a] < listPlace_[b];
    };
    std::sort(order.begin(), order.end(), compare);
    std::vector<Row> rows;
    std::vector<size_t> places;
    rows.reserve(rows_.size());
    for (size_t index : order) {
        rows.push_back(std::move(rows_[index]));
        places.push_back(listPlace_[index]);
    }
    rows_ = std::move(rows);
    listPlace_ = std::move(places);
}

int FreeAgentsModel::PlaceAfterRemoval(int current, const std::vector<int>& removed) const {
    if (rows_.empty() || current < 0) {
        return -1;
    }
    const auto above = std::count_if(removed.begin(), removed.end(),
                                     [current](int row) { return row <= current; });
    const int place = current - static_cast<int>(above);
    return std::clamp(place, 0, static_cast<int>(rows_.size()) - 1);
}

std::vector<int> FreeAgentsModel::ValidRows(std::vector<int> rows) const {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::erase_if(rows,
                  [this](int row) { return row < 0 || row >= static_cast<int>(rows_.size()); });
    return rows;
}

int FreeAgentsModel::MoveToClub(const std::vector<int>& selected, int current,
                                IRecordChoosers& choosers, const WorldChanges& changes) {
    const std::vector<int> rows = ValidRows(selected);
    if (rows.empty()) {
        return current;
    }
    int presetCountry = 1;
    const int presetRow =
        current >= 0 && current < static_cast<int>(rows_.size()) ? current : rows.front();
    if (const CPlayer* first = world_.FindPlayer(rows_[static_cast<size_t>(presetRow)].player);
        first != nullptr && first->Nationality() >= 1 &&
        first->Nationality() <= CWorld::kCountryCount) {
        presetCountry = first->Nationality();
    }
    const std::optional<uint32_t> chosen = choosers.ChooseClub(presetCountry, 0);
    if (!chosen || world_.FindClub(*chosen) == nullptr) {
        return current;
    }
    const uint32_t key = *chosen;
    const uint8_t reserve = ClubId::IsSecondTeam(key) ? 1 : 0;
    ChangeScope scope = ChangeScope::Country(static_cast<int>(ClubId::CountryOf(key)));
    scope.playersWithoutClub = true;
    std::vector<int> moved;
    changes.Run("freeagents.journal.move", scope, [&] {
        CClub* club = world_.FindClub(key);
        for (int row : rows) {
            const uint32_t id = rows_[static_cast<size_t>(row)].player;
            CPlayer* player = world_.FindPlayer(id);
            if (player == nullptr || !club->AddPlayer(id)) {
                continue;
            }
            world_.TakeOutOfWithoutClub(id);
            player->SetReserve(reserve);
            moved.push_back(row);
        }
        return !moved.empty();
    });
    if (moved.empty()) {
        return current;
    }
    Fill();
    return PlaceAfterRemoval(current, moved);
}

int FreeAgentsModel::Delete(const std::vector<int>& selected, int current,
                            const WorldChanges& changes) {
    const std::vector<int> rows = ValidRows(selected);
    if (rows.empty()) {
        return current;
    }
    ChangeScope scope;
    scope.playersWithoutClub = true;
    changes.Run("freeagents.journal.delete", scope, [&] {
        for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
            const uint32_t id = rows_[static_cast<size_t>(*row)].player;
            world_.TakeOutOfWithoutClub(id);
            world_.RemovePlayer(id);
        }
        return true;
    });
    Fill();
    return PlaceAfterRemoval(current, rows);
}

} // namespace tallo
