#include "editing/country/calendar_days.h"

#include <algorithm>

#include "competitions/competition_texts.h"
#include "formats/dialog_text.h"
#include "platform/code_page.h"
#include "world/date_text.h"

namespace tallo {

namespace SeasonDays {

namespace {

constexpr int32_t kSeasonStartMonth = 7;

} // namespace

GameDate SeasonStart() {
    const GameDate today = CurrentGameDate();
    const int32_t year = today.Month() >= kSeasonStartMonth ? today.Year() : today.Year() - 1;
    return GameDate(MakeDayNumber(year, kSeasonStartMonth, 1));
}

GameDate DateOfDay(int day) {
    return SeasonStart().AddDays(day);
}

int FirstDayOfMonth(int month) {
    month = std::clamp(month, 1, 12);
    const GameDate start = SeasonStart();
    const int32_t year = month >= kSeasonStartMonth ? start.Year() : start.Year() + 1;
    const int day = MakeDayNumber(year, month, 1) - start.dayNumber;
    return std::clamp(day, 0, kShownDays - 1);
}

std::string DayText(int day) {
    const GameDate date = DateOfDay(day);
    return FormatShortDate(date.Day(), date.Month(), date.Year());
}

bool IsWeekend(int day) {
    return DateOfDay(day).Weekday() >= 5;
}

} // namespace SeasonDays

std::string InternationalDayCodeText(int8_t code) {
    switch (code) {
    case 0:
        return std::string();
    case 12:
    case 13:
        return DialogText("calendar.code.group");
    case 20:
        return DialogText("calendar.code.national");
    case 21:
        return DialogText("calendar.code.euro_supercup");
    case 22:
        return DialogText("calendar.code.champions");
    case 23:
        return DialogText("calendar.code.uefa");
    case 24:
        return DialogText("calendar.code.intercontinental");
    case 25:
        return DialogText("calendar.code.intertoto");
    default:
        break;
    }
    std::string name = ToUtf8(RoundKindName(code), ActiveCodePage());
    return name.empty() ? std::to_string(code) : name;
}

} // namespace tallo
