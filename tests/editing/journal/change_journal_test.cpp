// The change journal on the small sample: every main-window command that changes a database is
// undone and redone, and the database saved after the undo is byte for byte the one saved
// before the command (and after the redo the one saved after it).

#include "editing/journal/change_journal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "app/world_import.h"
#include "editing/main_window/club_commands.h"
#include "editing/main_window/synchronisation_model.h"
#include "editing/session/database_session.h"
#include "editing/session/open_databases.h"
#include "editing/editing_test_support.h"
#include "platform/progress.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

using Files = std::map<std::string, std::string>;
using Outcome = ChangeJournal::Outcome;
using test::EditorHarness;
using test::SavedBytes;

// The country with the most clubs, and two of its ordinary clubs.
int BiggestCountry(const CWorld& world) {
    int best = 1;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        if (world.GetCountry(number)->GetClubCount() > world.GetCountry(best)->GetClubCount()) {
            best = number;
        }
    }
    return best;
}

std::vector<uint32_t> OrdinaryClubs(const CCountry& country) {
    std::vector<uint32_t> ids;
    for (const auto& [id, club] : country.Clubs()) {
        if (!club->IsNationalTeam()) {
            ids.push_back(id);
        }
    }
    return ids;
}

// The names of the files that differ between two saves ("" when they are the same).
std::string Differences(const Files& a, const Files& b) {
    std::string names;
    for (const auto& [name, bytes] : a) {
        auto other = b.find(name);
        if (other == b.end() || other->second != bytes) {
            names += name + " ";
        }
    }
    for (const auto& [name, bytes] : b) {
        if (a.count(name) == 0) {
            names += name + " ";
        }
    }
    return names;
}

// Undo gives back the bytes of `before`, redo those of `after`.
void ExpectUndoRedo(DatabaseSession& session, const Files& before, const Files& after) {
    ASSERT_FALSE(Differences(before, after).empty()) << "the command changed nothing";
    ASSERT_TRUE(session.Journal().Undo());
    EXPECT_EQ(Differences(SavedBytes(session.World()), before), "") << "after undo";
    ASSERT_TRUE(session.Journal().Redo());
    EXPECT_EQ(Differences(SavedBytes(session.World()), after), "") << "after redo";
}

class ChangeJournalTest : public ::testing::Test {
protected:
    void SetUp() override {
        session_ = &harness_.OpenGame();
        number_ = BiggestCountry(World());
        clubs_ = OrdinaryClubs(Country());
        ASSERT_GE(clubs_.size(), 3u);
    }

    CWorld& World() { return session_->World(); }
    CCountry& Country() { return *World().GetCountry(number_); }

    EditorHarness harness_;
    DatabaseSession* session_ = nullptr;
    int number_ = 0;
    std::vector<uint32_t> clubs_;
};

TEST_F(ChangeJournalTest, DeleteClubUndoneAndRedoneGivesTheSavedBytesBack) {
    const Files before = SavedBytes(World());
    ASSERT_TRUE(DeleteClub(*session_, clubs_[1]));
    EXPECT_EQ(Country().FindClub(clubs_[1]), nullptr);
    const Files after = SavedBytes(World());
    ExpectUndoRedo(*session_, before, after);
    ASSERT_TRUE(session_->Journal().Undo());
    // The club is back under its own ID, with its players under theirs.
    ASSERT_NE(Country().FindClub(clubs_[1]), nullptr);
}

TEST_F(ChangeJournalTest, RemovePlayersAsksAndIsUndoneWithEveryPersonUnderHisId) {
    const CClub& club = *Country().FindClub(clubs_[0]);
    ASSERT_GT(club.PlayerCount(), 0u);
    std::vector<uint32_t> ids;
    for (uint32_t i = 0; i < club.PlayerCount(); ++i) {
        ids.push_back(club.PlayerId(i));
    }
    const Files before = SavedBytes(World());

    harness_.prompt.QueueAnswer(false);
    EXPECT_FALSE(RemovePlayersAndManagers(*session_, clubs_[0], harness_.prompt, "Editor"));
    EXPECT_FALSE(session_->Journal().CanUndo()); // a no records nothing

    ASSERT_TRUE(RemovePlayersAndManagers(*session_, clubs_[0], harness_.prompt, "Editor"));
    EXPECT_EQ(Country().FindClub(clubs_[0])->PlayerCount(), 0u);
    const Files after = SavedBytes(World());
    ExpectUndoRedo(*session_, before, after);

    ASSERT_TRUE(session_->Journal().Undo());
    const CClub& restored = *Country().FindClub(clubs_[0]);
    ASSERT_EQ(restored.PlayerCount(), ids.size());
    for (uint32_t i = 0; i < restored.PlayerCount(); ++i) {
        EXPECT_EQ(restored.PlayerId(i), ids[i]);
        EXPECT_NE(World().FindPlayer(ids[i]), nullptr);
    }
}

