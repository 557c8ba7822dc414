#include "competitions/country_completeness.h"

#include "competitions/competition_tree.h"
#include "world/club.h"
#include "world/country.h"
#include "world/country_club_context.h"

namespace tallo {

std::vector<std::string> DescribeIncompleteness(const CCountry& country) {
    std::vector<std::string> reasons;
    if (country.GetClubCount() < CCountry::kCompleteClubs) {
        reasons.push_back("has " + std::to_string(country.GetClubCount()) +
                          " clubs with the national team; a complete country has at least " +
                          std::to_string(CCountry::kCompleteClubs));
    }
    const CCompetitionTree* tree = CompetitionTreeOf(country);
    if (tree == nullptr || tree->LeagueCount() < 1) {
        reasons.push_back("has no league");
    } else if (!tree->HasTopLeague()) {
        reasons.push_back("has no top league");
    } else if (tree->TopLeagueTeams().size() <
               static_cast<size_t>(CCountry::kCompleteTopLeagueTeams)) {
        reasons.push_back("its top league has " + std::to_string(tree->TopLeagueTeams().size()) +
                          " teams; a complete country has at least " +
                          std::to_string(CCountry::kCompleteTopLeagueTeams));
    }
    // The checks only read; the context wants a country it could also change.
    CountryClubContext context(const_cast<CCountry&>(country));
    for (const auto& [id, club] : country.Clubs()) {
        if (uint32_t faults = club->CheckCompleteness(context); faults != 0) {
            reasons.push_back("club " + std::string(club->Name(0)) +
                              " fails the club completeness check (faults " +
                              std::to_string(faults) + ")");
        }
    }
    if (tree != nullptr && tree->HasFaults(country.firstReserveLevel)) {
        for (const std::string& fault : tree->DescribeFaults(country.firstReserveLevel)) {
            reasons.push_back(fault);
        }
    } else if (!reasons.empty() && tree != nullptr) {
        for (const std::string& note : tree->LoadNotes()) {
            reasons.push_back(note);
        }
    }
    return reasons;
}

} // namespace tallo
