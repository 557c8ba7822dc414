#pragma once

#include <map>
#include <memory>
#include <string>

#include "sample_file_summary.h"
#include "sample_world.h"
#include "support/temp_dir.h"

namespace tallo {
class CWorld;
} // namespace tallo

namespace tallo::test {

// Writes a sample installation into `folder` and fails the calling test when it cannot.
sample::SampleSummary WriteSample(const std::string& folder, sample::SampleScale scale,
                                  uint64_t seed);
// The same, giving what the files beside the database were made to hold.
sample::SampleFileSummary WriteSampleFiles(const std::string& folder, sample::SampleScale scale,
                                           uint64_t seed);

// A small sample written once for the whole test program (seed 11); tests only read it.
struct SharedSample {
    std::string folder;
    sample::SampleFileSummary files;
};
const SharedSample& SharedSmallSample();

// The game database of an installation, loaded as the editor loads it (tables prepared
// first); fails the calling test and gives an empty world when it cannot be read.
std::unique_ptr<CWorld> LoadSampleWorld(const std::string& install);

} // namespace tallo::test
