// Inputs the fuzz targets of fuzz/ once failed on, kept in tests/fixtures/fuzz/<target>/ and
// checked here the way the target checks them, so that the fault stays mended.

#include "formats/kl_file.h"
#include "world/club.h"
#include "world/club_test_world.h"
#include "world/country.h"
#include "world/file_version.h"
#include "world/player.h"
#include "world/rules_and_misc.h"
#include "world/world.h"
#include "world/world_test_support.h"

#include "support/record_text.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tallo {
namespace {

using test::FixturePath;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

std::vector<std::string> InputsOf(const std::string& target) {
    std::vector<std::string> paths;
    const std::string folder = FixturePath("fuzz/" + target);
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] != '.') {
                paths.push_back(folder + "/" + entry->d_name);
            }
        }
        closedir(dir);
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

// What was loaded from Rules.sav is what a save writes and the next load reads.
TEST(FuzzRegressionTest, RulesSurviveASaveAsTheyWereLoaded) {
    const std::vector<std::string> inputs = InputsOf("rules");
    ASSERT_FALSE(inputs.empty());
    for (const std::string& input : inputs) {
        SCOPED_TRACE(input);
        TempDir dir;
        WriteFile(dir / "Rules.sav", ReadFile(input));
        RulesAndMisc loaded;
        ASSERT_TRUE(loaded.LoadRules(dir.Path()));
        ASSERT_TRUE(loaded.SaveRules(dir.Path()));
        RulesAndMisc again;
        ASSERT_TRUE(again.LoadRules(dir.Path()));
        EXPECT_EQ(again, loaded);
    }
}

// A list element without its closing quote takes the rest of the line, quote included; the
// loaded name holds an apostrophe there, as the writer would store it.
TEST(FuzzRegressionTest, AnUnclosedQuoteInANameListLoadsAsAnApostrophe) {
    TempDir dir;
    WriteFile(dir / "Rules.sav", ReadFile(FixturePath("fuzz/rules/unclosed_quote.sav")));
    RulesAndMisc rules;
    ASSERT_TRUE(rules.LoadRules(dir.Path()));
    EXPECT_EQ(rules.ShortName(1, 2), "IT-Pok,");
    EXPECT_EQ(rules.ShortName(1, 3), "Europa'");
    EXPECT_EQ(rules.ShortName(1, 4), "Europa'");
    for (int g = 0; g < RulesAndMisc::kCompetitions; ++g) {
        for (int l = 0; l < RulesAndMisc::kLanguages; ++l) {
            EXPECT_EQ(rules.LongName(g, l).find('"'), std::string_view::npos);
            EXPECT_EQ(rules.ShortName(g, l).find('"'), std::string_view::npos);
        }
    }
}

// Inputs of the player target: the record text, then one byte that chooses the file version
// the text is read as (its low bits, as the target does) and whether the player has a world.
struct PlayerInput {
    std::string text;
    uint32_t version = FileVersion::kCurrent;
};

// The versions the player and club targets choose from, in their order.
constexpr uint32_t kPlayerVersions[] = {
    FileVersion::kCurrent, 0x20040007u, 0x20040006u, 0x20040004u, 0x20040000u, 0x2003FFFFu, 1u};
constexpr uint32_t kClubVersions[] = {FileVersion::kCurrent, 0x20040007u, 0x20040005u, 0x20040004u,
                                      0x20040000u,           0x2003FFFFu, 1u};

PlayerInput ReadPlayerInput(const std::string& path) {
    PlayerInput input;
    input.text = ReadFile(path);
    if (!input.text.empty()) {
        const auto choice = static_cast<uint8_t>(input.text.back());
        input.text.pop_back();
        input.version = kPlayerVersions[choice % std::size(kPlayerVersions)];
    }
    return input;
}

std::string SavedText(const CPlayer& player) {
    return test::TextWrittenBy([&](CKLFile& file) { player.Save(file); });
}

