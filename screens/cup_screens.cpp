// The cup and discipline page, the young-player looks page and the league composition editor
// on the country of the sample with the most leagues.

#include <QListWidget>

#include <memory>

#include "competitions/competition_tree.h"
#include "competitions/db_league_base.h"
#include "editing/country/country_edit_context.h"
#include "editors/country/dlg_land_cup.h"
#include "editors/country/dlg_land_youthplayer.h"
#include "editors/country/dlg_league_composition.h"
#include "editors/framework/my_list_box.h"
#include "screen_registry.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo::screens {

namespace {

// The country with the most leagues (the first one when several have as many).
int LeagueRichCountry(CWorld& world) {
    int best = 1;
    size_t most = 0;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCompetitionTree* tree = CompetitionTreeOf(*world.GetCountry(number));
        if (tree != nullptr && tree->Leagues().size() > most) {
            most = tree->Leagues().size();
            best = number;
        }
    }
    return best;
}

CountryEditContext ContextOf(ScreenContext& screen) {
    CountryEditContext context;
    context.world = screen.world;
    context.country = LeagueRichCountry(*screen.world);
    context.languageSlot = screen.world->Language();
    return context;
}

// A page filled from the country, at the size of the country editor's tabs.
template <class Page> std::unique_ptr<QWidget> FilledPage(ScreenContext& screen) {
    auto page = std::make_unique<Page>(nullptr, ContextOf(screen));
    page->SetBackgroundRoot(true);
    page->FillCountry();
    page->resize(960, 560);
    return page;
}

const ScreenRegistration cupPage("country_cup_page", WidgetScreen([](ScreenContext& screen) {
                                     return FilledPage<CDlgLandCup>(screen);
                                 }));

const ScreenRegistration youthPage("country_youth_looks_page",
                                   WidgetScreen([](ScreenContext& screen) {
                                       return FilledPage<CDlgLandYouthplayer>(screen);
                                   }));

// The composition editor on the second league, with two teams selected.
const ScreenRegistration composition("league_composition", [](ScreenContext& screen) {
    CDlgLeagueComposition dialog(nullptr, ContextOf(screen));
    if (dialog.LeagueList().count() > 1) {
        dialog.LeagueList().setCurrentRow(1);
    }
    for (int row = 0; row < dialog.TeamList().count() && row < 2; ++row) {
        dialog.TeamList().item(row)->setSelected(true);
    }
    return GrabShown(dialog);
});

} // namespace

} // namespace tallo::screens
