// The player comparison: the countries, clubs and players each side offers, the sorting of a
// side's list, the abilities of the chosen player, and a walk over the sample that leaves the
// database as it was.

#include "editing/assistants/player_compare_model.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "transfer_test_world.h"

namespace tallo {
namespace {

class PlayerCompareTest : public ::testing::Test {
protected:
    void SetUp() override {
        sample_.Country(3, "Alpha");
        sample_.Country(4, "Beta");
        // Country 6 has a first-team player but no name; country 7 only a reserve.
        sample_.Player(&sample_.Club(6, "Nameless"), "No", "Name");
        sample_.Country(7, "Reserves");
        sample_.Player(&sample_.Club(7, "Seconds"), "Only", "Reserve", 0, true);

        strong_ = &sample_.Club(3, "Strong");
        CPlayer& keeper = sample_.Player(strong_, "Ivan", "Zorin");
        keeper.SetMainPosition(1);
        CPlayer& striker = sample_.Player(strong_, "Boris", "Avdeev");
        striker.SetMainPosition(17);
        for (int ability = 0; ability < CPlayer::kAbilityCount; ++ability) {
            striker.SetAbility(ability, static_cast<uint8_t>(1 + ability % 10));
        }
        strikerId_ = striker.Id();
        sample_.Player(strong_, "Young", "Reservist", 0, true);
        sample_.Player(strong_, "", "");                       // no name: not listed
        sample_.Player(strong_, "Staff", "Member").SetRole(4); // not a player
        sample_.Club(3, "Empty");                              // no first-team player
        sample_.Player(&sample_.Club(4, "Other"), "Pavel", "Kuznetsov");
    }

    test::TransferTestWorld sample_;
    CClub* strong_ = nullptr;
    uint32_t strikerId_ = 0;
};

TEST_F(PlayerCompareTest, OffersNamedCountriesAndClubsWithAFirstTeamAndTheirPlayers) {
    PlayerCompareModel model(sample_.World(), 0, 4);
    ASSERT_EQ(model.Countries().size(), 2u);
    EXPECT_EQ(model.Countries()[0].text, "Alpha");
    EXPECT_EQ(model.Countries()[1].data, 4u);
    EXPECT_EQ(model.Country(0), 4);
    EXPECT_EQ(model.Country(1), 4);

    model.ChooseCountry(1, 3);
    ASSERT_EQ(model.Clubs(1).size(), 1u);
    // The average over the first-team players of role 0, the one without a name too.
    double levels = 0;
    int players = 0;
    for (uint32_t i = 0; i < strong_->PlayerCount(); ++i) {
        const CPlayer& person = *sample_.World().FindPlayer(strong_->PlayerId(i));
        if (person.IsPlayerRole() && person.IsFirstTeam()) {
            levels += person.GetRating();
            ++players;
        }
    }
    ASSERT_EQ(players, 3);
    char expected[64];
    std::snprintf(expected, sizeof expected, "Strong (%2.1f)", levels / players);
    EXPECT_EQ(model.Clubs(1)[0].text, expected);
    EXPECT_EQ(model.Club(1), strong_->Id());

    // Players of role 0 with a name, reserves too; sorted by name.
    ASSERT_EQ(model.Players(1).size(), 3u);
    EXPECT_EQ(model.Players(1)[0].cells[0], "Boris Avdeev");
    EXPECT_EQ(model.Players(1)[0].cells[1], "ST");
    EXPECT_EQ(model.Players(1)[2].cells[0], "Young Reservist");
    // The left side is untouched.
    EXPECT_EQ(model.Club(0), sample_.World().GetCountry(4)->Clubs().begin()->first);

    // A country that is not offered starts both sides on the first one offered.
    PlayerCompareModel other(sample_.World(), 0, 6);
    EXPECT_EQ(other.Country(0), 3);
}

TEST_F(PlayerCompareTest, TheChosenPlayerShowsHisAbilitiesAndStaysChosenWhileSorting) {
    PlayerCompareModel model(sample_.World(), 0, 3);
    EXPECT_FALSE(model.PlayerAbilities(0).has_value());
    EXPECT_EQ(model.ChosenRow(0), -1);

    model.ChooseRow(0, 0); // Boris Avdeev
    ASSERT_EQ(model.Player(0), strikerId_);
    const auto abilities = model.PlayerAbilities(0);
    ASSERT_TRUE(abilities.has_value());
    EXPECT_EQ((*abilities)[0], 1);
    EXPECT_EQ((*abilities)[9], 10);
    EXPECT_EQ((*abilities)[15], 6);

    model.SortBy(0, 1); // by position: the keeper first, the striker last
    EXPECT_EQ(model.Players(0).front().cells[1], "GK");
    EXPECT_EQ(model.ChosenRow(0), 2);
    model.SortBy(0, 1); // again: the other way round
    EXPECT_EQ(model.ChosenRow(0), 0);

    // Choosing the club again keeps the player; another club forgets him.
    model.ChooseClub(0, strong_->Id());
    EXPECT_EQ(model.Player(0), strikerId_);
    model.ChooseCountry(0, 4);
    EXPECT_EQ(model.Player(0), 0u);
    EXPECT_FALSE(model.PlayerAbilities(0).has_value());
    model.ChooseRow(0, 5);
    EXPECT_EQ(model.Player(0), 0u);
}

TEST(PlayerCompareOnTheSample, WalkingEverySideLeavesTheSavedBytesAsTheyWere) {
    test::EditorHarness harness;
    DatabaseSession& session = harness.OpenGame();
    CWorld& world = session.World();
    const std::map<std::string, std::string> before = test::SavedBytes(world);

    PlayerCompareModel model(world, world.Language(), 1);
    ASSERT_FALSE(model.Countries().empty());
    int shown = 0;
    for (const auto& country : model.Countries()) {
        model.ChooseCountry(1, static_cast<int>(country.data));
        EXPECT_FALSE(model.Clubs(1).empty());
        for (const auto& club : model.Clubs(1)) {
            model.ChooseClub(1, club.data);
            for (int column = 0; column < PlayerCompareModel::kColumnCount; ++column) {
                model.SortBy(1, column);
            }
            for (int row = 0; row < static_cast<int>(model.Players(1).size()); ++row) {
                model.ChooseRow(1, row);
                shown += model.PlayerAbilities(1).has_value() ? 1 : 0;
            }
        }
    }
    EXPECT_GT(shown, 0);
    EXPECT_EQ(test::SavedBytes(world), before);
    EXPECT_FALSE(session.Journal().IsModified());
}

} // namespace
} // namespace tallo
