#include "world/game_date.h"

#include <atomic>
#include <cstring>
#include <string_view>

#include "formats/kl_file.h"

namespace tallo {

namespace {

constexpr int64_t kDayNumberOffset = 1721119;

// What the day number 0 (no date) splits into.
constexpr int32_t kNoDateDay = -1;
constexpr int32_t kNoDateMonth = 0;
constexpr int32_t kNoDateYear = -4712;

std::atomic<int32_t> g_currentDate{0};

int32_t InitialGameDate() {
    return MakeDayNumber(2003, 7, 6);
}

} // namespace

int32_t MakeDayNumber(int32_t year, int32_t month, int32_t day) {
    // 64-bit throughout, so that no input can overflow; the result is cut to 32 bits.
    int64_t m = month;
    int64_t y = year;
    if (m < 3) {
        m += 9;
        y -= 1;
    } else {
        m -= 3;
    }
    int64_t h = y / 100;
    int64_t a = y % 100;
    int64_t j = (146097 * h) / 4 + (1461 * a) / 4 + (153 * m + 2) / 5 + day + kDayNumberOffset;
    return static_cast<int32_t>(j);
}

void SplitDayNumber(int32_t dayNumber, int32_t& year, int32_t& month, int32_t& day) {
    int64_t t = 4 * (int64_t{dayNumber} - kDayNumberOffset) - 1;
    int64_t h = t / 146097;
    int64_t r = (t % 146097) / 4;
    int64_t u = 4 * r + 3;
    int64_t a = u / 1461;
    int64_t v = ((u % 1461) + 4) / 4;
    int64_t w = 5 * v - 3;
    int64_t m = w / 153;
    day = static_cast<int32_t>(((w % 153) + 5) / 5);
    if (m < 10) {
        month = static_cast<int32_t>(m + 3);
        year = static_cast<int32_t>(100 * h + a);
    } else {
        month = static_cast<int32_t>(m - 9);
        year = static_cast<int32_t>(100 * h + a + 1);
    }
}

bool IsLeapYear(int32_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int32_t year, int32_t month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int32_t year, int32_t month, int32_t day) {
    return year >= 1 && year <= 9999 && day >= 1 && day <= DaysInMonth(year, month);
}

GameDate GameDate::FromDate(int32_t year, int32_t month, int32_t day) {
    GameDate date;
    date.Set(year, month, day);
    return date;
}

bool GameDate::Set(int32_t year, int32_t month, int32_t day) {
    if (!IsValidDate(year, month, day)) {
        return false;
    }
    dayNumber = MakeDayNumber(year, month, day);
    return true;
}

int32_t GameDate::Year() const {
    int32_t y, m, d;
    SplitDayNumber(dayNumber, y, m, d);
    return y;
}

int32_t GameDate::Month() const {
    int32_t y, m, d;
    SplitDayNumber(dayNumber, y, m, d);
    return m;
}

int32_t GameDate::Day() const {
    int32_t y, m, d;
    SplitDayNumber(dayNumber, y, m, d);
    return d;
}

int WeekdayOf(int32_t dayNumber) {
    int weekday = dayNumber % 7;
    return weekday < 0 ? weekday + 7 : weekday;
}

int GameDate::Weekday() const {
    return WeekdayOf(dayNumber);
}

GameDate GameDate::AddDays(int32_t days) const {
    return GameDate(static_cast<int32_t>(int64_t{dayNumber} + days));
}

bool GameDate::Write(CKLFile& file) const {
    int32_t year, month, day;
    SplitDayNumber(dayNumber, year, month, day);
    bool ok = file.WriteSectionBegin(kSection);
    ok = file.WriteInt(day) && ok;
    ok = file.WriteInt(month) && ok;
    ok = file.WriteShort(static_cast<int16_t>(year)) && ok;
    ok = file.WriteSectionEnd(kSection) && ok;
    return ok;
}

namespace {

// A date read from a file: out-of-range parts replaced as GameDate::Read describes.
int32_t DayNumberOfReadDate(int32_t year, int32_t month, int32_t day) {
    if (year < 1700 || year > 2100) {
        year = 2000;
    }
    if (month < 1 || month > 12) {
        month = 1;
    }
    if (day < 1 || day > 31) {
        day = 1;
    }
    // MakeDayNumber for these ranges, where nothing is negative: unsigned 32-bit arithmetic,
    // whose divisions by constants are cheaper than those of signed 64-bit values.
    auto y = static_cast<uint32_t>(year);
    auto m = static_cast<uint32_t>(month);
    if (m < 3) {
        m += 9;
        y -= 1;
    } else {
        m -= 3;
    }
    const uint32_t h = y / 100;
    const uint32_t a = y % 100;
    return static_cast<int32_t>((146097 * h) / 4 + (1461 * a) / 4 + (153 * m + 2) / 5 +
                                static_cast<uint32_t>(day) + uint32_t{kDayNumberOffset});
}

uint64_t LoadWord(const char* at) {
    uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

// Three dates of every player: a DATE section nearly always stands right at the read position
// as "%INDEX%DATE", the day and the month in one or two digits, the year in four and
// "%INDEXEND%DATE", every line ending in CR LF. Returns the length of such a section at the
// start of `data` with its values; 0 for any other shape (GameDate::ReadAnyShape reads those).
size_t CommonDateSection(std::string_view data, int32_t& day, int32_t& month, int32_t& year) {
    static constexpr char kBegin[] = "%INDEX%DATE\r\n";
    static constexpr char kEnd[] = "%INDEXEND%DATE\r\n";
    constexpr size_t kBeginSize = sizeof kBegin - 1;
    constexpr size_t kEndSize = sizeof kEnd - 1;
    static_assert(kBeginSize >= 8 && kBeginSize <= 16 && kEndSize == 16);
    // The longest common shape; a section nearer the end of the data goes the general way.
    constexpr size_t kLongest = kBeginSize + 4 + 4 + 6 + kEndSize;
    if (data.size() < kLongest) {
        return 0;
    }
    const char* const text = data.data();
    if (LoadWord(text) != LoadWord(kBegin) ||
        LoadWord(text + kBeginSize - 8) != LoadWord(kBegin + kBeginSize - 8)) {
        return 0;
    }
    size_t at = kBeginSize;
    auto digit = [text](size_t i) { return static_cast<unsigned>(text[i]) - unsigned{'0'}; };
    auto lineEnd = [text](size_t i) { return text[i] == '\r' && text[i + 1] == '\n'; };
    // A line of one or two digits.
    auto small = [&](int32_t& value) {
        const unsigned first = digit(at);
        if (first > 9) {
            return false;
        }
        const unsigned second = digit(at + 1);
        if (second <= 9) {
            value = static_cast<int32_t>(first * 10 + second);
            at += 2;
        } else {
            value = static_cast<int32_t>(first);
            at += 1;
        }
        if (!lineEnd(at)) {
            return false;
        }
        at += 2;
        return true;
    };
    if (!small(day) || !small(month)) {
        return 0;
    }
    const unsigned d0 = digit(at);
    const unsigned d1 = digit(at + 1);
    const unsigned d2 = digit(at + 2);
    const unsigned d3 = digit(at + 3);
    if (d0 > 9 || d1 > 9 || d2 > 9 || d3 > 9 || !lineEnd(at + 4)) {
        return 0;
    }
    year = static_cast<int32_t>(d0 * 1000 + d1 * 100 + d2 * 10 + d3);
    at += 6;
    if (LoadWord(text + at) != LoadWord(kEnd) || LoadWord(text + at + 8) != LoadWord(kEnd + 8)) {
        return 0;
    }
    return at + kEndSize;
}

} // namespace

bool GameDate::Read(CKLFile& file) {
    int32_t day = 0;
    int32_t month = 0;
    int32_t year = 0;
    if (const size_t length = CommonDateSection(file.Ahead(), day, month, year); length != 0) {
        file.TakeAhead(length);
        dayNumber = DayNumberOfReadDate(year, month, day);
        return true;
    }
    return ReadAnyShape(file);
}

bool GameDate::ReadAnyShape(CKLFile& file) {
    if (!file.FindSection(kSection)) {
        return false;
    }
    NumberLines<3> values(file);
    const bool complete = values.Read() == 3;
    int32_t day = values.Next();
    int32_t month = values.Next();
    int32_t year = values.Next();
    file.SkipSection(kSection);

    if (complete && day == kNoDateDay && month == kNoDateMonth && year == kNoDateYear) {
        dayNumber = 0;
        return true;
    }
    dayNumber = DayNumberOfReadDate(year, month, day);
    return true;
}

GameDate CurrentGameDate() {
    int32_t date = g_currentDate.load(std::memory_order_relaxed);
    return GameDate(date != 0 ? date : InitialGameDate());
}

void SetCurrentGameDate(GameDate date) {
    g_currentDate.store(date.dayNumber != 0 ? date.dayNumber : InitialGameDate(),
                        std::memory_order_relaxed);
}

int AgeAt(GameDate birthDate, GameDate today) {
    int32_t birthYear, birthMonth, birthDay;
    int32_t year, month, day;
    SplitDayNumber(birthDate.dayNumber, birthYear, birthMonth, birthDay);
    SplitDayNumber(today.dayNumber, year, month, day);
    int age = year - birthYear - 1;
    if (month > birthMonth || (month == birthMonth && day >= birthDay)) {
        ++age;
    }
    return age;
}

int AgeAt(GameDate birthDate) {
    return AgeAt(birthDate, CurrentGameDate());
}

} // namespace tallo
