// The main window model on the small sample: the country list per continent with what it
// remembers, the club list and its sort orders, the statistics, the database menu, the title,
// the command table and the commands that the window runs itself.

#include "editing/main_window/main_window_model.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <set>
#include <thread>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "editing/main_window/club_commands.h"
#include "editing/main_window/command_ids.h"
#include "editing/main_window/editor_dialogs.h"
#include "editing/main_window/main_window_dialogs.h"
#include "editing/main_window/synchronisation_model.h"
#include "editing/main_window/user_database_dialog.h"
#include "editing/session/database_session.h"
#include "editing/session/open_databases.h"
#include "editing/editing_test_support.h"
#include "formats/string_table.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

namespace fs = std::filesystem;
using test::EditorHarness;
using test::SavedBytes;

constexpr InterfaceLanguage kEnglish = InterfaceLanguage::English;
constexpr InterfaceLanguage kRussian = InterfaceLanguage::Russian;

// The view's dialogs, answering from what the test sets.
class FakeDialogs : public IMainWindowDialogs {
public:
    std::optional<std::string> AskNewDatabaseName() override { return newDatabase; }
    std::optional<std::string> ChooseDatabaseToOpen(UserDatabaseDialogModel& model) override {
        listed = model.Names();
        return open;
    }
    std::optional<SaveAsChoice> ChooseSaveAsName(UserDatabaseDialogModel&) override {
        return saveAs;
    }
    std::optional<std::string> AskNewClubName() override { return newClub; }
    void RunSynchronisation(SynchronisationModel& model) override {
        synchronised = true;
        names = model.DatabaseNames();
    }
    std::optional<uint32_t> ChooseCountryParts(uint32_t mask) override { return mask; }
    std::optional<uint32_t> ChooseClubParts(uint32_t mask) override { return mask; }

    std::optional<std::string> newDatabase;
    std::optional<std::string> open;
    std::optional<SaveAsChoice> saveAs;
    std::optional<std::string> newClub;
    std::vector<std::string> listed;
    std::vector<std::string> names;
    bool synchronised = false;
};

// A later part of the editor that supports the club settings only.
class FakeEditors : public IEditorDialogs {
public:
    bool Supports(int command) const override { return command == Command::kClubSettings; }
    void Run(int command, const EditorSelection& selection) override {
        ran.push_back(command);
        club = selection.club;
    }
    std::vector<int> ran;
    uint32_t club = 0;
};

int RowOf(const std::vector<CountryRow>& rows, int number) {
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].number == number) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

class MainWindowModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        model_ = std::make_unique<MainWindowModel>(*harness_.databases, &dialogs_, &editors_);
        const StartOutcome start = model_->Initialise(true, "Editor");
        ASSERT_FALSE(start.closeWindow);
        ASSERT_TRUE(start.loaded);
        harness_.prompt.ClearCalls();
    }

    DatabaseSession& Session() { return *harness_.databases->Current(); }
    CWorld& World() { return Session().World(); }

    // Selects the country with the most clubs; returns its number.
    int SelectBiggestCountry() {
        int best = 0;
        int bestContinent = 0;
        for (int number = 1; number <= CWorld::kCountryCount; ++number) {
            const CCountry* country = World().GetCountry(number);
            if (best == 0 || country->GetClubCount() > World().GetCountry(best)->GetClubCount()) {
                best = number;
                bestContinent = static_cast<int>(country->continent);
            }
        }
        model_->OnContinentChanged(bestContinent);
        model_->OnCountrySelected(RowOf(model_->Countries(), best));
        return best;
    }

    int RowOfClub(uint32_t id) const {
        const auto& rows = model_->Clubs();
        for (size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].clubId == id) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    EditorHarness harness_;
    FakeDialogs dialogs_;
    FakeEditors editors_;
    std::unique_ptr<MainWindowModel> model_;
};

