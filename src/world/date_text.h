#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "world/game_date.h"

namespace tallo {

// Name of a weekday, 0 Monday to 6 Sunday (taken modulo 7), from the string table unless
// replaced with SetWeekdayNames.
std::string WeekdayName(int weekday);
void SetWeekdayNames(const std::array<std::string, 7>& names);
// Goes back to the names of the string table.
void ResetWeekdayNames();

// "1.7.2003", or with the weekday "Tuesday 1.7.2003" (day, month and year without leading
// zeros). No date gives an empty text.
std::string FormatDate(GameDate date, bool withWeekday);
// "Tuesday 1/7": weekday name, day and month of the given day.
std::string FormatShortDate(int32_t day, int32_t month, int32_t year);

// Puts the arguments into a text format with positional place holders: "%1" is the first
// argument, "%2" the second, up to "%9"; "%%" is a percent sign. A place holder without an
// argument is left out. The formats of the date texts are of this kind.
std::string FormatPositional(const std::string& format, const std::string* args, size_t count);

} // namespace tallo
