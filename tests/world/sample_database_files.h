#pragma once

// The country files of generated sample databases, for the tests that load them.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "sample_installation.h"
#include "world/world.h"

namespace tallo::test {

// The VERSION line of a country file as this program writes it, and as an older edition did.
inline constexpr const char* kCurrentVersionLine = "\r\n537133064\r\n";  // 0x20040008
inline constexpr const char* kMinorOneVersionLine = "\r\n537133057\r\n"; // 0x20040001

// Writes a small sample installation with `seed` into `folder`; fails the calling test when
// it cannot.
inline void WriteSmallSample(const std::string& folder, uint64_t seed) {
    sample::SampleOptions options;
    options.scale = sample::SampleScale::kSmall;
    options.seed = seed;
    sample::SampleSummary summary;
    std::string error;
    ASSERT_TRUE(sample::WriteSampleInstallation(folder, options, summary, error)) << error;
}

inline std::string CountryFile(const std::string& install, int number) {
    return install + "/database/Country" + std::to_string(number) + ".sav";
}

// The numbers of the countries the sample wrote a file for, in order.
inline std::vector<int> WrittenCountries(const std::string& install) {
    std::vector<int> numbers;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        if (std::filesystem::exists(CountryFile(install, number))) {
            numbers.push_back(number);
        }
    }
    return numbers;
}

} // namespace tallo::test
