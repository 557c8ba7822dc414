// The list of players without a club: an ID is listed once and taken out where it stands.

#include <gtest/gtest.h>

#include <vector>

#include "world/world.h"

namespace tallo {
namespace {

TEST(PlayersWithoutClubTest, AnIdIsListedOnceAndTakenOutOnlyWhereItStands) {
    CWorld world;
    world.AddWithoutClub(7);
    world.AddWithoutClub(9);
    world.AddWithoutClub(7);
    EXPECT_EQ(world.PlayersWithoutClub(), (std::vector<uint32_t>{7, 9}));
    EXPECT_TRUE(world.IsWithoutClub(9));

    EXPECT_FALSE(world.TakeOutOfWithoutClub(8));
    EXPECT_TRUE(world.TakeOutOfWithoutClub(7));
    EXPECT_FALSE(world.IsWithoutClub(7));
    EXPECT_EQ(world.PlayersWithoutClub(), std::vector<uint32_t>{9});
}

} // namespace
} // namespace tallo
