#pragma once

#include "competitions/competition_tree.h"
#include "competitions/db_cup.h"
#include "competitions/db_league_base.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo::test {

// The country of the sample with the most leagues that has a national cup; 0 when none has.
inline int LeagueRichCountry(CWorld& world) {
    int best = 0;
    size_t most = 0;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        CCountry& country = *world.GetCountry(number);
        CCompetitionTree* tree = CompetitionTreeOf(country);
        if (tree == nullptr || tree->FindOwn(3, 0) == nullptr) {
            continue;
        }
        if (tree->Leagues().size() > most) {
            most = tree->Leagues().size();
            best = number;
        }
    }
    return best;
}

// A country of the sample without leagues (its tree has only the default national cup).
inline int LeaguelessCountry(CWorld& world) {
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        CCompetitionTree* tree = CompetitionTreeOf(*world.GetCountry(number));
        if (tree != nullptr && tree->Leagues().empty()) {
            return number;
        }
    }
    return 0;
}

} // namespace tallo::test
