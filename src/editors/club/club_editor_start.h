#pragma once

#include <cstdint>

class QWidget;

namespace tallo {

class CDlgClubParent;
class DatabaseSession;
struct ClubEditContext;

// Puts the badge page and the kits page into the frame, after its club page.
void AddBadgeAndKitPages(CDlgClubParent& frame, const ClubEditContext& context);

// Opens the club editor on a club of the session's database and runs it modally. True when
// the user confirmed and the database changed (the change is in the session's journal).
bool RunClubEditor(QWidget* owner, DatabaseSession& session, uint32_t clubId,
                   const ClubEditContext& context);

} // namespace tallo
