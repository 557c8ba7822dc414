#pragma once

#include <string>

#include "sample_file_summary.h"
#include "sample_random.h"
#include "sample_world.h"

namespace tallo {
class CClub;
class CCountry;
class CWorld;
} // namespace tallo

namespace tallo::sample {

// Where the sample puts the badges, relative to the installation folder.
inline constexpr const char* kBadgeFolder = "badges";
inline constexpr const char* kBadgeArchive = "badges.big";

// The badge name the sample gives a club: "<group>\Badge180\<file>.tga", the group being the
// country's abbreviation and the file named after the club ("national.tga" for the national
// team). Drawn from `random`, a few ordinary clubs get no badge (an empty name) and a few an
// old-style name without the size folder, which the badge check passes over. At most
// CClub::kBadgeFileSize - 1 characters.
std::string SampleBadgeName(SampleRandom& random, const CCountry& country, const CClub& club);

// Writes the pictures of every badge named with a size folder, in the four sizes, as TGA
// files: into the badge folder "<install>/badges" (written afresh: an earlier folder is
// removed first, so that no picture of an earlier sample completes a badge) and into the
// badge archive "<install>/badges.big". Each club's badge lies on disk, in the archive,
// split between them (the largest three sizes on disk, the smallest in the archive) or in
// both; some archive entries are packed and some named in capitals. A few clubs' badges are
// left incomplete on purpose (a size missing, only the largest size, or no picture at all);
// they are listed in `summary.incompleteBadges`. The same world and options write the same
// bytes. False with a message in `error` when a file cannot be written.
bool WriteSampleBadges(const std::string& installFolder, const CWorld& world,
                       const SampleOptions& options, SampleFileSummary& summary,
                       std::string& error);

} // namespace tallo::sample
