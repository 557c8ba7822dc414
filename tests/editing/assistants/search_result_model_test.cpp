// The player search's result list: the worker's display handshake and its stop, the rows and
// their order, showing a club, and the transfer, take and release commands (on a small world
// in memory, and undone and redone through the journal of an open sample database).

#include "editing/assistants/search_result_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "editing/assistants/world_changes.h"
#include "editing/common/record_choosers.h"
#include "editing/editing_test_support.h"
#include "editing/journal/change_journal.h"
#include "editing/journal/journal_target.h"
#include "editing/session/database_session.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

using namespace std::chrono_literals;

// Answers the club chooser with a club set by the test.
class FakeChoosers : public IRecordChoosers {
public:
    std::optional<uint32_t> ChooseClub(int presetCountry, uint32_t presetClub) override {
        askedCountry = presetCountry;
        askedClub = presetClub;
        return club;
    }
    std::optional<ChosenPerson> ChoosePerson(int, uint32_t, uint32_t) override {
        return std::nullopt;
    }

    std::optional<uint32_t> club;
    int askedCountry = -1;
    uint32_t askedClub = 0;
};

// Waits (at most a few seconds) until the search has ended, then takes what it found.
void RunToEnd(SearchResultModel& model) {
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (model.Running() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(1ms);
    }
    ASSERT_FALSE(model.Running());
    model.TakeFound();
}

// The row number of a player's entry, -1 when it was not found.
int RowOf(const SearchResultModel& model, uint32_t player) {
    const std::vector<SearchMatch>& entries = model.Entries();
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].player == player) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

SearchKeys Surname(const std::string& pattern) {
    SearchCriteria criteria;
    criteria.surname = pattern;
    return SearchKeys::From(criteria);
}

// A small world in memory with a journal of its own.
class SearchWorld : public JournalTarget {
public:
    SearchWorld() : journal(*this) {
        for (int number : {3, 4}) {
            for (int slot = 0; slot < CCountry::kLanguageSlots; ++slot) {
                world.GetCountry(number)->SetName(slot, number == 3 ? "Alpha" : "Beta");
            }
        }
        home = world.GetCountry(3)->CreateClub("Home")->Id();
        away = world.GetCountry(4)->CreateClub("Away")->Id();
    }

    CWorld& World() override { return world; }
    DatabaseContents ExchangeContents(DatabaseContents replacement) override { return replacement; }
    void Changed(const ChangeScope*) override {}

    CPlayer& Player(uint32_t club, const std::string& first, const std::string& surname,
                    int birthYear = 1980) {
        CPlayer& player = *world.CreatePlayer(0, true);
        player.SetFirstName(first);
        player.SetSurname(surname);
        player.SetShirtNumber(9);
        player.SetYearJoined(1999);
        player.SetBirthDate(GameDate::FromDate(birthYear, 1, 1));
        if (club != 0) {
            world.FindClub(club)->AddPlayer(player.Id());
        } else {
            world.PlayersWithoutClub().push_back(player.Id());
        }
        return player;
    }

    CWorld world;
    ChangeJournal journal;
    uint32_t home = 0;
    uint32_t away = 0;
};

class SearchResultModelTest : public ::testing::Test {
protected:
    std::unique_ptr<SearchResultModel> Model(const SearchKeys& keys,
                                             const SearchResultSettings& settings = {}) {
        return std::make_unique<SearchResultModel>(
            sample_.world, 0, keys, settings, WorldChanges::Journal(sample_.journal), &choosers_);
    }

    SearchWorld sample_;
    FakeChoosers choosers_;
};

TEST_F(SearchResultModelTest, ThreeEmptyCriteriaEndAtOnceWithAnEmptyList) {
    sample_.Player(sample_.home, "Ivan", "Petrov");
    std::atomic<int> displays = 0;
    std::atomic<int> clubs = 0;
    auto model = Model(SearchKeys{});
    model->SetClubHook([&clubs] { ++clubs; });
    model->SetDisplayRequest([&] {
        ++displays;
        model->Displayed();
    });
    model->Start();
    RunToEnd(*model);
    EXPECT_TRUE(model->Entries().empty());
    EXPECT_TRUE(model->Rows().empty());
    EXPECT_EQ(clubs.load(), 0);
    // The end is shown once.
    EXPECT_EQ(displays.load(), 1);
}

