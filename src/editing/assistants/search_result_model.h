#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editing/assistants/list_sort.h"
#include "editing/assistants/player_search_walk.h"
#include "editing/assistants/player_search_worker.h"
#include "editing/assistants/search_criteria.h"
#include "editing/assistants/world_changes.h"

namespace tallo {

class CWorld;
class IRecordChoosers;

// What the opener of the search result allows.
struct SearchResultSettings {
    bool contextMenu = false; // transfer, take and release from the list's menu
    bool showClub = false;    // a double click chooses the player's club and closes the list
    uint32_t targetClub = 0;  // the club "take player" moves to (0: none)
};

// The player search's result list: the search (run by a PlayerSearchWorker), the entries found,
// the rows of the seven columns in the chosen order, and the commands on a found player.
//
// Rows are numbered by the entry's place in the walk (RowNumbers), so a row keeps its number
// when the list is sorted again or grows; every command takes such a number.
class SearchResultModel {
public:
    enum Column {
        kFirstName,
        kSurname,
        kPseudonym,
        kPosition,
        kBirthDate,
        kClub,
        kCountry,
        kColumnCount
    };

    // `changes` takes every move; `choosers` (may be null: no transfer) chooses the club of a
    // transfer. Names are shown in `languageSlot`.
    SearchResultModel(CWorld& world, int languageSlot, const SearchKeys& keys,
                      const SearchResultSettings& settings, const WorldChanges& changes,
                      IRecordChoosers* choosers);
    ~SearchResultModel();

    // The search ----------------------------------------------------------------------------

    // See PlayerSearchWorker: called on the worker's thread when the rows are to be shown;
    // the window answers on its own thread with TakeFound, shows Rows and calls Displayed.
    void SetDisplayRequest(std::function<void()> request);
    // Test hook: called on the worker's thread before each club of the walk.
    void SetClubHook(std::function<void()> hook);

    // Starts the search (again); the entries taken stay until the next TakeFound.
    void Start();
    // Ends a running search and waits for its thread (the window's closing).
    void Stop();
    // True while the walk goes on: from Start until the whole world has been walked (its end
    // may still be on its way to the window) or the search is stopped.
    bool Running() const;
    // Takes the entries found so far and puts them into the current order.
    void TakeFound();
    // The window has shown the rows.
    void Displayed();

    // The list -------------------------------------------------------------------------------

    // The entries taken last, in walk order.
    const std::vector<SearchMatch>& Entries() const { return entries_; }
    // The rows in the current order: the seven cells (record texts) and the row numbers.
    std::vector<std::vector<std::string>> Rows() const;
    const std::vector<int>& RowNumbers() const { return order_; }
    // A click on a column heading.
    void SortBy(int column);
    const ListSort& Sort() const { return sort_; }

    // Commands ------------------------------------------------------------------------------

    const SearchResultSettings& Settings() const { return settings_; }
    // The context menu opens only when it is allowed and the search is not running.
    bool ContextMenuAvailable() const;
    // Greying of the menu's items.
    bool ShowClubEnabled() const { return settings_.showClub; }
    bool TakeEnabled() const { return settings_.targetClub != 0; }

    // Double click or "show club": when allowed and the search has ended, the entry's club
    // (when it exists) becomes the chosen club; true when the window is to close with OK.
    bool ShowClub(int row);
    // The chosen club's key (0 none).
    uint32_t ChosenClub() const { return chosenClub_; }

    // Transfer: the club chooser picks the club; take: the target club; release: the player
    // leaves its club for the players without a club. True when a player moved; the search
    // then runs again. Moving a player to the club it plays for does nothing.
    bool Transfer(int row);
    bool Take(int row);
    bool Release(int row);
    // Set once a player moved.
    bool Changed() const { return changed_; }

private:
    const SearchMatch* EntryOf(int row) const;
    bool MoveTo(int row, uint32_t clubKey, const std::string& name);
    void Order();
    int Compare(const SearchMatch& a, const SearchMatch& b) const;
    std::string ClubName(uint32_t club) const;
    std::string CountryName(uint32_t club) const;

    CWorld& world_;
    int languageSlot_;
    SearchKeys keys_;
    SearchResultSettings settings_;
    WorldChanges changes_;
    IRecordChoosers* choosers_;
    std::unique_ptr<PlayerSearchWorker> worker_;
    std::vector<SearchMatch> entries_;
    std::vector<int> order_;
    ListSort sort_{kSurname, true};
    uint32_t chosenClub_ = 0;
    bool changed_ = false;
};

} // namespace tallo