TEST_F(MainWindowModelTest, StartsOnCountry14OfEuropeWithTheGameDatabaseInTheTitle) {
    EXPECT_TRUE(model_->IsInitialised());
    EXPECT_EQ(model_->Continent(), 0);
    EXPECT_EQ(model_->SelectedCountry(), 14);
    ASSERT_GE(model_->SelectedCountryRow(), 0);
    EXPECT_EQ(model_->Countries()[static_cast<size_t>(model_->SelectedCountryRow())].number, 14);
    EXPECT_EQ(model_->Title(), "Editor - Database");
    EXPECT_TRUE(fs::exists(harness_.install + "/database/default.tdb")); // the safety copy
    // The country list holds Europe's countries by name; the club list starts on its first row.
    for (const CountryRow& row : model_->Countries()) {
        EXPECT_EQ(World().GetCountry(row.number)->continent, 0u);
    }
    EXPECT_EQ(model_->SelectedClubRow(), model_->Clubs().empty() ? -1 : 0);
}

TEST_F(MainWindowModelTest, SwitchingTheContinentAndBackRestoresTheCountryAndItsTopRow) {
    const auto& europe = model_->Countries();
    ASSERT_GE(europe.size(), 6u);
    const int number = europe[5].number;
    model_->OnCountryScrolled(3);
    model_->OnCountrySelected(5);
    EXPECT_EQ(model_->SelectedCountry(), number);

    model_->OnContinentChanged(1);
    EXPECT_EQ(model_->Continent(), 1);
    EXPECT_NE(model_->SelectedCountry(), number);
    model_->OnCountryScrolled(0);

    model_->OnContinentChanged(0);
    EXPECT_EQ(model_->SelectedCountry(), number);
    EXPECT_EQ(model_->SelectedCountryRow(), 5);
    EXPECT_EQ(model_->CountryTopRow(), 3);
    // The same continent again changes nothing.
    model_->OnContinentChanged(0);
    EXPECT_EQ(model_->SelectedCountry(), number);
}

TEST_F(MainWindowModelTest, AContinentWithoutCountriesGivesAnEmptyListAndCountry21) {
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        CCountry* country = World().GetCountry(number);
        if (country->continent == 5) {
            country->continent = 4;
        }
    }
    model_->OnContinentChanged(5);
    EXPECT_TRUE(model_->Countries().empty());
    EXPECT_EQ(model_->SelectedCountryRow(), -1);
    EXPECT_EQ(model_->SelectedCountry(), 21);
}

TEST_F(MainWindowModelTest, NewOpenAndImportAreGreyedFromFiveOpenDatabases) {
    const std::string folder = harness_.install + "/database";
    for (int open = 2; open <= 5; ++open) {
        ASSERT_NE(harness_.databases->OpenFolder(folder), nullptr);
        const bool enabled = open < 5;
        for (int id : {Command::kNew, Command::kOpen, Command::kImport}) {
            EXPECT_EQ(model_->Command(id, kEnglish).enabled, enabled) << id << " with " << open;
        }
    }
    // With five open, New shows no dialog and makes nothing.
    dialogs_.newDatabase = "Sixth";
    model_->OnCommand(Command::kNew);
    EXPECT_EQ(harness_.databases->Count(), 5u);
    EXPECT_TRUE(model_->Command(Command::kClose, kEnglish).enabled);
}

TEST_F(MainWindowModelTest, ALongFolderNameShowsItsLast37CharactersWithCapitalsAfterBlanks) {
    const std::string fifty = "a very long name of a database folder for tests xy";
    ASSERT_EQ(fifty.size(), 50u);
    const std::string folder = harness_.dir / fifty;
    fs::copy(harness_.install + "/database", folder, fs::copy_options::recursive);
    ASSERT_NE(harness_.databases->OpenFolder(folder), nullptr);
    model_->RefreshFromDatabase();

    const std::vector<DatabaseMenuEntry> menu = model_->DatabaseMenu();
    ASSERT_EQ(menu.size(), 2u);
    EXPECT_EQ(menu[0].text, "1. Database");
    EXPECT_FALSE(menu[0].current);
    EXPECT_TRUE(menu[1].current);
    // "..." and the last 37 characters, every letter after a blank in upper case.
    EXPECT_EQ(fifty.substr(13), "ame of a database folder for tests xy");
    EXPECT_EQ(menu[1].text, "2. ...ame Of A Database Folder For Tests Xy");
    EXPECT_EQ(DatabaseMenuName("x/" + std::string(40, 'b')),
              std::string(1, 'B') + std::string(39, 'b'));
    // The title capitalises after blanks only from the base title's end on.
    EXPECT_EQ(WindowTitle("my editor", "new data base", false), "my editor - New Data Base");
    EXPECT_EQ(WindowTitle("my editor", "x", true), "my editor - X*");
}

