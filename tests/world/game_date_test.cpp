#include "world/date_text.h"
#include "world/game_date.h"

#include "formats/kl_file.h"
#include "world/record_test_helpers.h"
#include "support/small_random.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "formats/string_table.h"

namespace tallo {
namespace {

using test::KLLines;
using test::ReadFrom;
using test::WrittenBy;

TEST(GameDateTest, KnownDayNumbersAndWeekdays) {
    EXPECT_EQ(MakeDayNumber(2000, 1, 1), 2451545);
    EXPECT_EQ(WeekdayOf(2451545), 5); // Saturday
    EXPECT_EQ(MakeDayNumber(1970, 1, 1), 2440588);
    EXPECT_EQ(WeekdayOf(2440588), 3); // Thursday
    EXPECT_EQ(MakeDayNumber(1900, 1, 1), 2415021);
    EXPECT_EQ(WeekdayOf(2415021), 0); // Monday
    EXPECT_EQ(MakeDayNumber(2003, 7, 6), 2452827);
    EXPECT_EQ(GameDate(2452827).Weekday(), 6); // Sunday
    EXPECT_EQ(MakeDayNumber(2100, 12, 31), 2488434);
    // Weekdays of day numbers below 0 stay in 0-6.
    EXPECT_EQ(WeekdayOf(-1), 6);
    EXPECT_EQ(WeekdayOf(-7), 0);
}

TEST(GameDateTest, LeapYears) {
    EXPECT_EQ(MakeDayNumber(1900, 3, 1) - MakeDayNumber(1900, 2, 28), 1);
    EXPECT_EQ(MakeDayNumber(2000, 3, 1) - MakeDayNumber(2000, 2, 28), 2);
    EXPECT_EQ(MakeDayNumber(2004, 3, 1) - MakeDayNumber(2004, 2, 28), 2);
    EXPECT_EQ(MakeDayNumber(2100, 3, 1) - MakeDayNumber(2100, 2, 28), 1);
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_EQ(DaysInMonth(2003, 2), 28);
    EXPECT_EQ(DaysInMonth(2004, 2), 29);
    EXPECT_EQ(DaysInMonth(2004, 13), 0);
}

TEST(GameDateTest, YearEndsFollowEachOther) {
    EXPECT_EQ(MakeDayNumber(2003, 12, 31) + 1, MakeDayNumber(2004, 1, 1));
    EXPECT_EQ(MakeDayNumber(2004, 12, 31) - MakeDayNumber(2004, 1, 1), 365);
    EXPECT_EQ(MakeDayNumber(2003, 12, 31) - MakeDayNumber(2003, 1, 1), 364);
}

TEST(GameDateTest, SplitIsTheInverseOfMakeForEveryDayFrom1700To2100) {
    int32_t expected = MakeDayNumber(1700, 1, 1);
    for (int32_t year = 1700; year <= 2100; ++year) {
        for (int32_t month = 1; month <= 12; ++month) {
            for (int32_t day = 1; day <= DaysInMonth(year, month); ++day) {
                ASSERT_EQ(MakeDayNumber(year, month, day), expected) << year << "-" << month;
                int32_t y, m, d;
                SplitDayNumber(expected, y, m, d);
                ASSERT_EQ(y, year);
                ASSERT_EQ(m, month);
                ASSERT_EQ(d, day);
                ++expected;
            }
        }
    }
}

TEST(GameDateTest, ImpossibleDatesAreRefusedBySet) {
    GameDate date = GameDate::FromDate(2003, 7, 6);
    EXPECT_FALSE(date.Set(2003, 2, 31));
    EXPECT_FALSE(date.Set(0, 1, 1));
    EXPECT_FALSE(date.Set(2003, 13, 1));
    EXPECT_FALSE(date.Set(2003, 1, 0));
    EXPECT_FALSE(date.Set(1900, 2, 29));
    EXPECT_EQ(date, GameDate::FromDate(2003, 7, 6)); // unchanged
    EXPECT_TRUE(date.Set(2000, 2, 29));
    EXPECT_EQ(date.Month(), 2);
    EXPECT_FALSE(GameDate::FromDate(2003, 2, 31).IsSet());
    // The arithmetic conversion lets the day run over into the next month.
    EXPECT_EQ(MakeDayNumber(2003, 2, 31), MakeDayNumber(2003, 3, 3));
}

TEST(GameDateTest, PartsArithmeticAndComparison) {
    GameDate date = GameDate::FromDate(2003, 12, 30);
    EXPECT_EQ(date.Year(), 2003);
    EXPECT_EQ(date.Month(), 12);
    EXPECT_EQ(date.Day(), 30);
    GameDate later = date.AddDays(3);
    EXPECT_EQ(later, GameDate::FromDate(2004, 1, 2));
    EXPECT_LT(date, later);
    EXPECT_NE(date, later);
    EXPECT_EQ(later.AddDays(-3), date);
}

TEST(GameDateTest, DateSectionWritesDayMonthYear) {
    EXPECT_EQ(WrittenBy(GameDate::FromDate(2003, 7, 6)),
              KLLines({"%INDEX%DATE", "6", "7", "2003", "%INDEXEND%DATE"}));
    GameDate back;
    ASSERT_TRUE(ReadFrom(WrittenBy(GameDate::FromDate(1900, 1, 1)), back));
    EXPECT_EQ(back, GameDate::FromDate(1900, 1, 1));
}

TEST(GameDateTest, DateSectionCorrectsOutOfRangeParts) {
    GameDate date;
    ASSERT_TRUE(ReadFrom(KLLines({"%INDEX%DATE", "0", "13", "1600", "%INDEXEND%DATE"}), date));
    EXPECT_EQ(date, GameDate::FromDate(2000, 1, 1));
    ASSERT_TRUE(ReadFrom(KLLines({"%INDEX%DATE", "32", "0", "2101", "%INDEXEND%DATE"}), date));
    EXPECT_EQ(date, GameDate::FromDate(2000, 1, 1));
    ASSERT_TRUE(ReadFrom(KLLines({"%INDEX%DATE", "31", "12", "2100", "%INDEXEND%DATE"}), date));
    EXPECT_EQ(date, GameDate::FromDate(2100, 12, 31));
    ASSERT_TRUE(ReadFrom(KLLines({"%INDEX%DATE", "1", "1", "1700", "%INDEXEND%DATE"}), date));
    EXPECT_EQ(date, GameDate::FromDate(1700, 1, 1));
    // The day is not checked against its month.
    ASSERT_TRUE(ReadFrom(KLLines({"%INDEX%DATE", "31", "2", "2003", "%INDEXEND%DATE"}), date));
    EXPECT_EQ(date, GameDate::FromDate(2003, 3, 3));
}

TEST(GameDateTest, DateSectionWithMissingOrBadLines) {
    GameDate date;
    ASSERT_TRUE(ReadFrom(KLLines({"%INDEX%DATE", "15", "%INDEXEND%DATE"}), date));
    EXPECT_EQ(date, GameDate::FromDate(2000, 1, 15));
    ASSERT_TRUE(ReadFrom(KLLines({"%INDEX%DATE", "x", "3rd", "1999ad", "%INDEXEND%DATE"}), date));
    EXPECT_EQ(date, GameDate::FromDate(1999, 3, 1));

    date = GameDate::FromDate(1980, 5, 5);
    EXPECT_FALSE(ReadFrom(KLLines({"%INDEX%OTHER", "%INDEXEND%OTHER"}), date));
    EXPECT_EQ(date, GameDate::FromDate(1980, 5, 5));
}

TEST(GameDateTest, NoDateSurvivesASaveAndALoad) {
    // The day number 0 splits into -1, 0, -4712; that exact triple reads back as no date.
    EXPECT_EQ(WrittenBy(GameDate()),
              KLLines({"%INDEX%DATE", "-1", "0", "-4712", "%INDEXEND%DATE"}));
    GameDate date = GameDate::FromDate(1990, 1, 1);
    ASSERT_TRUE(ReadFrom(WrittenBy(GameDate()), date));
    EXPECT_FALSE(date.IsSet());
    // Any other out-of-range triple is corrected as usual.
    ASSERT_TRUE(ReadFrom(KLLines({"%INDEX%DATE", "0", "0", "0", "%INDEXEND%DATE"}), date));
    EXPECT_EQ(date, GameDate::FromDate(2000, 1, 1));
}

// Reads `text` twice, with Read and with ReadAnyShape (the way every other shape goes), and
// expects the same date, the same result and the same read position after it.
void ExpectReadAsAnyShape(const std::string& text) {
    SCOPED_TRACE(::testing::PrintToString(text));
    CKLFile quick;
    CKLFile general;
    ASSERT_TRUE(quick.OpenFromMemory(text));
    ASSERT_TRUE(general.OpenFromMemory(text));
    GameDate quickDate = GameDate::FromDate(1980, 5, 5);
    GameDate generalDate = quickDate;
    EXPECT_EQ(quickDate.Read(quick), generalDate.ReadAnyShape(general));
    EXPECT_EQ(quickDate, generalDate);
    EXPECT_EQ(quick.CurrentLine(), general.CurrentLine());
    EXPECT_EQ(quick.Ahead(), general.Ahead());
    EXPECT_EQ(quick.Findings().size(), general.Findings().size());
}

TEST(GameDateTest, CommonSectionsReadAsEveryOtherShape) {
    // Lines of every kind: plain and overlong numbers, leading zeros, signs, blanks, bytes above
    // 0x7F, empty lines, lookalikes of the markers; lines ending in CR LF, LF alone or CR alone.
    const char* const begins[] = {"%INDEX%DATE", "%INDEX%DATE",  "%INDEX%DATES", "%INDEX%DAT",
                                  "%index%DATE", "%INDEX%DATE ", "%inDEX%DATE",  "%INDEX%DATE\xB5"};
    const char* const days[] = {"1",     "7",  "07", "31", "32", "0",   "00", "99",
                                "123",   "-1", "+5", " 5", "5 ", "x",   "",   "\xB5",
                                "1\xB5", "9",  "10", "28", "3x", "\t4", "05", "1\x00"};
    const char* const months[] = {"1",  "12", "13", "0",  "09", "x",    "",
                                  "-3", "6",  "2",  "10", "7 ", "\xB1", "100"};
    const char* const years[] = {"2003",
                                 "1700",
                                 "2100",
                                 "1699",
                                 "2101",
                                 "0999",
                                 "99999",
                                 "-4712",
                                 "203",
                                 "20x3",
                                 "\xB2\xB0\xB0\xB3",
                                 "1985",
                                 "2000 ",
                                 "",
                                 "1976",
                                 "0000",
                                 "1999\xB5",
                                 "200x",
                                 "19 5",
                                 "199\xB5",
                                 "x999",
                                 "1-99"};
    const char* const ends[] = {
        "%INDEXEND%DATE", "%INDEXEND%DATE", "%INDEXEND%DATEX",   "%INDEXEND%OTHER", "",
        "%INDEXEND%DAT",  "%indexEND%DATE", "%INDEXEND%DATE\xB5"};
    const char* const lineEnds[] = {"\r\n", "\r\n", "\r\n", "\r\n", "\n", "\r"};
    test::SmallRandom next(1803);
    auto pick = [&next](const auto& list) { return std::string(list[next(std::size(list))]); };
    auto lineEnd = [&] { return next(4) == 0 ? pick(lineEnds) : std::string("\r\n"); };
    for (int round = 0; round < 6000; ++round) {
        std::string text;
        if (next(8) == 0) {
            text += next(2) == 0 ? ";a comment\r\n" : "\r\n"; // the section not at the position
        }
        text += pick(begins) + lineEnd();
        text += pick(days) + lineEnd();
        text += pick(months) + lineEnd();
        text += pick(years) + lineEnd();
        text += pick(ends) + lineEnd();
        if (next(3) != 0) {
            text += "tail line after the section\r\n%INDEXEND%PLAYER\r\n";
        }
        ExpectReadAsAnyShape(text);
        // The same section cut anywhere: the data ends inside or right after it.
        ExpectReadAsAnyShape(text.substr(0, next(static_cast<uint32_t>(text.size()) + 1)));
    }
    // The common shapes of every day, month and a range of years, each cut at every length.
    for (int day = 0; day <= 32; ++day) {
        for (int month = 0; month <= 13; ++month) {
            const int year = 1690 + (day * 14 + month) % 420;
            const std::string text =
                KLLines({"%INDEX%DATE", std::to_string(day).c_str(), std::to_string(month).c_str(),
                         std::to_string(year).c_str(), "%INDEXEND%DATE", "%INDEX%DATE", "1", "1",
                         "2001", "%INDEXEND%DATE"});
            ExpectReadAsAnyShape(text);
            if ((day + month) % 7 == 0) {
                for (size_t cut = 0; cut <= text.size(); ++cut) {
                    ExpectReadAsAnyShape(text.substr(0, cut));
                }
            }
        }
    }
}

TEST(GameDateTest, EveryYearAndMonthReadsAsTheCalendarCountsIt) {
    // Day numbers of read dates against MakeDayNumber, across the years kept and either side.
    for (int year = 1690; year <= 2110; ++year) {
        for (int month = 0; month <= 13; ++month) {
            for (int day : {0, 1, 17, 28, 29, 31, 32}) {
                GameDate date;
                ASSERT_TRUE(
                    ReadFrom(KLLines({"%INDEX%DATE", std::to_string(day).c_str(),
                                      std::to_string(month).c_str(), std::to_string(year).c_str(),
                                      "%INDEXEND%DATE", "after"}),
                             date));
                const int keptYear = year < 1700 || year > 2100 ? 2000 : year;
                const int keptMonth = month < 1 || month > 12 ? 1 : month;
                const int keptDay = day < 1 || day > 31 ? 1 : day;
                ASSERT_EQ(date.dayNumber, MakeDayNumber(keptYear, keptMonth, keptDay))
                    << day << "." << month << "." << year;
            }
        }
    }
}

TEST(GameDateTest, CommonSectionsGiveTheirDates) {
    GameDate date;
    const std::string two = KLLines({"%INDEX%DATE", "24", "12", "1983", "%INDEXEND%DATE",
                                     "%INDEX%DATE", "3", "7", "2004", "%INDEXEND%DATE", "after"});
    CKLFile file;
    ASSERT_TRUE(file.OpenFromMemory(two));
    ASSERT_TRUE(date.Read(file));
    EXPECT_EQ(date, GameDate::FromDate(1983, 12, 24));
    ASSERT_TRUE(date.Read(file));
    EXPECT_EQ(date, GameDate::FromDate(2004, 7, 3));
    std::string rest;
    ASSERT_TRUE(file.ReadCString(rest));
    EXPECT_EQ(rest, "after");
}

class CurrentDateTest : public ::testing::Test {
protected:
    void TearDown() override { SetCurrentGameDate(GameDate()); }
};

TEST_F(CurrentDateTest, StartsOnTheSixthOfJuly2003) {
    EXPECT_EQ(CurrentGameDate(), GameDate::FromDate(2003, 7, 6));
    SetCurrentGameDate(GameDate::FromDate(2010, 1, 1));
    EXPECT_EQ(CurrentGameDate().Year(), 2010);
    SetCurrentGameDate(GameDate());
    EXPECT_EQ(CurrentGameDate(), GameDate::FromDate(2003, 7, 6));
}

TEST_F(CurrentDateTest, AgesAroundTheBirthday) {
    EXPECT_EQ(AgeAt(GameDate::FromDate(1980, 7, 5)), 23);
    EXPECT_EQ(AgeAt(GameDate::FromDate(1980, 7, 6)), 23);
    EXPECT_EQ(AgeAt(GameDate::FromDate(1980, 7, 7)), 22);
    EXPECT_EQ(AgeAt(GameDate::FromDate(1980, 8, 1)), 22);
    EXPECT_EQ(AgeAt(GameDate::FromDate(1980, 6, 30)), 23);
    SetCurrentGameDate(GameDate::FromDate(2004, 2, 29));
    EXPECT_EQ(AgeAt(GameDate::FromDate(2000, 2, 29)), 4);
    EXPECT_EQ(AgeAt(GameDate::FromDate(1980, 3, 1), GameDate::FromDate(2004, 2, 29)), 23);
}

TEST(DateTextTest, DatesWithAndWithoutWeekday) {
    GameDate date = GameDate::FromDate(2000, 1, 1);
    EXPECT_EQ(FormatDate(date, false), "1.1.2000");
    EXPECT_EQ(FormatDate(date, true), LoadString(3005) + " 1.1.2000"); // a Saturday
    EXPECT_EQ(FormatDate(GameDate::FromDate(2003, 12, 24), false), "24.12.2003");
    EXPECT_EQ(FormatDate(GameDate(), true), "");
    EXPECT_EQ(FormatShortDate(1, 7, 2003), LoadString(3001) + " 1/7"); // a Tuesday
}

TEST(DateTextTest, WeekdayNamesCanBeReplaced) {
    SetWeekdayNames({"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"});
    EXPECT_EQ(FormatDate(GameDate::FromDate(2003, 7, 6), true), "So 6.7.2003");
    EXPECT_EQ(WeekdayName(7), "Mo");
    EXPECT_EQ(WeekdayName(-1), "So");
    ResetWeekdayNames();
    EXPECT_EQ(WeekdayName(6), LoadString(3006));
}

TEST(DateTextTest, PositionalFormats) {
    const std::string args[2] = {"a", "b"};
    EXPECT_EQ(FormatPositional("%2-%1 %3 100%%", args, 2), "b-a  100%");
    EXPECT_EQ(FormatPositional("%", args, 2), "%");
    EXPECT_EQ(FormatPositional("%x", args, 2), "%x");
}

} // namespace
} // namespace tallo
