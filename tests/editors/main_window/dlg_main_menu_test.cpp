// The main window on the small sample, on the offscreen platform: what the model holds is what
// the widgets show, and the user's choices reach the model.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeWidget>

#include "editing/editing_test_support.h"
#include "editing/main_window/command_ids.h"
#include "editing/main_window/main_window_model.h"
#include "editing/main_window/statistics.h"
#include "editors/main_window/dlg_main_menu.h"
#include "formats/interface_language.h"
#include "editors/framework/framework_test_support.h"

namespace tallo {
namespace {

class DlgMainMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::EnsureFrameworkApplication();
        window_ = std::make_unique<DlgMainMenu>(*harness_.databases, nullptr, false);
        ASSERT_TRUE(window_->Start(true));
    }

    // Selects the country with the most clubs through the widgets, as a user would.
    void SelectBiggestCountry() {
        QListWidget& countries = window_->CountryList();
        int best = -1;
        size_t most = 0;
        for (int continent = 0; continent < window_->ContinentBox().count(); ++continent) {
            window_->ContinentBox().setCurrentIndex(continent);
            for (int row = 0; row < countries.count(); ++row) {
                countries.setCurrentRow(row);
                if (static_cast<size_t>(window_->ClubList().topLevelItemCount()) > most) {
                    most = static_cast<size_t>(window_->ClubList().topLevelItemCount());
                    best = continent * 1000 + row;
                }
            }
        }
        ASSERT_GE(best, 0);
        window_->ContinentBox().setCurrentIndex(best / 1000);
        countries.setCurrentRow(best % 1000);
    }

    InterfaceLanguageScope english_{InterfaceLanguage::English};
    test::EditorHarness harness_;
    std::unique_ptr<DlgMainMenu> window_;
};

TEST_F(DlgMainMenuTest, FillsTheListsAndTheStatisticsFromTheModel) {
    EXPECT_TRUE(window_->windowTitle().endsWith(" - Database"))
        << window_->windowTitle().toStdString();
    EXPECT_GT(window_->CountryList().count(), 0);
    SelectBiggestCountry();
    MainWindowModel& model = window_->Model();
    QTreeWidget& clubs = window_->ClubList();
    ASSERT_EQ(static_cast<size_t>(clubs.topLevelItemCount()), model.Clubs().size());
    ASSERT_GT(clubs.topLevelItemCount(), 10);
    // The national team first, without league and level; the others with both.
    EXPECT_TRUE(model.Clubs().front().nationalTeam);
    EXPECT_TRUE(clubs.topLevelItem(0)->text(2).isEmpty());
    EXPECT_FALSE(clubs.topLevelItem(1)->text(2).isEmpty());
    // Every statistics label shows the model's text, and the country's are not all zero.
    for (const StatisticsValue& value : model.StatisticsValues()) {
        EXPECT_EQ(window_->StatisticsText(value.label).toStdString(), value.text) << value.label;
    }
    EXPECT_NE(window_->StatisticsText(StatisticsLabel::kCountryPersons), "0");
    EXPECT_EQ(window_->StatisticsText(StatisticsLabel::kCountryClubs).toInt(),
              clubs.topLevelItemCount() - 1);
}

TEST_F(DlgMainMenuTest, TheLeagueHeaderSortsAsTheButtonDoes) {
    SelectBiggestCountry();
    window_->ClubList().header()->sectionClicked(1);
    EXPECT_EQ(window_->Model().Sort(), ClubSort::ByLeague);
    // Clubs without a league at the end, the national team first.
    const std::vector<ClubRow>& rows = window_->Model().Clubs();
    bool leagueless = false;
    for (size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].league.empty()) {
            leagueless = true;
        } else {
            EXPECT_FALSE(leagueless) << "a club with a league after one without, row " << i;
        }
    }
    EXPECT_TRUE(leagueless);
    EXPECT_TRUE(rows.front().nationalTeam);
    EXPECT_TRUE(window_->ClubList().topLevelItem(0)->text(1).isEmpty());
}

TEST_F(DlgMainMenuTest, DeletingAClubAndUndoingItShowsTheClubAgain) {
    SelectBiggestCountry();
    QTreeWidget& clubs = window_->ClubList();
    const int before = clubs.topLevelItemCount();
    clubs.setCurrentItem(clubs.topLevelItem(1));
    const QString name = clubs.topLevelItem(1)->text(0);
    window_->RunCommand(Command::kDeleteClub);
    EXPECT_EQ(clubs.topLevelItemCount(), before - 1);
    EXPECT_TRUE(window_->windowTitle().contains('*')) << window_->windowTitle().toStdString();
    window_->RunCommand(Command::kUndo);
    ASSERT_EQ(clubs.topLevelItemCount(), before);
    bool found = false;
    for (int row = 0; row < clubs.topLevelItemCount(); ++row) {
        found = found || clubs.topLevelItem(row)->text(0) == name;
    }
    EXPECT_TRUE(found);
}

TEST_F(DlgMainMenuTest, TheLanguageMenuSwitchesEveryText) {
    QMenuBar* bar = window_->menuBar();
    ASSERT_FALSE(bar->actions().isEmpty());
    EXPECT_EQ(bar->actions().front()->text(), "File");
    SetInterfaceLanguage(InterfaceLanguage::Russian);
    window_->Refresh();
    // Refresh alone takes the command names; the static texts follow the settings menu.
    for (QAction* action : bar->actions()) {
        if (QMenu* menu = action->menu(); menu != nullptr && menu->objectName() == "settings") {
            for (QAction* entry : menu->actions()) {
                if (QMenu* languages = entry->menu()) {
                    for (QAction* language : languages->actions()) {
                        if (language->data().toInt() ==
                            static_cast<int>(InterfaceLanguage::Russian)) {
                            language->trigger();
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(bar->actions().front()->text(), QString::fromUtf8("Файл"));
}

} // namespace
} // namespace tallo
