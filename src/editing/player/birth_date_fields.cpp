#include "editing/player/birth_date_fields.h"

#include <algorithm>

namespace tallo {

int BirthDateFields::LastYear() {
    return std::max<int>(CurrentGameDate().Year(), kFirstYear);
}

void BirthDateFields::SetFrom(GameDate date) {
    if (!date.IsSet()) {
        *this = BirthDateFields{};
        return;
    }
    day = date.Day();
    month = date.Month();
    year = date.Year();
}

int BirthDateFields::DayLimit() const {
    const int days = DaysInMonth(year, month);
    return days > 0 ? days : 31;
}

void BirthDateFields::SetDay(int value) {
    day = std::clamp(value, 1, DayLimit());
}

void BirthDateFields::SetMonth(int value) {
    month = std::clamp(value, 1, 12);
    day = std::clamp(day, 1, DayLimit());
}

void BirthDateFields::SetYear(int value) {
    year = std::clamp(value, kFirstYear, LastYear());
    day = std::clamp(day, 1, DayLimit());
}

GameDate BirthDateFields::ToDate() const {
    return GameDate(MakeDayNumber(year, month, std::clamp(day, 1, DayLimit())));
}

int BirthDateFields::Age() const {
    return AgeAt(ToDate());
}

} // namespace tallo
