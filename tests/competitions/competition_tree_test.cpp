#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <typeinfo>

#include "competitions/competition_tree.h"
#include "competitions/country_completeness.h"
#include "competitions/db_cup.h"
#include "competitions/db_league.h"
#include "competitions/db_rel_england1.h"
#include "competitions/db_rel_scottland1.h"
#include "competitions/db_rel_switzerland.h"
#include "competitions/db_root.h"
#include "competitions/tree_test_support.h"
#include "formats/kl_file.h"
#include "support/temp_dir.h"

namespace tallo {
namespace {

class CompetitionTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteTestCountryList(dir_ / "countries.sav");
        world_.LoadCountryList(dir_ / "countries.sav");
    }

    // Saves the world into a folder and loads it into `into`; returns the bytes of the file of
    // country 3.
    std::string SaveAndReload(CWorld& from, CWorld& into, const std::string& folder) {
        std::string path = dir_ / folder;
        std::filesystem::create_directories(path);
        from.SetDatabaseFolder(path);
        EXPECT_TRUE(from.SaveAll(nullptr));
        into.LoadCountryList(dir_ / "countries.sav");
        EXPECT_TRUE(into.LoadAll(path));
        return test::ReadFile(path + "/Country3.sav");
    }

    test::CompetitionScope scope_;
    test::TempDir dir_;
    CWorld world_;
};

TEST_F(CompetitionTreeTest, EveryCountryOfTheListGetsARootAndANationalCup) {
    for (int number : {1, 3, 206}) {
        CCompetitionTree* tree = CompetitionTreeOf(*world_.GetCountry(number));
        ASSERT_NE(tree, nullptr);
        ASSERT_NE(tree->Root(), nullptr);
        const CDBCompetition* cup = tree->FindOwn(CompetitionKind::kFaCup, 0);
        ASSERT_NE(cup, nullptr);
        EXPECT_EQ(static_cast<const CDBCup*>(cup)->Scheme(), 1u);
        EXPECT_EQ(tree->Root()->CupId(CompetitionKind::kFaCup), cup->Id());
        EXPECT_EQ(world_.FindCompetition(cup->Id()), cup);
    }
}

TEST_F(CompetitionTreeTest, FullTreeRoundTripsThroughTheCountryFileByteForByte) {
    test::BuildFullCountry(world_);
    CCompetitionTree& tree = test::TreeOf(world_, 3);
    ASSERT_EQ(tree.DescribeFaults(1), std::vector<std::string>());
    ASSERT_TRUE(world_.GetCountry(3)->IsComplete());

    CWorld second;
    std::string first = SaveAndReload(world_, second, "first");
    CWorld third;
    std::string again = SaveAndReload(second, third, "second");
    EXPECT_EQ(first, again);

    CCompetitionTree& loaded = test::TreeOf(second, 3);
    EXPECT_EQ(loaded.Nodes().size(), tree.Nodes().size());
    for (const CDBCompetition* node : tree.Nodes()) {
        const CDBCompetition* copy = second.FindCompetition(node->Id());
        ASSERT_NE(copy, nullptr) << node->Label();
        EXPECT_EQ(typeid(*copy), typeid(*node)) << node->Label();
        EXPECT_EQ(copy->Name(), node->Name());
        EXPECT_EQ(copy->GetCalendar(), node->GetCalendar()) << node->Label();
        EXPECT_EQ(copy->Predecessors(), node->Predecessors()) << node->Label();
        EXPECT_EQ(copy->Successors(), node->Successors()) << node->Label();
    }
    const CDBLeagueBase& league = *loaded.League(1);
    EXPECT_EQ(league.Teams(), tree.League(1)->Teams());
    EXPECT_EQ(league.Rounds(), 3);
    EXPECT_EQ(league.AttendanceMultiplier(), 25);
    EXPECT_EQ(league.TransferMultiplier(), 80);
    EXPECT_EQ(loaded.League(0)->GetValue(3), 1200000);
    EXPECT_EQ(loaded.League(0)->Fixtures().RowText(5), tree.League(0)->Fixtures().RowText(5));
    EXPECT_EQ(static_cast<const CDBCup*>(loaded.FindOwn(CompetitionKind::kSuperCup, 0))
                  ->GetRoundValue(2, 7),
              99);
    EXPECT_EQ(loaded.Root()->CupId(CompetitionKind::kLeCup),
              CompetitionId::Make(3, CompetitionKind::kLeCup, 0));
    EXPECT_TRUE(second.GetCountry(3)->IsComplete());
    EXPECT_NE(first.find("%INDEX%COMPETITIONPART\r\nPremier Division\r\nNational Cup\r\n30001"),
              std::string::npos);
}

