#include "editors/club/club_editor_start.h"

#include "editors/club/dlg_club_parent.h"

namespace tallo {

bool RunClubEditor(QWidget* owner, DatabaseSession& session, uint32_t clubId,
                   const ClubEditContext& context) {
    CDlgClubParent frame(session, clubId, context, owner);
    if (!frame.Model().IsValid()) {
        return false;
    }
    return frame.exec() == QDialog::Accepted &&
           frame.LastOutcome() == ChangeJournal::Outcome::Changed;
}

} // namespace tallo
