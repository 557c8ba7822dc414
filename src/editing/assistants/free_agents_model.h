#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editing/assistants/list_sort.h"

namespace tallo {

class CWorld;
class IRecordChoosers;
class WorldChanges;

// The list of the world's players without a club: shown sorted, placed into a club or deleted.
// Rows are addressed by their place in the shown (sorted) list.
class FreeAgentsModel {
public:
    static constexpr int kColumnCount = 4; // name, nationality, position, level

    struct Row {
        uint32_t player = 0;
        std::vector<std::string> cells; // record texts, one per column
    };

    FreeAgentsModel(CWorld& world, int languageSlot);

    // Makes the rows again from the world's list, in list order, then sorted.
    void Fill();
    const std::vector<Row>& Rows() const { return rows_; }
    const ListSort& Sort() const { return sort_; }
    // A click on a column heading.
    void SortBy(int column);

    // Where the selection goes after rows were taken out: the row that was current, moved up
    // by the removed rows at or above it, kept within the list (-1 for an empty list or when
    // no row was current).
    int PlaceAfterRemoval(int current, const std::vector<int>& removed) const;

    // Move to club: the chooser picks a club (preset to the nationality of the current row's
    // player); every selected row's player the club accepts leaves the list and joins its first
    // team, or its reserves when the chosen key has bit 24 set. The list is made again. Gives
    // the row to select afterwards (see PlaceAfterRemoval; `current` unchanged when nothing
    // moved).
    int MoveToClub(const std::vector<int>& selected, int current, IRecordChoosers& choosers,
                   const WorldChanges& changes);
    // Delete: from the last selected row to the first, each player leaves the list and is
    // deleted from the world. The list is made again; gives the row to select afterwards.
    int Delete(const std::vector<int>& selected, int current, const WorldChanges& changes);

private:
    void SortRows();
    std::vector<int> ValidRows(std::vector<int> rows) const;

    CWorld& world_;
    int languageSlot_;
    ListSort sort_;
    std::vector<Row> rows_;
    std::vector<size_t> listPlace_; // per row: its place in the world's list, for ties
};

} // namespace tallo
