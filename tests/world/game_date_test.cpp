#include "world/date_text.h"
#include "world/game_date.h"

#include "formats/kl_file.h"
#include "world/record_test_helpers.h"

#include <gtest/gtest.h>

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
