// The ID mapping runs of the admin menu: their question, report file and journal entry.

#include "editing/admin/admin_mappings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "app/app_state.h"
#include "editing/editing_test_support.h"
#include "editing/main_window/command_ids.h"
#include "editing/session/database_session.h"
#include "formats/per_language_tables.h"
#include "mapping/global_tools.h"

namespace tallo {
namespace {

using test::EditorHarness;
using test::SavedBytes;

class ScriptedMappingDialogs : public IMappingDialogs {
public:
    MappingAnswer AskYesNoCancel(const std::string& question, const std::string&) override {
        questions.push_back(question);
        return answer;
    }
    std::optional<std::string> ChooseReportFile(const std::string& title, const std::string& filter,
                                                const std::string& extension) override {
        EXPECT_EQ(title, "Select report outputfile");
        EXPECT_EQ(filter, "Text files|*.txt|All files|*.*||");
        EXPECT_EQ(extension, "txt");
        ++chooserCalls;
        return report;
    }
    MappingAnswer answer = MappingAnswer::Yes;
    std::optional<std::string> report;
    std::vector<std::string> questions;
    int chooserCalls = 0;
};

class AdminMappingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        AppState::Instance().SetAdminMode(true);
        session_ = &harness_.OpenGame();
    }
    void TearDown() override { AppState::Instance().SetAdminMode(false); }

    MappingRunResult Run(int command) {
        int runs = 0;
        AdminMappingRunner runner(
            *session_, GlobalTools(), &GlobalLanguageTables().Faces(), harness_.prompt, dialogs_,
            "Tallo", [&runs](const std::string& title, const std::function<void()>& work) {
                EXPECT_FALSE(title.empty());
                ++runs;
                work();
            });
        MappingRunResult result = runner.Run(command);
        EXPECT_EQ(runs, result.ran ? 1 : 0);
        return result;
    }

    EditorHarness harness_;
    DatabaseSession* session_ = nullptr;
    ScriptedMappingDialogs dialogs_;
};

TEST_F(AdminMappingsTest, CancelOrNoReportFileEndsTheCommandUntouched) {
    const std::map<std::string, std::string> before = SavedBytes(session_->World());
    dialogs_.answer = MappingAnswer::Cancel;
    EXPECT_FALSE(Run(Command::kAdminMapPlayerIds).ran);
    EXPECT_EQ(dialogs_.chooserCalls, 0);
    dialogs_.answer = MappingAnswer::No;
    EXPECT_FALSE(Run(Command::kAdminMapClubIds).ran); // no report file chosen
    EXPECT_EQ(dialogs_.chooserCalls, 1);
    AppState::Instance().SetAdminMode(false);
    dialogs_.report = harness_.dir.Path() + "/never.txt";
    EXPECT_FALSE(Run(Command::kAdminMapConsoleFaces).ran);
    EXPECT_TRUE(harness_.prompt.Calls().empty());
    EXPECT_FALSE(session_->Journal().CanUndo());
    EXPECT_EQ(SavedBytes(session_->World()), before);
}

TEST_F(AdminMappingsTest, EachMappingWritesItsReportAndIsOneJournalEntry) {
    const std::map<std::string, std::string> before = SavedBytes(session_->World());
    const std::string report = harness_.dir.Path() + "/clubs.txt";
    dialogs_.report = report;
    const MappingRunResult clubs = Run(Command::kAdminMapClubIds);
    ASSERT_TRUE(clubs.ran);
    EXPECT_EQ(clubs.message, "Successful");
    EXPECT_EQ(dialogs_.questions.at(0), "This option will map all clubs to the zelo-ids. Do you "
                                        "want to overwrite unrecognized club-ids with 0?");
    EXPECT_TRUE(std::filesystem::exists(report));
    ASSERT_TRUE(clubs.changed);
    EXPECT_EQ(session_->Journal().Size(), 1u);
    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_EQ(SavedBytes(session_->World()), before);

    dialogs_.report = harness_.dir.Path() + "/players.txt";
    EXPECT_EQ(Run(Command::kAdminMapPlayerIds).message, "Mapped all players in the database");
    dialogs_.report = harness_.dir.Path() + "/faces.txt";
    EXPECT_EQ(Run(Command::kAdminMapFaceIds).message, "Finished mapping the player faces");
    dialogs_.report = harness_.dir.Path() + "/ps2.txt";
    EXPECT_EQ(Run(Command::kAdminMapConsoleFaces).message, "Finished mapping the ps2 faces");
    for (const char* name : {"/players.txt", "/faces.txt", "/ps2.txt"}) {
        EXPECT_TRUE(std::filesystem::exists(harness_.dir.Path() + name)) << name;
    }
}

TEST_F(AdminMappingsTest, AReportThatCannotBeWrittenIsNotReportedAsSuccess) {
    dialogs_.report = harness_.dir.Path(); // a folder: no file can be written there
    const MappingRunResult clubs = Run(Command::kAdminMapClubIds);
    ASSERT_TRUE(clubs.ran);
    EXPECT_EQ(clubs.message.rfind("Failure while mapping\nThe report file ", 0), 0u)
        << clubs.message;
    EXPECT_EQ(harness_.prompt.Calls().back().text, clubs.message);
}

} // namespace
} // namespace tallo
