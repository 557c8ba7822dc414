#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tallo {

class CCountry;
class CKLFile;

// The competition tree of one country (its root node, leagues, cups, super cup and the
// play-offs between league levels), as the country sees it. The competitions library
// implements it and installs a factory with SetCompetitionTreeFactory; the world library
// itself knows no node class. A country without a tree saves an empty COMPETITION section,
// skips the one it reads, and counts as not complete.
class CountryCompetitionTree {
public:
    virtual ~CountryCompetitionTree() = default;

    // Writes the inside of the country's COMPETITION section: the number of COMP sections,
    // then the COMP sections. Club references are written through the country's
    // TranslateClubReference, as everywhere in a save.
    virtual bool Save(CKLFile& file) const = 0;
    // Reads the inside of the COMPETITION section; the country found the section and skips
    // to its end afterwards.
    virtual bool Load(CKLFile& file) = 0;
    // Called once the whole COUNTRY section has been read.
    virtual void FinishLoad() = 0;

    // Number of league levels (competition kind 1) that have a league.
    virtual int LeagueCount() const = 0;
    // The top league (kind 1, index 0).
    virtual bool HasTopLeague() const = 0;
    virtual std::string TopLeagueName() const = 0;
    // The club references of the top league's teams, in the league's team order.
    virtual std::vector<uint32_t> TopLeagueTeams() const = 0;
    // The national cup (kind 3, index 0); an empty name when there is none.
    virtual std::string NationalCupName() const = 0;
    // True when any competition of kinds 1 to 23, indexes 0 to 5, reports a fault through its
    // own check, given the country's first reserve level.
    virtual bool HasFaults(uint8_t firstReserveLevel) const = 0;

    // A copy of the tree for another country object (database copying). The copy registers its
    // nodes with the world of `owner`.
    virtual std::unique_ptr<CountryCompetitionTree> CloneFor(CCountry& owner) const = 0;
};

// Makes the tree of a country: with `withDefaultCompetitions` the fresh tree of the country
// list (a national cup built with mode 1), without it the empty root a country file is read
// into.
using CompetitionTreeFactory = std::function<std::unique_ptr<CountryCompetitionTree>(
    CCountry& country, bool withDefaultCompetitions)>;

// The process-wide factory (none until the competitions library installs one; countries then
// have no tree). Install it at start-up, before any world is loaded.
void SetCompetitionTreeFactory(CompetitionTreeFactory factory);
const CompetitionTreeFactory& GetCompetitionTreeFactory();

} // namespace tallo
