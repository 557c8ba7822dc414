// The preferences, chairman and staff level pages of officials: every choice goes into the
// person at once, within its range.

#include <gtest/gtest.h>

#include <optional>

#include "editing/common/record_choosers.h"
#include "editing/editing_test_support.h"
#include "editing/player/person_edit_context.h"
#include "editing/session/database_session.h"
#include "editing/staff/chairman_page_model.h"
#include "editing/staff/manager_preferences_page_model.h"
#include "editing/staff/staff_level_page_model.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

// Choosers with scripted answers that write down their presets.
class ChooserScript : public IRecordChoosers {
public:
    std::optional<uint32_t> ChooseClub(int presetCountry, uint32_t presetClub) override {
        country = presetCountry;
        club = presetClub;
        return clubAnswer;
    }
    std::optional<ChosenPerson> ChoosePerson(int presetCountry, uint32_t presetClub,
                                             uint32_t presetPerson) override {
        country = presetCountry;
        club = presetClub;
        person = presetPerson;
        return personAnswer;
    }

    std::optional<uint32_t> clubAnswer;
    std::optional<ChosenPerson> personAnswer;
    int country = 0;
    uint32_t club = 0;
    uint32_t person = 0;
};

class StaffPagesModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        world_ = &harness_.OpenGame().World();
        context_.world = world_;
        context_.choosers = &choosers_;
        context_.chooserCountry = 21;
        manager_ = world_->CreatePlayer(0, true);
        ASSERT_NE(manager_, nullptr);
        manager_->SetRole(CPlayer::kRoleManager);
        for (int number = 1; number <= CWorld::kCountryCount && club_ == nullptr; ++number) {
            CCountry* country = world_->GetCountry(number);
            for (size_t i = 0; i < country->GetOrdinaryClubCount(); ++i) {
                CClub* club = country->GetClubByPosition(i);
                if (club->PlayerCount() > 0) {
                    club_ = club;
                    break;
                }
            }
        }
        ASSERT_NE(club_, nullptr);
    }

    test::EditorHarness harness_;
    CWorld* world_ = nullptr;
    ChooserScript choosers_;
    PersonEditContext context_;
    CPlayer* manager_ = nullptr;
    CClub* club_ = nullptr;
};

TEST_F(StaffPagesModelTest, PreferencesStoreTheChosenClubsAndPlayerAtOnce) {
    ManagerPreferencesPageModel model(context_);
    model.SetPerson(manager_);
    EXPECT_EQ(model.FavouriteClubName(), "");
    EXPECT_FALSE(model.ChooseFavouriteClub()); // cancelled
    EXPECT_EQ(choosers_.country, 21);

    choosers_.clubAnswer = club_->Id();
    ASSERT_TRUE(model.ChooseFavouriteClub());
    EXPECT_EQ(manager_->FavouriteClub(), club_->Id());
    EXPECT_FALSE(model.FavouriteClubName().empty());
    ASSERT_TRUE(model.ChooseNeverClub());
    EXPECT_EQ(manager_->ClubReferenceE(), club_->Id());
    EXPECT_EQ(model.NeverClubName(), model.FavouriteClubName());

    // The player chooser starts at the favourite club; the player and his club are kept.
    const uint32_t playerId = club_->PlayerId(0);
    choosers_.personAnswer = IRecordChoosers::ChosenPerson{playerId, club_->Id()};
    manager_->SetFavouriteClub(0);
    manager_->SetFavouriteClub(club_->Id());
    ASSERT_TRUE(model.ChooseFavouritePlayer());
    EXPECT_EQ(choosers_.club, club_->Id());
    EXPECT_EQ(choosers_.country, static_cast<int>(ClubId::CountryOf(club_->Id())));
    EXPECT_EQ(manager_->RelatedPlayer(), playerId);
    EXPECT_EQ(manager_->FavouriteClub(), club_->Id());
    EXPECT_FALSE(model.FavouritePlayerName().empty());

    // A person ID a record cannot keep is not taken.
    choosers_.personAnswer = IRecordChoosers::ChosenPerson{CPlayer::kMaxRelatedPlayer, 0};
    EXPECT_FALSE(model.ChooseFavouritePlayer());
    EXPECT_EQ(manager_->RelatedPlayer(), playerId);

    model.SetPerson(nullptr);
    EXPECT_EQ(model.FavouriteClubName(), "");
    EXPECT_EQ(model.FavouritePlayerName(), "");
    EXPECT_FALSE(model.ChooseFavouriteClub());
}

TEST_F(StaffPagesModelTest, TheFormationIsOneOfEighteenAndStoredAtOnce) {
    ManagerPreferencesPageModel model(context_);
    ASSERT_EQ(model.Formations().size(), 18u);
    EXPECT_EQ(model.Formations().front().name, "442 Standard");
    EXPECT_EQ(model.Formations().back().name, "541 Standard");
    model.SetPerson(manager_);
    model.SetFormation(16);
    EXPECT_EQ(manager_->ValueA(), 16);
    EXPECT_EQ(model.Formation(), 16);
    model.SetFormation(18); // refused
    EXPECT_EQ(manager_->ValueA(), 16);
    manager_->SetValueA(22); // what an old file may hold: no formation selected
    EXPECT_EQ(model.Formation(), -1);
}

TEST_F(StaffPagesModelTest, TheChairmansStabilityIsBoundedAndStoredAtOnce) {
    CPlayer* chairman = world_->CreatePlayer(0, true);
    chairman->SetRole(CPlayer::kRoleChairman);
    ChairmanPageModel model;
    EXPECT_EQ(model.StabilityText(), "");
    model.SetStability(3); // no person: nothing
    model.SetPerson(chairman);
    EXPECT_EQ(model.Stability(), 2); // a new person's board is normal
    EXPECT_EQ(model.StabilityText(), "Нормальный");
    model.SetStability(9);
    EXPECT_EQ(chairman->ValueB(), 4);
    EXPECT_EQ(model.StabilityText(), "Долгосрочное планирование");
    model.SetStability(-2);
    EXPECT_EQ(chairman->ValueB(), 0);
    EXPECT_EQ(model.StabilityText(), "Сумасшедший");
}

TEST_F(StaffPagesModelTest, AStaffLevelIsWrittenAtOnceAndNothingHappensWithoutAPerson) {
    CPlayer* doctor = world_->CreatePlayer(0, true);
    doctor->SetRole(11);
    doctor->SetTalent(3);
    StaffLevelPageModel model;
    EXPECT_EQ(model.Level(), -1);
    model.SetLevel(2); // no person
    model.SetPerson(doctor);
    EXPECT_EQ(model.Level(), 0);
    model.SetLevel(3);
    EXPECT_EQ(doctor->StaffLevel(), 3);
    EXPECT_EQ(doctor->Talent(), 3); // the byte it shares with the talent keeps the talent
    model.SetLevel(5);
    EXPECT_EQ(doctor->StaffLevel(), 3);
    doctor->SetStaffLevel(12);
    EXPECT_EQ(model.Level(), -1);
    EXPECT_EQ(StaffLevelPageModel::LevelText(4), "Специалист с высокой репутацией");
    EXPECT_EQ(StaffLevelPageModel::GroupText(), "Специальный атрибут");
}

} // namespace
} // namespace tallo
