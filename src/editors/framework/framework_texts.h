#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "formats/interface_language.h"

namespace tallo {

// A text of the dialog framework by its key (UTF-8), in the interface language or a given one.
// An unknown key gives the key itself, so that a missing text shows up in a screenshot instead
// of a blank.
std::string FrameworkText(std::string_view key);
std::string FrameworkText(std::string_view key, InterfaceLanguage language);

// True when the framework's table holds that key; every key of the table.
bool HasFrameworkText(std::string_view key);
std::vector<std::string_view> FrameworkTextKeys();

} // namespace tallo
