// The referee page of the country settings editor and the referee editor, on the country of
// the sample with the most referees, and the five-year ranking with its change editor.

#include <memory>

#include "editing/country/country_edit_context.h"
#include "editing/records/five_year_ranking.h"
#include "editing/session/database_session.h"
#include "editors/framework/my_list_box.h"
#include "editors/records/dlg_five_year_ranking.h"
#include "editors/records/dlg_five_year_ranking_change.h"
#include "editors/records/dlg_referee.h"
#include "editors/records/dlg_referee_list.h"
#include "screen_editor.h"
#include "screen_registry.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo::screens {

namespace {

// The country with the most referees.
int RefereeCountry(const CWorld& world) {
    int best = 1;
    size_t most = 0;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const size_t count = world.GetCountry(number)->referees.Count();
        if (count > most) {
            most = count;
            best = number;
        }
    }
    return best;
}

// The context of the page; it must outlive it, so one for the whole run.
const CountryEditContext& Context(ScreenContext& context) {
    static CountryEditContext edit;
    edit.world = context.world;
    edit.country = RefereeCountry(*context.world);
    edit.languageSlot = context.world->Language();
    return edit;
}

const ScreenRegistration refereePage("country_referees", WidgetScreen([](ScreenContext& context) {
                                         auto page = std::make_unique<CDlgRefereeList>(
                                             nullptr, Context(context));
                                         page->resize(page->sizeHint().expandedTo(QSize(640, 420)));
                                         if (page->List().count() > 1) {
                                             page->List().setCurrentRow(1);
                                         }
                                         return page;
                                     }));

const ScreenRegistration refereeEditor("referee_editor", WidgetScreen([](ScreenContext& context) {
                                           const CountryEditContext& edit = Context(context);
                                           const RefereeMap& referees =
                                               context.world->GetCountry(edit.country)->referees;
                                           Referee referee;
                                           referee.name.SetFirstName("Anna");
                                           referee.name.SetSurname("Miller");
                                           referee.trait = Referee::kCoward;
                                           if (!referees.Empty()) {
                                               referee = referees.begin()->second;
                                           }
                                           return std::make_unique<CDlgReferee>(nullptr, referee);
                                       }));

const ScreenRegistration ranking("five_year_ranking", [](ScreenContext& screen) {
    ScreenEditor editor(screen, "ranking");
    if (editor.session == nullptr) {
        return QImage();
    }
    CWorld& world = editor.session->World();
    auto change = editor.session->Journal().Begin("ranking.change.journal");
    QImage image;
    {
        CDlgFiveYearRanking dialog(nullptr, world, world.Language(), *change);
        dialog.resize(dialog.sizeHint().expandedTo(QSize(0, 560)));
        image = GrabShown(dialog);
    }
    change->Abandon();
    return image;
});

const ScreenRegistration rankingChange("five_year_ranking_change", [](ScreenContext& screen) {
    ScreenEditor editor(screen, "ranking_change");
    if (editor.session == nullptr) {
        return QImage();
    }
    CWorld& world = editor.session->World();
    const std::vector<RankingLine> lines = FiveYearRanking(world, world.Language());
    if (lines.empty()) {
        return QImage();
    }
    auto change = editor.session->Journal().Begin("ranking.change.journal");
    QImage image;
    {
        CDlgFiveYearRankingChange dialog(nullptr, *world.GetCountry(lines.front().country),
                                         world.Language(), *change);
        image = GrabShown(dialog);
    }
    change->Abandon();
    return image;
});

} // namespace

} // namespace tallo::screens
