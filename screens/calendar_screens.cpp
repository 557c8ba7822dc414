// The calendar editor (scrolled to the month of a league's first matchday, with a compared
// league), its problem window, and the fixture list editor on the country of the sample whose
// leagues have the fullest calendar.

#include <QComboBox>
#include <QScrollBar>
#include <QTableView>

#include <memory>

#include "competitions/competition_tree.h"
#include "competitions/db_league_base.h"
#include "editing/country/calendar_days.h"
#include "editing/country/calendar_model.h"
#include "editing/country/country_edit_context.h"
#include "editors/country/dlg_calendar.h"
#include "editors/country/dlg_fixture_list.h"
#include "editors/framework/dlg_error_message.h"
#include "formats/dialog_text.h"
#include "screen_registry.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo::screens {

namespace {

// The country whose leagues carry the most matchdays.
int CountryWithCalendar(CWorld& world) {
    int best = 1;
    int bestDays = -1;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCompetitionTree* tree = CompetitionTreeOf(*world.GetCountry(number));
        if (tree == nullptr) {
            continue;
        }
        int days = 0;
        for (const CDBLeagueBase* league : tree->Leagues()) {
            days += league->MatchdayDays();
        }
        if (days > bestDays) {
            best = number;
            bestDays = days;
        }
    }
    return best;
}

CountryEditContext ContextOf(ScreenContext& screen) {
    CountryEditContext context;
    context.world = screen.world;
    context.country = CountryWithCalendar(*screen.world);
    context.languageSlot = screen.world->Language();
    return context;
}

// The month of the first league's first matchday (August when it has none).
int FirstMatchdayMonth(CalendarModel& model) {
    for (int column = 0; column < model.ColumnCount(); ++column) {
        if (model.ColumnAt(column).kind != CalendarModel::ColumnKind::League) {
            continue;
        }
        for (int day = 0; day < model.RowCount(); ++day) {
            if (model.IsMatchday(column, day)) {
                return SeasonDays::DateOfDay(day).Month();
            }
        }
    }
    return 8;
}

const ScreenRegistration calendar("calendar", [](ScreenContext& screen) {
    CDlgCalendar dialog(ContextOf(screen));
    dialog.resize(980, 660);
    if (dialog.CompareBox().count() > 1) {
        dialog.CompareBox().setCurrentIndex(1);
        emit dialog.CompareBox().activated(1);
    }
    dialog.show();
    Settle();
    dialog.ShowMonth(FirstMatchdayMonth(dialog.Model()));
    return GrabShown(dialog);
});

const ScreenRegistration calendarProblems("calendar_problems", [](ScreenContext& screen) {
    CalendarModel model(ContextOf(screen));
    CalendarModel::Report report = model.Validate();
    if (report.Empty()) {
        // A sound calendar has nothing to report: show what a league without days would get.
        report.lines = {model.ColumnCount() > 2 ? model.ColumnAt(2).heading : std::string("-"),
                        "    " + DialogText("calendar.error.matchdays"),
                        "    " + DialogText("calendar.error.teams")};
        report.calendarProblems = 2;
        report.withHeading = true;
    }
    std::unique_ptr<CDlgErrorMessage> window = CDlgCalendar::MakeProblemWindow(report, nullptr);
    return GrabShown(*window);
});

const ScreenRegistration fixtureList("fixture_list", [](ScreenContext& screen) {
    CDlgFixtureList dialog(ContextOf(screen));
    // An empty list is shown as the computer would fill it; the sample stays as it is.
    if (const CDBLeagueBase* league = dialog.Model().League();
        league != nullptr && !league->Fixtures().IsComplete()) {
        dialog.Model().GenerateFromTemplate();
    }
    dialog.MatchdayBar().setValue(1);
    dialog.MatchdayBar().setValue(0);
    QImage picture = GrabShown(dialog);
    dialog.reject();
    return picture;
});

} // namespace

} // namespace tallo::screens
