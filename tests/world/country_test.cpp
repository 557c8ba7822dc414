#include <gtest/gtest.h>

#include <string>

#include "formats/kl_file.h"
#include "formats/string_table.h"
#include "platform/code_page.h"
#include "support/record_text.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"
#include "world/world_test_support.h"

namespace tallo {
namespace {

using test::FakeTreeOf;

class CountryTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteCountryList(dir_ / "countries.sav");
        world_.LoadCountryList(dir_ / "countries.sav");
    }

    CCountry& Country(int number) { return *world_.GetCountry(number); }

    // The COUNTRY section of a country as the save writes it.
    std::string SaveText(int number) {
        world_.BuildClubRenumbering();
        std::string text =
            test::TextWrittenBy([&](CKLFile& file) { return Country(number).Save(file); });
        world_.ClearClubRenumbering();
        return text;
    }

    bool LoadText(int number, const std::string& text) {
        CKLFile file;
        file.OpenFromMemory(text);
        return Country(number).Load(file);
    }

    // The line after the first line equal to `marker`.
    static std::string LineAfter(const std::string& text, const std::string& marker, int skip = 1) {
        size_t at = text.find(marker + "\r\n");
        if (at == std::string::npos) {
            return "<missing>";
        }
        at += marker.size() + 2;
        for (int i = 1; i < skip; ++i) {
            at = text.find("\r\n", at) + 2;
        }
        return text.substr(at, text.find("\r\n", at) - at);
    }

    static std::string WithVersion(std::string text, const char* version) {
        size_t at = text.find("537133064");
        text.replace(at, 9, version);
        return text;
    }

    test::FakeTreeFactoryScope trees_;
    test::TempDir dir_;
    CWorld world_;
};

TEST_F(CountryTest, CompetitionPartIsWrittenFromEightClubsBesidesTheNationalTeam) {
    test::AddClubs(world_, Country(5), 7, 0);
    EXPECT_EQ(SaveText(5).find("%INDEX%COMPETITIONPART"), std::string::npos);

    test::AddClubs(world_, Country(5), 1, 0);
    std::string text = SaveText(5);
    ASSERT_NE(text.find("%INDEX%COMPETITIONPART"), std::string::npos);
    // Without a top league: the placeholder names and club numbers 1 to 8. Windows-1252 cannot
    // spell the Russian name, so the file holds the English one rather than question marks.
    ASSERT_EQ(ActiveCodePage(), CodePage::Windows1252);
    EXPECT_EQ(LineAfter(text, "%INDEX%COMPETITIONPART"), "1. Division");
    EXPECT_EQ(LineAfter(text, "%INDEX%COMPETITIONPART", 2), "National Cup");
    EXPECT_EQ(LineAfter(text, "%INDEX%COMPETITIONPART", 3), "50001");
    EXPECT_EQ(LineAfter(text, "%INDEX%COMPETITIONPART", 10), "50008");
}

TEST_F(CountryTest, CompetitionPartNamesTheTopLeagueAndItsFirstEightTeamsRenumbered) {
    CCountry& country = Country(5);
    test::AddClubs(world_, country, 10, 0);
    auto* tree = FakeTreeOf(country);
    tree->topLeague = "Liga";
    tree->cup = "Pokal";
    // Teams in league order: club 10, the second team of club 3, then clubs 1..8.
    tree->teams = {ClubId::Make(5, 10), ClubId::Make(5, 3) | ClubId::kSecondTeamBit};
    for (uint32_t k = 1; k <= 8; ++k) {
        tree->teams.push_back(ClubId::Make(5, k));
    }
    country.RemoveClub(ClubId::Make(5, 2)); // clubs 3.. move up by one in the file

    std::string text = SaveText(5);
    EXPECT_EQ(LineAfter(text, "%INDEX%COMPETITIONPART"), "Liga");
    EXPECT_EQ(LineAfter(text, "%INDEX%COMPETITIONPART", 2), "Pokal");
    EXPECT_EQ(LineAfter(text, "%INDEX%COMPETITIONPART", 3), "50009");
    EXPECT_EQ(LineAfter(text, "%INDEX%COMPETITIONPART", 4), "1050002");
    EXPECT_EQ(LineAfter(text, "%INDEX%COMPETITIONPART", 5), "50001");
    EXPECT_EQ(LineAfter(text, "%INDEX%COMPETITIONPART", 6), "0"); // the removed club
}

