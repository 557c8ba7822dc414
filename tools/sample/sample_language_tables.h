#pragma once

#include <string>

#include "sample_file_summary.h"
#include "sample_world.h"

namespace tallo {
class CWorld;
} // namespace tallo

namespace tallo::sample {

class SamplePersonKeys;

// Writes the four numbered text tables of the language folder, each a count line and then
// two lines per row, CR LF line ends:
//   shoe.txt           the five shoe types (number, then name)
//   faceIDs.txt        special faces: the names of some club players that exactly one
//                      person answers to, and two names nobody has (name, then number)
//   clubSpeechIDs.txt  club speech samples, one per place with a club (number, then place)
//   TeamColour.txt     the colour entries of the first 30 clubs (number, then
//                      "<club name>,<kit style>")
// Row counts stay within what the tables hold. The persons of the face table and their
// numbers go into `summary.specialFaces`. False with a message in `error` when a file
// cannot be written.
bool WriteSampleLanguageTables(const std::string& languageFolder, const CWorld& world,
                               const SamplePersonKeys& keys, const SampleOptions& options,
                               SampleFileSummary& summary, std::string& error);

} // namespace tallo::sample
