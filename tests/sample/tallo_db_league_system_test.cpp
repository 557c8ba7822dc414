// tallo-db league-system: showing a country's league system and applying a format.

#include <gtest/gtest.h>

#include <regex>

#include "tallo_db_sample_test.h"

namespace tallo {
namespace {

using TalloDbLeagueSystem = test::TalloDbSampleTest;

// The format line of the output ("Format: 1-1"), empty when absent.
std::string FormatOf(const std::string& output) {
    std::smatch match;
    return std::regex_search(output, match, std::regex("Format: (\\S+)")) ? match[1].str() : "";
}

TEST_F(TalloDbLeagueSystem, ShowsAppliesAndSavesAFormat) {
    const test::ProcessResult shown = Run({"league-system", database_, "--country", "2"});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    const std::string before = FormatOf(shown.out);
    ASSERT_FALSE(before.empty()) << shown.out;
    EXPECT_NE(shown.out.find("Level 1: 1 league"), std::string::npos) << shown.out;

    const test::ProcessResult applied =
        Run({"league-system", database_, "--country", "2", "--format", "1-1-4"});
    ASSERT_EQ(applied.exitCode, 0) << applied.err;
    EXPECT_EQ(FormatOf(applied.out), "1-1-4");

    // Read back from the saved files: six leagues, four of them new ones of 18 teams.
    const test::ProcessResult again = Run({"league-system", database_, "--country", "2"});
    ASSERT_EQ(again.exitCode, 0) << again.err;
    EXPECT_EQ(FormatOf(again.out), "1-1-4");
    EXPECT_NE(again.out.find("Level 3: 4 leagues"), std::string::npos) << again.out;
    const std::regex newLeague("size 18, 0 teams, 2 rounds");
    EXPECT_EQ(std::distance(std::sregex_iterator(again.out.begin(), again.out.end(), newLeague),
                            std::sregex_iterator()),
              4)
        << again.out;
    // The database still loads cleanly and the tool's other checks run on it.
    const test::ProcessResult validate = Run({"validate", database_});
    EXPECT_EQ(validate.err.find("damaged"), std::string::npos) << validate.err;
}

TEST_F(TalloDbLeagueSystem, RefusesUnknownFormatsAndCountries) {
    const test::ProcessResult format =
        Run({"league-system", database_, "--country", "2", "--format", "1-5"});
    EXPECT_NE(format.exitCode, 0);
    EXPECT_NE(format.err.find("no format '1-5'"), std::string::npos) << format.err;
    EXPECT_NE(format.err.find("1-1-1-4-4"), std::string::npos);
    const test::ProcessResult country = Run({"league-system", database_, "--country", "207"});
    EXPECT_NE(country.exitCode, 0);
    EXPECT_NE(country.err.find("no country 207"), std::string::npos) << country.err;
    // Nothing was changed by the refusals.
    const test::ProcessResult shown = Run({"league-system", database_, "--country", "2"});
    EXPECT_EQ(FormatOf(shown.out), "1-1");
}

} // namespace
} // namespace tallo