TEST_F(ChangeJournalTest, NewClubUndoneAndRedone) {
    const Files before = SavedBytes(World());
    const size_t pool = Country().PlayerPool().size();
    const uint32_t id = AddNewClub(*session_, number_, "Neuer Klub", harness_.prompt, "Editor");
    ASSERT_NE(id, 0u);
    EXPECT_EQ(Country().FindClub(id)->Name(0), "Neuer Klub");
    EXPECT_GE(Country().PlayerPool().size(), pool);
    const Files after = SavedBytes(World());
    ExpectUndoRedo(*session_, before, after);
    // A name that would not read back is refused with a message and records nothing.
    const size_t entries = session_->Journal().Size();
    EXPECT_EQ(AddNewClub(*session_, number_, ";comment", harness_.prompt, "Editor"), 0u);
    EXPECT_EQ(session_->Journal().Size(), entries);
    EXPECT_EQ(harness_.prompt.CountOf(PromptCall::Kind::Message), 1u);
}

TEST_F(ChangeJournalTest, ReplaceFromClubFileUndoneAndRedone) {
    const std::string file = harness_.dir / "club.clb";
    harness_.prompt.QueueFileChoice(file);
    ASSERT_TRUE(SaveClubToFile(*session_, clubs_[0], harness_.prompt));
    const Files before = SavedBytes(World());

    harness_.prompt.QueueFileChoice(file);
    ASSERT_TRUE(ReplaceClubFromFile(*session_, clubs_[2], harness_.prompt, "Editor"));
    EXPECT_EQ(Country().FindClub(clubs_[2])->Name(0), Country().FindClub(clubs_[0])->Name(0));
    const Files after = SavedBytes(World());
    ExpectUndoRedo(*session_, before, after);

    // The national team is never overwritten (message 843), a cancelled file changes nothing.
    const size_t entries = session_->Journal().Size();
    const uint32_t national = ClubId::Make(number_, ClubId::kNationalTeamNumber);
    EXPECT_FALSE(ReplaceClubFromFile(*session_, national, harness_.prompt, "Editor"));
    harness_.prompt.QueueFileChoice(std::nullopt);
    EXPECT_FALSE(ReplaceClubFromFile(*session_, clubs_[1], harness_.prompt, "Editor"));
    EXPECT_EQ(session_->Journal().Size(), entries);
}

TEST_F(ChangeJournalTest, ImportUndoneAndRedone) {
    // An archive of the database without one club.
    ASSERT_TRUE(DeleteClub(*session_, clubs_[0]));
    const std::string archive = harness_.dir / "world.tdb";
    ASSERT_EQ(harness_.databases->ExportCurrent(archive), LongtimeResult::Completed);
    ASSERT_TRUE(session_->Journal().Undo());
    CWorld* previous = &World();
    const Files before = SavedBytes(World());

    const size_t clubs = Country().GetClubCount();
    WorldImportReport report;
    harness_.databases->ImportIntoCurrent(archive, &report);
    ASSERT_TRUE(report.reloaded);
    EXPECT_NE(&World(), previous); // the import put a new world in place
    EXPECT_EQ(World().GetCountry(number_)->GetClubCount(), clubs - 1);
    const Files after = SavedBytes(World());
    ExpectUndoRedo(*session_, before, after);
    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_EQ(&World(), previous);
}

TEST_F(ChangeJournalTest, ImportAskedFirstAndAnsweredNoLeavesTheDatabase) {
    const std::string archive = harness_.dir / "world.tdb";
    ASSERT_EQ(harness_.databases->ExportCurrent(archive), LongtimeResult::Completed);
    CWorld* world = &World();
    harness_.prompt.QueueAnswer(false);
    EXPECT_EQ(harness_.databases->ImportIntoCurrent(archive), LongtimeResult::Declined);
    EXPECT_EQ(&World(), world);
    EXPECT_FALSE(session_->Journal().CanUndo());
}

