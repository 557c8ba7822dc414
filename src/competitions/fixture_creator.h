#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tallo {

// One pairing of a generated schedule. Team numbers count from 0; -1 is the empty side of the
// pairing that holds a resting team (odd team counts).
struct FixturePairing {
    int32_t home = -1;
    int32_t away = -1;
};

// Round-robin schedule generator (circle method).
//
// Create(n, r) makes (N - 1) * r matchdays of N / 2 pairings each, N being n rounded up to an
// even number: every two teams meet once per round, with an odd team count each team rests
// once per round (its pairing always stands in the last column), no team plays more than three
// home or three away matches in a row, and every further round repeats the one before it with
// home and away exchanged. The generator checks its first round and reports failure instead of
// handing out an unsound schedule.
//
// League fixture lists are not filled from here directly but from the fixture templates
// (fixture_templates.h), two of which this class generates.
class CFixtureCreator {
public:
    // The longest run of home (or of away) matches a team may play in a row.
    static constexpr int32_t kMaxRun = 3;

    CFixtureCreator() = default;

    // Makes the schedule of `teams` teams over `rounds` rounds. Fails at once, leaving the
    // object as it was, for fewer than 3 teams or fewer than 1 round (and for counts so large
    // that the table could not be held). Fails after building when a check of the first round
    // fails; the table then holds the first round as built and nothing of later rounds.
    bool Create(int32_t teams, int32_t rounds);

    // Pairing `column` of matchday `row`; both sides -1 outside the table or without a table.
    FixturePairing Entry(int32_t row, int32_t column) const;

    bool HasTable() const { return !table_.empty(); }
    int32_t Teams() const { return teams_; }
    int32_t Rounds() const { return rounds_; }
    int32_t Rows() const { return rows_; }       // matchdays: (N - 1) * rounds
    int32_t Columns() const { return columns_; } // pairings per matchday: N / 2

    // The checks Create runs, open for schedules built otherwise. `table` holds matchdays of
    // `columns` pairings each, row after row; the first `matchdays` rows are examined.
    //
    // True when, over those rows, every two different teams 0..teams-1 meet exactly once and
    // no team meets itself (pairings with an empty side are not counted).
    static bool FirstRoundComplete(const std::vector<FixturePairing>& table, int32_t teams,
                                   int32_t columns, int32_t matchdays);
    // The longest run of consecutive home or consecutive away matches of any team over those
    // rows. A team that rests counts on the side it holds in its resting pairing.
    static int32_t LongestRun(const std::vector<FixturePairing>& table, int32_t teams,
                              int32_t columns, int32_t matchdays);

private:
    FixturePairing& At(int32_t row, int32_t column) {
        return table_[static_cast<size_t>(row) * static_cast<size_t>(columns_) +
                      static_cast<size_t>(column)];
    }

    std::vector<FixturePairing> table_; // rows_ x columns_ pairings
    int32_t teams_ = 0;
    int32_t rounds_ = 0;
    int32_t rows_ = 0;
    int32_t columns_ = 0;
};

} // namespace tallo
