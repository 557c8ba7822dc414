// The person list page on the small sample: what each mode lists, the role limits that grey
// the create commands, and creating, deleting, transferring and taking persons, each told to
// the owner page and kept by the open change.

#include "editing/staff/person_list_model.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "editing/staff/person_list_test_support.h"
#include "editing/staff/role_table.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

using test::RecordingOwner;
using test::ScriptedChoosers;

// The ordinary clubs of the sample by the number of persons they list, most first.
std::vector<CClub*> ClubsByPersons(CWorld& world) {
    std::vector<CClub*> clubs;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        for (const auto& [id, club] : world.GetCountry(number)->Clubs()) {
            if (!club->IsNationalTeam() && club->PlayerCount() > 0) {
                clubs.push_back(club.get());
            }
        }
    }
    std::stable_sort(clubs.begin(), clubs.end(), [](const CClub* a, const CClub* b) {
        return a->PlayerCount() > b->PlayerCount();
    });
    return clubs;
}

void RemoveRole(CWorld& world, CClub& club, uint8_t role) {
    for (uint32_t i = club.PlayerCount(); i-- > 0;) {
        const CPlayer* person = world.FindPlayer(club.PlayerId(i));
        if (person != nullptr && person->Role() == role) {
            club.RemovePlayer(person->Id());
        }
    }
}

class PersonListModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        session_ = &harness_.OpenGame();
        clubs_ = ClubsByPersons(World());
        ASSERT_GE(clubs_.size(), 2u);
        change_ = session_->Journal().Begin("squad.change");
        list_ = std::make_unique<PersonListModel>(World(), *change_, &owner_, &choosers_);
    }

    CWorld& World() { return session_->World(); }
    CClub& Club() { return *clubs_[0]; }

    test::EditorHarness harness_;
    DatabaseSession* session_ = nullptr;
    std::vector<CClub*> clubs_;
    std::unique_ptr<ChangeJournal::OpenChange> change_;
    RecordingOwner owner_;
    ScriptedChoosers choosers_;
    std::unique_ptr<PersonListModel> list_;
};

TEST_F(PersonListModelTest, EachModeListsItsPersonsWithTheRoleRowsAndCounts) {
    CClub& club = Club();
    int firstTeam = 0;
    int reserves = 0;
    int officials = 0;
    for (uint32_t i = 0; i < club.PlayerCount(); ++i) {
        const CPlayer& person = *World().FindPlayer(club.PlayerId(i));
        if (!person.IsPlayerRole()) {
            ++officials;
        } else if (person.IsReserve()) {
            ++reserves;
        } else {
            ++firstTeam;
        }
    }
    const int expected[] = {firstTeam, reserves, officials};
    for (int mode = 0; mode < 3; ++mode) {
        list_->SetUpList(club.Id(), 0, mode);
        list_->FillPersonList();
        EXPECT_EQ(list_->Count(), expected[mode]) << "mode " << mode;
        EXPECT_EQ(list_->CountText(), std::to_string(expected[mode]));
    }
    EXPECT_EQ(list_->ChooserCountry(), club.CountryNumber());

    // A manager's row is his display name and the label of entry 341.
    RemoveRole(World(), club, CPlayer::kRoleManager);
    list_->SetUpList(club.Id(), 0, PersonListModel::kBoard);
    list_->FillPersonList();
    ASSERT_TRUE(list_->CreatePerson(CPlayer::kRoleManager));
    const CPlayer& manager = *World().FindPlayer(list_->SelectedPerson());
    const std::string expectedRow = std::string(manager.Surname()) + ", " +
                                    std::string(manager.FirstName()).substr(0, 1) + ".\tMA";
    EXPECT_EQ(list_->Rows()[static_cast<size_t>(list_->SelectedRow())].text, expectedRow);
}

