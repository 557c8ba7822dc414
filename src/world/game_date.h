#pragma once

#include <compare>
#include <cstdint>
#include <string_view>

namespace tallo {

class CKLFile;

// Calendar arithmetic on Julian day numbers (proleptic Gregorian calendar, integer arithmetic
// with truncating division). The formulas hold for dates from 1 March of year 0 on; outside
// that range they still give a deterministic result, which is what the DATE section writes.
int32_t MakeDayNumber(int32_t year, int32_t month, int32_t day);
void SplitDayNumber(int32_t dayNumber, int32_t& year, int32_t& month, int32_t& day);

bool IsLeapYear(int32_t year);
// Days of a month (0 for a month outside 1-12).
int DaysInMonth(int32_t year, int32_t month);
// A date that exists: years 1 to 9999, months 1 to 12, days within their month.
bool IsValidDate(int32_t year, int32_t month, int32_t day);

// A date of the database (birth dates, the country's current date, contract ends): the Julian
// day number of the day, 0 for no date.
struct GameDate {
    static constexpr std::string_view kSection = "DATE";

    int32_t dayNumber = 0;

    constexpr GameDate() = default;
    constexpr explicit GameDate(int32_t julianDay) : dayNumber(julianDay) {}

    // The date of the given day; impossible dates (31 February, month 13, year 0) are refused
    // with an empty date. Use MakeDayNumber for the arithmetic conversion that lets a day
    // run over into the next month.
    static GameDate FromDate(int32_t year, int32_t month, int32_t day);
    // Sets the date when it exists and returns true; otherwise leaves it and returns false.
    bool Set(int32_t year, int32_t month, int32_t day);

    bool IsSet() const { return dayNumber != 0; }
    int32_t Year() const;
    int32_t Month() const;
    int32_t Day() const;
    // 0 Monday to 6 Sunday.
    int Weekday() const;
    GameDate AddDays(int32_t days) const;

    friend constexpr bool operator==(GameDate a, GameDate b) = default;
    friend constexpr auto operator<=>(GameDate a, GameDate b) = default;

    // The DATE section: day, month and year. No date is written as the values the day number
    // 0 converts to (-1, 0, -4712), and that exact triple reads back as no date.
    bool Write(CKLFile& file) const;
    // Reads the DATE section; out-of-range parts are replaced (year outside 1700-2100 by 2000,
    // month outside 1-12 by 1, day outside 1-31 by 1) and the day is not checked against its
    // month (31 February lands in March). Without the section the date stays as it was.
    bool Read(CKLFile& file);
    // Read as it reads a section of any shape. Read itself takes the common shape in one step
    // (begin line, day and month of one or two digits, a year of four digits, end line, each
    // ending in CR LF, right at the read position) and leaves every other one to this.
    bool ReadAnyShape(CKLFile& file);
};

// Weekday of a day number: day number modulo 7, 0 Monday to 6 Sunday (also for negative
// numbers).
int WeekdayOf(int32_t dayNumber);

// The process-wide current game date (6 July 2003 at start), from which ages are computed.
// Setting no date (0) brings back 6 July 2003. Safe to call from any thread.
GameDate CurrentGameDate();
void SetCurrentGameDate(GameDate date);

// Completed years between the birth date and `today`.
int AgeAt(GameDate birthDate, GameDate today);
// Completed years between the birth date and the current game date.
int AgeAt(GameDate birthDate);

} // namespace tallo
