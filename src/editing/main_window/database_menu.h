#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tallo {

class OpenDatabases;

// One entry of the database menu's second column (RebuildDatabaseMenu).
struct DatabaseMenuEntry {
    int command = 0;  // 32830 + position
    std::string text; // "%d. %s" with position + 1 and the shortened name
    bool current = false;
};

// A database's name as the menu shows it: the folder's last component (after the last "/"),
// when longer than 40 characters "..." and its last 37, and every lower-case ASCII letter at
// the start or after a blank in upper case. Folder names are UTF-8 and counted in characters,
// so a name is never cut inside a character.
std::string DatabaseMenuName(std::string_view folder);

// The entries for every open database, in list order.
std::vector<DatabaseMenuEntry> BuildDatabaseMenu(const OpenDatabases& databases);

// The window title (RefreshFromDatabase): "%s - %s" with the base title and the database's
// name, every lower-case ASCII letter after a blank from the end of the base title on in upper
// case; an asterisk follows while the database has unsaved changes.
std::string WindowTitle(std::string_view baseTitle, std::string_view databaseName, bool modified);

} // namespace tallo
