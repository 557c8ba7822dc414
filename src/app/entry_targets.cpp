#include "app/entry_targets.h"

#include <dirent.h>
#include <sys/stat.h>

#include <vector>

#include "app/entry_target.h"
#include "assets/safe_path.h"
#include "platform/path_resolver.h"

namespace tallo {

namespace {

std::string Folded(const std::string& name) {
    std::string folded = name;
    FoldNameCase(folded);
    return folded;
}

std::string Join(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

} // namespace

EntryTargets::EntryTargets(const std::string& base) : base_(ResolvePath(base)) {}

void EntryTargets::Remember(Listing& listing, const std::string& name, bool link) {
    listing.exact.emplace(name, link);
    auto [it, added] = listing.folded.emplace(Folded(name), name);
    if (!added && name < it->second) {
        it->second = name;
    }
}

EntryTargets::Listing& EntryTargets::ListingOf(const std::string& folder) {
    auto [it, added] = listings_.try_emplace(folder);
    Listing& listing = it->second;
    if (!added) {
        return listing;
    }
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        return listing; // not there yet: every name in it is new
    }
    listing.exists = true;
    while (const dirent* entry = readdir(dir)) {
        const std::string name(entry->d_name);
        if (name == "." || name == "..") {
            continue;
        }
        bool link = entry->d_type == DT_LNK;
        if (entry->d_type == DT_UNKNOWN) {
            struct stat info;
            link = lstat(Join(folder, name).c_str(), &info) != 0 || S_ISLNK(info.st_mode);
        }
        Remember(listing, name, link);
    }
    closedir(dir);
    return listing;
}

std::optional<std::string> EntryTargets::CarefulTarget(std::string_view name) {
    std::optional<std::string> target = EntryTargetPath(base_, name);
    if (target) {
        careful_[*target] = true;
    }
    return target;
}

std::optional<std::string> EntryTargets::Target(std::string_view name) {
    if (!IsSafeEntryName(name) || name.back() == '/' || name.back() == '\\') {
        return std::nullopt;
    }
    std::vector<std::string> parts(1);
    for (char c : name) {
        if (c == '/' || c == '\\') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    for (const std::string& part : parts) {
        if (part.empty() || part == ".") {
            return CarefulTarget(name);
        }
    }
    // The spelling on disk of each level, as ResolvePath finds it: the exact name first, else
    // the smallest name in byte order that folds to the same.
    std::string path = base_;
    for (const std::string& part : parts) {
        Listing& listing = ListingOf(path);
        std::string spelling = part;
        bool link = false;
        if (auto exact = listing.exact.find(part); exact != listing.exact.end()) {
            link = exact->second;
        } else if (auto other = listing.folded.find(Folded(part)); other != listing.folded.end()) {
            spelling = other->second;
            link = listing.exact[spelling];
        } else {
            Remember(listing, part, false);
        }
        if (link) {
            return CarefulTarget(name);
        }
        path = Join(path, spelling);
    }
    return path;
}

bool EntryTargets::PrepareFolders(const std::string& target, bool& refused) {
    refused = false;
    const size_t slash = target.rfind('/');
    const std::string parent = slash == std::string::npos ? "." : target.substr(0, slash);
    const auto known = listings_.find(parent);
    if (known == listings_.end() || !known->second.exists) {
        if (!CreateFolders(parent)) {
            return false;
        }
        // Every level from the base down to the parent exists now.
        for (size_t at = parent.size(); at != std::string::npos && at > base_.size();
             at = parent.rfind('/', at - 1)) {
            ListingOf(parent.substr(0, at)).exists = true;
        }
    }
    if (careful_.count(target) != 0 && !StaysInsideFolder(base_, target)) {
        refused = true;
        return false;
    }
    return true;
}

} // namespace tallo
