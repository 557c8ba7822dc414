#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tallo {

class CClub;
class CWorld;

// The shirt-number dialog (CDlgShirtNo): the first-team players of a club with their shirt
// numbers. A number is 1 to 99, or 0 for none. Numbers are unique within the first team: giving
// a player a number another player wears swaps the two (the other player gets the number this
// one had). The dialog works on its own copy of the numbers; Store writes them into the
// players.
class ShirtNumbersModel {
public:
    static constexpr int kMaxNumber = 99;

    struct Row {
        uint32_t person = 0;
        std::string name;     // record text
        std::string position; // position abbreviation
        int number = 0;
    };

    ShirtNumbersModel(CWorld& world, const CClub& club);

    const std::vector<Row>& Rows() const { return rows_; }
    // The row text "name\tposition\tnumber" (record text; an empty number column for none).
    std::string RowText(int row) const;

    // Gives a row's player a number (0 none); a number outside 0 to 99 is refused (false). The
    // row of the player who wore the number takes this row's former number; that row's index,
    // or -1 when nobody was swapped, comes back in `swappedRow`.
    bool SetNumber(int row, int number, int* swappedRow = nullptr);
    // The row whose player wears a number (-1 none, also for 0).
    int RowOfNumber(int number) const;
    // Numbers 1 to 99 in ascending order to the players without one (or holding a number twice,
    // as read from a file), in list order; false when none was free.
    bool NumberTheRest();

    // Whether any number differs from the players' own.
    bool Modified() const;
    // Writes the numbers into the players; true when one changed.
    bool Store();

private:
    CWorld& world_;
    std::vector<Row> rows_;
};

} // namespace tallo
