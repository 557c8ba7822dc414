// The built tallo-db program: sample, info and resave as a user runs them, and their failures.

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "sample_test_support.h"
#include "support/run_process.h"
#include "support/temp_dir.h"

namespace tallo {
namespace {

using test::ProcessResult;
using test::TempDir;

class TalloDbTool : public ::testing::Test {
protected:
    void SetUp() override {
        program_ = test::BuiltProgram("tools/tallo-db");
        ASSERT_FALSE(program_.empty()) << "tools/tallo-db is not built";
    }

    // Runs the tool with no installation known from outside: no TALLO_INSTALL_DIR, and the
    // settings file looked up in a folder of the test.
    ProcessResult Run(const std::vector<std::string>& arguments) {
        return test::RunProcess(program_, arguments,
                                {{"TALLO_INSTALL_DIR", ""}, {"XDG_CONFIG_HOME", config_.Path()}});
    }

    // The number after a label of the info output ("Clubs:   29"), -1 when absent.
    static long Count(const std::string& output, const std::string& label) {
        std::smatch match;
        if (!std::regex_search(output, match, std::regex(label + ":\\s+(\\d+)"))) {
            return -1;
        }
        return std::stol(match[1].str());
    }

    std::string program_;
    TempDir config_;
};

TEST_F(TalloDbTool, InfoReportsWhatSampleWrote) {
    TempDir dir;
    const std::string install = dir / "game";
    ProcessResult sample = Run({"sample", install, "--scale", "small", "--seed", "4"});
    ASSERT_EQ(sample.exitCode, 0) << sample.err;
    std::smatch written;
    ASSERT_TRUE(std::regex_search(sample.out, written,
                                  std::regex("(\\d+) with clubs, (\\d+) clubs, (\\d+) persons")))
        << sample.out;

    // The database folder of the installation: the installation is the folder above it.
    ProcessResult info = Run({"info", install + "/database", "--countries"});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    EXPECT_EQ(Count(info.out, "Countries with files"), 206);
    EXPECT_EQ(Count(info.out, "Countries with clubs"), std::stol(written[1].str()));
    EXPECT_EQ(Count(info.out, "Clubs"), std::stol(written[2].str()));
    EXPECT_EQ(Count(info.out, "Persons"), std::stol(written[3].str()));
    EXPECT_EQ(Count(info.out, "Clubs"), 29);
    EXPECT_GT(Count(info.out, "Referees"), 0);
    EXPECT_GT(Count(info.out, "Player pool entries"), 0);
    EXPECT_EQ(Count(info.out, "Player IDs renumbered"), 0);
    EXPECT_NE(info.out.find("(from the folder above the database folder)"), std::string::npos);
    // The country list names the four countries with clubs, in UTF-8.
    EXPECT_NE(info.out.find("\n    120      3"), std::string::npos) << info.out;
}

TEST_F(TalloDbTool, ResaveTwiceGivesTheSameFiles) {
    TempDir dir;
    const std::string install = dir / "game";
    ASSERT_EQ(Run({"sample", install}).exitCode, 0);
    ProcessResult first = Run({"resave", install + "/database", dir / "b", "--install", install});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    ProcessResult second = Run({"resave", dir / "b", dir / "c", "--install", install});
    ASSERT_EQ(second.exitCode, 0) << second.err;

    const auto b = test::ReadFolderFiles(dir / "b");
    const auto c = test::ReadFolderFiles(dir / "c");
    auto a = test::ReadFolderFiles(install + "/database");
    a.erase("countries.sav");
    EXPECT_EQ(b.size(), 208u);
    EXPECT_TRUE(a == b);
    EXPECT_TRUE(b == c);
}

TEST_F(TalloDbTool, RegisterLetsLaterCommandsFindTheInstallation) {
    TempDir dir;
    const std::string install = dir / "game";
    ProcessResult sample = Run({"sample", install, "--register"});
    ASSERT_EQ(sample.exitCode, 0) << sample.err;
    // The settings file is named after the product (string table); it is the only one there.
    std::string found;
    for (const auto& entry : std::filesystem::directory_iterator(config_ / "vantor-sports")) {
        found += test::ReadFile(entry.path().string());
    }
    EXPECT_NE(found.find("INSTALL DIR=" + install), std::string::npos) << found;

    // A copy of the database elsewhere: only the settings file leads to the installation.
    ASSERT_EQ(Run({"resave", install + "/database", dir / "copy"}).exitCode, 0);
    ProcessResult info = Run({"info", dir / "copy"});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    EXPECT_NE(info.out.find("(from the settings file)"), std::string::npos) << info.out;
    EXPECT_EQ(Count(info.out, "Clubs"), 29);
}

TEST_F(TalloDbTool, WithoutArgumentsShowsTheSubcommands) {
    ProcessResult overview = Run({});
    EXPECT_EQ(overview.exitCode, 0) << overview.err;
    for (const char* command : {"info", "resave", "sample"}) {
        EXPECT_NE(overview.out.find(command), std::string::npos) << command;
    }
}

TEST_F(TalloDbTool, FailuresSayWhyAndEndWithNonZeroStatus) {
    TempDir dir;
    ProcessResult missing = Run({"info", dir / "nowhere", "--install", dir.Path()});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_NE(missing.err.find("does not exist"), std::string::npos) << missing.err;

    // A database folder with no installation anywhere.
    std::filesystem::create_directories(dir / "lonely");
    ProcessResult noInstall = Run({"info", dir / "lonely"});
    EXPECT_NE(noInstall.exitCode, 0);
    EXPECT_NE(noInstall.err.find("no installation folder found"), std::string::npos)
        << noInstall.err;

    // An installation without a country list.
    ProcessResult noList = Run({"info", dir / "lonely", "--install", dir / "lonely"});
    EXPECT_NE(noList.exitCode, 0);
    EXPECT_NE(noList.err.find("countries.sav"), std::string::npos) << noList.err;

    const std::string install = dir / "game";
    ASSERT_EQ(Run({"sample", install}).exitCode, 0);
    // A folder without country files.
    ProcessResult empty = Run({"resave", dir / "lonely", dir / "out", "--install", install});
    EXPECT_NE(empty.exitCode, 0);
    EXPECT_NE(empty.err.find("no country file"), std::string::npos) << empty.err;
    // A target that cannot be created (a file stands in the way).
    test::WriteFile(dir / "blocker", "x");
    ProcessResult blocked =
        Run({"resave", install + "/database", dir / "blocker/db", "--install", install});
    EXPECT_NE(blocked.exitCode, 0);
    EXPECT_NE(blocked.err.find("blocker"), std::string::npos) << blocked.err;

    ProcessResult badScale = Run({"sample", dir / "x", "--scale", "huge"});
    EXPECT_NE(badScale.exitCode, 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "x"));
}

} // namespace
} // namespace tallo
