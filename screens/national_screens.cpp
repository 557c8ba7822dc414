// The country's staff container, the national team page and the national teams dialog, each on
// the complete country of the sample with the most called-up players.

#include <filesystem>

#include "app/database_folders.h"
#include "editing/country/country_edit_context.h"
#include "editing/country/national_team_model.h"
#include "editing/country/national_teams_model.h"
#include "editing/session/database_session.h"
#include "editing/session/editor_context.h"
#include "editing/session/open_databases.h"
#include "editors/country/dlg_land_national_team.h"
#include "editors/country/dlg_manag_all.h"
#include "editors/country/dlg_national_teams.h"
#include "editors/framework/my_tab_ctrl.h"
#include "editors/render/render_manager.h"
#include "built_renderer.h"
#include "platform/environment.h"
#include "platform/recording_progress.h"
#include "platform/scripted_prompt.h"
#include "screen_editor.h"
#include "screen_registry.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo::screens {

namespace {

// An editor on the sample with its game database open, on the country with the richest
// national team.
struct NationalEditor : ScreenEditor {
    explicit NationalEditor(const ScreenContext& screen) : ScreenEditor(screen, "national") {
        if (session != nullptr) {
            country = RichCountry(session->World());
        }
    }

    // The complete country with the most called-up players (any country when none is complete).
    static int RichCountry(CWorld& world) {
        int best = 0;
        int most = -1;
        bool bestComplete = false;
        NationalTeamModel model(world, world.Language(), nullptr);
        for (int number = 1; number <= CWorld::kCountryCount; ++number) {
            const bool complete = world.GetCountry(number)->IsComplete();
            if (bestComplete && !complete) {
                continue;
            }
            model.SetCountry(number);
            if (model.CalledUpCount() > most || (complete && !bestComplete)) {
                most = model.CalledUpCount();
                best = number;
                bestComplete = complete;
            }
        }
        return best;
    }

    CountryEditContext Context(ChangeJournal::OpenChange* change) {
        CountryEditContext edit;
        edit.world = &session->World();
        edit.country = country;
        edit.languageSlot = session->World().Language();
        edit.pictureFolder = context.pictureFolder;
        edit.prompt = &prompt;
        edit.change = change;
        return edit;
    }

    int country = 0;
};

QImage StaffContainer(ScreenContext& screen, int rightTab) {
    NationalEditor editor(screen);
    if (editor.session == nullptr || editor.country == 0) {
        return QImage();
    }
    RenderManagerUse renderer(BuiltRenderer());
    auto change = editor.session->Journal().Begin("country.change");
    change->IncludeCountry(editor.country);
    const CountryEditContext context = editor.Context(change.get());
    QImage image;
    {
        CDlgManagAll page(nullptr, context);
        page.resize(1040, 600);
        page.FillCountry();
        page.RightTabs().setCurrentIndex(rightTab);
        image = GrabShown(page);
        if (rightTab == CDlgManagAll::kLook) {
            Settle(150); // a few frames of the head
            image = page.grab().toImage();
        }
    }
    change->Abandon();
    return image;
}

const ScreenRegistration containerAbilities("country_staff_container", [](ScreenContext& c) {
    return StaffContainer(c, CDlgManagAll::kAbilities);
});
const ScreenRegistration containerLook("country_staff_container_look", [](ScreenContext& c) {
    return StaffContainer(c, CDlgManagAll::kLook);
});
const ScreenRegistration
    containerPreferences("country_staff_container_preferences", [](ScreenContext& c) {
        return StaffContainer(c, CDlgManagAll::kPreferences);
    });

const ScreenRegistration nationalTeamPage("country_national_team", [](ScreenContext& screen) {
    NationalEditor editor(screen);
    if (editor.session == nullptr || editor.country == 0) {
        return QImage();
    }
    auto change = editor.session->Journal().Begin("country.change");
    change->IncludeCountry(editor.country);
    const CountryEditContext context = editor.Context(change.get());
    QImage image;
    {
        CDlgLandNationalTeam page(nullptr, context);
        page.resize(1040, 600);
        page.FillCountry();
        image = GrabShown(page);
    }
    change->Abandon();
    return image;
});

const ScreenRegistration nationalTeams("national_teams", [](ScreenContext& screen) {
    NationalEditor editor(screen);
    if (editor.session == nullptr || editor.country == 0) {
        return QImage();
    }
    NationalTeamsModel model(*editor.session, editor.country, editor.session->World().Language());
    QImage image;
    {
        CDlgNationalTeams dialog(model, NationalCoachPage);
        image = GrabShown(dialog);
    }
    model.Abandon();
    return image;
});

} // namespace

} // namespace tallo::screens
