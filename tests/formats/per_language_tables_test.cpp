#include "formats/per_language_tables.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace tallo {
namespace {

using test::FixturePath;
using test::TempDir;

TEST(PerLanguageTablesTest, LoadsAllFourTablesFromTheLanguageFolderInAnyCase) {
    PerLanguageTables tables;
    // The folder is spelled "DE" and the colour file "teamcolour.txt" on disk.
    ASSERT_TRUE(tables.Load(FixturePath("text_tables"), "de"));
    EXPECT_EQ(tables.Shoes().Count(), 3);
    EXPECT_EQ(tables.Shoes().Text(2), "Nocken");
    ASSERT_EQ(tables.Faces().Count(), 3); // placeholder row and two faces
    EXPECT_EQ(tables.Faces().Number(2), 23);
    EXPECT_EQ(tables.Faces().Text(2), "Ballack");
    ASSERT_EQ(tables.ClubSpeech().Count(), 3);
    EXPECT_EQ(tables.ClubSpeech().Number(1), 5);
    EXPECT_EQ(tables.ClubSpeech().Text(2), "Hertha BSC");
    for (int copy = 0; copy < PerLanguageTables::kTeamColourCopies; ++copy) {
        ASSERT_EQ(tables.TeamColours(copy).Count(), 3);
        EXPECT_EQ(tables.TeamColours(copy).Text(0), "Rot");
        EXPECT_EQ(tables.TeamColours(copy).SecondNumber(0), 12);
    }
    EXPECT_NE(&tables.TeamColours(0), &tables.TeamColours(1));

    tables.Clear();
    EXPECT_EQ(tables.Faces().Count(), 0);
    EXPECT_EQ(tables.TeamColours(1).Count(), 0);
}

TEST(PerLanguageTablesTest, MissingLanguageFolderLeavesEveryTableInItsMissingFileForm) {
    TempDir dir;
    PerLanguageTables tables;
    EXPECT_FALSE(tables.Load(dir.Path(), "fr"));
    EXPECT_EQ(tables.Shoes().Count(), 5);
    EXPECT_EQ(tables.Faces().Count(), 1000);
    EXPECT_EQ(tables.ClubSpeech().Count(), 500);
    EXPECT_EQ(tables.TeamColours(0).Count(), 30);
    EXPECT_EQ(tables.TeamColours(1).Count(), 30);
    EXPECT_EQ(tables.Faces().Number(999), 999);
    EXPECT_EQ(tables.Faces().Text(0), "");
}

} // namespace
} // namespace tallo
