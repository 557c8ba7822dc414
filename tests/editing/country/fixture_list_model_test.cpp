// The fixture list editor's model: pairings shown by club name, clicks that clear a side,
// clubs entered into the first free place, the computer's list, the second half made from the
// first, and the lists put back when the editor is cancelled.

#include "editing/country/fixture_list_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "competitions/fixture_templates.h"
#include "editing/country/calendar_test_support.h"
#include "editing/editing_test_support.h"
#include "editing/player/player_history_club_names.h"
#include "editing/session/database_session.h"

namespace tallo {
namespace {

using Pairing = CDBFixturelist::Pairing;
using Side = FixtureListModel::Side;
using test::SavedBytes;

class FixtureListModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        session_ = &harness_.OpenGame();
        context_.world = &World();
        context_.country = test::EmptyCountry(World());
        tree_ = test::TreeOf(World(), context_.country);
        clubs_ = test::SampleClubReferences(World());
        ASSERT_GE(clubs_.size(), 18u);
    }

    CWorld& World() { return session_->World(); }

    test::EditorHarness harness_;
    DatabaseSession* session_ = nullptr;
    CountryEditContext context_;
    CCompetitionTree* tree_ = nullptr;
    std::vector<uint32_t> clubs_;
};

TEST_F(FixtureListModelTest, PairingsShowClubNamesAndEmptySidesShowNothing) {
    CDBLeagueBase* league = test::MakeLeague(*tree_, 0, 10, 2, 0, clubs_);
    test::MakeLeague(*tree_, 1, 8, 2, 1, clubs_);
    league->Fixtures().SetPairing(0, 0, 3, 7);
    league->Fixtures().SetPairing(0, 1, 0, 2);
    FixtureListModel model(context_);
    ASSERT_EQ(model.LeagueCount(), 2);
    EXPECT_EQ(model.LeagueNames()[0], "League 0");
    EXPECT_EQ(model.League(), league);
    EXPECT_EQ(model.MatchdayCount(), 18);
    EXPECT_EQ(model.MatchdayText(), "1");
    ASSERT_EQ(model.PairingCount(), 5);

    const FixtureListModel::PairingRow first = model.Pairing(0);
    EXPECT_EQ(first.home, PersonClubName(World(), clubs_[2]));
    EXPECT_FALSE(first.home.empty());
    EXPECT_EQ(first.separator, "-");
    EXPECT_EQ(first.away, PersonClubName(World(), clubs_[6]));
    EXPECT_EQ(model.Pairing(1).home, "");
    EXPECT_EQ(model.Pairing(1).away, PersonClubName(World(), clubs_[1]));
    EXPECT_EQ(model.Pairing(2).home, "");
    EXPECT_EQ(model.Pairing(2).away, "");

    const std::vector<std::string> names = model.ClubNames();
    ASSERT_EQ(names.size(), 10u);
    EXPECT_EQ(names[9], PersonClubName(World(), clubs_[9]));

    model.SelectMatchday(40);
    EXPECT_EQ(model.Matchday(), 17);
    EXPECT_EQ(model.MatchdayText(), "18");
    ASSERT_TRUE(model.SelectLeague(1));
    EXPECT_EQ(model.Matchday(), 0);
    EXPECT_EQ(model.MatchdayCount(), 14);
    EXPECT_FALSE(model.SelectLeague(2));
}

TEST_F(FixtureListModelTest, ClicksClearOneSideAndEnterFillsTheFirstFreePlace) {
    CDBLeagueBase* league = test::MakeLeague(*tree_, 0, 8, 2, 0, clubs_);
    CDBFixturelist& list = league->Fixtures();
    FixtureListModel model(context_);
    model.SelectMatchday(2);

    // Homes first, pairing by pairing, then the aways.
    for (int team = 0; team < 8; ++team) {
        ASSERT_TRUE(model.EnterClub(team));
    }
    EXPECT_EQ(list.GetRow(2), (std::vector<Pairing>{{1, 5}, {2, 6}, {3, 7}, {4, 8}}));
    // A full matchday takes nothing.
    EXPECT_FALSE(model.EnterClub(0));
    EXPECT_EQ(list.GetRow(2), (std::vector<Pairing>{{1, 5}, {2, 6}, {3, 7}, {4, 8}}));
    EXPECT_FALSE(model.EnterClub(8)); // no such team
    EXPECT_TRUE(list.GetRow(1) == std::vector<Pairing>(4));

    EXPECT_FALSE(model.ClearSide(1, Side::Separator));
    EXPECT_TRUE(model.ClearSide(1, Side::Home));
    EXPECT_TRUE(model.ClearSide(3, Side::Away));
    EXPECT_FALSE(model.ClearSide(3, Side::Away));
    EXPECT_EQ(list.GetRow(2), (std::vector<Pairing>{{1, 5}, {0, 6}, {3, 7}, {4, 0}}));
    // The freed home place is filled before the freed away place.
    ASSERT_TRUE(model.EnterClub(1));
    ASSERT_TRUE(model.EnterClub(7));
    EXPECT_EQ(list.GetRow(2), (std::vector<Pairing>{{1, 5}, {2, 6}, {3, 7}, {4, 8}}));

    EXPECT_TRUE(model.DeleteDay());
    EXPECT_TRUE(list.GetRow(2) == std::vector<Pairing>(4));
    EXPECT_FALSE(model.DeleteDay());
}

