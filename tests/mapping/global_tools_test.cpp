#include "mapping/global_tools.h"

#include "assets/big_writer.h"
#include "formats/per_language_tables.h"
#include "mapping_test_support.h"
#include "platform/path_resolver.h"
#include "platform/scripted_prompt.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace tallo {
namespace {

using test::AddClub;
using test::AddPlayer;
using test::MappingFixture;

// An installation folder with the ID tables, the name files, a badge folder and a badge
// archive.
class GlobalToolsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CreateFolders(dir_ / "database"));
        for (const char* name : {"ZELO_PlayerIDs.txt", "ZELO2003_StarHeads.txt", "ZELO_ClubIDs.txt",
                                 "MaleNames.txt", "FemaleNames.txt", "Surnames.txt"}) {
            test::WriteFile(dir_ / (std::string("database/") + name), MappingFixture(name));
        }
        // Sizes 180 and 74 of the badge on disk, 48 and 14 in the archive.
        ASSERT_TRUE(CreateFolders(dir_ / "badges/Ger/Badge180"));
        ASSERT_TRUE(CreateFolders(dir_ / "badges/Ger/Badge74"));
        test::WriteFile(dir_ / "badges/Ger/Badge180/club.tga", "tga");
        test::WriteFile(dir_ / "badges/Ger/Badge74/club.tga", "tga");
        BigWriter writer;
        ASSERT_TRUE(writer.AddEntry("Badges\\Ger\\Badge48\\club.tga", "tga"));
        ASSERT_TRUE(writer.AddEntry("Badges\\Ger\\Badge14\\club.tga", "tga"));
        ASSERT_TRUE(writer.Write(dir_ / "badges.big"));
    }

    test::TempDir dir_;
    CGlobalTools tools_;
};

TEST_F(GlobalToolsTest, StartLoadsEveryTableOfTheInstallation) {
    EXPECT_FALSE(tools_.IsInitialised());
    EXPECT_TRUE(tools_.Start(dir_.Path()));
    EXPECT_TRUE(tools_.IsInitialised());
    EXPECT_EQ(tools_.PlayerMapping().Records().size(), 9u);
    EXPECT_EQ(tools_.PlayerMapping().Path(), dir_ / "database/ZELO_PlayerIDs.txt");
    EXPECT_EQ(tools_.StarHeads().Records().size(), 7u);
    EXPECT_EQ(tools_.ClubMapping().Records().size(), 10u);
    EXPECT_EQ(tools_.NameLists().Count(CNameLists::kMaleNames), 4u);
    ASSERT_TRUE(tools_.BadgeArchive().IsOpen());
    EXPECT_EQ(tools_.BadgeArchive().GetCount(), 2);

    // A badge with two sizes on disk and two in the archive passes the check; one missing a
    // size does not.
    EXPECT_TRUE(tools_.CheckBadge("Ger\\Badge180\\club.tga"));
    EXPECT_TRUE(tools_.CheckBadge("GER\\BADGE180\\CLUB.TGA"));
    EXPECT_FALSE(tools_.CheckBadge("Ger\\Badge180\\other.tga"));

    tools_.Stop();
    EXPECT_FALSE(tools_.IsInitialised());
    EXPECT_TRUE(tools_.PlayerMapping().Empty());
    EXPECT_TRUE(tools_.StarHeads().Empty());
    EXPECT_TRUE(tools_.ClubMapping().Records().empty());
    EXPECT_FALSE(tools_.BadgeArchive().IsOpen());
    EXPECT_EQ(tools_.NameLists().Count(CNameLists::kMaleNames), 0u);
}

