#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tallo {

// Where the files named inside an archive go below one folder, for thousands of names in a row
// (a BIG extraction, a world archive import): the same paths as EntryTargetPath gives, without
// reading a folder again for every name. Each folder below the base is read once, the first
// time a name leads into it, and remembers the names given out since, so that a later name of
// another case finds the file of an earlier one, as it would on disk.
//
// Names are checked as EntryTargetPath checks them. A name that leads through a link below the
// base, or is spelled unusually ("a//b", "./a"), takes the careful road: EntryTargetPath and a
// check that the path stays inside the base once the links are followed.
class EntryTargets {
public:
    // `base` is resolved regardless of case; it need not exist yet.
    explicit EntryTargets(const std::string& base);

    // The path of `name` below the base; nullopt when the name is refused.
    std::optional<std::string> Target(std::string_view name);

    // Makes the missing folders on the way to `target` (a path given by Target) and checks once
    // more that it stays inside the base when a link lay on the way. False when a folder cannot
    // be made (errno tells why; `refused` false) or the path leads outside (`refused` true).
    bool PrepareFolders(const std::string& target, bool& refused);

    const std::string& Base() const { return base_; }

private:
    struct Listing {
        bool exists = false;
        // Spelling on disk by exact name, and whether it is a link.
        std::unordered_map<std::string, bool> exact;
        // Folded name -> the smallest spelling in byte order with that folding.
        std::unordered_map<std::string, std::string> folded;
    };

    Listing& ListingOf(const std::string& folder);
    static void Remember(Listing& listing, const std::string& name, bool link);
    std::optional<std::string> CarefulTarget(std::string_view name);

    std::string base_;
    std::unordered_map<std::string, Listing> listings_;
    // Targets given out through the careful road: their folders are checked again.
    std::unordered_map<std::string, bool> careful_;
};

} // namespace tallo
