#pragma once

#include "editing/country/league_formats.h"

namespace tallo {

class CCountry;

// Gives a country another league system, as the league system page does when a format is
// chosen:
//   1. a rule that the new format does not allow at its transition becomes 0;
//   2. every league of the country is taken out of the competition structure (kept for now);
//   3. the league table is rebuilt level by level, new leagues numbered on from 0 over all
//      levels; the k-th new league of a level takes over the data of the k-th old league of
//      that level; another new league keeps the defaults of a new league and, when its level
//      had leagues before, gets the template fixture list of its size and rounds (else an
//      empty one); each new league gets its level and the level's rule;
//   4. the old leagues are deleted, with the play-offs and relegation leagues below them;
//   5. the relegation structure is rebuilt from the rules and the root refreshes its cup IDs.
// The country's league table (levels, first and end index of each level) and its relegation
// rules are kept right. False, changing nothing, when `counts` are none of the formats or the
// country has no competition tree.
bool ApplyLeagueSystem(CCountry& country, const LeagueCounts& counts, TransitionRules rules);

// The same for the format of an index (0 to 32); false for another index.
bool ApplyLeagueFormat(CCountry& country, int format, const TransitionRules& rules);

} // namespace tallo
