#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "competitions/competition_node_store.h"
#include "competitions/day_type_table.h"
#include "world/country_competition_tree.h"

namespace tallo {

class CCountry;
class CDBCup;
class CDBLeagueBase;
class CDBRoot;
class IPrompt;

// The competition tree of one country: its root, its leagues, the play-offs and relegation
// leagues above them and its national cups. The tree owns the nodes and keeps them entered in
// the world's competition index; in the country file it is the COMPETITION section.
class CCompetitionTree : public CountryCompetitionTree {
public:
    static constexpr int kLeagueLevels = 5;
    // Competitions whose own checks decide completeness: kinds 1 to 23, numbers 0 to 5.
    static constexpr uint32_t kLastCheckedKind = 23;
    static constexpr uint32_t kLastCheckedNumber = 5;
    // Message of CheckTeamCount.
    static constexpr const char* kTooManyTeamsMessage =
        "To many Teams used in current competition structure, please remove some leagues!";

    // A tree with its root; with `withDefaultCompetitions` also a national cup of scheme 1.
    CCompetitionTree(CCountry& country, bool withDefaultCompetitions);
    ~CCompetitionTree() override;

    // CountryCompetitionTree ------------------------------------------------------------------

    // The nodes in this order: the leagues from number 0 up; each distinct parent of a league
    // (in ascending ID order); the national cups FA_CUP, LE_CUP, CONFERENCE_CUP,
    // CHALLENGE_SHIELD and SUPERCUP that exist. Each node is written once.
    bool Save(CKLFile& file) const override;
    bool Load(CKLFile& file) override;
    // The root refreshes its cup IDs.
    void FinishLoad() override;
    int LeagueCount() const override;
    bool HasTopLeague() const override;
    std::string TopLeagueName() const override;
    std::vector<uint32_t> TopLeagueTeams() const override;
    std::string NationalCupName() const override;
    bool HasFaults(uint8_t firstReserveLevel) const override;
    std::unique_ptr<CountryCompetitionTree> CloneFor(CCountry& owner) const override;

    // Nodes ---------------------------------------------------------------------------------------

    CCountry& Country() const { return *country_; }
    uint32_t CountryNumber() const;
    CDBRoot* Root() const;
    // Creates the root (kind ROOT, number 0) when it is missing.
    CDBRoot* EnsureRoot();
    // Any registered node of the world.
    CDBCompetition* Find(uint32_t id) const { return store_.Find(id); }
    // The tree's node of a kind and number, or nullptr.
    CDBCompetition* FindOwn(uint32_t kind, uint32_t number) const;
    CDBLeagueBase* League(uint32_t number) const;
    // The leagues (kind LEAGUE) in ascending number.
    std::vector<CDBLeagueBase*> Leagues() const;
    // Every node of the tree in ascending ID order, the root included.
    std::vector<CDBCompetition*> Nodes() const;
    const CompetitionNodeStore& Store() const { return store_; }
    DayTypeTable& DayTypes() { return dayTypes_; }
    const DayTypeTable& DayTypes() const { return dayTypes_; }

    // The smallest number of a kind that no node of the country has.
    uint32_t NextFreeNumber(uint32_t kind) const;
    // Enters a node made elsewhere; it is owned by the root. nullptr when its ID is 0, taken,
    // or of another country.
    CDBCompetition* AddNode(std::unique_ptr<CDBCompetition> node);
    // A new league with the number (owned by the root); nullptr when the number is taken.
    CDBLeagueBase* CreateLeague(uint32_t number);
    // Takes a node out of its chain and all links and destroys it. The root stays.
    bool DeleteNode(uint32_t id);
    // Takes a node out of its chain and all links and out of the index, without destroying it.
    std::unique_ptr<CDBCompetition> TakeOutNode(uint32_t id);

    // National cups -----------------------------------------------------------------------------

    // Deletes the country's cup of the kind (number 0); for a scheme other than 0 makes a new
    // one with that scheme, owned by the root. The root refreshes its cup IDs. Returns the new
    // cup (nullptr for scheme 0).
    CDBCup* ReplaceNationalCup(uint32_t kind, uint32_t scheme);
    void RefreshCupIds();

    // League system
    // --------------------------------------------------------------------------------

    // Rebuilds the play-offs and relegation leagues of each level transition whose flag is set,
    // from the country's relegation rules and league table (see relegation_builder.cpp).
    void BuildRelegation(const std::array<bool, kLeagueLevels>& changedTransitions);
    // The league numbers of a level (from the country's league table).
    std::vector<uint32_t> LeagueNumbersOfLevel(int level) const;

    // Checks --------------------------------------------------------------------------------------

    // Distinct teams over all leagues of the country.
    size_t DistinctTeamCount() const;
    // False, after telling the user, when the leagues hold more distinct teams than `limit`.
    bool CheckTeamCount(size_t limit, IPrompt* prompt) const;
    // Every problem of every node in words ("<node>: <problem>"), then what the load noted.
    std::vector<std::string> DescribeFaults(uint8_t firstReserveLevel) const;
    const std::vector<std::string>& LoadNotes() const { return loadNotes_; }

private:
    CCompetitionTree(CCountry& country, const CCompetitionTree& other);
    // The nodes Save writes, in its order.
    std::vector<const CDBCompetition*> NodesToSave() const;
    void DeletePlayOffsOfTransition(int transition);

    CCountry* country_;
    CompetitionNodeStore store_;
    DayTypeTable dayTypes_{};
    std::vector<std::string> loadNotes_;
};

// The tree of a country when it is one of ours; nullptr otherwise.
CCompetitionTree* CompetitionTreeOf(CCountry& country);
const CCompetitionTree* CompetitionTreeOf(const CCountry& country);

} // namespace tallo
