#include "platform/path_resolver.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/folder_listing_cache.h"

namespace tallo {

namespace {

// Names are compared the way the editor lower-cases its own paths (FoldNameCase): ASCII
// letters and the German capital umlauts fold; other bytes from 0x80 on must match exactly,
// since their meaning depends on the code page the name was written in.
bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    std::string foldedA(a);
    std::string foldedB(b);
    FoldNameCase(foldedA);
    FoldNameCase(foldedB);
    return foldedA == foldedB;
}

std::vector<std::string_view> SplitComponents(std::string_view path) {
    std::vector<std::string_view> parts;
    size_t pos = 0;
    while (pos < path.size()) {
        size_t end = path.find('/', pos);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        if (end > pos) {
            parts.push_back(path.substr(pos, end - pos));
        }
        pos = end + 1;
    }
    return parts;
}

// The spelling on disk of `name` inside `folder`, when some entry matches it regardless of
// case. Among several matches the smallest in byte order wins.
std::optional<std::string> FindOtherSpelling(const std::string& folder, std::string_view name) {
    if (FolderListingCache* cache = FolderListingCache::Current()) {
        return cache->FindSpelling(folder, name);
    }
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        return std::nullopt;
    }
    std::optional<std::string> best;
    while (const dirent* entry = readdir(dir)) {
        std::string_view candidate(entry->d_name);
        if (SameIgnoringCase(candidate, name) && (!best || candidate < *best)) {
            best = std::string(candidate);
        }
    }
    closedir(dir);
    return best;
}

bool EntryExists(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

std::string Join(const std::string& prefix, std::string_view name) {
    if (prefix.empty()) {
        return std::string(name);
    }
    if (prefix.back() == '/') {
        return prefix + std::string(name);
    }
    return prefix + "/" + std::string(name);
}

// Drops the last component of a path built by Join.
void DropLast(std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        path.clear();
    } else if (slash == 0) {
        path.resize(1);
    } else {
        path.resize(slash);
    }
}

// Whether the path is written the way ResolvePath writes its results: no "." or ".."
// components, no doubled or trailing "/". Such a path resolves to itself when it exists as
// spelled.
bool IsTidyPath(std::string_view path) {
    if (path.empty() || path.back() == '/') {
        return false;
    }
    size_t pos = path.front() == '/' ? 1 : 0;
    while (pos <= path.size()) {
        size_t end = path.find('/', pos);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        const std::string_view part = path.substr(pos, end - pos);
        if (part.empty() || part == "." || part == "..") {
            return false;
        }
        pos = end + 1;
    }
    return true;
}

// The folder of a path and its last name ("" for both when the path has no "/"; "/" for a
// name at the root).
std::pair<std::string, std::string_view> SplitLast(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return {std::string(), std::string_view()};
    }
    return {slash == 0 ? "/" : path.substr(0, slash), std::string_view(path).substr(slash + 1)};
}

// The spelling of `name` in `folder` as the listing cache in charge has it; `listed` tells
// whether there is such a cache and it could list the folder (else nothing is known).
std::optional<std::string> ListedSpelling(const std::string& folder, std::string_view name,
                                          bool& listed) {
    listed = false;
    FolderListingCache* cache = FolderListingCache::Current();
    if (cache == nullptr || folder.empty()) {
        return std::nullopt;
    }
    return cache->FindSpelling(folder, name, &listed);
}

} // namespace

void FoldNameCase(std::string& name) {
    for (size_t i = 0; i < name.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(name[i]);
        if (c >= 'A' && c <= 'Z') {
            name[i] = static_cast<char>(c - 'A' + 'a');
        } else if (c == 0xC3 && i + 1 < name.size()) {
            // UTF-8 Ä Ö Ü (C3 84, C3 96, C3 9C) become ä ö ü (C3 A4, C3 B6, C3 BC).
            unsigned char next = static_cast<unsigned char>(name[i + 1]);
            if (next == 0x84 || next == 0x96 || next == 0x9C) {
                name[i + 1] = static_cast<char>(next + 0x20);
            }
            ++i;
        } else if (c == 0xC4 || c == 0xD6 || c == 0xDC) {
            // The 8-bit umlauts, unless the byte leads a UTF-8 sequence.
            bool utf8Lead =
                i + 1 < name.size() && (static_cast<unsigned char>(name[i + 1]) & 0xC0) == 0x80;
            if (!utf8Lead) {
                name[i] = static_cast<char>(c + 0x20);
            }
        }
    }
}

