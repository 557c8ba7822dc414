// The built tallo-db program: sample, info and resave as a user runs them, and their failures.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <regex>

#include "app/load_preparation.h"
#include "competitions/competition_tree.h"
#include "competitions/country_completeness.h"
#include "competitions/db_league_base.h"
#include "sample_test_support.h"
#include "support/run_process.h"
#include "support/temp_dir.h"
#include "world/country.h"
#include "world/world.h"

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
    EXPECT_EQ(Count(info.out, "Clubs"), 73);
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
    // The installation's country list, name files and ID tables are no part of a save.
    auto a = test::ReadFolderFiles(install + "/database");
    std::erase_if(a, [](const auto& file) {
        return file.first == "countries.sav" || !file.first.ends_with(".sav");
    });
    EXPECT_EQ(b.size(), 208u);
    EXPECT_TRUE(a == b);
    EXPECT_TRUE(b == c);
    // The files carry the competitions: the first country's pyramid with its relegation league
    // and its play-off, and the cups.
    const std::string& countryOne = b.at("Country1.sav");
    for (const char* part : {"{ 1, LEAGUE, 2 }", "{ 1, SCOTT1, 0 }", "DB_REL1", "{ 1, FA_CUP, 0 }",
                             "{ 1, LE_CUP, 0 }", "{ 1, SUPERCUP, 0 }"}) {
        EXPECT_NE(countryOne.find(part), std::string::npos) << part;
    }
    EXPECT_NE(b.at("Country2.sav").find("DB_SWITZERLAND"), std::string::npos);
}

// "Country   1  <name>: complete" and the like, by country number.
std::map<int, std::string> ValidateVerdicts(const std::string& output) {
    std::map<int, std::string> verdicts;
    const std::regex line("Country +(\\d+)  [^\\n]*: (complete|incomplete)\n");
    for (auto it = std::sregex_iterator(output.begin(), output.end(), line);
         it != std::sregex_iterator(); ++it) {
        verdicts[std::stoi((*it)[1].str())] = (*it)[2].str();
    }
    return verdicts;
}

TEST_F(TalloDbTool, ValidateListsTheCompleteCountriesAndEveryReason) {
    TempDir dir;
    const std::string install = dir / "game";
    ASSERT_EQ(Run({"sample", install, "--seed", "5"}).exitCode, 0);
    ProcessResult all = Run({"validate", install + "/database"});
    ASSERT_EQ(all.exitCode, 0) << all.err;
    EXPECT_NE(all.out.find("Complete countries: 3 of 206\n"), std::string::npos) << all.out;
    const std::map<int, std::string> verdicts = ValidateVerdicts(all.out);
    EXPECT_EQ(verdicts.size(), 206u);
    for (const auto& [number, verdict] : verdicts) {
        const bool complete = number == 1 || number == 2 || number == 160;
        EXPECT_EQ(verdict, complete ? "complete" : "incomplete") << number;
    }
    // Each reason of an incomplete country on a line of its own.
    EXPECT_NE(all.out.find(": incomplete\n"
                           "    - has 7 clubs with the national team; a complete country has at "
                           "least 10\n"
                           "    - its top league has 6 teams; a complete country has at least 10\n"
                           "Country  61"),
              std::string::npos)
        << all.out;
    EXPECT_NE(all.out.find(": incomplete\n"
                           "    - has 4 clubs with the national team; a complete country has at "
                           "least 10\n"
                           "    - has no league\n"),
              std::string::npos);

    ProcessResult some =
        Run({"validate", install + "/database", "--country", "60", "--country", "1"});
    ASSERT_EQ(some.exitCode, 0) << some.err;
    EXPECT_NE(some.out.find("Complete countries: 1 of 2\n"), std::string::npos) << some.out;
    EXPECT_EQ(ValidateVerdicts(some.out).size(), 2u);
    ProcessResult incomplete = Run({"validate", install + "/database", "--incomplete"});
    ASSERT_EQ(incomplete.exitCode, 0);
    EXPECT_EQ(ValidateVerdicts(incomplete.out).size(), 203u);
    EXPECT_EQ(ValidateVerdicts(incomplete.out).count(1), 0u);
}

