#pragma once

#include <cstdint>
#include <string>

#include "world/game_date.h"

namespace tallo {

// The days of a season as the calendar editor shows them. Day 0 of the season is 1 July of
// the season's year (the year of the current game date, or the year before when that date
// lies before July); the calendar shows days 0 to 359.
namespace SeasonDays {

constexpr int kShownDays = 360;

// 1 July of the season the current game date belongs to.
GameDate SeasonStart();
// The date of a day of the season.
GameDate DateOfDay(int day);
// The first shown day that falls into the month (1 January to 12 December); the season runs
// from July to June, so January to June belong to the following year. Days past the last
// shown day give the last one.
int FirstDayOfMonth(int month);
// "Вторник 1/7": weekday, day and month (UTF-8).
std::string DayText(int day);
// Saturday or Sunday.
bool IsWeekend(int day);

} // namespace SeasonDays

// The text of an international competitions' day code (UTF-8): 20 national teams, 21 the
// European super cup, 22 the champions league, 23 the UEFA cup, 24 the intercontinental cup,
// 25 the Intertoto cup, 12 and 13 the group stage, other round kinds their round name; empty
// for 0.
std::string InternationalDayCodeText(int8_t code);

} // namespace tallo
