#include "assets/badge_list.h"

#include "assets/badge_names.h"
#include "assets/badge_sources.h"
#include "assets/safe_path.h"
#include "assets/vantor_big.h"
#include "platform/path_resolver.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tallo {

namespace {

namespace fs = std::filesystem;

std::string WithBackSlashes(std::string_view name) {
    std::string result(name);
    std::replace(result.begin(), result.end(), '/', '\\');
    return result;
}

// Case-insensitive order, ties broken by the bytes so that the order is always the same.
bool NameLess(std::string_view a, std::string_view b) {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const auto fold = [](char c) {
            return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        };
        if (fold(a[i]) != fold(b[i])) {
            return fold(a[i]) < fold(b[i]);
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size();
    }
    return a < b;
}

// Names of the entries of a folder of the given kind, sorted; empty when it cannot be read.
std::vector<std::string> FolderEntries(const std::string& folder, bool folders) {
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(ResolvePath(folder), error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code kindError;
        const bool wanted = folders ? it->is_directory(kindError) : it->is_regular_file(kindError);
        if (wanted && !kindError) {
            names.push_back(it->path().filename().string());
        }
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return NameLess(a, b); });
    return names;
}

} // namespace

BadgeGroup& CBadgeList::GroupNamed(std::string_view name) {
    for (BadgeGroup& group : groups_) {
        if (BadgeTextEquals(group.name, name)) {
            return group;
        }
    }
    groups_.push_back(BadgeGroup{std::string(name), {}});
    return groups_.back();
}

const BadgeGroup* CBadgeList::FindGroup(std::string_view name) const {
    for (const BadgeGroup& group : groups_) {
        if (BadgeTextEquals(group.name, name)) {
            return &group;
        }
    }
    return nullptr;
}

void CBadgeList::Build(const CBadgeSources& sources) {
    groups_.clear();
    const CVantorBig* archive = sources.OpenArchive();
    if (archive == nullptr || archive->GetCount() == 0) {
        return;
    }
    AddDiskBadges(sources);
    AddArchiveBadges(sources);
    std::stable_sort(groups_.begin(), groups_.end(), [](const BadgeGroup& a, const BadgeGroup& b) {
        return NameLess(a.name, b.name);
    });
}

void CBadgeList::AddDiskBadges(const CBadgeSources& sources) {
    const std::string& root = sources.BadgeFolder();
    if (root.empty()) {
        return;
    }
    for (const std::string& entry : FolderEntries(root, true)) {
        // A back slash in a folder name would split the stored name differently.
        if (entry.empty() || entry[0] == '.' || entry.find('\\') != std::string::npos) {
            continue;
        }
        const std::string sizeFolder = root + "/" + entry + "/" + std::string(kBadge180);
        if (!FolderExists(sizeFolder)) {
            continue;
        }
        std::vector<BadgeItem> items;
        for (const std::string& file : FolderEntries(sizeFolder, false)) {
            if (!HasTgaEnding(file) || file.find('\\') != std::string::npos) {
                continue;
            }
            std::string name = entry + "\\" + std::string(kBadge180) + "\\" + file;
            if (!IsSafeEntryName(name)) {
                continue;
            }
            items.push_back(BadgeItem{-1, name, name});
        }
        if (items.empty()) {
            continue; // a group left empty is not listed
        }
        BadgeGroup& group = GroupNamed(entry);
        group.items.insert(group.items.end(), items.begin(), items.end());
    }
}

void CBadgeList::AddArchiveBadges(const CBadgeSources& sources) {
    const CVantorBig* archive = sources.OpenArchive();
    const int count = archive->GetCount();
    for (int index = 0; index < count; ++index) {
        const std::string& entryName = archive->GetEntry(index).name;
        std::string relative;
        if (!HasBadge180(entryName) || !HasTgaEnding(entryName) ||
            !StripBadgeArchivePrefix(entryName, relative)) {
            continue;
        }
        relative = WithBackSlashes(relative);
        const size_t slash = relative.find('\\');
        if (slash == 0 || slash == std::string::npos || !IsSafeEntryName(relative)) {
            continue; // no group folder, or a name leading out of the badge folder
        }
        BadgeGroup& group = GroupNamed(std::string_view(relative).substr(0, slash));
        auto same =
            std::find_if(group.items.begin(), group.items.end(), [&](const BadgeItem& item) {
                return BadgeTextEquals(item.relativeName, relative);
            });
        if (same != group.items.end()) {
            // The first entry of a name is the one a look-up by name finds.
            if (same->archiveIndex < 0) {
                same->archiveIndex = index;
            }
        } else {
            group.items.push_back(BadgeItem{index, std::string(), relative});
        }
    }
}

bool CBadgeList::Find(std::string_view badgeName, size_t& group, size_t& item) const {
    const std::string wanted = WithBackSlashes(badgeName);
    for (size_t g = 0; g < groups_.size(); ++g) {
        const std::vector<BadgeItem>& items = groups_[g].items;
        for (size_t i = 0; i < items.size(); ++i) {
            if (BadgeTextEquals(items[i].relativeName, wanted)) {
                group = g;
                item = i;
                return true;
            }
        }
    }
    return false;
}

bool CBadgeList::ChosenName(const BadgeItem& item, size_t bufferLength, std::string& name) {
    if (item.relativeName.size() + 1 > bufferLength) {
        return false;
    }
    name = item.relativeName;
    return true;
}

} // namespace tallo
