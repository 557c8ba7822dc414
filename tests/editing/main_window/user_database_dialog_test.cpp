// The open and save dialogs of the user databases: what is listed, what the buttons allow,
// the comment fields, and deleting.

#include "editing/main_window/user_database_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/database_folders.h"
#include "formats/string_table.h"
#include "platform/environment.h"
#include "platform/scripted_prompt.h"
#include "support/temp_dir.h"

namespace tallo {
namespace {

namespace fs = std::filesystem;
using Kind = UserDatabaseDialogModel::Kind;

class UserDatabaseDialogTest : public ::testing::Test {
protected:
    UserDatabaseDialogTest() {
        env_.Set("TALLO_DOCUMENTS_DIR", dir_ / "documents");
        MakeDatabase("Alpha", "first comment");
        MakeDatabase("Beta", "");
        MakeDatabase("tempExport", "temp directory"); // a leftover scratch folder
        test::WriteFile(Parent() + "/notes.txt", "a file, not a database");
    }

    std::string Parent() const { return dir_ / "documents/Database"; }
    void MakeDatabase(const std::string& name, const std::string& comment) {
        fs::create_directories(Parent() + "/" + name);
        if (!comment.empty()) {
            test::WriteFile(Parent() + "/" + name + "/Database.txt", comment);
        }
    }

    test::TempDir dir_;
    MapEnvironment env_;
    DatabaseFolders folders_{env_};
    ScriptedPrompt prompt_{true};
};

TEST_F(UserDatabaseDialogTest, OpenDialogListsFoldersOnlyAndRemovesTheScratchFolder) {
    UserDatabaseDialogModel model(Kind::Open, folders_, prompt_, "Editor");
    EXPECT_EQ(model.Names(), (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_FALSE(fs::exists(Parent() + "/tempExport"));
    EXPECT_EQ(model.SelectedRow(), -1);
    EXPECT_FALSE(model.DeleteEnabled());
    EXPECT_FALSE(model.AcceptEnabled());

    model.Select(0);
    EXPECT_TRUE(model.DeleteEnabled());
    EXPECT_TRUE(model.AcceptEnabled());
    EXPECT_EQ(model.Comment(), "first comment");
    EXPECT_EQ(model.ChosenName(), "Alpha");
    model.Select(1);
    EXPECT_EQ(model.Comment(), "");
}

TEST_F(UserDatabaseDialogTest, DeleteAsksAndRemovesTheFolderAndTheEntry) {
    UserDatabaseDialogModel model(Kind::Open, folders_, prompt_, "Editor");
    model.Select(0);
    prompt_.QueueAnswer(false);
    EXPECT_FALSE(model.DeleteSelected());
    EXPECT_TRUE(fs::exists(Parent() + "/Alpha"));
    EXPECT_EQ(prompt_.Calls().back().text, FormatString(814, "Alpha"));

    EXPECT_TRUE(model.DeleteSelected());
    EXPECT_FALSE(fs::exists(Parent() + "/Alpha"));
    EXPECT_EQ(model.Names(), std::vector<std::string>{"Beta"});
    EXPECT_EQ(model.SelectedRow(), -1);
    EXPECT_FALSE(model.DeleteEnabled());
    EXPECT_FALSE(model.AcceptEnabled());
}

TEST_F(UserDatabaseDialogTest, SaveDialogFollowsTheTypedName) {
    UserDatabaseDialogModel model(Kind::Save, folders_, prompt_, "Editor");
    EXPECT_FALSE(model.AcceptEnabled());
    EXPECT_FALSE(model.NewCommentEnabled());

    // A name differing only in case selects that entry and takes its comment.
    model.SetNewName("ALPHA");
    EXPECT_EQ(model.SelectedRow(), 0);
    EXPECT_EQ(model.Comment(), "first comment");
    EXPECT_EQ(model.NewComment(), "first comment");
    EXPECT_TRUE(model.AcceptEnabled());
    EXPECT_TRUE(model.DeleteEnabled());
    EXPECT_EQ(model.ChosenName(), "ALPHA");

    // A new name clears the selection; the comment typed stays.
    model.SetNewComment("my own");
    model.SetNewName("Gamma");
    EXPECT_EQ(model.SelectedRow(), -1);
    EXPECT_EQ(model.NewComment(), "my own");
    EXPECT_TRUE(model.AcceptEnabled());
    EXPECT_FALSE(model.DeleteEnabled());

    // Names the one check refuses leave save off.
    for (const char* refused : {"a/b", "..", "x:y", "tempExport", "bad\tname"}) {
        model.SetNewName(refused);
        EXPECT_FALSE(model.AcceptEnabled()) << refused;
    }
    // An empty name turns the comment off and empties it.
    model.SetNewName("");
    EXPECT_FALSE(model.NewCommentEnabled());
    EXPECT_EQ(model.NewComment(), "");
    EXPECT_FALSE(model.AcceptEnabled());

    // A click on an entry takes its name; an entry without comment empties both fields.
    model.SetNewComment("typed");
    model.Select(1);
    EXPECT_EQ(model.NewName(), "Beta");
    EXPECT_EQ(model.NewComment(), "");
}

} // namespace
} // namespace tallo
