// The club's badge page, the badge chooser, the kit page with the renderer's kit preview and
// the kit colour dialog, on a club of the sample with a complete badge and a colourful kit.

#include "assets/badge_names.h"
#include "editing/club/club_edit_context.h"
#include "editors/club/dlg_club_badge.h"
#include "editors/club/dlg_club_badge_manage.h"
#include "editors/club/dlg_club_shirts.h"
#include "editors/club/dlg_club_shirts_color.h"
#include "editors/render/render_manager.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"
#include "mapping/global_tools.h"
#include "platform/scripted_prompt.h"
#include "built_renderer.h"
#include "screen_registry.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

#include <QRadioButton>

#include <memory>

namespace tallo::screens {

namespace {

// A club editor's surroundings on the sample: its badge folder and archive.
struct ClubScreen {
    // `complete`: a club whose badge is there in every size; else one whose badge is not.
    explicit ClubScreen(ScreenContext& screen, bool complete = true) : complete_(complete) {
        tools.Start(screen.install);
        context.world = screen.world;
        context.installFolder = screen.install;
        context.badgesFolder = screen.install + "/badges";
        context.pictureFolder = screen.install + "/picture";
        context.tools = &tools;
        context.prompt = &prompt;
        club = ChooseClub(screen);
        if (club != nullptr) {
            context.country = static_cast<int>(club->Id() >> 16 & 0xFF);
        }
    }

    // The first ordinary club whose badge is (or is not) there in every size, else the first.
    const CClub* ChooseClub(ScreenContext& screen) {
        const CBadgeSources sources = tools.BadgeSources();
        const CClub* first = nullptr;
        for (int number = 1; number <= CWorld::kCountryCount; ++number) {
            CCountry* country = screen.world->GetCountry(number);
            if (country == nullptr) {
                continue;
            }
            for (size_t position = 0; position < country->GetOrdinaryClubCount(); ++position) {
                const CClub* candidate = country->GetClubByPosition(position);
                if (candidate == nullptr) {
                    continue;
                }
                first = first != nullptr ? first : candidate;
                if (HasBadge180(candidate->BadgeFile()) &&
                    sources.CheckBadge(candidate->BadgeFile()) == complete_) {
                    return candidate;
                }
            }
        }
        return first;
    }

    bool complete_;
    CGlobalTools tools;
    ScriptedPrompt prompt{true};
    ClubEditContext context;
    const CClub* club = nullptr;
};

const ScreenRegistration badgePage("club_badge_page", [](ScreenContext& screen) {
    ClubScreen club(screen);
    CDlgClubBadge page(nullptr, club.context);
    page.SetBackgroundRoot(true);
    if (club.club != nullptr) {
        page.FillFrom(*club.club);
    }
    page.resize(560, 300);
    return GrabShown(page);
});

const ScreenRegistration incompleteBadge("club_badge_page_incomplete", [](ScreenContext& screen) {
    ClubScreen club(screen, false);
    CDlgClubBadge page(nullptr, club.context);
    page.SetBackgroundRoot(true);
    if (club.club != nullptr) {
        page.FillFrom(*club.club);
    }
    page.resize(560, 300);
    return GrabShown(page);
});

const ScreenRegistration badgeChooser("club_badge_chooser", [](ScreenContext& screen) {
    ClubScreen club(screen);
    const std::string current(club.club != nullptr ? club.club->BadgeFile() : "");
    CDlgClubBadgeManage dialog(nullptr, club.context, current);
    return GrabShown(dialog);
});

const ScreenRegistration kitPage("club_kit_page", [](ScreenContext& screen) {
    RenderManagerUse renderer(BuiltRenderer());
    ClubScreen club(screen);
    CDlgClubShirts page(nullptr, club.context);
    page.SetBackgroundRoot(true);
    if (club.club != nullptr) {
        page.FillFrom(*club.club);
    }
    page.resize(720, 420);
    return GrabShown(page);
});

const ScreenRegistration kitColour("club_kit_colour", [](ScreenContext& screen) {
    ClubScreen club(screen);
    KitColour colour = KitColour::Clamped(50, 8, 12);
    if (club.club != nullptr) {
        const uint8_t* triple = &club.club->Kit().colours[0][0];
        colour = KitColour::Clamped(triple[0], triple[1], triple[2]);
    }
    CDlgClubShirtsColor dialog(nullptr, colour, ToQString(DialogText("kit.colour.shirt")));
    return GrabShown(dialog);
});

} // namespace

} // namespace tallo::screens
