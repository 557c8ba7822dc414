// tallo-db search: the player search on the sample, one tab-separated line per found player in
// the walk's order, and the patterns' rules as the editor's search applies them.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tallo_db_sample_test.h"

namespace tallo {
namespace {

using TalloDbSearch = test::TalloDbSampleTest;

std::vector<std::vector<std::string>> Rows(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        std::vector<std::string> cells;
        size_t start = 0;
        for (size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
            cells.push_back(line.substr(start, tab - start));
            start = tab + 1;
        }
        cells.push_back(line.substr(start));
        rows.push_back(cells);
    }
    return rows;
}

TEST_F(TalloDbSearch, PrintsSevenColumnsPerFoundPlayerAndNarrowsByEveryPattern) {
    const test::ProcessResult all = Run({"search", database_, "--surname", "*"});
    ASSERT_EQ(all.exitCode, 0) << all.err;
    const std::vector<std::vector<std::string>> rows = Rows(all.out);
    ASSERT_GT(rows.size(), 10u);
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 7u) << row[0];
    }
    // Take a found player of a club and look for him by his names: the surname's first letter
    // and a "?" for its second, the first name exactly in lower case.
    size_t pick = rows.size();
    for (size_t i = 0; i < rows.size() && pick == rows.size(); ++i) {
        if (rows[i][1].size() >= 3 && !rows[i][0].empty() && !rows[i][5].empty() &&
            static_cast<unsigned char>(rows[i][1][1]) < 0x80 &&
            static_cast<unsigned char>(rows[i][0][0]) < 0x80) {
            pick = i;
        }
    }
    ASSERT_LT(pick, rows.size());
    const std::vector<std::string>& wanted = rows[pick];
    std::string first = wanted[0];
    for (char& c : first) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const std::string surname = wanted[1].substr(0, 1) + "?" + "*";
    const test::ProcessResult narrow =
        Run({"search", database_, "--first", first, "--surname", surname});
    ASSERT_EQ(narrow.exitCode, 0) << narrow.err;
    const std::vector<std::vector<std::string>> found = Rows(narrow.out);
    ASSERT_FALSE(found.empty());
    bool listed = false;
    for (const auto& row : found) {
        listed = listed || row == wanted;
        EXPECT_EQ(row[1].substr(0, 1), wanted[1].substr(0, 1));
    }
    EXPECT_TRUE(listed) << narrow.out;
    // Found players keep the walk's order: the narrow result is a subsequence of the whole.
    size_t at = 0;
    for (const auto& row : found) {
        while (at < rows.size() && rows[at] != row) {
            ++at;
        }
        EXPECT_LT(at, rows.size()) << row[1];
    }
}

TEST_F(TalloDbSearch, NothingMatchingPrintsNothingAndNoPatternIsRefused) {
    const test::ProcessResult none = Run({"search", database_, "--surname", "Q?Q?Q*ZZZ"});
    EXPECT_EQ(none.exitCode, 0) << none.err;
    EXPECT_TRUE(none.out.empty()) << none.out;
    const test::ProcessResult nothing = Run({"search", database_});
    EXPECT_NE(nothing.exitCode, 0);
    EXPECT_NE(nothing.err.find("--surname"), std::string::npos) << nothing.err;
}

} // namespace
} // namespace tallo
