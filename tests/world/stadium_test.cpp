#include "world/stadium.h"

#include "formats/kl_file.h"
#include "world/record_test_helpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallo {
namespace {

using test::KLLines;
using test::ReadFrom;
using test::RoundTrip;
using test::WrittenBy;

Stadium StandOf(uint8_t sizeClass, int32_t seats, int32_t terraces, int32_t vip, int stand = 0) {
    Stadium stadium;
    stadium.sizeClass = sizeClass;
    stadium.seats[stand] = seats;
    stadium.terraces[stand] = terraces;
    stadium.vip[stand] = vip;
    return stadium;
}

TEST(StadiumCapacityTest, VipGoesFirstThenTerracesThenSeats) {
    Stadium stadium = StandOf(1, 10000, 10000, 5000);
    EXPECT_EQ(stadium.StandLimit(Stadium::kMainStand), 22500);
    stadium.ApplyCapacityLimit(Stadium::kMainStand);
    EXPECT_EQ(stadium.seats[0], 10000);
    EXPECT_EQ(stadium.terraces[0], 10000);
    EXPECT_EQ(stadium.vip[0], 2500);

    stadium = StandOf(1, 20000, 10000, 1000);
    stadium.ApplyCapacityLimit(Stadium::kMainStand);
    EXPECT_EQ(stadium.seats[0], 20000);
    EXPECT_EQ(stadium.terraces[0], 2500);
    EXPECT_EQ(stadium.vip[0], 0);

    stadium = StandOf(1, 30000, 10000, 1000);
    stadium.ApplyCapacityLimit(Stadium::kMainStand);
    EXPECT_EQ(stadium.seats[0], 22500);
    EXPECT_EQ(stadium.terraces[0], 0);
    EXPECT_EQ(stadium.vip[0], 0);
}

TEST(StadiumCapacityTest, LimitsFollowTheClassTableAndTheStandShares) {
    const int32_t ceilings[11] = {0,     90000,  100000, 120000, 130000, 140000,
                                  90000, 100000, 120000, 130000, 140000};
    const int shares[8] = {25, 25, 15, 15, 5, 5, 5, 5};
    for (int k = 0; k <= 10; ++k) {
        EXPECT_EQ(CapacityCeiling(k), ceilings[k]) << "class " << k;
    }
    for (int s = 0; s < 8; ++s) {
        EXPECT_EQ(StandSharePercent(s), shares[s]);
    }
    Stadium stadium;
    stadium.sizeClass = 0x80 | 5; // the model flag does not change the class
    EXPECT_EQ(stadium.StandLimit(Stadium::kSouthEastCorner), 7000);
    EXPECT_EQ(stadium.StandLimit(Stadium::kNorthStand), 21000);
    EXPECT_EQ(stadium.StandLimit(8), -1);
    EXPECT_EQ(stadium.StandLimit(-1), -1);
}

TEST(StadiumCapacityTest, ClassZeroAndUnknownClassesAreNeverLimited) {
    for (uint8_t sizeClass : {uint8_t{0}, uint8_t{11}, uint8_t{0x7F}, uint8_t{0x80}}) {
        Stadium stadium = StandOf(sizeClass, 2000000000, 100000000, 40000000);
        stadium.ApplyCapacityLimits();
        EXPECT_EQ(stadium.seats[0], 2000000000) << int{sizeClass};
        EXPECT_EQ(stadium.vip[0], 40000000);
    }
}

TEST(StadiumCapacityTest, HugeAndNegativeCountsNeitherOverflowNorGrow) {
    Stadium stadium = StandOf(1, 2147483647, 2147483647, -5);
    EXPECT_EQ(stadium.TotalCapacity(), int64_t{2147483647} * 2 - 5);
    stadium.ApplyCapacityLimit(0);
    EXPECT_EQ(stadium.vip[0], -5); // a negative count is not raised
    EXPECT_EQ(stadium.terraces[0], 0);
    EXPECT_EQ(stadium.seats[0], 22505);
}

TEST(StadiumTest, DerivedValues) {
    Stadium stadium;
    for (int s = 0; s < 8; ++s) {
        stadium.seats[s] = 100 * (s + 1);
        stadium.terraces[s] = 10;
        stadium.vip[s] = 1;
    }
    EXPECT_EQ(stadium.TotalCapacity(), 3600 + 80 + 8);
    stadium.seasonTicketStands = 0x87;
    stadium.awayStands = 0x40;
    EXPECT_EQ(stadium.SeasonTicketStandCount(), 4); // all eight bits count
    EXPECT_EQ(stadium.AwayStandCount(), 1);
    EXPECT_TRUE(stadium.StandMasksConsistent());
    stadium.awayStands = 0x41;
    EXPECT_FALSE(stadium.StandMasksConsistent());

    stadium.sizeClass = 0;
    stadium.SetModelFlag(true);
    stadium.SetCapacityClass(6);
    EXPECT_EQ(stadium.sizeClass, 0x86);
    stadium.SetModelFlag(false);
    EXPECT_EQ(stadium.CapacityClass(), 6);
    EXPECT_FALSE(stadium.ModelFlag());
}

Stadium FullStadium() {
    Stadium stadium;
    stadium.SetName("Arena am Fluss mit langem Name"); // 30 characters: cut to 29
    stadium.SetCity("Hafenstadt");
    stadium.model = 255;
    stadium.sizeClass = 0x80 | 10;
    for (int s = 0; s < 8; ++s) {
        stadium.seats[s] = s == 0 ? 2147483647 : 1000 * s;
        stadium.terraces[s] = s == 1 ? -2147483647 - 1 : 0;
        stadium.vip[s] = s;
    }
    stadium.seasonTicketStands = 0xFF;
    stadium.awayStands = 0x80;
    return stadium;
}

TEST(StadiumTest, SectionHoldsTheValuesInOrder) {
    std::vector<const char*> lines = {"%INDEX%STADIUM", "-118", "Arena am Fluss mit langem Nam",
                                      "Hafenstadt", "255"};
    const char* stands[24] = {"2147483647", "0", "0", "1000", "-2147483648", "1", "2000", "0", "2",
                              "3000",       "0", "3", "4000", "0",           "4", "5000", "0", "5",
                              "6000",       "0", "6", "7000", "0",           "7"};
    lines.insert(lines.end(), stands, stands + 24);
    lines.insert(lines.end(), {"255", "-128", "%INDEXEND%STADIUM"});
    std::string expected;
    for (const char* line : lines) {
        expected += std::string(line) + "\r\n";
    }
    EXPECT_EQ(WrittenBy(FullStadium()), expected);
}

TEST(StadiumTest, RoundTripKeepsEveryValue) {
    Stadium stadium = FullStadium();
    Stadium back = RoundTrip(stadium);
    EXPECT_EQ(back.Name(), "Arena am Fluss mit langem Nam");
    EXPECT_EQ(back.City(), "Hafenstadt");
    EXPECT_EQ(back.model, 255);
    EXPECT_EQ(back.sizeClass, 0x8A);
    for (int s = 0; s < 8; ++s) {
        EXPECT_EQ(back.seats[s], stadium.seats[s]);
        EXPECT_EQ(back.terraces[s], stadium.terraces[s]);
        EXPECT_EQ(back.vip[s], stadium.vip[s]);
    }
    EXPECT_EQ(back.seasonTicketStands, 0xFF);
    EXPECT_EQ(back.awayStands, 0x80);
}

std::string StadiumText(const char* sizeClass, const char* modelLine) {
    std::string text = KLLines({"%INDEX%STADIUM", sizeClass, "Name", "City", modelLine});
    for (int i = 0; i < 24; ++i) {
        text += "7\r\n";
    }
    return text + KLLines({"3", "4", "%INDEXEND%STADIUM"});
}

TEST(StadiumTest, ClassesOfFilesBeforeMinorFiveAreConverted) {
    Stadium stadium;
    ASSERT_TRUE(ReadFrom(StadiumText("7", "2"), stadium, 0x20040003u));
    EXPECT_EQ(stadium.sizeClass, 2);
    ASSERT_TRUE(ReadFrom(StadiumText("7", "2"), stadium, 0x20040005u));
    EXPECT_EQ(stadium.sizeClass, 7);
    EXPECT_EQ(stadium.model, 2);

    const uint8_t oldToNew[12] = {0, 1, 1, 1, 1, 1, 2, 2, 2, 2, 0, 0};
    for (int old = 0; old < 12; ++old) {
        EXPECT_EQ(MigrateOldCapacityClass(static_cast<uint8_t>(old)), oldToNew[old]) << old;
    }
    EXPECT_EQ(MigrateOldCapacityClass(200), 0);
}

TEST(StadiumTest, OlderMajorsDropTheModelLine) {
    Stadium stadium;
    stadium.model = 9;
    ASSERT_TRUE(ReadFrom(StadiumText("3", "old text"), stadium, 0x2003FFFFu));
    EXPECT_EQ(stadium.model, 0);
    EXPECT_EQ(stadium.sizeClass, 3); // other majors keep the class
    EXPECT_EQ(stadium.seats[7], 7);
    EXPECT_EQ(stadium.seasonTicketStands, 3);
    EXPECT_EQ(stadium.awayStands, 4);
}

TEST(StadiumTest, ClassesAboveTenReadAsNoLimitAndKeepTheFlag) {
    Stadium stadium;
    ASSERT_TRUE(ReadFrom(StadiumText("139", "1"), stadium)); // flag and class 11
    EXPECT_EQ(stadium.sizeClass, 0x80);
    ASSERT_TRUE(ReadFrom(StadiumText("-1", "1"), stadium)); // flag and class 127
    EXPECT_EQ(stadium.sizeClass, 0x80);
}

TEST(StadiumTest, TruncatedSectionLeavesTheRestZero) {
    Stadium stadium;
    ASSERT_TRUE(ReadFrom(KLLines({"%INDEX%STADIUM", "2", "Name", "%INDEXEND%STADIUM"}), stadium));
    EXPECT_EQ(stadium.sizeClass, 2);
    EXPECT_EQ(stadium.Name(), "Name");
    EXPECT_EQ(stadium.City(), "");
    EXPECT_EQ(stadium.TotalCapacity(), 0);
}

} // namespace
} // namespace tallo
