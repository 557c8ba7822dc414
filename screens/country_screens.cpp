// The country settings editor's frame on a complete country of the sample, on its first two
// tabs (the pages themselves have pictures of their own).

#include <memory>

#include "editing/country/country_edit_context.h"
#include "editing/country/country_editor_model.h"
#include "editing/session/database_session.h"
#include "editors/country/country_editor_start.h"
#include "editors/country/dlg_land.h"
#include "editors/framework/my_tab_ctrl.h"
#include "screen_editor.h"
#include "screen_registry.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo::screens {

namespace {

// The complete country with the most clubs.
int BiggestCompleteCountry(CWorld& world) {
    int best = 0;
    size_t most = 0;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry& country = *world.GetCountry(number);
        if (country.IsComplete() && country.GetClubCount() > most) {
            most = country.GetClubCount();
            best = number;
        }
    }
    return best;
}

QImage CountryEditorOnTab(ScreenContext& screen, int tab) {
    ScreenEditor editor(screen, "country");
    if (editor.session == nullptr) {
        return QImage();
    }
    const int country = BiggestCompleteCountry(editor.session->World());
    if (country == 0) {
        return QImage();
    }
    CountryEditContext base;
    base.languageSlot = editor.session->World().Language();
    base.pictureFolder = editor.context.pictureFolder;
    base.prompt = &editor.prompt;
    QImage image;
    {
        CountryEditorModel model(*editor.session, country, base);
        std::unique_ptr<CDlgLand> frame(MakeCountryEditor(nullptr, model));
        frame->Tabs().setCurrentIndex(tab);
        image = GrabShown(*frame);
        frame->close();
        model.Abandon();
    }
    return image;
}

const ScreenRegistration general("country_editor_general", [](ScreenContext& context) {
    return CountryEditorOnTab(context, 0);
});
const ScreenRegistration leagues("country_editor_league_system", [](ScreenContext& context) {
    return CountryEditorOnTab(context, 1);
});

} // namespace

} // namespace tallo::screens