// A complete country whose top league is cut to eight teams, as the league editor leaves it
// (size, fixture list and calendar made to fit): validate names exactly that reason.
TEST_F(TalloDbTool, ValidateReportsATopLeagueCutUnderTenTeams) {
    TempDir dir;
    const std::string install = dir / "game";
    ASSERT_EQ(Run({"sample", install, "--seed", "6"}).exitCode, 0);
    {
        auto world = std::make_unique<CWorld>();
        ASSERT_TRUE(PrepareForLoad(*world, install).countryListRead);
        ASSERT_TRUE(world->LoadAll(install + "/database"));
        CCountry& country = *world->GetCountry(160);
        ASSERT_TRUE(country.IsComplete());
        CDBLeagueBase* top = CompetitionTreeOf(country)->League(0);
        ASSERT_NE(top, nullptr);
        while (top->TeamCount() > 8) {
            ASSERT_TRUE(top->RemoveTeam(top->TeamAt(top->TeamCount() - 1)));
        }
        top->SetSize(8);
        ASSERT_TRUE(top->FillFixturesFromTemplate());
        top->ClearCalendar();
        for (int32_t matchday = 1; matchday <= top->RequiredMatchdays(); ++matchday) {
            top->SetMatchdayOn(32 + 7 * matchday, matchday);
        }
        ASSERT_EQ(DescribeIncompleteness(country),
                  std::vector<std::string>{
                      "its top league has 8 teams; a complete country has at least 10"});
        ASSERT_TRUE(world->SaveAll(nullptr));
    }
    ProcessResult result = Run({"validate", install + "/database"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("Complete countries: 2 of 206\n"), std::string::npos);
    const std::regex broken("Country 160  [^\\n]*: incomplete\n"
                            "    - its top league has 8 teams; a complete country has at least 10\n"
                            "Country 161");
    EXPECT_TRUE(std::regex_search(result.out, broken)) << result.out;
    EXPECT_EQ(ValidateVerdicts(result.out).at(1), "complete");
}

TEST_F(TalloDbTool, ValidateFailsOnlyWhenItCannotReadTheFolder) {
    TempDir dir;
    const std::string install = dir / "game";
    ASSERT_EQ(Run({"sample", install}).exitCode, 0);
    ProcessResult missing = Run({"validate", dir / "nowhere", "--install", install});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_NE(missing.err.find("does not exist"), std::string::npos) << missing.err;
    std::filesystem::create_directories(dir / "empty");
    ProcessResult empty = Run({"validate", dir / "empty", "--install", install});
    EXPECT_NE(empty.exitCode, 0);
    EXPECT_NE(empty.err.find("no country file"), std::string::npos) << empty.err;
    ProcessResult badCountry = Run({"validate", install + "/database", "--country", "207"});
    EXPECT_NE(badCountry.exitCode, 0);
    EXPECT_NE(badCountry.err.find("no country 207"), std::string::npos) << badCountry.err;
}

// The benchmark world: at least sixty complete countries, every country file under the 5 MiB a
// country file may have.
TEST_F(TalloDbTool, FullSampleHasSixtyCompleteCountriesInFilesUnderTheLimit) {
#if defined(__SANITIZE_ADDRESS__)
    // A minute under the sanitizers for what the debug build's run checks in a fraction of
    // that; the same code makes and reads the small sample in the sanitized run.
    GTEST_SKIP() << "the full sample is checked by the debug build";
#endif
    TempDir dir;
    const std::string install = dir / "game";
    ProcessResult sample = Run({"sample", install, "--scale", "full", "--seed", "3"});
    ASSERT_EQ(sample.exitCode, 0) << sample.err;
    ProcessResult info = Run({"info", install + "/database"});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    EXPECT_GE(Count(info.out, "Complete countries"), 60);
    EXPECT_EQ(Count(info.out, "Countries with clubs"), 206);
    EXPECT_EQ(Count(info.out, "International competitions"), 55);
    for (int number = 1; number <= 206; ++number) {
        const std::string file = install + "/database/Country" + std::to_string(number) + ".sav";
        EXPECT_LT(std::filesystem::file_size(file), 5u * 1024 * 1024) << file;
    }
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
    EXPECT_EQ(Count(info.out, "Clubs"), 73);
}

TEST_F(TalloDbTool, WithoutArgumentsShowsTheSubcommands) {
    ProcessResult overview = Run({});
    EXPECT_EQ(overview.exitCode, 0) << overview.err;
    for (const char* command : {"info", "resave", "sample", "validate"}) {
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

    // A sample is written over an earlier sample, never over a folder it did not write.
    EXPECT_EQ(Run({"sample", install, "--seed", "2"}).exitCode, 0);
    test::WriteFile(dir / "real/badges/mine.tga", "a user's picture");
    ProcessResult foreign = Run({"sample", dir / "real"});
    EXPECT_NE(foreign.exitCode, 0);
    EXPECT_NE(foreign.err.find("no earlier sample wrote"), std::string::npos) << foreign.err;
    EXPECT_EQ(test::ReadFile(dir / "real/badges/mine.tga"), "a user's picture");
}

} // namespace
} // namespace tallo
