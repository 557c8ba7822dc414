// The young-player pool and its entry dialog: new, change, delete, the pool growing and full,
// the entry's limits, and a cancelled dialog that leaves the entry alone.

#include "editing/country/player_pool_change_model.h"
#include "editing/country/player_pool_model.h"

#include <gtest/gtest.h>

#include <optional>

#include "editing/common/record_choosers.h"
#include "editing/country/country_edit_context.h"
#include "formats/string_table.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

class OneClubChooser : public IRecordChoosers {
public:
    std::optional<uint32_t> ChooseClub(int presetCountry, uint32_t presetClub) override {
        askedCountry = presetCountry;
        askedClub = presetClub;
        return answer;
    }
    std::optional<ChosenPerson> ChoosePerson(int, uint32_t, uint32_t) override {
        return std::nullopt;
    }

    std::optional<uint32_t> answer;
    int askedCountry = 0;
    uint32_t askedClub = 0;
};

class PlayerPoolModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        context_.world = &world_;
        context_.country = kCountry;
        context_.choosers = &choosers_;
        country_.SetName(0, "Land");
        club_ = country_.CreateClub("Club");
        ASSERT_NE(club_, nullptr);
    }

    void Name(size_t entry, const char* surname) {
        country_.PlayerPool()[entry].name.SetSurname(surname);
    }

    static constexpr int kCountry = 9;
    CWorld world_;
    CCountry& country_ = *world_.GetCountry(kCountry);
    CClub* club_ = nullptr;
    OneClubChooser choosers_;
    CountryEditContext context_;
};

TEST_F(PlayerPoolModelTest, NewTakesTheFirstFreeEntryAndGrowsTheFullPool) {
    country_.ReservePlayerPool(3);
    Name(0, "A");
    Name(2, "C");
    PlayerPoolModel model(context_);
    EXPECT_EQ(model.NewEntry(), std::optional<size_t>(1));
    Name(1, "B");
    const std::optional<size_t> grown = model.NewEntry();
    ASSERT_EQ(grown, std::optional<size_t>(3));
    ASSERT_EQ(country_.PlayerPool().size(), 3 + PlayerPoolModel::kGrowth);
    EXPECT_EQ(country_.PlayerPool()[3].nationality, kCountry);
    EXPECT_FALSE(country_.PlayerPool()[3].InUse());
    // Nothing typed yet: the list still shows only the three players.
    model.Refresh();
    EXPECT_EQ(model.Rows().size(), 3u);
}

TEST_F(PlayerPoolModelTest, APoolAtItsLargestAndFullTakesNoNewPlayer) {
    country_.ReservePlayerPool(CCountry::kMaxPlayerPool - 5);
    for (PlayerPoolEntry& entry : country_.PlayerPool()) {
        entry.name.SetSurname("X");
    }
    PlayerPoolModel model(context_);
    EXPECT_EQ(model.NewEntry(), std::optional<size_t>(CCountry::kMaxPlayerPool - 5));
    EXPECT_EQ(country_.PlayerPool().size(), CCountry::kMaxPlayerPool);
    for (PlayerPoolEntry& entry : country_.PlayerPool()) {
        entry.name.SetSurname("X");
    }
    EXPECT_EQ(model.NewEntry(), std::nullopt);
    EXPECT_EQ(country_.PlayerPool().size(), CCountry::kMaxPlayerPool);
}

