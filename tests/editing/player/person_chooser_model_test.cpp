// The person and player choosers on the small sample: the preset finds the country, the club
// and the person; the player chooser offers players only, in its own columns.

#include "editing/player/person_chooser_model.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "editing/editing_test_support.h"
#include "editing/player/player_chooser_model.h"
#include "editing/player/player_list_model.h"
#include "editing/session/database_session.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

// A club of the sample with a player and an official.
const CClub* MixedClub(const CWorld& world) {
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        for (const auto& [id, club] : world.GetCountry(number)->Clubs()) {
            bool player = false;
            bool official = false;
            for (uint32_t i = 0; i < club->PlayerCount(); ++i) {
                const CPlayer* person = world.FindPlayer(club->PlayerId(i));
                player = player || (person != nullptr && person->IsPlayerRole());
                official = official || (person != nullptr && !person->IsPlayerRole());
            }
            if (player && official && !club->IsNationalTeam()) {
                return club.get();
            }
        }
    }
    return nullptr;
}

class ChooserModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        session_ = &harness_.OpenGame();
        club_ = MixedClub(session_->World());
        ASSERT_NE(club_, nullptr);
    }

    test::EditorHarness harness_;
    DatabaseSession* session_ = nullptr;
    const CClub* club_ = nullptr;
};

TEST_F(ChooserModelTest, ThePresetFindsTheClubAndThePersonAndGivesThemBack) {
    const uint32_t person = club_->PlayerId(club_->PlayerCount() - 1);
    PersonChooserModel chooser(session_->World(), 0);
    chooser.Preset(21, club_->Id(), person);
    ASSERT_GE(chooser.CountryIndex(), 0);
    EXPECT_EQ(
        static_cast<int>(chooser.Countries()[static_cast<size_t>(chooser.CountryIndex())].value),
        club_->CountryNumber());
    EXPECT_EQ(static_cast<int>(chooser.Persons().size()), static_cast<int>(club_->PlayerCount()));
    const auto chosen = chooser.Chosen();
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->person, person);
    EXPECT_EQ(chosen->club, club_->Id());

    // Another country: nothing chosen until a club and a person are.
    chooser.SelectCountry(chooser.CountryIndex() == 0 ? 1 : 0);
    EXPECT_FALSE(chooser.Chosen().has_value());
    EXPECT_TRUE(chooser.Persons().empty());
}

TEST_F(ChooserModelTest, ThePlayerChooserOffersPlayersInFiveColumns) {
    PlayerChooserModel chooser(session_->World(), 0);
    chooser.Preset(club_->CountryNumber(), club_->Id(), 0);
    ASSERT_FALSE(chooser.Persons().empty());
    EXPECT_LT(chooser.Persons().size(), club_->PlayerCount());
    for (const auto& row : chooser.Persons()) {
        EXPECT_TRUE(session_->World().FindPlayer(row.person)->IsPlayerRole());
        EXPECT_EQ(std::count(row.text.begin(), row.text.end(), '\t'), 4) << row.text;
    }
    EXPECT_FALSE(chooser.Chosen().has_value());
}

TEST_F(ChooserModelTest, ThePlayerListShowsAllClubsOrOneWithTheirRatings) {
    PlayerListModel list(session_->World(), 0);
    list.ShowCountry(club_->CountryNumber());
    const size_t all = list.Rows().size();
    int clubIndex = -1;
    for (size_t i = 0; i < list.Clubs().size(); ++i) {
        if (list.Clubs()[i].value == club_->Id()) {
            clubIndex = static_cast<int>(i);
        }
    }
    ASSERT_GT(clubIndex, 0);
    list.SelectClub(clubIndex);
    ASSERT_FALSE(list.Rows().empty());
    EXPECT_LT(list.Rows().size(), all + 1);
    const auto& row = list.Rows()[0];
    const CPlayer& player = *session_->World().FindPlayer(row.person);
    char rating[16];
    std::snprintf(rating, sizeof rating, "%3.1f", static_cast<double>(player.GetRating()));
    EXPECT_EQ(row.text.substr(row.text.rfind('\t') + 1), rating);
    list.SelectRow(0);
    ASSERT_TRUE(list.Chosen().has_value());
    EXPECT_EQ(list.Chosen()->club, club_->Id());
}

} // namespace
} // namespace tallo
