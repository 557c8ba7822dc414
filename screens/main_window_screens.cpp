// The main window on the sample's game database (the country with the most clubs selected),
// the dialogs of its commands, and the renderer previews.

#include <QComboBox>
#include <QListWidget>
#include <QTreeWidget>

#include <filesystem>

#include "app/database_folders.h"
#include "editing/main_window/main_window_model.h"
#include "editing/main_window/synchronisation_model.h"
#include "editing/main_window/user_database_dialog.h"
#include "editing/session/editor_context.h"
#include "editing/session/open_databases.h"
#include "editors/main_window/dlg_copy_parts.h"
#include "editors/main_window/dlg_database_copy.h"
#include "editors/main_window/dlg_main_menu.h"
#include "editors/main_window/editor_dialogs.h"
#include "editors/main_window/dlg_user_database.h"
#include "editors/render/render_manager.h"
#include "editors/render/render_preview.h"
#include "app/country_parts_copy.h"
#include "assets/renderer_values.h"
#include "platform/environment.h"
#include "platform/recording_progress.h"
#include "platform/scripted_prompt.h"
#include "built_renderer.h"
#include "screen_editor.h"
#include "screen_registry.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo::screens {

namespace {

// An editor on the sample: two open databases (the game's and a user database), questions
// answered yes, progress recorded.
struct Editor : ScreenEditor {
    explicit Editor(const ScreenContext& screen)
        : ScreenEditor(screen, "main", false, "Liga 2004") {}
};

// The main window with its editor, kept alive together.
class MainWindowScreen : public QWidget {
public:
    explicit MainWindowScreen(const ScreenContext& screen) : editor_(screen) {
        // The window with the editors it starts, so that their buttons show as a user sees them.
        editors_ = std::make_unique<EditorDialogs>(nullptr, editor_.databases->Context());
        window_ = std::make_unique<DlgMainMenu>(*editor_.databases, editors_.get(), false);
        editors_->SetOwner(window_.get());
        window_->resize(1180, 760);
        window_->Start(true);
        SelectBusiestCountry();
    }
    DlgMainMenu& Window() { return *window_; }

private:
    void SelectBusiestCountry() {
        QListWidget& countries = window_->CountryList();
        int bestContinent = 0;
        int bestRow = -1;
        int most = -1;
        for (int continent = 0; continent < window_->ContinentBox().count(); ++continent) {
            window_->ContinentBox().setCurrentIndex(continent);
            for (int row = 0; row < countries.count(); ++row) {
                countries.setCurrentRow(row);
                if (window_->ClubList().topLevelItemCount() > most) {
                    most = window_->ClubList().topLevelItemCount();
                    bestContinent = continent;
                    bestRow = row;
                }
            }
        }
        window_->ContinentBox().setCurrentIndex(bestContinent);
        countries.setCurrentRow(bestRow);
        window_->ClubList().setCurrentItem(window_->ClubList().topLevelItem(3));
    }

    Editor editor_;
    std::unique_ptr<EditorDialogs> editors_;
    std::unique_ptr<DlgMainMenu> window_;
};

const ScreenRegistration mainWindow("main_window", [](ScreenContext& context) {
    MainWindowScreen screen(context);
    return GrabShown(screen.Window());
});

const ScreenRegistration openDatabase("user_database_open", [](ScreenContext& context) {
    Editor editor(context);
    UserDatabaseDialogModel model(UserDatabaseDialogModel::Kind::Open, editor.folders,
                                  editor.prompt, "Editor");
    model.Select(0);
    CDlgUserDatabase dialog(model);
    return GrabShown(dialog);
});

const ScreenRegistration saveDatabase("user_database_save", [](ScreenContext& context) {
    Editor editor(context);
    UserDatabaseDialogModel model(UserDatabaseDialogModel::Kind::Save, editor.folders,
                                  editor.prompt, "Editor");
    model.SetNewName("Liga 2005");
    model.SetNewComment(context.Pick("Сезон 2005", "Season 2005").toStdString());
    CDlgUserDatabase dialog(model);
    return GrabShown(dialog);
});

const ScreenRegistration synchronisation("synchronisation", [](ScreenContext& context) {
    Editor editor(context);
    editor.databases->OpenGameDatabase();
    editor.databases->OpenGameDatabase();
    SynchronisationModel model(
        *editor.databases, [](uint32_t mask) { return std::optional<uint32_t>(mask); },
        [](uint32_t mask) { return std::optional<uint32_t>(mask); });
    CDlgDatabaseCopy dialog(model);
    dialog.LeftTree().expandToDepth(0);
    dialog.RightTree().expandToDepth(0);
    return GrabShown(dialog);
});

const ScreenRegistration countryParts("parts_country", WidgetScreen([](ScreenContext&) {
                                          return std::make_unique<CDlgCopyParts>(
                                              CDlgCopyParts::Kind::Country,
                                              kCountryCopyGeneral | kCountryCopyClubs);
                                      }));

const ScreenRegistration clubParts("parts_club", WidgetScreen([](ScreenContext&) {
                                       return std::make_unique<CDlgCopyParts>(
                                           CDlgCopyParts::Kind::Club, CClub::kCopyAll);
                                   }));

// A club of the sample with players, and its first player.
const CClub* SampleClub(ScreenContext& context) {
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        CCountry* country = context.world->GetCountry(number);
        if (country != nullptr && country->GetOrdinaryClubCount() > 0) {
            return country->GetClubByPosition(0);
        }
    }
    return nullptr;
}

const ScreenRegistration kitPreview("render_kit_preview", [](ScreenContext& context) {
    RenderManagerUse renderer(BuiltRenderer());
    const CClub* club = SampleClub(context);
    CRenderPreview preview(club != nullptr ? club->Kit() : ClubKit());
    return GrabShown(preview);
});

const ScreenRegistration headPreview("render_head_preview", [](ScreenContext& context) {
    RenderManagerUse renderer(BuiltRenderer());
    const CClub* club = SampleClub(context);
    std::array<uint32_t, TALLO_LOOK_SIZE> looks{};
    if (club != nullptr && club->PlayerCount() > 0) {
        if (const CPlayer* player = context.world->FindPlayer(club->PlayerId(0))) {
            looks = RendererLookValues(*player);
        }
    }
    CRenderPreview preview(club != nullptr ? club->Kit() : ClubKit(), looks);
    return GrabShown(preview);
});

} // namespace

} // namespace tallo::screens
