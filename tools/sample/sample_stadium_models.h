#pragma once

#include <string>

namespace tallo::sample {

// Writes the stadium model list "StadiumList.txt" (a record file without sections: the number
// of entries, then name, model number and flag of each) with a handful of models. False when
// the file could not be written.
bool WriteSampleStadiumList(const std::string& path);

} // namespace tallo::sample
