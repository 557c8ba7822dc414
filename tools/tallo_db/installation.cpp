#include "installation.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>
#include <optional>

#include "app/load_preparation.h"
#include "app/world_internationals.h"
#include "commands.h"
#include "database_safety.h"
#include "formats/string_table.h"
#include "path_check.h"
#include "platform/environment.h"
#include "platform/install_folder.h"
#include "platform/path_resolver.h"
#include "world/world.h"

namespace tallo::db {

namespace {

constexpr int kProductString = 898;

// The folder above a database folder, when it is an installation (it holds the game's data
// archive).
std::optional<std::string> InstallationAbove(const std::string& databaseFolder) {
    if (databaseFolder.empty()) {
        return std::nullopt;
    }
    std::error_code failure;
    std::filesystem::path path = std::filesystem::absolute(databaseFolder, failure);
    if (failure) {
        return std::nullopt;
    }
    path = path.lexically_normal();
    if (!path.has_filename()) {
        path = path.parent_path(); // "x/database/" ends in an empty file name
    }
    const std::string parent = path.parent_path().string();
    if (parent.empty() || !FileExists(parent + "/data/zdata_06.big")) {
        return std::nullopt;
    }
    return parent;
}

} // namespace

void AddInstallOption(CLI::App& command, std::string& folder) {
    command.add_option("--install", folder,
                       "Installation folder (default: the folder above DIR when DIR lies in an "
                       "installation, else TALLO_INSTALL_DIR, else the settings file)");
}

bool FindInstallation(const std::string& explicitFolder, const std::string& databaseFolder,
                      Installation& found, std::string& error) {
    // A database folder inside an installation belongs to that installation, whatever the
    // environment or the settings file name.
    if (!explicitFolder.empty()) {
        found = {explicitFolder, "--install"};
    } else if (std::optional<std::string> above = InstallationAbove(databaseFolder)) {
        found = {*above, "the folder above the database folder"};
    } else if (std::optional<std::string> looked =
                   LookUpInstallDir(LoadString(kProductString), SystemEnvironment::Instance())) {
        const std::optional<std::string> variable =
            SystemEnvironment::Instance().Get("TALLO_INSTALL_DIR");
        const bool fromEnvironment = variable.has_value() && !variable->empty();
        found = {*looked, fromEnvironment ? "TALLO_INSTALL_DIR" : "the settings file"};
    } else {
        error = "no installation folder found: give --install DIR, set TALLO_INSTALL_DIR, or "
                "register one with 'tallo-db sample DIR --register'";
        return false;
    }
    const std::string problem = FolderProblem(found.folder);
    if (!problem.empty()) {
        error =
            "the installation folder " + found.folder + " (from " + found.foundBy + ") " + problem;
        return false;
    }
    std::cerr << "tallo-db: using the installation " << found.folder << " (from " << found.foundBy
              << ")\n";
    return true;
}

bool PrepareLoad(const std::string& explicitFolder, const std::string& databaseFolder,
                 CWorld& world, Installation& found, std::string& error) {
    if (!FindInstallation(explicitFolder, databaseFolder, found, error)) {
        return false;
    }
    const LoadPreparation prepared = PrepareForLoad(world, found.folder);
    if (!prepared.countryListRead) {
        error = "the country list of the installation " + found.folder + " (from " + found.foundBy +
                ") is refused: " + world.CountryListError();
        return false;
    }
    return true;
}

bool LoadDatabase(const std::string& databaseFolder, const Installation& installation,
                  CWorld& world, WorldInternationals& internationals, std::string& error) {
    if (!world.LoadAll(databaseFolder)) {
        error = "no country file (Country<n>.sav) could be read in " + databaseFolder;
        return false;
    }
    LoadPreparation prepared;
    LoadInternationalCompetitions(world, installation.folder, internationals, prepared);
    return true;
}

std::unique_ptr<OpenedDatabase> OpenDatabase(const std::string& command,
                                             const std::string& explicitInstall,
                                             const std::string& databaseFolder) {
    if (const std::string problem = FolderProblem(databaseFolder); !problem.empty()) {
        ReportFailure(command, "the database folder " + databaseFolder + " " + problem);
        return nullptr;
    }
    auto opened = std::make_unique<OpenedDatabase>();
    std::string error;
    if (!PrepareLoad(explicitInstall, databaseFolder, opened->world, opened->installation, error)) {
        ReportFailure(command, error);
        return nullptr;
    }
    const bool loaded = LoadDatabase(databaseFolder, opened->installation, opened->world,
                                     opened->internationals, error);
    PrintLoadFindings(command, opened->world);
    if (!loaded) {
        ReportFailure(command, error);
        return nullptr;
    }
    return opened;
}

void ReportFailure(const std::string& command, const std::string& message) {
    std::cerr << "tallo-db " << command << ": " << message << "\n";
    SetExitStatus(1);
}

} // namespace tallo::db
