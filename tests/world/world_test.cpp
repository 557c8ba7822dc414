#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include "formats/string_table.h"
#include "platform/scripted_prompt.h"
#include "world/club.h"
#include "world/country.h"
#include "world/file_version.h"
#include "world/player.h"
#include "world/world.h"
#include "world/world_test_support.h"

namespace tallo {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> DatabaseFiles() {
    std::vector<std::string> names;
    for (int n = 1; n <= CWorld::kCountryCount; ++n) {
        names.push_back("Country" + std::to_string(n) + ".sav");
    }
    names.push_back("Rules.sav");
    names.push_back("Without.sav");
    return names;
}

class WorldTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteCountryList(dir_ / "countries.sav");
        for (const char* folder : {"a", "b", "c"}) {
            fs::create_directory(dir_ / folder);
        }
    }

    // A world fresh from the country list.
    std::unique_ptr<CWorld> NewWorld() {
        auto world = std::make_unique<CWorld>();
        EXPECT_TRUE(world->LoadCountryList(dir_ / "countries.sav"));
        return world;
    }

    // Saves the small world into `folder` and checks that the save reported nothing.
    void SaveInto(CWorld& world, const std::string& folder) {
        ScriptedPrompt prompt;
        world.SetDatabaseFolder(folder);
        EXPECT_TRUE(world.SaveAll(&prompt));
        EXPECT_TRUE(prompt.Calls().empty());
    }

    void ExpectSameFiles(const std::string& first, const std::string& second) {
        for (const std::string& name : DatabaseFiles()) {
            SCOPED_TRACE(name);
            std::string bytes = test::ReadFile(first + "/" + name);
            EXPECT_FALSE(bytes.empty());
            EXPECT_EQ(bytes, test::ReadFile(second + "/" + name));
        }
    }

    test::FakeTreeFactoryScope trees_;
    test::TempDir dir_;
};

TEST_F(WorldTest, CountryListGivesNamesCodesAndANationalTeamToEveryCountry) {
    std::string list = "Alpha\r\nAL\r\n4\r\n12\r\n3\r\n9\r\n"
                       ",,Beta,,Bêta,B3,B4,B5,B6,B7,B8\nBETA,BT\n1\n2\n3\n4\n";
    for (int n = 3; n <= CWorld::kCountryCount; ++n) {
        list += "\n\n0\n0\n0\n0\n"; // no names, no codes
    }
    test::WriteFile(dir_ / "list.sav", list);
    CWorld world;
    EXPECT_TRUE(world.LoadCountryList(dir_ / "list.sav"));
    EXPECT_TRUE(world.IsLoaded());
    CCountry& first = *world.GetCountry(1);
    for (int slot = 0; slot < 5; ++slot) {
        EXPECT_EQ(first.Name(slot), "Alpha");
        EXPECT_EQ(first.Abbreviation(slot), "AL");
    }
    EXPECT_EQ(first.continent, 4u);
    EXPECT_EQ(first.languages[0], 12);
    EXPECT_EQ(first.mainLanguage, 12);
    EXPECT_EQ(first.languages[1], 3);
    EXPECT_EQ(first.worldValueG, 9);
    EXPECT_EQ(first.nationalCupMode, 1u);
    EXPECT_EQ(test::FakeTreeOf(first)->cup, "Cup");

    CCountry& second = *world.GetCountry(2);
    EXPECT_EQ(second.Name(0), "Beta");
    EXPECT_EQ(second.Name(1), "Bêta");
    EXPECT_EQ(second.Name(4), "B5");
    EXPECT_EQ(second.Abbreviation(0), "BET"); // three characters at most
    EXPECT_EQ(second.Abbreviation(1), "BT");

    CClub* team = first.NationalTeam();
    ASSERT_NE(team, nullptr);
    EXPECT_EQ(team->Id(), 0x1FFFFu);
    EXPECT_EQ(team->Name(3), "Alpha");
    EXPECT_EQ(team->ShortName(0), "AL");
    // Countries without names still get a national team.
    EXPECT_EQ(world.GetCountry(206)->Name(0), "");
    EXPECT_NE(world.GetCountry(206)->NationalTeam(), nullptr);
    EXPECT_EQ(world.GetCountry(207), nullptr);
    EXPECT_EQ(world.GetCountry(-1), nullptr);

    CWorld missing;
    EXPECT_FALSE(missing.LoadCountryList(dir_ / "none.sav"));
    EXPECT_EQ(missing.CountryListError(), dir_ / "none.sav" + ": cannot be read: does not exist");
    EXPECT_TRUE(missing.IsLoaded());
    EXPECT_NE(missing.GetCountry(100)->NationalTeam(), nullptr);
    EXPECT_EQ(missing.GetCountry(100)->nationalCupMode, 1u);
}