TEST_F(CompetitionTreeTest, SaveWritesLeaguesThenParentsThenCupsInTheirOrder) {
    test::BuildFullCountry(world_);
    CKLFile file;
    ASSERT_TRUE(file.OpenForWrite(dir_ / "unused"));
    world_.BuildClubRenumbering();
    ASSERT_TRUE(test::TreeOf(world_, 3).Save(file));
    const std::string& text = file.WrittenText();
    std::vector<std::string> order = {"{ 3, LEAGUE, 0 }", "{ 3, LEAGUE, 1 }", "{ 3, REL1, 0 }",
                                      "{ 3, FA_CUP, 0 }", "{ 3, LE_CUP, 0 }", "{ 3, SUPERCUP, 0 }"};
    EXPECT_EQ(text.substr(0, 3), "6\r\n");
    size_t at = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        std::string head = "%INDEX%COMP" + std::to_string(i) + "\r\n";
        size_t section = text.find(head, at);
        ASSERT_NE(section, std::string::npos) << head;
        size_t id = text.find(order[i] + "\r\n", section);
        ASSERT_NE(id, std::string::npos) << order[i];
        EXPECT_LT(id, text.find("%INDEXEND%COMP" + std::to_string(i), section));
        at = id;
    }
    EXPECT_NE(text.find("%INDEX%COMP2\r\nDB_REL1\r\n"), std::string::npos);
}

TEST_F(CompetitionTreeTest, TopLeagueUnderTenTeamsLeavesTheCountryIncomplete) {
    test::BuildFullCountry(world_);
    CCountry& country = *world_.GetCountry(3);
    ASSERT_TRUE(country.IsComplete());
    CDBLeagueBase& top = *test::TreeOf(world_, 3).League(0);
    top.RemoveTeam(ClubId::Make(3, 10));
    top.SetSize(9);
    test::FillFixtures(top);
    for (int day = 1; day < CDBCompetition::kSeasonDays; ++day) {
        top.SetMatchdayOn(day, 0);
    }
    test::FillCalendar(top, 10, 7);
    // The league itself is sound now; only its size keeps the country incomplete.
    EXPECT_EQ(top.Validate(1), 0u);
    EXPECT_FALSE(country.IsComplete());
}

TEST_F(CompetitionTreeTest, IncompletenessIsDescribedInWords) {
    test::BuildFullCountry(world_);
    EXPECT_TRUE(DescribeIncompleteness(*world_.GetCountry(3)).empty());
    CDBLeagueBase& top = *test::TreeOf(world_, 3).League(0);
    top.RemoveTeam(ClubId::Make(3, 1));
    std::vector<std::string> reasons = DescribeIncompleteness(*world_.GetCountry(3));
    ASSERT_EQ(reasons.size(), 2u);
    EXPECT_EQ(reasons[0], "its top league has 9 teams; a complete country has at least 10");
    EXPECT_EQ(reasons[1], "Premier Division ({ 3, LEAGUE, 0 }): has 9 teams but its size is 10");

    // A country of the list alone: its national cup has no calendar yet either.
    reasons = DescribeIncompleteness(*world_.GetCountry(4));
    ASSERT_EQ(reasons.size(), 3u);
    EXPECT_NE(reasons[2].find("{ 4, FA_CUP, 0 }): has 0 matchdays in its calendar but needs 3"),
              std::string::npos);
    EXPECT_EQ(reasons[0], "has 1 clubs with the national team; a complete country has at least 10");
    EXPECT_EQ(reasons[1], "has no league");
}

