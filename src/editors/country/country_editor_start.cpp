#include "editors/country/country_editor_start.h"

#include <memory>
#include <string>

#include "editing/country/country_editor_model.h"
#include "editors/country/dlg_calendar.h"
#include "editors/country/dlg_fixture_list.h"
#include "editors/country/dlg_land.h"
#include "editors/country/dlg_land_cup.h"
#include "editors/country/dlg_land_general.h"
#include "editors/country/dlg_land_league_system.h"
#include "editors/country/dlg_land_national_team.h"
#include "editors/country/dlg_land_nationalcoach.h"
#include "editors/country/dlg_land_youthplayer.h"
#include "editors/country/dlg_league_composition.h"
#include "editors/country/dlg_manag_all.h"
#include "editors/country/dlg_playerpool.h"
#include "editors/framework/my_tab_ctrl.h"
#include "editors/framework/qt_text.h"
#include "editors/records/dlg_referee_list.h"
#include "editors/records/dlg_stadium_list.h"
#include "formats/dialog_text.h"

namespace tallo {

namespace {

template <class Page> Page* AddCountryPage(CDlgLand& frame, const std::string& title) {
    auto* page = new Page(&frame.Tabs(), frame.Model().Context());
    frame.AddPage(page, page, ToQString(title));
    return page;
}

} // namespace

CDlgLand* MakeCountryEditor(QWidget* owner, CountryEditorModel& model) {
    auto* frame = new CDlgLand(model, owner);
    if (!model.IsValid()) {
        return frame;
    }
    AddCountryPage<CDlgLandGeneral>(*frame, DialogText("country.tab.general"));
    auto* leagues =
        AddCountryPage<CDlgLandLeagueSystem>(*frame, DialogText("country.tab.league_system"));
    AddCountryPage<CDlgLandCup>(*frame, DialogText("country.tab.cup"));
    AddCountryPage<CDlgLandYouthplayer>(*frame, DialogText("country.tab.youth_looks"));
    AddCountryPage<CDlgPlayerpool>(*frame, DialogText("country.tab.player_pool"));
    AddCountryPage<CDlgManagAll>(*frame, DialogText("country.tab.staff"));
    AddCountryPage<CDlgRefereeList>(*frame, DialogText("country.tab.referees"));
    AddCountryPage<CDlgStadiumList>(*frame, DialogText("country.tab.stadiums"));
    AddCountryPage<CDlgLandNationalcoach>(*frame, DialogText("country.tab.national_coach"));
    AddCountryPage<CDlgLandNationalTeam>(*frame, DialogText("country.tab.national_team"));

    // The editors behind the league system page's buttons change the leagues the page shows.
    const CountryEditContext& context = model.Context();
    QObject::connect(leagues, &CDlgLandLeagueSystem::FixturesRequested, frame,
                     [frame, leagues, &context] {
                         RunFixtureListEditor(frame, context);
                         leagues->FillCountry();
                     });
    QObject::connect(leagues, &CDlgLandLeagueSystem::CalendarRequested, frame,
                     [frame, leagues, &context] {
                         RunCalendarEditor(frame, context);
                         leagues->FillCountry();
                     });
    QObject::connect(leagues, &CDlgLandLeagueSystem::CompositionRequested, frame,
                     [frame, leagues, &context] {
                         RunLeagueComposition(frame, context);
                         leagues->FillCountry();
                     });
    return frame;
}

bool RunCountryEditor(QWidget* owner, DatabaseSession& session, int country,
                      const CountryEditContext& base) {
    CountryEditorModel model(session, country, base);
    if (!model.IsValid()) {
        return false;
    }
    std::unique_ptr<CDlgLand> frame(MakeCountryEditor(owner, model));
    frame->exec();
    return model.Changed();
}

} // namespace tallo
