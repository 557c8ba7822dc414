// The squad list on the small sample: the confirmation's messages in their order, "never mind"
// putting every change back, and OK recording one change that the journal undoes and redoes.

#include "editing/player/squad_list_model.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "editing/staff/person_list_test_support.h"
#include "editing/staff/role_table.h"
#include "formats/string_table.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

using Files = std::map<std::string, std::string>;
using test::RecordingOwner;
using test::SavedBytes;
using test::ScriptedChoosers;

// An ordinary club with persons in the first country that has one, and one in another country.
std::pair<CClub*, CClub*> ClubsInTwoCountries(CWorld& world) {
    CClub* first = nullptr;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        for (const auto& [id, club] : world.GetCountry(number)->Clubs()) {
            if (club->IsNationalTeam() || club->PlayerCount() < 2) {
                continue;
            }
            if (first == nullptr) {
                first = club.get();
            } else if (club->CountryNumber() != first->CountryNumber()) {
                return {first, club.get()};
            }
        }
    }
    return {first, nullptr};
}

class SquadListModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        session_ = &harness_.OpenGame();
        auto [club, other] = ClubsInTwoCountries(session_->World());
        ASSERT_NE(club, nullptr);
        ASSERT_NE(other, nullptr);
        clubId_ = club->Id();
        otherId_ = other->Id();
    }

    CWorld& World() { return session_->World(); }
    CClub& Club() { return *World().FindClub(clubId_); }

    test::EditorHarness harness_;
    DatabaseSession* session_ = nullptr;
    uint32_t clubId_ = 0;
    uint32_t otherId_ = 0;
    RecordingOwner owner_;
    ScriptedChoosers choosers_;
};

TEST_F(SquadListModelTest, TabsAreTheFirstTeamTheReservesAndTheBoard) {
    EXPECT_EQ(SquadListModel::TabText(0), "1-ая команда");
    EXPECT_EQ(SquadListModel::TabText(1), "Резервы");
    EXPECT_EQ(SquadListModel::TabText(2), "Правление");
    SquadListModel squad(*session_, clubId_, &choosers_);
    ASSERT_TRUE(squad.IsValid());
    squad.SetOwner(&owner_);
    squad.SelectTab(2);
    EXPECT_EQ(squad.CurrentList().GetMode(), PersonListModel::kBoard);
    // The first row is selected and shown.
    if (squad.CurrentList().Count() > 0) {
        EXPECT_EQ(owner_.shown, squad.CurrentList().Rows()[0].person);
    }
}

TEST_F(SquadListModelTest, AFaultySquadListsItsMessagesInOrderAndStaysOpen) {
    CClub& club = Club();
    test::MakeSquadValid(World(), club, 15);
    SquadListModel squad(*session_, clubId_, &choosers_);
    squad.SetOwner(&owner_);
    EXPECT_TRUE(squad.FaultMessages().empty());

    // Two managers, a team doctor with no medical department, a staff member without a club
    // centre, a nameless player and too few first-team players.
    squad.SelectTab(2);
    PersonListModel& board = squad.CurrentList();
    ASSERT_TRUE(board.CreatePerson(CPlayer::kRoleManager));
    ASSERT_TRUE(board.CreatePerson(CPlayer::kRoleFirstMedical));
    CPlayer* second = World().CreatePlayer(0, true);
    second->SetRole(CPlayer::kRoleManager);
    second->SetFirstName("Emil");
    second->SetSurname("Falk");
    ASSERT_TRUE(club.AddPlayer(second->Id()));
    club.SetFacilityLevel(CClub::kClubCentre, 0);
    club.SetFacilityLevel(CClub::kMedicalDepartment, 0);
    squad.SelectTab(0);
    PersonListModel& team = squad.CurrentList();
    while (team.Count() > 13) {
        team.SelectRow(0);
        ASSERT_TRUE(team.RunCommand(kCommandDeletePerson));
    }
    World().FindPlayer(team.Rows()[0].person)->SetSurname("");

    const std::vector<int> expected = {674, 579, 580, 766, 769, 770};
    EXPECT_EQ(squad.FaultMessages(), expected);
    EXPECT_FALSE(squad.Confirm());
    EXPECT_TRUE(squad.IsOpen());
    EXPECT_FALSE(session_->Journal().CanUndo());
    EXPECT_EQ(LoadString(expected[1]),
              "Вы должны иметь по крайней мере 14 игроков в основном составе!");
}

TEST_F(SquadListModelTest, NeverMindLeavesTheSavedBytesAsTheyWere) {
    const Files before = SavedBytes(World());
    {
        SquadListModel squad(*session_, clubId_, &choosers_);
        squad.SetOwner(&owner_);
        squad.SelectTab(2);
        ASSERT_TRUE(squad.CurrentList().RunCommand(32801) || squad.CurrentList().RunCommand(32802));
        squad.SelectTab(0);
        squad.CurrentList().SelectRow(0);
        World().FindPlayer(squad.CurrentList().SelectedPerson())->SetSurname("Umbenannt");
        choosers_.club = otherId_;
        ASSERT_TRUE(squad.CurrentList().RunCommand(kCommandTransferPerson));
        ASSERT_TRUE(squad.CurrentList().RunCommand(kCommandDeletePerson));
        squad.Abandon();
        EXPECT_FALSE(squad.IsOpen());
        EXPECT_EQ(owner_.shown, 0u);
        EXPECT_FALSE(squad.Changed());
    }
    EXPECT_TRUE(SavedBytes(World()) == before);
    EXPECT_FALSE(session_->Journal().CanUndo());
    EXPECT_FALSE(session_->IsModified());
}

TEST_F(SquadListModelTest, OkAfterATransferBetweenTwoCountriesIsUndoneAndRedone) {
    test::MakeSquadValid(World(), Club(), 15);
    const Files before = SavedBytes(World());
    uint32_t moved = 0;
    {
        SquadListModel squad(*session_, clubId_, &choosers_);
        squad.SetOwner(&owner_);
        squad.SelectTab(0);
        squad.CurrentList().SelectRow(0);
        moved = squad.CurrentList().SelectedPerson();
        choosers_.club = otherId_;
        ASSERT_TRUE(squad.CurrentList().RunCommand(kCommandTransferPerson));
        ASSERT_TRUE(squad.Confirm());
        EXPECT_TRUE(squad.Changed());
        EXPECT_FALSE(squad.IsOpen());
    }
    EXPECT_TRUE(World().FindClub(otherId_)->HasPlayer(moved));
    const Files after = SavedBytes(World());
    EXPECT_FALSE(after == before);
    EXPECT_EQ(session_->Journal().Size(), 1u);
    EXPECT_TRUE(session_->IsModified());

    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_TRUE(SavedBytes(World()) == before);
    EXPECT_TRUE(World().FindClub(clubId_)->HasPlayer(moved));
    ASSERT_TRUE(session_->Journal().Redo());
    EXPECT_TRUE(SavedBytes(World()) == after);
}

TEST_F(SquadListModelTest, OkWithoutAChangeRecordsNothing) {
    test::MakeSquadValid(World(), Club(), 15);
    SquadListModel squad(*session_, clubId_, &choosers_);
    squad.SetOwner(&owner_);
    squad.SelectTab(1);
    squad.SelectTab(0);
    ASSERT_TRUE(squad.Confirm());
    EXPECT_FALSE(squad.Changed());
    EXPECT_FALSE(session_->Journal().CanUndo());
    EXPECT_FALSE(session_->IsModified());
}

} // namespace
} // namespace tallo
