// The history page's model: club choices go into the person at once, the other values on store,
// each within its range and without touching what the page does not show.

#include <gtest/gtest.h>

#include <optional>

#include "editing/common/record_choosers.h"
#include "editing/editing_test_support.h"
#include "editing/player/person_edit_context.h"
#include "editing/player/player_history_page_model.h"
#include "editing/session/database_session.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

// A club chooser with a scripted answer that writes down its presets.
class ClubChooserScript : public IRecordChoosers {
public:
    std::optional<uint32_t> ChooseClub(int presetCountry, uint32_t presetClub) override {
        ++questions;
        country = presetCountry;
        club = presetClub;
        return answer;
    }
    std::optional<ChosenPerson> ChoosePerson(int, uint32_t, uint32_t) override {
        ADD_FAILURE() << "the history page never chooses a person";
        return std::nullopt;
    }

    std::optional<uint32_t> answer;
    int questions = 0;
    int country = 0;
    uint32_t club = 0;
};

class PlayerHistoryPageModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        world_ = &harness_.OpenGame().World();
        context_.world = world_;
        context_.choosers = &choosers_;
        context_.chooserCountry = 21;
        for (const auto& [id, player] : world_->Players()) {
            if (player->Role() == CPlayer::kRolePlayer) {
                player_ = player.get();
                break;
            }
        }
        ASSERT_NE(player_, nullptr);
        for (int number = 1; number <= CWorld::kCountryCount && other_ == nullptr; ++number) {
            CCountry* country = world_->GetCountry(number);
            if (country->GetOrdinaryClubCount() > 0) {
                other_ = country->GetClubByPosition(0);
            }
        }
        ASSERT_NE(other_, nullptr);
    }

    test::EditorHarness harness_;
    CWorld* world_ = nullptr;
    ClubChooserScript choosers_;
    PersonEditContext context_;
    CPlayer* player_ = nullptr;
    CClub* other_ = nullptr;
};

TEST_F(PlayerHistoryPageModelTest, AChosenClubIsSetAtOnceAndShownByName) {
    player_->SetLoanClub(0);
    PlayerHistoryPageModel model(context_);
    model.SetPerson(player_);
    EXPECT_EQ(model.ClubName(PlayerHistoryPageModel::kLoanClub), "");

    // Nothing chosen: nothing changes; the chooser starts at the page's country.
    EXPECT_FALSE(model.ChooseClub(PlayerHistoryPageModel::kLoanClub));
    EXPECT_EQ(choosers_.country, 21);
    EXPECT_EQ(player_->LoanClub(), 0u);

    choosers_.answer = other_->Id();
    ASSERT_TRUE(model.ChooseClub(PlayerHistoryPageModel::kLoanClub));
    EXPECT_EQ(player_->LoanClub(), other_->Id()); // before any store
    EXPECT_FALSE(model.ClubName(PlayerHistoryPageModel::kLoanClub).empty());

    // The next choice starts at the chosen club and its country.
    choosers_.answer = other_->Id() | ClubId::kSecondTeamBit;
    ASSERT_TRUE(model.ChooseClub(PlayerHistoryPageModel::kLoanClub));
    EXPECT_EQ(choosers_.club, other_->Id());
    EXPECT_EQ(choosers_.country, static_cast<int>(ClubId::CountryOf(other_->Id())));
    EXPECT_EQ(player_->LoanClub(), other_->Id() | ClubId::kSecondTeamBit);
    const std::string reserves = model.ClubName(PlayerHistoryPageModel::kLoanClub);
    EXPECT_NE(reserves.find("(A)"), std::string::npos) << reserves;

    model.ClearClub(PlayerHistoryPageModel::kLoanClub);
    EXPECT_EQ(player_->LoanClub(), 0u);

    // Each slot sets its own reference.
    choosers_.answer = other_->Id();
    ASSERT_TRUE(model.ChooseClub(PlayerHistoryPageModel::kNeverJoinClub));
    ASSERT_TRUE(model.ChooseClub(PlayerHistoryPageModel::kFirstClub));
    EXPECT_EQ(player_->NeverJoinClub(), other_->Id());
    EXPECT_EQ(player_->FirstClub(), other_->Id());
    EXPECT_EQ(player_->LoanClub(), 0u);
}