TEST_F(CompetitionTreeTest, CompletenessFollowsTheChecksOfTheNodes) {
    test::BuildFullCountry(world_);
    CCountry& country = *world_.GetCountry(3);
    CCompetitionTree& tree = test::TreeOf(world_, 3);
    ASSERT_TRUE(country.IsComplete());

    // A missing matchday of the play-off is a fault of the top league too (its parent).
    CDBCompetition& playOff = *tree.FindOwn(CompetitionKind::kRel1, 0);
    int day = 1;
    while (playOff.MatchdayOn(day) == 0) {
        ++day;
    }
    playOff.RemoveMatchday(day);
    EXPECT_EQ(tree.League(0)->Validate(1), CDBCompetition::kWrongMatchdayCount);
    EXPECT_FALSE(country.IsComplete());
    playOff.InsertMatchday(day);
    EXPECT_TRUE(country.IsComplete());

    // Reserve teams above the first reserve level.
    country.firstReserveLevel = 2;
    EXPECT_EQ(tree.League(1)->Validate(2), CDBCompetition::kReserveTeamsTooHigh);
    EXPECT_FALSE(country.IsComplete());
    country.firstReserveLevel = 1;

    tree.League(1)->Fixtures().ClearPairing(3, 1);
    EXPECT_EQ(tree.League(1)->Validate(1), CDBCompetition::kFixtureIncomplete);
    std::vector<std::string> faults = tree.DescribeFaults(1);
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0],
              "First Division ({ 3, LEAGUE, 1 }): its fixture list has 1 empty pairings");
}

TEST_F(CompetitionTreeTest, CupsOfSchemesThirteenAndFourteenReloadAsCups) {
    CCompetitionTree& tree = test::TreeOf(world_, 3);
    CDBCup* challenge = tree.ReplaceNationalCup(CompetitionKind::kChallengeShield, 13);
    CDBCup* conference = tree.ReplaceNationalCup(CompetitionKind::kConferenceCup, 14);
    test::FillCalendar(*challenge, 100, 10);
    test::FillCalendar(*conference, 200, 10);
    challenge->SetName("Shield");

    CWorld second;
    std::string first = SaveAndReload(world_, second, "cups");
    EXPECT_NE(first.find("DB_CHALLENGE\r\n{ 3, CHALLENGE_SHIELD, 0 }"), std::string::npos);
    EXPECT_NE(first.find("DB_CONFERENCE\r\n{ 3, CONFERENCE_CUP, 0 }"), std::string::npos);
    CCompetitionTree& loaded = test::TreeOf(second, 3);
    auto* shield = dynamic_cast<CDBCup*>(loaded.FindOwn(CompetitionKind::kChallengeShield, 0));
    auto* cup = dynamic_cast<CDBCup*>(loaded.FindOwn(CompetitionKind::kConferenceCup, 0));
    ASSERT_NE(shield, nullptr);
    ASSERT_NE(cup, nullptr);
    EXPECT_EQ(shield->Scheme(), 13u);
    EXPECT_EQ(shield->Name(), "Shield");
    EXPECT_EQ(shield->GetCalendar(), challenge->GetCalendar());
    EXPECT_EQ(cup->Scheme(), 14u);
    EXPECT_EQ(cup->MatchdayDays(), 2);
    EXPECT_EQ(loaded.Root()->CupId(CompetitionKind::kConferenceCup), cup->Id());
}

TEST_F(CompetitionTreeTest, ScottishAndSwissStructuresReloadAsTheSameClasses) {
    test::BuildFullCountry(world_);
    CCountry& country = *world_.GetCountry(3);
    CCompetitionTree& tree = test::TreeOf(world_, 3);
    country.relegationRules[0] = RelegationRule::kScotland;
    tree.BuildRelegation({true, false, false, false, false});
    EXPECT_EQ(tree.FindOwn(CompetitionKind::kRel1, 0), nullptr);
    auto* scottish = dynamic_cast<CDBRelScottland1*>(tree.FindOwn(CompetitionKind::kScott1, 0));
    ASSERT_NE(scottish, nullptr);
    EXPECT_EQ(tree.League(0)->ParentId(), scottish->Id());
    EXPECT_EQ(scottish->RequiredMatchdays(), 5);
    test::FillCalendar(*scottish, 300, 2);

    CWorld second;
    SaveAndReload(world_, second, "scottish");
    CDBCompetition* reloaded = second.FindCompetition(scottish->Id());
    ASSERT_NE(dynamic_cast<CDBRelScottland1*>(reloaded), nullptr);
    EXPECT_EQ(reloaded->RequiredMatchdays(), 5);
    EXPECT_EQ(reloaded->Validate(1), 0u);

    country.relegationRules[0] = RelegationRule::kSwitzerland;
    tree.BuildRelegation({true, false, false, false, false});
    EXPECT_EQ(tree.FindOwn(CompetitionKind::kScott1, 0), nullptr);
    auto* swiss = dynamic_cast<CDBRelSwitzerland*>(tree.FindOwn(CompetitionKind::kSwitzerland, 0));
    ASSERT_NE(swiss, nullptr);
    EXPECT_TRUE(tree.League(0)->HasSuccessor(swiss->Id()));
    EXPECT_TRUE(tree.League(1)->HasSuccessor(swiss->Id()));
    EXPECT_EQ(swiss->Level(), 0);
    CWorld third;
    SaveAndReload(world_, third, "swiss");
    EXPECT_NE(dynamic_cast<CDBRelSwitzerland*>(third.FindCompetition(swiss->Id())), nullptr);
}

