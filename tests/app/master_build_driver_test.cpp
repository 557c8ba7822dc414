#include "app/master_build_driver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>

#include "competitions/cup_alloc.h"
#include "competitions/tree_test_support.h"
#include "gamedb/master_reader.h"
#include "formats/string_table.h"
#include "platform/progress.h"
#include "platform/scripted_prompt.h"
#include "support/temp_dir.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {
namespace {

class TrimTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteTestCountryList(dir_.Path() + "/countries.sav");
        world_.LoadCountryList(dir_.Path() + "/countries.sav");
        for (int i = 1; i <= 150; ++i) {
            Country().CreateClub("Club " + std::to_string(i));
        }
    }

    CCountry& Country() { return *world_.GetCountry(kTrimmedCountry); }
    CDBLeagueBase& League(uint32_t number, std::initializer_list<int> clubs) {
        CDBLeagueBase& league = *test::TreeOf(world_, kTrimmedCountry).CreateLeague(number);
        league.SetSize(100);
        for (int club : clubs) {
            league.AddTeam(ClubId::Make(kTrimmedCountry, static_cast<uint32_t>(club)));
        }
        return league;
    }
    void AddRange(CDBLeagueBase& league, int first, int last) {
        for (int club = first; club <= last; ++club) {
            ASSERT_TRUE(league.AddTeam(ClubId::Make(kTrimmedCountry, static_cast<uint32_t>(club))));
        }
    }
    bool Has(int club) {
        return Country().FindClub(ClubId::Make(kTrimmedCountry, club)) != nullptr;
    }

    test::CompetitionScope scope_;
    test::TempDir dir_;
    CWorld world_;
    ScriptedPrompt prompt_;
};

TEST_F(TrimTest, RemovesClubsThatPlayNowhereLowestNumbersFirstDownToAHundred) {
    CDBLeagueBase& league = League(0, {});
    for (int club = 2; club <= 40; club += 2) {
        league.AddTeam(ClubId::Make(kTrimmedCountry, static_cast<uint32_t>(club)));
    }
    size_t removed = 0;
    EXPECT_EQ(TrimCountryClubs(Country(), kTrimClubLimit, prompt_, removed), TrimOutcome::Trimmed);
    // 151 clubs with the national team: the 20 odd numbers below 40, then 41 to 71.
    EXPECT_EQ(removed, 51u);
    EXPECT_EQ(Country().GetClubCount(), 100u);
    EXPECT_TRUE(Has(2));
    EXPECT_TRUE(Has(40));
    EXPECT_FALSE(Has(1));
    EXPECT_FALSE(Has(39));
    EXPECT_FALSE(Has(71));
    EXPECT_TRUE(Has(72));
    EXPECT_TRUE(Has(150));
    EXPECT_NE(Country().NationalTeam(), nullptr);
    EXPECT_EQ(prompt_.Calls().size(), 0u);
}

TEST_F(TrimTest, AHundredTeamEntriesTrimAndOneMoreStopsWithTheMessage) {
    CDBLeagueBase& first = League(0, {});
    AddRange(first, 1, 60);
    CDBLeagueBase& second = League(1, {});
    AddRange(second, 21, 60); // the same clubs again: entries, not clubs, are counted
    size_t removed = 0;
    EXPECT_EQ(TrimCountryClubs(Country(), kTrimClubLimit, prompt_, removed), TrimOutcome::Trimmed);
    EXPECT_EQ(Country().GetClubCount(), 100u);
    EXPECT_TRUE(Has(60));
    EXPECT_FALSE(Has(61));

    second.AddTeam(ClubId::Make(kTrimmedCountry, 20));
    const size_t before = Country().GetClubCount();
    EXPECT_EQ(TrimCountryClubs(Country(), 99, prompt_, removed), TrimOutcome::TooManyTeams);
    EXPECT_EQ(removed, 0u);
    EXPECT_EQ(Country().GetClubCount(), before);
    ASSERT_EQ(prompt_.CountOf(PromptCall::Kind::Message), 1u);
    EXPECT_EQ(prompt_.Calls()[0].text,
              "To many Teams used in current competition structure, please remove some leagues!");
}

TEST_F(TrimTest, ClubNumbersOfAThousandAndMoreAreHandledLikeAnyOther) {
    ASSERT_TRUE(Country().AddClub(std::make_unique<CClub>(), 1500));
    ASSERT_TRUE(Country().AddClub(std::make_unique<CClub>(), 65000));
    League(0, {1500, 3});
    size_t removed = 0;
    EXPECT_EQ(TrimCountryClubs(Country(), kTrimClubLimit, prompt_, removed), TrimOutcome::Trimmed);
    EXPECT_EQ(Country().GetClubCount(), 100u);
    EXPECT_TRUE(Has(1500));
    EXPECT_TRUE(Has(3));
    EXPECT_FALSE(Has(1));
    EXPECT_TRUE(Has(65000)); // the highest number is the last to go
}

// A script folder whose CupAlloc.txt holds the schemes of the test trees.
void WriteTestCupAlloc(const std::string& scriptFolder) {
    CupAllocFile data;
    for (const auto& [number, rounds] : test::TestSchemes()) {
        CupSchemeDefinition definition;
        for (const CupSchemeRound& round : rounds) {
            CupSchemeRow row;
            row.flags = round.flags;
            row.kind = round.kind;
            definition.rows.push_back(row);
        }
        definition.rows[0].b = static_cast<int32_t>(rounds.size());
        data.schemes[static_cast<int32_t>(number)] = definition;
        data.highest = std::max(data.highest, static_cast<int32_t>(number));
    }
    std::filesystem::create_directories(scriptFolder);
    ASSERT_TRUE(WriteCupAllocFile(scriptFolder + "/CupAlloc.txt", data));
}

