#include "sample_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/load_preparation.h"
#include "sample_installation.h"
#include "support/temp_dir.h"
#include "world/world.h"

namespace tallo::test {

sample::SampleSummary WriteSample(const std::string& folder, sample::SampleScale scale,
                                  uint64_t seed) {
    sample::SampleOptions options;
    options.scale = scale;
    options.seed = seed;
    sample::SampleSummary summary;
    std::string error;
    EXPECT_TRUE(sample::WriteSampleInstallation(folder, options, summary, error)) << error;
    return summary;
}

sample::SampleFileSummary WriteSampleFiles(const std::string& folder, sample::SampleScale scale,
                                           uint64_t seed) {
    sample::SampleOptions options;
    options.scale = scale;
    options.seed = seed;
    sample::SampleSummary summary;
    sample::SampleFileSummary files;
    std::string error;
    EXPECT_TRUE(sample::WriteSampleInstallation(folder, options, summary, files, error)) << error;
    return files;
}

const SharedSample& SharedSmallSample() {
    static TempDir dir;
    static const SharedSample sample{dir.Path(),
                                     WriteSampleFiles(dir.Path(), sample::SampleScale::kSmall, 11)};
    return sample;
}

std::unique_ptr<CWorld> LoadSampleWorld(const std::string& install) {
    auto world = std::make_unique<CWorld>();
    EXPECT_TRUE(PrepareForLoad(*world, install).countryListRead);
    EXPECT_TRUE(world->LoadAll(install + "/database"));
    return world;
}

} // namespace tallo::test
