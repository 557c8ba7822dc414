#pragma once

#include "app/world_internationals.h"
#include "world/world.h"

#include <memory>
#include <string>

namespace CLI {
class App;
}

namespace tallo::db {

// The installation folder a command works with, and how it was found.
struct Installation {
    std::string folder;
    std::string foundBy; // "--install", "TALLO_INSTALL_DIR", the settings file, ...
};

// Adds the option "--install DIR" to a command.
void AddInstallOption(CLI::App& command, std::string& folder);

// Finds the installation folder: the folder given with --install when there is one; else, for
// a database folder that lies inside an installation, the folder above it (it holds
// "data/zdata_06.big"); else the way the editor finds it (the environment variable
// TALLO_INSTALL_DIR, then the "INSTALL DIR" line of the settings file). Prints on standard
// error which folder it took and why. False with a message when none is found or the folder
// is not one.
bool FindInstallation(const std::string& explicitFolder, const std::string& databaseFolder,
                      Installation& found, std::string& error);

// Finds the installation and prepares what the editor prepares before it loads a database:
// the current game date, the stadium model list, the competition trees and the cup schemes of
// the script folder, and the world's 206 countries from countries.sav. False with a message when
// the installation or its countries.sav is missing.
bool PrepareLoad(const std::string& explicitFolder, const std::string& databaseFolder,
                 CWorld& world, Installation& found, std::string& error);

// Loads the database folder into a world prepared with PrepareLoad, then the international
// competitions of the installation's script folder for it (kept by `internationals`, which
// the caller declares after the world). False with a message when no country file could be
// read.
bool LoadDatabase(const std::string& databaseFolder, const Installation& installation,
                  CWorld& world, WorldInternationals& internationals, std::string& error);

// A database folder loaded the way the editor loads one, with its international competitions.
// The competitions are declared after the world, so that they let the world's index go first.
struct OpenedDatabase {
    Installation installation;
    CWorld world;
    WorldInternationals internationals;
};

// Checks that the database folder exists, then PrepareLoad and LoadDatabase. Null after a
// message through ReportFailure for `command` when one of them fails.
std::unique_ptr<OpenedDatabase> OpenDatabase(const std::string& command,
                                             const std::string& explicitInstall,
                                             const std::string& databaseFolder);

// Prints "tallo-db <command>: <message>" to standard error and sets a failing exit status.
void ReportFailure(const std::string& command, const std::string& message);

} // namespace tallo::db
