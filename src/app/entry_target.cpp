#include "app/entry_target.h"

#include <filesystem>
#include <system_error>

#include "assets/safe_path.h"
#include "platform/path_resolver.h"

namespace tallo {

bool StaysInsideFolder(const std::string& base, const std::string& path) {
    std::error_code error;
    const std::filesystem::path root = std::filesystem::weakly_canonical(base, error);
    if (error) {
        return false;
    }
    const std::filesystem::path full = std::filesystem::weakly_canonical(path, error);
    if (error) {
        return false;
    }
    auto rootIt = root.begin();
    auto fullIt = full.begin();
    for (; rootIt != root.end(); ++rootIt, ++fullIt) {
        if (rootIt->empty()) {
            continue; // the empty last element of a path that ends in "/"
        }
        if (fullIt == full.end() || *fullIt != *rootIt) {
            return false;
        }
    }
    // Something must be left below the folder: the folder itself is no file of it.
    for (; fullIt != full.end(); ++fullIt) {
        if (!fullIt->empty()) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> EntryTargetPath(const std::string& base, std::string_view name) {
    if (!IsSafeEntryName(name) || name.back() == '/' || name.back() == '\\') {
        return std::nullopt;
    }
    std::string relative(name);
    for (char& c : relative) {
        if (c == '\\') {
            c = '/';
        }
    }
    const std::string root = ResolvePath(base);
    const std::string path = ResolvePath(root + "/" + relative);
    if (!StaysInsideFolder(root, path)) {
        return std::nullopt;
    }
    return path;
}

} // namespace tallo
