#pragma once

#include <cstdint>
#include <functional>

class QWidget;

namespace tallo {

class CWorld;
class IRecordChoosers;
class WorldChanges;
struct SearchCriteria;

// What the opener of the player search allows.
struct PlayerSearchOpening {
    bool contextMenu = false; // transfer, take and release in the result list
    bool showClub = false;    // a found player's club may be chosen
    uint32_t targetClub = 0;  // the club "take player" moves to (0: none)
};

// The player search as its openers run it: the search dialog (on the criteria `kept` from the
// last search), then the result list; again and again until a dialog is cancelled or, when
// showing a club is allowed, a club is chosen from the list. Returns the chosen club's key (0
// when a dialog was cancelled). Every move goes through `changes`; `choosers` picks a transfer's
// club (null: no transfer); `changed` (may be null) is set when any player moved.
//
// The main window opens the chosen club's squad list; the squad list (with its club as the
// target club) reloads its pages when `changed` is set; the country's staff container allows
// neither the menu nor the club.
uint32_t RunPlayerSearch(QWidget* owner, CWorld& world, int languageSlot, SearchCriteria& kept,
                         const PlayerSearchOpening& opening, const WorldChanges& changes,
                         IRecordChoosers* choosers, bool* changed);

} // namespace tallo
