#include "editing/player/player_history_date_fields.h"

#include <algorithm>

namespace tallo {

void ContractDateFields::SetFrom(GameDate date) {
    set = date.IsSet();
    if (set) {
        day = date.Day();
        month = date.Month();
        year = date.Year();
    } else {
        day = 1;
        month = 7;
        year = CurrentGameDate().Year();
    }
    // A date read from a file may lie outside what the spins offer; they show it bounded.
    year = std::clamp(year, kFirstYear, kLastYear);
    month = std::clamp(month, 1, 12);
    day = std::clamp(day, 1, DayLimit());
}

int ContractDateFields::DayLimit() const {
    const int days = DaysInMonth(year, month);
    return days > 0 ? days : 31;
}

void ContractDateFields::SetDay(int value) {
    day = std::clamp(value, 1, DayLimit());
    set = true;
}

void ContractDateFields::SetMonth(int value) {
    month = std::clamp(value, 1, 12);
    day = std::min(day, DayLimit());
    set = true;
}

void ContractDateFields::SetYear(int value) {
    year = std::clamp(value, kFirstYear, kLastYear);
    day = std::min(day, DayLimit());
    set = true;
}

GameDate ContractDateFields::ToDate() const {
    return set ? GameDate::FromDate(year, month, day) : GameDate();
}

} // namespace tallo
