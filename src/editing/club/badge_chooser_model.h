#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "assets/badge_list.h"
#include "assets/badge_sources.h"

namespace tallo {

class IPrompt;
struct ClubEditContext;
struct DibImage;

// The badge folder and the badge archive the club editor takes badges from (no archive when the
// context has no global tool object).
CBadgeSources ClubBadgeSources(const ClubEditContext& context);

// The badge chooser (CDlgClubBadgeManage) without its window: the groups of the badges found in
// the badge folder and the badge archive, the badges of the selected group, the selected badge
// and its picture, and the name handed back to the club.
class BadgeChooserModel {
public:
    // `bufferLength` is the size of the field the chosen name goes into, its zero included.
    // Refusals are reported through `prompt` (none: silently).
    BadgeChooserModel(CBadgeSources sources, size_t bufferLength, IPrompt* prompt);

    // Builds the list and selects the first badge of the first group; then, when the list holds
    // `currentBadge` (regardless of case and of the kind of slash), its group and badge.
    void Open(std::string_view currentBadge);

    // Group names, sorted.
    std::vector<std::string> GroupNames() const;
    int SelectedGroup() const { return group_; } // -1: none
    // Selects a group (-1 or out of range: none) and refills the badge list, where nothing is
    // selected yet.
    void SelectGroup(int group);

    // The badges of the selected group as the list shows them: the file name without folders
    // and extension.
    std::vector<std::string> ItemNames() const;
    int SelectedItem() const { return item_; } // -1: none
    // Selects a badge of the selected group (-1 or out of range: none).
    void SelectItem(int item);
    bool HasSelection() const { return Selected() != nullptr; }
    // The relative name of the selected badge (as the club stores it); empty without one.
    std::string SelectedName() const;

    // The picture of the selected badge (the disk copy first, then the archive's). False (and an
    // empty image) without a selection or when it cannot be read or decoded.
    bool LoadSelectedPicture(DibImage& image) const;

    // OK: the selected badge's name when it fits the club's field. A longer name is refused
    // with a message rather than cut into a name that names no picture; false also without a
    // selection.
    bool Accept(std::string& chosen) const;

    const CBadgeList& List() const { return list_; }
    const CBadgeSources& Sources() const { return sources_; }

private:
    const BadgeItem* Selected() const;

    CBadgeSources sources_;
    size_t bufferLength_;
    IPrompt* prompt_;
    CBadgeList list_;
    int group_ = -1;
    int item_ = -1;
};

} // namespace tallo
