#include <gtest/gtest.h>

#include <string>

#include "competitions/competition_tree.h"
#include "competitions/db_cup.h"
#include "competitions/db_league_base.h"
#include "competitions/db_pool.h"
#include "competitions/db_root.h"
#include "competitions/db_round.h"
#include "competitions/node_loader.h"
#include "competitions/tree_test_support.h"
#include "formats/kl_file.h"
#include "support/record_text.h"
#include "support/temp_dir.h"
#include "world/file_version.h"

namespace tallo {
namespace {

// A small hand-checked tree of country 5: two leagues of four teams (one of them a reserve
// team), the play-off of the English division-three rule between them and a super cup.
class GoldenTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteTestCountryList(dir_ / "countries.sav");
        world_.LoadCountryList(dir_ / "countries.sav");
        golden_ = test::ReadFile(test::FixturePath("competitions/small_tree.txt"));
        ASSERT_FALSE(golden_.empty());
    }

    void BuildSmallTree() {
        CCountry& country = *world_.GetCountry(5);
        for (int i = 1; i <= 6; ++i) {
            country.CreateClub("Club " + std::to_string(i));
        }
        country.firstLeagueIndex[0] = 0;
        country.endLeagueIndex[0] = 1;
        country.firstLeagueIndex[1] = 1;
        country.endLeagueIndex[1] = 2;
        country.relegationRules[0] = RelegationRule::kEngland2;
        CCompetitionTree& tree = test::TreeOf(world_, 5);
        tree.ReplaceNationalCup(CompetitionKind::kFaCup, 0);
        for (uint32_t n = 0; n < 2; ++n) {
            CDBLeagueBase& league = *tree.CreateLeague(n);
            league.SetName(n == 0 ? "Liga A" : "Liga B");
            league.SetShortName(n == 0 ? "LA" : "LB");
            league.SetLevel(static_cast<int32_t>(n));
            league.SetSize(4);
            for (uint32_t club = 1; club <= 4; ++club) {
                uint32_t reference = ClubId::Make(5, club + n * 2);
                league.AddTeam(n == 1 && club == 1 ? (reference | ClubId::kSecondTeamBit)
                                                   : reference);
            }
            test::FillFixtures(league);
            league.SetValue(2, 1000);
            test::FillCalendar(league, 20 + static_cast<int>(n), 14);
        }
        tree.BuildRelegation({true, false, false, false, false});
        CDBCompetition& playOff = *tree.FindOwn(CompetitionKind::kRel2, 0);
        playOff.SetName("Play-off");
        test::FillCalendar(playOff, 120, 4);
        CDBCup& super = *tree.ReplaceNationalCup(CompetitionKind::kSuperCup, 15);
        super.SetName("Supercup");
        super.SetShortName("SC");
        super.SetRoundValue(0, 7, 3);
        test::FillCalendar(super, 370, 1);
    }

    std::string SaveTree(int country) {
        world_.BuildClubRenumbering();
        return test::TextWrittenBy([&](CKLFile& file) {
            file.WriteSectionBegin("COMPETITION");
            EXPECT_TRUE(test::TreeOf(world_, country).Save(file));
            file.WriteSectionEnd("COMPETITION");
        });
    }

    test::CompetitionScope scope_;
    test::TempDir dir_;
    CWorld world_;
    std::string golden_;
};

TEST_F(GoldenTreeTest, SmallTreeIsWrittenAsTheGoldenBytes) {
    BuildSmallTree();
    EXPECT_EQ(SaveTree(5), golden_);
}

TEST_F(GoldenTreeTest, GoldenBytesReadIntoTheTreeTheyDescribeAndBackByteForByte) {
    CCountry& country = *world_.GetCountry(5);
    for (int i = 1; i <= 6; ++i) {
        country.CreateClub("Club " + std::to_string(i));
    }
    CKLFile file;
    ASSERT_TRUE(file.OpenFromMemory(golden_));
    FileVersion::SetLoaded(FileVersion::kCurrent);
    ASSERT_TRUE(file.FindSection("COMPETITION"));
    country.CreateCompetitionTree(false);
    CCompetitionTree& tree = test::TreeOf(world_, 5);
    ASSERT_TRUE(tree.Load(file));
    tree.FinishLoad();
    EXPECT_TRUE(tree.LoadNotes().empty());

    const CDBLeagueBase& second = *tree.League(1);
    EXPECT_EQ(second.Name(), "Liga B");
    EXPECT_EQ(second.ShortName(), "LB");
    EXPECT_EQ(second.TeamAt(0), ClubId::Make(5, 3) | ClubId::kSecondTeamBit);
    EXPECT_EQ(second.RequiredMatchdays(), 6);
    EXPECT_EQ(second.MatchdayOn(21), 1);
    EXPECT_EQ(second.MatchdayOn(91), 6);
    EXPECT_EQ(second.GetValue(2), 1000);
    EXPECT_EQ(second.ParentId(), CompetitionId::Make(5, CompetitionKind::kRel2, 0));
    const auto* super = static_cast<const CDBCup*>(tree.FindOwn(CompetitionKind::kSuperCup, 0));
    ASSERT_NE(super, nullptr);
    // Cup days past 364 are read back.
    EXPECT_EQ(super->MatchdayOn(370), 1);
    EXPECT_EQ(super->GetRoundValue(0, 7), 3);
    EXPECT_EQ(tree.Root()->CupId(CompetitionKind::kSuperCup), super->Id());
    EXPECT_EQ(SaveTree(5), golden_);
}

