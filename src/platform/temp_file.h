#pragma once

#include "platform/environment.h"

#include <optional>
#include <string>

namespace tallo {

// Creates a new, empty file named `prefix` followed by six random characters in `folder`
// (resolved case-insensitively) and returns its path; nullopt on failure or when the prefix
// holds a "/". The caller removes the file.
std::optional<std::string> CreateTempFile(const std::string& folder, const std::string& prefix);

// Creates a new, empty folder named `prefix` followed by six random characters in the
// temporary folder ($TMPDIR, else /tmp) and returns its path; nullopt on failure or when the
// prefix holds a "/". The caller removes the folder.
std::optional<std::string> CreateTempFolder(const std::string& prefix,
                                            const Environment& env = SystemEnvironment::Instance());

} // namespace tallo
