#include "mapping/zelo_club_mapping.h"

#include "mapping_test_support.h"

#include <gtest/gtest.h>

namespace tallo {
namespace {

using test::AddClub;
using test::MappingFixture;
using test::MappingFixturePath;

TEST(ZeloClubMappingLoad, KeepsTheLinesTheFileGives) {
    CZeloClubMapping mapping;
    ASSERT_TRUE(mapping.Load(MappingFixturePath("ZELO_ClubIDs.txt")));

    // "S.A.D." is cut off the name.
    const ClubIdRecord* clubA = mapping.Find("Club A");
    ASSERT_NE(clubA, nullptr);
    EXPECT_EQ(clubA->zeloId, 345);
    EXPECT_EQ(clubA->column1, 12);
    EXPECT_EQ(clubA->description, "Spain, first division");
    EXPECT_EQ(mapping.Find("Club A S.A.D."), nullptr);

    // Column 1 of 400 or 0, fewer than three tabs, an empty column 2: not kept.
    EXPECT_EQ(mapping.Find("Club Ignored"), nullptr);
    EXPECT_EQ(mapping.Find("Club Zero"), nullptr);
    EXPECT_EQ(mapping.Find("No Description"), nullptr);

    // Name and column 2 are cleaned of extra blanks; column 2 is cut to 51 characters.
    const ClubIdRecord* blue = mapping.Find("Blue Stars");
    ASSERT_NE(blue, nullptr);
    EXPECT_EQ(blue->description, "Germany second");
    const ClubIdRecord* longOne = mapping.Find("Long Description");
    ASSERT_NE(longOne, nullptr);
    EXPECT_EQ(longOne->description.size(), CZeloClubMapping::kDescriptionLength);

    // A later line of the same name replaces the earlier one.
    const ClubIdRecord* replaced = mapping.Find("Replaced");
    ASSERT_NE(replaced, nullptr);
    EXPECT_EQ(replaced->zeloId, 1004);
    EXPECT_EQ(replaced->description, "New");

    EXPECT_EQ(mapping.Records().size(), 10u);
}

TEST(ZeloClubMappingLoad, MissingTabsAndOverlongLinesDoNotDisturbOtherLines) {
    CZeloClubMapping mapping;
    // An over-long line is cut at the line limit: its tail never becomes a line of its own.
    const std::string longName(2000, 'x');
    const std::string tail = "\t99\tTail Club";
    mapping.LoadText("1\tFirst\t10\t" + longName + tail + "\n" + // cut inside the name
                     "2\tno tabs at all\n" +                     // skipped
                     "3\tonly\ttwo tabs\n" +                     // skipped
                     "4\tLast\t40\tLast Club");                  // no line end at the end
    ASSERT_EQ(mapping.Records().size(), 2u);
    const std::string keptName =
        longName.substr(0, CZeloClubMapping::kMaxLineLength - std::string("1\tFirst\t10\t").size());
    ASSERT_NE(mapping.Find(keptName), nullptr);
    EXPECT_EQ(mapping.Find(keptName)->zeloId, 10);
    EXPECT_EQ(mapping.Find("Tail Club"), nullptr);
    ASSERT_NE(mapping.Find("Last Club"), nullptr);
    EXPECT_EQ(mapping.Find("Last Club")->zeloId, 40);
}

TEST(ZeloClubMappingLoad, MissingFileLeavesTheTableEmptyAndEveryClubFails) {
    CZeloClubMapping mapping;
    EXPECT_FALSE(mapping.Load("/nonexistent/ZELO_ClubIDs.txt"));
    EXPECT_TRUE(mapping.Records().empty());

    auto world = test::MakeWorld();
    CClub* club = AddClub(*world, 1, "Somebody");
    club->SetColourEntry(7);
    const ClubMappingResult result = mapping.MapClubIds(*world, "", false);
    EXPECT_EQ(result.success, 0);
    EXPECT_EQ(result.failure, 207); // 206 national teams and the club
    EXPECT_EQ(club->ColourEntry(), 7);
}

class ClubMappingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(mapping_.Load(MappingFixturePath("ZELO_ClubIDs.txt")));
        clubA_ = AddClub(*world_, 1, "Club A");
        AddClub(*world_, 1, "Blue Stars");
        twins1_ = AddClub(*world_, 1, "Twins");
        big_ = AddClub(*world_, 1, "Big Number FC");
        // Named "Unused Club" only in language slot 0; the mapping looks at slot 1.
        nobody_ = AddClub(*world_, 1, "Nobody");
        ASSERT_TRUE(nobody_->SetName(0, "Unused Club"));
        twins2_ = AddClub(*world_, 2, "Twins");
        shortOnly_ = AddClub(*world_, 2, "Short Only Football Club");
        ASSERT_TRUE(shortOnly_->SetShortName(1, "Short Only"));
        AddClub(*world_, 2, "Replaced");
        // National teams are mapped too.
        ASSERT_TRUE(world_->GetCountry(3)->NationalTeam()->SetName(1, "Spain"));
        zero_ = AddClub(*world_, 206, "Club Zero");
        AddClub(*world_, 206, "Club Ignored");
        nobody_->SetColourEntry(77);
        nobody_->Kit().colourEntry = 78;
        world_->SetLanguage(1);
    }

