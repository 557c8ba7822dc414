#pragma once

#include <string>

#include "sample_file_summary.h"
#include "sample_world.h"

namespace tallo::sample {

// Writes a synthetic installation into `folder` (created when missing; files of an earlier
// sample are replaced, the badge folder as a whole):
// - "database/countries.sav" with the 206 countries, the stadium model list
//   "database/<language code>/StadiumList.txt" and the script folder (the cup schemes
//   "CupAlloc.txt" and the five international definition files);
// - the game's database in "database" (every Country<n>.sav, Rules.sav and Without.sav),
//   generated through the model classes and saved as the editor saves a world, with the
//   tables prepared as the editor prepares them (competition trees, the cup schemes just
//   written);
// - the per-language tables of the language folder (shoe.txt, faceIDs.txt,
//   clubSpeechIDs.txt, TeamColour.txt), the name files and the three ID tables of the
//   other game in "database", made to match some clubs and players and miss others;
// - the club badges in four sizes in "badges" and "badges.big", a few of them incomplete
//   on purpose, and the game's data archive "data/zdata_06.big".
// The same options give the same bytes. `files` receives what the files beside the
// database hold and were made to do. False with a message in `error` when anything could
// not be written.
bool WriteSampleInstallation(const std::string& folder, const SampleOptions& options,
                             SampleSummary& summary, SampleFileSummary& files, std::string& error);
bool WriteSampleInstallation(const std::string& folder, const SampleOptions& options,
                             SampleSummary& summary, std::string& error);

} // namespace tallo::sample
