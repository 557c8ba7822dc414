// The shirt numbers of a first team: a number worn by another player is swapped, numbers stay
// within 0 to 99, and the players without a usable number are numbered.

#include "editing/player/shirt_numbers_model.h"

#include <gtest/gtest.h>

#include "world/club.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

class ShirtNumbersModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        club_.SetWorld(&world_);
        club_.SetId(CClub::MakeId(3, 1));
        const int numbers[] = {1, 7, 0, 7, 120};
        for (int number : numbers) {
            CPlayer* person = world_.CreatePlayer(0, true);
            person->SetShirtNumber(static_cast<uint8_t>(number));
            ids_.push_back(person->Id());
            club_.AddPlayer(person->Id());
        }
        // A reserve player and a manager are not numbered here.
        CPlayer* reserve = world_.CreatePlayer(0, true);
        reserve->SetReserve(1);
        club_.AddPlayer(reserve->Id());
        CPlayer* manager = world_.CreatePlayer(0, true);
        manager->SetRole(CPlayer::kRoleManager);
        club_.AddPlayer(manager->Id());
    }

    CWorld world_;
    CClub club_;
    std::vector<uint32_t> ids_;
};

TEST_F(ShirtNumbersModelTest, ANumberWornByAnotherPlayerIsSwapped) {
    ShirtNumbersModel numbers(world_, club_);
    ASSERT_EQ(numbers.Rows().size(), 5u);
    int swapped = -2;
    ASSERT_TRUE(numbers.SetNumber(0, 7, &swapped));
    EXPECT_EQ(swapped, 1);
    EXPECT_EQ(numbers.Rows()[0].number, 7);
    EXPECT_EQ(numbers.Rows()[1].number, 1);
    // Out of range: refused, nothing changed.
    EXPECT_FALSE(numbers.SetNumber(2, 100));
    EXPECT_FALSE(numbers.SetNumber(2, -1));
    EXPECT_EQ(numbers.Rows()[2].number, 0);
    // A player whose number was out of range hands over 0, not his number.
    ASSERT_TRUE(numbers.SetNumber(4, 1, &swapped));
    EXPECT_EQ(swapped, 1);
    EXPECT_EQ(numbers.Rows()[1].number, 0);
    EXPECT_EQ(numbers.RowText(4).substr(numbers.RowText(4).rfind('\t')), "\t1");

    // Nothing reaches the players before Store.
    EXPECT_EQ(world_.FindPlayer(ids_[0])->ShirtNumber(), 1);
    EXPECT_TRUE(numbers.Modified());
    EXPECT_TRUE(numbers.Store());
    EXPECT_EQ(world_.FindPlayer(ids_[0])->ShirtNumber(), 7);
    EXPECT_EQ(world_.FindPlayer(ids_[4])->ShirtNumber(), 1);
    EXPECT_FALSE(numbers.Modified());
}

TEST_F(ShirtNumbersModelTest, NumberingTheRestGivesFreeNumbersToNoneDoubledAndOutOfRange) {
    ShirtNumbersModel numbers(world_, club_);
    ASSERT_TRUE(numbers.NumberTheRest());
    std::vector<int> given;
    for (const auto& row : numbers.Rows()) {
        given.push_back(row.number);
    }
    EXPECT_EQ(given, (std::vector<int>{1, 7, 2, 3, 4}));
}

} // namespace
} // namespace tallo
