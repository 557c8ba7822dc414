#include "screen_editor.h"

#include <filesystem>

namespace tallo::screens {

ScreenEditor::ScreenEditor(const ScreenContext& screen, const std::string& name)
    : documents(screen.install + "/../documents-" + name),
      environment({{"TALLO_DOCUMENTS_DIR", documents}}), folders(environment) {
    std::filesystem::create_directories(documents);
    context.installFolder = screen.install;
    context.badgesFolder = screen.install + "/badges";
    context.pictureFolder = screen.install + "/picture";
    context.userDatabases = &folders;
    context.prompt = &prompt;
    context.progress = &progress;
    databases = std::make_unique<OpenDatabases>(context);
    session = databases->OpenGameDatabase();
}

} // namespace tallo::screens