TEST_F(MainWindowModelTest, ClubListByLeagueHasTheNationalTeamFirstAndClubsWithoutALeagueLast) {
    const int number = SelectBiggestCountry();
    const uint32_t added =
        AddNewClub(Session(), number, "Aaa Without League", harness_.prompt, "Editor");
    ASSERT_NE(added, 0u);
    model_->OnCommand(Command::kSortByLeague);
    EXPECT_TRUE(model_->Command(Command::kSortByLeague, kEnglish).checked);
    const auto& rows = model_->Clubs();
    ASSERT_GE(rows.size(), 3u);
    EXPECT_TRUE(rows.front().nationalTeam);
    EXPECT_EQ(rows.front().text, rows.front().name + "\t\t");
    EXPECT_EQ(rows.back().clubId, added);
    EXPECT_TRUE(rows.back().league.empty());
    // Clubs with a league come in league order, within a league by level, best first.
    bool leaguesSeen = false;
    for (size_t i = 1; i + 1 < rows.size(); ++i) {
        if (rows[i].league.empty()) {
            EXPECT_TRUE(rows[i + 1].league.empty()) << "a club without league before one with";
            continue;
        }
        leaguesSeen = true;
        if (rows[i].league == rows[i + 1].league) {
            EXPECT_GE(rows[i].level + 0.01, rows[i + 1].level);
        }
    }
    EXPECT_TRUE(leaguesSeen);
    // By level: descending; by name: the national team first still.
    model_->OnCommand(Command::kSortByLevel);
    for (size_t i = 1; i + 1 < model_->Clubs().size(); ++i) {
        EXPECT_GE(model_->Clubs()[i].level + 0.001, model_->Clubs()[i + 1].level);
    }
    model_->OnCommand(Command::kSortByClub);
    EXPECT_TRUE(model_->Clubs().front().nationalTeam);
    EXPECT_NE(model_->Clubs().back().clubId, added); // "Aaa" sorts near the top now
}

TEST_F(MainWindowModelTest, DeletingTheNationalTeamDoesNothing) {
    const int number = SelectBiggestCountry();
    ASSERT_TRUE(model_->Clubs().front().nationalTeam);
    model_->OnClubSelected(0);
    EXPECT_FALSE(model_->Command(Command::kDeleteClub, kEnglish).enabled);
    const auto before = SavedBytes(World());
    model_->OnCommand(Command::kDeleteClub);
    const uint32_t national = ClubId::Make(number, ClubId::kNationalTeamNumber);
    EXPECT_FALSE(DeleteClub(Session(), national));
    EXPECT_NE(World().GetCountry(number)->FindClub(national), nullptr);
    EXPECT_EQ(SavedBytes(World()), before);
    EXPECT_FALSE(Session().Journal().CanUndo());
    EXPECT_EQ(model_->Title(), "Editor - Database");

    // An ordinary club goes, the row stays selected on the next club, and Undo names it.
    model_->OnClubSelected(1);
    const uint32_t doomed = model_->SelectedClub();
    model_->OnCommand(Command::kDeleteClub);
    EXPECT_EQ(World().GetCountry(number)->FindClub(doomed), nullptr);
    EXPECT_EQ(model_->SelectedClubRow(), 1);
    EXPECT_NE(model_->SelectedClub(), doomed);
    EXPECT_EQ(model_->Title(), "Editor - Database*");
    EXPECT_EQ(model_->UndoText(kEnglish), "Undo: Delete club");
    EXPECT_EQ(model_->Command(Command::kUndo, kRussian).name, "Отменить: Удалить клуб");
    model_->OnCommand(Command::kUndo);
    EXPECT_NE(World().GetCountry(number)->FindClub(doomed), nullptr);
    EXPECT_EQ(model_->Title(), "Editor - Database");
    EXPECT_EQ(model_->RedoText(kEnglish), "Redo: Delete club");
}

