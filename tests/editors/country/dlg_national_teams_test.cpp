// The national teams dialog and the national team page on the offscreen platform: the dialog
// run as the main window runs it, cancelled and confirmed, and the page's lists and buttons.

#include "editors/country/dlg_national_teams.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <map>
#include <string>

#include "editing/country/national_team_model.h"
#include "editing/country/national_teams_model.h"
#include "editing/editing_test_support.h"
#include "editing/session/database_session.h"
#include "editors/country/dlg_land_national_team.h"
#include "editors/country/dlg_land_nationalcoach.h"
#include "editors/country/national_squad_lists.h"
#include "editors/framework/framework_test_support.h"
#include "editors/framework/qt_text.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

using Files = std::map<std::string, std::string>;

// A country with called-up players and a free candidate (neither called up nor refusing).
int CountryWithSquad(CWorld& world) {
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        NationalTeamModel model(world, 0, nullptr);
        model.SetCountry(number);
        bool free = false;
        for (const auto& row : model.Others()) {
            free = free || !row.refuses;
        }
        if (model.CalledUpCount() >= 2 && free) {
            return number;
        }
    }
    return 0;
}

// Runs `act` on the dialog once it is shown modally (RunNationalTeams runs it with exec).
void WhenShown(const std::function<void(CDlgNationalTeams&)>& act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<CDlgNationalTeams*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

// Selects the first row of the list that holds a free candidate and calls him up.
uint32_t CallUpFirstFree(CNationalSquadLists& lists) {
    QTreeWidget& others = lists.OthersList();
    for (int i = 0; i < others.topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = others.topLevelItem(i);
        if (item->text(others.columnCount() - 1).isEmpty()) { // the "refuses" column
            item->setSelected(true);
            const auto person = static_cast<uint32_t>(item->data(0, Qt::UserRole).toULongLong());
            EXPECT_TRUE(lists.CallUpButton().isEnabled());
            lists.CallUpButton().click();
            return person;
        }
    }
    return 0;
}

class DlgNationalTeamsTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureFrameworkApplication();
        session_ = &harness_.OpenGame();
        country_ = CountryWithSquad(session_->World());
        ASSERT_NE(country_, 0);
    }

    CWorld& World() { return session_->World(); }

    test::EditorHarness harness_;
    DatabaseSession* session_ = nullptr;
    int country_ = 0;
};

TEST_F(DlgNationalTeamsTest, CancelLeavesEverySavedByte) {
    const Files before = test::SavedBytes(World());
    uint32_t called = 0;
    WhenShown([&](CDlgNationalTeams& dialog) {
        EXPECT_EQ(dialog.CountryList().currentItem()->data(Qt::UserRole).toInt(), country_);
        called = CallUpFirstFree(dialog.Lists());
        // Another country too.
        dialog.CountryList().setCurrentRow(dialog.CountryList().currentRow() == 0 ? 1 : 0);
        CallUpFirstFree(dialog.Lists());
        dialog.reject();
    });
    EXPECT_FALSE(RunNationalTeams(nullptr, *session_, country_, 0));
    EXPECT_NE(called, 0u);
    EXPECT_TRUE(test::SavedBytes(World()) == before);
    EXPECT_FALSE(session_->Journal().CanUndo());
}

TEST_F(DlgNationalTeamsTest, OkRecordsOneChangeThatUndoTakesBack) {
    const Files before = test::SavedBytes(World());
    uint32_t called = 0;
    WhenShown([&](CDlgNationalTeams& dialog) {
        const int rowsBefore = dialog.Lists().CalledList().topLevelItemCount();
        called = CallUpFirstFree(dialog.Lists());
        EXPECT_EQ(dialog.Lists().CalledList().topLevelItemCount(), rowsBefore + 1);
        EXPECT_FALSE(dialog.TeamNameLabel().text().isEmpty());
        dialog.accept();
    });
    EXPECT_TRUE(RunNationalTeams(nullptr, *session_, country_, 0));
    ASSERT_NE(called, 0u);
    EXPECT_NE(World().FindPlayer(called)->NationalTeamFlags() & CPlayer::kInNationalTeam, 0);
    ASSERT_TRUE(session_->Journal().Undo());
    EXPECT_TRUE(test::SavedBytes(World()) == before);
}

TEST_F(DlgNationalTeamsTest, ThePageShowsTheTeamAndLeavesOutByDoubleClick) {
    CountryEditContext context;
    context.world = &World();
    context.country = country_;
    CDlgLandNationalTeam page(nullptr, context);
    page.show();
    page.FillCountry();
    EXPECT_EQ(page.TeamNameLabel().text(),
              RecordToQString(std::string(World().GetCountry(country_)->NationalTeam()->Name(0))));
    EXPECT_FALSE(page.CoachLabel().text().isEmpty());

    QTreeWidget& called = page.Lists().CalledList();
    const int count = called.topLevelItemCount();
    ASSERT_EQ(count, page.Model().CalledUpCount());
    EXPECT_FALSE(page.Lists().LeaveOutButton().isEnabled()); // nothing selected
    QTreeWidgetItem* first = called.topLevelItem(0);
    const auto person = static_cast<uint32_t>(first->data(0, Qt::UserRole).toULongLong());
    emit called.itemDoubleClicked(first, 0);
    EXPECT_EQ(called.topLevelItemCount(), count - 1);
    EXPECT_EQ(World().FindPlayer(person)->NationalTeamFlags() & CPlayer::kInNationalTeam, 0);
    EXPECT_TRUE(page.Lists().CalledLabel().text().contains(QString::number(count - 1)));
}

// Changes the first skill of the coach page in the coach window once it is shown, then closes
// the window with OK or cancel.
void EditCoachSkill(bool ok) {
    QTimer::singleShot(0, [ok] {
        QWidget* window = QApplication::activeModalWidget();
        ASSERT_NE(window, nullptr);
        auto* page = window->findChild<CDlgLandNationalcoach*>();
        ASSERT_NE(page, nullptr);
        QSpinBox& skill = page->SkillSpin(0);
        skill.setValue(skill.value() == 0 ? 1 : 0);
        auto* dialog = qobject_cast<QDialog*>(window);
        ASSERT_NE(dialog, nullptr);
        ok ? dialog->accept() : dialog->reject();
    });
}

TEST_F(DlgNationalTeamsTest, TheCoachWindowStoresOnOkAndPutsTheCoachBackOnCancel) {
    NationalTeamsModel model(*session_, country_, 0);
    CDlgNationalTeams dialog(model, NationalCoachPage);
    dialog.show();
    ASSERT_TRUE(dialog.CoachButton().isVisible());
    const uint8_t before = World().GetCountry(country_)->nationalCoach.skills[0];

    EditCoachSkill(false);
    dialog.EditCoach();
    EXPECT_EQ(World().GetCountry(country_)->nationalCoach.skills[0], before);
    EXPECT_FALSE(model.Changed());

    EditCoachSkill(true);
    dialog.EditCoach();
    EXPECT_NE(World().GetCountry(country_)->nationalCoach.skills[0], before);
    EXPECT_TRUE(model.Changed());
    model.Abandon();
    EXPECT_EQ(World().GetCountry(country_)->nationalCoach.skills[0], before);
}

} // namespace
} // namespace tallo
