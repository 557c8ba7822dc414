// The general data, young-player pool and national coach pages of the country settings editor
// and the young-player dialog, on the complete country of the sample with the largest pool.

#include <memory>

#include "editing/country/country_edit_context.h"
#include "editors/country/dlg_land_general.h"
#include "editors/country/dlg_land_nationalcoach.h"
#include "editors/country/dlg_playerpool.h"
#include "editors/country/dlg_playerpool_change.h"
#include "screen_registry.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo::screens {

namespace {

// The complete country with the most young players in use (any country when none is complete).
int PoolCountry(ScreenContext& context) {
    int best = 1;
    size_t most = 0;
    bool bestComplete = false;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry& country = *context.world->GetCountry(number);
        const bool complete = country.IsComplete();
        const size_t inUse = country.PlayerPoolInUse();
        if ((complete && !bestComplete) || (complete == bestComplete && inUse > most)) {
            best = number;
            most = inUse;
            bestComplete = complete;
        }
    }
    return best;
}

// The context of the pages; it must outlive them, so one for the whole run.
const CountryEditContext& Context(ScreenContext& context) {
    static CountryEditContext edit;
    edit.world = context.world;
    edit.country = PoolCountry(context);
    edit.languageSlot = context.world->Language();
    return edit;
}

template <class Page> ScreenCapture PageScreen(int width, int height) {
    return WidgetScreen([width, height](ScreenContext& context) {
        auto page = std::make_unique<Page>(nullptr, Context(context));
        page->resize(page->sizeHint().expandedTo(QSize(width, height)));
        return page;
    });
}

const ScreenRegistration generalPage("country_general", PageScreen<CDlgLandGeneral>(0, 0));
const ScreenRegistration poolPage("country_playerpool", PageScreen<CDlgPlayerpool>(760, 420));
const ScreenRegistration coachPage("country_nationalcoach",
                                   PageScreen<CDlgLandNationalcoach>(0, 0));

const ScreenRegistration
    poolChange("country_playerpool_change", WidgetScreen([](ScreenContext& context) {
                   const CountryEditContext& edit = Context(context);
                   const CCountry& country = *context.world->GetCountry(edit.country);
                   size_t entry = 0;
                   while (entry + 1 < country.PlayerPool().size() &&
                          !country.PlayerPool()[entry].InUse()) {
                       ++entry;
                   }
                   return std::make_unique<CDlgPlayerpoolChange>(nullptr, edit, entry);
               }));

} // namespace

} // namespace tallo::screens