TEST_F(SearchResultModelTest, TheWorkerWaitsForEachDisplayItAsksFor) {
    for (int i = 0; i < 3; ++i) {
        sample_.Player(sample_.home, "P" + std::to_string(i), "Smith");
    }
    std::atomic<int> requests = 0;
    PlayerSearchWorker worker(sample_.world);
    // Every report asks for a display.
    worker.SetDisplayInterval(PlayerSearchWorker::Clock::duration(-1));
    worker.SetDisplayRequest([&requests] { ++requests; });
    worker.Start(Surname("SMITH"));
    for (int shown = 1; shown <= 4; ++shown) {
        const auto deadline = std::chrono::steady_clock::now() + 5s;
        while (requests.load() < shown && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(1ms);
        }
        ASSERT_EQ(requests.load(), shown);
        EXPECT_TRUE(worker.WaitingForDisplay());
        // It goes no further until told the rows are shown.
        std::this_thread::sleep_for(2ms);
        EXPECT_EQ(worker.FoundCount(), static_cast<size_t>(std::min(shown, 3)));
        EXPECT_TRUE(worker.Running());
        worker.Displayed();
    }
    worker.Stop();
    EXPECT_FALSE(worker.Running());
    EXPECT_EQ(worker.Found().size(), 3u);
}

TEST_F(SearchResultModelTest, ClosingWhileTheWorkerRunsEndsTheWorkerFirst) {
    sample_.Player(sample_.home, "Ivan", "Petrov");
    for (int i = 0; i < 200; ++i) {
        sample_.world.GetCountry(5)->CreateClub("Club " + std::to_string(i));
    }
    std::atomic<int> clubs = 0;
    auto model = Model(Surname("*"));
    // A slowed walk: a millisecond before each of the 200 and more clubs.
    model->SetClubHook([&clubs] {
        ++clubs;
        std::this_thread::sleep_for(1ms);
    });
    model->Start();
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (clubs.load() < 3 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(1ms);
    }
    ASSERT_GE(clubs.load(), 3);
    EXPECT_TRUE(model->Running());
    model.reset();
    // The thread has ended: no club is walked after the window went.
    const int walked = clubs.load();
    std::this_thread::sleep_for(3ms);
    EXPECT_EQ(clubs.load(), walked);
    EXPECT_LT(walked, 100);
}

TEST_F(SearchResultModelTest, RowsShowSevenColumnsAndAHeadingClickSorts) {
    const uint32_t young = sample_.Player(sample_.home, "Boris", "Zorin", 1990).Id();
    const uint32_t old = sample_.Player(sample_.away, "Anton", "Zorin", 1970).Id();
    const uint32_t free = sample_.Player(0, "Carl", "Adams", 1980).Id();
    auto model = Model(Surname("*"));
    model->Start();
    RunToEnd(*model);
    ASSERT_EQ(model->Entries().size(), 3u);
    // Surname then first name, ascending, at first.
    std::vector<std::vector<std::string>> rows = model->Rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][1], "Adams");
    EXPECT_EQ(rows[0][5], "");
    EXPECT_EQ(rows[0][6], "");
    EXPECT_EQ(rows[1][0], "Anton");
    EXPECT_EQ(rows[1][5], "Away");
    EXPECT_EQ(rows[1][6], "Beta");
    EXPECT_EQ(rows[2][0], "Boris");
    EXPECT_EQ(rows[2][4], "1.1.1990");
    ASSERT_EQ(rows[2].size(), 7u);
    const auto playerAt = [&model](size_t row) {
        return model->Entries()[static_cast<size_t>(model->RowNumbers()[row])].player;
    };
    EXPECT_EQ(playerAt(0), free);
    // The same heading again turns the order round.
    model->SortBy(SearchResultModel::kSurname);
    EXPECT_FALSE(model->Sort().ascending);
    EXPECT_EQ(playerAt(0), young);
    EXPECT_EQ(playerAt(2), free);
    // Another heading sorts ascending by it.
    model->SortBy(SearchResultModel::kBirthDate);
    EXPECT_TRUE(model->Sort().ascending);
    EXPECT_EQ(playerAt(0), old);
    EXPECT_EQ(playerAt(1), free);
    EXPECT_EQ(playerAt(2), young);
    model->SortBy(SearchResultModel::kCountry);
    EXPECT_EQ(playerAt(0), free);
    EXPECT_EQ(playerAt(1), young);
    EXPECT_EQ(playerAt(2), old);
}

