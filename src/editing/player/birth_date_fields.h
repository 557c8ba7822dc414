#pragma once

#include "world/game_date.h"

namespace tallo {

// The day, month and year edits of a birth date. The day runs from 1 to the length of the
// month (February by the leap-year rule), the month from 1 to 12, the year from 1900 to the
// current game year; a change of month or year lowers a day the new month has not got.
struct BirthDateFields {
    static constexpr int kFirstYear = 1900;

    int day = 1;
    int month = 1;
    int year = 1980;

    // The last year the year edit offers: the current game year.
    static int LastYear();

    // The fields of a date (no date: 1 January 1980).
    void SetFrom(GameDate date);
    // The length of the month shown (31 while the month is not one of 1 to 12).
    int DayLimit() const;

    // Each value is brought into its range; the day then into its month.
    void SetDay(int value);
    void SetMonth(int value);
    void SetYear(int value);

    GameDate ToDate() const;
    // Completed years at the current game date.
    int Age() const;

    bool operator==(const BirthDateFields&) const = default;
};

} // namespace tallo
