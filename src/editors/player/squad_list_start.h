#pragma once

#include <cstdint>

#include "editors/player/dlg_playerlist_club.h"

class QWidget;

namespace tallo {

class DatabaseSession;
struct PersonEditContext;

// Opens the squad list of a club of the session's database (the main window's command 1799):
// the person pages come from `factory`, the club and person choosers from the context (without
// them the person chooser of this program serves and transfers do nothing). Every change the
// dialog makes is one entry of the database's journal when the user confirms; cancel and
// "Не важно" leave the database as it was. Returns whether the database changed.
bool RunSquadList(QWidget* owner, DatabaseSession& session, uint32_t clubId,
                  const PersonEditContext& context, PersonEditorFactory factory);

} // namespace tallo
