// The country settings editor opened from the main window on the small sample: a league renamed
// and resized in its league data editor, a matchday taken out in the calendar, OK, save and a
// fresh load show the changes; cancel leaves the database as it was.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>

#include "competitions/competition_tree.h"
#include "competitions/db_league_base.h"
#include "editing/country/calendar_model.h"
#include "editing/main_window/command_ids.h"
#include "editing/main_window/main_window_model.h"
#include "editing/session/database_session.h"
#include "editors/country/dlg_calendar.h"
#include "editors/country/dlg_land.h"
#include "editors/country/dlg_land_league_system.h"
#include "editors/country/dlg_league_data.h"
#include "editors/framework/framework_test_support.h"
#include "editors/framework/when_shown.h"
#include "editors/framework/my_tab_ctrl.h"
#include "editors/main_window/dlg_main_menu.h"
#include "editors/main_window/main_window_fixture.h"
#include "formats/interface_language.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

using test::WhenShown;

template <class Page> Page* FindPage(CDlgLand& frame) {
    for (int tab = 0; tab < frame.Tabs().count(); ++tab) {
        if (auto* page = dynamic_cast<Page*>(frame.PageAt(tab))) {
            return page;
        }
    }
    return nullptr;
}

class CountryEditorWindowTest : public test::MainWindowFixture {
protected:
    // Selects, through the widgets, a country whose top league plays on some day.
    int SelectCountryWithLeague() {
        return SelectCountry([this](int number) {
            CCompetitionTree* tree = CompetitionTreeOf(*session_->World().GetCountry(number));
            return tree != nullptr && tree->League(0) != nullptr &&
                   tree->League(0)->MatchdayDays() > 0;
        });
    }
};

TEST_F(CountryEditorWindowTest, ALeagueEditAndACalendarEditReachTheSavedDatabase) {
    const int country = SelectCountryWithLeague();
    ASSERT_NE(country, 0);
    EXPECT_TRUE(
        window_->Model().Command(Command::kCountrySettings, InterfaceLanguage::Russian).enabled);
    CDBLeagueBase* league = CompetitionTreeOf(*session_->World().GetCountry(country))->League(0);
    const uint32_t leagueId = league->Id();
    const int daysBefore = league->MatchdayDays();
    int daysBeforeClick = -1;
    int daysAfterClick = -1;
    // Larger, so that the calendar's days still fit the league.
    const int32_t newSize = league->Size() >= 20 ? 16 : 20;

    bool frameRan = false;
    bool dataRan = false;
    bool calendarRan = false;
    WhenShown<CDlgLand>(
        [&](CDlgLand& frame) {
            auto* leagues = FindPage<CDlgLandLeagueSystem>(frame);
            ASSERT_NE(leagues, nullptr);
            frame.Tabs().setCurrentWidget(leagues);
            WhenShown<CDlgLeagueData>(
                [newSize](CDlgLeagueData& data) {
                    data.NameEdit().setText("Window League");
                    data.SizeList().setCurrentIndex(data.SizeList().findData(newSize));
                    data.accept();
                },
                &dataRan);
            leagues->Cell(0, 0).click();

            WhenShown<CDlgCalendar>(
                [leagueId, &daysBeforeClick, &daysAfterClick](CDlgCalendar& calendar) {
                    CalendarModel& model = calendar.Model();
                    for (int column = 0; column < model.ColumnCount(); ++column) {
                        CDBCompetition* node = model.NodeOf(column);
                        if (node == nullptr || node->Id() != leagueId) {
                            continue;
                        }
                        for (int day = 0; day < model.RowCount(); ++day) {
                            if (model.IsMatchday(column, day)) {
                                daysBeforeClick = node->MatchdayDays();
                                calendar.ClickCell(day, column);
                                daysAfterClick = node->MatchdayDays();
                                // Closed without the check of OK, whose report window is
                                // tested with the calendar itself.
                                calendar.done(QDialog::Accepted);
                                return;
                            }
                        }
                    }
                    calendar.done(QDialog::Rejected);
                },
                &calendarRan);
            leagues->CalendarButton().click();
            frame.OkButton().click();
        },
        &frameRan);
    window_->RunCommand(Command::kCountrySettings);
    ASSERT_TRUE(frameRan);
    ASSERT_TRUE(dataRan);
    ASSERT_TRUE(calendarRan);
    EXPECT_TRUE(window_->windowTitle().contains('*'));

    window_->RunCommand(Command::kSave);
    std::unique_ptr<CWorld> saved = Reload();
    const CDBLeagueBase* reloaded = CompetitionTreeOf(*saved->GetCountry(country))->League(0);
    ASSERT_NE(reloaded, nullptr);
    EXPECT_EQ(reloaded->Name(), "Window League");
    EXPECT_EQ(reloaded->Size(), newSize);
    EXPECT_EQ(daysAfterClick, daysBeforeClick - 1);
    // A file keeps as many matchdays as the league's new size needs.
    EXPECT_EQ(reloaded->MatchdayDays(), std::min(daysAfterClick, reloaded->RequiredMatchdays()));

    window_->RunCommand(Command::kUndo);
    league = CompetitionTreeOf(*session_->World().GetCountry(country))->League(0);
    EXPECT_NE(league->Name(), "Window League");
    EXPECT_EQ(league->MatchdayDays(), daysBefore);
}

TEST_F(CountryEditorWindowTest, CancelLeavesTheDatabaseAsItWas) {
    const int country = SelectCountryWithLeague();
    ASSERT_NE(country, 0);
    const auto before = test::SavedBytes(session_->World());
    bool ran = false;
    WhenShown<CDlgLand>(
        [country, this](CDlgLand& frame) {
            CCountry& edited = *session_->World().GetCountry(country);
            edited.winterBreak = edited.winterBreak != 0 ? 0 : 1;
            CompetitionTreeOf(edited)->League(0)->SetName("Dropped League");
            frame.CancelButton().click();
        },
        &ran);
    window_->RunCommand(Command::kCountrySettings);
    ASSERT_TRUE(ran);
    EXPECT_FALSE(window_->windowTitle().contains('*'));
    EXPECT_EQ(test::SavedBytes(session_->World()), before);
}

} // namespace
} // namespace tallo
