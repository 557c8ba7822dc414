// The competitions of the generated world: the small sample's fixed league systems as they
// load back (completeness, play-offs, second teams, cups and calendars), and the league systems
// the full sample draws for its countries.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

#include "app/load_preparation.h"
#include "competitions/competition_keywords.h"
#include "competitions/competition_tree.h"
#include "competitions/country_completeness.h"
#include "competitions/db_cup.h"
#include "competitions/db_league_base.h"
#include "competitions/db_rel_scottland1.h"
#include "sample_league_plan.h"
#include "sample_script_folder.h"
#include "sample_test_support.h"
#include "support/temp_dir.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

using sample::SampleScale;
using test::TempDir;

class SmallSampleCompetitions : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new TempDir;
        test::WriteSample(dir_->Path(), SampleScale::kSmall, 9);
        world_ = new CWorld;
        ASSERT_TRUE(PrepareForLoad(*world_, dir_->Path()).cupSchemesRead);
        ASSERT_TRUE(world_->LoadAll((*dir_) / "database"));
    }
    static void TearDownTestSuite() {
        delete world_;
        delete dir_;
        world_ = nullptr;
        dir_ = nullptr;
    }

    static CCompetitionTree& Tree(int country) {
        CCompetitionTree* tree = CompetitionTreeOf(*world_->GetCountry(country));
        EXPECT_NE(tree, nullptr);
        return *tree;
    }

    // The days that carry a matchday, in order, and whether they are numbered 1, 2, ...
    static std::vector<int> Days(const CDBCompetition& node, bool* numbered = nullptr) {
        std::vector<int> days;
        bool inOrder = true;
        for (int day = CDBCompetition::kFirstDay; day <= CDBCompetition::kLastDay; ++day) {
            if (node.MatchdayOn(day) != 0) {
                days.push_back(day);
                inOrder = inOrder && node.MatchdayOn(day) == static_cast<int32_t>(days.size());
            }
        }
        if (numbered != nullptr) {
            *numbered = inOrder;
        }
        return days;
    }

    static TempDir* dir_;
    static CWorld* world_;
};

TempDir* SmallSampleCompetitions::dir_ = nullptr;
CWorld* SmallSampleCompetitions::world_ = nullptr;

TEST_F(SmallSampleCompetitions, ThreeCountriesAreCompleteAndTheOthersSayWhy) {
    std::set<int> complete;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        if (world_->GetCountry(number)->IsComplete()) {
            complete.insert(number);
        }
    }
    EXPECT_EQ(complete, (std::set<int>{1, 2, 160}));
    for (int number : complete) {
        EXPECT_TRUE(DescribeIncompleteness(*world_->GetCountry(number)).empty()) << number;
    }
    EXPECT_EQ(DescribeIncompleteness(*world_->GetCountry(60)),
              (std::vector<std::string>{
                  "has 7 clubs with the national team; a complete country has at least 10",
                  "its top league has 6 teams; a complete country has at least 10"}));
    EXPECT_EQ(DescribeIncompleteness(*world_->GetCountry(120)),
              (std::vector<std::string>{
                  "has 4 clubs with the national team; a complete country has at least 10",
                  "has no league"}));
}

// Every league of the sample is sound on its own: its teams fill its size, its fixture list is
// complete, its calendar holds its matchdays in order within the league season, and no club
// plays in two leagues.
TEST_F(SmallSampleCompetitions, EveryLeagueIsFullScheduledAndPlayedOnce) {
    size_t leagues = 0;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry& country = *world_->GetCountry(number);
        std::set<uint32_t> firstTeams;
        for (const CDBLeagueBase* league : Tree(number).Leagues()) {
            ++leagues;
            SCOPED_TRACE(league->Label());
            EXPECT_EQ(league->TeamCount(), league->Size());
            EXPECT_TRUE(league->Fixtures().IsComplete());
            EXPECT_EQ(league->Fixtures().Rows(), league->RequiredMatchdays());
            bool numbered = false;
            const std::vector<int> days = Days(*league, &numbered);
            EXPECT_EQ(static_cast<int>(days.size()), league->RequiredMatchdays());
            EXPECT_TRUE(numbered);
            EXPECT_LE(days.back(), 364);
            EXPECT_LE(league->RequiredMatchdays(), CDBLeagueBase::kMaxMatchdaysBeforeRoundCut);
            EXPECT_EQ(league->Validate(country.firstReserveLevel), 0u);
            for (uint32_t team : league->Teams()) {
                EXPECT_NE(country.FindClub(team), nullptr) << std::hex << team;
                if (!ClubId::IsSecondTeam(team)) {
                    EXPECT_TRUE(firstTeams.insert(team).second) << std::hex << team;
                }
            }
        }
    }
    EXPECT_EQ(leagues, 7u);
}