TEST_F(FixtureListModelTest, ComputerListIsTheTemplateAndASizeWithoutOneKeepsTheList) {
    CDBLeagueBase* league = test::MakeLeague(*tree_, 0, 12, 3, 0, clubs_);
    CDBLeagueBase* small = test::MakeLeague(*tree_, 1, 6, 2, 1, clubs_);
    small->Fixtures().SetPairing(4, 2, 5, 6);
    FixtureListModel model(context_);

    ASSERT_TRUE(model.GenerateFromTemplate());
    const std::vector<FixtureMatchday> expected = FixturesFromTemplate(12, 3);
    ASSERT_EQ(static_cast<int>(expected.size()), league->Fixtures().Rows());
    for (size_t row = 0; row < expected.size(); ++row) {
        for (size_t column = 0; column < expected[row].size(); ++column) {
            const Pairing pairing =
                league->Fixtures().GetPairing(static_cast<int>(row), static_cast<int>(column));
            EXPECT_EQ(pairing.home, expected[row][column].home);
            EXPECT_EQ(pairing.away, expected[row][column].away);
        }
    }
    EXPECT_TRUE(league->Fixtures().IsComplete());
    EXPECT_FALSE(model.GenerateFromTemplate()); // the same list again changes nothing

    // No template for 6 teams: the list is not emptied.
    ASSERT_TRUE(model.SelectLeague(1));
    EXPECT_FALSE(model.GenerateFromTemplate());
    EXPECT_EQ(small->Fixtures().GetPairing(4, 2), (Pairing{5, 6}));
}

TEST_F(FixtureListModelTest, FirstHalfAsSecondHalfForEighteenTeamsAndTwoRounds) {
    CDBLeagueBase* league = test::MakeLeague(*tree_, 0, 18, 2, 0, clubs_);
    CDBFixturelist& list = league->Fixtures();
    ASSERT_EQ(list.Rows(), 34);
    ASSERT_EQ(list.Columns(), 9);
    // A first half of distinct pairings, one of them half empty; rubbish in the second half.
    for (int row = 0; row < 17; ++row) {
        for (int column = 0; column < 9; ++column) {
            list.SetPairing(row, column, static_cast<uint8_t>(1 + (row + column) % 18),
                            static_cast<uint8_t>(1 + (row + 2 * column + 5) % 18));
        }
    }
    list.SetPairing(16, 8, 0, 4);
    for (int column = 0; column < 9; ++column) {
        list.SetPairing(33, column, 1, 1);
    }
    const CDBFixturelist before = list;
    FixtureListModel model(context_);

    ASSERT_TRUE(model.FirstHalfAsSecondHalf());
    for (int row = 0; row < 17; ++row) {
        for (int column = 0; column < 9; ++column) {
            const Pairing first = before.GetPairing(row, column);
            EXPECT_EQ(list.GetPairing(row, column), first);
            EXPECT_EQ(list.GetPairing(row + 17, column), (Pairing{first.away, first.home}))
                << "row " << row + 17 << " column " << column;
        }
    }
    EXPECT_EQ(list.GetPairing(33, 8), (Pairing{4, 0}));
}

TEST_F(FixtureListModelTest, RestorePutsEveryListBack) {
    test::MakeLeague(*tree_, 0, 10, 2, 0, clubs_);
    test::MakeLeague(*tree_, 1, 8, 2, 1, clubs_);
    const auto before = SavedBytes(World());
    FixtureListModel model(context_);
    ASSERT_TRUE(model.GenerateFromTemplate());
    ASSERT_TRUE(model.SelectLeague(1));
    ASSERT_TRUE(model.EnterClub(3));
    EXPECT_TRUE(model.Changed());
    model.Restore();
    EXPECT_FALSE(model.Changed());
    EXPECT_TRUE(SavedBytes(World()) == before);
}

} // namespace
} // namespace tallo
