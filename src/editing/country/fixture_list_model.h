#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "competitions/db_fixturelist.h"
#include "editing/country/country_edit_context.h"

namespace tallo {

class CCountry;
class CDBLeagueBase;

// The fixture list editor of one country: the fixture list of one of its leagues at a time,
// one matchday (a row of the list) at a time, edited in place. The lists as they were when
// the model was made are kept, so that a cancelled editor can put them back.
class FixtureListModel {
public:
    enum class Side { Home, Separator, Away };

    // One pairing of the current matchday as shown (UTF-8 names; an empty side shows nothing).
    struct PairingRow {
        std::string home;
        std::string separator;
        std::string away;
        uint8_t homeTeam = 0;
        uint8_t awayTeam = 0;
    };

    // Makes the 8- and 9-team fixture templates (once per process) and chooses the first
    // league.
    explicit FixtureListModel(const CountryEditContext& context);

    // Leagues -----------------------------------------------------------------------------------

    int LeagueCount() const { return static_cast<int>(leagues_.size()); }
    // The names of the leagues in list order (UTF-8).
    std::vector<std::string> LeagueNames() const;
    int CurrentLeague() const { return league_; }
    // Makes the league's fixture list current, at matchday 0; false outside the list.
    bool SelectLeague(int index);
    // The current league; nullptr when the country has none.
    CDBLeagueBase* League() const;

    // Matchdays -------------------------------------------------------------------------------

    // Rows of the current fixture list.
    int MatchdayCount() const;
    int Matchday() const { return matchday_; }
    // Chooses a matchday (clamped to the list).
    void SelectMatchday(int row);
    // The matchday as shown: matchday + 1.
    std::string MatchdayText() const;

    // The pairings of the current matchday.
    int PairingCount() const;
    PairingRow Pairing(int column) const;
    std::vector<PairingRow> Pairings() const;
    // The league's clubs in team order (team number = index + 1; UTF-8 names).
    std::vector<std::string> ClubNames() const;

    // Operations on the current matchday (true when the list changed) --------------------------

    // A click on a cell: the home cell clears the home side, the away cell the away side, the
    // middle cell does nothing.
    bool ClearSide(int pairing, Side side);
    // Puts team `teamIndex` (0-based in the team list) into the first free place: the home
    // side of the first pairing without one, else the away side of the first pairing without
    // one; a full matchday takes nothing.
    bool EnterClub(int teamIndex);
    // Clears every pairing of the matchday.
    bool DeleteDay();
    // Fills the whole list from the fixture template for the league's size and rounds. A size
    // without a template leaves the list as it is (false).
    bool GenerateFromTemplate();
    // Rows R/2 .. R-1 of R rows become rows 0 .. R/2-1 with home and away exchanged.
    bool FirstHalfAsSecondHalf();

    // Whether any league's list differs from when the model was made, and putting them back.
    bool Changed() const;
    void Restore();

private:
    std::string TeamName(uint8_t team) const;

    CountryEditContext context_;
    CCountry* country_ = nullptr;
    // The country's leagues (IDs), and their lists as they were.
    std::vector<uint32_t> leagues_;
    std::vector<std::pair<uint32_t, CDBFixturelist>> original_;
    int league_ = -1;
    int matchday_ = 0;
};

} // namespace tallo