TEST_F(SearchResultModelTest, ShowClubOnlyWhenAllowedAndForAPlayerOfAClub) {
    const uint32_t player = sample_.Player(sample_.home, "Ivan", "Petrov").Id();
    const uint32_t free = sample_.Player(0, "Oleg", "Petrov").Id();
    auto closed = Model(Surname("PETROV"));
    closed->Start();
    RunToEnd(*closed);
    EXPECT_FALSE(closed->ShowClub(RowOf(*closed, player)));
    EXPECT_FALSE(closed->ContextMenuAvailable());

    SearchResultSettings settings;
    settings.showClub = true;
    settings.contextMenu = true;
    auto model = Model(Surname("PETROV"), settings);
    model->Start();
    RunToEnd(*model);
    EXPECT_TRUE(model->ContextMenuAvailable());
    EXPECT_FALSE(model->TakeEnabled());
    EXPECT_FALSE(model->ShowClub(RowOf(*model, free)));
    EXPECT_FALSE(model->ShowClub(-1));
    EXPECT_EQ(model->ChosenClub(), 0u);
    EXPECT_TRUE(model->ShowClub(RowOf(*model, player)));
    EXPECT_EQ(model->ChosenClub(), sample_.home);
}

TEST_F(SearchResultModelTest, TransferToTheOwnClubDoesNothing) {
    CPlayer& player = sample_.Player(sample_.home, "Ivan", "Petrov");
    auto model = Model(Surname("PETROV"), {true, false, 0});
    model->Start();
    RunToEnd(*model);
    choosers_.club = sample_.home;
    EXPECT_FALSE(model->Transfer(RowOf(*model, player.Id())));
    // The chooser opened on the player's club.
    EXPECT_EQ(choosers_.askedCountry, 3);
    EXPECT_EQ(choosers_.askedClub, sample_.home);
    EXPECT_FALSE(model->Changed());
    EXPECT_FALSE(sample_.journal.CanUndo());
    EXPECT_EQ(player.ShirtNumber(), 9);
    EXPECT_TRUE(sample_.world.FindClub(sample_.home)->HasPlayer(player.Id()));
    // A cancelled chooser does nothing either.
    choosers_.club.reset();
    EXPECT_FALSE(model->Transfer(RowOf(*model, player.Id())));
    EXPECT_FALSE(sample_.journal.CanUndo());
}

TEST_F(SearchResultModelTest, TakingAFreePlayerMovesHimOutOfTheFreeListAndSearchesAgain) {
    CPlayer& player = sample_.Player(0, "Ivan", "Petrov");
    SearchResultSettings settings;
    settings.contextMenu = true;
    settings.targetClub = sample_.away;
    auto model = Model(Surname("PETROV"), settings);
    model->Start();
    RunToEnd(*model);
    ASSERT_EQ(model->Entries().size(), 1u);
    EXPECT_TRUE(model->TakeEnabled());
    ASSERT_TRUE(model->Take(0));
    EXPECT_TRUE(model->Changed());
    EXPECT_TRUE(sample_.world.FindClub(sample_.away)->HasPlayer(player.Id()));
    EXPECT_TRUE(sample_.world.PlayersWithoutClub().empty());
    EXPECT_EQ(player.ShirtNumber(), 0);
    EXPECT_EQ(player.YearJoined(), 2003);
    // The search ran again and shows the player in his new club.
    RunToEnd(*model);
    ASSERT_EQ(model->Entries().size(), 1u);
    EXPECT_EQ(model->Entries()[0].club, sample_.away);
    // Taking him again is taking him into his own club: nothing.
    EXPECT_FALSE(model->Take(0));
    // One journal entry, undone as a whole.
    ASSERT_TRUE(sample_.journal.Undo());
    EXPECT_FALSE(sample_.journal.CanUndo());
}

TEST_F(SearchResultModelTest, AYearJoinedFromTheLatestYearOnStays) {
    CPlayer& player = sample_.Player(sample_.home, "Ivan", "Petrov");
    player.SetYearJoined(2005);
    auto model = Model(Surname("PETROV"), {true, false, sample_.away});
    model->Start();
    RunToEnd(*model);
    ASSERT_TRUE(model->Take(0));
    EXPECT_EQ(player.YearJoined(), 2005);
    EXPECT_FALSE(sample_.world.FindClub(sample_.home)->HasPlayer(player.Id()));
    // A release of a player without a club does nothing.
    const uint32_t free = sample_.Player(0, "Oleg", "Petrov").Id();
    RunToEnd(*model);
    EXPECT_FALSE(model->Release(RowOf(*model, free)));
}

