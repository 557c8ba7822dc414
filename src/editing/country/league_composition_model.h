#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "world/club.h"

namespace tallo {

class CCountry;
class CDBLeagueBase;

// The league composition editor: puts the clubs of a country into its leagues, takes them out
// again and sets the marks of last season (cup winner, cup finalist, promoted, relegated) of
// the teams of a league.
//
// Teams are club references: a club's second team is the club's ID with bit 24 set and is
// shown as "<name> (A)". The marks are the club's season flags (one set for the first team,
// one for the second), so they travel with the club into whatever league it plays in, and are
// saved with the club.
//
// The model edits the country in place; Snapshot and Restore let a dialog put the leagues'
// teams and the marks back when it is cancelled.
class LeagueCompositionModel {
public:
    explicit LeagueCompositionModel(CCountry& country);

    // Leagues ---------------------------------------------------------------------------------

    struct LeagueRow {
        uint32_t number = 0;
        std::string name; // record text
        int teams = 0;
        int size = 0;
    };
    // The country's leagues in ascending number.
    std::vector<LeagueRow> Leagues() const;
    // -1 when the country has no leagues.
    int SelectedLeague() const { return selected_; }
    // Selects the league at a row of Leagues (ignored outside).
    void SelectLeague(int row);
    CDBLeagueBase* League() const;

    // The teams of the selected league ----------------------------------------------------------

    struct TeamRow {
        uint32_t reference = 0;
        std::string name;  // record text
        std::string marks; // UTF-8, the marks of last season joined by ", "
    };
    std::vector<TeamRow> Teams() const;

    // The clubs of the country ----------------------------------------------------------------

    struct ClubRow {
        uint32_t reference = 0;
        std::string name;    // record text
        std::string leagues; // record text: the leagues the team is entered in
    };
    // The country's clubs (the national team left out) by name, each followed by its second
    // team unless reserve teams are hidden.
    std::vector<ClubRow> Clubs() const;
    void SetHideReserves(bool hide) { hideReserves_ = hide; }
    bool HideReserves() const { return hideReserves_; }

    // Editing ------------------------------------------------------------------------------------

    enum class AddResult {
        Added,
        AlreadyEntered, // the team is in the league already: nothing changes
        LeagueFull,     // the league holds as many teams as its size
        Refused,        // no league selected, or no club of this country
    };
    // Enters a team into the selected league (at its end).
    AddResult AddTeam(uint32_t reference);
    // Takes the teams out of the selected league; the number taken out.
    int RemoveFromLeague(const std::vector<uint32_t>& references);
    // Takes the teams out of every league of the country; the number of entries taken out.
    int RemoveFromAllLeagues(const std::vector<uint32_t>& references);

    enum class Mark { CupWinner, CupFinalist, ClearCup, Promoted, Relegated, ClearMove };
    // Sets or clears a mark of last season on each team; true when any flag changed. Setting a
    // mark clears the marks that exclude it (a cup winner is no finalist, a promoted team was
    // not relegated).
    bool SetMark(const std::vector<uint32_t>& references, Mark mark);
    // The marks of a team in words (UTF-8), empty for none.
    std::string MarksText(uint32_t reference) const;

    // Cancel -------------------------------------------------------------------------------------

    // The teams of every league and the season flags of every club.
    struct Snapshot {
        std::map<uint32_t, std::vector<uint32_t>> teams; // league number to its teams
        std::map<uint32_t, uint8_t> seasonFlags;         // club ID to its flags
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot Take() const;
    void Restore(const Snapshot& snapshot);

private:
    CCountry& country_;
    int selected_ = -1;
    bool hideReserves_ = true;
};

} // namespace tallo
