#include "world/date_text.h"

#include <mutex>

namespace tallo {

namespace {

constexpr const char* kDateFormat = "%1.%2.%3";
constexpr const char* kDateWithWeekdayFormat = "%4 %1.%2.%3";
constexpr const char* kShortDateFormat = "%4 %1/%2";

std::mutex g_namesMutex;
std::array<std::string, 7> g_weekdayNames = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                             "Friday", "Saturday", "Sunday"};

} // namespace

std::string WeekdayName(int weekday) {
    std::lock_guard lock(g_namesMutex);
    return g_weekdayNames[static_cast<size_t>(WeekdayOf(weekday))];
}

void SetWeekdayNames(const std::array<std::string, 7>& names) {
    std::lock_guard lock(g_namesMutex);
    g_weekdayNames = names;
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
    return FormatPositional(withWeekday ? kDateWithWeekdayFormat : kDateFormat, args, 4);
}

std::string FormatShortDate(int32_t day, int32_t month, int32_t year) {
    const std::string args[4] = {std::to_string(day), std::to_string(month), std::to_string(year),
                                 WeekdayName(WeekdayOf(MakeDayNumber(year, month, day)))};
    return FormatPositional(kShortDateFormat, args, 4);
}

} // namespace tallo
