#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editing/main_window/statistics.h"

namespace tallo {

class CClub;
class CCountry;

// The club list's three sort orders (buttons 1027, 1028, 1029).
enum class ClubSort { ByName = 0, ByLeague = 1, ByLevel = 2 };

// One row of the club list. Texts are record text in the database's 8-bit code page; the view
// converts them.
struct ClubRow {
    uint32_t clubId = 0; // the row's item data
    bool nationalTeam = false;
    std::string name;   // in the database's language slot
    std::string league; // the league's name; empty without a league
    double level = 0;   // the first team's average level
    // The row as the tab-separated list shows it: "%s\t%s\t%2.2f" (name, league, level), the
    // national team as "%s\t\t".
    std::string text;
};

// The club list of a country with the country's half of the statistics.
struct ClubListContent {
    std::vector<ClubRow> rows;
    CountryStatistics statistics;
};

// A club's level: the average overall rating of its first-team players (role 0, not
// reserve), 0 when it has none. Persons missing from the registry are left out.
double FirstTeamLevel(const CClub& club);

// Fills the club list of `country` (FillClubList): its clubs by club position, at most
// kMaxClubRows; each with its league, the first league of league levels 0 to 4 (in level and
// league order) whose teams include the club's first team, and its level; the national team
// first, then by the sort order:
//   ByName   the names by the user's collation;
//   ByLeague clubs without a league last, then the league's place in level order, then the
//            level descending, levels less than 0.01 apart counting as equal;
//   ByLevel  the level descending, levels less than 0.001 apart counting as equal;
// rows that compare equal keep their club order. `languageSlot` chooses the names.
ClubListContent BuildClubList(const CCountry& country, ClubSort sort, int languageSlot);

constexpr size_t kMaxClubRows = 512;

} // namespace tallo
