// The league formats, ApplyLeagueSystem and the league system page's model on the sample.

#include <gtest/gtest.h>

#include <filesystem>

#include "competitions/competition_id.h"
#include "competitions/competition_keywords.h"
#include "competitions/competition_tree.h"
#include "competitions/country_completeness.h"
#include "competitions/db_league_base.h"
#include "editing/country/country_edit_context.h"
#include "editing/country/league_formats.h"
#include "editing/country/league_system.h"
#include "editing/country/league_system_page_model.h"
#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "gamedb/master_builder.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

// A complete country of the sample whose top level holds one league and which has at least
// `levels` levels; 0 when there is none.
int CompleteCountryWithLevels(const CWorld& world, int levels) {
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry& country = *world.GetCountry(number);
        const LeagueCounts counts = LeagueCountsOf(country);
        if (country.IsComplete() && counts[0] == 1 && counts[levels - 1] > 0) {
            return number;
        }
    }
    return 0;
}

class LeagueSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        world_ = &harness_.OpenGame().World();
        number_ = CompleteCountryWithLevels(*world_, 2);
        ASSERT_NE(number_, 0) << "the sample has no complete country with two levels";
        context_.world = world_;
        context_.country = number_;
    }

    CCountry& Country() { return *world_->GetCountry(number_); }
    CCompetitionTree& Tree() { return *CompetitionTreeOf(Country()); }
    // Applies a format by its text with the country's rules.
    void Apply(const char* text) {
        const int format = FindLeagueFormat(std::string_view(text));
        ASSERT_GE(format, 0);
        TransitionRules rules{};
        std::copy(std::begin(Country().relegationRules), std::end(Country().relegationRules),
                  rules.begin());
        ASSERT_TRUE(ApplyLeagueFormat(Country(), format, rules));
    }

    test::EditorHarness harness_;
    CWorld* world_ = nullptr;
    int number_ = 0;
    CountryEditContext context_;
};

TEST(LeagueFormats, TextsCountsAndRuleSetsAgree) {
    EXPECT_EQ(FindLeagueFormat(std::string_view("1-2")), 3);
    EXPECT_EQ(FindLeagueFormat(LeagueCounts{1, 2, 0, 0, 0}), 3);
    EXPECT_EQ(FindLeagueFormat(std::string_view("-")), 0);
    EXPECT_EQ(FindLeagueFormat(std::string_view("1-1-1-4-4")), 32);
    EXPECT_EQ(FindLeagueFormat(LeagueCounts{2, 0, 0, 0, 0}), -1);
    EXPECT_EQ(FindLeagueFormat(std::string_view("1-5")), -1);
    // 1-2: rules 0, 2, 4 on the first transition, 0 to 5 below the second level, nothing after.
    EXPECT_EQ(AllowedRules(3, 0), (std::vector<uint8_t>{0, 2, 4}));
    EXPECT_EQ(AllowedRules(3, 1), (std::vector<uint8_t>{0, 1, 2, 3, 4, 5}));
    EXPECT_TRUE(AllowedRules(3, 2).empty());
    // 1-1-1: England rules and the Swiss system on top, but not the Scottish one.
    EXPECT_TRUE(RuleAllowed(6, 0, 10));
    EXPECT_TRUE(RuleAllowed(6, 0, 8));
    EXPECT_FALSE(RuleAllowed(6, 0, 9));
    EXPECT_EQ(AllowedRules(1, 0), (std::vector<uint8_t>{0, 1, 2, 3, 4, 5, 9}));
    EXPECT_EQ(RelegationRuleLabel(7), "Relegation England Div.3");
    EXPECT_EQ(RelegationRuleLabel(8), "Relegation Conference");
    EXPECT_EQ(RelegationRuleLabel(10), "Schweizer System");
    EXPECT_TRUE(RelegationRuleLabel(11).empty());
    EXPECT_FALSE(RelegationRuleLabel(0).empty());
}

