#pragma once

// The game database of the installation named by TALLO_BENCH_INSTALL (scripts/bench gives the
// full sample world), opened once as the editor opens it at its start: the installation's
// tables read, user databases kept below the temporary folder (never touched).

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/database_folders.h"
#include "editing/session/database_session.h"
#include "editing/session/editor_context.h"
#include "editing/session/installation_tables.h"
#include "editing/session/open_databases.h"
#include "formats/per_language_tables.h"
#include "mapping/global_tools.h"
#include "platform/environment.h"
#include "platform/scripted_prompt.h"

namespace tallo::bench {

struct BenchInstallation {
    ScriptedPrompt prompt{false};
    MapEnvironment environment;
    std::unique_ptr<DatabaseFolders> folders;
    std::unique_ptr<OpenDatabases> databases;
    DatabaseSession* session = nullptr; // null when there is no installation
    bool tried = false;
};

// Made once and kept to the end of the process: its world must not be torn down after the
// process-wide tables (cup schemes, tool object) that its competitions refer to.
inline BenchInstallation& TheInstallation() {
    static BenchInstallation& installation = *new BenchInstallation;
    if (installation.tried) {
        return installation;
    }
    installation.tried = true;
    const char* install = std::getenv("TALLO_BENCH_INSTALL");
    if (install == nullptr || !std::filesystem::is_directory(install)) {
        return installation;
    }
    LoadInstallationTables(install, nullptr);
    installation.environment.Set("TALLO_DOCUMENTS_DIR",
                                 std::filesystem::temp_directory_path().string());
    installation.folders = std::make_unique<DatabaseFolders>(installation.environment);
    EditorContext context;
    context.installFolder = install;
    context.userDatabases = installation.folders.get();
    context.prompt = &installation.prompt;
    context.tools = &GlobalTools();
    context.languageTables = &GlobalLanguageTables();
    installation.databases = std::make_unique<OpenDatabases>(std::move(context));
    installation.session = installation.databases->OpenGameDatabase();
    return installation;
}

} // namespace tallo::bench
