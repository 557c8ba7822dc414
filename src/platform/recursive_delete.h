#pragma once

#include <string>

namespace tallo {

// Removes a folder with everything in it. Symbolic links are removed as links: the walk never
// follows one, so nothing outside the folder is touched. When `path` is itself a link, only the
// link goes. True when nothing is left at `path` afterwards (also when there was nothing);
// false for a path that is a file rather than a folder, for "/" and for "", and when some
// entry could not be removed (the rest is removed all the same).
bool DeleteFolderTree(const std::string& path);

} // namespace tallo
