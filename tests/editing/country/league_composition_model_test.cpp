// The league composition editor's model on the small sample: entering and removing teams,
// last season's marks through a save and load, and putting everything back.

#include "editing/country/league_composition_model.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "editing/country/country_page_test_support.h"
#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "support/temp_dir.h"

namespace tallo {
namespace {

using AddResult = LeagueCompositionModel::AddResult;
using Mark = LeagueCompositionModel::Mark;

class LeagueCompositionModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        session_ = &harness_.OpenGame();
        const int number = test::LeagueRichCountry(session_->World());
        ASSERT_NE(number, 0);
        country_ = session_->World().GetCountry(number);
        ASSERT_GE(CompetitionTreeOf(*country_)->Leagues().size(), 2u);
    }

    // A new club of the country, in no league.
    uint32_t FreeClub() { return country_->CreateClub("Free Club")->Id(); }

    test::EditorHarness harness_;
    DatabaseSession* session_ = nullptr;
    CCountry* country_ = nullptr;
};

TEST_F(LeagueCompositionModelTest, TeamsAreEnteredUntilTheLeagueIsFull) {
    LeagueCompositionModel model(*country_);
    ASSERT_EQ(model.SelectedLeague(), 0);
    CDBLeagueBase* league = model.League();
    ASSERT_NE(league, nullptr);
    const uint32_t free = FreeClub();

    league->SetSize(league->TeamCount() + 1);
    const int count = league->TeamCount();
    EXPECT_EQ(model.AddTeam(free), AddResult::Added);
    EXPECT_EQ(league->TeamCount(), count + 1);
    EXPECT_EQ(league->TeamAt(count), free);
    EXPECT_EQ(model.AddTeam(free), AddResult::AlreadyEntered);
    EXPECT_EQ(model.AddTeam(free | ClubId::kSecondTeamBit), AddResult::LeagueFull);
    EXPECT_EQ(league->TeamCount(), count + 1);
    // Neither the national team nor a club of another country.
    EXPECT_EQ(model.AddTeam(ClubId::Make(country_->Number(), ClubId::kNationalTeamNumber)),
              AddResult::Refused);
    const uint32_t foreign = ClubId::Make(country_->Number() == 1 ? 2 : 1, 1);
    EXPECT_EQ(model.AddTeam(foreign), AddResult::Refused);

    const std::vector<LeagueCompositionModel::TeamRow> teams = model.Teams();
    ASSERT_EQ(teams.size(), static_cast<size_t>(count + 1));
    EXPECT_EQ(teams.back().name, "Free Club");
    const auto leagues = model.Leagues();
    EXPECT_EQ(leagues[0].teams, count + 1);
    EXPECT_EQ(leagues[0].size, count + 1);
}

TEST_F(LeagueCompositionModelTest, TeamsLeaveTheLeagueOrEveryLeague) {
    LeagueCompositionModel model(*country_);
    CDBLeagueBase* first = model.League();
    const uint32_t team = first->TeamAt(0);
    const uint32_t other = first->TeamAt(1);
    model.SelectLeague(1);
    CDBLeagueBase* second = model.League();
    ASSERT_NE(second, first);
    second->SetSize(second->TeamCount() + 1);
    ASSERT_EQ(model.AddTeam(team), AddResult::Added);

    // The club list tells where the team plays.
    const auto clubs = model.Clubs();
    auto row = std::find_if(clubs.begin(), clubs.end(),
                            [team](const auto& club) { return club.reference == team; });
    ASSERT_NE(row, clubs.end());
    EXPECT_NE(row->leagues.find(std::string(first->Name())), std::string::npos);
    EXPECT_NE(row->leagues.find(std::string(second->Name())), std::string::npos);

    EXPECT_EQ(model.RemoveFromLeague({team}), 1);
    EXPECT_LT(second->TeamIndex(team), 0);
    EXPECT_EQ(first->TeamIndex(team), 0);
    ASSERT_EQ(model.AddTeam(team), AddResult::Added);
    EXPECT_EQ(model.RemoveFromAllLeagues({team, other}), 3);
    EXPECT_LT(first->TeamIndex(team), 0);
    EXPECT_LT(first->TeamIndex(other), 0);
    EXPECT_LT(second->TeamIndex(team), 0);
}

