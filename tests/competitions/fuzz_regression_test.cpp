// Inputs the country file target of fuzz/ once failed on, kept in tests/fixtures/fuzz/
// country_file/ and checked the way the target checks them: the file loaded into a world made
// from a country list, with the competition trees and the cup schemes of
// tests/fixtures/cup_alloc installed, saved, loaded again and saved again.

#include "competitions/competition_tree.h"
#include "competitions/cup_alloc.h"
#include "competitions/install_competition_trees.h"
#include "competitions/qualification_program.h"
#include "competitions/scheme_services.h"
#include "formats/kl_file.h"
#include "world/country.h"
#include "world/country_competition_tree.h"
#include "world/world.h"

#include "competitions/tree_test_support.h"
#include "support/record_text.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace tallo {
namespace {

using test::FixturePath;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

class CountryFileFuzzRegressionTest : public testing::Test {
protected:
    void SetUp() override {
        InstallCompetitionTrees();
        InstallCupSchemeServices();
        ProgramTable().Clear();
        ASSERT_TRUE(LoadCupSchemes(FixturePath("cup_alloc")));
        test::WriteTestCountryList(dir_ / "countries.sav");
    }
    void TearDown() override {
        SetCupSchemeServices({});
        SetCompetitionTreeFactory(nullptr);
        CupSchemes().Clear();
        ProgramTable().Clear();
    }

    // Loads `bytes` as the country's file of a database folder of its own and saves the
    // country.
    std::string LoadAndSave(const std::string& bytes, int number) {
        const std::string folder = dir_ / ("db" + std::to_string(++loads_));
        WriteFile(folder + "/Country" + std::to_string(number) + ".sav", bytes);
        CWorld world;
        world.LoadCountryList(dir_ / "countries.sav");
        EXPECT_TRUE(world.LoadAll(folder));
        return test::TextWrittenBy([&](CKLFile& file) { world.GetCountry(number)->Save(file); });
    }

    TempDir dir_;
    int loads_ = 0;
};

// The input names club 1 of country 1 in its first league, but the club section is damaged and
// the club never loads. The league keeps the team (its fault report names it as no club of
// the world); the save writes a club that is gone as team 0, and the next load leaves team 0
// out. From the second save on, the file stays as it is.
TEST_F(CountryFileFuzzRegressionTest, ALeagueTeamThatIsNoClubIsSavedAsZeroAndThenLeftOut) {
    std::string input = ReadFile(FixturePath("fuzz/country_file/league_team_no_club"));
    ASSERT_FALSE(input.empty());
    const int number = 1 + static_cast<uint8_t>(input.back()) % CWorld::kCountryCount;
    input.pop_back();
    ASSERT_EQ(number, 1);

    const std::string first = LoadAndSave(input, number);
    EXPECT_NE(first.find("%INDEX%TEAMS\r\n0\r\n%INDEXEND%TEAMS"), std::string::npos);
    const std::string second = LoadAndSave(first, number);
    EXPECT_NE(second.find("%INDEX%TEAMS\r\n\r\n%INDEXEND%TEAMS"), std::string::npos);
    EXPECT_EQ(LoadAndSave(second, number), second);
}

} // namespace
} // namespace tallo
