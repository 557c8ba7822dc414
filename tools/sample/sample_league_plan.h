#pragma once

#include <cstdint>
#include <vector>

#include "sample_random.h"

namespace tallo::sample {

// One level of a country's league pyramid.
struct LeagueLevelPlan {
    std::vector<int32_t> sizes; // one per league of the level (regional leagues side by side)
    int32_t rounds = 2;         // how often each pair meets
    // Per league: places taken by second teams of the country's strongest clubs.
    int32_t reserveTeams = 0;
    // The relegation rule (REL_RULE value) between this level and the one below; 0 on the
    // lowest level.
    uint8_t relegationRule = 0;

    int32_t Teams() const;
    // Clubs the level takes (its places without the second teams).
    int32_t Clubs() const;
};

// A country's league system and cups, as the country editor and the league system editor set
// them.
struct LeagueSystemPlan {
    std::vector<LeagueLevelPlan> levels; // from the top, at most 5
    uint32_t nationalCupScheme = 0;      // 1-5, 0 none
    uint32_t leagueCupMode = 0;          // scheme 6-8 in the low bits; bit 16 all leagues
    uint32_t superCupScheme = 0;         // 15, 16, 0 none

    int32_t Clubs() const;
    // The lowest level that holds second teams, -1 when none does.
    int32_t FirstReserveLevel() const;
};

constexpr int kMaxLeagueLevels = 5;
// Bit 16 of the league cup mode: every league of the country takes part.
constexpr uint32_t kAllLeaguesTakePart = 0x10000;

// The fixed league systems of the small sample's countries, so that every seed gives the same
// structures (a pyramid with a Scottish and an England play-off and second teams, two levels
// with the Swiss play-off, a single league, a league too small for a complete country, and no
// league at all); false for a country it has none for.
bool SmallLeagueSystem(int countryNumber, LeagueSystemPlan& plan);

// A league system for `clubs` clubs of a country of the given strength (0 strongest ... 3):
// a top league of 16 to 20 teams in strong countries down to 10 (now and then 8, which leaves
// the country incomplete) in weak ones, further levels while at least 8 clubs are left,
// regional leagues from the third level on, second teams on the lowest level of strong
// countries, relegation rules that the league sizes allow (the England, Scottish and Swiss
// play-offs among them), and cups by scheme. Every league has 8 to 24 teams.
LeagueSystemPlan RandomLeagueSystem(int clubs, int strength, SampleRandom& random);

} // namespace tallo::sample