TEST_F(PersonListModelTest, TheRoleLimitGreysTheCreateCommand) {
    CClub& club = Club();
    RemoveRole(World(), club, CPlayer::kRoleManager);
    list_->SetUpList(club.Id(), 0, PersonListModel::kBoard);
    list_->FillPersonList();
    EXPECT_TRUE(list_->IsCommandEnabled(32780));
    auto menu = list_->ContextMenu();
    auto manager = std::find_if(menu.begin(), menu.end(),
                                [](const auto& item) { return item.command == 32780; });
    ASSERT_NE(manager, menu.end());
    EXPECT_TRUE(manager->enabled);

    ASSERT_TRUE(list_->RunCommand(32780));
    EXPECT_EQ(PersonListModel::CountRole(World(), club, CPlayer::kRoleManager), 1);
    EXPECT_FALSE(list_->IsCommandEnabled(32780));
    menu = list_->ContextMenu();
    manager = std::find_if(menu.begin(), menu.end(),
                           [](const auto& item) { return item.command == 32780; });
    EXPECT_FALSE(manager->enabled);
    // The command is refused as well as greyed: still one manager, nobody new registered.
    const size_t registered = World().PlayerCount();
    EXPECT_FALSE(list_->RunCommand(32780));
    EXPECT_FALSE(list_->CreatePerson(CPlayer::kRoleManager));
    EXPECT_EQ(PersonListModel::CountRole(World(), club, CPlayer::kRoleManager), 1);
    EXPECT_EQ(World().PlayerCount(), registered);
    // Another role of the board stays enabled.
    EXPECT_EQ(list_->IsCommandEnabled(32790), PersonListModel::CountRole(World(), club, 5) == 0);
}

TEST_F(PersonListModelTest, AFullClubCreatesNobodyAndLeavesNoPersonBehind) {
    CClub& club = Club();
    for (uint32_t fake = 0xF00000; club.PlayerCount() < CClub::kMaxPlayers; ++fake) {
        ASSERT_TRUE(club.AddPlayer(fake));
    }
    list_->SetUpList(club.Id(), 0, PersonListModel::kFirstTeam);
    list_->FillPersonList();
    EXPECT_FALSE(list_->IsCommandEnabled(kCommandNewPlayer));
    const size_t registered = World().PlayerCount();
    EXPECT_FALSE(list_->CreatePerson(CPlayer::kRolePlayer));
    EXPECT_EQ(World().PlayerCount(), registered);
}

TEST_F(PersonListModelTest, ANewPersonSpeaksTheFirstTwoLanguagesOfHisCountry) {
    CClub& club = Club();
    CCountry& country = *World().GetCountry(club.CountryNumber());
    country.languages[0] = 7;
    country.languages[1] = 12;
    RemoveRole(World(), club, 5);
    list_->SetUpList(club.Id(), 0, PersonListModel::kBoard);
    list_->FillPersonList();
    owner_.events.clear();

    ASSERT_TRUE(list_->RunCommand(32790)); // goalkeeper coach
    const uint32_t id = list_->SelectedPerson();
    const CPlayer* made = World().FindPlayer(id);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->Role(), 5);
    EXPECT_EQ(made->Nationality(), club.CountryNumber());
    EXPECT_EQ(made->Language(0), 7);
    EXPECT_EQ(made->Language(1), 12);
    EXPECT_TRUE(club.HasPlayer(id));
    EXPECT_EQ(owner_.events.front(), "store");
    EXPECT_EQ(owner_.shown, id);
    EXPECT_TRUE(change_->Includes(club.CountryNumber()));

    // A player made on the reserves tab belongs to the reserves.
    list_->SetUpList(club.Id(), 0, PersonListModel::kReserves);
    list_->FillPersonList();
    ASSERT_TRUE(list_->RunCommand(kCommandNewPlayer));
    const CPlayer& player = *World().FindPlayer(list_->SelectedPerson());
    EXPECT_TRUE(player.IsPlayerRole());
    EXPECT_TRUE(player.IsReserve());
}

TEST_F(PersonListModelTest, DeletingTheSelectedPersonLeavesNoSelectionAndTellsTheOwnerNone) {
    CClub& club = Club();
    list_->SetUpList(club.Id(), 0, PersonListModel::kFirstTeam);
    list_->FillPersonList();
    ASSERT_GT(list_->Count(), 1);
    list_->SelectRow(1);
    const uint32_t id = list_->SelectedPerson();
    ASSERT_NE(id, 0u);
    EXPECT_EQ(owner_.events,
              (std::vector<std::string>{"show 0", "store", "show " + std::to_string(id), "user"}));
    const int before = list_->Count();
    owner_.events.clear();

    ASSERT_TRUE(list_->RunCommand(kCommandDeletePerson));
    EXPECT_EQ(list_->SelectedPerson(), 0u);
    EXPECT_EQ(list_->SelectedRow(), -1);
    EXPECT_EQ(list_->Count(), before - 1);
    EXPECT_EQ(World().FindPlayer(id), nullptr);
    EXPECT_FALSE(club.HasPlayer(id));
    EXPECT_EQ(owner_.events.front(), "store");
    EXPECT_EQ(owner_.events.back(), "show 0");
    EXPECT_EQ(owner_.shown, 0u);
    EXPECT_FALSE(list_->IsCommandEnabled(kCommandDeletePerson));
}

