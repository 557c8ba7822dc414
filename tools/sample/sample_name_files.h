#pragma once

#include <string>
#include <vector>

#include "sample_country_list.h"
#include "sample_file_summary.h"
#include "sample_world.h"

namespace tallo::sample {

// Writes the three name files the editor draws random names from, "MaleNames.txt",
// "FemaleNames.txt" and "Surnames.txt", into the database folder: for pool 0 (the fallback)
// and every language 1 to 58 a line "%<language>" and then the pool's names, one a line
// (at most 31 characters, CR LF line ends), in the style of the countries that speak the
// language first. Names within a pool differ. False with a message in `error` when a file
// cannot be written.
bool WriteSampleNameFiles(const std::string& databaseFolder,
                          const std::vector<SampleCountry>& countries, const SampleOptions& options,
                          SampleFileSummary& summary, std::string& error);

} // namespace tallo::sample
