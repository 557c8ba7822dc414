#pragma once

#include <cstdint>
#include <string>

#include "editing/club/club_edit_context.h"
#include "editing/journal/change_journal.h"
#include "world/club.h"

namespace tallo {

class DatabaseSession;

// The club editor frame's model (CDlgClubParent): a working copy of one club that the pages
// fill from and store into. Commit writes the copy back over the club as one change of the
// database's journal ("club.edit"), so that it can be undone; leaving without Commit leaves
// the database as it was.
class ClubEditorModel {
public:
    ClubEditorModel(DatabaseSession& session, uint32_t clubId, const ClubEditContext& context);

    // Whether the club exists (the frame is not opened otherwise).
    bool IsValid() const { return valid_; }
    uint32_t ClubId() const { return clubId_; }
    const ClubEditContext& Context() const { return context_; }

    CClub& Working() { return working_; }
    const CClub& Working() const { return working_; }
    // The club's name in the editor's language slot, as the copy holds it (record text).
    std::string Name() const;

    // Whether the copy differs from the club in the database.
    bool HasChanges() const;

    // Writes the copy back: Unchanged (nothing recorded) when it equals the club or the club
    // is gone, Changed otherwise.
    ChangeJournal::Outcome Commit();

private:
    const CClub* Original() const;

    DatabaseSession& session_;
    uint32_t clubId_;
    ClubEditContext context_;
    CClub working_;
    bool valid_ = false;
};

} // namespace tallo
