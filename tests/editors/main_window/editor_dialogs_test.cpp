// The editors the main window opens, on the small sample and the offscreen platform: the club
// editor (1798) and the squad list (1799) run modally over the window; what the user changes
// in them through the widgets is in the database after a save and a fresh load, and one undo
// takes it back.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

#include "editing/club/club_page_model.h"
#include "editing/editing_test_support.h"
#include "editing/main_window/command_ids.h"
#include "editing/main_window/main_window_model.h"
#include "editing/player/squad_list_model.h"
#include "editing/session/database_session.h"
#include "editors/club/dlg_club.h"
#include "editors/club/dlg_club_hist.h"
#include "editors/club/dlg_club_parent.h"
#include "editors/club/dlg_club_stadium.h"
#include "editors/framework/framework_test_support.h"
#include "editors/framework/when_shown.h"
#include "editors/framework/my_list_box.h"
#include "editors/framework/my_spin.h"
#include "editors/framework/my_tab_ctrl.h"
#include "editors/framework/spin_edit_ctrl.h"
#include "editors/main_window/dlg_main_menu.h"
#include "editors/main_window/editor_dialogs.h"
#include "editors/main_window/main_window_fixture.h"
#include "editors/player/dlg_player_abilities.h"
#include "editors/player/dlg_player_look.h"
#include "editors/player/dlg_playerlist_club.h"
#include "editors/player/person_editor.h"
#include "formats/interface_language.h"
#include "editors/staff/dlg_manager_list.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {
namespace {

using test::WhenShown;

class EditorDialogsTest : public test::MainWindowFixture {
protected:
    // Selects, through the widgets, a club with players whose squad has no fault.
    uint32_t SelectSoundClub() {
        uint32_t found = 0;
        SelectCountry([this, &found](int) {
            QTreeWidget& clubs = window_->ClubList();
            for (int item = 1; item < clubs.topLevelItemCount(); ++item) {
                clubs.setCurrentItem(clubs.topLevelItem(item));
                const uint32_t id = window_->Model().SelectedClub();
                const CClub* club = session_->World().FindClub(id);
                if (club != nullptr && club->PlayerCount() >= 14 &&
                    SquadListModel(*session_, id, nullptr).FaultMessages().empty()) {
                    found = id;
                    return true;
                }
            }
            return false;
        });
        return found;
    }
};

TEST_F(EditorDialogsTest, ClubSettingsChangesReachTheSavedDatabaseAndAreUndone) {
    const uint32_t id = SelectSoundClub();
    ASSERT_NE(id, 0u);
    EXPECT_TRUE(
        window_->Model().Command(Command::kClubSettings, InterfaceLanguage::Russian).enabled);
    const CClub before = *session_->World().FindClub(id);
    const uint8_t facility = before.FacilityLevel(CClub::kTrainingGrounds) == 4 ? 2 : 4;

    bool ran = false;
    WhenShown<CDlgClubParent>(
        [facility](CDlgClubParent& frame) {
            frame.ClubPage().TextEdit(ClubPageModel::kName).setText("Main Window FC");
            frame.Tabs().setCurrentWidget(&frame.StadiumPage());
            frame.StadiumPage().FacilityBox(CClub::kTrainingGrounds).setCurrentIndex(facility);
            frame.Tabs().setCurrentWidget(&frame.HistoryPage());
            frame.HistoryPage().RecordResultEdit(ResultRecord::kAwayWin).setText("0:7");
            frame.HistoryPage().RecordOpponentEdit(ResultRecord::kAwayWin).setText("Far Town");
            frame.HistoryPage().RecordSeasonEdit(ResultRecord::kAwayWin).setText("1988");
            frame.OkButton().click();
        },
        &ran);
    window_->RunCommand(Command::kClubSettings);
    ASSERT_TRUE(ran);
    EXPECT_TRUE(window_->windowTitle().contains('*'));
    // The club list shows the new name.
    EXPECT_FALSE(window_->ClubList().findItems("Main Window FC", Qt::MatchExactly, 0).isEmpty());

    window_->RunCommand(Command::kSave);
    std::unique_ptr<CWorld> saved = Reload();
    const CClub* club = saved->FindClub(id);
    ASSERT_NE(club, nullptr);
    EXPECT_EQ(club->Name(session_->World().Language()), "Main Window FC");
    EXPECT_EQ(club->FacilityLevel(CClub::kTrainingGrounds), facility);
    EXPECT_EQ(club->Record(ResultRecord::kAwayWin).opponent, "Far Town");
    EXPECT_EQ(club->Record(ResultRecord::kAwayWin).season, 1988);

    window_->RunCommand(Command::kUndo);
    EXPECT_TRUE(*session_->World().FindClub(id) == before);
}

TEST_F(EditorDialogsTest, SquadListEditsAPlayersAbilitiesAndLookIntoTheSavedDatabase) {
    const uint32_t id = SelectSoundClub();
    ASSERT_NE(id, 0u);
    uint32_t playerId = 0;
    int passingWanted = 0;
    int passingBefore = 0;
    bool ran = false;
    WhenShown<CDlgPlayerlistClub>(
        [&playerId, &passingWanted, &passingBefore](CDlgPlayerlistClub& squad) {
            CDlgManagerList& firstTeam = squad.Page(0);
            ASSERT_GT(firstTeam.List().count(), 0);
            firstTeam.List().setCurrentRow(0);
            auto* editor = dynamic_cast<CPersonEditor*>(squad.EditorView());
            ASSERT_NE(editor, nullptr);
            ASSERT_NE(editor->Person(), nullptr);
            playerId = editor->Person()->Id();

            editor->Tabs().setCurrentWidget(&editor->AbilitiesPage());
            CSpinEditCtrl& passing = editor->AbilitiesPage().AbilitySpin(CPlayer::kPassing);
            // One step with the arrows, as a user would.
            const int step = passing.IntegerValue() < 10 ? 1 : -1;
            passingBefore = passing.IntegerValue();
            passingWanted = passingBefore + step;
            passing.Spin().Step(step);
            CDlgPlayerLook* look = nullptr;
            for (int tab = 0; tab < editor->Tabs().count(); ++tab) {
                if (auto* page = dynamic_cast<CDlgPlayerLook*>(editor->Tabs().widget(tab))) {
                    look = page;
                }
            }
            ASSERT_NE(look, nullptr);
            editor->Tabs().setCurrentWidget(look);
            look->HeightSpin().setValue(201);
            squad.OkButton().click();
        },
        &ran);
    window_->RunCommand(Command::kSquadList);
    ASSERT_TRUE(ran);
    ASSERT_NE(playerId, 0u);
    const CPlayer& edited = *session_->World().FindPlayer(playerId);
    const uint8_t passing = edited.Ability(CPlayer::kPassing);
    EXPECT_EQ(passing, passingWanted);
    EXPECT_EQ(edited.Height(), 201);
    EXPECT_TRUE(session_->IsModified());

    window_->RunCommand(Command::kSave);
    std::unique_ptr<CWorld> saved = Reload();
    const CClub* club = saved->FindClub(id);
    ASSERT_NE(club, nullptr);
    bool found = false;
    for (uint32_t i = 0; i < club->PlayerCount(); ++i) {
        const CPlayer* player = saved->FindPlayer(club->PlayerId(i));
        if (player != nullptr && player->Surname() == edited.Surname() &&
            player->FirstName() == edited.FirstName()) {
            found = true;
            EXPECT_EQ(player->Ability(CPlayer::kPassing), passing);
            EXPECT_EQ(player->Height(), 201);
        }
    }
    EXPECT_TRUE(found);

    // The whole visit of the squad list is one change of the journal.
    window_->RunCommand(Command::kUndo);
    EXPECT_EQ(session_->World().FindPlayer(playerId)->Ability(CPlayer::kPassing), passingBefore);
}

} // namespace
} // namespace tallo
