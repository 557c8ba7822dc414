#include "commands.h"

#include <CLI/CLI.hpp>

namespace tallo::db {

namespace {
int g_exitStatus = 0;
}  // namespace

void SetExitStatus(int status) { g_exitStatus = status; }
int ExitStatus() { return g_exitStatus; }

void RegisterCommands(CLI::App& app) {
    // Subcommands are added here as their parts of the editor arrive.
    (void)app;
}

}  // namespace tallo::db
