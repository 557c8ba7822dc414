// The league data editor's model: fill, store, the 46-matchday rule, multipliers and the rules
// of the league's level.

#include <gtest/gtest.h>

#include "competitions/competition_keywords.h"
#include "competitions/competition_tree.h"
#include "competitions/db_league_base.h"
#include "editing/country/country_edit_context.h"
#include "editing/country/league_data_model.h"
#include "editing/country/league_formats.h"
#include "editing/country/league_system.h"
#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

TEST(LeagueDataMultiplier, CommaOrPointCutToHundredthsWithinAByte) {
    EXPECT_EQ(LeagueDataModel::ParseMultiplier("1,25"), 125);
    EXPECT_EQ(LeagueDataModel::ParseMultiplier("1.25"), 125);
    EXPECT_EQ(LeagueDataModel::ParseMultiplier("1,15"), 115); // no floating-point loss
    EXPECT_EQ(LeagueDataModel::ParseMultiplier("0,579"), 57); // cut, not rounded
    EXPECT_EQ(LeagueDataModel::ParseMultiplier("2"), 200);
    EXPECT_EQ(LeagueDataModel::ParseMultiplier(",5"), 50);
    EXPECT_EQ(LeagueDataModel::ParseMultiplier(" 0,1 "), 10);
    bool clamped = false;
    EXPECT_EQ(LeagueDataModel::ParseMultiplier("2,56", &clamped), 255);
    EXPECT_TRUE(clamped);
    EXPECT_EQ(LeagueDataModel::ParseMultiplier("99999999999", &clamped), 255);
    EXPECT_TRUE(clamped);
    EXPECT_EQ(LeagueDataModel::ParseMultiplier("2,55", &clamped), 255);
    EXPECT_FALSE(clamped);
    for (const char* bad : {"", ",", "-1", "1,2,3", "abc", "1e2", "1,x"}) {
        EXPECT_FALSE(LeagueDataModel::ParseMultiplier(bad).has_value()) << bad;
    }
    EXPECT_EQ(LeagueDataModel::MultiplierText(5), "0.05");
    EXPECT_EQ(LeagueDataModel::MultiplierText(120), "1.20");
}

class LeagueDataModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        world_ = &harness_.OpenGame().World();
        for (int number = 1; number <= CWorld::kCountryCount && number_ == 0; ++number) {
            const LeagueCounts counts = LeagueCountsOf(*world_->GetCountry(number));
            number_ = counts[0] == 1 && counts[1] >= 1 ? number : 0;
        }
        ASSERT_NE(number_, 0) << "the sample has no country with two levels";
        // A plain 1-1-2 system to work on.
        ASSERT_TRUE(ApplyLeagueFormat(Country(), 7, {3, 2, 1, 0, 0}));
        context_.world = world_;
        context_.country = number_;
    }

    CCountry& Country() { return *world_->GetCountry(number_); }
    CDBLeagueBase& League(uint32_t number) { return *CompetitionTreeOf(Country())->League(number); }

    test::EditorHarness harness_;
    CWorld* world_ = nullptr;
    int number_ = 0;
    CountryEditContext context_;
};

TEST_F(LeagueDataModelTest, FillShowsTheLeagueAndTheRulesOfItsLevel) {
    CDBLeagueBase& league = League(1);
    league.SetName("Second Division");
    league.SetShortName("SD");
    league.SetAttendanceMultiplier(7);
    league.SetValue(3, 12345678);
    Country().foreignPlayerRules[1] = 2;
    Country().tieBreakRules[1] = 1;
    Country().firstReserveLevel = 2;

    LeagueDataModel model(context_, 1);
    ASSERT_TRUE(model.Fill());
    EXPECT_EQ(model.Level(), 1);
    EXPECT_EQ(model.name, "Second Division");
    EXPECT_EQ(model.shortName, "SD");
    EXPECT_EQ(model.attendance, "0.07");
    EXPECT_EQ(model.money[LeagueDataModel::kTelevisionBonus], "12345678");
    EXPECT_EQ(model.foreignRule, 2);
    EXPECT_EQ(model.tieBreak, 1);
    // 1-1-2 allows 0, 2 and 4 between levels 2 and 3; the level's rule 2 is selected.
    EXPECT_EQ(model.RuleChoices(), (std::vector<uint8_t>{0, 2, 4}));
    ASSERT_EQ(model.ruleIndex, 1);
    EXPECT_FALSE(model.reserveTeams);
    LeagueDataModel third(context_, 2);
    ASSERT_TRUE(third.Fill());
    EXPECT_EQ(third.Level(), 2);
    EXPECT_TRUE(third.reserveTeams);
    EXPECT_FALSE(LeagueDataModel(context_, 40).Fill());
}