TEST_F(LeagueSystemTest, OneAndTwoLeaguesShowFormatThreeWithRuleOneShownAsZero) {
    Apply("1-2");
    Country().relegationRules[0] = 1; // not allowed on 1-2's first transition
    Country().relegationRules[1] = 3;
    LeagueSystemPageModel model(context_);
    model.Fill();
    EXPECT_EQ(model.SelectedFormat(), 3);
    EXPECT_EQ(model.Rules()[0], 0);
    EXPECT_EQ(model.Rules()[1], 3);
    // The grid: one cell on top, two of the four on level 2, nothing below.
    const auto& grid = model.Grid();
    ASSERT_EQ(grid[1].size(), 4u);
    ASSERT_EQ(grid[4].size(), 10u);
    EXPECT_TRUE(grid[0][0].visible);
    EXPECT_TRUE(grid[1][0].visible);
    EXPECT_TRUE(grid[1][1].visible);
    EXPECT_FALSE(grid[1][2].visible);
    EXPECT_FALSE(grid[2][0].visible);
    EXPECT_EQ(grid[1][1].leagueNumber, 2u);
    EXPECT_EQ(grid[1][1].name, std::string(Tree().League(2)->Name()));
    // The clubs the system holds and the note.
    int sizes = 0;
    for (const CDBLeagueBase* league : Tree().Leagues()) {
        sizes += league->Size();
    }
    EXPECT_EQ(model.ClubCount(), sizes);
    EXPECT_EQ(model.ClubCountText(), std::to_string(sizes));
    EXPECT_NE(model.PlayersNote().find(std::to_string(sizes * 25)), std::string::npos);
    EXPECT_TRUE(model.ButtonsEnabled());
    // A country whose counts are no format shows entry 0.
    Country().endLeagueIndex[0] = 0;
    Country().firstLeagueIndex[0] = 0;
    model.Fill();
    EXPECT_EQ(model.SelectedFormat(), 0);
}

TEST_F(LeagueSystemTest, FromSevenToNineKeepsTheLeaguesAndAddsTwoFromTheTemplate) {
    Apply("1-1-2");
    ASSERT_EQ(LeagueFormatOf(Country()), 7);
    // Data of their own for the three leagues, to see them taken over.
    std::vector<std::vector<uint32_t>> teams;
    for (uint32_t number = 0; number < 4; ++number) {
        CDBLeagueBase* league = Tree().League(number);
        ASSERT_NE(league, nullptr);
        league->SetName("League " + std::to_string(number));
        // Room for every team: a league keeps no more teams than its size.
        league->SetSize(20 + static_cast<int32_t>(number));
        league->SetAttendanceMultiplier(static_cast<uint8_t>(40 + number));
        league->SetValue(1, 1000 + static_cast<int32_t>(number));
        league->SetMatchdayOn(20 + static_cast<int>(number), 1);
        teams.push_back(league->Teams());
    }
    const CDBFixturelist fixtures0 = Tree().League(0)->Fixtures();

    LeagueSystemPageModel model(context_);
    model.Fill();
    ASSERT_TRUE(model.ChooseFormat(9));
    EXPECT_EQ(model.SelectedFormat(), 9);
    EXPECT_EQ(LeagueCountsOf(Country()), (LeagueCounts{1, 1, 4, 0, 0}));
    EXPECT_EQ(Country().leagueCount, 3);
    EXPECT_EQ(Country().firstLeagueIndex[2], 2);
    EXPECT_EQ(Country().endLeagueIndex[2], 6);
    for (uint32_t number = 0; number < 4; ++number) {
        const CDBLeagueBase& league = *Tree().League(number);
        EXPECT_EQ(std::string(league.Name()), "League " + std::to_string(number));
        EXPECT_EQ(league.Size(), 20 + static_cast<int32_t>(number));
        EXPECT_EQ(league.AttendanceMultiplier(), 40 + number);
        EXPECT_EQ(league.GetValue(1), 1000 + static_cast<int32_t>(number));
        EXPECT_EQ(league.MatchdayOn(20 + static_cast<int>(number)), 1);
        EXPECT_EQ(league.Teams(), teams[number]);
        EXPECT_EQ(league.Level(), number < 2 ? static_cast<int32_t>(number) : 2);
    }
    EXPECT_EQ(Tree().League(0)->Fixtures().GetRow(0), fixtures0.GetRow(0));
    for (uint32_t number : {4u, 5u}) {
        const CDBLeagueBase& league = *Tree().League(number);
        EXPECT_EQ(league.Size(), 18);
        EXPECT_EQ(league.Rounds(), 2);
        EXPECT_EQ(league.Level(), 2);
        EXPECT_EQ(league.TeamCount(), 0);
        EXPECT_EQ(league.Fixtures().Rows(), 34);
        EXPECT_TRUE(league.Fixtures().IsComplete());
        // The 18-team template's first matchday begins (18, 12), (6, 9), (5, 4).
        EXPECT_EQ(league.Fixtures().GetPairing(0, 0), (CDBFixturelist::Pairing{18, 12}));
        EXPECT_EQ(league.Fixtures().GetPairing(0, 2), (CDBFixturelist::Pairing{5, 4}));
    }
    // The grid shows the six leagues.
    EXPECT_TRUE(model.Grid()[2][3].visible);
    EXPECT_FALSE(model.Grid()[2][4].visible);
    // The same format again changes nothing.
    EXPECT_FALSE(model.ChooseFormat(9));
}

