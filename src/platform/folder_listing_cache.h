#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tallo {

// Remembers the folders that path resolution lists while looking for a name's spelling on disk,
// for as long as it lives, on the thread that made it. Work that looks up thousands of files
// in a few folders (an export reading every club's badge files, most of which are missing)
// then lists each folder once instead of once per missing file. Files created or renamed in a
// listed folder while the cache lives are not seen by the look-ups; make one only around work
// that reads the folders it asks about.
//
// A cache made while another lives on the same thread leaves the outer one in charge.
class FolderListingCache {
public:
    FolderListingCache();
    ~FolderListingCache();
    FolderListingCache(const FolderListingCache&) = delete;
    FolderListingCache& operator=(const FolderListingCache&) = delete;

    // The cache in charge on this thread, or none.
    static FolderListingCache* Current();

    // The spelling on disk of `name` inside `folder`, from the folder's listing made the first
    // time it is asked about: the name itself when an entry is spelled so, else the smallest in
    // byte order of the entries that match it regardless of case. None when no entry matches or
    // the folder cannot be listed; `listed` (when given) tells which.
    std::optional<std::string> FindSpelling(const std::string& folder, std::string_view name,
                                            bool* listed = nullptr);

    // Folders listed so far.
    size_t ListedFolders() const;

private:
    struct Listings;
    std::unique_ptr<Listings> listings_;
    bool inCharge_ = false;
};

} // namespace tallo