    std::unique_ptr<CWorld> world_ = test::MakeWorld();
    CZeloClubMapping mapping_;
    test::TempDir dir_;
    CClub* clubA_ = nullptr;
    CClub* twins1_ = nullptr;
    CClub* twins2_ = nullptr;
    CClub* big_ = nullptr;
    CClub* nobody_ = nullptr;
    CClub* shortOnly_ = nullptr;
    CClub* zero_ = nullptr;
};

TEST_F(ClubMappingTest, GivesIdsAndWritesTheReport) {
    const std::string reportPath = dir_ / "clubs.txt";
    const ClubMappingResult result = mapping_.MapClubIds(*world_, reportPath, false);
    EXPECT_EQ(result.success, 8);
    EXPECT_EQ(result.failure, 208); // 205 unnamed national teams and three clubs
    EXPECT_TRUE(result.reportWritten);
    test::ExpectSameReport(test::ReadFile(reportPath), MappingFixture("club_report.txt"));

    EXPECT_EQ(clubA_->ColourEntry(), 345);
    EXPECT_EQ(clubA_->Kit().colourEntry, 345);
    EXPECT_EQ(twins1_->ColourEntry(), 1002);
    EXPECT_EQ(twins2_->Kit().colourEntry, 1002);
    EXPECT_EQ(shortOnly_->ColourEntry(), 1005); // found by its short name
    EXPECT_EQ(world_->GetCountry(3)->NationalTeam()->ColourEntry(), 1007);
    // 70001 does not fit the 16-bit entries and is cut.
    EXPECT_EQ(big_->ColourEntry(), 70001 & 0xFFFF);
    // Not found without overwrite: the club keeps its entries.
    EXPECT_EQ(nobody_->ColourEntry(), 77);
    EXPECT_EQ(nobody_->Kit().colourEntry, 78);
    EXPECT_EQ(mapping_.Find("Twins")->usageCount, 2);
}

TEST_F(ClubMappingTest, OverwriteClearsClubsNotFoundAndCountsStartAfresh) {
    zero_->SetColourEntry(5);
    mapping_.MapClubIds(*world_, "", false);
    const ClubMappingResult again = mapping_.MapClubIds(*world_, "", true);
    EXPECT_EQ(again.success, 8);
    EXPECT_FALSE(again.reportWritten);
    EXPECT_EQ(nobody_->ColourEntry(), 0);
    EXPECT_EQ(nobody_->Kit().colourEntry, 0);
    EXPECT_EQ(zero_->ColourEntry(), 0);
    EXPECT_EQ(clubA_->ColourEntry(), 345);
    EXPECT_EQ(mapping_.Find("Twins")->usageCount, 2); // not 4: counted afresh
}

TEST_F(ClubMappingTest, AReportThatCannotBeWrittenStillGivesTheIds) {
    const ClubMappingResult result =
        mapping_.MapClubIds(*world_, dir_ / "missing-folder/clubs.txt", true);
    EXPECT_FALSE(result.reportWritten);
    EXPECT_EQ(result.success, 8);
    EXPECT_EQ(clubA_->ColourEntry(), 345);
}

} // namespace
} // namespace tallo