TEST_F(PlayerPoolModelTest, RowsShowTheEntriesInUseAndDeleteKeepsTheOrder) {
    country_.ReservePlayerPool(4);
    auto& pool = country_.PlayerPool();
    pool[0].name.SetFirstName("Anna");
    Name(0, "Miller");
    pool[0].position = PlayerPoolEntry::kGoalkeeper;
    pool[0].specialSkill = 15;
    pool[0].favouriteClub = static_cast<int32_t>(club_->Id() | ClubId::kSecondTeamBit);
    Name(1, "Second");
    Name(3, "Fourth");
    PlayerPoolModel model(context_);
    ASSERT_EQ(model.Rows().size(), 3u);
    const PlayerPoolModel::Row& first = model.Rows()[0];
    EXPECT_EQ(first.name, "Miller, A.");
    EXPECT_EQ(first.position, PlayerPoolModel::PositionText(1));
    EXPECT_EQ(first.skill, LoadString(279));
    EXPECT_EQ(first.club, FormatString(340, "Club"));
    EXPECT_EQ(model.Rows()[2].entry, 3u);

    pool[1].favouriteClub = 77;
    ASSERT_TRUE(model.Delete(1));
    EXPECT_FALSE(pool[1].InUse());
    EXPECT_EQ(pool[1].favouriteClub, 0);
    EXPECT_EQ(pool[1].nationality, kCountry);
    ASSERT_EQ(model.Rows().size(), 2u);
    EXPECT_EQ(model.Rows()[0].entry, 0u);
    EXPECT_EQ(model.Rows()[1].entry, 3u);
    EXPECT_FALSE(model.Delete(4));
    // The freed entry is the next new one.
    EXPECT_EQ(model.NewEntry(), std::optional<size_t>(1));
}

TEST_F(PlayerPoolModelTest, TheEntryDialogStoresOnlyOnOkAndNeedsASurname) {
    country_.ReservePlayerPool(2);
    PlayerPoolChangeModel change(context_, 1);
    ASSERT_TRUE(change.IsValid());
    EXPECT_EQ(change.nationality.Value(), static_cast<uint32_t>(kCountry));
    change.SetFirstName("Abcdefghijklmnopqrst");
    EXPECT_EQ(change.FirstName(), "Abcdefghijklmno");
    EXPECT_FALSE(change.CanStore());
    EXPECT_FALSE(change.Store());
    EXPECT_FALSE(country_.PlayerPool()[1].InUse());
    change.SetSurname(std::string(25, 'z'));
    change.SetSpecialSkill(16);
    change.SetPosition(-1);
    EXPECT_EQ(change.SpecialSkill(), 15);
    EXPECT_EQ(change.Position(), 0);
    change.SetPosition(9);
    EXPECT_EQ(change.Position(), 4);
    change.nationality.Select(change.nationality.IndexOf(kCountry));

    choosers_.answer = club_->Id();
    ASSERT_TRUE(change.ChooseFavouriteClub());
    EXPECT_EQ(choosers_.askedCountry, kCountry); // no club yet: the edited country
    EXPECT_EQ(change.FavouriteClubName(), "Club");
    ASSERT_TRUE(change.Store());
    const PlayerPoolEntry& entry = country_.PlayerPool()[1];
    EXPECT_EQ(entry.name.Surname(), std::string(19, 'z'));
    EXPECT_EQ(entry.name.FirstName(), "Abcdefghijklmno");
    EXPECT_EQ(entry.specialSkill, 15);
    EXPECT_EQ(entry.position, 4);
    EXPECT_EQ(entry.favouriteClub, static_cast<int32_t>(club_->Id()));

    // A second dialog changed and then cancelled (never stored) leaves the entry as it was.
    PlayerPoolChangeModel cancelled(context_, 1);
    cancelled.SetSurname("Other");
    cancelled.ClearFavouriteClub();
    EXPECT_EQ(entry.name.Surname(), std::string(19, 'z'));
    EXPECT_EQ(entry.favouriteClub, static_cast<int32_t>(club_->Id()));

    // A cancelled club choice keeps the club; the chooser starts from it.
    choosers_.answer.reset();
    EXPECT_FALSE(cancelled.ChooseFavouriteClub());
    EXPECT_EQ(choosers_.askedClub, 0u);
    PlayerPoolChangeModel again(context_, 1);
    EXPECT_FALSE(again.ChooseFavouriteClub());
    EXPECT_EQ(choosers_.askedClub, club_->Id());
    EXPECT_EQ(again.FavouriteClub(), static_cast<int32_t>(club_->Id()));
}

TEST_F(PlayerPoolModelTest, AnEntryOutsideThePoolCannotBeEdited) {
    country_.ReservePlayerPool(1);
    PlayerPoolChangeModel change(context_, 5);
    EXPECT_FALSE(change.IsValid());
    change.SetSurname("Name");
    EXPECT_FALSE(change.CanStore());
    EXPECT_FALSE(change.Store());
    EXPECT_EQ(country_.PlayerPool().size(), 1u);
}

} // namespace
} // namespace tallo