TEST_F(PersonListModelTest, TransferToItsOwnClubFromACompetitionListDoesNothing) {
    CClub& first = *clubs_[0];
    CClub& second = *clubs_[1];
    list_->SetUpCompetitionList({first.Id(), second.Id() | CClub::kSecondTeamBit},
                                first.CountryNumber(), 0, PersonListModel::kFirstTeam);
    list_->FillPersonList();
    ASSERT_GT(list_->Count(), 0);
    list_->SelectRow(list_->Count() - 1); // a person of the second club
    const uint32_t id = list_->SelectedPerson();
    ASSERT_TRUE(second.HasPlayer(id));
    const CPlayer before = *World().FindPlayer(id);
    owner_.events.clear();

    choosers_.club = second.Id() | CClub::kSecondTeamBit;
    EXPECT_FALSE(list_->RunCommand(kCommandTransferPerson));
    EXPECT_EQ(choosers_.clubQuestions, 1);
    EXPECT_TRUE(second.HasPlayer(id));
    EXPECT_TRUE(*World().FindPlayer(id) == before);
    EXPECT_TRUE(owner_.events.empty());

    // To the other club of the list he goes, with his transfer data reset.
    choosers_.club = first.Id();
    ASSERT_TRUE(list_->RunCommand(kCommandTransferPerson));
    EXPECT_TRUE(first.HasPlayer(id));
    EXPECT_FALSE(second.HasPlayer(id));
    EXPECT_EQ(World().FindPlayer(id)->PreviousClub(), second.Id());
    EXPECT_EQ(World().FindPlayer(id)->LoanClub(), 0u);
}

TEST_F(PersonListModelTest, TakingAPersonMovesHimFromTheOtherClubAndKeepsBothCountries) {
    CClub& club = *clubs_[0];
    CClub& other = *clubs_[1];
    const uint32_t taken = other.PlayerId(0);
    list_->SetUpList(club.Id(), 0, PersonListModel::kFirstTeam);
    list_->FillPersonList();
    choosers_.person = IRecordChoosers::ChosenPerson{taken, other.Id()};
    ASSERT_TRUE(list_->RunCommand(kCommandTakePerson));
    EXPECT_EQ(choosers_.lastPresetCountry, club.CountryNumber());
    EXPECT_TRUE(club.HasPlayer(taken));
    EXPECT_FALSE(other.HasPlayer(taken));
    EXPECT_TRUE(change_->Includes(club.CountryNumber()));
    EXPECT_TRUE(change_->Includes(other.CountryNumber()));

    // A person of the page's own club is not taken again.
    choosers_.person = IRecordChoosers::ChosenPerson{taken, club.Id()};
    EXPECT_FALSE(list_->RunCommand(kCommandTakePerson));
    EXPECT_TRUE(club.HasPlayer(taken));
}

TEST_F(PersonListModelTest, TheCountryListGreysTakeAndKeepsNewManagersInTheCountry) {
    const int number = Club().CountryNumber();
    CCountry& country = *World().GetCountry(number);
    const size_t managers = country.AdditionalManagers().size();
    list_->SetUpCountryList(number, 0);
    list_->FillPersonList();
    EXPECT_EQ(list_->Count(), static_cast<int>(managers));
    EXPECT_FALSE(list_->IsCommandEnabled(kCommandTakePerson));

    ASSERT_TRUE(list_->RunCommand(32780));
    const uint32_t id = list_->SelectedPerson();
    EXPECT_EQ(country.AdditionalManagers().count(id), 1u);
    EXPECT_EQ(list_->Count(), static_cast<int>(managers) + 1);
    // A country list knows no club limit: a second manager may be added.
    EXPECT_TRUE(list_->IsCommandEnabled(32780));

    // Transferred to a club, he leaves the country's managers.
    choosers_.club = Club().Id();
    ASSERT_TRUE(list_->RunCommand(kCommandTransferPerson));
    EXPECT_EQ(country.AdditionalManagers().count(id), 0u);
    EXPECT_TRUE(Club().HasPlayer(id));
}

} // namespace
} // namespace tallo