TEST_F(MainWindowModelTest, AMissingRendererShows844AndClosesWithoutTheExitQuestion) {
    EditorHarness other;
    MainWindowModel model(*other.databases, nullptr, nullptr);
    const StartOutcome start = model.Initialise(false, "Editor");
    EXPECT_TRUE(start.closeWindow);
    EXPECT_FALSE(model.IsInitialised());
    ASSERT_EQ(other.prompt.CountOf(PromptCall::Kind::Message), 1u);
    EXPECT_EQ(other.prompt.Calls().back().text, LoadString(844));
    EXPECT_TRUE(model.RequestClose());
    EXPECT_EQ(other.prompt.CountOf(PromptCall::Kind::YesNo), 0u);

    // Once initialised, closing asks question 574 and a no keeps the window.
    harness_.prompt.QueueAnswer(false);
    EXPECT_FALSE(model_->OnCommand(Command::kExit).closeWindow);
    EXPECT_EQ(harness_.prompt.Calls().back().text, LoadString(574));
    EXPECT_TRUE(model_->OnCommand(Command::kExit).closeWindow);
}

TEST_F(MainWindowModelTest, StatisticsCountTheCountryAndTheDatabase) {
    const int number = SelectBiggestCountry();
    const CCountry& country = *World().GetCountry(number);
    const CountryStatistics& stats = model_->CountryStats();
    EXPECT_EQ(static_cast<size_t>(stats.clubs), country.GetOrdinaryClubCount());
    int persons = 0;
    for (const auto& [id, club] : country.Clubs()) {
        persons += static_cast<int>(club->PlayerCount());
    }
    EXPECT_EQ(stats.persons, persons);
    EXPECT_EQ(stats.talents[0] + stats.talents[1] + stats.talents[2] + stats.talents[3] +
                  stats.talents[4],
              persons);
    EXPECT_GT(stats.leagues, 0);
    EXPECT_GT(stats.PersonLevel(), 0);

    const DatabaseStatistics& total = model_->DatabaseStats();
    const DatabaseStatistics counted = CountDatabaseStatistics(World());
    EXPECT_EQ(total.clubs, counted.clubs);
    EXPECT_EQ(total.persons, counted.persons);
    EXPECT_GE(total.persons, persons);
    EXPECT_DOUBLE_EQ(total.personLevelSum, counted.personLevelSum);

    // Every label once, with the two levels as "%2.2f".
    std::set<int> labels;
    for (const StatisticsValue& value : model_->StatisticsValues()) {
        EXPECT_TRUE(labels.insert(value.label).second) << value.label;
    }
    EXPECT_EQ(labels.size(), 20u);
    for (const StatisticsValue& value : model_->StatisticsValues()) {
        if (value.label == StatisticsLabel::kDatabaseClubLevel) {
            EXPECT_EQ(value.text, FormatLevel(total.ClubLevel()));
        }
    }

    // After a change the kept statistics follow: the deleted club's persons are gone.
    model_->OnClubSelected(1);
    const uint32_t club = model_->SelectedClub();
    const int listed = static_cast<int>(country.FindClub(club)->PlayerCount());
    model_->OnCommand(Command::kDeleteClub);
    EXPECT_EQ(model_->DatabaseStats().persons, counted.persons - listed);
    EXPECT_EQ(model_->DatabaseStats().clubs, counted.clubs - 1);
    model_->OnCommand(Command::kUndo);
    EXPECT_EQ(model_->DatabaseStats().persons, counted.persons);
}

