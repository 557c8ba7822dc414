#pragma once

#include "platform/environment.h"

#include <optional>
#include <string>
#include <string_view>

namespace tallo {

// Where the game is installed. The first hit wins:
//  1. the environment variable TALLO_INSTALL_DIR (when not empty);
//  2. the line "INSTALL DIR=<path>" of the product's settings file (see SettingsFilePath).
// nullopt when neither names a folder. The folder itself is not checked here.
std::optional<std::string> LookUpInstallDir(const std::string& product, const Environment& env);

// $XDG_CONFIG_HOME/vantor-sports/<product>.conf, with XDG_CONFIG_HOME defaulting to
// $HOME/.config; "" when neither variable is usable. A "/" in the product name becomes "_".
std::string SettingsFilePath(const std::string& product, const Environment& env);

// Stores `dir` as the "INSTALL DIR" line of the settings file, creating the folders and the
// file when missing and keeping every other line. Written atomically. False on any failure,
// and for a folder name holding a line break (it could not be read back).
bool WriteInstallDirSetting(const std::string& product, const std::string& dir,
                            const Environment& env);

// The value of the line "<key>=<value>" of the product's settings file (the first such line);
// nullopt when the file or the line is missing or the value empty.
std::optional<std::string> ReadSetting(const std::string& product, std::string_view key,
                                       const Environment& env);
// Stores "<key>=<value>" in the settings file as WriteInstallDirSetting does (other lines kept,
// written atomically). False for an empty key or value, a key with "=", line breaks.
bool WriteSetting(const std::string& product, std::string_view key, const std::string& value,
                  const Environment& env);

// Where an installed copy of the programs keeps our renderer plug-in, given the folder of the
// running program: the library folder beside it ("/usr/lib/tallo" for "/usr/bin"), as the
// install rules lay it out. "" for an empty program folder.
std::string InstalledPluginFolder(const std::string& programFolder);

} // namespace tallo
