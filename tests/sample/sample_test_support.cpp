#include "sample_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "sample_installation.h"
#include "support/temp_dir.h"

namespace tallo::test {

std::map<std::string, std::string> ReadFolderFiles(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files[entry.path().filename().string()] = ReadFile(entry.path().string());
        }
    }
    return files;
}

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

} // namespace tallo::test
