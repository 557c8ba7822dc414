#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editing/assistants/list_sort.h"
#include "formats/list_export.h"
#include "platform/code_page.h"

namespace tallo {

class CPlayer;
class CWorld;
class WorldChanges;

// Which players the doubles list looks at, numbered as the dialog's radio buttons.
enum class DoublesScope {
    All = 1954,     // every pair
    Country = 1955, // pairs with a player of the given country
    Club = 1956,    // pairs with a player of the given club
};

// A player of a counted club as the doubles list sees it.
struct DoubleCandidate {
    uint32_t player = 0;
    uint32_t club = 0; // the club's key
    int country = 0;   // the club's country (1 to 206)
};

// Two neighbours of the sorted candidates with the same surname and first name.
struct PlayerDoublePair {
    DoubleCandidate first;
    DoubleCandidate second;
};

// How a column's cells are aligned.
enum class DoublesAlignment { Left, Centre, Right };

struct DoublesColumn {
    std::string heading; // UTF-8, interface language
    int width = 0;       // in pixels
    DoublesAlignment alignment = DoublesAlignment::Left;
};

// The player doubles assistant (CPlayerDouble): players of the counted clubs of the whole world
// whose surname and first name are the same byte for byte, listed as pairs of neighbours of the
// candidates sorted by surname and first name, so three players of one name give two rows. The
// user narrows the list to a country or a club, asks for the same birth date too, sorts by a
// column and deletes player 1 or 2 of a row.
//
// Cells and descriptions are record texts (8-bit, the database's code page) unless said
// otherwise. A row is known by its pair index (PlayerDoublePair in Pairs()).
class PlayerDoublesModel {
public:
    static constexpr int kColumnCount = 7;
    static constexpr int kTitleString = 866;
    static constexpr int kDeleteEntryString = 853;

    // `country` 1 to 206 or 0 for none; `club` a club key or 0 for none. The scope starts on the
    // club when it names a counted club, else on the country when there is one, else on all.
    // Builds the candidates and fills the list.
    PlayerDoublesModel(CWorld& world, int languageSlot, int country, uint32_t club);

    // Scope ---------------------------------------------------------------------------------

    DoublesScope Scope() const { return scope_; }
    bool ScopeEnabled(DoublesScope scope) const;
    // Changes the scope (a disabled one is refused: false) and fills the list again.
    bool SetScope(DoublesScope scope);
    // The name the radio label "Только из %s" shows for the country or club scope (empty when
    // that scope is disabled, and for All).
    std::string ScopeName(DoublesScope scope) const;

    bool SameBirthDate() const { return sameBirthDate_; }
    // Check box 1989: only pairs born on the same day. Fills the list again.
    void SetSameBirthDate(bool same);

    // List --------------------------------------------------------------------------------

    // The seven columns: name, club 1 and 2, birth date 1 and 2, position 1 and 2.
    static std::vector<DoublesColumn> Columns();

    // Builds the candidates from the world again and fills the list.
    void Rebuild();

    const std::vector<DoubleCandidate>& Candidates() const { return candidates_; }
    const std::vector<PlayerDoublePair>& Pairs() const { return pairs_; }
    // The pair indices in the order the rows are shown.
    const std::vector<int>& Order() const { return order_; }
    // The seven cells of a pair's row; empty for an index out of range.
    std::vector<std::string> RowCells(int pair) const;
    // Every row's cells in the order shown.
    std::vector<std::vector<std::string>> Rows() const;

    const ListSort& Sort() const { return sort_; }
    // A click on a heading: sorts by that column (the other way round on the same column).
    void ClickHeading(int column);

    // Deleting ------------------------------------------------------------------------------

    // The context-menu entry that deletes player `which` (1 or 2) of a pair: string 853 with
    // "%s, %s (%s) - %s | %s" (surname, first name, club, country, birth date). UTF-8.
    std::string DeleteEntryText(int pair, int which) const;
    // The player description of that entry (record text).
    std::string PlayerDescription(int pair, int which) const;

    // Takes player `which` (1 or 2) of a pair out of its club's list and out of the list of
    // players without a club, as one change `changes` keeps under its country (and the list of
    // players without a club when the ID is in it). The record stays in the registry but
    // belongs to no list, so the next save leaves it out. Then the list is built again.
    // False when the pair or player is gone or nothing changed.
    bool DeletePlayer(int pair, int which, const WorldChanges& changes);

    // Saving and printing -------------------------------------------------------------------

    // The list as the save writes it: the column headings, the rows shown and the title
    // (string 866 in `page`).
    ListExport ExportTable(CodePage page) const;
    // The title as record text of `page`.
    static std::string Title(CodePage page);

private:
    const CPlayer* Player(const DoubleCandidate& candidate) const;
    std::string ClubName(const DoubleCandidate& candidate) const;
    std::string CountryName(const DoubleCandidate& candidate) const;
    const DoubleCandidate* Side(int pair, int which) const;

    void BuildCandidates();
    void Fill();
    bool Keeps(const PlayerDoublePair& pair) const;
    void SortRows();
    int CompareRows(int left, int right) const;

    CWorld& world_;
    int languageSlot_;
    int country_;
    uint32_t club_; // bit 24 cleared; 0 when none or not a counted club
    DoublesScope scope_ = DoublesScope::All;
    bool sameBirthDate_ = false;
    ListSort sort_;
    std::vector<DoubleCandidate> candidates_;
    std::vector<PlayerDoublePair> pairs_;
    std::vector<int> order_;
};

} // namespace tallo
