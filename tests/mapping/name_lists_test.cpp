#include "mapping/name_lists.h"

#include "mapping_test_support.h"

#include <gtest/gtest.h>

namespace tallo {
namespace {

using test::MappingFixturePath;

TEST(NameLists, PoolsFromTheFilesWithBadLinesSkipped) {
    CNameLists names;
    ASSERT_TRUE(names.Load(MappingFixturePath("MaleNames.txt"),
                           MappingFixturePath("FemaleNames.txt"),
                           MappingFixturePath("Surnames.txt")));
    using Names = std::vector<std::string>;
    // Lines before the first pool line belong to pool 1.
    EXPECT_EQ(names.Names(CNameLists::kMaleNames, 1), (Names{"Hans", "Peter"}));
    EXPECT_EQ(names.Names(CNameLists::kMaleNames, 2), (Names{"Pierre"}));
    // Pool 64 and a pool line without a number: their names are skipped; an over-long name is
    // skipped whole.
    EXPECT_EQ(names.Names(CNameLists::kMaleNames, 0), (Names{"Zero"}));
    EXPECT_EQ(names.Count(CNameLists::kMaleNames), 4u);
    EXPECT_EQ(names.Names(CNameLists::kFemaleNames, 1), (Names{"Anna", "Marie"}));
    EXPECT_EQ(names.Names(CNameLists::kSurnames, 1), (Names{"M\xfcller"}));
    EXPECT_EQ(names.Names(CNameLists::kSurnames, 2), (Names{"Dupont"}));
    EXPECT_TRUE(names.Names(CNameLists::kSurnames, 64).empty());
    EXPECT_TRUE(names.Names(7, 1).empty());
}

TEST(NameLists, DrawsFromThePoolOrFallsBackToPoolZero) {
    CNameLists names;
    names.LoadText(CNameLists::kMaleNames, "%0\nAlpha\nBravo\n%5\nCharlie-Delta\n");
    int asked = 0;
    const auto last = [&asked](int n) {
        asked = n;
        return n - 1;
    };
    EXPECT_EQ(names.Draw(CNameLists::kMaleNames, 5, last, 16), "Charlie-Delta");
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(names.Draw(CNameLists::kMaleNames, 5, last, 7), "Charlie"); // cut
    EXPECT_EQ(names.Draw(CNameLists::kMaleNames, 9, last, 16), "Bravo");  // empty pool
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(names.Draw(CNameLists::kMaleNames, -3, last, 16), "Bravo"); // no such pool
    // A draw outside the list takes the first name; an empty list gives nothing.
    EXPECT_EQ(names.Draw(
                  CNameLists::kMaleNames, 0, [](int) { return 99; }, 16),
              "Alpha");
    EXPECT_EQ(names.Draw(CNameLists::kSurnames, 0, last, 16), "");
}

TEST(NameLists, MissingFilesLeaveEmptyListsAndFail) {
    CNameLists names;
    names.LoadText(CNameLists::kSurnames, "Old\n");
    EXPECT_FALSE(names.Load(MappingFixturePath("MaleNames.txt"), "/nonexistent/f.txt",
                            "/nonexistent/s.txt"));
    EXPECT_EQ(names.Count(CNameLists::kMaleNames), 4u);
    EXPECT_EQ(names.Count(CNameLists::kFemaleNames), 0u);
    EXPECT_EQ(names.Count(CNameLists::kSurnames), 0u); // loading starts afresh
}

} // namespace
} // namespace tallo
