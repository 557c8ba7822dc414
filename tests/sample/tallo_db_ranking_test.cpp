// tallo-db ranking: the five-year ranking of the sample's European countries, one line each as
// the editor's list shows it.

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tallo_db_sample_test.h"

namespace tallo {
namespace {

using TalloDbRanking = test::TalloDbSampleTest;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST_F(TalloDbRanking, PrintsNumberedLinesOrderedByTheFirstSeasonPoints) {
    const test::ProcessResult result = Run({"ranking", database_});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_GE(lines.size(), 2u) << result.out;
    // "<place>. <name>" and seven tab-separated values with two decimals.
    const std::regex line(
        R"((\d+)\. [^\t]+\t(\d+\.\d\d)\t(\d+\.\d\d)\t(\d+\.\d\d)\t(\d+\.\d\d)\t(\d+\.\d\d)\t(\d+\.\d\d)\t(\d+\.\d\d))");
    long previous = -1;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::smatch match;
        ASSERT_TRUE(std::regex_match(lines[i], match, line)) << lines[i];
        EXPECT_EQ(std::stoul(match[1].str()), i + 1);
        // The points are the sum of the five years before last year, in hundredths.
        const auto hundredths = [&match](int group) {
            return std::lround(std::stod(match[group].str()) * 100);
        };
        const long points = hundredths(8);
        EXPECT_EQ(points,
                  hundredths(3) + hundredths(4) + hundredths(5) + hundredths(6) + hundredths(7))
            << lines[i];
        if (previous >= 0) {
            EXPECT_LE(points, previous) << lines[i];
        }
        previous = points;
    }
}

TEST_F(TalloDbRanking, RefusesALanguageSlotOutsideTheFive) {
    const test::ProcessResult result = Run({"ranking", database_, "--slot", "5"});
    EXPECT_NE(result.exitCode, 0);
    EXPECT_NE(result.err.find("no language slot 5"), std::string::npos) << result.err;
    const test::ProcessResult second = Run({"ranking", database_, "--slot", "1"});
    EXPECT_EQ(second.exitCode, 0) << second.err;
}

} // namespace
} // namespace tallo
