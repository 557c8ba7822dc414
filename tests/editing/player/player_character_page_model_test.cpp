// The character page: trait ranges and value names, notes kept with CR LF.

#include "editing/player/player_character_page_model.h"

#include <gtest/gtest.h>

namespace tallo {
namespace {

TEST(PlayerCharacterPageModel, TraitsStayInTheirListsAndAreNamed) {
    CPlayer player;
    PlayerCharacterPageModel model;
    model.SetPerson(&player);
    EXPECT_EQ(model.UnusualTraits(), 0);
    model.SetTrait(CPlayer::kLeadership, 9);
    model.SetTrait(CPlayer::kConsistency, 3);
    model.SetTrait(CPlayer::kImage, -1);
    EXPECT_EQ(model.Trait(CPlayer::kLeadership), 3);
    EXPECT_EQ(model.Trait(CPlayer::kConsistency), 2);
    EXPECT_EQ(model.Trait(CPlayer::kImage), 0);
    EXPECT_EQ(model.UnusualTraits(), 3);
    EXPECT_EQ(model.TraitValueName(CPlayer::kLeadership), "Прирожденный лидер");
    EXPECT_EQ(model.TraitValueName(CPlayer::kConsistency), "Стабильный");
    EXPECT_EQ(model.TraitValueName(CPlayer::kImage), "Плохой имидж");
    EXPECT_EQ(PlayerCharacterPageModel::TraitValueName(CPlayer::kClubAttitude, 3), "Легенда клуба");
    EXPECT_EQ(PlayerCharacterPageModel::TraitValueName(CPlayer::kFairness, 3), "");
    model.Store();
    EXPECT_EQ(player.Trait(CPlayer::kLeadership), 3);
    EXPECT_EQ(player.Trait(CPlayer::kConsistency), 2);
    EXPECT_EQ(player.Trait(CPlayer::kImage), 0);
    EXPECT_EQ(player.Trait(CPlayer::kTeamSpirit), CPlayer::kNormalTrait);
}

TEST(PlayerCharacterPageModel, NotesKeepCarriageReturnLineFeed) {
    CPlayer player;
    player.SetNotes("first\r\nsecond\nthird");
    PlayerCharacterPageModel model;
    model.SetPerson(&player);
    EXPECT_EQ(model.Notes(), "first\nsecond\nthird");
    model.Store(); // untouched: the lone line feed stays as it was
    EXPECT_EQ(player.Notes(), "first\r\nsecond\nthird");

    model.SetNotes("one\ntwo\n\nthree");
    model.Store();
    EXPECT_EQ(player.Notes(), "one\r\ntwo\r\n\r\nthree");
    EXPECT_EQ(model.Notes(), "one\ntwo\n\nthree");
}

} // namespace
} // namespace tallo