TEST_F(SmallSampleCompetitions, ThePyramidHasItsPlayOffsAndSecondTeams) {
    const CCountry& country = *world_->GetCountry(1);
    CCompetitionTree& tree = Tree(1);
    EXPECT_EQ(country.leagueCount, 3);
    ASSERT_EQ(tree.Leagues().size(), 3u);
    const CDBLeagueBase* top = tree.League(0);
    const CDBLeagueBase* second = tree.League(1);
    const CDBLeagueBase* third = tree.League(2);
    EXPECT_EQ(top->Size(), 12);
    EXPECT_EQ(top->Rounds(), 3);
    EXPECT_EQ(top->RequiredMatchdays(), 33);
    EXPECT_EQ(top->RelegationRule(), RelegationRule::kScotland);
    EXPECT_EQ(second->RelegationRule(), RelegationRule::kEngland1);
    EXPECT_EQ(third->RelegationRule(), RelegationRule::kNone);
    EXPECT_EQ(country.relegationRules[0], RelegationRule::kScotland);
    EXPECT_EQ(country.relegationRules[1], RelegationRule::kEngland1);
    for (int level = 0; level < 3; ++level) {
        EXPECT_EQ(country.firstLeagueIndex[level], level);
        EXPECT_EQ(country.endLeagueIndex[level], level + 1);
    }

    // The Scottish relegation league above the top league: five matchdays after the season.
    const auto* relegation = dynamic_cast<const CDBRelScottland1*>(tree.Find(top->ParentId()));
    ASSERT_NE(relegation, nullptr);
    EXPECT_EQ(Days(*relegation).size(), 5u);
    EXPECT_GT(Days(*relegation).front(), Days(*top).back());

    // The England play-off between the second and the third level.
    const auto* playOff = dynamic_cast<const CDBCup*>(tree.Find(second->ParentId()));
    ASSERT_NE(playOff, nullptr);
    EXPECT_EQ(playOff->Kind(), CompetitionKind::kRel1);
    EXPECT_EQ(playOff->Scheme(), sample::SampleScheme::kEnglandPlayOff1);
    EXPECT_TRUE(playOff->HasPredecessor(second->Id()));
    EXPECT_TRUE(playOff->HasPredecessor(third->Id()));
    EXPECT_EQ(third->ParentId(), playOff->Id());
    EXPECT_EQ(playOff->Level(), 1);
    EXPECT_EQ(static_cast<int32_t>(Days(*playOff).size()), playOff->RequiredMatchdays());
    EXPECT_EQ(playOff->RequiredMatchdays(), 3);

    // Two second teams of the strongest clubs at the bottom, where the country admits them.
    std::vector<uint32_t> secondTeams;
    for (uint32_t team : third->Teams()) {
        if (ClubId::IsSecondTeam(team)) {
            secondTeams.push_back(team & ClubId::kIdMask);
        }
    }
    EXPECT_EQ(secondTeams.size(), 2u);
    for (uint32_t club : secondTeams) {
        EXPECT_GE(top->TeamIndex(club), 0) << std::hex << club;
    }
    EXPECT_LE(country.firstReserveLevel, 2);

    // The cups of the schemes the country names, with their matchdays.
    EXPECT_EQ(country.nationalCupMode, sample::SampleScheme::kEnglishCup);
    EXPECT_EQ(country.leagueCupMode, sample::SampleScheme::kEnglishLeagueCup);
    EXPECT_EQ(country.superCupMode, sample::SampleScheme::kSuperCupFirstHalf);
    for (uint32_t kind :
         {CompetitionKind::kFaCup, CompetitionKind::kLeCup, CompetitionKind::kSuperCup}) {
        const auto* cup = dynamic_cast<const CDBCup*>(tree.FindOwn(kind, 0));
        ASSERT_NE(cup, nullptr) << kind;
        bool numbered = false;
        EXPECT_EQ(static_cast<int32_t>(Days(*cup, &numbered).size()),
                  sample::SampleSchemeMatchdays(cup->Scheme()));
        EXPECT_TRUE(numbered);
        EXPECT_EQ(cup->Validate(country.firstReserveLevel), 0u);
    }
    // Replays make the English cup's twelve matchdays out of seven rounds.
    EXPECT_EQ(
        dynamic_cast<const CDBCup*>(tree.FindOwn(CompetitionKind::kFaCup, 0))->RequiredMatchdays(),
        12);
}