TEST_F(ChangeJournalTest, SynchroniseIntoAnotherDatabaseUndoneAndRedoneThere) {
    DatabaseSession& target = *harness_.databases->OpenGameDatabase();
    ASSERT_TRUE(DeleteClub(target, clubs_[1]));
    SynchronisationModel model(*harness_.databases, {}, {});
    const Files before = SavedBytes(target.World());

    // The club dropped onto its country in the other database comes back there as a new club.
    const uint16_t continent = static_cast<uint16_t>(Country().continent);
    const uint16_t country = static_cast<uint16_t>(number_);
    const SyncDropResult dropped = model.Drop(SyncItem::Club(0, continent, country, clubs_[1]),
                                              SyncItem::Country(1, continent, country));
    ASSERT_EQ(dropped.outcome.kind, SyncOutcome::Kind::AddedClub);
    EXPECT_TRUE(dropped.targetChanged);
    EXPECT_EQ(dropped.select.club, dropped.outcome.clubId);
    const Files after = SavedBytes(target.World());
    ExpectUndoRedo(target, before, after);
    // The source database was not changed and has nothing to undo.
    EXPECT_FALSE(session_->Journal().CanUndo());

    // A country onto another country copies its parts; undone and redone as well.
    int other = 1;
    while (other == number_ || World().GetCountry(other)->GetClubCount() < 2) {
        ++other;
    }
    const Files beforeCountry = SavedBytes(target.World());
    const uint16_t otherContinent = static_cast<uint16_t>(World().GetCountry(other)->continent);
    const SyncDropResult copied =
        model.Drop(SyncItem::Country(0, continent, country),
                   SyncItem::Country(1, otherContinent, static_cast<uint16_t>(other)));
    EXPECT_EQ(copied.outcome.kind, SyncOutcome::Kind::CopiedCountry);
    SCOPED_TRACE("country onto country");
    ExpectUndoRedo(target, beforeCountry, SavedBytes(target.World()));
}

TEST_F(ChangeJournalTest, AClubNumberGapSurvivesUndoOfALaterChange) {
    // Deleting a club leaves a gap in the club numbers; a later change of the same country,
    // undone, must not close it (other countries and the selection refer to clubs by ID).
    const Files original = SavedBytes(World());
    ASSERT_TRUE(DeleteClub(*session_, clubs_[0]));
    const Files afterDelete = SavedBytes(World());
    ASSERT_TRUE(RemovePlayersAndManagers(*session_, clubs_[2], harness_.prompt, "Editor"));
    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_EQ(Country().FindClub(clubs_[0]), nullptr);
    EXPECT_NE(Country().FindClub(clubs_[1]), nullptr);
    EXPECT_NE(Country().FindClub(clubs_[2]), nullptr);
    EXPECT_GT(Country().FindClub(clubs_[2])->PlayerCount(), 0u);
    EXPECT_EQ(SavedBytes(World()), afterDelete);
    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_EQ(SavedBytes(World()), original);
}

TEST_F(ChangeJournalTest, ModifiedUntilSavedAndAgainAfterUndoingPastTheSave) {
    EXPECT_FALSE(session_->IsModified());
    ASSERT_TRUE(DeleteClub(*session_, clubs_[0]));
    EXPECT_TRUE(session_->IsModified());
    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_FALSE(session_->IsModified()); // back at the loaded state
    ASSERT_TRUE(session_->Journal().Redo());
    session_->Journal().MarkSaved();
    EXPECT_FALSE(session_->IsModified());
    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_TRUE(session_->IsModified());
    // A new change after the undo drops the redo; the saved state cannot come back.
    ASSERT_TRUE(DeleteClub(*session_, clubs_[1]));
    EXPECT_FALSE(session_->Journal().CanRedo());
    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_TRUE(session_->IsModified());
}

TEST_F(ChangeJournalTest, NamesInBothLanguagesAndAFailedChangePutsItsScopeBack) {
    ASSERT_TRUE(DeleteClub(*session_, clubs_[0]));
    EXPECT_EQ(session_->Journal().UndoName(InterfaceLanguage::English), "Delete club");
    EXPECT_EQ(session_->Journal().UndoName(InterfaceLanguage::Russian), "Удалить клуб");
    EXPECT_EQ(session_->Journal().RedoName(InterfaceLanguage::English), "");

    const Files before = SavedBytes(World());
    const size_t entries = session_->Journal().Size();
    const Outcome outcome =
        session_->Journal().Apply("half done", ChangeScope::Country(number_), [&] {
            Country().RemoveClub(clubs_[1]);
            return Outcome::Failed;
        });
    EXPECT_EQ(outcome, Outcome::Failed);
    EXPECT_EQ(session_->Journal().Size(), entries);
    EXPECT_NE(Country().FindClub(clubs_[1]), nullptr);
    EXPECT_EQ(SavedBytes(World()), before);
}

