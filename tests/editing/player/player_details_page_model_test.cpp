// The player details: talent and position ratings within their ranges, what is shown beside.

#include "editing/player/player_details_page_model.h"

#include <gtest/gtest.h>

#include "editing/player/player_positions_names.h"

namespace tallo {
namespace {

TEST(PlayerDetailsPageModel, TalentAndRatingsStayInTheirRanges) {
    CPlayer player;
    PlayerDetailsPageModel model;
    model.SetPerson(&player);
    model.SetTalent(-1);
    EXPECT_EQ(model.Talent(), 0);
    model.SetTalent(5);
    EXPECT_EQ(model.Talent(), 4);
    model.SetPositionRating(CPlayer::kGoalkeeperGroup, -3);
    model.SetPositionRating(CPlayer::kAttackGroup, 7);
    model.SetPositionRating(CPlayer::kMidfieldGroup, 6);
    model.Store();
    EXPECT_EQ(player.Talent(), 4);
    EXPECT_EQ(player.PositionRating(CPlayer::kGoalkeeperGroup), 0);
    EXPECT_EQ(player.PositionRating(CPlayer::kAttackGroup), 6);
    EXPECT_EQ(player.PositionRating(CPlayer::kMidfieldGroup), 6);
    EXPECT_EQ(player.StaffLevel(), 0); // shares the talent's byte in the file, untouched
}

TEST(PlayerDetailsPageModel, ShowsPositionsShirtAndRatingOfTheEditedValues) {
    CPlayer player;
    player.SetMainPosition(CPlayer::kST);
    player.SetOtherPosition(1, CPlayer::kAM); // the second slot empty
    player.SetShirtNumber(9);
    PlayerDetailsPageModel model;
    model.SetPerson(&player);
    EXPECT_EQ(model.PositionsText(), "ST, AM");
    EXPECT_EQ(model.ShirtNumberText(), "9");

    model.SetPositionRating(CPlayer::kAttackGroup, 6);
    CPlayer expected = player;
    expected.SetPositionRating(CPlayer::kAttackGroup, 6);
    EXPECT_EQ(model.RatingText(), RatingText(expected.GetRating()));
    EXPECT_NE(model.RatingText(), RatingText(player.GetRating()));

    player.SetShirtNumber(0);
    EXPECT_EQ(model.ShirtNumberText(), "");
}

} // namespace
} // namespace tallo
