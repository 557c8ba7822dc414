// tallo-editor: the database editor. With "-master" on the command line it builds the
// game database without a window; otherwise it runs the main window.

#include <QApplication>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/master_build_driver.h"
#include "app/tallo2002_app.h"
#include "editors/qt_prompt.h"
#include "formats/string_table.h"
#include "platform/console_prompt.h"

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

}  // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    bool buildMode = false;
    for (const std::string& argument : arguments) {
        buildMode = buildMode || argument == "-master";
    }

    // Build mode and a machine without a display print their messages; the editor shows them
    // in message boxes.
    std::unique_ptr<QApplication> application;
    std::unique_ptr<tallo::IPrompt> prompt;
    if (!buildMode && HasDisplay()) {
        application = std::make_unique<QApplication>(argc, argv);
        prompt = std::make_unique<tallo::QtPrompt>();
    } else {
        prompt = std::make_unique<tallo::ConsolePrompt>(std::cerr);
    }

    tallo::AppServices services;
    services.prompt = prompt.get();
    services.out = &std::cout;
    services.runMasterBuild = [&](int32_t language, uint32_t optionBits) {
        tallo::RunMasterBuild(language, optionBits, *prompt, std::cerr);
    };
    services.runMainWindow = [&]() {
        // The main window is not part of this version yet.
        prompt->ShowMessage("The editor window is not available in this version yet; use "
                            "\"-master\" to build the game database.",
                            tallo::LoadString(899));
    };

    tallo::CTallo2002App app(services);
    app.InitInstance(arguments);
    return app.ExitInstance();
}
