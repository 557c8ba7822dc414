#include "world/player_export_fields.h"

#include "world/game_date.h"
#include "world/player.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tallo {
namespace {

TEST(PlayerExportFieldsTest, NamesAreUniqueAndGiveTheMembersValues) {
    std::set<std::string_view> names;
    for (const PlayerExportField& field : PlayerExportFields()) {
        EXPECT_TRUE(names.insert(field.name).second) << field.name;
    }
    EXPECT_EQ(names.size(), 44u);

    CPlayer p;
    p.SetId(321);
    p.SetPseudonym("Kaiser");
    p.SetBirthDate(GameDate::FromDate(1985, 3, 14));
    p.SetTrait(CPlayer::kClubAttitude, 3);
    p.SetTrait(CPlayer::kMentalStrength, 2);
    p.SetAbility(CPlayer::kCrossing, 9);
    p.SetPositionRating(CPlayer::kDefenceGroup, 6);
    p.SetOtherPosition(0, CPlayer::kLM);
    EXPECT_EQ(FindPlayerExportField("playerid")->value(p), "321");
    EXPECT_EQ(FindPlayerExportField("psedonym")->value(p), "Kaiser");
    EXPECT_EQ(FindPlayerExportField("dateofbirth2")->value(p), "14.3.1985");
    EXPECT_EQ(FindPlayerExportField("Loyalty")->value(p), "3");
    EXPECT_EQ(FindPlayerExportField("Calm")->value(p), "2");
    EXPECT_EQ(FindPlayerExportField("Crossing")->value(p), "9");
    EXPECT_EQ(FindPlayerExportField("DefenseRating")->value(p), "6");
    EXPECT_EQ(FindPlayerExportField("postition2")->value(p), "11");
    EXPECT_EQ(FindPlayerExportField("Reflexes"), nullptr);
    EXPECT_EQ(FindPlayerExportField("talent"), nullptr); // names compare exactly
}

} // namespace
} // namespace tallo
