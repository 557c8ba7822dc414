// The league system page and the league data editor, on the complete country of the sample with
// the most league levels (so the grid shows several levels).

#include <memory>

#include "competitions/competition_tree.h"
#include "editing/country/country_edit_context.h"
#include "editing/country/league_formats.h"
#include "editors/country/dlg_land_league_system.h"
#include "editors/country/dlg_league_data.h"
#include "screen_registry.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo::screens {

namespace {

int LeagueRichCountry(const CWorld& world) {
    int best = 1;
    int bestLeagues = -1;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry& country = *world.GetCountry(number);
        const CCompetitionTree* tree = CompetitionTreeOf(country);
        const int leagues = tree != nullptr ? static_cast<int>(tree->Leagues().size()) : 0;
        if (country.IsComplete() && leagues > bestLeagues) {
            best = number;
            bestLeagues = leagues;
        }
    }
    return best;
}

// The context of the windows; it must outlive them, so one for the whole run.
const CountryEditContext& Context(ScreenContext& context) {
    static CountryEditContext edit;
    edit.world = context.world;
    edit.country = LeagueRichCountry(*context.world);
    edit.languageSlot = context.world->Language();
    return edit;
}

const ScreenRegistration leagueSystemPage("country_league_system",
                                          WidgetScreen([](ScreenContext& context) {
                                              auto page = std::make_unique<CDlgLandLeagueSystem>(
                                                  nullptr, Context(context));
                                              page->FillCountry();
                                              page->resize(820, 560);
                                              return page;
                                          }));

const ScreenRegistration
    leagueDataDialog("country_league_data", WidgetScreen([](ScreenContext& context) {
                         return std::make_unique<CDlgLeagueData>(Context(context), 0);
                     }));

} // namespace

} // namespace tallo::screens