TEST_F(MainWindowModelTest, EveryCommandHasANameInBothLanguagesAndWaitingOnesAreGreyed) {
    for (const CommandInfo& info : MainWindowCommands()) {
        if (info.place == CommandPlace::Keyboard) {
            continue;
        }
        EXPECT_FALSE(CommandName(info.id, kEnglish).empty()) << info.id;
        EXPECT_FALSE(CommandName(info.id, kRussian).empty()) << info.id;
    }
    EXPECT_EQ(CommandName(Command::kWrongBadges, kRussian), "Проверка на неправильные Эмблемы");
    EXPECT_EQ(CommandName(Command::kFirstDatabase + 2, kEnglish), "Database 3");
    const std::vector<int> external = ExternalCommands();
    for (int id : {Command::kClubSettings, Command::kSquadList, Command::kCountrySettings,
                   Command::kGlobalSettings, Command::kContinentalSettings, Command::kNationalTeams,
                   Command::kFastTransfer, Command::kPlayerSearch, Command::kFreeAgents,
                   Command::kPlayerDoubles, Command::kPlayerComparison,
                   Command::kAdminWriteConsoleDatabase}) {
        EXPECT_NE(std::find(external.begin(), external.end(), id), external.end()) << id;
    }
    // Supported: enabled and run with the selection; not supported yet: greyed and not run.
    SelectBiggestCountry();
    model_->OnClubSelected(1);
    EXPECT_TRUE(model_->Command(Command::kClubSettings, kEnglish).enabled);
    EXPECT_FALSE(model_->Command(Command::kSquadList, kEnglish).enabled);
    model_->OnCommand(Command::kClubSettings);
    model_->OnCommand(Command::kSquadList);
    ASSERT_EQ(editors_.ran, std::vector<int>{Command::kClubSettings});
    EXPECT_EQ(editors_.club, model_->SelectedClub());
    // The admin tools are in the menu only with the admin word.
    EXPECT_FALSE(model_->Command(Command::kAdminRenameStaff, kEnglish).visible);
    AppState::Instance().SetAdminMode(true);
    EXPECT_TRUE(model_->Command(Command::kAdminRenameStaff, kEnglish).visible);
    AppState::Instance().SetAdminMode(false);
    // Enter and Escape are handled and do nothing.
    EXPECT_TRUE(model_->OnCommand(Command::kOk).handled);
    EXPECT_FALSE(model_->OnCommand(Command::kCancel).closeWindow);
    EXPECT_FALSE(model_->OnCommand(12345).handled);
}

TEST_F(MainWindowModelTest, EachDatabaseKeepsItsOwnSelectionAndJournal) {
    const int number = SelectBiggestCountry();
    model_->OnClubSelected(2);
    const uint32_t club = model_->SelectedClub();
    model_->OnCommand(Command::kDeleteClub);

    ASSERT_NE(harness_.databases->OpenFolder(harness_.install + "/database"), nullptr);
    model_->RefreshFromDatabase();
    EXPECT_EQ(model_->SelectedCountry(), 14); // the new database's own start
    EXPECT_FALSE(model_->Command(Command::kUndo, kEnglish).enabled);
    EXPECT_EQ(model_->Title(), "Editor - Database");
    model_->OnContinentChanged(1);

    model_->OnCommand(Command::kFirstDatabase);
    EXPECT_EQ(model_->SelectedCountry(), number);
    EXPECT_EQ(model_->SelectedClubRow(), 2);
    EXPECT_NE(model_->SelectedClub(), club);
    EXPECT_TRUE(model_->Command(Command::kUndo, kEnglish).enabled);
    EXPECT_EQ(model_->Title(), "Editor - Database*");
    // Switching to a position beyond the open databases changes nothing.
    model_->OnCommand(Command::kFirstDatabase + 4);
    EXPECT_EQ(harness_.databases->IndexOf(harness_.databases->Current()), 0);
    model_->OnCommand(Command::kNextDatabase);
    EXPECT_EQ(harness_.databases->IndexOf(harness_.databases->Current()), 1);
    EXPECT_EQ(model_->Continent(), 1);
}