TEST_F(CompetitionTreeTest, EnglishRulesNeedOneUpperLeague) {
    test::BuildFullCountry(world_);
    CCountry& country = *world_.GetCountry(3);
    CCompetitionTree& tree = test::TreeOf(world_, 3);
    const CDBCompetition* playOff = tree.FindOwn(CompetitionKind::kRel1, 0);
    ASSERT_NE(playOff, nullptr);
    EXPECT_EQ(playOff->Level(), 0);
    EXPECT_EQ(playOff->Predecessors()[0], tree.League(0)->Id());
    EXPECT_EQ(playOff->Predecessors()[1], tree.League(1)->Id());
    EXPECT_EQ(tree.League(0)->RelegationRule(), RelegationRule::kEngland1);

    // Two leagues on the upper level: the rule is refused and no play-off is made.
    CDBLeagueBase* extra = tree.CreateLeague(2);
    extra->SetLevel(0);
    country.endLeagueIndex[0] = 1;
    country.firstLeagueIndex[0] = 0;
    std::swap(country.endLeagueIndex[0], country.endLeagueIndex[1]);
    country.firstLeagueIndex[1] = 2;
    country.endLeagueIndex[0] = 3;
    country.endLeagueIndex[1] = 2;
    tree.BuildRelegation({true, false, false, false, false});
    EXPECT_EQ(country.relegationRules[0], RelegationRule::kNone);
    EXPECT_EQ(tree.League(0)->RelegationRule(), RelegationRule::kNone);
    EXPECT_EQ(tree.FindOwn(CompetitionKind::kRel1, 0), nullptr);
    EXPECT_EQ(tree.League(0)->ParentId(), 0u);
}

TEST_F(CompetitionTreeTest, ReplacingANationalCupDeletesTheOldOneAndItsLinks) {
    CCompetitionTree& tree = test::TreeOf(world_, 3);
    CDBCup* cup = tree.ReplaceNationalCup(CompetitionKind::kLeCup, 7);
    CDBLeagueBase* league = tree.CreateLeague(0);
    cup->AddPredecessor(league->Id(), true);
    ASSERT_TRUE(league->HasSuccessor(cup->Id()));
    EXPECT_EQ(tree.ReplaceNationalCup(CompetitionKind::kLeCup, 0), nullptr);
    EXPECT_EQ(tree.FindOwn(CompetitionKind::kLeCup, 0), nullptr);
    EXPECT_FALSE(league->HasSuccessor(CompetitionId::Make(3, CompetitionKind::kLeCup, 0)));
    EXPECT_EQ(tree.Root()->CupId(CompetitionKind::kLeCup), 0u);
}

TEST_F(CompetitionTreeTest, CopiedCountryGetsItsOwnNodesInTheOtherWorld) {
    test::BuildFullCountry(world_);
    CWorld other;
    other.LoadCountryList(dir_ / "countries.sav");
    other.GetCountry(3)->CopyFrom(*world_.GetCountry(3));
    CCompetitionTree& copy = test::TreeOf(other, 3);
    CDBLeagueBase* league = copy.League(0);
    ASSERT_NE(league, nullptr);
    EXPECT_NE(league, test::TreeOf(world_, 3).League(0));
    EXPECT_EQ(other.FindCompetition(league->Id()), league);
    EXPECT_EQ(league->World(), &other);
    EXPECT_TRUE(other.GetCountry(3)->IsComplete());
}

TEST_F(CompetitionTreeTest, TeamCountCheckTellsTheUserWhenTheLeaguesHoldTooManyTeams) {
    test::BuildFullCountry(world_);
    CCompetitionTree& tree = test::TreeOf(world_, 3);
    EXPECT_EQ(tree.DistinctTeamCount(), 18u);
    EXPECT_TRUE(tree.CheckTeamCount(18, nullptr));
    EXPECT_FALSE(tree.CheckTeamCount(17, nullptr));
}

} // namespace
} // namespace tallo