// The same commands on the sample database, undone and redone through its journal.
class SearchJournalTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        harness_ = new test::EditorHarness();
        session_ = &harness_->OpenGame();
    }
    static void TearDownTestSuite() {
        delete harness_;
        harness_ = nullptr;
        session_ = nullptr;
    }

    CWorld& World() { return session_->World(); }

    // A country with two ordinary clubs, the first of which lists a player: the player and
    // the clubs.
    struct Found {
        uint32_t player = 0;
        uint32_t from = 0;
        uint32_t to = 0;
    };
    Found FindPlayerAndOtherClub() {
        for (int number = 1; number <= CWorld::kCountryCount; ++number) {
            const CCountry* country = World().GetCountry(number);
            std::vector<const CClub*> clubs;
            for (const auto& [key, club] : country->Clubs()) {
                if (!club->IsNationalTeam()) {
                    clubs.push_back(club.get());
                }
            }
            if (clubs.size() >= 2 && clubs[0]->PlayerCount() > 0) {
                return {clubs[0]->PlayerId(0), clubs[0]->Id(), clubs[1]->Id()};
            }
        }
        return {};
    }

    std::unique_ptr<SearchResultModel> ModelFor(uint32_t player) {
        const CPlayer* record = World().FindPlayer(player);
        SearchCriteria criteria;
        criteria.firstName = std::string(record->FirstName());
        criteria.surname = std::string(record->Surname());
        auto model = std::make_unique<SearchResultModel>(
            World(), 0, SearchKeys::From(criteria), SearchResultSettings{true, false, 0},
            WorldChanges::Journal(session_->Journal()), &choosers_);
        model->Start();
        RunToEnd(*model);
        return model;
    }

    static test::EditorHarness* harness_;
    static DatabaseSession* session_;
    FakeChoosers choosers_;
};

test::EditorHarness* SearchJournalTest::harness_ = nullptr;
DatabaseSession* SearchJournalTest::session_ = nullptr;

TEST_F(SearchJournalTest, ATransferIsUndoneAndRedoneToTheSavedBytes) {
    const Found found = FindPlayerAndOtherClub();
    ASSERT_NE(found.player, 0u);
    const std::map<std::string, std::string> before = test::SavedBytes(World());
    auto model = ModelFor(found.player);
    const int row = RowOf(*model, found.player);
    ASSERT_GE(row, 0);
    choosers_.club = found.to;
    ASSERT_TRUE(model->Transfer(row));
    model->Stop();
    EXPECT_TRUE(World().FindClub(found.to)->HasPlayer(found.player));
    EXPECT_FALSE(World().FindClub(found.from)->HasPlayer(found.player));
    const std::map<std::string, std::string> after = test::SavedBytes(World());
    EXPECT_NE(after, before);

    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_EQ(test::SavedBytes(World()), before);
    ASSERT_TRUE(session_->Journal().Redo());
    EXPECT_EQ(test::SavedBytes(World()), after);
    ASSERT_TRUE(session_->Journal().Undo());
}

TEST_F(SearchJournalTest, AReleaseIsUndoneAndRedoneToTheSavedBytes) {
    const Found found = FindPlayerAndOtherClub();
    ASSERT_NE(found.player, 0u);
    const std::map<std::string, std::string> before = test::SavedBytes(World());
    const size_t freeBefore = World().PlayersWithoutClub().size();
    auto model = ModelFor(found.player);
    ASSERT_TRUE(model->Release(RowOf(*model, found.player)));
    RunToEnd(*model);
    // Found again, now without a club.
    const int row = RowOf(*model, found.player);
    ASSERT_GE(row, 0);
    EXPECT_EQ(model->Entries()[static_cast<size_t>(row)].club, 0u);
    model->Stop();
    EXPECT_EQ(World().PlayersWithoutClub().size(), freeBefore + 1);
    EXPECT_EQ(World().PlayersWithoutClub().back(), found.player);
    const std::map<std::string, std::string> after = test::SavedBytes(World());
    EXPECT_NE(after, before);

    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_EQ(test::SavedBytes(World()), before);
    ASSERT_TRUE(session_->Journal().Redo());
    EXPECT_EQ(test::SavedBytes(World()), after);
    ASSERT_TRUE(session_->Journal().Undo());
}

} // namespace
} // namespace tallo