TEST_F(MainWindowModelTest, FileCommandsCreateSaveAndCloseUserDatabases) {
    dialogs_.newDatabase = "Mine";
    model_->OnCommand(Command::kNew);
    ASSERT_EQ(harness_.databases->Count(), 2u);
    EXPECT_EQ(model_->Title(), "Editor - Mine");
    // Save as: the first database under a name, then listed by the open dialog.
    model_->OnCommand(Command::kFirstDatabase);
    dialogs_.saveAs = SaveAsChoice{"Copy", "a comment"};
    model_->OnCommand(Command::kSaveAs);
    EXPECT_EQ(model_->Title(), "Editor - Copy");
    EXPECT_TRUE(fs::exists(harness_.dir / "documents/Database/Copy/Country1.sav"));
    dialogs_.open = "Copy";
    model_->OnCommand(Command::kOpen);
    EXPECT_EQ(dialogs_.listed, (std::vector<std::string>{"Copy", "Mine"}));
    ASSERT_EQ(harness_.databases->Count(), 3u);
    // Close asks 859; the first database becomes current.
    model_->OnCommand(Command::kClose);
    EXPECT_EQ(harness_.databases->Count(), 2u);
    EXPECT_EQ(model_->Title(), "Editor - Copy");
    // A name the check refuses makes nothing and says why.
    dialogs_.newDatabase = "..";
    harness_.prompt.ClearCalls();
    model_->OnCommand(Command::kNew);
    EXPECT_EQ(harness_.databases->Count(), 2u);
    EXPECT_EQ(harness_.prompt.CountOf(PromptCall::Kind::Message), 1u);
    // Synchronise shows the dialog on the open databases.
    model_->OnCommand(Command::kSynchronise);
    EXPECT_TRUE(dialogs_.synchronised);
    EXPECT_EQ(dialogs_.names, (std::vector<std::string>{"Copy", "Mine"}));
}

TEST_F(MainWindowModelTest, ADamagedLoadAsksBeforeTheFirstSave) {
    const std::string folder = harness_.dir / "damaged";
    fs::copy(harness_.install + "/database", folder, fs::copy_options::recursive);
    // Country 14 cut off in the middle of its file.
    const std::string file = folder + "/Country14.sav";
    const std::string bytes = test::ReadFile(file);
    test::WriteFile(file, bytes.substr(0, bytes.size() / 2));
    ASSERT_NE(harness_.databases->OpenFolder(folder), nullptr);
    ASSERT_TRUE(World().HasLoadDamage());
    model_->RefreshFromDatabase();

    harness_.prompt.ClearCalls();
    harness_.prompt.QueueAnswer(false);
    model_->OnCommand(Command::kSave);
    EXPECT_EQ(test::ReadFile(file), bytes.substr(0, bytes.size() / 2)); // nothing written
    EXPECT_EQ(harness_.prompt.CountOf(PromptCall::Kind::YesNo), 1u);
    model_->OnCommand(Command::kSave); // yes
    model_->OnCommand(Command::kSave); // asked once only
    EXPECT_EQ(harness_.prompt.CountOf(PromptCall::Kind::YesNo), 2u);
    EXPECT_NE(test::ReadFile(file), bytes.substr(0, bytes.size() / 2));
}

