// tallo-db doubles: the player doubles of the sample written to standard output in the three
// forms the editor's save writes, narrowed like the window narrows them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tallo_db_sample_test.h"

namespace tallo {
namespace {

using TalloDbDoubles = test::TalloDbSampleTest;

// The lines of a text whose lines end in "\r\n" (every line must).
std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "a line without \\r\\n at the end";
    return lines;
}

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST_F(TalloDbDoubles, TheThreeFormsListTheSamePairsUnderTheTitle) {
    const test::ProcessResult tab = Run({"doubles", database_});
    ASSERT_EQ(tab.exitCode, 0) << tab.err;
    const std::vector<std::string> lines = CrLfLines(tab.out);
    ASSERT_GE(lines.size(), 2u) << "the sample has player doubles";
    EXPECT_FALSE(lines[0].empty());
    for (size_t i = 1; i < lines.size(); ++i) {
        // Seven cells: "surname, first name", two clubs, two birth dates, two positions.
        EXPECT_EQ(Count(lines[i], "\t"), 6u) << lines[i];
        EXPECT_NE(lines[i].find(", "), std::string::npos) << lines[i];
        EXPECT_NE(lines[i].find(" ("), std::string::npos) << lines[i];
    }

    const test::ProcessResult text = Run({"doubles", database_, "--format", "text"});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    const std::vector<std::string> aligned = CrLfLines(text.out);
    ASSERT_EQ(aligned.size(), lines.size());
    EXPECT_EQ(aligned[0], lines[0]);
    for (size_t i = 2; i < aligned.size(); ++i) {
        EXPECT_EQ(aligned[i].size(), aligned[1].size()) << "the columns are aligned";
        EXPECT_EQ(aligned[i].back(), ' ');
    }

    const test::ProcessResult xml = Run({"doubles", database_, "--format", "xml"});
    ASSERT_EQ(xml.exitCode, 0) << xml.err;
    EXPECT_EQ(xml.out.rfind("<?xml version=\"1.0\" encoding=\"", 0), 0u);
    EXPECT_NE(xml.out.find("<list>\r\n\t<title>"), std::string::npos);
    EXPECT_EQ(Count(xml.out, "\t<row>\r\n"), lines.size() - 1);
    EXPECT_EQ(Count(xml.out, "\t\t<col>"), 7 * (lines.size() - 1));
    EXPECT_EQ(xml.out.substr(xml.out.size() - 10), "\t</list>\r\n");
}

TEST_F(TalloDbDoubles, NarrowingOptionsKeepFewerPairsAndWrongValuesAreRefused) {
    const test::ProcessResult all = Run({"doubles", database_});
    ASSERT_EQ(all.exitCode, 0) << all.err;
    const size_t pairs = CrLfLines(all.out).size() - 1;

    const test::ProcessResult same = Run({"doubles", database_, "--same-birth-date"});
    ASSERT_EQ(same.exitCode, 0) << same.err;
    EXPECT_LT(CrLfLines(same.out).size() - 1, pairs);

    // The country of the first pair's first club keeps that pair and no more than all.
    const std::vector<std::string> lines = CrLfLines(all.out);
    ASSERT_GE(lines.size(), 2u);
    size_t kept = 0;
    for (int country = 1; country <= 206 && kept == 0; ++country) {
        const test::ProcessResult narrowed =
            Run({"doubles", database_, "--country", std::to_string(country)});
        ASSERT_EQ(narrowed.exitCode, 0) << narrowed.err;
        kept = CrLfLines(narrowed.out).size() - 1;
    }
    EXPECT_GT(kept, 0u);
    EXPECT_LE(kept, pairs);

    const test::ProcessResult format = Run({"doubles", database_, "--format", "csv"});
    EXPECT_NE(format.exitCode, 0);
    EXPECT_NE(format.err.find("no form \"csv\""), std::string::npos) << format.err;
    const test::ProcessResult country = Run({"doubles", database_, "--country", "207"});
    EXPECT_NE(country.exitCode, 0);
    const test::ProcessResult club = Run({"doubles", database_, "--club", "16777215"});
    EXPECT_NE(club.exitCode, 0);
    EXPECT_NE(club.err.find("no club"), std::string::npos) << club.err;
}

} // namespace
} // namespace tallo
