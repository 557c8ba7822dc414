#include "app/load_preparation.h"

#include <gtest/gtest.h>

#include <memory>

#include "app/world_internationals.h"
#include "competitions/competition_id.h"
#include "competitions/competition_keywords.h"
#include "competitions/competition_tree.h"
#include "competitions/cup_alloc.h"
#include "competitions/db_cup.h"
#include "competitions/international_competitions.h"
#include "competitions/international_definitions.h"
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
    std::string countries =
        "Ostland,Eastland\r\nOST\r\n0\r\n7\r\n3\r\n12\r\nSur\r\nSUR\r\n1\r\n31\r\n0\r\n4\r\n";
    for (int n = 3; n <= CWorld::kCountryCount; ++n) {
        countries += "\r\n\r\n0\r\n0\r\n0\r\n0\r\n";
    }
    test::WriteFile(install / "database/countries.sav", countries);
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

// An installation whose script folder holds the cup schemes and the international definition
// files of the competition fixtures.
void WriteScriptFolder(const TempDir& install) {
    test::WriteFile(install / "script/CupAlloc.txt",
                    test::ReadFile(test::FixturePath("cup_alloc/CupAlloc.txt")));
    for (const InternationalDefinitionFileInfo& info : InternationalDefinitionFiles()) {
        const std::string name(info.fileName);
        test::WriteFile(install / ("script/" + name),
                        test::ReadFile(test::FixturePath("international/" + name)));
    }
}

TEST(LoadPreparation, CompetitionTreesAndCupSchemesComeBeforeTheWorld) {
    TempDir install;
    test::WriteFile(install / "database/countries.sav", "Ostland\r\nOST\r\n0\r\n7\r\n0\r\n1\r\n");
    WriteScriptFolder(install);
    SetCompetitionTreeFactory({});
    CupSchemes().Clear();

    auto world = std::make_unique<CWorld>();
    const LoadPreparation prepared = PrepareForLoad(*world, install.Path());
    EXPECT_TRUE(prepared.cupSchemesRead);
    EXPECT_EQ(prepared.cupSchemesPath, install / "script/CupAlloc.txt");
    EXPECT_EQ(prepared.highestCupScheme, 5);
    EXPECT_EQ(ScriptFolder(install.Path()), install / "script");
    // Scheme 1 of the fixture: three rounds, the semi-final over two legs, the final with a
    // replay: five matchdays.
    ASSERT_TRUE(CupSchemes().Scheme(1).has_value());
    EXPECT_EQ(CupSchemes().Scheme(1)->RequiredMatchdays(), 5);

    // The country list gave every country its tree with a national cup of scheme 1, whose
    // rounds come from the schemes just read.
    CCompetitionTree* tree = CompetitionTreeOf(*world->GetCountry(1));
    ASSERT_NE(tree, nullptr);
    auto* cup = dynamic_cast<CDBCup*>(tree->FindOwn(CompetitionKind::kFaCup, 0));
    ASSERT_NE(cup, nullptr);
    EXPECT_EQ(cup->Scheme(), 1u);
    EXPECT_EQ(cup->RequiredMatchdays(), 5);
    EXPECT_NE(CompetitionTreeOf(*world->GetCountry(206)), nullptr);
}

TEST(LoadPreparation, InternationalCompetitionsAreKeptBesideTheirWorld) {
    TempDir install;
    test::WriteFile(install / "database/countries.sav", "Ostland\r\nOST\r\n0\r\n7\r\n0\r\n1\r\n");
    WriteScriptFolder(install);
    auto world = std::make_unique<CWorld>();
    LoadPreparation prepared = PrepareForLoad(*world, install.Path());
    const uint32_t root = CompetitionId::kInternationalRoot;
    const uint32_t uefaCup = CompetitionId::Make(250, CompetitionKind::kUefaCup, 0);
    {
        WorldInternationals holder;
        // The fixtures hold eleven nodes in the five files.
        EXPECT_EQ(LoadInternationalCompetitions(*world, install.Path(), holder, prepared), 11);
        EXPECT_EQ(prepared.internationalNodes, 11);
        // What the loader put right is passed on, named by its file.
        ASSERT_FALSE(prepared.internationalNotes.empty());
        EXPECT_EQ(prepared.internationalNotes.front(), "EuropeanCup.txt: section EURO2 is missing");
        EXPECT_EQ(holder.World(), world.get());
        ASSERT_NE(InternationalCompetitionsOf(*world), nullptr);
        EXPECT_EQ(InternationalCompetitionsOf(*world), holder.Competitions());
        EXPECT_NE(world->FindCompetition(root), nullptr);
        // A cup of the definitions takes its rounds from the loaded schemes: four matchdays.
        auto* cup = dynamic_cast<CDBCup*>(world->FindCompetition(uefaCup));
        ASSERT_NE(cup, nullptr);
        EXPECT_EQ(cup->LastMatchdayBefore(CDBCompetition::kSeasonDays), 4);

        // A second holder for the same world is refused and changes nothing.
        WorldInternationals second;
        LoadPreparation again;
        EXPECT_EQ(LoadInternationalCompetitions(*world, install.Path(), second, again), -1);
        EXPECT_EQ(again.internationalNotes.size(), 1u);
        EXPECT_EQ(second.Competitions(), nullptr);
        EXPECT_EQ(InternationalCompetitionsOf(*world), holder.Competitions());

        // Loading again replaces what the holder kept.
        EXPECT_EQ(LoadInternationalCompetitions(*world, install.Path(), holder, prepared), 11);
        EXPECT_NE(world->FindCompetition(uefaCup), nullptr);
    }
    // The holder is gone: its nodes left the world's index, and the world is still whole.
    EXPECT_EQ(world->FindCompetition(root), nullptr);
    EXPECT_EQ(world->FindCompetition(uefaCup), nullptr);
    EXPECT_EQ(InternationalCompetitionsOf(*world), nullptr);
    EXPECT_NE(CompetitionTreeOf(*world->GetCountry(1)), nullptr);
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
    // No script folder: no cup schemes, and no international competitions.
    EXPECT_FALSE(prepared.cupSchemesRead);
    EXPECT_EQ(prepared.highestCupScheme, 0);
    EXPECT_EQ(CupSchemes().Highest(), 0);
    WorldInternationals holder;
    LoadPreparation later;
    EXPECT_EQ(LoadInternationalCompetitions(*world, install.Path(), holder, later), 0);
    EXPECT_EQ(GameDatabaseFolder("/games/x/"), "/games/x/database");
    EXPECT_EQ(GameDatabaseFolder("/games/x"), "/games/x/database");
}

} // namespace
} // namespace tallo
