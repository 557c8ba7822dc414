// tallo-db resave SRC DST: load a database folder and save it into another one.

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>

#include "app/world_internationals.h"
#include "commands.h"
#include "installation.h"
#include "platform/path_resolver.h"
#include "world/world.h"

namespace tallo::db {

namespace {

constexpr const char* kCommand = "resave";

struct ResaveOptions {
    std::string source;
    std::string target;
    std::string install;
};

void RunResave(const ResaveOptions& options) {
    const std::unique_ptr<OpenedDatabase> opened =
        OpenDatabase(kCommand, options.install, options.source);
    if (!opened) {
        return;
    }
    CWorld& world = opened->world;
    if (!CreateFolders(options.target)) {
        ReportFailure(kCommand, "cannot create the folder " + options.target);
        return;
    }
    world.SetDatabaseFolder(options.target);
    if (!world.SaveAll(nullptr)) {
        // The files that could be written stay written; each one is whole.
        ReportFailure(kCommand, "at least one file could not be written into " + options.target +
                                    "; make sure the folder is writable");
        return;
    }
    std::cout << "Saved " << options.source << " into " << options.target << " ("
              << world.PlayerCount() << " persons)\n";
    SetExitStatus(0);
}

} // namespace

void RegisterResaveCommand(CLI::App& app) {
    auto options = std::make_shared<ResaveOptions>();
    CLI::App* command = app.add_subcommand(
        kCommand, "Load a database folder and save it into another folder, as the editor saves");
    command->add_option("SRC", options->source, "Database folder to load")->required();
    command->add_option("DST", options->target, "Folder to save into (created when missing)")
        ->required();
    AddInstallOption(*command, options->install);
    command->callback([options] { RunResave(*options); });
}

} // namespace tallo::db
