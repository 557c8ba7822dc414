#include "editors/main_window/editor_start.h"

#include <QApplication>

#include "app/database_folders.h"
#include "app/folder_table.h"
#include "editing/session/editor_context.h"
#include "editing/session/installation_tables.h"
#include "editing/session/database_session.h"
#include "editing/session/open_databases.h"
#include "editors/framework/dlg_longtime_operation.h"
#include "editors/framework/longtime_runner.h"
#include "editors/framework/longtime_task.h"
#include "editors/framework/qt_prompt.h"
#include "editors/framework/skin.h"
#include "editors/framework/splash_wnd.h"
#include "editors/main_window/dlg_main_menu.h"
#include "editors/main_window/editor_dialogs.h"
#include "editors/render/render_manager.h"
#include "formats/dialog_text.h"
#include "formats/interface_language.h"
#include "formats/per_language_tables.h"
#include "formats/string_table.h"
#include "mapping/global_tools.h"
#include "platform/environment.h"
#include "platform/install_folder.h"
#include "platform/path_resolver.h"

namespace tallo {

namespace {

constexpr int kProductString = 898;
constexpr int kSplashMilliseconds = 5000;

// The language chosen in the settings menu of an earlier run, unless the environment names one.
void ApplyStoredLanguage() {
    const Environment& environment = SystemEnvironment::Instance();
    const std::optional<std::string> variable = environment.Get("TALLO_UI_LANGUAGE");
    if (variable && !variable->empty()) {
        return;
    }
    InterfaceLanguage language;
    const std::optional<std::string> stored =
        ReadSetting(LoadString(kProductString), "LANGUAGE", environment);
    if (stored && InterfaceLanguageFromCode(*stored, language)) {
        SetInterfaceLanguage(language);
    }
}

} // namespace

void RunEditorWindow(QApplication& application, QtPrompt& prompt,
                     const EditorStartOptions& options) {
    Skin::Apply(application);
    ApplyStoredLanguage();

    const std::string installFolder = CurrentFolder();
    FolderTable folders;
    SetUpFolders(folders, installFolder + "/Database");

    CSplashWnd::EnableSplashScreen(options.splash);
    if (CSplashWnd::ShowSplashScreen(kSplashMilliseconds) != nullptr) {
        application.processEvents();
    }

    LoadInstallationTables(installFolder, &prompt);

    CDlgLongtimeOperation progress;
    DatabaseFolders userDatabases;
    EditorContext context;
    context.installFolder = installFolder;
    context.badgesFolder = folders.badges;
    context.pictureFolder = folders.picture;
    context.userDatabases = &userDatabases;
    context.prompt = &prompt;
    context.progress = &progress;
    context.progressLoop = progress.ModalLoop();
    context.tools = &GlobalTools();
    context.languageTables = &GlobalLanguageTables();
    OpenDatabases databases(context);

    // The editors open over the main window.
    EditorDialogs editors(nullptr, context);
    DlgMainMenu window(databases, &editors, options.adminMode);
    editors.SetOwner(&window);
    prompt.SetParent(&window);
    RenderManagerSetup renderSetup;
    renderSetup.mainWindow = &window;
    renderSetup.candidates = DefaultRendererCandidates(installFolder, options.programFolder);
    CRenderManager& renderer = CRenderManager::Acquire(renderSetup);
    window.show();
    if (CSplashWnd* splash = CSplashWnd::Current()) {
        splash->raise();
    }
    // The game's database loads on a worker thread behind the progress window; what the load
    // found damaged is shown when it is done.
    DatabaseSession* game = nullptr;
    CLongtimeTask load(DialogText("main.load.title"), installFolder + "/database",
                       [&databases, &game](CLongtimeTask&) {
                           game = databases.OpenGameDatabase();
                           return game != nullptr;
                       });
    RunWithProgressDialog(load, &window);
    if (game != nullptr) {
        databases.ShowLoadFindings(*game);
    }
    if (window.Start(renderer.IsReady())) {
        application.exec();
    }
    prompt.SetParent(nullptr);
    CRenderManager::Release();
}

} // namespace tallo
