#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/synchronisation.h"

namespace tallo {

class OpenDatabases;

// One item of a synchronisation tree with its children.
struct SyncTreeNode {
    SyncItem item;
    // Countries and clubs: record text in the database's code page. Continents: UTF-8 (the
    // string table's entry in the interface language); `recordText` is false for them.
    std::string text;
    bool recordText = true;
    std::vector<SyncTreeNode> children;
};

// What a drop did, for the dialog.
struct SyncDropResult {
    SyncOutcome outcome;
    // The target's tree must be built again: something was copied into its database.
    bool targetChanged = false;
    // The item to find again in the rebuilt tree, expand to and select (the target, or the
    // club added to a country).
    SyncItem select;
};

// The synchronisation dialog without its window (CDlgDatabaseCopy): two boxes of the open
// databases, a tree of each, and drops of an item of one tree onto an item of the other.
// What a drop copies goes through the target database's journal under the command's name,
// so each copy can be undone in that database.
class SynchronisationModel {
public:
    // The dialogs that choose the parts to copy: given the remembered mask, the chosen mask,
    // or nullopt on cancel. Masks are remembered for one showing of the dialog.
    SynchronisationModel(OpenDatabases& databases, Synchronisation::MaskChooser countryParts,
                         Synchronisation::MaskChooser clubParts);
    ~SynchronisationModel();

    // The names of the open databases for both boxes, in list order (item data = position).
    std::vector<std::string> DatabaseNames() const;
    // The positions the two boxes start with: the current database on the left, the first on
    // the right.
    size_t LeftStart() const;
    size_t RightStart() const { return 0; }

    // The tree of a database: the six continents in box order; under each its countries
    // (1 to 206) sorted by name; under each country its clubs, the national team left out,
    // sorted by name. Empty for a position beyond the open databases.
    std::vector<SyncTreeNode> BuildTree(size_t database) const;

    // Drops `source` onto `target` (see Synchronisation for what each drop does).
    SyncDropResult Drop(const SyncItem& source, const SyncItem& target);

    uint32_t CountryMask() const;
    uint32_t ClubMask() const;

private:
    OpenDatabases& databases_;
    int languageSlot_;
    std::unique_ptr<Synchronisation> synchronisation_;
};

} // namespace tallo