std::string ResolvePath(const std::string& path) {
    // When the whole path exists as spelled, so does every component on the way, and the walk
    // below would keep each one: one look-up instead of one per component.
    if (IsTidyPath(path)) {
        const auto [folder, name] = SplitLast(path);
        // A folder listed by the cache answers for its names without asking the system.
        bool listed = false;
        const std::optional<std::string> spelling = ListedSpelling(folder, name, listed);
        if (listed) {
            return Join(folder, spelling ? std::string_view(*spelling) : name);
        }
        if (EntryExists(path)) {
            return path;
        }
        // Likewise, when the folder exists as spelled, only the last name needs a look for
        // another spelling (a file that is missing, or spelled otherwise, in a known folder).
        if (!folder.empty()) {
            if (EntryExists(folder)) {
                const std::optional<std::string> other = FindOtherSpelling(folder, name);
                return Join(folder, other ? std::string_view(*other) : name);
            }
        }
    }
    const bool absolute = !path.empty() && path.front() == '/';
    std::string result = absolute ? "/" : "";
    // Components at the end of `result` that do not exist on disk. Below the first of them
    // nothing exists, so later names keep their spelling and ".." simply drops one of them.
    size_t missing = 0;
    for (std::string_view part : SplitComponents(path)) {
        if (part == ".") {
            continue;
        }
        if (part == "..") {
            if (missing > 0) {
                DropLast(result);
                --missing;
            } else {
                // Everything so far exists: let the system walk up, so that symbolic links
                // keep their usual meaning.
                result = Join(result, part);
            }
            continue;
        }
        std::string exact = Join(result, part);
        if (missing > 0) {
            result = std::move(exact);
            ++missing;
            continue;
        }
        if (EntryExists(exact)) {
            result = std::move(exact);
            continue;
        }
        std::optional<std::string> other = FindOtherSpelling(result.empty() ? "." : result, part);
        if (other) {
            result = Join(result, *other);
        } else {
            result = std::move(exact);
            missing = 1;
        }
    }
    if (result.empty() && !path.empty()) {
        return ".";
    }
    return result;
}

namespace {

// Whether a folder listed by the cache in charge holds no entry of the path's name in any
// spelling.
bool ListedAsMissing(const std::string& path) {
    const auto [folder, name] = SplitLast(path);
    bool listed = false;
    const bool found = ListedSpelling(folder, name, listed).has_value();
    return listed && !found;
}

} // namespace

// A path that exists as spelled resolves to itself, so it is looked at once instead of twice
// (a check of every club's badge files asks thousands of times); one that a listed folder
// lacks is not looked at.
bool FileExists(const std::string& path) {
    struct stat info;
    if (IsTidyPath(path)) {
        if (ListedAsMissing(path)) {
            return false;
        }
        if (stat(path.c_str(), &info) == 0) {
            return S_ISREG(info.st_mode);
        }
    }
    return stat(ResolvePath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool FolderExists(const std::string& path) {
    struct stat info;
    if (IsTidyPath(path)) {
        if (ListedAsMissing(path)) {
            return false;
        }
        if (stat(path.c_str(), &info) == 0) {
            return S_ISDIR(info.st_mode);
        }
    }
    return stat(ResolvePath(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool CreateFolders(const std::string& path) {
    const std::string resolved = ResolvePath(path);
    if (resolved.empty()) {
        return false;
    }
    // Create each prefix in turn; the ones that exist already fail with EEXIST.
    for (size_t pos = 1; pos <= resolved.size(); ++pos) {
        if (pos != resolved.size() && resolved[pos] != '/') {
            continue;
        }
        const std::string prefix = resolved.substr(0, pos);
        if (mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST) {
            return false;
        }
    }
    struct stat info;
    return stat(resolved.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string CurrentFolder() {
    std::vector<char> buffer(256);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE || buffer.size() > (1u << 20)) {
            return "";
        }
        buffer.resize(buffer.size() * 2);
    }
    return std::string(buffer.data());
}

bool ChangeFolder(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    return chdir(ResolvePath(path).c_str()) == 0;
}

} // namespace tallo
