// The database list (six at most, the current one, closing) and the user database folders
// (names, creating with the overwrite question, listing, comments, deleting, the scratch folder).

#include "app/database_folders.h"
#include "app/database_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "formats/string_table.h"
#include "platform/environment.h"
#include "platform/scripted_prompt.h"
#include "support/temp_dir.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

class DatabaseListTest : public ::testing::Test {
protected:
    DatabaseListTest() {
        env_.Set("TALLO_DOCUMENTS_DIR", dir_ / "documents");
        DatabaseList::Hooks hooks;
        hooks.clear = [this](CWorld& world) { world.LoadCountryList(dir_ / "none.sav"); };
        list_ = std::make_unique<DatabaseList>(hooks);
    }

    std::string Parent() const { return dir_ / "documents/Database"; }

    TempDir dir_;
    MapEnvironment env_;
    DatabaseFolders folders_{env_};
    ScriptedPrompt prompt_;
    std::unique_ptr<DatabaseList> list_;
};

TEST_F(DatabaseListTest, SixOpenAndTheSeventhIsRefused) {
    std::vector<CWorld*> worlds;
    for (int i = 0; i < 6; ++i) {
        CWorld* world = list_->AddDatabase();
        ASSERT_NE(world, nullptr);
        EXPECT_EQ(list_->GetCurrent(), world); // each new one becomes current
        EXPECT_TRUE(world->IsLoaded());        // and is cleared
        worlds.push_back(world);
    }
    EXPECT_TRUE(list_->IsFull());
    EXPECT_EQ(list_->AddDatabase(), nullptr);
    EXPECT_EQ(list_->CreateDatabase(folders_, "Seventh", prompt_, "Editor"), nullptr);
    fs::create_directories(Parent() + "/Existing");
    EXPECT_EQ(list_->OpenDatabase(folders_, "Existing"), nullptr);
    EXPECT_EQ(list_->Count(), 6u);
    EXPECT_EQ(list_->GetCurrent(), worlds.back());
    EXPECT_FALSE(fs::exists(Parent() + "/Seventh"));
}

TEST_F(DatabaseListTest, SelectingAndRemoving) {
    CWorld* first = list_->AddDatabase();
    CWorld* second = list_->AddDatabase();
    CWorld* third = list_->AddDatabase();
    EXPECT_TRUE(list_->SelectDatabase(1));
    EXPECT_EQ(list_->GetCurrent(), second);
    // "Datenbank 4" with three open changes nothing.
    EXPECT_FALSE(list_->SelectDatabase(3));
    EXPECT_EQ(list_->GetCurrent(), second);
    EXPECT_EQ(list_->GetDatabase(2), third);
    EXPECT_EQ(list_->GetDatabase(3), nullptr);
    EXPECT_EQ(list_->IndexOf(third), 2);

    CWorld stranger;
    EXPECT_EQ(list_->RemoveDatabase(&stranger), nullptr);
    EXPECT_FALSE(list_->SetCurrent(&stranger));
    // Removing the current one makes the first current; the world is handed over, not destroyed.
    std::unique_ptr<CWorld> removed = list_->RemoveDatabase(second);
    EXPECT_EQ(removed.get(), second);
    EXPECT_EQ(list_->GetCurrent(), first);
    EXPECT_EQ(list_->Count(), 2u);
    // Removing another keeps the current one.
    ASSERT_TRUE(list_->SetCurrent(third));
    list_->RemoveDatabase(first);
    EXPECT_EQ(list_->GetCurrent(), third);
}

TEST_F(DatabaseListTest, CloseAsksAndNeverGoesBelowOne) {
    CWorld* first = list_->AddDatabase();
    first->SetDatabaseFolder("/somewhere/Game");
    EXPECT_FALSE(list_->CloseCurrent(prompt_, "Editor"));
    EXPECT_EQ(prompt_.CountOf(PromptCall::Kind::YesNo), 0u); // not even asked

    CWorld* second = list_->AddDatabase();
    second->SetDatabaseFolder("/documents/Database/Mine");
    prompt_.QueueAnswer(false);
    EXPECT_FALSE(list_->CloseCurrent(prompt_, "Editor"));
    EXPECT_EQ(list_->Count(), 2u);
    EXPECT_EQ(prompt_.Calls().back().text, FormatString(859, "Mine"));
    EXPECT_EQ(prompt_.Calls().back().caption, "Editor");

    list_->SelectDatabase(1);
    prompt_.QueueAnswer(true);
    EXPECT_TRUE(list_->CloseCurrent(prompt_, "Editor"));
    EXPECT_EQ(list_->Count(), 1u);
    EXPECT_EQ(list_->GetCurrent(), first);
    prompt_.QueueAnswer(true);
    EXPECT_FALSE(list_->CloseCurrent(prompt_, "Editor"));
    EXPECT_EQ(list_->Count(), 1u);
}

