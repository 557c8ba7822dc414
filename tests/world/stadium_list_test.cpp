#include "world/stadium_list.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace tallo {
namespace {

void ExpectFallbacks(const StadiumList& list) {
    for (const Stadium* stadium : {&list.SmallFallback(), &list.LargeFallback()}) {
        EXPECT_EQ(stadium->Name(), "Stadion");
        EXPECT_EQ(stadium->City(), "");
        EXPECT_EQ(stadium->model, 1);
        EXPECT_EQ(stadium->sizeClass, 1);
        EXPECT_EQ(stadium->seasonTicketStands, 0x07);
        EXPECT_EQ(stadium->awayStands, 0x40);
        EXPECT_TRUE(stadium->StandMasksConsistent());
    }
    const Stadium& small = list.SmallFallback();
    const int32_t smallSeats[8] = {1000, 1000, 1000, 1000, 0, 0, 0, 0};
    const Stadium& large = list.LargeFallback();
    const int32_t largeSeats[8] = {9650, 9650, 5760, 5760, 2880, 2880, 2880, 2880};
    for (int s = 0; s < 8; ++s) {
        EXPECT_EQ(small.seats[s], smallSeats[s]);
        EXPECT_EQ(small.terraces[s], 500);
        EXPECT_EQ(small.vip[s], 0);
        EXPECT_EQ(large.seats[s], largeSeats[s]);
        EXPECT_EQ(large.terraces[s], 0);
        EXPECT_EQ(large.vip[s], 0);
    }
    EXPECT_EQ(small.TotalCapacity(), 8000);
    EXPECT_EQ(large.TotalCapacity(), 42340);
}

TEST(StadiumListTest, LoadsTheModelsFromTheDataFolderInAnyCase) {
    test::TempDir install;
    test::WriteFile(install / "Data/ENG/StadiumList.txt",
                    test::ReadFile(test::FixturePath("stadium_list/StadiumList.txt")));
    StadiumList list;
    ASSERT_TRUE(list.Load(install.Path(), "data/eng"));
    ASSERT_EQ(list.Count(), 3u);
    EXPECT_EQ(list.Entries()[0].name, "Classic Bowl");
    EXPECT_EQ(list.Entries()[0].number, 1);
    EXPECT_TRUE(list.Entries()[0].flag);
    EXPECT_EQ(list.Entries()[1].name, "Modern Arena");
    EXPECT_EQ(list.Entries()[1].number, 7);
    EXPECT_FALSE(list.Entries()[1].flag);
    EXPECT_EQ(list.Entries()[2].name, "Training Ground");
    EXPECT_EQ(list.Entries()[2].number, 12);
    ExpectFallbacks(list);
}

TEST(StadiumListTest, MissingOrEmptyFileLeavesTheListEmptyWithFallbacks) {
    test::TempDir install;
    StadiumList list;
    EXPECT_FALSE(list.LoadFile(install / "StadiumList.txt"));
    EXPECT_EQ(list.Count(), 0u);
    ExpectFallbacks(list);

    test::WriteFile(install / "StadiumList.txt", "");
    EXPECT_TRUE(list.LoadFile(install / "StadiumList.txt"));
    EXPECT_EQ(list.Count(), 0u);
    ExpectFallbacks(list);
}

TEST(StadiumListTest, CountBeyondTheEntriesStopsAtTheEndOfTheData) {
    test::TempDir install;
    test::WriteFile(install / "StadiumList.txt", "2000000000\r\nOnly\r\n3\r\n1\r\nHalf\r\n");
    StadiumList list;
    ASSERT_TRUE(list.LoadFile(install / "StadiumList.txt"));
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.Entries()[1].name, "Half");
    EXPECT_EQ(list.Entries()[1].number, 0);
    EXPECT_FALSE(list.Entries()[1].flag);
}

TEST(StadiumListTest, LoadingAgainReplacesTheList) {
    test::TempDir install;
    test::WriteFile(install / "StadiumList.txt", "1\r\nOne\r\n4\r\n0\r\n");
    StadiumList list;
    ASSERT_TRUE(list.LoadFile(install / "StadiumList.txt"));
    ASSERT_TRUE(list.LoadFile(install / "StadiumList.txt"));
    EXPECT_EQ(list.Count(), 1u);
}

TEST(StadiumListTest, ChoosingAModelSetsModelFlagClassAndLimits) {
    test::TempDir install;
    test::WriteFile(install / "StadiumList.txt",
                    test::ReadFile(test::FixturePath("stadium_list/StadiumList.txt")));
    StadiumList list;
    ASSERT_TRUE(list.LoadFile(install / "StadiumList.txt"));

    Stadium stadium;
    stadium.seats[0] = 30000;
    stadium.vip[0] = 100;
    stadium.seats[4] = 5000;
    list.ApplyModelChoice(stadium, 0);
    EXPECT_EQ(stadium.model, 1);
    EXPECT_EQ(stadium.sizeClass, 0x81); // flag of the entry, class 1
    EXPECT_EQ(stadium.seats[0], 22500);
    EXPECT_EQ(stadium.vip[0], 0);
    EXPECT_EQ(stadium.seats[4], 4500);

    list.ApplyModelChoice(stadium, 1);
    EXPECT_EQ(stadium.model, 7);
    EXPECT_EQ(stadium.sizeClass, 6);

    stadium.seats[0] = 30000;
    list.ApplyModelChoice(stadium, 2);
    EXPECT_EQ(stadium.model, 12);
    EXPECT_EQ(stadium.sizeClass, 0x80); // class 0: no limit
    EXPECT_EQ(stadium.seats[0], 30000);

    list.ApplyModelChoice(stadium, 3);
    EXPECT_EQ(stadium.model, 0);
    EXPECT_EQ(stadium.sizeClass, 0);
}

} // namespace
} // namespace tallo
