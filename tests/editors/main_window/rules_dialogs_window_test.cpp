// The global settings (1801) and the continental settings with the five-year ranking behind
// its button (1802), opened from the main window: what the user changes is one entry of the
// journal, in the saved database, and one undo gives the saved bytes back.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "editing/editing_test_support.h"
#include "editing/main_window/command_ids.h"
#include "editing/records/five_year_ranking_change_model.h"
#include "editors/framework/my_list_box.h"
#include "editors/framework/my_slider_control.h"
#include "editors/framework/spin_edit_ctrl.h"
#include "editors/framework/when_shown.h"
#include "editors/main_window/main_window_fixture.h"
#include "editors/records/dlg_five_year_ranking.h"
#include "editors/records/dlg_five_year_ranking_change.h"
#include "editors/records/dlg_inter_comp.h"
#include "editors/records/dlg_inter_comp_europe.h"
#include "editors/records/dlg_regelaenderung.h"
#include "formats/interface_language.h"
#include "world/country.h"
#include "world/rules_and_misc.h"

namespace tallo {
namespace {

using test::WhenShown;

class RulesDialogsWindowTest : public test::MainWindowFixture {};

TEST_F(RulesDialogsWindowTest,
       ARankingValueChangedBehindTheContinentalSettingsIsOneUndoableChange) {
    EXPECT_TRUE(window_->Model()
                    .Command(Command::kContinentalSettings, InterfaceLanguage::Russian)
                    .enabled);
    const auto before = test::SavedBytes(session_->World());
    int changedCountry = 0;
    bool frameRan = false;
    bool rankingRan = false;
    bool changeRan = false;
    WhenShown<CDlgInterComp>(
        [&](CDlgInterComp& frame) {
            WhenShown<CDlgFiveYearRanking>(
                [&](CDlgFiveYearRanking& ranking) {
                    ASSERT_GT(ranking.List().count(), 0);
                    ranking.List().setCurrentRow(0);
                    changedCountry = ranking.SelectedCountry();
                    WhenShown<CDlgFiveYearRankingChange>(
                        [](CDlgFiveYearRankingChange& change) {
                            // Typed as a user would, with a decimal comma.
                            const bool was = change.Model().Value(0) == 1234;
                            change.YearField(0).Edit().setText(was ? "43,21" : "12,34");
                            change.OkButton().click();
                        },
                        &changeRan);
                    ranking.ChangeButton().click();
                    ranking.accept();
                },
                &rankingRan);
            frame.EuropePage().RankingButton().click();
            frame.OkButton().click();
        },
        &frameRan);
    window_->RunCommand(Command::kContinentalSettings);
    ASSERT_TRUE(frameRan);
    ASSERT_TRUE(rankingRan);
    ASSERT_TRUE(changeRan);
    ASSERT_NE(changedCountry, 0);
    const uint16_t value = session_->World().GetCountry(changedCountry)->valuesM[0];
    EXPECT_TRUE(value == 1234 || value == 4321);

    window_->RunCommand(Command::kSave);
    EXPECT_EQ(Reload()->GetCountry(changedCountry)->valuesM[0], value);

    window_->RunCommand(Command::kUndo);
    EXPECT_EQ(test::SavedBytes(session_->World()), before);
    EXPECT_FALSE(session_->Journal().CanUndo());
}

TEST_F(RulesDialogsWindowTest, FriendlySubstitutionsChangedInTheGlobalSettingsAreUndone) {
    const int32_t before = session_->World().Rules().FriendlySubstitutions();
    const int32_t wanted = before == 3 ? 5 : 3;
    bool ran = false;
    WhenShown<CDlgRegelaenderung>(
        [wanted](CDlgRegelaenderung& dialog) {
            dialog.SubstitutionsSlider().setValue(wanted);
            dialog.OkButton().click();
        },
        &ran);
    window_->RunCommand(Command::kGlobalSettings);
    ASSERT_TRUE(ran);
    EXPECT_EQ(session_->World().Rules().FriendlySubstitutions(), wanted);

    window_->RunCommand(Command::kSave);
    EXPECT_EQ(Reload()->Rules().FriendlySubstitutions(), wanted);
    window_->RunCommand(Command::kUndo);
    EXPECT_EQ(session_->World().Rules().FriendlySubstitutions(), before);
}

} // namespace
} // namespace tallo
