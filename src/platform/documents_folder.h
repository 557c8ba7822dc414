#pragma once

#include "platform/environment.h"

#include <optional>
#include <string>

namespace tallo {

// The user's documents folder, where user databases live: TALLO_DOCUMENTS_DIR, else
// XDG_DOCUMENTS_DIR, else $HOME/Documents (empty variables count as unset). The folder is
// created when missing; nullopt when no variable names one or it cannot be created.
std::optional<std::string> DocumentsFolder(const Environment& env);

} // namespace tallo
