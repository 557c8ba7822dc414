// A national team's call-up lists on the small sample: who the candidates are, that calling up
// and leaving out touch the "in the national team" bit only and survive a save and a load, and
// that the national teams dialog's change is put back on cancel and undone after OK.

#include "editing/country/national_team_model.h"
#include "editing/country/national_teams_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "support/temp_dir.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

using Files = std::map<std::string, std::string>;
using test::SavedBytes;

// The players of a nationality as the records hold them, walked independently of the model:
// player ID to the club listing it.
std::map<uint32_t, uint32_t> PlayersOf(const CWorld& world, int nationality) {
    std::map<uint32_t, uint32_t> found;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        for (const auto& [id, club] : world.GetCountry(number)->Clubs()) {
            for (uint32_t i = 0; !club->IsNationalTeam() && i < club->PlayerCount(); ++i) {
                const CPlayer* player = world.FindPlayer(club->PlayerId(i));
                if (player != nullptr && player->Role() == 0 &&
                    player->Nationality() == nationality) {
                    found.emplace(player->Id(), id);
                }
            }
        }
    }
    return found;
}

// The sample country with the most called-up players that also has players abroad.
int CountryWithSquad(const CWorld& world) {
    int best = 0;
    size_t most = 0;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        size_t called = 0;
        bool abroad = false;
        for (const auto& [person, club] : PlayersOf(world, number)) {
            const CPlayer* player = world.FindPlayer(person);
            called += (player->NationalTeamFlags() & CPlayer::kInNationalTeam) != 0 ? 1 : 0;
            abroad = abroad || static_cast<int>(club >> 16) != number;
        }
        if (abroad && called > most) {
            most = called;
            best = number;
        }
    }
    return best;
}

std::set<uint32_t> PersonsOf(const std::vector<NationalTeamModel::Row>& rows) {
    std::set<uint32_t> persons;
    for (const auto& row : rows) {
        persons.insert(row.person);
    }
    return persons;
}

// The best candidate who is neither called up nor refusing.
uint32_t FreeCandidate(const NationalTeamModel& model) {
    for (const auto& row : model.Others()) {
        if (!row.refuses) {
            return row.person;
        }
    }
    return 0;
}

class NationalTeamModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        session_ = &harness_.OpenGame();
        country_ = CountryWithSquad(World());
        ASSERT_NE(country_, 0);
    }

    CWorld& World() { return session_->World(); }

    test::EditorHarness harness_;
    DatabaseSession* session_ = nullptr;
    int country_ = 0;
};

TEST_F(NationalTeamModelTest, CandidatesAreThePlayersOfTheNationalityAtEveryClub) {
    // A player of another country who has this one as his second nationality is no candidate.
    const std::map<uint32_t, uint32_t> others = PlayersOf(World(), country_ == 1 ? 2 : 1);
    ASSERT_FALSE(others.empty());
    CPlayer& second = *World().FindPlayer(others.begin()->first);
    second.SetSecondNationality(static_cast<uint8_t>(country_));

    NationalTeamModel model(World(), 0, nullptr);
    model.SetCountry(country_);
    ASSERT_TRUE(model.HasCountry());
    const std::map<uint32_t, uint32_t> expected = PlayersOf(World(), country_);
    std::set<uint32_t> called;
    std::set<uint32_t> all;
    for (const auto& [person, club] : expected) {
        all.insert(person);
        if ((World().FindPlayer(person)->NationalTeamFlags() & CPlayer::kInNationalTeam) != 0) {
            called.insert(person);
        }
    }
    EXPECT_EQ(PersonsOf(model.CalledUp()), called);
    std::set<uint32_t> listed = PersonsOf(model.Others());
    listed.insert(called.begin(), called.end());
    EXPECT_EQ(listed, all);
    EXPECT_EQ(model.CandidateCount(), static_cast<int>(all.size()));
    EXPECT_EQ(all.count(second.Id()), 0u);
    // Each row names the club that lists the player, abroad too.
    for (const auto& row : model.Others()) {
        EXPECT_EQ(row.club, expected.at(row.person));
    }
    // Best first.
    const auto byRating = [](const auto& a, const auto& b) { return a.rating > b.rating; };
    EXPECT_TRUE(std::is_sorted(model.CalledUp().begin(), model.CalledUp().end(), byRating));
    EXPECT_TRUE(std::is_sorted(model.Others().begin(), model.Others().end(), byRating));
    // The national team's own record gives the names.
    EXPECT_EQ(model.TeamName(), World().GetCountry(country_)->NationalTeam()->Name(0));

    model.SetCountry(0);
    EXPECT_FALSE(model.HasCountry());
    EXPECT_EQ(model.CandidateCount(), 0);
}