TEST_F(LeagueDataModelTest, FourRoundsForFourteenTeamsAreCutBackToTwo) {
    LeagueDataModel model(context_, 0);
    ASSERT_TRUE(model.Fill());
    model.size = 14;
    model.rounds = 4; // 13 x 4 = 52 matchdays
    EXPECT_TRUE(model.Store().empty());
    EXPECT_EQ(League(0).Size(), 14);
    EXPECT_EQ(League(0).Rounds(), 2);
    EXPECT_EQ(League(0).RequiredMatchdays(), 26);
    // The fixture list takes the new shape from the template.
    EXPECT_EQ(League(0).Fixtures().Rows(), 26);
    EXPECT_TRUE(League(0).Fixtures().IsComplete());
    model.Fill();
    model.rounds = 3; // 39 matchdays: allowed
    model.Store();
    EXPECT_EQ(League(0).Rounds(), 3);
    EXPECT_EQ(League(0).Fixtures().Rows(), 39);
}

TEST_F(LeagueDataModelTest, StoreWritesValuesAndRefusesWhatIsNoNumber) {
    CDBLeagueBase& league = League(0);
    league.SetTransferMultiplier(90);
    league.SetValue(1, 500);
    LeagueDataModel model(context_, 0);
    ASSERT_TRUE(model.Fill());
    model.name = "A name far longer than the twenty-eight characters";
    model.shortName = "Short name of twenty";
    model.attendance = "1,5";
    model.transfer = "x";
    model.money[LeagueDataModel::kTelevisionBonus] = "250000";
    model.money[LeagueDataModel::kFirstPlaceBonus] = "12a";
    model.money[LeagueDataModel::kPlacePayment] = "123456789";
    model.foreignRule = 4;
    model.tieBreak = 1;
    const std::vector<std::string> messages = model.Store();
    EXPECT_EQ(messages.size(), 3u);
    EXPECT_EQ(std::string(league.Name()), "A name far longer than the t");
    EXPECT_EQ(std::string(league.ShortName()), "Short name of tw");
    EXPECT_EQ(league.AttendanceMultiplier(), 150);
    EXPECT_EQ(league.TransferMultiplier(), 90);
    EXPECT_EQ(league.GetValue(3), 250000);
    EXPECT_EQ(league.GetValue(1), 500);
    EXPECT_EQ(Country().foreignPlayerRules[0], 4);
    EXPECT_EQ(Country().tieBreakRules[0], 1);

    model.Fill();
    model.transfer = "3,10";
    const std::vector<std::string> clamped = model.Store();
    ASSERT_EQ(clamped.size(), 1u);
    EXPECT_NE(clamped.front().find("2.55"), std::string::npos);
    EXPECT_EQ(league.TransferMultiplier(), 255);
}

TEST_F(LeagueDataModelTest, TheRelegationRuleFollowsTheSizeAndRebuildsItsPlayOff) {
    // 1-1-2 allows 0 to 8 on top: an English play-off for the top league.
    LeagueDataModel model(context_, 0);
    ASSERT_TRUE(model.Fill());
    ASSERT_EQ(model.RuleChoices().size(), 9u);
    model.size = 10;
    model.ruleIndex = RelegationRule::kEngland2;
    model.Store();
    CCompetitionTree& tree = *CompetitionTreeOf(Country());
    EXPECT_EQ(Country().relegationRules[0], RelegationRule::kEngland2);
    EXPECT_EQ(League(0).RelegationRule(), RelegationRule::kEngland2);
    EXPECT_NE(tree.FindOwn(CompetitionKind::kRel2, 0), nullptr);
    // Fewer than 8 teams: the English rule is not allowed and becomes 0, its play-off goes.
    League(0).SetSize(6);
    model.Fill();
    EXPECT_EQ(model.size, 6); // outside the list: kept while no size is chosen
    model.Store();
    EXPECT_EQ(League(0).Size(), 6);
    EXPECT_EQ(Country().relegationRules[0], 0);
    EXPECT_EQ(tree.FindOwn(CompetitionKind::kRel2, 0), nullptr);
}

TEST_F(LeagueDataModelTest, ReserveTeamsMoveTheFirstReserveLevel) {
    Country().firstReserveLevel = 6; // no level admits them
    LeagueDataModel third(context_, 2);
    ASSERT_TRUE(third.Fill());
    EXPECT_FALSE(third.reserveTeams);
    third.reserveTeams = true;
    third.Store();
    EXPECT_EQ(Country().firstReserveLevel, 2);
    LeagueDataModel top(context_, 0);
    top.Fill();
    EXPECT_FALSE(top.reserveTeams);
    top.reserveTeams = true;
    top.Store();
    EXPECT_EQ(Country().firstReserveLevel, 0);
    // Clearing level 1 keeps level 2 below it only as it was: now from level 2 down.
    LeagueDataModel second(context_, 1);
    second.Fill();
    EXPECT_TRUE(second.reserveTeams);
    second.reserveTeams = false;
    second.Store();
    EXPECT_EQ(Country().firstReserveLevel, 2);
    // Leaving a level that does not admit them changes nothing.
    second.Fill();
    second.Store();
    EXPECT_EQ(Country().firstReserveLevel, 2);
}

} // namespace
} // namespace tallo
