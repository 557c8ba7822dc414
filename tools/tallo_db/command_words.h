#pragma once

#include <string>

namespace CLI {
class App;
}

namespace tallo::db {

// After a failed parse: when the command line stopped at a command that needs a subcommand
// (none given, or a word that is none of them), the message that says so and names the words
// that exist ("tallo-db tdb: no subcommand 'exprt'; the subcommands are: export, import,
// list"). "" for every other parse error, which CLI11 reports itself.
std::string SubcommandMessage(const CLI::App& app);

} // namespace tallo::db