TEST_F(NationalTeamModelTest, CallingUpChangesOnlyTheFlagAndSurvivesSaveAndLoad) {
    NationalTeamModel model(World(), 0, nullptr);
    model.SetCountry(country_);
    const uint32_t newcomer = FreeCandidate(model);
    ASSERT_NE(newcomer, 0u);
    ASSERT_FALSE(model.CalledUp().empty());
    const uint32_t dropped = model.CalledUp().front().person;
    const CPlayer newcomerBefore = *World().FindPlayer(newcomer);
    const CPlayer droppedBefore = *World().FindPlayer(dropped);
    const int calledBefore = model.CalledUpCount();

    EXPECT_TRUE(model.CallUp(newcomer));
    EXPECT_FALSE(model.CallUp(newcomer)); // called up already
    EXPECT_TRUE(model.LeaveOut(dropped));
    EXPECT_FALSE(model.LeaveOut(dropped));
    EXPECT_EQ(model.CalledUpCount(), calledBefore);
    EXPECT_TRUE(model.CanLeaveOut(newcomer));
    EXPECT_TRUE(model.CanCallUp(dropped));
    EXPECT_TRUE(model.Changed());

    // The records differ in the one bit and nothing else.
    CPlayer newcomerExpected = newcomerBefore;
    newcomerExpected.SetNationalTeamFlags(newcomerBefore.NationalTeamFlags() |
                                          CPlayer::kInNationalTeam);
    CPlayer droppedExpected = droppedBefore;
    droppedExpected.SetNationalTeamFlags(droppedBefore.NationalTeamFlags() &
                                         ~CPlayer::kInNationalTeam);
    EXPECT_TRUE(*World().FindPlayer(newcomer) == newcomerExpected);
    EXPECT_TRUE(*World().FindPlayer(dropped) == droppedExpected);

    // Saved and loaded again, the lists stand as they were left.
    test::TempDir scratch;
    const std::string folder = World().DatabaseFolder();
    World().SetDatabaseFolder(scratch.Path());
    ASSERT_TRUE(World().SaveAll(nullptr));
    World().SetDatabaseFolder(folder);
    CWorld loaded;
    loaded.LoadCountryList(harness_.install + "/database/countries.sav");
    ASSERT_TRUE(loaded.LoadAll(scratch.Path()));
    NationalTeamModel reloaded(loaded, 0, nullptr);
    reloaded.SetCountry(country_);
    EXPECT_EQ(PersonsOf(reloaded.CalledUp()), PersonsOf(model.CalledUp()));
    EXPECT_EQ(PersonsOf(reloaded.Others()), PersonsOf(model.Others()));
    ASSERT_NE(loaded.FindPlayer(newcomer), nullptr);
    EXPECT_EQ(loaded.FindPlayer(newcomer)->NationalTeamFlags(),
              newcomerExpected.NationalTeamFlags());

    // Undoing both by hand gives the original flags: nothing differs any more.
    EXPECT_TRUE(model.LeaveOut(newcomer));
    EXPECT_TRUE(model.CallUp(dropped));
    EXPECT_FALSE(model.Changed());
}

TEST_F(NationalTeamModelTest, ARefusingPlayerIsNotCalledUp) {
    NationalTeamModel model(World(), 0, nullptr);
    model.SetCountry(country_);
    const uint32_t person = FreeCandidate(model);
    ASSERT_NE(person, 0u);
    CPlayer& player = *World().FindPlayer(person);
    player.SetNationalTeamFlags(player.NationalTeamFlags() | CPlayer::kRefusesNationalTeam);
    const uint8_t flags = player.NationalTeamFlags();
    model.Refresh();

    const int refusing = model.RefusingCount();
    EXPECT_GE(refusing, 1);
    EXPECT_FALSE(model.CanCallUp(person));
    EXPECT_FALSE(model.CallUp(person));
    EXPECT_EQ(player.NationalTeamFlags(), flags);
    EXPECT_EQ(model.CallUp({person, FreeCandidate(model)}), 1); // the others still come
    EXPECT_EQ(model.RefusingCount(), refusing);
}