TEST_F(WorldTest, ADamagedCountryListIsRefusedAndGivesNoNames) {
    // A list that ends early, random bytes, a word where a number belongs: refused with the
    // line, and no country takes a name from it.
    std::string noisy(5000, '\0');
    for (size_t i = 0; i < noisy.size(); ++i) {
        noisy[i] = static_cast<char>((i * 7919u + 13u) % 251u);
    }
    std::string wordForNumber = test::CountryListText();
    wordForNumber.replace(wordForNumber.find("\r\n1\r\n") + 2, 1, "x");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Alpha\r\nAL\r\n4\r\n12\r\n3\r\n9\r\n", ":7: the list ends after 6 lines"},
        {noisy, "list.sav:"},
        {wordForNumber, ":3: a number was expected (country 1)"},
    };
    for (const auto& [text, problem] : cases) {
        test::WriteFile(dir_ / "list.sav", text);
        CWorld world;
        EXPECT_FALSE(world.LoadCountryList(dir_ / "list.sav"));
        EXPECT_NE(world.CountryListError().find(problem), std::string::npos)
            << world.CountryListError();
        EXPECT_EQ(world.GetCountry(1)->Name(0), "");
        EXPECT_NE(world.GetCountry(1)->NationalTeam(), nullptr);
    }
}

TEST_F(WorldTest, SavedWorldLoadsAndSavesAgainByteForByte) {
    auto world = NewWorld();
    test::FillSmallWorld(*world);
    SaveInto(*world, dir_ / "a");

    auto loaded = NewWorld();
    EXPECT_TRUE(loaded->LoadAll(dir_ / "a"));
    EXPECT_EQ(loaded->GetCountry(1)->GetClubCount(), 11u);
    EXPECT_TRUE(loaded->GetCountry(1)->IsComplete());
    EXPECT_EQ(loaded->PlayersWithoutClub().size(), 2u);
    EXPECT_EQ(loaded->GetCountry(2)->AdditionalManagers().size(), 1u);
    EXPECT_EQ(loaded->PlayerCount(), world->PlayerCount());
    EXPECT_EQ(loaded->Rules().LongName(0, 0), "Champions Cup");
    EXPECT_GT(loaded->DetailTotal(), 0u);
    for (int n = 1; n <= CWorld::kCountryCount; ++n) {
        world->GetCountry(n)->RecomputeDetailTotal();
    }
    EXPECT_EQ(loaded->DetailTotal(), world->DetailTotal());
    EXPECT_TRUE(loaded->LoadTranslation().empty());
    SaveInto(*loaded, dir_ / "b");
    ExpectSameFiles(dir_ / "a", dir_ / "b");
    // The completeness value of the complete country stands after its VERSION section.
    std::string country1 = test::ReadFile(dir_ / "a/Country1.sav");
    EXPECT_NE(country1.find("%INDEXEND%VERSION\r\n1\r\n%INDEX%COMPETITIONPART"), std::string::npos);
}

TEST_F(WorldTest, CopiedWorldSavesTheSameFiles) {
    auto world = NewWorld();
    test::FillSmallWorld(*world);
    SaveInto(*world, dir_ / "a");

    CWorld copy;
    copy.CopyFrom(*world);
    EXPECT_EQ(copy.PlayerCount(), world->PlayerCount());
    CClub* club = copy.GetCountry(1)->GetClubByPosition(0);
    ASSERT_NE(club, nullptr);
    EXPECT_EQ(club->World(), &copy);
    ASSERT_NE(copy.FindPlayer(club->PlayerId(0)), nullptr);
    EXPECT_EQ(copy.FindPlayer(club->PlayerId(0))->World(), &copy);
    EXPECT_NE(copy.FindPlayer(club->PlayerId(0)), world->FindPlayer(club->PlayerId(0)));
    SaveInto(copy, dir_ / "b");
    ExpectSameFiles(dir_ / "a", dir_ / "b");
}