TEST(RunMasterBuildAt, LoadsTheInstallationsDatabaseAndBuildsIt) {
    test::TempDir dir;
    const std::string database = dir.Path() + "/database";
    {
        test::CompetitionScope scope;
        test::WriteTestCountryList(database + "/countries.sav");
        CWorld world;
        world.LoadCountryList(database + "/countries.sav");
        test::BuildFullCountry(world, 3);
        world.SetDatabaseFolder(database);
        ASSERT_TRUE(world.SaveAll(nullptr));
    }
    WriteTestCupAlloc(dir.Path() + "/script");

    MasterBuildRun run;
    run.installFolder = dir.Path();
    run.language = 1;
    ScriptedPrompt prompt;
    std::ostringstream out;
    std::ostringstream err;
    const MasterBuildReport report = RunMasterBuildAt(run, prompt, out, err);
    SetCompetitionTreeFactory(nullptr);

    EXPECT_TRUE(report.countryListRead);
    EXPECT_TRUE(report.worldLoaded);
    EXPECT_EQ(report.trim, TrimOutcome::NotAsked);
    EXPECT_EQ(report.build.completeCountries, std::vector<int>{3}) << err.str();
    // The build writes the file when the program has the country record writer, and refuses
    // to write one without it.
    const bool haveWriter = static_cast<bool>(DefaultCountryRecordWriter());
    EXPECT_EQ(report.build.Written(), haveWriter) << report.build.message;
    EXPECT_EQ(std::filesystem::exists(database + "/Master.dat"), haveWriter);
    if (haveWriter) {
        const std::string bytes = test::ReadFile(database + "/Master.dat");
        EXPECT_EQ(bytes.size(), report.build.size);
        test::MasterFile file;
        std::string error;
        ASSERT_TRUE(test::ReadMasterFile(bytes, false, file, error)) << error;
        EXPECT_EQ(file.sizeField, bytes.size());
        EXPECT_EQ(file.headers[2].leagues, 2);
        EXPECT_EQ(file.headers[3].leagues, 0);
        EXPECT_GT(bytes.size(), file.countriesOffset + 206 * 4);
    }
}

TEST(RunMasterBuildAt, AnInstallationWithoutCompleteCountriesSaysSo) {
    test::TempDir dir;
    test::WriteTestCountryList(dir.Path() + "/database/countries.sav");
    MasterBuildRun run;
    run.installFolder = dir.Path();
    run.optionBits = MasterOption::kConsole | MasterOption::kTrim;
    ScriptedPrompt prompt;
    std::ostringstream out;
    std::ostringstream err;
    const MasterBuildReport report = RunMasterBuildAt(run, prompt, out, err);
    SetCompetitionTreeFactory(nullptr);
    EXPECT_TRUE(report.countryListRead);
    EXPECT_FALSE(report.worldLoaded);
    EXPECT_EQ(report.trim, TrimOutcome::Trimmed);
    EXPECT_FALSE(report.build.Written());
    EXPECT_EQ(out.str(), "No completed countries\n");
    EXPECT_FALSE(std::filesystem::exists(dir.Path() + "/database/Master0.dat"));
}

} // namespace
} // namespace tallo

namespace tallo {
namespace {

TEST(MasterBuildWork, TheInteractiveWriteRunsOnTheWorkerAndWritesIntoTheDatabaseFolder) {
    test::CompetitionScope scope;
    test::TempDir dir;
    test::WriteTestCountryList(dir.Path() + "/database/countries.sav");
    CWorld world;
    world.LoadCountryList(dir.Path() + "/database/countries.sav");
    test::BuildFullCountry(world, 3);

    MasterBuildRequest where;
    where.rootFolder = dir.Path();
    where.databaseFolder = dir.Path() + "/elsewhere";
    ScriptedPrompt prompt(true);
    MasterBuildResult result;
    CLongtimeWriteDB operation(
        2, 0, false, MasterBuildWork(world, where, {}, &prompt, nullptr, nullptr, &result));
    struct Display : IProgress {
        void SetRange(int32_t, int32_t) override {}
        void SetPosition(int32_t) override {}
        void SetTitle(const std::string&) override {}
        void SetDescription(const std::string&) override {}
        void SetStatus(const std::string&) override {}
        void EnableCancel(bool) override {}
        bool IsCancelled() const override { return false; }
    } display;
    EXPECT_EQ(operation.Start(display), LongtimeResult::Completed);
    EXPECT_TRUE(result.Written()) << result.message;
    EXPECT_EQ(result.path, dir.Path() + "/database/Master.dat");
    EXPECT_TRUE(std::filesystem::exists(result.path));
    EXPECT_EQ(world.Language(), 2);
    // The list of complete countries was confirmed, and the saved message shown.
    EXPECT_EQ(prompt.CountOf(PromptCall::Kind::YesNo), 1u);
    EXPECT_EQ(prompt.CountOf(PromptCall::Kind::Message), 1u);
    EXPECT_EQ(operation.Title(), LoadString(833));

    // Declined: the operation fails and nothing is written.
    std::filesystem::remove(result.path);
    ScriptedPrompt no(false);
    CLongtimeWriteDB declined(2, 0, false,
                              MasterBuildWork(world, where, {}, &no, nullptr, nullptr, &result));
    EXPECT_EQ(declined.Start(display), LongtimeResult::Failed);
    EXPECT_EQ(result.status, MasterBuildStatus::Declined);
    EXPECT_FALSE(std::filesystem::exists(result.path));
}

} // namespace
} // namespace tallo
