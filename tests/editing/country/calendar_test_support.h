#pragma once

// Countries of the small sample for the calendar and fixture list tests: one whose leagues
// have a calendar, and an empty one whose competitions a test builds itself.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "competitions/competition_keywords.h"
#include "competitions/competition_tree.h"
#include "competitions/db_cup.h"
#include "competitions/db_league_base.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo::test {

inline CCompetitionTree* TreeOf(CWorld& world, int country) {
    return CompetitionTreeOf(*world.GetCountry(country));
}

// The country whose leagues carry the most matchdays.
inline int CountryWithCalendar(CWorld& world) {
    int best = 0;
    int bestDays = 0;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCompetitionTree* tree = CompetitionTreeOf(*world.GetCountry(number));
        int days = 0;
        for (const CDBLeagueBase* league :
             tree != nullptr ? tree->Leagues() : std::vector<CDBLeagueBase*>()) {
            days += league->MatchdayDays();
        }
        if (days > bestDays) {
            best = number;
            bestDays = days;
        }
    }
    EXPECT_GT(best, 0) << "no league of the sample has a calendar";
    return best;
}

// A country without leagues and clubs besides its national team; its national cups are
// removed, so the competitions a test makes are the only ones.
inline int EmptyCountry(CWorld& world) {
    for (int number = CWorld::kCountryCount; number >= 1; --number) {
        CCountry& country = *world.GetCountry(number);
        CCompetitionTree* tree = CompetitionTreeOf(country);
        if (tree == nullptr || !tree->Leagues().empty() || country.GetOrdinaryClubCount() != 0) {
            continue;
        }
        for (uint32_t kind :
             {CompetitionKind::kFaCup, CompetitionKind::kLeCup, CompetitionKind::kConferenceCup,
              CompetitionKind::kChallengeShield, CompetitionKind::kSuperCup}) {
            tree->ReplaceNationalCup(kind, 0);
        }
        return number;
    }
    ADD_FAILURE() << "the sample has no empty country";
    return 0;
}

// The ordinary clubs of the country with the most clubs, as club references.
inline std::vector<uint32_t> SampleClubReferences(CWorld& world) {
    int richest = 1;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        if (world.GetCountry(number)->GetClubCount() > world.GetCountry(richest)->GetClubCount()) {
            richest = number;
        }
    }
    std::vector<uint32_t> references;
    for (const auto& [id, club] : world.GetCountry(richest)->Clubs()) {
        if (!club->IsNationalTeam()) {
            references.push_back(id);
        }
    }
    return references;
}

// A new league of the tree with the given shape and level, full of teams when `teams` holds
// enough of them, with an empty calendar and fixture list.
inline CDBLeagueBase* MakeLeague(CCompetitionTree& tree, uint32_t number, int32_t size,
                                 int32_t rounds, int32_t level,
                                 const std::vector<uint32_t>& teams) {
    CDBLeagueBase* league = tree.CreateLeague(number);
    EXPECT_NE(league, nullptr);
    if (league == nullptr) {
        return nullptr;
    }
    league->SetSize(size);
    league->SetRounds(rounds);
    league->SetLevel(level);
    league->SetName("League " + std::to_string(number));
    for (size_t i = 0; i < teams.size() && static_cast<int32_t>(i) < size; ++i) {
        league->AddTeam(teams[i]);
    }
    league->ResetFixtures();
    return league;
}

} // namespace tallo::test