TEST_F(WorldTest, CountryCopiedIntoAnotherWorldTakesFreeIdsForItsPlayers) {
    auto source = NewWorld();
    test::AddClubs(*source, *source->GetCountry(1), 2, 2); // IDs 1 to 4
    auto target = NewWorld();
    test::AddClubs(*target, *target->GetCountry(5), 1, 3); // IDs 1 to 3 taken
    target->GetCountry(1)->CopyFrom(*source->GetCountry(1));

    EXPECT_EQ(target->PlayerCount(), 7u);
    std::set<uint32_t> ids;
    for (const auto& [id, club] : target->GetCountry(1)->Clubs()) {
        for (uint32_t i = 0; i < club->PlayerCount(); ++i) {
            ASSERT_NE(target->FindPlayer(club->PlayerId(i)), nullptr);
            ids.insert(club->PlayerId(i));
        }
    }
    EXPECT_EQ(ids, (std::set<uint32_t>{4, 5, 6, 7}));
    EXPECT_EQ(target->FindPlayer(4)->Surname(), "P1x0x0");
}

TEST_F(WorldTest, DuplicatePlayerIdsAcrossFilesGiveTheLaterPlayerANewId) {
    auto first = NewWorld();
    test::AddClubs(*first, *first->GetCountry(1), 2, 2); // IDs 1 to 4
    SaveInto(*first, dir_ / "a");
    auto second = NewWorld();
    test::AddClubs(*second, *second->GetCountry(2), 1, 3); // IDs 1 to 3 as well
    SaveInto(*second, dir_ / "b");
    fs::copy_file(dir_ / "b/Country2.sav", dir_ / "a/Country2.sav",
                  fs::copy_options::overwrite_existing);

    auto loaded = NewWorld();
    loaded->LoadAll(dir_ / "a");
    EXPECT_EQ(loaded->PlayerCount(), 7u);
    EXPECT_EQ(loaded->FindPlayer(1)->Surname(), "P1x0x0");
    const CClub* club = loaded->GetCountry(2)->GetClubByPosition(0);
    ASSERT_EQ(club->PlayerCount(), 3u);
    // Each duplicate takes the next free ID: the registry size plus one, upward.
    EXPECT_EQ(club->PlayerId(0), 5u);
    EXPECT_EQ(club->PlayerId(1), 6u);
    EXPECT_EQ(club->PlayerId(2), 7u);
    EXPECT_EQ(loaded->FindPlayer(7)->Surname(), "P2x0x2");
    EXPECT_EQ(loaded->LoadTranslation(), (std::map<uint32_t, uint32_t>{{1, 5}, {2, 6}, {3, 7}}));
}

TEST_F(WorldTest, NextFreePlayerIdStartsAtTheRegistrySizePlusOne) {
    CWorld world;
    EXPECT_EQ(world.NextFreePlayerId(), 1u);
    for (uint32_t id : {2u, 3u, 4u}) {
        ASSERT_NE(world.CreatePlayer(id, false), nullptr);
    }
    EXPECT_EQ(world.NextFreePlayerId(), 5u); // 4 is taken
    EXPECT_EQ(world.CreatePlayer(3, false), nullptr);
    EXPECT_EQ(world.CreatePlayer(0, false), nullptr);
    CPlayer* renamed = world.CreatePlayer(3, true);
    ASSERT_NE(renamed, nullptr);
    EXPECT_EQ(renamed->Id(), 5u);
    EXPECT_EQ(world.LoadTranslation().at(3), 5u);
    EXPECT_EQ(world.CreatePlayer(0, true)->Id(), 6u); // four players: 5 is taken, 6 is free
}

TEST_F(WorldTest, PlayersAreFoundByIdUntilRemovedOrTheCountriesAreMadeAfresh) {
    CWorld world;
    CPlayer* kept = world.CreatePlayer(7, false);
    CPlayer* removed = world.CreatePlayer(8, false);
    CPlayer* renamed = world.CreatePlayer(7, true); // 7 is taken: a new ID
    ASSERT_NE(renamed, nullptr);
    EXPECT_EQ(world.FindPlayer(7), kept);
    EXPECT_EQ(world.FindPlayer(8), removed);
    EXPECT_EQ(world.FindPlayer(renamed->Id()), renamed);
    EXPECT_EQ(world.FindPlayer(9), nullptr);

    EXPECT_TRUE(world.RemovePlayer(8));
    EXPECT_EQ(world.FindPlayer(8), nullptr);
    EXPECT_FALSE(world.RemovePlayer(8));
    const CWorld& constWorld = world;
    EXPECT_EQ(constWorld.FindPlayer(7), kept);

    // Made afresh from the country list: the registry is empty, and so are the look-ups.
    EXPECT_TRUE(world.LoadCountryList(dir_ / "countries.sav"));
    EXPECT_EQ(world.FindPlayer(7), nullptr);
    EXPECT_EQ(world.PlayerCount(), 0u);
    EXPECT_EQ(world.CreatePlayer(7, false)->Id(), 7u);
    EXPECT_NE(world.FindPlayer(7), nullptr);
}

