#include "world/whole_file.h"

#include <string_view>

#include "platform/atomic_file.h"
#include "platform/path_resolver.h"

namespace tallo {

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

// Creates every folder above the file of `path` (a path with "/" separators).
void CreateParentFolders(const std::string& path) {
    for (size_t i = 0; i < path.size(); ++i) {
        if (path[i] != '/' || i == 0) {
            continue;
        }
        std::string folder = path.substr(0, i);
        if (folder.back() == '/' || folder.back() == ':') {
            // An empty part ("a//b") or a drive ("C:").
            continue;
        }
        CreateFolders(folder);
    }
}

} // namespace

bool WriteWholeFile(const std::string& path, const void* data, size_t size, bool createFolders) {
    if (path.empty() || (data == nullptr && size > 0)) {
        return false;
    }
    std::string normalised = path;
    for (char& c : normalised) {
        if (IsSeparator(c)) {
            c = '/';
        }
    }
    std::string_view bytes(static_cast<const char*>(data), size);
    if (WriteFileAtomically(normalised, bytes)) {
        return true;
    }
    if (!createFolders) {
        return false;
    }
    CreateParentFolders(normalised);
    return WriteFileAtomically(normalised, bytes);
}

} // namespace tallo
