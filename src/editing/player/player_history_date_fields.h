#pragma once

#include "world/game_date.h"

namespace tallo {

// The day, month and year spins of a contract date (signing or end date). The day runs from 1
// to the length of the month (February by the leap-year rule), the month from 1 to 12, the year
// from 1950 to 2050; a change of month or year lowers a day the new month has not got. A record
// without a date shows 1 July of the current game year until a field is changed.
struct ContractDateFields {
    static constexpr int kFirstYear = 1950;
    static constexpr int kLastYear = 2050;

    int day = 1;
    int month = 7;
    int year = 2003;
    // The record holds a date (false: the fields show a proposal only).
    bool set = false;

    void SetFrom(GameDate date);
    int DayLimit() const;
    void SetDay(int value);
    void SetMonth(int value);
    void SetYear(int value);
    GameDate ToDate() const;

    bool operator==(const ContractDateFields&) const = default;
};

} // namespace tallo