TEST_F(ChangeJournalTest, OnlyTheNewestEntriesAreKept) {
    ChangeJournal journal(*session_, 2);
    for (int i = 0; i < 3; ++i) {
        journal.Apply("delete", ChangeScope::Country(number_), [&, i] {
            Country().RemoveClub(clubs_[static_cast<size_t>(i)]);
            return Outcome::Changed;
        });
    }
    EXPECT_EQ(journal.Size(), 2u);
    EXPECT_TRUE(journal.Undo());
    EXPECT_TRUE(journal.Undo());
    EXPECT_FALSE(journal.Undo());
    EXPECT_EQ(Country().FindClub(clubs_[0]), nullptr); // the oldest change stays
    EXPECT_NE(Country().FindClub(clubs_[1]), nullptr);
    EXPECT_TRUE(journal.IsModified());
}

TEST_F(ChangeJournalTest, APersonMovingBetweenTheClubAndTheFreeAgentsComesBackBothWays) {
    ASSERT_FALSE(World().PlayersWithoutClub().empty());
    const uint32_t agent = World().PlayersWithoutClub().front();
    CClub& club = *Country().FindClub(clubs_[0]);
    const uint32_t player = club.PlayerId(0);
    const Files before = SavedBytes(World());

    ChangeScope scope = ChangeScope::Country(number_);
    scope.playersWithoutClub = true;
    session_->Journal().Apply("swap", scope, [&] {
        CClub& target = *Country().FindClub(clubs_[0]);
        std::vector<uint32_t>& without = World().PlayersWithoutClub();
        without.erase(std::find(without.begin(), without.end(), agent));
        target.RemovePlayer(player);
        target.AddPlayer(agent);
        without.push_back(player);
        return Outcome::Changed;
    });
    const Files after = SavedBytes(World());
    ExpectUndoRedo(*session_, before, after);
    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_NE(World().FindPlayer(agent), nullptr);
    EXPECT_NE(World().FindPlayer(player), nullptr);
    EXPECT_TRUE(Country().FindClub(clubs_[0])->HasPlayer(player));
}

// A change made in place over time keeps each country when it is first included: a person moved
// into a second country and edited there is undone in both, and an abandoned change leaves
// the bytes as they were and records nothing.
TEST_F(ChangeJournalTest, OpenChangeKeepsEachCountryWhenFirstIncluded) {
    int other = 0;
    for (int number = 1; number <= CWorld::kCountryCount && other == 0; ++number) {
        if (number != number_ && !OrdinaryClubs(*World().GetCountry(number)).empty()) {
            other = number;
        }
    }
    ASSERT_NE(other, 0);
    const uint32_t target = OrdinaryClubs(*World().GetCountry(other)).front();
    CClub& from = *Country().FindClub(clubs_[0]);
    ASSERT_GT(from.PlayerCount(), 0u);
    const uint32_t person = from.PlayerId(0);
    const Files before = SavedBytes(World());

    {
        auto change = session_->Journal().Begin("Test");
        change->IncludeCountry(number_);
        World().FindPlayer(person)->SetSurname("Moved");
        change->IncludeCountry(number_); // kept already: the edit above stays inside the change
        change->IncludeCountry(other);
        ASSERT_TRUE(from.RemovePlayer(person));
        ASSERT_TRUE(World().GetCountry(other)->FindClub(target)->AddPlayer(person));
        change->Abandon();
    }
    EXPECT_EQ(Differences(SavedBytes(World()), before), "");
    EXPECT_FALSE(session_->Journal().CanUndo());

    {
        auto change = session_->Journal().Begin("Test");
        change->IncludeCountry(number_);
        World().FindPlayer(person)->SetSurname("Moved");
        change->IncludeCountry(other);
        ASSERT_TRUE(Country().FindClub(clubs_[0])->RemovePlayer(person));
        ASSERT_TRUE(World().GetCountry(other)->FindClub(target)->AddPlayer(person));
        change->Commit();
    }
    EXPECT_TRUE(session_->IsModified());
    ExpectUndoRedo(*session_, before, SavedBytes(World()));
}

} // namespace
} // namespace tallo
