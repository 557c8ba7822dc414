// The stadium list page of the country settings editor on the sample's country with the most
// stadiums, and the stadium editor on that country's largest stadium that has a real-stadium
// model.

#include <memory>

#include "editing/country/country_edit_context.h"
#include "editors/records/dlg_stadium.h"
#include "editors/records/dlg_stadium_list.h"
#include "screen_registry.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo::screens {

namespace {

int StadiumCountry(ScreenContext& context) {
    int best = 1;
    size_t most = 0;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const size_t count = context.world->GetCountry(number)->stadiums.Count();
        if (count > most) {
            best = number;
            most = count;
        }
    }
    return best;
}

// The context of the page; it must outlive it, so one for the whole run.
const CountryEditContext& Context(ScreenContext& context) {
    static CountryEditContext edit;
    edit.world = context.world;
    edit.country = StadiumCountry(context);
    edit.languageSlot = context.world->Language();
    return edit;
}

// The largest stadium of the country with a model (the largest of all when none has one).
Stadium ShownStadium(ScreenContext& context) {
    const CCountry& country = *context.world->GetCountry(StadiumCountry(context));
    const Stadium* best = nullptr;
    for (const auto& [key, stadium] : country.stadiums) {
        const bool better = best == nullptr || (stadium.model != 0 && best->model == 0) ||
                            ((stadium.model != 0) == (best->model != 0) &&
                             stadium.TotalCapacity() > best->TotalCapacity());
        if (better) {
            best = &stadium;
        }
    }
    return best != nullptr ? *best : Stadium{};
}

std::unique_ptr<QWidget> MakeListPage(ScreenContext& context) {
    auto page = std::make_unique<CDlgStadiumList>(nullptr, Context(context));
    page->resize(page->sizeHint().expandedTo(QSize(700, 420)));
    return page;
}

std::unique_ptr<QWidget> MakeEditor(ScreenContext& context) {
    static Stadium stadium; // the dialog edits a stadium that must outlive it
    stadium = ShownStadium(context);
    return std::make_unique<CDlgStadium>(nullptr, stadium);
}

const ScreenRegistration listPage("stadium_list", WidgetScreen(MakeListPage));
const ScreenRegistration editor("stadium_editor", WidgetScreen(MakeEditor));

} // namespace

} // namespace tallo::screens
