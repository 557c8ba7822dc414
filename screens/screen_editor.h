#pragma once

#include <memory>
#include <string>

#include "app/database_folders.h"
#include "editing/session/editor_context.h"
#include "editing/session/open_databases.h"
#include "platform/environment.h"
#include "platform/recording_progress.h"
#include "platform/scripted_prompt.h"
#include "screen_registry.h"

namespace tallo {
class DatabaseSession;
} // namespace tallo

namespace tallo::screens {

// An editor on the sample with its game database open, for the pictures of windows that work
// on a database session. User databases go below "<install>/../documents-<name>"; with
// `userDatabase` one of that name is there (empty) before the editor starts. With `openGame`
// the game's database is opened at once (else the window under test opens it).
struct ScreenEditor {
    ScreenEditor(const ScreenContext& screen, const std::string& name, bool openGame = true,
                 const std::string& userDatabase = std::string());

    std::string documents;
    MapEnvironment environment;
    DatabaseFolders folders;
    ScriptedPrompt prompt{true};
    RecordingProgress progress;
    EditorContext context;
    std::unique_ptr<OpenDatabases> databases;
    DatabaseSession* session = nullptr;
};

} // namespace tallo::screens