TEST_F(LeagueSystemTest, ANewLevelGetsEmptyFixtureListsAndRulesFollowTheFormat) {
    Apply("1-1");
    Country().relegationRules[0] = 4;
    Country().relegationRules[1] = 3;
    ASSERT_TRUE(
        ApplyLeagueFormat(Country(), FindLeagueFormat(std::string_view("1-1-3")), {4, 3, 3, 0, 0}));
    // 1-1-3 allows 0-8 on top, 0 and 3 on the second transition, 0-5 below the third level.
    EXPECT_EQ(Country().relegationRules[0], 4);
    EXPECT_EQ(Country().relegationRules[1], 3);
    EXPECT_EQ(Country().relegationRules[2], 3);
    for (uint32_t number : Tree().LeagueNumbersOfLevel(2)) {
        const CDBLeagueBase& league = *Tree().League(number);
        EXPECT_EQ(league.Fixtures().EmptyPairings(), league.Fixtures().Rows() * 9);
        EXPECT_EQ(league.RelegationRule(), 3);
    }
    // 1-2: 0, 2 and 4 on top, 0-5 below the second level, nothing after it.
    ASSERT_TRUE(ApplyLeagueFormat(Country(), 3, {4, 3, 3, 0, 0}));
    EXPECT_EQ(Country().relegationRules[0], 4);
    EXPECT_EQ(Country().relegationRules[1], 3);
    EXPECT_EQ(Country().relegationRules[2], 0);
    ASSERT_TRUE(ApplyLeagueFormat(Country(), 4, {4, 3, 0, 0, 0}));
    EXPECT_EQ(Country().relegationRules[0], 0); // 1-3 allows 0 and 3 on top
    EXPECT_FALSE(ApplyLeagueSystem(Country(), {2, 0, 0, 0, 0}, {}));
    EXPECT_EQ(LeagueFormatOf(Country()), 4);
}

TEST_F(LeagueSystemTest, LosingLeaguesDeletesThemWithTheirPlayOffs) {
    Apply("1-1-1");
    // An English play-off between levels 2 and 3.
    Country().relegationRules[1] = RelegationRule::kEngland1;
    ASSERT_TRUE(ApplyLeagueFormat(Country(), 6, {0, RelegationRule::kEngland1, 0, 0, 0}));
    const uint32_t lostId = Tree().League(2)->Id();
    ASSERT_NE(Tree().FindOwn(CompetitionKind::kRel1, 0), nullptr);
    Tree().League(2)->ClearTeams();
    ASSERT_TRUE(Tree().League(2)->AddTeam(Tree().League(0)->TeamAt(0)));

    ASSERT_TRUE(ApplyLeagueFormat(Country(), 2, {0, RelegationRule::kEngland1, 0, 0, 0}));
    EXPECT_EQ(Tree().League(2), nullptr);
    EXPECT_EQ(world_->FindCompetition(lostId), nullptr);
    EXPECT_EQ(Tree().Leagues().size(), 2u);
    // 1-1 allows only 0-5 and 9 below the second level: the play-off went.
    EXPECT_EQ(Country().relegationRules[1], 0);
    EXPECT_EQ(Tree().FindOwn(CompetitionKind::kRel1, 0), nullptr);
    EXPECT_EQ(Country().leagueCount, 2);
    EXPECT_EQ(Country().endLeagueIndex[2], 0);
    for (const CDBCompetition* node : Tree().Nodes()) {
        for (uint32_t id : node->Successors()) {
            EXPECT_NE(id, lostId);
        }
    }
    // No leagues at all.
    ASSERT_TRUE(ApplyLeagueFormat(Country(), 0, {}));
    EXPECT_TRUE(Tree().Leagues().empty());
    EXPECT_EQ(Country().leagueCount, 0);
}

