#pragma once

namespace CLI {
class App;
}

namespace tallo::db {

// Each subcommand of tallo-db registers itself on the application in a function of its own
// file; main() calls them all. A subcommand's callback sets the exit status through
// SetExitStatus (0 on success).
void RegisterCommands(CLI::App& app);

void RegisterInfoCommand(CLI::App& app);         // command_info.cpp
void RegisterResaveCommand(CLI::App& app);       // command_resave.cpp
void RegisterSampleCommand(CLI::App& app);       // command_sample.cpp
void RegisterBuildCommand(CLI::App& app);        // command_build.cpp
void RegisterValidateCommand(CLI::App& app);     // command_validate.cpp
void RegisterBadgesCommand(CLI::App& app);       // command_badges.cpp
void RegisterMapCommand(CLI::App& app);          // command_map.cpp
void RegisterTdbCommand(CLI::App& app);          // command_tdb.cpp
void RegisterBigCommand(CLI::App& app);          // command_big.cpp
void RegisterPackCommands(CLI::App& app);        // command_pack.cpp: pack and unpack
void RegisterLeagueSystemCommand(CLI::App& app); // command_league_system.cpp
void RegisterAdminCommand(CLI::App& app);        // command_admin.cpp
void RegisterRankingCommand(CLI::App& app);      // command_ranking.cpp
void RegisterSearchCommand(CLI::App& app);       // command_search.cpp
void RegisterDoublesCommand(CLI::App& app);      // command_doubles.cpp

void SetExitStatus(int status);
int ExitStatus();

} // namespace tallo::db