TEST_F(WorldTest, ClubReferencesFollowTheNumberingOfTheSave) {
    auto world = NewWorld();
    CCountry& country = *world->GetCountry(3);
    test::AddClubs(*world, country, 4, 0);
    country.RemoveClub(ClubId::Make(3, 2));
    world->BuildClubRenumbering();
    EXPECT_EQ(world->TranslateClubReference(ClubId::Make(3, 1)), ClubId::Make(3, 1));
    EXPECT_EQ(world->TranslateClubReference(ClubId::Make(3, 3)), ClubId::Make(3, 2));
    EXPECT_EQ(world->TranslateClubReference(ClubId::Make(3, 4) | ClubId::kSecondTeamBit),
              ClubId::Make(3, 3) | ClubId::kSecondTeamBit);
    // Removed clubs and clubs of no country become 0; national teams stay as they are.
    EXPECT_EQ(world->TranslateClubReference(ClubId::Make(3, 2)), 0u);
    EXPECT_EQ(world->TranslateClubReference(ClubId::Make(207, 1)), 0u);
    EXPECT_EQ(world->TranslateClubReference(0), 0u);
    EXPECT_EQ(world->TranslateClubReference(0x5FFFFu), 0x5FFFFu);
    EXPECT_EQ(world->TranslateClubReference(0x5FFFFu | ClubId::kSecondTeamBit),
              0x5FFFFu | ClubId::kSecondTeamBit);
    EXPECT_EQ(country.TranslateClubReference(ClubId::Make(3, 4)), ClubId::Make(3, 3));
    world->ClearClubRenumbering();
    EXPECT_EQ(world->TranslateClubReference(ClubId::Make(3, 1)), 0u);
}

TEST_F(WorldTest, ReferencesIntoAnUnreadCountryStayButClubZeroIsNoClub) {
    auto world = NewWorld();
    test::FillSmallWorld(*world);
    SaveInto(*world, dir_ / "a");
    fs::remove(dir_ / "a/Country2.sav");
    fs::create_directory(dir_ / "a/Country2.sav"); // there, but no file to read

    auto loaded = NewWorld();
    EXPECT_TRUE(loaded->LoadAll(dir_ / "a"));
    ASSERT_TRUE(loaded->IsCountryUnreadable(2));
    // The unread file keeps its own numbering...
    EXPECT_EQ(loaded->TranslateClubReference(ClubId::Make(2, 7)), ClubId::Make(2, 7));
    // ...but "no club" stays no club, as in every other country.
    EXPECT_EQ(loaded->TranslateClubReference(ClubId::Make(2, 0)), 0u);
    EXPECT_EQ(loaded->TranslateClubReference(ClubId::Make(2, 0) | ClubId::kSecondTeamBit), 0u);
}

TEST_F(WorldTest, RulesKeepPointingAtTheSameClubAndStadiumAfterRenumbering) {
    auto world = NewWorld();
    test::FillSmallWorld(*world);
    CCountry& country = *world->GetCountry(1);
    std::string name(country.FindClub(ClubId::Make(1, 4))->Name(0));
    world->Rules().SetClubReference(1, ClubId::Make(1, 4));
    world->Rules().SetStadiumReference(1, (1u << 16) | 1u);
    country.RemoveClub(ClubId::Make(1, 2));
    country.stadiums.Remove(1);
    SaveInto(*world, dir_ / "a");
    EXPECT_EQ(world->Rules().ClubReference(1), ClubId::Make(1, 4)); // memory unchanged

    auto loaded = NewWorld();
    loaded->LoadAll(dir_ / "a");
    const RulesAndMisc& rules = loaded->Rules();
    EXPECT_EQ(rules.ClubReference(0), 0u); // the club was removed
    ASSERT_NE(loaded->FindClub(rules.ClubReference(1)), nullptr);
    EXPECT_EQ(loaded->FindClub(rules.ClubReference(1))->Name(0), name);
    // Stadium 2 is the first stadium of the file now; stadium 1 was removed.
    EXPECT_EQ(rules.StadiumReference(0), (1u << 16) | 1u);
    EXPECT_EQ(rules.StadiumReference(1), 0u);
    EXPECT_EQ(loaded->GetCountry(1)->stadiums.Find(1)->Name(), "Park");
}