TEST_F(LeagueCompositionModelTest, ReserveTeamsAreOfferedAsSecondTeams) {
    LeagueCompositionModel model(*country_);
    EXPECT_TRUE(model.HideReserves());
    const size_t clubs = model.Clubs().size();
    EXPECT_EQ(clubs, country_->GetOrdinaryClubCount());
    model.SetHideReserves(false);
    const auto rows = model.Clubs();
    ASSERT_EQ(rows.size(), 2 * clubs);
    EXPECT_EQ(rows[1].reference, rows[0].reference | ClubId::kSecondTeamBit);
    EXPECT_EQ(rows[1].name, rows[0].name + " (A)");
}

TEST_F(LeagueCompositionModelTest, MarksOfLastSeasonSurviveASaveAndLoad) {
    LeagueCompositionModel model(*country_);
    CDBLeagueBase* league = model.League();
    const uint32_t winner = league->TeamAt(0);
    const uint32_t climber = league->TeamAt(1);
    const uint32_t reserve = league->TeamAt(2) | ClubId::kSecondTeamBit;
    for (uint32_t team : {winner, climber, reserve}) {
        country_->FindClub(team)->SetSeasonFlags(0);
    }
    EXPECT_TRUE(model.SetMark({winner}, Mark::CupFinalist));
    EXPECT_TRUE(model.SetMark({winner}, Mark::CupWinner));
    EXPECT_TRUE(model.SetMark({climber, reserve}, Mark::Relegated));
    EXPECT_TRUE(model.SetMark({climber, reserve}, Mark::Promoted));
    EXPECT_FALSE(model.SetMark({climber}, Mark::Promoted));
    EXPECT_EQ(model.MarksText(winner), "Обладатель кубка");
    EXPECT_EQ(model.MarksText(climber), "Повышение");
    EXPECT_EQ(model.Teams()[0].marks, "Обладатель кубка");

    test::TempDir scratch;
    CWorld& world = session_->World();
    const std::string folder = world.DatabaseFolder();
    world.SetDatabaseFolder(scratch.Path());
    ASSERT_TRUE(world.SaveAll(nullptr));
    world.SetDatabaseFolder(folder);
    CWorld loaded;
    loaded.LoadCountryList(harness_.install + "/database/countries.sav");
    ASSERT_TRUE(loaded.LoadAll(scratch.Path()));
    CCountry& country = *loaded.GetCountry(static_cast<int>(country_->Number()));
    LeagueCompositionModel reloaded(country);
    EXPECT_EQ(reloaded.MarksText(winner), "Обладатель кубка");
    EXPECT_EQ(reloaded.MarksText(climber), "Повышение");
    EXPECT_EQ(reloaded.MarksText(reserve), "Повышение");
    EXPECT_EQ(reloaded.MarksText(reserve & ClubId::kIdMask), "");
    EXPECT_TRUE(country.FindClub(winner)->HasSeasonFlag(CClub::kCupWinner, false));

    EXPECT_TRUE(reloaded.SetMark({winner}, Mark::ClearCup));
    EXPECT_TRUE(reloaded.SetMark({climber}, Mark::ClearMove));
    EXPECT_EQ(reloaded.MarksText(winner), "");
    EXPECT_EQ(reloaded.MarksText(climber), "");
}

TEST_F(LeagueCompositionModelTest, RestoreTakesEveryChangeBack) {
    CWorld& world = session_->World();
    const auto before = test::SavedBytes(world);
    LeagueCompositionModel model(*country_);
    const LeagueCompositionModel::Snapshot snapshot = model.Take();
    const uint32_t team = model.League()->TeamAt(0);
    model.SetMark({team}, Mark::Relegated);
    model.SetMark({model.League()->TeamAt(1)}, Mark::ClearCup);
    model.RemoveFromAllLeagues({team, model.League()->TeamAt(3)});
    model.SelectLeague(1);
    ASSERT_EQ(model.RemoveFromLeague({model.League()->TeamAt(0)}), 1);
    ASSERT_EQ(model.AddTeam(team), AddResult::Added);
    EXPECT_FALSE(model.Take() == snapshot);

    model.Restore(snapshot);
    EXPECT_TRUE(model.Take() == snapshot);
    EXPECT_TRUE(test::SavedBytes(world) == before);
}

} // namespace
} // namespace tallo