// Rounds and pools stand in the international definition files; their sections are read by
// the same node loader.
TEST_F(GoldenTreeTest, RoundAndPoolSectionsReadAndWriteInTheirLayout) {
    const std::string text = "2\r\n"
                             "%INDEX%EURO0\r\n"
                             "; --------------------------------------\r\n"
                             "DB_ROUND\r\n"
                             "{ 0, CHAMPIONSLEAGUE, 8 }\r\n"
                             "Final\r\n"
                             "FINAL\r\n"
                             "7\r\n"
                             "140\r\n"
                             "BEG_2ND_LEG, BEG_WITH_EXTRA_TIME\r\n"
                             "147\r\n"
                             "0\r\n"
                             "1\r\n2\r\n3\r\n4\r\n"
                             "{ 0, CHAMPIONSLEAGUE, 7 }\r\n"
                             "0\r\n"
                             "0\r\n"
                             "%INDEXEND%EURO0\r\n"
                             "%INDEX%EURO1\r\n"
                             "DB_POOL\r\n"
                             "{ 0, UEFA_CUP, 9 }\r\n"
                             "4\r\n"
                             "5\r\n"
                             "POOL_SORT_MAP_WEST_EAST\r\n"
                             "; how many comps to check\r\n"
                             "1\r\n"
                             "; which comps to check\r\n"
                             "{ 250, CHAMPIONSLEAGUE, 1 }\r\n"
                             "0\r\n"
                             "0\r\n"
                             "0\r\n0\r\n0\r\n0\r\n"
                             "0\r\n"
                             "{ 0, UEFA_CUP, 10 }\r\n"
                             "0\r\n"
                             "%INDEXEND%EURO1\r\n";
    CKLFile file;
    ASSERT_TRUE(file.OpenFromMemory(text));
    FileVersion::SetLoaded(FileVersion::kCurrent);
    CompetitionNodeStore store(&world_);
    DayTypeTable days{};
    NodeLoadOptions options;
    options.owner = CompetitionId::kInternationalRoot;
    options.dayTypes = &days;
    ASSERT_EQ(LoadNodes(file, "EURO", store, options), 2);

    auto* round = dynamic_cast<CDBRound*>(store.FindOwn(CompetitionId::Make(0, 9, 8)));
    ASSERT_NE(round, nullptr);
    EXPECT_EQ(round->Name(), "Final");
    EXPECT_EQ(round->RoundSetting(), 7);
    EXPECT_EQ(round->FirstLegDay(), 140);
    EXPECT_EQ(round->SecondLegDay(), 147);
    EXPECT_EQ(round->FirstLegFlags(), MatchFlag::k2ndLeg | MatchFlag::kWithExtraTime);
    EXPECT_EQ(round->SecondLegFlags(), 0u);
    EXPECT_EQ(round->GetValue(0), 0); // the values of a round are not kept
    EXPECT_EQ(round->Owner(), CompetitionId::kInternationalRoot);
    // Champions league days of day type 0 keep that type in the table.
    EXPECT_EQ(days[140], 0);
    auto* pool = dynamic_cast<CDBPool*>(store.FindOwn(CompetitionId::Make(0, 10, 9)));
    ASSERT_NE(pool, nullptr);
    EXPECT_EQ(pool->PoolSort(), 4);
    EXPECT_EQ(pool->CheckIds(), std::vector<uint32_t>{CompetitionId::Make(250, 9, 1)});
    EXPECT_EQ(pool->Successors()[0], CompetitionId::Make(0, 10, 10));

    CKLFile out;
    ASSERT_TRUE(out.OpenForWrite(dir_ / "unused"));
    out.WriteInt(2);
    round->SaveSection(out, "EURO0");
    pool->SaveSection(out, "EURO1");
    // The four values of the round are not kept, so they are written as 0.
    std::string expected = text;
    expected.replace(expected.find("1\r\n2\r\n3\r\n4\r\n"), 12, "0\r\n0\r\n0\r\n0\r\n");
    EXPECT_EQ(out.WrittenText(), expected);
}

} // namespace
} // namespace tallo