TEST_F(CountryTest, CompletenessValueNeedsTenClubsATopLeagueOfTenAndNoFaults) {
    CCountry& country = Country(7);
    test::AddClubs(world_, country, 9, 0);
    auto* tree = FakeTreeOf(country);
    tree->topLeague = "Liga";
    for (uint32_t k = 1; k <= 9; ++k) {
        tree->teams.push_back(ClubId::Make(7, k));
    }
    tree->teams.push_back(ClubId::Make(7, 1) | ClubId::kSecondTeamBit);
    EXPECT_TRUE(country.IsComplete());
    EXPECT_EQ(LineAfter(SaveText(7), "%INDEXEND%VERSION"), "1");

    tree->faults = true;
    EXPECT_FALSE(country.IsComplete());
    tree->faults = false;

    tree->teams.pop_back(); // nine teams in the top league
    EXPECT_FALSE(country.IsComplete());
    tree->teams.push_back(ClubId::Make(7, 1) | ClubId::kSecondTeamBit);

    // A staff member without a club centre makes the club, and so the country, incomplete.
    CClub* club = country.GetClubByPosition(0);
    test::AddPerson(world_, *club, "Scout", 5);
    EXPECT_FALSE(country.IsComplete());
    club->RemovePlayer(club->PlayerId(0));
    EXPECT_TRUE(country.IsComplete());

    // Nine clubs in all (national team included).
    country.RemoveClub(ClubId::Make(7, 9));
    EXPECT_FALSE(country.IsComplete());
    EXPECT_EQ(LineAfter(SaveText(7), "%INDEXEND%VERSION"), "0");
}

TEST_F(CountryTest, CountryWithoutCompetitionTreeIsNotCompleteAndWritesAnEmptyCompetition) {
    CCountry& country = Country(8);
    test::AddClubs(world_, country, 12, 0);
    country.SetCompetitions(nullptr);
    EXPECT_FALSE(country.IsComplete());
    std::string text = SaveText(8);
    EXPECT_EQ(LineAfter(text, "%INDEX%COMPETITION"), "0");
    EXPECT_TRUE(LoadText(8, text));
    EXPECT_EQ(country.GetClubCount(), 13u);
}

TEST_F(CountryTest, SaveAndLoadGiveTheSameFile) {
    CCountry& country = Country(3);
    test::AddClubs(world_, country, 4, 2);
    country.notes = "Line one\r\nLine two";
    country.magazine = "Gazette";
    country.presidentBirthDate = GameDate::FromDate(1950, 3, 4);
    country.leagueCount = 3;
    country.relegationRules[1] = 6;
    country.valuesM[5] = 65535;
    country.generatedPlayerRating = 26;
    country.SetAssociationName("ABCDEFGH");
    Stadium stadium;
    stadium.SetName("Ground");
    country.stadiums.Add(stadium);
    std::string text = SaveText(3);
    EXPECT_NE(text.find("Line one\tLine two\r\n"), std::string::npos);

    CWorld other;
    other.LoadCountryList(dir_ / "countries.sav");
    CKLFile file;
    file.OpenFromMemory(text);
    CCountry& copy = *other.GetCountry(3);
    ASSERT_TRUE(copy.Load(file));
    EXPECT_EQ(copy.notes, "Line one\r\nLine two");
    EXPECT_EQ(copy.GetClubCount(), 5u);
    EXPECT_EQ(FakeTreeOf(copy)->finishedLoads, 1);

    other.BuildClubRenumbering();
    CKLFile again;
    again.OpenForWrite(dir_ / "unused.sav");
    ASSERT_TRUE(copy.Save(again));
    EXPECT_EQ(again.WrittenText(), text);
    again.AbandonWrite();
}

TEST_F(CountryTest, NotesAreReadFromMinorEightOnAndLooksRemappedBeforeMinorSeven) {
    CCountry& country = Country(4);
    country.notes = "A\r\nB";
    country.allowedFaceTypes = (1u << 15) | (1u << 22) | 1u;
    country.allowedFacialHair = (1u << 3) | (1u << 4);
    country.allowedHairStyles = 0x0C;
    std::string text = SaveText(4);

    country.notes.clear();
    ASSERT_TRUE(LoadText(4, WithVersion(text, "537133063"))); // minor 7
    EXPECT_EQ(country.notes, "");
    EXPECT_EQ(country.allowedFaceTypes, (1u << 15) | (1u << 22) | 1u);
    EXPECT_EQ(country.allowedHairStyles, 0x0Cu);

    ASSERT_TRUE(LoadText(4, WithVersion(text, "537133062"))); // minor 6
    // Bits 14-19 move to 20-25 and bits 20-25 to 14-19.
    EXPECT_EQ(country.allowedFaceTypes, (1u << 21) | (1u << 16) | 1u);
    EXPECT_EQ(RemapOldFaceTypes(1u << 25), 1u << 19);
    EXPECT_EQ(country.allowedFacialHair, (1u << 5) | (1u << 3));
    EXPECT_EQ(country.allowedHairStyles, 0x06u);

    ASSERT_TRUE(LoadText(4, text));
    EXPECT_EQ(country.notes, "A\r\nB");

    // A tab of the notes would read back as a line break: it is written as a blank.
    country.notes = "x\ty\r\nz";
    text = SaveText(4);
    EXPECT_NE(text.find("\r\nx y\tz\r\n"), std::string::npos);
    ASSERT_TRUE(LoadText(4, text));
    EXPECT_EQ(country.notes, "x y\r\nz");
}