TEST_F(LeagueSystemTest, ASwissRuleGetsItsPlayOffAndTheScottishOneItsLeague) {
    Apply("1-1");
    ASSERT_TRUE(ApplyLeagueFormat(Country(), 2, {RelegationRule::kSwitzerland, 0, 0, 0, 0}));
    EXPECT_NE(Tree().FindOwn(CompetitionKind::kSwitzerland, 0), nullptr);
    EXPECT_EQ(Tree().League(0)->RelegationRule(), RelegationRule::kSwitzerland);
    ASSERT_TRUE(ApplyLeagueFormat(Country(), 2, {RelegationRule::kScotland, 0, 0, 0, 0}));
    EXPECT_EQ(Tree().FindOwn(CompetitionKind::kSwitzerland, 0), nullptr);
    EXPECT_NE(Tree().FindOwn(CompetitionKind::kScott1, 0), nullptr);
    EXPECT_EQ(Tree().FindOwn(CompetitionKind::kScott1, 1), nullptr);
    ASSERT_TRUE(ApplyLeagueFormat(Country(), 2, {0, 0, 0, 0, 0}));
    EXPECT_EQ(Tree().FindOwn(CompetitionKind::kScott1, 0), nullptr);
    // Play-offs on two adjacent transitions: building the lower one keeps the upper one.
    ASSERT_TRUE(ApplyLeagueFormat(Country(), 6,
                                  {RelegationRule::kSwitzerland, RelegationRule::kEngland1, 0}));
    const CDBCompetition* swiss = Tree().FindOwn(CompetitionKind::kSwitzerland, 0);
    const CDBCompetition* english = Tree().FindOwn(CompetitionKind::kRel1, 0);
    ASSERT_NE(swiss, nullptr);
    ASSERT_NE(english, nullptr);
    EXPECT_EQ(swiss->Predecessors()[0], Tree().League(0)->Id());
    EXPECT_EQ(english->Predecessors()[0], Tree().League(1)->Id());
    EXPECT_EQ(english->Predecessors()[1], Tree().League(2)->Id());
    EXPECT_EQ(Tree().League(1)->RelegationRule(), RelegationRule::kEngland1);
}

TEST_F(LeagueSystemTest, AfterAFormatChangeTheCountrySavesLoadsAndBuilds) {
    Apply("1");
    const std::vector<uint32_t> topTeams = Tree().League(0)->Teams();
    ASSERT_EQ(LeagueFormatOf(Country()), 1);
    // A play-off or relegation league the new system made has no days yet: they are given in
    // the calendar editor, as a user would.
    for (CDBCompetition* node : Tree().Nodes()) {
        const uint32_t kind = CompetitionId::KindOf(node->Id());
        if (kind == CompetitionKind::kScott1 || kind == CompetitionKind::kSwitzerland) {
            for (int32_t matchday = 1; matchday <= node->RequiredMatchdays(); ++matchday) {
                node->SetMatchdayOn(320 + 3 * matchday, matchday);
            }
        }
    }
    ASSERT_TRUE(harness_.databases->SaveCurrent());

    test::EditorHarness again(harness_.install);
    CWorld& loaded = again.OpenGame().World();
    CCountry& country = *loaded.GetCountry(number_);
    EXPECT_EQ(LeagueFormatOf(country), 1);
    EXPECT_EQ(country.leagueCount, 1);
    ASSERT_NE(CompetitionTreeOf(country)->League(0), nullptr);
    EXPECT_EQ(CompetitionTreeOf(country)->League(0)->Teams(), topTeams);
    EXPECT_EQ(CompetitionTreeOf(country)->League(1), nullptr);
    EXPECT_TRUE(country.IsComplete()) << ::testing::PrintToString(DescribeIncompleteness(country));

    MasterBuildResult result;
    again.databases->WriteGameDatabase(&result);
    ASSERT_TRUE(result.Written()) << result.message;
    EXPECT_NE(std::find(result.completeCountries.begin(), result.completeCountries.end(), number_),
              result.completeCountries.end());
    EXPECT_TRUE(std::filesystem::exists(result.path));
}

} // namespace
} // namespace tallo
