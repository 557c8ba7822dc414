#pragma once

namespace CLI {
class App;
}

namespace tallo::db {

// Each subcommand of tallo-db registers itself on the application in a function of its own
// file; main() calls them all. A subcommand's callback sets the exit status through
// SetExitStatus (0 on success).
void RegisterCommands(CLI::App& app);

void SetExitStatus(int status);
int ExitStatus();

}  // namespace tallo::db
