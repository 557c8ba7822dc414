#include "mapping/star_heads.h"

#include "mapping_test_support.h"

#include <gtest/gtest.h>

namespace tallo {
namespace {

using test::AddClub;
using test::AddPlayer;
using test::MappingFixturePath;

TEST(StarHeadsLoad, ReadsNamesFoldedWithoutKeeperMarks) {
    CStarHeads heads;
    ASSERT_TRUE(heads.Load(MappingFixturePath("ZELO2003_StarHeads.txt")));
    const auto& records = heads.Records();
    ASSERT_EQ(records.size(), 7u);
    // The first line of a name stays.
    ASSERT_EQ(records.count("Raul Gonzalez"), 1u);
    EXPECT_EQ(records.at("Raul Gonzalez").faceNumber, 501);
    EXPECT_EQ(records.at("Raul Gonzalez").number, 1);
    // "(GK)" and "[gk]" endings go; accents are folded.
    EXPECT_EQ(records.at("Iker Casillas").faceNumber, 502);
    EXPECT_EQ(records.at("Santiago Canizares").faceNumber, 503);
    // The first tab is looked for from the second character on.
    EXPECT_EQ(records.at("No name").faceNumber, 504);
    // A line without its face number is skipped.
    EXPECT_EQ(records.count("Only One Tab"), 0u);
}

TEST(StarHeadsLoad, BoundedLinesAndOddNames) {
    CStarHeads heads;
    const std::string longName(3000, 'z');
    heads.LoadText(longName + "\t1\t2\n"               // no tab within the line limit: skipped
                              "(GK)\t1\t3\n"           // not longer than the mark: kept as it is
                              " \t1\t4\n"              // empty once cleaned: skipped
                              "Keeper  [GK]  \t1\t5"); // cleaned, then the mark goes
    EXPECT_EQ(heads.Records().size(), 2u);
    EXPECT_EQ(heads.Records().at("(GK)").faceNumber, 3);
    EXPECT_EQ(heads.Records().at("Keeper").faceNumber, 5);
    EXPECT_FALSE(heads.Load("/nonexistent/stars.txt"));
    EXPECT_TRUE(heads.Empty());
}

class ConsoleFaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(heads_.Load(MappingFixturePath("ZELO2003_StarHeads.txt")));
        CClub* club = AddClub(*world_, 1, "Club");
        raul_ = AddPlayer(*world_, *club, "Raul", "Gonzalez");
        AddPlayer(*world_, *club, "Iker", "Casillas");
        canizares_ = AddPlayer(*world_, *club, "Santiago", "Ca\xf1izares");
        guti_ = AddPlayer(*world_, *club,
                          "Jos\xe9 Mar\xed"
                          "a",
                          "Guti\xe9rrez", "Guti");
        AddPlayer(*world_, *club, "Twice", "Used");
        CClub* other = AddClub(*world_, 2, "Other");
        AddPlayer(*world_, *other, "Twice", "Used");
        nobody_ = AddPlayer(*world_, *other, "Nobody", "Here");
        nobody_->SetSpecialFace(33);
        national_ = AddPlayer(*world_, *world_->GetCountry(1)->NationalTeam(), "Raul", "Gonzalez");
        national_->SetSpecialFace(44);
    }

    std::unique_ptr<CWorld> world_ = test::MakeWorld();
    CStarHeads heads_;
    test::TempDir dir_;
    CPlayer* raul_ = nullptr;
    CPlayer* canizares_ = nullptr;
    CPlayer* guti_ = nullptr;
    CPlayer* nobody_ = nullptr;
    CPlayer* national_ = nullptr;
};

TEST_F(ConsoleFaceTest, LookUpCountsItsUses) {
    EXPECT_EQ(heads_.ConsoleFace(*raul_), 501);
    EXPECT_EQ(heads_.ConsoleFace(*raul_), 501);
    EXPECT_EQ(heads_.Records().at("Raul Gonzalez").usageCount, 2);
    EXPECT_EQ(heads_.ConsoleFace(*guti_), 507); // by nickname
    EXPECT_EQ(heads_.ConsoleFace(*nobody_), 0);
    // A player with empty names never finds a record by them.
    CPlayer blank;
    EXPECT_EQ(heads_.Find(blank), nullptr);
}

TEST_F(ConsoleFaceTest, MapsTheWorldAndReportsRecordsNotUsedOnce) {
    heads_.ConsoleFace(*raul_); // counts start from 0 for the mapping
    const std::string reportPath = dir_ / "ps2.txt";
    const ConsoleFaceResult result = heads_.MapConsoleFaces(*world_, reportPath);
    EXPECT_TRUE(result.ran);
    EXPECT_EQ(result.found, 6);
    EXPECT_EQ(result.notFound, 1);
    ASSERT_TRUE(result.reportWritten);
    test::ExpectSameReport(test::ReadFile(reportPath),
                           test::MappingFixture("console_faces_report.txt"));
    EXPECT_EQ(raul_->SpecialFace(), 501);
    EXPECT_EQ(canizares_->SpecialFace(), 503);
    EXPECT_EQ(guti_->SpecialFace(), 507);
    EXPECT_EQ(nobody_->SpecialFace(), 0);    // not found: 0
    EXPECT_EQ(national_->SpecialFace(), 44); // national teams are left out
}

TEST_F(ConsoleFaceTest, NothingHappensWithoutStarHeads) {
    CStarHeads empty;
    const std::string reportPath = dir_ / "ps2.txt";
    EXPECT_FALSE(empty.MapConsoleFaces(*world_, reportPath).ran);
    EXPECT_EQ(nobody_->SpecialFace(), 33);
    EXPECT_EQ(test::ReadFile(reportPath), "");
}

} // namespace
} // namespace tallo