TEST_F(SmallSampleCompetitions, OtherCountriesHaveTheSwissPlayOffOrNoCompetitions) {
    CCompetitionTree& two = Tree(2);
    const CDBLeagueBase* top = two.League(0);
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->Rounds(), 4);
    EXPECT_EQ(top->RequiredMatchdays(), 36);
    EXPECT_EQ(top->RelegationRule(), RelegationRule::kSwitzerland);
    const CDBCompetition* playOff = two.Find(top->ParentId());
    ASSERT_NE(playOff, nullptr);
    EXPECT_EQ(playOff->Kind(), CompetitionKind::kSwitzerland);
    EXPECT_TRUE(playOff->HasPredecessor(two.League(1)->Id()));
    EXPECT_EQ(Days(*playOff).size(), 2u);
    EXPECT_EQ(two.FindOwn(CompetitionKind::kLeCup, 0), nullptr);

    // Three clubs: no league, and the country editor took away the national cup.
    const CCountry& small = *world_->GetCountry(120);
    EXPECT_EQ(small.leagueCount, 0);
    EXPECT_EQ(small.nationalCupMode, 0u);
    EXPECT_EQ(Tree(120).Nodes().size(), 1u); // the root alone

    // A country without clubs keeps the tree of the country list: its national cup of mode 1.
    const CCountry& empty = *world_->GetCountry(100);
    EXPECT_EQ(empty.GetOrdinaryClubCount(), 0u);
    EXPECT_EQ(empty.nationalCupMode, 1u);
    EXPECT_NE(Tree(100).FindOwn(CompetitionKind::kFaCup, 0), nullptr);
}

// The league systems of the full sample, drawn for many countries: they fit the clubs, the
// fixture templates and the relegation rules, and between them they use every kind of
// play-off, regional leagues, second teams and the league cup of all leagues.
TEST(SampleLeagueSystem, DrawnSystemsFitTheirClubsAndRules) {
    std::set<uint8_t> rules;
    size_t regional = 0;
    size_t withSecondTeams = 0;
    size_t allLeagues = 0;
    size_t smallTop = 0;
    sample::SampleRandom random(77);
    for (int round = 0; round < 150; ++round) {
        for (int strength = 0; strength <= 3; ++strength) {
            for (int clubs : {10, 11, 14, 18, 32, 40, 56, 64}) {
                const sample::LeagueSystemPlan plan =
                    sample::RandomLeagueSystem(clubs, strength, random);
                SCOPED_TRACE("clubs " + std::to_string(clubs) + ", strength " +
                             std::to_string(strength));
                ASSERT_GE(plan.levels.size(), 1u);
                ASSERT_LE(plan.levels.size(), 5u);
                EXPECT_LE(plan.Clubs(), clubs);
                const int32_t top = plan.levels.front().sizes.front();
                EXPECT_GE(top, strength == 3 ? 8 : 10);
                smallTop += top < 10 ? 1 : 0;
                for (size_t k = 0; k < plan.levels.size(); ++k) {
                    const sample::LeagueLevelPlan& level = plan.levels[k];
                    regional += level.sizes.size() > 1 ? 1 : 0;
                    EXPECT_TRUE(level.reserveTeams == 0 ||
                                (strength == 0 && k + 1 == plan.levels.size() && k >= 2));
                    withSecondTeams += level.reserveTeams > 0 ? 1 : 0;
                    for (int32_t size : level.sizes) {
                        EXPECT_GE(size, 8);
                        EXPECT_LE(size, 24);
                        EXPECT_LE((size + size % 2 - 1) * level.rounds, 46);
                        EXPECT_TRUE(RelegationRule::AllowsSize(level.relegationRule, size));
                    }
                    const uint8_t rule = level.relegationRule;
                    rules.insert(rule);
                    if (k + 1 == plan.levels.size()) {
                        EXPECT_EQ(rule, 0);
                        continue;
                    }
                    EXPECT_NE(rule, 0);
                    if (rule >= RelegationRule::kEngland1) {
                        // A play-off needs one league above it (and one below, but for the
                        // Scottish relegation league).
                        EXPECT_EQ(level.sizes.size(), 1u);
                        if (rule != RelegationRule::kScotland) {
                            EXPECT_EQ(plan.levels[k + 1].sizes.size(), 1u);
                        }
                    }
                }
                if ((plan.leagueCupMode & sample::kAllLeaguesTakePart) != 0) {
                    ++allLeagues;
                    EXPECT_EQ(plan.leagueCupMode & 0xFFFFu,
                              sample::SampleScheme::kEnglishLeagueCup);
                    EXPECT_EQ(plan.levels.size(), 5u);
                }
            }
        }
    }
    for (uint8_t rule :
         {RelegationRule::kEngland1, RelegationRule::kEngland2, RelegationRule::kEngland3,
          RelegationRule::kScotland, RelegationRule::kSwitzerland}) {
        EXPECT_EQ(rules.count(rule), 1u) << int(rule);
    }
    EXPECT_GT(regional, 0u);
    EXPECT_GT(withSecondTeams, 0u);
    EXPECT_GT(allLeagues, 0u);
    EXPECT_GT(smallTop, 0u);
}

} // namespace
} // namespace tallo
