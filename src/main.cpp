// tallo-editor: the database editor. With "-master" on the command line it builds the
// game database without a window; otherwise it runs the main window.

#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/master_build_driver.h"
#include "app/app_state.h"
#include "app/tallo2002_app.h"
#include "editors/framework/qt_prompt.h"
#include "editors/main_window/editor_start.h"
#include "formats/dialog_text.h"
#include "formats/string_table.h"
#include "platform/console_prompt.h"
#include "tallo_build_config.h"

namespace {

bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

// The folder of the running program (our renderer plug-in lies beside it).
std::string ProgramFolder() {
    std::error_code failure;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", failure);
    return failure ? std::string() : self.parent_path().string();
}

} // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    bool buildMode = false;
    for (const std::string& argument : arguments) {
        buildMode = buildMode || argument == "-master";
        // Asked for the version, the editor only says it (and, unlike every other road, ends
        // with 0: scripts and package tools read it).
        if (argument == "--version") {
            std::cout << "tallo-editor " TALLO_VERSION "\n";
            return 0;
        }
    }

    // Build mode and a machine without a display print their messages; the editor shows them
    // in message boxes.
    std::unique_ptr<QApplication> application;
    std::unique_ptr<tallo::IPrompt> prompt;
    tallo::QtPrompt* qtPrompt = nullptr;
    if (!buildMode && HasDisplay()) {
        application = std::make_unique<QApplication>(argc, argv);
        auto windowPrompt = std::make_unique<tallo::QtPrompt>();
        qtPrompt = windowPrompt.get();
        prompt = std::move(windowPrompt);
    } else {
        prompt = std::make_unique<tallo::ConsolePrompt>(std::cerr);
    }

    tallo::AppServices services;
    services.prompt = prompt.get();
    services.out = &std::cout;
    services.runMasterBuild = [&](int32_t language, uint32_t optionBits) {
        tallo::RunMasterBuild(language, optionBits, *prompt, std::cerr);
    };
    tallo::CTallo2002App* running = nullptr;
    services.runMainWindow = [&]() {
        if (application == nullptr || qtPrompt == nullptr) {
            prompt->ShowMessage(tallo::DialogText("main.no_display"), tallo::LoadString(899));
            return;
        }
        tallo::EditorStartOptions options;
        options.splash = running != nullptr && running->SplashEnabled();
        options.adminMode = tallo::IsAdminMode();
        options.programFolder = ProgramFolder();
        tallo::RunEditorWindow(*application, *qtPrompt, options);
    };

    tallo::CTallo2002App app(services);
    running = &app;
    app.InitInstance(arguments);
    return app.ExitInstance();
}
