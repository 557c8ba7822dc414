#pragma once

#include <string>

#include "sample_world.h"

namespace tallo::sample {

// Where the sample puts its files, relative to the installation folder.
inline constexpr const char* kGameArchive = "data/zdata_06.big";

// Writes a synthetic installation into `folder` (created when missing; files of an earlier
// sample are replaced): "database/countries.sav" with the 206 countries, the stadium model
// list "database/<language code>/StadiumList.txt", an empty "data/zdata_06.big" placeholder so
// that the editor accepts the folder, the script folder (the cup schemes "CupAlloc.txt" and the
// five international definition files), and the game's database in "database" (every
// Country<n>.sav, Rules.sav and Without.sav), generated through the model classes and saved as
// the editor saves a world, with the tables prepared as the editor prepares them (competition
// trees, the cup schemes just written). The same options give the same bytes.
// False with a message in `error` when anything could not be written.
bool WriteSampleInstallation(const std::string& folder, const SampleOptions& options,
                             SampleSummary& summary, std::string& error);

} // namespace tallo::sample
