#include "editors/club/club_editor_start.h"

#include "editors/club/dlg_club_badge.h"
#include "editors/club/dlg_club_parent.h"
#include "editors/club/dlg_club_shirts.h"
#include "editors/framework/qt_text.h"

namespace tallo {

void AddBadgeAndKitPages(CDlgClubParent& frame, const ClubEditContext& context) {
    auto* badge = new CDlgClubBadge(&frame, context);
    frame.InsertPage(1, badge, badge, UiText("club.tab.badge"));
    auto* kits = new CDlgClubShirts(&frame, context);
    frame.InsertPage(2, kits, kits, UiText("club.tab.kits"));
}

bool RunClubEditor(QWidget* owner, DatabaseSession& session, uint32_t clubId,
                   const ClubEditContext& context) {
    CDlgClubParent frame(session, clubId, context, owner);
    if (!frame.Model().IsValid()) {
        return false;
    }
    AddBadgeAndKitPages(frame, context);
    return frame.exec() == QDialog::Accepted &&
           frame.LastOutcome() == ChangeJournal::Outcome::Changed;
}

} // namespace tallo
