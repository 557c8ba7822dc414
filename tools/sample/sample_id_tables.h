#pragma once

#include <string>

#include "sample_file_summary.h"
#include "sample_world.h"

namespace tallo {
class CWorld;
} // namespace tallo

namespace tallo::sample {

class SamplePersonKeys;

// Writes the three ID tables of the other game into the database folder, made to match some
// clubs and players of the world and to miss the others:
//   ZELO_ClubIDs.txt      "column 1 TAB description TAB Zelo ID TAB club name" for most clubs
//                         with a name no other club has; besides one name ending in
//                         "S.A.D.", one club listed twice (the later line counts), one line
//                         with column 1 = 400 (ignored, so its club stays unmapped), one line
//                         keyed by a place that only clubs of that short name answer to
//                         (a derby place when there is one), and one line for no club.
//   ZELO_PlayerIDs.txt    four-line records (name, ID, nickname, ID) for a share of the club
//                         players with a name nobody else has; one record whose name matches
//                         nobody but whose nickname is a player's pseudonym, one name given
//                         twice (the first record counts), and a few names not in the
//                         database.
//   ZELO2003_StarHeads.txt "name TAB number TAB face" for a few dozen players, keepers marked
//                         " (GK)", and one name not in the database.
// Zelo IDs of a table differ from each other. What each mapping is to find goes into
// `summary` (clubZeloIds, playerZeloIds, consoleFaces). False with a message in `error`
// when a file cannot be written.
bool WriteSampleIdTables(const std::string& databaseFolder, const CWorld& world,
                         const SamplePersonKeys& keys, const SampleOptions& options,
                         SampleFileSummary& summary, std::string& error);

} // namespace tallo::sample
