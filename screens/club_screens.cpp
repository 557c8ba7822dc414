// The club editor on a rich club of the sample's game database, on each of its tabs, and the
// club chooser preset to that club.

#include <filesystem>

#include "editing/club/club_chooser_model.h"
#include "editing/club/club_edit_context.h"
#include "editing/session/database_session.h"
#include "editing/session/editor_context.h"
#include "editing/session/open_databases.h"
#include "editors/club/club_editor_start.h"
#include "editors/club/dlg_choose_club.h"
#include "editors/club/dlg_club_parent.h"
#include "editors/framework/my_tab_ctrl.h"
#include "platform/recording_progress.h"
#include "platform/scripted_prompt.h"
#include "built_renderer.h"
#include "screen_registry.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo::screens {

namespace {

// The game database of the sample opened as the editor opens it.
struct ClubEditorScreen {
    explicit ClubEditorScreen(const ScreenContext& screen) {
        editor.installFolder = screen.install;
        editor.badgesFolder = screen.install + "/badges";
        editor.pictureFolder = screen.install + "/picture";
        editor.prompt = &prompt;
        editor.progress = &progress;
        databases = std::make_unique<OpenDatabases>(editor);
        session = databases->OpenGameDatabase();
        CWorld& world = session->World();
        // The club with the most persons of the country with the most clubs.
        int country = 1;
        for (int number = 1; number <= CWorld::kCountryCount; ++number) {
            if (world.GetCountry(number)->GetClubCount() >
                world.GetCountry(country)->GetClubCount()) {
                country = number;
            }
        }
        for (const auto& [id, club] : world.GetCountry(country)->Clubs()) {
            const CClub* best = world.FindClub(clubId);
            if (!club->IsNationalTeam() &&
                (best == nullptr || club->PlayerCount() > best->PlayerCount())) {
                clubId = id;
            }
        }
        context.world = &world;
        context.country = country;
        context.languageSlot = world.Language();
        context.installFolder = editor.installFolder;
        context.badgesFolder = editor.badgesFolder;
        context.pictureFolder = editor.pictureFolder;
        context.prompt = &prompt;
    }

    ScriptedPrompt prompt{true};
    RecordingProgress progress;
    EditorContext editor;
    std::unique_ptr<OpenDatabases> databases;
    DatabaseSession* session = nullptr;
    ClubEditContext context;
    uint32_t clubId = 0;
};

ScreenCapture FrameOnTab(int tab) {
    return [tab](ScreenContext& screenContext) {
        RenderManagerUse renderer(BuiltRenderer());
        ClubEditorScreen screen(screenContext);
        CDlgClubParent frame(*screen.session, screen.clubId, screen.context);
        AddBadgeAndKitPages(frame, screen.context);
        frame.Tabs().setCurrentIndex(tab);
        return GrabShown(frame);
    };
}

const ScreenRegistration clubPage("club_editor_club", FrameOnTab(0));
const ScreenRegistration badgeTab("club_editor_badge", FrameOnTab(1));
const ScreenRegistration kitsTab("club_editor_kits", FrameOnTab(2));
const ScreenRegistration stadiumPage("club_editor_stadium", FrameOnTab(3));
const ScreenRegistration historyPage("club_editor_history", FrameOnTab(4));

const ScreenRegistration chooser("club_chooser", [](ScreenContext& screenContext) {
    ClubEditorScreen screen(screenContext);
    ClubChooserModel model(screen.session->World(), screen.context.languageSlot);
    model.Preset(screen.context.country, screen.clubId);
    CDlgChooseClub dialog(model);
    return GrabShown(dialog);
});

} // namespace

} // namespace tallo::screens