TEST_F(WorldTest, MissingCountryFileLeavesTheCountryAsListed) {
    auto world = NewWorld();
    test::FillSmallWorld(*world);
    SaveInto(*world, dir_ / "a");
    fs::remove(dir_ / "a/Country2.sav");
    // The files are found whatever the case of their names.
    fs::rename(dir_ / "a/Country206.sav", dir_ / "a/country206.sav");

    auto loaded = NewWorld();
    EXPECT_TRUE(loaded->LoadAll(dir_ / "a"));
    EXPECT_EQ(loaded->GetCountry(2)->GetClubCount(), 1u);
    EXPECT_EQ(loaded->GetCountry(2)->Name(1), "Pays2");
    EXPECT_EQ(loaded->GetCountry(206)->GetClubCount(), 4u);
    EXPECT_EQ(loaded->GetCountry(1)->GetClubCount(), 11u);

    // Saving writes over the file of the other case instead of beside it.
    SaveInto(*loaded, dir_ / "a");
    EXPECT_TRUE(fs::exists(dir_ / "a/country206.sav"));
    EXPECT_FALSE(fs::exists(dir_ / "a/Country206.sav"));

    auto empty = NewWorld();
    EXPECT_FALSE(empty->LoadAll(dir_ / "c"));
    EXPECT_EQ(empty->PlayerCount(), 0u);
}

TEST_F(WorldTest, TruncatedCountryFileLoadsWhatItHolds) {
    auto world = NewWorld();
    test::FillSmallWorld(*world);
    SaveInto(*world, dir_ / "a");
    std::string bytes = test::ReadFile(dir_ / "a/Country1.sav");
    for (size_t cut : {size_t{10}, bytes.size() / 4, bytes.size() / 2, bytes.size() - 3}) {
        test::WriteFile(dir_ / "a/Country1.sav", bytes.substr(0, cut));
        auto loaded = NewWorld();
        EXPECT_TRUE(loaded->LoadAll(dir_ / "a"));
        CCountry& country = *loaded->GetCountry(1);
        EXPECT_NE(country.NationalTeam(), nullptr);
        EXPECT_LE(country.GetClubCount(), 11u);
        // Every listed player exists.
        for (const auto& [id, club] : country.Clubs()) {
            for (uint32_t i = 0; i < club->PlayerCount(); ++i) {
                EXPECT_NE(loaded->FindPlayer(club->PlayerId(i)), nullptr);
            }
        }
        EXPECT_EQ(loaded->GetCountry(2)->GetClubCount(), 4u);
    }
}

TEST_F(WorldTest, PlayersWithoutClubGetNewIdsAtEveryLoad) {
    auto world = NewWorld();
    test::FillSmallWorld(*world);
    world->PlayersWithoutClub().push_back(999999); // no such player: not written
    SaveInto(*world, dir_ / "a");
    std::string without = test::ReadFile(dir_ / "a/Without.sav");
    EXPECT_EQ(without.rfind("%INDEX%WITHOUT\r\n2\r\n%INDEX%PLAYER", 0), 0u);

    CWorld loaded;
    loaded.LoadCountryList(dir_ / "countries.sav");
    loaded.SetDatabaseFolder(dir_ / "a");
    // Without.sav has no VERSION section: it is read with the version of the file read last.
    FileVersion::SetLoaded(FileVersion::kCurrent);
    ASSERT_TRUE(loaded.LoadWithout());
    ASSERT_TRUE(loaded.LoadWithout());
    ASSERT_EQ(loaded.PlayersWithoutClub().size(), 4u);
    EXPECT_EQ(loaded.PlayersWithoutClub(), (std::vector<uint32_t>{1, 2, 3, 4}));
    EXPECT_EQ(loaded.FindPlayer(3)->Surname(), "Free0");

    // A count beyond the sections present makes up no players.
    test::WriteFile(dir_ / "a/Without.sav", "%INDEX%WITHOUT\r\n50\r\n%INDEXEND%WITHOUT\r\n");
    ASSERT_TRUE(loaded.LoadWithout());
    EXPECT_EQ(loaded.PlayersWithoutClub().size(), 4u);
    EXPECT_EQ(loaded.PlayerCount(), 4u);
}