TEST_F(CountryTest, ClubsOfOldFilesTakeTheirColourEntryFromTheInstalledTable) {
    CCountry& country = Country(6);
    test::AddClubs(world_, country, 1, 0);
    std::string text = SaveText(6);
    size_t club = text.find("%INDEX%CLUB1");
    size_t version = text.find("537133064", club);
    text.replace(version, 9, "537133061"); // major 0x2004, minor 5

    WorldLookups lookups;
    std::string asked;
    lookups.teamColour = [&asked](std::string_view name, uint16_t& entry) {
        asked = std::string(name);
        entry = 42;
        return true;
    };
    world_.SetLookups(lookups);
    ASSERT_TRUE(LoadText(6, text));
    EXPECT_EQ(asked, "Club 6-1");
    EXPECT_EQ(country.FindClub(ClubId::Make(6, 1))->ColourEntry(), 42);
}

TEST_F(CountryTest, FilesWithoutVersionConvertRelegationRulesAndSkipTheLanguageArrays) {
    CCountry& country = Country(9);
    country.relegationRules[0] = 5;
    country.relegationRules[1] = 10;
    country.relegationRules[2] = 11; // no row: becomes 0
    country.languages[0] = 9;
    std::string text = SaveText(9);
    size_t begin = text.find("%INDEX%VERSION");
    size_t end = text.find("%INDEXEND%VERSION\r\n") + 19;
    text.erase(begin, end - begin);
    // Files of major 0 hold two single values where today's hold the two language arrays.
    std::string arrays = "\r\n9,2,0,0\r\n0,0,0,0\r\n";
    size_t at = text.find(arrays);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, arrays.size(), "\r\n77\r\n88\r\n");
    country.languages[0] = 1;

    ASSERT_TRUE(LoadText(9, text));
    EXPECT_EQ(country.relegationRules[0], 6);
    EXPECT_EQ(country.relegationRules[1], 12);
    EXPECT_EQ(country.relegationRules[2], 0);
    EXPECT_EQ(country.languages[0], 1);
    EXPECT_EQ(ConvertOldRelegationRule(7), 10);
}

TEST_F(CountryTest, LoadBringsSettingsIntoTheirRanges) {
    CCountry& country = Country(10);
    country.winterBreak = 0;
    country.indoorTournaments = 1;
    country.generatedPlayerRating = 40;
    country.climate = 9;
    country.transferPeriod2 = 7;
    country.leagueCardRule = 0x80 | 9;
    country.ReservePlayerPool(1);
    country.PlayerPool()[0].name.SetSurname("Pool");
    country.PlayerPool()[0].nationality = 250;
    country.PlayerPool()[0].position = 9;
    country.nationalCoach.nationality = 300;
    country.nationalCoach.skills[2] = 200;
    Referee referee;
    referee.trait = 9;
    country.referees.Add(referee);
    ASSERT_TRUE(LoadText(10, SaveText(10)));
    EXPECT_EQ(country.PlayerPool()[0].nationality, 10);
    EXPECT_EQ(country.PlayerPool()[0].position, 0);
    EXPECT_EQ(country.nationalCoach.nationality, 0);
    EXPECT_EQ(country.nationalCoach.skills[2], 15);
    EXPECT_EQ(country.referees.Find(1)->trait, Referee::kNoTrait);
    EXPECT_EQ(country.indoorTournaments, 0);
    EXPECT_EQ(country.generatedPlayerRating, 26);
    EXPECT_EQ(country.climate, 0);
    EXPECT_EQ(country.transferPeriod2, 0u);
    EXPECT_EQ(country.leagueCardRule, 0x80);
}