TEST_F(DatabaseListTest, CreateAsksBeforeReplacingAnExistingDatabase) {
    CWorld* game = list_->AddDatabase();
    CWorld* made = list_->CreateDatabase(folders_, "NewDatabase", prompt_, "Editor");
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(list_->GetCurrent(), made);
    EXPECT_EQ(made->DatabaseFolder(), Parent() + "/NewDatabase");
    EXPECT_EQ(list_->CurrentName(), "NewDatabase");
    // Nothing but the comment file is written.
    EXPECT_EQ(
        std::distance(fs::directory_iterator(Parent() + "/NewDatabase"), fs::directory_iterator()),
        1);
    EXPECT_EQ(ReadFile(Parent() + "/NewDatabase/Database.txt"), "");
    EXPECT_EQ(prompt_.CountOf(PromptCall::Kind::YesNo), 0u);

    // The second time the question comes; no keeps everything.
    WriteFile(Parent() + "/NewDatabase/Country1.sav", "kept");
    list_->SetCurrent(game);
    prompt_.QueueAnswer(false);
    EXPECT_EQ(list_->CreateDatabase(folders_, "newdatabase", prompt_, "Editor"), nullptr);
    EXPECT_EQ(prompt_.Calls().back().text, FormatString(863, "newdatabase"));
    EXPECT_EQ(ReadFile(Parent() + "/NewDatabase/Country1.sav"), "kept");
    EXPECT_EQ(list_->Count(), 2u);
    EXPECT_EQ(list_->GetCurrent(), game); // the failed new database is gone again

    // Yes replaces the folder, which then holds only its comment file.
    prompt_.QueueAnswer(true);
    ASSERT_NE(list_->CreateDatabase(folders_, "NewDatabase", prompt_, "Editor"), nullptr);
    EXPECT_FALSE(fs::exists(Parent() + "/NewDatabase/Country1.sav"));
    EXPECT_TRUE(fs::exists(Parent() + "/NewDatabase/Database.txt"));
}

TEST_F(DatabaseListTest, SaveAsWritesTheDatabaseAndItsComment) {
    CWorld* world = list_->AddDatabase();
    world->GetCountry(2)->CreateClub("Saved Club");
    ASSERT_TRUE(list_->SaveAs(folders_, "Copy", "my comment", prompt_, "Editor"));
    EXPECT_EQ(world->DatabaseFolder(), Parent() + "/Copy");
    EXPECT_EQ(ReadFile(Parent() + "/Copy/Database.txt"), "my comment");
    EXPECT_NE(ReadFile(Parent() + "/Copy/Country2.sav").find("Saved Club"), std::string::npos);

    // Opening it gives the club back, in a new current database.
    CWorld* opened = list_->OpenDatabase(folders_, "Copy");
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(list_->GetCurrent(), opened);
    EXPECT_EQ(opened->GetCountry(2)->GetOrdinaryClubCount(), 1u);
    EXPECT_EQ(list_->OpenDatabase(folders_, "Missing"), nullptr);
    EXPECT_EQ(list_->Count(), 2u);
}

// Names and folders -------------------------------------------------------------------------------

TEST(DatabaseName, OneCheckRefusesNamesThatLeaveTheDatabaseFolder) {
    EXPECT_EQ(CheckDatabaseName("NewDatabase"), DatabaseNameProblem::None);
    EXPECT_EQ(CheckDatabaseName("Liga 2003 (mod)"), DatabaseNameProblem::None);
    EXPECT_EQ(CheckDatabaseName("\xD0\x9C\xD0\xBE\xD1\x8F"), DatabaseNameProblem::None); // UTF-8
    EXPECT_EQ(CheckDatabaseName(""), DatabaseNameProblem::Empty);
    EXPECT_EQ(CheckDatabaseName("."), DatabaseNameProblem::DotsOnly);
    EXPECT_EQ(CheckDatabaseName(".."), DatabaseNameProblem::DotsOnly);
    EXPECT_EQ(CheckDatabaseName("a/b"), DatabaseNameProblem::ForbiddenCharacter);
    EXPECT_EQ(CheckDatabaseName("..\\up"), DatabaseNameProblem::ForbiddenCharacter);
    EXPECT_EQ(CheckDatabaseName("c:"), DatabaseNameProblem::ForbiddenCharacter);
    EXPECT_EQ(CheckDatabaseName("what?"), DatabaseNameProblem::ForbiddenCharacter);
    EXPECT_EQ(CheckDatabaseName("tab\there"), DatabaseNameProblem::ControlCharacter);
    EXPECT_EQ(CheckDatabaseName("line\nbreak"), DatabaseNameProblem::ControlCharacter);
    EXPECT_EQ(CheckDatabaseName("name."), DatabaseNameProblem::TrailingDotOrBlank);
    EXPECT_EQ(CheckDatabaseName("name "), DatabaseNameProblem::TrailingDotOrBlank);
    EXPECT_EQ(CheckDatabaseName(std::string(32, 'x')), DatabaseNameProblem::None);
    EXPECT_EQ(CheckDatabaseName(std::string(33, 'x')), DatabaseNameProblem::TooLong);
    EXPECT_EQ(CheckDatabaseName("tempExport"), DatabaseNameProblem::Reserved);
    EXPECT_EQ(CheckDatabaseName("TEMPEXPORT"), DatabaseNameProblem::Reserved);
    EXPECT_STRNE(DatabaseNameProblemText(DatabaseNameProblem::Reserved), "");
}

