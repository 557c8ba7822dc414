#include "app/load_preparation.h"

#include <gtest/gtest.h>

#include <memory>

#include "support/temp_dir.h"
#include "world/country.h"
#include "world/game_date.h"
#include "world/stadium_list.h"
#include "world/world.h"

namespace tallo {
namespace {

using test::TempDir;

TEST(LoadPreparation, ReadsCountryListAndStadiumModelsOfTheInstallation) {
    TempDir install;
    test::WriteFile(
        install / "database/countries.sav",
        "Ostland,Eastland\r\nOST\r\n0\r\n7\r\n3\r\n12\r\nSur\r\nSUR\r\n1\r\n31\r\n0\r\n4\r\n");
    // A record file without sections: the count, then name, number and flag of each model.
    test::WriteFile(install / "database/eng/StadiumList.txt",
                    "2\r\nBowl\r\n4\r\n0\r\nKessel\r\n2\r\n1\r\n");
    SetCurrentGameDate(GameDate::FromDate(2010, 1, 1));

    auto world = std::make_unique<CWorld>();
    const LoadPreparation prepared = PrepareForLoad(*world, install.Path());
    EXPECT_TRUE(prepared.countryListRead);
    EXPECT_EQ(prepared.countryListPath, install / "database/countries.sav");
    EXPECT_TRUE(prepared.stadiumListRead);
    EXPECT_EQ(prepared.stadiumModels, 2u);
    EXPECT_EQ(GlobalStadiumList().Entries()[1].name, "Kessel");
    EXPECT_TRUE(GlobalStadiumList().Entries()[1].flag);
    // Ages are counted from the game's first day again.
    EXPECT_EQ(CurrentGameDate(), GameDate::FromDate(2003, 7, 6));

    const CCountry& first = *world->GetCountry(1);
    EXPECT_EQ(first.Name(0), "Ostland");
    EXPECT_EQ(first.Name(1), "Eastland");
    EXPECT_EQ(first.languages[0], 7);
    EXPECT_EQ(world->GetCountry(2)->continent, 1u);
    EXPECT_NE(world->GetCountry(206)->NationalTeam(), nullptr);
}

TEST(LoadPreparation, MissingFilesLeaveEmptyTablesAndSaySo) {
    TempDir install;
    auto world = std::make_unique<CWorld>();
    const LoadPreparation prepared = PrepareForLoad(*world, install.Path());
    EXPECT_FALSE(prepared.countryListRead);
    EXPECT_FALSE(prepared.stadiumListRead);
    EXPECT_EQ(prepared.stadiumModels, 0u);
    EXPECT_EQ(GlobalStadiumList().Count(), 0u);
    // The countries exist all the same, with their national teams, as in the editor.
    EXPECT_TRUE(world->IsLoaded());
    EXPECT_TRUE(world->GetCountry(1)->Name(0).empty());
    EXPECT_NE(world->GetCountry(1)->NationalTeam(), nullptr);
    EXPECT_EQ(GameDatabaseFolder("/games/x/"), "/games/x/database");
    EXPECT_EQ(GameDatabaseFolder("/games/x"), "/games/x/database");
}

} // namespace
} // namespace tallo
