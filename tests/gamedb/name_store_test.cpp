#include "gamedb/name_store.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace tallo {
namespace {

std::vector<uint32_t> Weights(const NameList& list) {
    std::vector<uint32_t> weights;
    for (size_t i = 1; i < list.Size(); ++i) {
        weights.push_back(list.Entries()[i].count);
    }
    return weights;
}

// A list holding names with the given counts after index 0.
NameList ListWithCounts(const std::vector<uint32_t>& counts) {
    NameList list;
    bool refused = false;
    for (size_t i = 0; i < counts.size(); ++i) {
        const std::string name = "N" + std::to_string(i);
        for (uint32_t c = 0; c < counts[i]; ++c) {
            list.LookUp(name, true, true, refused);
        }
    }
    return list;
}

TEST(NameList, StartsWithASpaceOfCountOne) {
    NameList list;
    ASSERT_EQ(list.Size(), 1u);
    EXPECT_EQ(list.Entries()[0].name, " ");
    EXPECT_EQ(list.Entries()[0].count, 1u);
    EXPECT_EQ(list.FileCount(), 0u);
}

TEST(NameList, WeightsAreThousandthsOfTheCounts) {
    NameList list = ListWithCounts({1, 1, 2});
    list.Weight();
    EXPECT_EQ(Weights(list), (std::vector<uint32_t>{250, 250, 500}));
    // Index 0 keeps its count.
    EXPECT_EQ(list.Entries()[0].count, 1u);
}

TEST(NameList, RoundingGoesToTheFirstNames) {
    NameList list = ListWithCounts({1, 1, 1});
    list.Weight();
    EXPECT_EQ(Weights(list), (std::vector<uint32_t>{334, 333, 333}));
}

TEST(NameList, NamesThatTruncateToNothingGetOneWhileTheSumIsBelowAThousand) {
    NameList list = ListWithCounts(std::vector<uint32_t>(1001, 1));
    list.Weight();
    const std::vector<uint32_t> weights = Weights(list);
    EXPECT_EQ(std::accumulate(weights.begin(), weights.end(), 0u), 1000u);
    EXPECT_EQ(weights.front(), 1u);
    EXPECT_EQ(weights[999], 1u);
    EXPECT_EQ(weights.back(), 0u);
}

TEST(NameList, WeightsSumToAThousandForUnevenCounts) {
    NameList list = ListWithCounts({7, 3, 1, 1, 1, 13, 2, 999});
    list.Weight();
    const std::vector<uint32_t> weights = Weights(list);
    EXPECT_EQ(std::accumulate(weights.begin(), weights.end(), 0u), 1000u);
    for (uint32_t weight : weights) {
        EXPECT_GE(weight, 1u);
    }
    // An empty list is left alone.
    NameList empty;
    empty.Weight();
    EXPECT_EQ(empty.Entries()[0].count, 1u);
}

TEST(NameList, TableImageHoldsCountsIndicesNamesAndWeights) {
    NameList list = ListWithCounts({1, 3});
    list.SetFileCount(2);
    const std::string image = list.TableImage();
    EXPECT_EQ(list.TableSize(), 12u + (9 + 1) + (9 + 2) + (9 + 2));
    const std::string expected("\x03\0\0\0\x02\0\0\0\0\0\0\0"
                               "\0\0\0\0 \0\x01\0\0\0"
                               "\x01\0\0\0N0\0\x01\0\0\0"
                               "\x02\0\0\0N1\0\x03\0\0\0",
                               12 + 10 + 11 + 11);
    EXPECT_EQ(image, expected);
    EXPECT_EQ(image.size(), list.TableSize());
}

TEST(NameStore, LookUpCountsUsesAndAppendsNewNames) {
    NameStore store;
    EXPECT_EQ(store.LookUp(5, kSurname, "Meyer"), 1);
    EXPECT_EQ(store.LookUp(5, kSurname, "Kahn"), 2);
    EXPECT_EQ(store.LookUp(5, kSurname, "Meyer"), 1);
    EXPECT_EQ(store.List(5, kSurname).Entries()[1].count, 2u);
    // Another kind or pool is another list.
    EXPECT_EQ(store.LookUp(5, kMaleFirstName, "Meyer"), 1);
    EXPECT_EQ(store.LookUp(6, kSurname, "Kahn"), 1);
}

// So is a single blank (a name-file line " ", a person named so): index 0 keeps its count of
// 1, which its table entry carries.
TEST(NameStore, AnEmptyNameOrABlankIsIndexZeroAndCountsNothing) {
    NameStore store;
    EXPECT_EQ(store.LookUp(1, kSurname, ""), 0);
    EXPECT_EQ(store.LookUp(1, kSurname, " "), 0);
    store.LoadNameText(" \r\nMeyer\r\n \r\n", kSurname);
    EXPECT_EQ(store.List(1, kSurname).Size(), 2u);
    EXPECT_EQ(store.List(1, kSurname).Entries()[0].count, 1u);
}

TEST(NameStore, PoolsWithoutAListFallBackToPoolZero) {
    NameStore store;
    EXPECT_EQ(NameStore::PoolOf(64), 0);
    EXPECT_EQ(NameStore::PoolOf(255), 0);
    EXPECT_EQ(NameStore::PoolOf(-1), 0);
    EXPECT_EQ(NameStore::PoolOf(63), 63);
    EXPECT_EQ(store.LookUp(200, kSurname, "Far"), 1);
    EXPECT_EQ(store.List(0, kSurname).Find("Far"), 1);
    EXPECT_EQ(store.LookUp(1, 5, "NoKind"), 0);
    EXPECT_EQ(store.LookUp(1, -1, "NoKind"), 0);
}

TEST(NameStore, AFrozenStoreRefusesNewNamesAndKeepsItsWeights) {
    NameStore store;
    store.LookUp(2, kSurname, "A");
    store.LookUp(2, kSurname, "B");
    store.WeightAndFreeze();
    EXPECT_EQ(store.LookUp(2, kSurname, "B"), 2);
    EXPECT_EQ(store.List(2, kSurname).Entries()[2].count, 500u);
    EXPECT_FALSE(store.LateName());
    EXPECT_EQ(store.LookUp(2, kSurname, "C"), 0);
    EXPECT_TRUE(store.LateName());
    EXPECT_NE(store.ProblemText().find("\"C\""), std::string::npos);
    store.Reset();
    EXPECT_FALSE(store.Frozen());
    EXPECT_FALSE(store.LateName());
    EXPECT_EQ(store.List(2, kSurname).Size(), 1u);
}

TEST(NameStore, AListTakesAtMost65535NamesAndReportsTheOverflow) {
    NameStore store;
    for (int i = 1; i <= 65535; ++i) {
        ASSERT_EQ(store.LookUp(3, kThirdName, "n" + std::to_string(i)), i);
    }
    EXPECT_FALSE(store.Overflowed());
    EXPECT_EQ(store.LookUp(3, kThirdName, "one too many"), 0);
    EXPECT_TRUE(store.Overflowed());
    // Names already there are still found.
    EXPECT_EQ(store.LookUp(3, kThirdName, "n65535"), 65535);
}

TEST(NameStore, NameFilesSwitchPoolsAndSkipWhatCannotBeKept) {
    NameStore store;
    const std::string longName(32, 'x');
    store.LoadNameText("Anna\r\n\r\nBerta\n%7\nCarla\n% 9\nDora\n%64\nLost\n%x\nLost too\n" +
                           longName + "\n" + std::string(31, 'y') + "\n%7\nAnna\n\x1A" + "Hidden\n",
                       kFemaleFirstName);
    const NameList& pool1 = store.List(1, kFemaleFirstName);
    EXPECT_EQ(pool1.Find("Anna"), 1);
    EXPECT_EQ(pool1.Find("Berta"), 2);
    EXPECT_EQ(pool1.FileCount(), 3u);
    const NameList& pool7 = store.List(7, kFemaleFirstName);
    EXPECT_EQ(pool7.Find("Carla"), 1);
    EXPECT_EQ(pool7.Find("Anna"), 2);
    EXPECT_EQ(pool7.FileCount(), 3u);
    const NameList& pool9 = store.List(9, kFemaleFirstName);
    EXPECT_EQ(pool9.Find("Dora"), 1);
    EXPECT_EQ(pool9.Find(std::string(31, 'y')), -1); // after "%x": no pool
    for (int pool = 0; pool < NameStore::kPools; ++pool) {
        EXPECT_EQ(store.List(pool, kFemaleFirstName).Find("Lost"), -1);
        EXPECT_EQ(store.List(pool, kFemaleFirstName).Find(longName), -1);
        EXPECT_EQ(store.List(pool, kFemaleFirstName).Find("Hidden"), -1);
    }
    // Lists no file filled keep a file count of 0.
    EXPECT_EQ(store.List(2, kFemaleFirstName).FileCount(), 0u);
    EXPECT_EQ(store.List(1, kSurname).FileCount(), 0u);
}

TEST(NameStore, LoadsTheThreeNameFilesOfAnInstallationAndSkipsMissingOnes) {
    test::TempDir dir;
    test::WriteFile(dir.Path() + "/database/MaleNames.txt", "Hans\r\nJupp\r\n");
    test::WriteFile(dir.Path() + "/database/Surnames.txt", "%4\r\nMeier\r\n");
    NameStore store;
    EXPECT_TRUE(store.LoadNameFiles(dir.Path()));
    EXPECT_EQ(store.List(1, kMaleFirstName).Find("Jupp"), 2);
    EXPECT_EQ(store.List(4, kSurname).Find("Meier"), 1);
    EXPECT_EQ(store.List(4, kSurname).FileCount(), 2u);
    EXPECT_EQ(store.List(1, kFemaleFirstName).Size(), 1u);
    EXPECT_FALSE(store.LoadNameFile(dir.Path() + "/database/FemaleNames.txt", kFemaleFirstName));
}

} // namespace
} // namespace tallo