TEST_F(NationalTeamModelTest, DialogCancelLeavesEverySavedByte) {
    const Files before = SavedBytes(World());
    {
        NationalTeamsModel dialog(*session_, country_, 0);
        ASSERT_EQ(dialog.SelectedCountry(), country_);
        NationalTeamModel& team = dialog.Team();
        ASSERT_TRUE(team.CallUp(FreeCandidate(team)));
        ASSERT_TRUE(team.LeaveOut(team.CalledUp().back().person));
        // Another country, and its coach.
        const int other = static_cast<int>(dialog.Countries().front().value) == country_
                              ? static_cast<int>(dialog.Countries().back().value)
                              : static_cast<int>(dialog.Countries().front().value);
        dialog.SelectCountry(other);
        ASSERT_NE(dialog.BeginCoachEdit(), nullptr);
        World().GetCountry(other)->nationalCoach.skills[0] ^= 1;
        if (uint32_t person = FreeCandidate(dialog.Team())) {
            dialog.Team().CallUp(person);
        }
        ASSERT_TRUE(dialog.Changed());
        dialog.Abandon();
    }
    EXPECT_TRUE(SavedBytes(World()) == before);
    EXPECT_FALSE(session_->Journal().CanUndo());
}

TEST_F(NationalTeamModelTest, DialogOkIsOneChangeThatUndoTakesBack) {
    const Files before = SavedBytes(World());
    NationalTeamsModel dialog(*session_, country_, 0);
    const uint32_t person = FreeCandidate(dialog.Team());
    ASSERT_TRUE(dialog.Team().CallUp(person));
    ASSERT_TRUE(dialog.Confirm());
    EXPECT_FALSE(dialog.IsOpen());
    const Files after = SavedBytes(World());
    EXPECT_FALSE(after == before);

    ASSERT_TRUE(session_->Journal().CanUndo());
    EXPECT_EQ(session_->Journal().UndoName(InterfaceLanguage::Russian), "Национальные сборные");
    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_TRUE(SavedBytes(World()) == before);
    ASSERT_TRUE(session_->Journal().Redo());
    EXPECT_TRUE(SavedBytes(World()) == after);
}

TEST_F(NationalTeamModelTest, DialogOkWithoutANetChangeRecordsNothing) {
    const Files before = SavedBytes(World());
    NationalTeamsModel dialog(*session_, country_, 0);
    const uint32_t person = FreeCandidate(dialog.Team());
    ASSERT_TRUE(dialog.Team().CallUp(person));
    ASSERT_TRUE(dialog.Team().LeaveOut(person));
    // A coach edited and put back by the coach window's cancel.
    ASSERT_NE(dialog.BeginCoachEdit(), nullptr);
    World().GetCountry(country_)->nationalCoach.skills[1] ^= 1;
    dialog.CancelCoachEdit();
    EXPECT_FALSE(dialog.Changed());
    EXPECT_FALSE(dialog.Confirm());
    EXPECT_FALSE(session_->Journal().CanUndo());
    EXPECT_TRUE(SavedBytes(World()) == before);
}

TEST_F(NationalTeamModelTest, DialogListsTheCountriesByNameAndStartsAtTheGivenOne) {
    {
        NationalTeamsModel dialog(*session_, country_, 0);
        ASSERT_GE(dialog.Countries().size(), 2u);
        EXPECT_NE(dialog.Countries().front().value, 0u); // no "none" entry
        EXPECT_GE(dialog.RowOf(country_), 0);
        EXPECT_EQ(dialog.SelectedCountry(), country_);
    }
    // A number that is no country starts at the first of the list.
    NationalTeamsModel fallback(*session_, 0, 0);
    EXPECT_EQ(fallback.SelectedCountry(), static_cast<int>(fallback.Countries().front().value));
}

} // namespace
} // namespace tallo
