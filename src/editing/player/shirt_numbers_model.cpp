#include "editing/player/shirt_numbers_model.h"

#include <set>

#include "editing/player/player_positions_names.h"
#include "editing/staff/person_list_rows.h"
#include "world/club.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

ShirtNumbersModel::ShirtNumbersModel(CWorld& world, const CClub& club) : world_(world) {
    for (uint32_t i = 0; i < club.PlayerCount(); ++i) {
        const CPlayer* person = world.FindPlayer(club.PlayerId(i));
        if (person == nullptr || !person->IsPlayerRole() || !person->IsFirstTeam()) {
            continue;
        }
        rows_.push_back({person->Id(), PersonListName(*person),
                         PositionName(person->MainPosition()), person->ShirtNumber()});
    }
}

std::string ShirtNumbersModel::RowText(int row) const {
    if (row < 0 || row >= static_cast<int>(rows_.size())) {
        return std::string();
    }
    const Row& entry = rows_[static_cast<size_t>(row)];
    std::string text = entry.name + '\t' + entry.position + '\t';
    if (entry.number > 0) {
        text += std::to_string(entry.number);
    }
    return text;
}

int ShirtNumbersModel::RowOfNumber(int number) const {
    if (number <= 0) {
        return -1;
    }
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].number == number) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool ShirtNumbersModel::SetNumber(int row, int number, int* swappedRow) {
    if (swappedRow != nullptr) {
        *swappedRow = -1;
    }
    if (row < 0 || row >= static_cast<int>(rows_.size()) || number < 0 || number > kMaxNumber) {
        return false;
    }
    Row& entry = rows_[static_cast<size_t>(row)];
    if (entry.number == number) {
        return true;
    }
    const int holder = RowOfNumber(number);
    if (holder >= 0 && holder != row) {
        // A number read from a file may be out of range or worn twice: the other player is
        // given 0 rather than a number he could not keep.
        const int previous = entry.number;
        const bool previousUsable = previous >= 0 && previous <= kMaxNumber;
        rows_[static_cast<size_t>(holder)].number = previousUsable ? previous : 0;
        if (swappedRow != nullptr) {
            *swappedRow = holder;
        }
    }
    entry.number = number;
    return true;
}

bool ShirtNumbersModel::NumberTheRest() {
    std::set<int> used;
    std::vector<size_t> needing;
    for (size_t i = 0; i < rows_.size(); ++i) {
        const int number = rows_[i].number;
        if (number >= 1 && number <= kMaxNumber && used.insert(number).second) {
            continue;
        }
        needing.push_back(i);
    }
    bool given = false;
    int next = 1;
    for (size_t i : needing) {
        while (next <= kMaxNumber && used.count(next) > 0) {
            ++next;
        }
        if (next > kMaxNumber) {
            break;
        }
        rows_[i].number = next;
        used.insert(next);
        given = true;
    }
    return given;
}

bool ShirtNumbersModel::Modified() const {
    for (const Row& row : rows_) {
        const CPlayer* person = world_.FindPlayer(row.person);
        if (person != nullptr && person->ShirtNumber() != row.number) {
            return true;
        }
    }
    return false;
}

bool ShirtNumbersModel::Store() {
    bool changed = false;
    for (const Row& row : rows_) {
        CPlayer* person = world_.FindPlayer(row.person);
        if (person != nullptr && person->ShirtNumber() != row.number) {
            person->SetShirtNumber(static_cast<uint8_t>(row.number));
            changed = true;
        }
    }
    return changed;
}

} // namespace tallo
