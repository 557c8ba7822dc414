// tallo-db resave SRC DST: load a database folder and save it into another one.

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>

#include "app/world_internationals.h"
#include "commands.h"
#include "database_safety.h"
#include "database_write_lock.h"
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
    bool acceptDamage = false;
};

void RunResave(const ResaveOptions& options) {
    // The target is locked before the source is loaded (they may be one folder) and stays
    // locked until it is saved.
    DatabaseWriteLock lock;
    if (!lock.Take(kCommand, options.target)) {
        return;
    }
    const std::unique_ptr<OpenedDatabase> opened =
        OpenDatabase(kCommand, options.install, options.source);
    if (!opened) {
        return;
    }
    CWorld& world = opened->world;
    if (!MaySaveAfterLoad(kCommand, world, options.acceptDamage)) {
        return;
    }
    if (!CreateFolders(options.target)) {
        ReportFailure(kCommand, "cannot create the folder " + options.target);
        return;
    }
    world.SetDatabaseFolder(options.target);
    if (!SaveDatabase(kCommand, world)) {
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
    AddAcceptDamageOption(*command, options->acceptDamage);
    command->callback([options] { RunResave(*options); });
}

} // namespace tallo::db
