#include "world/date_text.h"

#include <mutex>
#include <optional>

#include "formats/string_table.h"

namespace tallo {

namespace {

// String-table entries: the weekday names from Monday on, and the date formats.
constexpr int kFirstWeekdayString = 3000;
constexpr int kDateWithWeekdayString = 3010;
constexpr int kDateString = 3011;
constexpr int kShortDateString = 3012;

std::mutex g_namesMutex;
std::optional<std::array<std::string, 7>> g_weekdayNames; // replaced names, if any

} // namespace

std::string WeekdayName(int weekday) {
    const int index = WeekdayOf(weekday);
    std::lock_guard lock(g_namesMutex);
    if (g_weekdayNames) {
        return (*g_weekdayNames)[static_cast<size_t>(index)];
    }
    return LoadString(kFirstWeekdayString + index);
}

void SetWeekdayNames(const std::array<std::string, 7>& names) {
    std::lock_guard lock(g_namesMutex);
    g_weekdayNames = names;
}

void ResetWeekdayNames() {
    std::lock_guard lock(g_namesMutex);
    g_weekdayNames.reset();
}

std::string FormatPositional(const std::string& format, const std::string* args, size_t count) {
    std::string text;
    for (size_t i = 0; i < format.size(); ++i) {
        char c = format[i];
        if (c != '%' || i + 1 >= format.size()) {
            text += c;
            continue;
        }
        char next = format[i + 1];
        if (next == '%') {
            text += '%';
            ++i;
        } else if (next >= '1' && next <= '9') {
            size_t index = static_cast<size_t>(next - '1');
            if (index < count) {
                text += args[index];
            }
            ++i;
        } else {
            text += c;
        }
    }
    return text;
}

std::string FormatDate(GameDate date, bool withWeekday) {
    if (!date.IsSet()) {
        return std::string();
    }
    int32_t year, month, day;
    SplitDayNumber(date.dayNumber, year, month, day);
    const std::string args[4] = {std::to_string(day), std::to_string(month), std::to_string(year),
                                 withWeekday ? WeekdayName(date.Weekday()) : std::string()};
    return FormatPositional(LoadString(withWeekday ? kDateWithWeekdayString : kDateString), args,
                            4);
}

std::string FormatShortDate(int32_t day, int32_t month, int32_t year) {
    const std::string args[4] = {std::to_string(day), std::to_string(month), std::to_string(year),
                                 WeekdayName(WeekdayOf(MakeDayNumber(year, month, day)))};
    return FormatPositional(LoadString(kShortDateString), args, 4);
}

} // namespace tallo
