// The admin menu of the main window (started with the admin word) and a tool's report box.

#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include <memory>

#include "app/app_state.h"
#include "editing/admin/admin_tool_runner.h"
#include "editing/main_window/command_ids.h"
#include "editing/session/database_session.h"
#include "editors/framework/qt_text.h"
#include "editors/main_window/dlg_main_menu.h"
#include "editors/main_window/editor_dialogs.h"
#include "formats/string_table.h"
#include "screen_editor.h"
#include "screen_registry.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo::screens {

namespace {

constexpr int kProductString = 898;

// The admin flag for the length of one picture.
struct AdminWord {
    AdminWord() { AppState::Instance().SetAdminMode(true); }
    ~AdminWord() { AppState::Instance().SetAdminMode(false); }
};

// The country of the sample with the most clubs.
int BusiestCountry(const CWorld& world) {
    int best = 1;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        if (world.GetCountry(number)->GetClubCount() > world.GetCountry(best)->GetClubCount()) {
            best = number;
        }
    }
    return best;
}

const ScreenRegistration adminMenu("admin_menu", [](ScreenContext& context) {
    AdminWord admin;
    ScreenEditor editor(context, "admin", false);
    EditorDialogs dialogs(nullptr, editor.context);
    DlgMainMenu window(*editor.databases, &dialogs, true);
    dialogs.SetOwner(&window);
    window.Start(true);
    QMenu* menu = nullptr;
    for (QAction* action : window.menuBar()->actions()) {
        if (action->menu() != nullptr && action->menu()->objectName() == "admin") {
            menu = action->menu();
        }
    }
    if (menu == nullptr) {
        return QImage();
    }
    return GrabShown(*menu);
});

const ScreenRegistration adminReport("admin_report", [](ScreenContext& context) {
    AdminWord admin;
    ScreenEditor editor(context, "admin-report");
    const std::string caption = LoadString(kProductString);
    AdminToolRunner runner(*editor.session, editor.prompt, caption, nullptr);
    const AdminRunResult result =
        runner.Run(Command::kAdminRemoveUnusedStadiums, BusiestCountry(editor.session->World()), 0);
    // The box as the editor's prompt shows it.
    QMessageBox box(QMessageBox::Information, ToQString(caption), ToQString(result.report),
                    QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(UiText("framework.button.ok"));
    return GrabShown(box);
});

} // namespace

} // namespace tallo::screens
