#include "screen_editor.h"

#include <filesystem>

namespace tallo::screens {

ScreenEditor::ScreenEditor(const ScreenContext& screen, const std::string& name, bool openGame,
                           const std::string& userDatabase)
    : documents(screen.install + "/../documents-" + name),
      environment({{"TALLO_DOCUMENTS_DIR", documents}}), folders(environment) {
    std::filesystem::create_directories(
        userDatabase.empty() ? documents : documents + "/Database/" + userDatabase);
    context.installFolder = screen.install;
    context.badgesFolder = screen.install + "/badges";
    context.pictureFolder = screen.install + "/picture";
    context.userDatabases = &folders;
    context.prompt = &prompt;
    context.progress = &progress;
    databases = std::make_unique<OpenDatabases>(context);
    if (openGame) {
        session = databases->OpenGameDatabase();
    }
}

} // namespace tallo::screens