TEST_F(GlobalToolsTest, MissingFilesLeaveEmptyTablesAndTheNameListsGiveTheResult) {
    ASSERT_EQ(std::remove((dir_ / "database/Surnames.txt").c_str()), 0);
    ASSERT_EQ(std::remove((dir_ / "database/ZELO_ClubIDs.txt").c_str()), 0);
    ASSERT_EQ(std::remove((dir_ / "badges.big").c_str()), 0);
    ScriptedPrompt prompt;
    EXPECT_FALSE(tools_.Start(dir_.Path(), &prompt));
    EXPECT_TRUE(tools_.IsInitialised());
    EXPECT_TRUE(tools_.ClubMapping().Records().empty());
    EXPECT_EQ(tools_.PlayerMapping().Records().size(), 9u);
    EXPECT_FALSE(tools_.BadgeArchive().IsOpen());
    // The archive that could not be opened was reported once.
    EXPECT_EQ(prompt.Calls().size(), 1u);
    // Without the archive only the disk copies count.
    EXPECT_FALSE(tools_.CheckBadge("Ger\\Badge180\\club.tga"));

    // Without missing name files the start succeeds.
    test::WriteFile(dir_ / "database/Surnames.txt", "Smith\n");
    EXPECT_TRUE(tools_.Start(dir_.Path()));
    EXPECT_EQ(tools_.NameLists().Names(CNameLists::kSurnames, 1).size(), 1u);
}

TEST_F(GlobalToolsTest, InstalledLookupsAnswerFromTheTables) {
    ASSERT_TRUE(tools_.Start(dir_.Path()));
    PerLanguageTables tables;
    ASSERT_TRUE(CreateFolders(dir_ / "database/eng"));
    test::WriteFile(dir_ / "database/eng/faceIDs.txt", MappingFixture("faceIDs.txt"));
    test::WriteFile(dir_ / "database/eng/TeamColour.txt",
                    "2\r\n4\r\nReal,7\r\n9\r\nBlue Stars,3\r\n");
    tables.Load(dir_ / "database", "eng");

    auto world = test::MakeWorld();
    CClub* club = AddClub(*world, 1, "Club");
    CPlayer* raul = AddPlayer(*world, *club, "raul", "GONZALEZ");
    CPlayer* nobody = AddPlayer(*world, *club, "No", "Body");
    // Before the installation the world answers neutrally.
    EXPECT_EQ(world->LookUpMappedId(*raul), std::nullopt);
    EXPECT_TRUE(world->IsSpecialFace(999));

    tools_.InstallLookups(*world, tables);
    EXPECT_EQ(world->LookUpMappedId(*raul), 101u);
    EXPECT_EQ(world->LookUpMappedId(*nobody), 0u);
    EXPECT_EQ(world->FindSpecialFace("fernando HIERRO"), 12);
    EXPECT_EQ(world->FindSpecialFace("Nobody Else"), 0);
    EXPECT_EQ(world->FindSpecialFace(""), 0);
    EXPECT_TRUE(world->IsSpecialFace(14));
    EXPECT_TRUE(world->IsSpecialFace(0));
    EXPECT_FALSE(world->IsSpecialFace(15));
    uint16_t entry = 0;
    ASSERT_TRUE(world->Lookups().teamColour);
    EXPECT_TRUE(world->Lookups().teamColour("Blue Stars", entry));
    EXPECT_EQ(entry, 9);
    EXPECT_FALSE(world->Lookups().teamColour("Green Stars", entry));

    // With the player table emptied the mapped IDs are no longer looked up.
    tools_.Stop();
    EXPECT_EQ(world->LookUpMappedId(*raul), std::nullopt);
}

TEST_F(GlobalToolsTest, MappingsRunThroughTheToolObject) {
    ASSERT_TRUE(tools_.Start(dir_.Path()));
    auto world = test::MakeWorld();
    CClub* club = AddClub(*world, 1, "Club A");
    CPlayer* raul = AddPlayer(*world, *club, "Raul", "Gonzalez");
    EXPECT_EQ(tools_.MapClubIds(*world, "", false).success, 1);
    EXPECT_EQ(club->ColourEntry(), 345);
    EXPECT_EQ(tools_.MapPlayerIds(*world, "", false).success, 1);
    EXPECT_EQ(raul->MappedId(), 101u);
    EXPECT_EQ(tools_.MapConsoleFaces(*world, "").found, 1);
    EXPECT_EQ(raul->SpecialFace(), 501);
    EXPECT_EQ(tools_.ConsoleFace(*raul), 501);
    EXPECT_EQ(tools_.UpdateNicknames(*world, 1, "").updated, 1);
    EXPECT_EQ(raul->Nickname(), "Raul");
}

} // namespace
} // namespace tallo
