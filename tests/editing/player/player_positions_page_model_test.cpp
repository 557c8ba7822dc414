// The positions page: one main position, at most two secondary ones, the ratings at them.

#include "editing/player/player_positions_page_model.h"

#include <gtest/gtest.h>

#include "formats/string_table.h"

namespace tallo {
namespace {

CPlayer Midfielder() {
    CPlayer player;
    player.SetMainPosition(CPlayer::kCM);
    player.SetOtherPosition(0, CPlayer::kDM);
    player.SetPositionRating(CPlayer::kMidfieldGroup, 5);
    player.SetAbility(CPlayer::kPassing, 10);
    player.SetAbility(CPlayer::kTechnique, 9);
    return player;
}

TEST(PlayerPositionsPageModel, AtMostTwoSecondaryPositionsBesideTheMainOne) {
    CPlayer player = Midfielder();
    PlayerPositionsPageModel model;
    model.SetPerson(&player);
    EXPECT_TRUE(model.SetSecondary(CPlayer::kAM, true));
    EXPECT_FALSE(model.CanSetSecondary(CPlayer::kST));
    EXPECT_FALSE(model.SetSecondary(CPlayer::kST, true));
    EXPECT_FALSE(model.IsSecondary(CPlayer::kST));
    EXPECT_FALSE(model.SetSecondary(0, true));
    EXPECT_FALSE(model.SetSecondary(18, true));

    // The main position is never a secondary one as well.
    model.SetMainPosition(CPlayer::kDM);
    EXPECT_FALSE(model.IsSecondary(CPlayer::kDM));
    EXPECT_FALSE(model.CanSetSecondary(CPlayer::kDM));
    model.SetMainPosition(0);
    model.SetMainPosition(18);
    EXPECT_EQ(model.MainPosition(), CPlayer::kDM);

    // The slot the old main position left is filled first again; the rest move forward.
    model.Store();
    EXPECT_EQ(player.MainPosition(), CPlayer::kDM);
    EXPECT_EQ(player.SecondPosition(), CPlayer::kAM);
    EXPECT_EQ(player.ThirdPosition(), 0);
    model.SetSecondary(CPlayer::kST, true);
    model.SetSecondary(CPlayer::kAM, false);
    model.Store();
    EXPECT_EQ(player.SecondPosition(), CPlayer::kST);
    EXPECT_EQ(player.ThirdPosition(), 0);
}

TEST(PlayerPositionsPageModel, RatingsFollowThePositionsChosen) {
    CPlayer player = Midfielder();
    PlayerPositionsPageModel model;
    model.SetPerson(&player);
    EXPECT_EQ(model.MainRating().position, LoadString(160));       // CM
    EXPECT_EQ(model.SecondaryRating(0).position, LoadString(157)); // DM
    EXPECT_EQ(model.SecondaryRating(1).position, "");
    EXPECT_EQ(model.SecondaryRating(1).rating, "");

    model.SetSecondary(CPlayer::kST, true);
    CPlayer expected = player;
    expected.SetOtherPosition(1, CPlayer::kST);
    char text[16];
    const float rating = expected.GetPositionRatings()[CPlayer::kST - 1];
    std::snprintf(text, sizeof text, "%2.1f", rating < 0 ? 0.0 : static_cast<double>(rating));
    EXPECT_EQ(model.SecondaryRating(1).rating, text);
    EXPECT_EQ(model.SecondaryRating(1).position, "ST");
}

TEST(PlayerPositionsPageModel, NegativeRatingsShowAsZero) {
    CPlayer player;
    player.SetMainPosition(CPlayer::kGK);
    player.SetLeagueExperience(0);
    player.SetInternationalExperience(0);
    for (int i = 0; i < CPlayer::kAbilityCount; ++i) {
        player.SetAbility(i, 1);
    }
    ASSERT_LT(player.GetPositionRatings()[0], 0.0f);
    PlayerPositionsPageModel model;
    model.SetPerson(&player);
    EXPECT_EQ(model.MainRating().rating, "0.0");
}

} // namespace
} // namespace tallo
