#include "commands.h"

#include <CLI/CLI.hpp>

namespace tallo::db {

namespace {
int g_exitStatus = 0;
} // namespace

void SetExitStatus(int status) {
    g_exitStatus = status;
}
int ExitStatus() {
    return g_exitStatus;
}

void RegisterCommands(CLI::App& app) {
    RegisterInfoCommand(app);
    RegisterResaveCommand(app);
    RegisterValidateCommand(app);
    RegisterSampleCommand(app);
    RegisterBuildCommand(app);
    RegisterBadgesCommand(app);
    RegisterMapCommand(app);
    RegisterTdbCommand(app);
    RegisterBigCommand(app);
    RegisterPackCommands(app);
    RegisterLeagueSystemCommand(app);
    RegisterAdminCommand(app);
    RegisterRankingCommand(app);
    RegisterSearchCommand(app);
    RegisterDoublesCommand(app);
}

} // namespace tallo::db