TEST_F(CountryTest, HugeCountsInAFileCreateNoMoreRecordsThanTheFileHolds) {
    CCountry& country = Country(11);
    test::AddClubs(world_, country, 2, 1);
    country.ReservePlayerPool(2);
    country.PlayerPool()[0].name.SetSurname("Pool");
    std::string text = SaveText(11);
    auto setCountAfter = [&text](const std::string& marker, const std::string& count) {
        size_t at = text.find(marker + "\r\n") + marker.size() + 2;
        text.replace(at, text.find("\r\n", at) - at, count);
    };
    setCountAfter("%INDEX%CLUBS", "2147483647");
    setCountAfter("%INDEX%PLAYERPOOL", "2147483647");
    setCountAfter("%INDEX%ADDMANAGER", "99999");

    ASSERT_TRUE(LoadText(11, text));
    // Clubs without a section of their own keep their defaults, but no more of them are made
    // than the file has bytes for.
    EXPECT_LE(country.GetClubCount(), text.size() / 29 + 1);
    EXPECT_NE(country.NationalTeam(), nullptr);
    EXPECT_LE(country.PlayerPool().size(), CCountry::kMaxPlayerPool);
    EXPECT_EQ(country.PlayerPool()[0].name.Surname(), "Pool");
    EXPECT_TRUE(country.AdditionalManagers().empty());
}

TEST_F(CountryTest, TruncatedSectionLeavesTheRestAtDefaultsWithoutFailing) {
    CCountry& country = Country(12);
    test::AddClubs(world_, country, 3, 2);
    std::string text = SaveText(12);
    for (size_t cut : {text.size() / 3, text.size() / 2, text.size() - 40}) {
        CWorld other;
        other.LoadCountryList(dir_ / "countries.sav");
        CKLFile file;
        file.OpenFromMemory(text.substr(0, cut));
        EXPECT_TRUE(other.GetCountry(12)->Load(file));
        EXPECT_NE(other.GetCountry(12)->NationalTeam(), nullptr);
    }
}

TEST_F(CountryTest, NationalStadiumIsWrittenAsItsPositionAndReadBackAsThatKey) {
    CCountry& country = Country(13);
    Stadium stadium;
    for (const char* name : {"One", "Two", "Three"}) {
        stadium.SetName(name);
        country.stadiums.Add(stadium);
    }
    country.stadiums.Remove(2);
    country.nationalStadium = 3;
    std::string text = SaveText(13);
    ASSERT_TRUE(LoadText(13, text));
    EXPECT_EQ(country.nationalStadium, 2u);
    ASSERT_NE(country.stadiums.Find(2), nullptr);
    EXPECT_EQ(country.stadiums.Find(2)->Name(), "Three");
}

TEST_F(CountryTest, PoolFavouriteClubFollowsTheClubNumbering) {
    CCountry& country = Country(14);
    test::AddClubs(world_, country, 3, 0);
    country.ReservePlayerPool(2);
    country.PlayerPool()[1].name.SetSurname("Fan");
    country.PlayerPool()[1].favouriteClub = static_cast<int32_t>(ClubId::Make(14, 3));
    country.PlayerPool()[1].nationality = 0;
    country.RemoveClub(ClubId::Make(14, 1));
    ASSERT_TRUE(LoadText(14, SaveText(14)));
    // Unused entries are not written: the used one comes back first.
    EXPECT_EQ(country.PlayerPool()[0].name.Surname(), "Fan");
    EXPECT_EQ(country.PlayerPool()[0].favouriteClub, static_cast<int32_t>(ClubId::Make(14, 2)));
    EXPECT_EQ(country.PlayerPool()[0].nationality, 0);
    EXPECT_EQ(country.PlayerPool()[1].nationality, 14); // reserved entries carry the country
    EXPECT_EQ(country.PlayerPool().size(), 3u * CCountry::kPoolEntriesPerClub);
}

TEST_F(CountryTest, ClubsGetTheSmallestFreeNumberAndNamesFollowTheirReferences) {
    CCountry& country = Country(15);
    test::AddClubs(world_, country, 3, 0);
    country.RemoveClub(ClubId::Make(15, 2));
    CClub* club = country.CreateClub("Neu");
    ASSERT_NE(club, nullptr);
    EXPECT_EQ(club->Id(), ClubId::Make(15, 2));
    EXPECT_EQ(club->Name(4), "Neu");
    EXPECT_FALSE(country.AddClub(std::make_unique<CClub>(), 2));
    EXPECT_EQ(country.RemoveClub(ClubId::Make(15, 0xFFFF)), nullptr);

    EXPECT_EQ(country.GetReferenceName(ClubId::Make(15, 2)), "Neu");
    EXPECT_EQ(country.GetReferenceName(ClubId::Make(15, 2) | ClubId::kSecondTeamBit), "Neu (A)");
    EXPECT_EQ(country.GetReferenceName(ClubId::Make(15, 9)), "");
    EXPECT_EQ(country.GetClubByPosition(3)->Id(), ClubId::Make(15, 0xFFFF));
    EXPECT_EQ(country.GetClubByPosition(4), nullptr);
}

} // namespace
} // namespace tallo