TEST_F(WorldTest, SaveIntoAMissingFolderReportsOnceWithEachFileAndItsReason) {
    auto world = NewWorld();
    test::FillSmallWorld(*world);
    ScriptedPrompt prompt;
    world->SetDatabaseFolder(dir_ / "missing");
    SaveOutcome outcome;
    EXPECT_FALSE(world->SaveAll(&prompt, &outcome));
    ASSERT_EQ(prompt.Calls().size(), 1u);
    EXPECT_EQ(prompt.Calls()[0].kind, PromptCall::Kind::ErrorWindow);
    const std::string text = prompt.Calls()[0].text;
    EXPECT_EQ(text.rfind(LoadString(CWorld::kSaveErrorString), 0), 0u);
    EXPECT_NE(text.find(dir_ / "missing/Country206.sav: No such file or directory"),
              std::string::npos);
    EXPECT_NE(text.find(dir_ / "missing/Without.sav: No such file or directory"),
              std::string::npos);
    EXPECT_EQ(outcome.failed.size(), 208u); // 206 countries, Rules.sav and Without.sav
    EXPECT_FALSE(fs::exists(dir_ / "missing"));

    // Without a folder nothing is written at all (the paths would start at the root).
    prompt.ClearCalls();
    world->SetDatabaseFolder("");
    EXPECT_FALSE(world->SaveAll(&prompt));
    EXPECT_EQ(prompt.CountOf(PromptCall::Kind::ErrorWindow), 1u);
    EXPECT_FALSE(fs::exists("/Country1.sav"));
    EXPECT_FALSE(world->LoadAll(""));
    // The numbering of the save is gone afterwards.
    EXPECT_EQ(world->TranslateClubReference(ClubId::Make(1, 1)), 0u);
}

TEST_F(WorldTest, AFileThatCannotBeReplacedStopsTheWholeSave) {
    auto world = NewWorld();
    test::FillSmallWorld(*world);
    SaveInto(*world, dir_ / "a");
    const std::map<std::string, std::string> before = test::ReadFolderFiles(dir_ / "a");
    world->GetCountry(1)->magazine = "Changed";
    // A folder in the place of a country file cannot be replaced, not even by the superuser.
    fs::remove(dir_ / "a/Country2.sav");
    fs::create_directory(dir_ / "a/Country2.sav");
    ScriptedPrompt prompt;
    SaveOutcome outcome;
    EXPECT_FALSE(world->SaveAll(&prompt, &outcome));
    ASSERT_EQ(prompt.Calls().size(), 1u);
    EXPECT_EQ(prompt.Calls()[0].kind, PromptCall::Kind::ErrorWindow);
    EXPECT_EQ(prompt.Calls()[0].text, LoadString(CWorld::kSaveErrorString) + "\n" +
                                          (dir_ / "a/Country2.sav") + ": Is a directory");
    ASSERT_EQ(outcome.failed.size(), 1u);
    EXPECT_TRUE(fs::is_directory(dir_ / "a/Country2.sav"));
    // No other file was replaced, and no temporary file is left.
    std::map<std::string, std::string> after = test::ReadFolderFiles(dir_ / "a");
    std::map<std::string, std::string> expected = before;
    expected.erase("Country2.sav");
    EXPECT_EQ(after, expected);
}

TEST_F(WorldTest, SaveIntoAReadOnlyFolderReportsOnceAndKeepsTheOldFiles) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    auto world = NewWorld();
    test::FillSmallWorld(*world);
    SaveInto(*world, dir_ / "a");
    std::string before = test::ReadFile(dir_ / "a/Country1.sav");
    world->GetCountry(1)->magazine = "Changed";
    ASSERT_EQ(chmod((dir_ / "a").c_str(), 0555), 0);

    ScriptedPrompt prompt;
    EXPECT_FALSE(world->SaveAll(&prompt));
    chmod((dir_ / "a").c_str(), 0755);
    EXPECT_EQ(prompt.CountOf(PromptCall::Kind::ErrorWindow), 1u);
    EXPECT_EQ(prompt.Calls().size(), 1u);
    EXPECT_EQ(test::ReadFile(dir_ / "a/Country1.sav"), before);
    size_t files = 0;
    for (const auto& entry : fs::directory_iterator(dir_ / "a")) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, DatabaseFiles().size()); // no temporary file left behind
}

} // namespace
} // namespace tallo
