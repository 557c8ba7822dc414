#include "world/player_copy.h"

#include <gtest/gtest.h>

#include "world/club.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

CPlayer& NewPlayer(CWorld& world, uint32_t id, const std::string& surname) {
    CPlayer& player = *world.CreatePlayer(id, true);
    player.SetSurname(surname);
    return player;
}

TEST(PlayerCopyTest, KeepsTheIdWhenFreeAndTakesANewOneWhenTaken) {
    CWorld source;
    CWorld target;
    const uint32_t free = NewPlayer(source, 50, "Free").Id();
    const uint32_t taken = NewPlayer(source, 7, "Taken").Id();
    NewPlayer(target, taken, "Already here");

    const uint32_t keptId = CopyPlayerInto(target, &source, free);
    EXPECT_EQ(keptId, free);
    const uint32_t newId = CopyPlayerInto(target, &source, taken);
    ASSERT_NE(newId, 0u);
    EXPECT_NE(newId, taken);

    const CPlayer* copy = target.FindPlayer(newId);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Surname(), "Taken");
    EXPECT_EQ(copy->Id(), newId);
    EXPECT_EQ(target.FindPlayer(taken)->Surname(), "Already here");
    // The source is left as it was.
    EXPECT_EQ(source.FindPlayer(taken)->Id(), taken);
}

TEST(PlayerCopyTest, NothingIsCopiedWithoutASourcePlayer) {
    CWorld source;
    CWorld target;
    const size_t before = target.PlayerCount();
    EXPECT_EQ(CopyPlayerInto(target, &source, 12345), 0u);
    EXPECT_EQ(CopyPlayerInto(target, nullptr, 1), 0u);
    EXPECT_EQ(target.PlayerCount(), before);
}

TEST(PlayerCopyTest, AClubCopyListsCopiesOfItsPlayersInOrderAndLeavesOutMissingOnes) {
    CWorld source;
    CWorld target;
    CClub club;
    club.SetName(0, "Source club");
    const uint32_t first = NewPlayer(source, 0, "First").Id();
    const uint32_t second = NewPlayer(source, 0, "Second").Id();
    ASSERT_TRUE(club.AddPlayer(second));
    ASSERT_TRUE(club.AddPlayer(999)); // listed but not in the world
    ASSERT_TRUE(club.AddPlayer(first));

    const auto copy = CopyClubWithPlayers(club, &target, &source);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Name(0), "Source club");
    ASSERT_EQ(copy->PlayerCount(), 2u);
    EXPECT_EQ(target.FindPlayer(copy->PlayerId(0))->Surname(), "Second");
    EXPECT_EQ(target.FindPlayer(copy->PlayerId(1))->Surname(), "First");
    EXPECT_EQ(club.PlayerCount(), 3u);

    const auto withoutWorld = CopyClubWithPlayers(club, nullptr, &source);
    EXPECT_EQ(withoutWorld->PlayerCount(), 0u);
    EXPECT_EQ(withoutWorld->Name(0), "Source club");
}

} // namespace
} // namespace tallo
