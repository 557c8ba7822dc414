// The admin menu of the main window: only with the admin word, its section labels disabled, and
// a tool run from it is asked, reported and one change that undo takes back.

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/app_state.h"
#include "editing/editing_test_support.h"
#include "editing/main_window/command_ids.h"
#include "editors/main_window/main_window_fixture.h"
#include "world/club.h"
#include "world/country.h"
#include "world/result_record.h"

namespace tallo {
namespace {

QMenu* AdminMenu(DlgMainMenu& window) {
    for (QAction* action : window.menuBar()->actions()) {
        if (action->menu() != nullptr && action->menu()->objectName() == "admin") {
            return action->menu();
        }
    }
    return nullptr;
}

class AdminMenuWindowTest : public test::MainWindowFixture {
protected:
    void SetUp() override {
        AppState::Instance().SetAdminMode(true);
        MainWindowFixture::SetUp();
    }
    void TearDown() override { AppState::Instance().SetAdminMode(false); }
    bool AdminMode() const override { return true; }
};

class PlainMenuWindowTest : public test::MainWindowFixture {};

TEST_F(PlainMenuWindowTest, WithoutTheAdminWordThereIsNoAdminMenu) {
    EXPECT_EQ(AdminMenu(*window_), nullptr);
    EXPECT_FALSE(window_->Model()
                     .Command(Command::kAdminClearMatchRecords, InterfaceLanguage::Russian)
                     .visible);
}

TEST_F(AdminMenuWindowTest, SectionsAreDisabledAndAToolIsAskedReportedAndUndone) {
    QMenu* menu = AdminMenu(*window_);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title().toStdString(), "*** AdminTools");
    ASSERT_FALSE(menu->actions().isEmpty());
    QAction* first = menu->actions().front();
    EXPECT_EQ(first->text().toStdString(), "--- Club ---");
    EXPECT_FALSE(first->isEnabled());

    const int country = SelectCountry([this](int number) {
        const CCountry* candidate = session_->World().GetCountry(number);
        return candidate != nullptr && candidate->GetOrdinaryClubCount() > 0;
    });
    ASSERT_NE(country, 0);
    const auto before = test::SavedBytes(session_->World());
    QAction* tool = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text() == "Clear Historical data (Match records)") {
            tool = action;
        }
    }
    ASSERT_NE(tool, nullptr);
    ASSERT_TRUE(tool->isEnabled());
    harness_.prompt.ClearCalls();
    tool->trigger();

    EXPECT_EQ(harness_.prompt.CountOf(PromptCall::Kind::YesNo), 1u);
    EXPECT_EQ(harness_.prompt.CountOf(PromptCall::Kind::Message), 1u);
    EXPECT_TRUE(session_->Journal().CanUndo());
    window_->RunCommand(Command::kUndo);
    EXPECT_EQ(test::SavedBytes(session_->World()), before);
}

} // namespace
} // namespace tallo
