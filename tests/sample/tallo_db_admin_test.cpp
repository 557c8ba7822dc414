// tallo-db admin: the admin menu's tools on the small sample, their reports and saves.

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "tallo_db_sample_test.h"

namespace tallo {
namespace {

using TalloDbAdmin = test::TalloDbSampleTest;

std::string FileBytes(const std::string& path) {
    return test::ReadFile(path);
}

// The number of a report line such as "3 unused stadiums were removed from the list".
int CountIn(const std::string& output, const std::string& pattern) {
    std::smatch match;
    return std::regex_search(output, match, std::regex(pattern)) ? std::stoi(match[1].str()) : -1;
}

TEST_F(TalloDbAdmin, ToolsPrintTheirReportsAndSaveTheChange) {
    const std::string country = database_ + "/Country2.sav";
    const std::string before = FileBytes(country);
    ASSERT_FALSE(before.empty());

    const test::ProcessResult renamed =
        Run({"admin", "rename-stadiums", database_, "--country", "2"});
    ASSERT_EQ(renamed.exitCode, 0) << renamed.err;
    EXPECT_NE(renamed.out.find("Finished renaming stadiums\n"), std::string::npos) << renamed.out;
    EXPECT_NE(renamed.out.find("Saved"), std::string::npos) << renamed.out;
    EXPECT_NE(FileBytes(country), before);

    // Removing the unused stadiums: the second run finds none, so the first one was saved.
    const test::ProcessResult removed =
        Run({"admin", "remove-unused-stadiums", database_, "--country", "2"});
    ASSERT_EQ(removed.exitCode, 0) << removed.err;
    const std::string report = "(\\d+) unused stadiums were removed from the list";
    EXPECT_GE(CountIn(removed.out, report), 0) << removed.out;
    const test::ProcessResult again =
        Run({"admin", "remove-unused-stadiums", database_, "--country", "2"});
    ASSERT_EQ(again.exitCode, 0) << again.err;
    EXPECT_EQ(CountIn(again.out, report), 0) << again.out;
    EXPECT_NE(again.out.find("Nothing changed"), std::string::npos);

    // The database tools and the shoes of one club.
    const test::ProcessResult staff = Run({"admin", "delete-staff", database_});
    ASSERT_EQ(staff.exitCode, 0) << staff.err;
    EXPECT_GE(CountIn(staff.out, "Deleted (\\d+) staffs"), 0) << staff.out;
    const test::ProcessResult staffAgain = Run({"admin", "delete-staff", database_});
    EXPECT_EQ(CountIn(staffAgain.out, "Deleted (\\d+) staffs"), 0) << staffAgain.out;
    const test::ProcessResult shoes =
        Run({"admin", "shoes", database_, "--club", std::to_string((2 << 16) | 0xFFFF)});
    ASSERT_EQ(shoes.exitCode, 0) << shoes.err;
    EXPECT_GE(CountIn(shoes.out, "Changed (\\d+) shoes to black"), 0) << shoes.out;

    // The database still loads cleanly.
    const test::ProcessResult validate = Run({"validate", database_});
    EXPECT_EQ(validate.err.find("damaged"), std::string::npos) << validate.err;
}

TEST_F(TalloDbAdmin, AMissingOrWrongSelectionIsAnErrorAndNothingIsSaved) {
    const std::string country = database_ + "/Country2.sav";
    const std::string before = FileBytes(country);

    const test::ProcessResult noCountry = Run({"admin", "rename-staff", database_});
    EXPECT_NE(noCountry.exitCode, 0);
    EXPECT_NE(noCountry.err.find("--country"), std::string::npos) << noCountry.err;
    const test::ProcessResult badCountry =
        Run({"admin", "clear-match-records", database_, "--country", "207"});
    EXPECT_NE(badCountry.exitCode, 0);
    EXPECT_NE(badCountry.err.find("no country 207"), std::string::npos) << badCountry.err;
    const test::ProcessResult badClub = Run({"admin", "shoes", database_, "--club", "196592"});
    EXPECT_NE(badClub.exitCode, 0);
    EXPECT_NE(badClub.err.find("no club 196592"), std::string::npos) << badClub.err;
    const test::ProcessResult badTool = Run({"admin", "paint-goals", database_});
    EXPECT_NE(badTool.exitCode, 0);
    EXPECT_EQ(FileBytes(country), before);
}

} // namespace
} // namespace tallo
