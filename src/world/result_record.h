#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace tallo {

class CKLFile;

// One record of a club's history: a record result (home or away win or defeat) or the record
// attendance.
struct ResultRecord {
    static constexpr std::string_view kSection = "RECORD";

    // The five records a club keeps, in the club's order.
    enum Kind { kHomeWin, kHomeDefeat, kAwayWin, kAwayDefeat, kAttendance, kKindCount };

    int8_t goalsA = 0;      // goals as typed: one side's
    int8_t goalsB = 0;      // and the other side's
    int32_t attendance = 0; // spectators (the attendance record)
    std::string opponent;   // name of the opposing club
    uint16_t season = 0;    // the year of the season

    // The three list cells result, opponent and season of a result record; three empty cells
    // when both goal counts are 0.
    std::array<std::string, 3> ResultCells() const;
    // The cells attendance, opponent and season of the attendance record; three empty cells
    // when the attendance is 0.
    std::array<std::string, 3> AttendanceCells() const;
    std::array<std::string, 3> Cells(Kind kind) const {
        return kind == kAttendance ? AttendanceCells() : ResultCells();
    }

    // The goals in the order the game database stores them: larger first for a win, smaller
    // first for a defeat.
    std::pair<int8_t, int8_t> OrderedGoals(bool win) const;

    bool Write(CKLFile& file) const;
    bool Read(CKLFile& file);
};

} // namespace tallo
