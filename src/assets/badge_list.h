#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tallo {

class CBadgeSources;

// One badge the chooser offers.
struct BadgeItem {
    // Index of the badge's archive entry; -1 when the archive does not hold it.
    int archiveIndex = -1;
    // The name found on disk ("<group>\Badge180\<file>"); empty when the badge comes from the
    // archive only.
    std::string diskName;
    // The name the club stores: the disk name, or the archive entry's name without its
    // leading "Badges\".
    std::string relativeName;

    bool OnDisk() const { return !diskName.empty(); }
};

// The badges of one group (the first folder level of a badge name, one per country).
struct BadgeGroup {
    std::string name;
    std::vector<BadgeItem> items;
};

// The working data of the badge chooser: every badge found in the badge folder and the badge
// archive, in groups sorted by name. Group names and badge names are compared regardless of
// ASCII case, so a group and a badge found in both places appear once.
class CBadgeList {
public:
    // Rebuilds the list. With no open archive, or one without entries, the list stays empty.
    //   Disk: every folder of the badge folder whose name does not begin with "." and which
    //   has a "Badge180" folder holding files; each file in it ending in ".tga" becomes the
    //   item "<folder>\Badge180\<file>" of the group named like the folder.
    //   Archive: every entry, in directory order, below "Badges\" whose name contains
    //   "Badge180" and ends in ".tga"; its group is the name up to the first back slash after
    //   the prefix. An item of the same name already listed records the entry's index;
    //   otherwise a new item is added.
    // Names that could lead out of the badge folder are left out.
    void Build(const CBadgeSources& sources);
    void Clear() { groups_.clear(); }

    const std::vector<BadgeGroup>& Groups() const { return groups_; }
    // The group of that name (regardless of case), or nullptr.
    const BadgeGroup* FindGroup(std::string_view name) const;
    // The group and item whose relative name equals `badgeName` (regardless of case, "/" and
    // "\" alike); false when the list holds no such badge.
    bool Find(std::string_view badgeName, size_t& group, size_t& item) const;

    // What the chooser hands back for an item: its relative name, when that fits a buffer
    // of `bufferLength` bytes with its terminating zero. A longer name is refused rather than
    // cut into a name that names no picture.
    static bool ChosenName(const BadgeItem& item, size_t bufferLength, std::string& name);

private:
    BadgeGroup& GroupNamed(std::string_view name);
    void AddDiskBadges(const CBadgeSources& sources);
    void AddArchiveBadges(const CBadgeSources& sources);

    std::vector<BadgeGroup> groups_;
};

} // namespace tallo
