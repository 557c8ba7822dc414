#pragma once

#include <map>
#include <string>

#include "sample_world.h"

namespace tallo::test {

// Every regular file of a folder (not of its subfolders), by name.
std::map<std::string, std::string> ReadFolderFiles(const std::string& folder);

// Writes a sample installation into `folder` and fails the calling test when it cannot.
sample::SampleSummary WriteSample(const std::string& folder, sample::SampleScale scale,
                                  uint64_t seed);

} // namespace tallo::test
