#pragma once

#include <string>

#include "sample_file_summary.h"
#include "sample_world.h"

namespace tallo::sample {

// Where the sample puts the game's data archive, relative to the installation folder.
inline constexpr const char* kGameArchive = "data/zdata_06.big";

// Writes the game's data archive "<install>/data/zdata_06.big" as a real BIG archive with a
// few entries of the kinds such an archive holds (a version note, settings, a text, a
// picture and a sound, some of them packed). The editor only needs the file to exist; its
// entries stand in for the game's data. False with a message in `error` when it cannot be
// written.
bool WriteSampleGameArchive(const std::string& installFolder, const SampleOptions& options,
                            SampleFileSummary& summary, std::string& error);

} // namespace tallo::sample
