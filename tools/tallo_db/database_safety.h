#pragma once

#include <string>
#include <string_view>

namespace CLI {
class App;
}

namespace tallo {
class CWorld;
}

namespace tallo::db {

// Text from a record file for the terminal: converted from the database's code page to UTF-8,
// with control and other non-printable characters written as "\xNN" instead of raw.
std::string PrintableText(std::string_view bytes);

// Prints what the last load of `world` found damaged, one line each on standard error
// ("tallo-db COMMAND: damaged: FILE:LINE: what").
void PrintLoadFindings(const std::string& command, const CWorld& world);

// Adds the flag "--accept-damage" to a command that saves.
void AddAcceptDamageOption(CLI::App& command, bool& acceptDamage);

// Whether a save of `world` may go ahead: true when its load found nothing wrong, or when the
// user accepted the damage. Otherwise a failure naming the damaged files is reported (nothing
// is saved) and false is returned.
bool MaySaveAfterLoad(const std::string& command, const CWorld& world, bool acceptDamage);

// SaveAll of `world` into its database folder, all or nothing. On failure one message names
// each file with the system's reason and says that no file was changed; false then. Files left
// as they were because the load could not read them are named on standard error.
bool SaveDatabase(const std::string& command, CWorld& world);

} // namespace tallo::db