// A player read from a file, saved and read again, saves the same text. The fuzz target found
// two ways this went wrong: a hair style of 0, which the looks conversion of files before
// major 0x2004 gives (and which a file of a newer edition than ours holds as it is), was saved
// as 0 while a current file reads 0 as 1; and a name whose
// blanks were collapsed before it was cut to its field could keep a blank at its end, which
// the next load dropped.
void ExpectPlayersSurviveASave(const std::string& target) {
    const std::vector<std::string> inputs = InputsOf(target);
    ASSERT_FALSE(inputs.empty());
    for (const std::string& path : inputs) {
        SCOPED_TRACE(path);
        const PlayerInput input = ReadPlayerInput(path);
        CKLFile file;
        ASSERT_TRUE(file.OpenFromMemory(input.text));
        FileVersion::SetLoaded(input.version);
        CPlayer player;
        ASSERT_TRUE(player.Load(file));
        player.ClampRanges();
        const std::string saved = SavedText(player);

        CKLFile again;
        ASSERT_TRUE(again.OpenFromMemory(saved));
        FileVersion::SetLoaded(FileVersion::kCurrent);
        CPlayer back;
        ASSERT_TRUE(back.Load(again));
        EXPECT_EQ(SavedText(back), saved);
    }
}

TEST(FuzzRegressionTest, PlayersSurviveASaveAsTheyWereLoaded) {
    ExpectPlayersSurviveASave("player");
}

std::string SavedText(const CClub& club, test::ClubTestWorld& world) {
    return test::TextWrittenBy([&](CKLFile& file) { club.Save(file, 0, world); });
}

// The same for a club file with its players (the inputs of the club target end in two bytes
// that choose the version and the load options; the file's own VERSION section decides here).
TEST(FuzzRegressionTest, ClubsSurviveASaveAsTheyWereLoaded) {
    const std::vector<std::string> inputs = InputsOf("club");
    ASSERT_FALSE(inputs.empty());
    for (const std::string& path : inputs) {
        SCOPED_TRACE(path);
        std::string text = ReadFile(path);
        text.resize(text.size() >= 2 ? text.size() - 2 : 0);
        test::ClubTestWorld world;
        CClub club;
        CKLFile file;
        ASSERT_TRUE(file.OpenFromMemory(text));
        ASSERT_TRUE(club.Load(file, 0, 0, world));
        club.PostLoadCheck(world);
        const std::string saved = SavedText(club, world);

        test::ClubTestWorld otherWorld;
        CClub back;
        CKLFile again;
        ASSERT_TRUE(again.OpenFromMemory(saved));
        ASSERT_TRUE(back.Load(again, 0, 0, otherWorld));
        EXPECT_EQ(SavedText(back, otherWorld), saved);
    }
}

std::string SavedCountryText(CWorld& world, int number) {
    world.BuildClubRenumbering();
    return test::TextWrittenBy([&](CKLFile& file) { world.GetCountry(number)->Save(file); });
}

// Inputs of the countries.sav target: the list, then one byte that chooses the country whose
// file the target saves. A code piece that starts with a zero byte ends there, as every
// fixed-width field does: that slot's code is empty while the others keep theirs (the list
// written again cannot say so, as the reader skips empty pieces). The country's file, the
// national team's short names included, survives a save all the same. The input the fuzzer
// found is a list cut short (fewer than six lines for every country), which is refused now;
// the zero byte is put into a whole list instead.
TEST(FuzzRegressionTest, ACodeCutToNothingByAZeroByteLeavesTheOtherSlotsAndSurvivesASave) {
    std::string found = ReadFile(FixturePath("fuzz/countries_sav/zero_byte_in_code"));
    ASSERT_FALSE(found.empty());
    found.pop_back();
    TempDir dir;
    WriteFile(dir / "found.sav", found);
    CWorld refused;
    EXPECT_FALSE(refused.LoadCountryList(dir / "found.sav"));

    std::string text = test::CountryListText();
    const std::string code = "\r\nL160\r\n";
    text.replace(text.find(code), code.size(), std::string("\r\nOrg,Org,Org,Org,\0rg\r\n", 23));
    WriteFile(dir / "countries.sav", text);

    CWorld world;
    ASSERT_TRUE(world.LoadCountryList(dir / "countries.sav"));
    CCountry& country = *world.GetCountry(160);
    for (int slot = 0; slot < 4; ++slot) {
        EXPECT_EQ(country.Abbreviation(slot), "Org");
    }
    EXPECT_EQ(country.Abbreviation(4), "");
    ASSERT_NE(country.NationalTeam(), nullptr);
    EXPECT_EQ(country.NationalTeam()->ShortName(4), "");

    const std::string saved = SavedCountryText(world, 160);
    CWorld other;
    ASSERT_TRUE(other.LoadCountryList(dir / "countries.sav"));
    CKLFile file;
    ASSERT_TRUE(file.OpenFromMemory(saved));
    ASSERT_TRUE(other.GetCountry(160)->Load(file));
    other.GetCountry(160)->PostLoadCheckClubs();
    EXPECT_EQ(SavedCountryText(other, 160), saved);
}

} // namespace
} // namespace tallo
