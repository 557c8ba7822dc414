#include "platform/folder_listing_cache.h"

#include <dirent.h>

#include <unordered_map>
#include <unordered_set>

#include "platform/path_resolver.h"

namespace tallo {

namespace {

thread_local FolderListingCache* currentCache = nullptr;

// One folder's entries as spelled, and by their folded name with the smallest spelling of each.
struct Spellings {
    std::unordered_set<std::string> exact;
    std::unordered_map<std::string, std::string> folded;
};

std::optional<Spellings> ListFolder(const std::string& folder) {
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        return std::nullopt;
    }
    Spellings spellings;
    while (const dirent* entry = readdir(dir)) {
        std::string name(entry->d_name);
        std::string folded = name;
        FoldNameCase(folded);
        auto [at, added] = spellings.folded.try_emplace(std::move(folded), name);
        if (!added && name < at->second) {
            at->second = name;
        }
        spellings.exact.insert(std::move(name));
    }
    closedir(dir);
    return spellings;
}

} // namespace

struct FolderListingCache::Listings {
    // A folder that could not be listed is remembered as such.
    std::unordered_map<std::string, std::optional<Spellings>> folders;
};

FolderListingCache::FolderListingCache() : listings_(std::make_unique<Listings>()) {
    if (currentCache == nullptr) {
        currentCache = this;
        inCharge_ = true;
    }
}

FolderListingCache::~FolderListingCache() {
    if (inCharge_) {
        currentCache = nullptr;
    }
}

FolderListingCache* FolderListingCache::Current() {
    return currentCache;
}

std::optional<std::string> FolderListingCache::FindSpelling(const std::string& folder,
                                                            std::string_view name, bool* listed) {
    auto at = listings_->folders.find(folder);
    if (at == listings_->folders.end()) {
        at = listings_->folders.emplace(folder, ListFolder(folder)).first;
    }
    if (listed != nullptr) {
        *listed = at->second.has_value();
    }
    if (!at->second) {
        return std::nullopt;
    }
    std::string spelling(name);
    if (at->second->exact.count(spelling) != 0) {
        return spelling;
    }
    FoldNameCase(spelling);
    const auto found = at->second->folded.find(spelling);
    if (found == at->second->folded.end()) {
        return std::nullopt;
    }
    return found->second;
}

size_t FolderListingCache::ListedFolders() const {
    return listings_->folders.size();
}

} // namespace tallo