TEST(DatabaseName, IsTheLastComponentOfTheFolder) {
    EXPECT_EQ(DatabaseNameOf("/home/u/Documents/Database/Mine"), "Mine");
    EXPECT_EQ(DatabaseNameOf("C:\\Games\\database"), "database");
    EXPECT_EQ(DatabaseNameOf("database"), "database");
}

class DatabaseFoldersTest : public DatabaseListTest {};

TEST_F(DatabaseFoldersTest, RefusedNamesNeverTouchTheParent) {
    fs::create_directories(Parent() + "/Mine");
    WriteFile(Parent() + "/Mine/Country1.sav", "mine");
    CWorld world;
    for (const char* name : {"..", ".", "", "Mine/..", "tempExport"}) {
        prompt_.QueueAnswer(true);
        EXPECT_FALSE(folders_.CreateDatabaseFolder(world, name, "", prompt_, "Editor")) << name;
    }
    for (const char* name : {"..", ".", "", "Mine/..", "/", "..\\Mine"}) {
        EXPECT_FALSE(folders_.DeleteUserDatabase(name)) << name;
    }
    EXPECT_EQ(prompt_.CountOf(PromptCall::Kind::YesNo), 0u);
    EXPECT_EQ(ReadFile(Parent() + "/Mine/Country1.sav"), "mine");
    EXPECT_TRUE(world.DatabaseFolder().empty());
}

TEST_F(DatabaseFoldersTest, ListingShowsFoldersOnlyAndNeverTheScratchFolder) {
    EXPECT_TRUE(folders_.ListUserDatabases().empty()); // no Database folder yet
    for (const char* name : {"beta", "Alpha", "tempExport", "gamma"}) {
        fs::create_directories(Parent() + "/" + name);
    }
    WriteFile(Parent() + "/file.txt", "not a database");
    EXPECT_EQ(folders_.ListUserDatabases(), (std::vector<std::string>{"Alpha", "beta", "gamma"}));
    // The dialogs remove a leftover scratch folder when they open.
    EXPECT_EQ(folders_.ListForDialog(), (std::vector<std::string>{"Alpha", "beta", "gamma"}));
    EXPECT_FALSE(fs::exists(Parent() + "/tempExport"));
}

TEST_F(DatabaseFoldersTest, CommentsAreReadUpToTheirLimit) {
    fs::create_directories(Parent() + "/Long");
    fs::create_directories(Parent() + "/None");
    WriteFile(Parent() + "/Long/Database.txt", std::string(2003, 'c') + "cut");
    EXPECT_EQ(folders_.ReadComment("Long"), std::string(2003, 'c'));
    EXPECT_EQ(folders_.ReadComment("None"), "");
    EXPECT_EQ(folders_.ReadComment("../Long"), "");
}

TEST_F(DatabaseFoldersTest, DeleteRemovesOneDatabaseAndFollowsNoLink) {
    fs::create_directories(Parent() + "/Gone/Badge");
    WriteFile(Parent() + "/Gone/Badge/x.tga", "x");
    fs::create_directories(Parent() + "/Stays");
    fs::create_directories(dir_ / "outside");
    WriteFile(dir_ / "outside/keep.sav", "keep");
    fs::create_directory_symlink(dir_ / "outside", Parent() + "/Linked");

    EXPECT_TRUE(folders_.DeleteUserDatabase("Gone"));
    EXPECT_FALSE(fs::exists(Parent() + "/Gone"));
    EXPECT_TRUE(fs::exists(Parent() + "/Stays"));
    EXPECT_TRUE(folders_.DeleteUserDatabase("Linked"));
    EXPECT_EQ(ReadFile(dir_ / "outside/keep.sav"), "keep");
    EXPECT_TRUE(folders_.DeleteUserDatabase("NeverWas"));
    WriteFile(Parent() + "/plain", "a file");
    EXPECT_FALSE(folders_.DeleteUserDatabase("plain"));
    EXPECT_TRUE(fs::exists(Parent() + "/plain"));
}

TEST_F(DatabaseFoldersTest, NoDocumentsFolderMeansNoDatabaseFolder) {
    WriteFile(dir_ / "documents", "a file in the way");
    CWorld world;
    EXPECT_FALSE(folders_.CreateDatabaseFolder(world, "Any", "", prompt_, "Editor"));
    EXPECT_FALSE(folders_.CreateScratchFolder(world));
    EXPECT_TRUE(folders_.ListUserDatabases().empty());
    EXPECT_TRUE(world.DatabaseFolder().empty());
}

} // namespace
} // namespace tallo