TEST_F(PlayerHistoryPageModelTest, WithoutAChooserOrAPersonTheButtonsDoNothing) {
    context_.choosers = nullptr;
    PlayerHistoryPageModel model(context_);
    model.SetPerson(player_);
    const uint32_t before = player_->FavouriteClub();
    EXPECT_FALSE(model.ChooseClub(PlayerHistoryPageModel::kFavouriteClub));
    EXPECT_EQ(player_->FavouriteClub(), before);

    context_.choosers = &choosers_;
    choosers_.answer = other_->Id();
    model.SetPerson(nullptr);
    EXPECT_FALSE(model.ChooseClub(PlayerHistoryPageModel::kFavouriteClub));
    EXPECT_EQ(choosers_.questions, 0);
    model.Store(); // no person: nothing to write, nothing breaks
}

TEST_F(PlayerHistoryPageModelTest, NationalTeamFlagsKeepTheBitsThePageDoesNotShow) {
    player_->SetNationalTeamFlags(0xE0 | CPlayer::kInNationalTeam | (3 << 2));
    PlayerHistoryPageModel model(context_);
    model.SetPerson(player_);
    EXPECT_TRUE(model.inNationalTeam);
    EXPECT_FALSE(model.refusesNationalTeam);
    EXPECT_EQ(model.StartState(), 3);

    model.inNationalTeam = false;
    model.refusesNationalTeam = true;
    model.SetStartState(9); // bounded to 7
    model.Store();
    EXPECT_EQ(player_->NationalTeamFlags(), 0xE0 | CPlayer::kRefusesNationalTeam | (7 << 2));
}

TEST_F(PlayerHistoryPageModelTest, YearsStayWithinTheirRanges) {
    PlayerHistoryPageModel model(context_);
    model.SetPerson(player_);
    const int year = CurrentGameDate().Year();
    model.SetYearJoined(1975);
    EXPECT_EQ(model.YearJoined(), 1980);
    model.SetYearJoined(year + 3);
    EXPECT_EQ(model.YearJoined(), year);
    model.SetContractEnd(2020);
    EXPECT_EQ(model.ContractEnd(), 2015);
    model.SetContractEnd(year - 1);
    EXPECT_EQ(model.ContractEnd(), std::min(year, 2015));
    model.caps = 42;
    model.goals = 7;
    model.Store();
    EXPECT_EQ(player_->YearJoined(), model.YearJoined());
    EXPECT_EQ(player_->ContractEnd(), model.ContractEnd());
    EXPECT_EQ(player_->InternationalCaps(), 42);
    EXPECT_EQ(player_->InternationalGoals(), 7);
}

TEST_F(PlayerHistoryPageModelTest, ContractDatesFollowTheirMonthsAndAnUnsetDateStaysUnset) {
    player_->SetContractStartDate(GameDate::FromDate(2004, 1, 31));
    player_->SetContractEndDate(GameDate());
    PlayerHistoryPageModel model(context_);
    model.SetPerson(player_);
    EXPECT_TRUE(model.contractStart.set);
    EXPECT_FALSE(model.contractEndDate.set);

    model.contractStart.SetMonth(2); // 2004 is a leap year
    EXPECT_EQ(model.contractStart.day, 29);
    model.contractStart.SetYear(2005);
    EXPECT_EQ(model.contractStart.day, 28);
    model.Store();
    EXPECT_EQ(player_->ContractStartDate(), GameDate::FromDate(2005, 2, 28));
    EXPECT_FALSE(player_->ContractEndDate().IsSet());

    model.contractEndDate.SetDay(15);
    model.Store();
    EXPECT_EQ(player_->ContractEndDate(), GameDate::FromDate(CurrentGameDate().Year(), 7, 15));
}

TEST_F(PlayerHistoryPageModelTest, TheFavouriteCountryIsOneOfTheList) {
    PlayerHistoryPageModel model(context_);
    ASSERT_EQ(model.Countries().size(), 207u);
    EXPECT_EQ(model.Countries().front().number, 0);
    model.SetPerson(player_);
    model.SetFavouriteCountry(40);
    model.SetFavouriteCountry(207); // refused
    EXPECT_EQ(model.FavouriteCountry(), 40);
    model.Store();
    EXPECT_EQ(player_->FavouriteCountry(), 40);
}

TEST_F(PlayerHistoryPageModelTest, AnUntouchedPageChangesNoByte) {
    // Values a file may hold that the spins do not show.
    player_->SetYearJoined(1975);
    player_->SetContractEnd(2030);
    player_->SetContractStartDate(GameDate::FromDate(1900, 3, 4));
    player_->SetNationalTeamFlags(0xFF);
    const auto before = test::SavedBytes(*world_);
    PlayerHistoryPageModel model(context_);
    model.SetPerson(player_);
    model.Store();
    EXPECT_EQ(test::SavedBytes(*world_), before);
}

} // namespace
} // namespace tallo
