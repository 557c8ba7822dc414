// The look and history pages of a person and the staff pages, each on a person of the sample's
// richest club (the look page with the renderer's head drawn).

#include <memory>

#include "editing/player/person_edit_context.h"
#include "editors/player/dlg_player_hist.h"
#include "editors/player/dlg_player_look.h"
#include "editors/render/render_manager.h"
#include "editors/staff/dlg_chairman.h"
#include "editors/staff/dlg_manager_abilities.h"
#include "editors/staff/dlg_manager_all_right.h"
#include "editors/staff/dlg_staff_at_club.h"
#include "built_renderer.h"
#include "screen_registry.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo::screens {

namespace {

// The ordinary club of the sample that lists the most persons.
CClub* RichClub(ScreenContext& context) {
    CClub* best = nullptr;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        for (const auto& [id, club] : context.world->GetCountry(number)->Clubs()) {
            if (!ClubId::IsNationalTeam(id) &&
                (best == nullptr || club->PlayerCount() > best->PlayerCount())) {
                best = club.get();
            }
        }
    }
    return best;
}

// A person of the rich club with the role asked for (`staff`: any staff role); the first player
// for role 0. Null when the club has none.
CPlayer* ClubPerson(ScreenContext& context, int role, bool staff = false) {
    CClub* club = RichClub(context);
    if (club == nullptr) {
        return nullptr;
    }
    for (uint32_t i = 0; i < club->PlayerCount(); ++i) {
        CPlayer* person = context.world->FindPlayer(club->PlayerId(i));
        if (person != nullptr &&
            (staff ? person->Role() >= CPlayer::kRoleFirstStaff : person->Role() == role)) {
            return person;
        }
    }
    return nullptr;
}

// The context of the pages; it must outlive them, so one for the whole run.
const PersonEditContext& Context(ScreenContext& context) {
    static PersonEditContext edit;
    edit.world = context.world;
    edit.languageSlot = context.world->Language();
    return edit;
}

template <class Page> ScreenCapture PageScreen(int role, bool staff = false) {
    return WidgetScreen([role, staff](ScreenContext& context) {
        auto page = std::make_unique<Page>(nullptr, Context(context));
        page->SetPerson(ClubPerson(context, role, staff));
        return page;
    });
}

const ScreenRegistration lookPage("person_look", [](ScreenContext& context) {
    RenderManagerUse renderer(BuiltRenderer());
    CDlgPlayerLook page(nullptr, Context(context));
    page.SetPerson(ClubPerson(context, CPlayer::kRolePlayer));
    page.resize(760, 420);
    GrabShown(page);
    Settle(150); // a few frames of the head
    return page.grab().toImage();
});

const ScreenRegistration historyPage("person_history",
                                     PageScreen<CDlgPlayerHist>(CPlayer::kRolePlayer));
const ScreenRegistration abilitiesPage("staff_manager_abilities",
                                       PageScreen<CDlgManagerAbilities>(CPlayer::kRoleManager));
const ScreenRegistration preferencesPage("staff_manager_preferences",
                                         PageScreen<CDlgManagerAllRight>(CPlayer::kRoleManager));
const ScreenRegistration chairmanPage("staff_chairman",
                                      PageScreen<CDlgChairman>(CPlayer::kRoleChairman));
const ScreenRegistration staffLevelPage("staff_level", PageScreen<CDlgStaffAtClub>(0, true));

} // namespace

} // namespace tallo::screens
