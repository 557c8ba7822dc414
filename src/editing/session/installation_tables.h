#pragma once

#include <string>

#include "app/load_preparation.h"

namespace tallo {

class IPrompt;

// The tables of the installation that every open database shares, read once per editor run
// before the first database is loaded (main window start, steps 4 of its initialisation): the
// current game date and the stadium model list, the competition trees and cup schemes, the
// per-language text tables of the string table's language code, and the global tool object
// (ID tables, star heads, badge archive, name lists). A missing badge archive is reported
// through `prompt` when given. What was read is in the returned record.
LoadPreparation LoadInstallationTables(const std::string& installFolder, IPrompt* prompt);

} // namespace tallo