TEST_F(MainWindowModelTest, SynchronisationTreesHoldEveryCountryAndNoNationalTeam) {
    SynchronisationModel model(*harness_.databases, {}, {});
    const std::vector<SyncTreeNode> tree = model.BuildTree(0);
    ASSERT_EQ(tree.size(), 6u);
    EXPECT_EQ(tree[3].text, LoadString(513)); // Africa is the fourth continent
    std::set<int> countries;
    for (const SyncTreeNode& continent : tree) {
        EXPECT_FALSE(continent.recordText);
        for (const SyncTreeNode& country : continent.children) {
            countries.insert(country.item.country);
            for (const SyncTreeNode& club : country.children) {
                EXPECT_EQ(club.item.Level(), 3);
                EXPECT_FALSE(ClubId::IsNationalTeam(club.item.club));
            }
        }
    }
    EXPECT_EQ(countries.size(), 206u);
    EXPECT_TRUE(countries.count(206));
    // Unlike items say why not (846) and change nothing.
    harness_.prompt.ClearCalls();
    const SyncDropResult refused =
        model.Drop(SyncItem::Continent(0, 0), SyncItem::Country(0, 0, 14));
    EXPECT_EQ(refused.outcome.messageId, 846);
    EXPECT_FALSE(refused.targetChanged);
    EXPECT_EQ(model.Drop(SyncItem::Continent(0, 0), SyncItem::Continent(0, 1)).outcome.messageId,
              847);
    EXPECT_FALSE(Session().Journal().CanUndo());
}

TEST_F(MainWindowModelTest, WrongBadgesAreListedForTheErrorWindow) {
    // The sample leaves a few badges incomplete on purpose; they are listed, one text each.
    const size_t incomplete = model_->CheckWrongBadges().size();
    EXPECT_GT(incomplete, 0u);
    EXPECT_EQ(harness_.prompt.CountOf(PromptCall::Kind::ErrorWindow), 1u);
    const int number = SelectBiggestCountry();
    CClub& club = *World().GetCountry(number)->FindClub(model_->Clubs()[1].clubId);
    ASSERT_TRUE(club.SetBadgeFile("XX\\Badge180\\missing.tga"));
    model_->OnCommand(Command::kWrongBadges);
    const std::vector<std::string> texts = model_->CheckWrongBadges();
    ASSERT_EQ(texts.size(), incomplete + 1);
    size_t mentioning = 0;
    for (const std::string& text : texts) {
        mentioning += text.find("missing.tga") != std::string::npos ? 1 : 0;
    }
    EXPECT_EQ(mentioning, 1u);
    EXPECT_EQ(harness_.prompt.CountOf(PromptCall::Kind::ErrorWindow), 3u);
}

TEST_F(MainWindowModelTest, TheGameDatabaseIsWrittenBehindTheProgressDisplay) {
    model_->OnCommand(Command::kWriteGameDatabase);
    EXPECT_TRUE(fs::exists(harness_.install + "/database/Master.dat"));
    const auto title = harness_.progress.Last(ProgressCall::Kind::Title);
    ASSERT_TRUE(title.has_value());
    EXPECT_EQ(title->text, LoadString(833));
    EXPECT_NE(title->thread, std::this_thread::get_id()); // the work ran on a worker
    EXPECT_FALSE(Session().Journal().CanUndo());          // nothing of the database changed
}

TEST_F(MainWindowModelTest, RestoreBringsBackTheSafetyCopyAndCanBeUndone) {
    const int number = SelectBiggestCountry();
    const auto original = SavedBytes(World());
    model_->OnClubSelected(1);
    model_->OnCommand(Command::kDeleteClub);
    const auto deleted = SavedBytes(World());
    ASSERT_TRUE(model_->Command(Command::kRestore, kEnglish).enabled);
    harness_.prompt.ClearCalls();
    model_->OnCommand(Command::kRestore);
    EXPECT_EQ(harness_.prompt.Calls().front().text, LoadString(897));
    EXPECT_EQ(SavedBytes(World()), original);
    EXPECT_EQ(model_->SelectedCountry(), 14); // the restored database's own selection
    EXPECT_EQ(model_->UndoText(kEnglish), "Undo: Restore the game database");
    model_->OnCommand(Command::kUndo);
    EXPECT_EQ(SavedBytes(World()), deleted);
    // The database before the restore comes back with its own selection.
    EXPECT_EQ(model_->SelectedCountry(), number);
    EXPECT_EQ(model_->Clubs().size(), World().GetCountry(number)->GetClubCount());
}

} // namespace
} // namespace tallo
