#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tallo {

// Where a file named inside an archive (a world archive chunk, a BIG entry) goes below the
// folder `base`: "<base>/<name>" with every back slash turned into "/", resolved regardless of
// case. nullopt when the name fails IsSafeEntryName (absolute, drive, "..", ...), names a folder
// (ends in a separator), or would land outside `base` once the links inside `base` are
// followed. Nothing is created.
std::optional<std::string> EntryTargetPath(const std::string& base, std::string_view name);

// Whether `path` lies inside the folder `base` once links are followed (parts that do not
// exist yet are taken as spelled).
bool StaysInsideFolder(const std::string& base, const std::string& path);

} // namespace tallo
