#include "world/club.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/kl_file.h"
#include "support/record_text.h"
#include "support/small_random.h"
#include "support/temp_dir.h"
#include "world/club_test_world.h"
#include "world/file_version.h"

namespace tallo {
namespace {

using test::ClubTestWorld;
using test::FixturePath;
using test::ReadFile;

constexpr uint32_t kClubId = 0x00070003; // country 7, club 3

// The club that tests/fixtures/club/golden.clb holds, built through the setters. The file
// stores stadium positions and renumbered rivals; GoldenWorld gives the keys and numbers that
// lead to them.
CClub GoldenClub() {
    CClub club;
    club.SetId(kClubId);
    const char* names[] = {"FC Example", "FC Beispiel", "", "Club Ejemplo",
                           "Klub Przyklad Sportowy Krakow"};
    const char* shortNames[] = {"Example", "Beispiel", "", "Ejemplo", "Klub Przyk"};
    const char* abbreviations[] = {"FCE", "FCB", "", "CE", "KPSK"};
    const char* cities[] = {"Exampleton", "Beispielstadt", "", "Ejemplo", "Miasto"};
    for (int slot = 0; slot < CClub::kLanguageSlots; ++slot) {
        EXPECT_TRUE(club.SetName(slot, names[slot]));
        EXPECT_TRUE(club.SetShortName(slot, shortNames[slot]));
        EXPECT_TRUE(club.SetAbbreviation(slot, abbreviations[slot]));
        EXPECT_TRUE(club.SetCity(slot, cities[slot]));
    }
    club.SetArticle(CClub::kArticleClubName, 0, 1);
    club.SetArticle(CClub::kArticleClubName, 2, 2);
    club.SetArticle(CClub::kArticleSecondFanName, 0, 3);
    club.SetArticle(CClub::kArticleSecondFanName, 1, 1);
    club.SetArticle(CClub::kArticleSecondFanName, 4, 255);
    club.SetAbbreviationArticle(1, 1);
    EXPECT_TRUE(club.SetFanName("The Examples"));
    EXPECT_TRUE(club.SetSecondFanName("Blues"));
    club.SetFriendlyClub(0x00070001);
    club.SetRival(0, 0x00070005);
    club.SetFoundationYear(1887);
    EXPECT_TRUE(club.SetAddress("1 Example Road"));
    EXPECT_TRUE(club.SetTelephone("+44 1234 5678"));
    EXPECT_TRUE(club.SetWebSite("www.example.org"));
    EXPECT_TRUE(club.SetFanSites("first site\r\nsecond site"));
    EXPECT_TRUE(club.SetNewspaper("Example Gazette"));
    EXPECT_TRUE(club.SetMascot("Exy"));
    club.SetStartingCapital(-2000000);
    club.SetStockCompany(true);
    club.SetPenaltyPoints(3);
    club.SetAttendanceValue(CClub::kMidSeasonAttendance, 25000);
    club.SetAttendanceValue(CClub::kImportantMatchAttendance, 65000);
    club.SetAttendanceValue(CClub::kSeasonTickets, 12000);
    int32_t statistics[] = {1500, 1000, 1600, 1200, 5};
    for (int i = 0; i < CClub::kStatisticCount; ++i) {
        club.SetLeagueStatistic(static_cast<CClub::Statistic>(i), statistics[i]);
    }
    club.SetMainStadium(4);
    uint8_t levels[] = {3, 2, 4, 1, 5, 0, 2}; // in the order of the Facility enum
    for (int i = 0; i < CClub::kFacilityCount; ++i) {
        EXPECT_TRUE(club.SetFacilityLevel(static_cast<CClub::Facility>(i), levels[i]));
    }
    club.SetSeasonFlag(CClub::kPromoted, false, true);
    club.SetSeasonFlag(CClub::kCupWinner, false, true);
    club.SetSeasonFlag(CClub::kCupFinalist, true, true);
    EXPECT_TRUE(club.SetBadgeFile("Badge180\\Example.tga"));
    club.SetClubValueB(0, 7);
    club.SetClubValueB(2, 255);
    club.SetTitles(CClub::kChampionships, "1950,1951");
    club.SetTitles(CClub::kSuperCupWins, "2001");
    club.SetTitles(CClub::kChampionsLeagueWins, "1999");
    ResultRecord homeWin{7, 0, 0, "Rovers", 1960};
    ResultRecord homeDefeat{0, 5, 0, "United", 1972};
    ResultRecord awayWin{4, 1, 0, "City", 1999};
    ResultRecord attendance{0, 0, 82000, "Rovers", 1961};
    club.SetRecord(ResultRecord::kHomeWin, homeWin);
    club.SetRecord(ResultRecord::kHomeDefeat, homeDefeat);
    club.SetRecord(ResultRecord::kAwayWin, awayWin);
    club.SetRecord(ResultRecord::kAttendance, attendance);
    club.SetLatitude(CClub::PackLatitude(51, 30, false));
    club.SetLongitude(CClub::PackLongitude(0, 7, true));
    club.SetPrestige(14);
    club.SetCityPhoto("example.jpg");
    club.SetTransferCountry(0, 7);
    club.SetTransferCountry(1, 12);
    club.SetYouthCountry(7);
    club.SetColourEntry(65535);
    club.SetClubValueA(42);
    ClubKit kit;
    uint8_t first[] = {255, 0, 0, 255, 255, 255, 0, 0, 128, 10, 20, 30};
    kit.styles[0][0] = 42;
    kit.styles[0][1] = 12;
    kit.styles[0][2] = 3;
    kit.styles[1][0] = 5;
    kit.styles[1][1] = 1;
    kit.styles[1][2] = 2;
    for (int i = 0; i < ClubKit::kColourBytes; ++i) {
        kit.colours[0][i] = first[i];
        kit.colours[1][i] = static_cast<uint8_t>(i + 1);
    }
    kit.colourEntry = 300;
    club.SetKit(kit);
    return club;
}

void SetUpGoldenWorld(ClubTestWorld& world) {
    world.renumbering[0x00070001] = 1;
    world.renumbering[0x00070003] = 2;
    world.renumbering[0x00070005] = 3;
    world.stadiumKeys = {1, 2, 4};
}

std::string SaveToText(const CClub& club, ClubTestWorld& world, uint32_t section = 0) {
    return test::TextWrittenBy([&](CKLFile& file) { return club.Save(file, section, world); });
}

bool LoadFromText(CClub& club, const std::string& text, ClubTestWorld& world, uint32_t section = 0,
                  uint32_t options = 0) {
    CKLFile file;
    EXPECT_TRUE(file.OpenFromMemory(text));
    return club.Load(file, section, options, world);
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// Layout ----------------------------------------------------------------------------------------

TEST(ClubSection, WritesTheGoldenBytes) {
    ClubTestWorld world;
    SetUpGoldenWorld(world);
    EXPECT_EQ(SaveToText(GoldenClub(), world), ReadFile(FixturePath("club/golden.clb")));
}

TEST(ClubSection, ReadsTheGoldenFileAndWritesItBackUnchanged) {
    ClubTestWorld world;
    CClub club;
    club.SetId(kClubId);
    CKLFile file;
    ASSERT_TRUE(file.OpenForRead(FixturePath("club/golden.clb")));
    ASSERT_TRUE(club.Load(file, 0, 0, world));

    // The file holds positions and file numbers; read back they are taken as they stand.
    CClub expected = GoldenClub();
    expected.SetMainStadium(3);
    expected.SetRival(0, 0x00070003);
    EXPECT_EQ(club, expected);
    EXPECT_EQ(club.FanSites(), "first site\r\nsecond site");
    EXPECT_EQ(club.Name(4), "Klub Przyklad Sportowy Krakow");
    EXPECT_EQ(club.SeasonFlags(), 0x91);
    EXPECT_EQ(club.FacilityLevel(CClub::kMedicalDepartment), 4);
    EXPECT_EQ(club.Record(ResultRecord::kAttendance).attendance, 82000);

    // With the identity numbering (as after a load) the file is written back as it was.
    world.renumbering = {{0x00070001, 1}, {0x00070003, 3}};
    world.stadiumKeys = {1, 2, 3};
    EXPECT_EQ(SaveToText(club, world), ReadFile(FixturePath("club/golden.clb")));
}

TEST(ClubSection, SectionNamesFollowTheClubNumber) {
    EXPECT_EQ(CClub::SectionName(0), "CLUB0");
    EXPECT_EQ(CClub::SectionName(12), "CLUB12");
    EXPECT_EQ(CClub::SectionName(65535), "CLUB65535");
    ClubTestWorld world;
    CClub club;
    std::string text = SaveToText(club, world, 65535);
    EXPECT_EQ(text.rfind("%INDEX%CLUB65535\r\n", 0), 0u);
    CClub other;
    EXPECT_FALSE(LoadFromText(other, text, world, 4));
    EXPECT_TRUE(LoadFromText(other, text, world, 65535));
}

TEST(ClubSection, RoundTripKeepsValuesAtTheEndsOfTheirRanges) {
    ClubTestWorld world;
    CClub club;
    club.SetId(CClub::MakeId(206, 0xFFFE));
    const std::string longName(40, 'N');
    for (int slot = 0; slot < CClub::kLanguageSlots; ++slot) {
        club.SetName(slot, longName);
        club.SetShortName(slot, longName);
        club.SetAbbreviation(slot, longName);
        club.SetCity(slot, longName);
        club.SetArticle(CClub::kArticleFanName, slot, 255);
        club.SetAbbreviationArticle(slot, 255);
    }
    EXPECT_EQ(club.Name(0).size(), 29u);
    EXPECT_EQ(club.ShortName(0).size(), 10u);
    EXPECT_EQ(club.Abbreviation(0).size(), 4u);
    club.SetFanName(longName);
    club.SetSecondFanName(longName);
    club.SetMascot(longName);
    club.SetAddress(std::string(60, 'A'));
    club.SetTelephone(std::string(30, '9'));
    club.SetWebSite(std::string(200, 'w'));
    club.SetNewspaper(std::string(40, 'p'));
    club.SetBadgeFile(std::string(50, 'b'));
    EXPECT_EQ(club.FanName().size(), 19u);
    EXPECT_EQ(club.Address().size(), 48u);
    EXPECT_EQ(club.WebSite().size(), 127u);
    EXPECT_EQ(club.BadgeFile().size(), 39u);
    std::string sites;
    for (int i = 0; i < 30; ++i)
        sites += "site" + std::to_string(i) + "\n";
    EXPECT_TRUE(club.SetFanSites(sites));
    EXPECT_LE(club.FanSites().size(), 255u);
    club.SetFoundationYear(-32768);
    club.SetStartingCapital(INT32_MIN);
    club.SetAttendanceValue(CClub::kSeasonTickets, INT32_MAX);
    club.SetLeagueStatistic(CClub::kGoalsConceded, INT32_MIN);
    club.SetSeasonFlags(0xFF);
    club.SetColourEntry(0xFFFF);
    club.SetClubValueA(0xFFFF);
    club.SetClubValueB(1, 255);
    club.SetPrestige(20);
    club.SetTransferCountry(1, 206);
    club.SetYouthCountry(206);
    club.SetLatitude(CClub::PackLatitude(90, 0, true));
    club.SetLongitude(CClub::PackLongitude(179, 59, false));
    club.SetTitles(CClub::kWorldChampionships, std::string(500, '1'));
    ResultRecord record{-128, 127, INT32_MAX, "Opponents", 65535};
    club.SetRecord(ResultRecord::kAwayDefeat, record);
    // Rivals lie in the club's own country; with an identity numbering they are kept.
    club.SetFriendlyClub(CClub::MakeId(206, 1));
    club.SetRival(1, CClub::MakeId(206, 0xFFFF));
    world.renumbering[CClub::MakeId(206, 1)] = 1;
    world.stadiumKeys = {1, 2, 3, 4, 5};
    club.SetMainStadium(5);
    club.SetAlternativeStadium(1);
    CPlayer& player = world.AddPerson(0);
    player.SetSurname("Keeper");
    CPlayer& manager = world.AddPerson(1, true);
    ASSERT_TRUE(club.AddPlayer(player.Id()));
    ASSERT_TRUE(club.AddPlayer(manager.Id()));

    std::string text = SaveToText(club, world);
    ClubTestWorld other;
    CClub loaded;
    loaded.SetId(club.Id());
    ASSERT_TRUE(LoadFromText(loaded, text, other));
    EXPECT_EQ(loaded.Record(ResultRecord::kAwayDefeat).goalsA, -128);
    EXPECT_EQ(loaded.Record(ResultRecord::kAwayDefeat).season, 65535);
    EXPECT_EQ(loaded.PlayerCount(), 2u);
    ASSERT_NE(other.FindPlayer(player.Id()), nullptr);
    EXPECT_EQ(other.FindPlayer(player.Id())->Surname(), "Keeper");
    EXPECT_EQ(other.FindPlayer(manager.Id())->Role(), 1);
    EXPECT_EQ(loaded, club);
    EXPECT_EQ(SaveToText(loaded, world), text);
}

TEST(ClubSection, ReferencesAreWrittenAsTheFileNumbersThem) {
    ClubTestWorld world;
    CClub club;
    club.SetId(CClub::MakeId(7, 2));
    world.renumbering[CClub::MakeId(7, 9)] = 4;
    club.SetFriendlyClub(CClub::MakeId(7, 9) | CClub::kSecondTeamBit); // counts the number only
    club.SetRival(0, CClub::MakeId(7, 8));                             // gone: written 0
    club.SetRival(1, CClub::MakeId(7, 0xFFFF));                        // national team
    world.stadiumKeys = {2, 6};
    club.SetMainStadium(6);        // second stadium in key order
    club.SetAlternativeStadium(0); // none
    std::string text = SaveToText(club, world);
    EXPECT_NE(text.find("\r\n70004\r\n0\r\n7ffff\r\n1900\r\n"), std::string::npos);
    // Main and alternative stadium, then the facility levels.
    EXPECT_NE(text.find("\r\n2\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"),
              std::string::npos);
}

// Malformed input --------------------------------------------------------------------------------

TEST(ClubSection, TruncatedSectionLoadsWhatIsThereWithoutInventingPlayers) {
    std::string golden = ReadFile(FixturePath("club/golden.clb"));
    // Cut after the foundation year: the rest of the section and its end line are missing.
    size_t cut = golden.find("1887\r\n") + 6;
    ASSERT_NE(cut, std::string::npos);
    ClubTestWorld world;
    CClub club;
    club.SetId(kClubId);
    EXPECT_TRUE(club.SetAddress("kept"));
    ASSERT_TRUE(LoadFromText(club, golden.substr(0, cut), world));
    EXPECT_EQ(club.Name(0), "FC Example");
    EXPECT_EQ(club.FoundationYear(), 1887);
    EXPECT_EQ(club.Address(), "kept"); // strings that cannot be read stay
    EXPECT_EQ(club.StartingCapital(), 0);
    EXPECT_EQ(club.PlayerCount(), 0u);
    EXPECT_TRUE(world.players.empty());

    // Every cut of the file loads without harm.
    for (size_t length = 0; length < golden.size(); length += 7) {
        CClub any;
        any.SetId(kClubId);
        LoadFromText(any, golden.substr(0, length), world);
        EXPECT_LE(any.PlayerCount(), CClub::kMaxPlayers);
    }
}

TEST(ClubSection, PlayerCountBeyondThePlayersPresentStopsAtTheSectionEnd) {
    ClubTestWorld world;
    CClub club;
    club.SetId(kClubId);
    CPlayer& player = world.AddPerson(0);
    club.AddPlayer(player.Id());
    std::string text = SaveToText(club, world);
    text = ReplaceAll(text, "\r\n1\r\n" + std::to_string(player.Id()) + "\r\n%INDEX%PLAYER",
                      "\r\n2000000000\r\n" + std::to_string(player.Id()) + "\r\n%INDEX%PLAYER");
    ClubTestWorld other;
    CClub loaded;
    loaded.SetId(kClubId);
    ASSERT_TRUE(LoadFromText(loaded, text, other));
    EXPECT_EQ(loaded.PlayerCount(), 1u);
    EXPECT_EQ(other.players.size(), 1u);
    EXPECT_EQ(loaded.Kit(), club.Kit()); // the KIT section after the players is still found
}

TEST(ClubSection, EntryWithoutPlayerSectionIsNotKept) {
    ClubTestWorld world;
    CClub club;
    club.SetId(kClubId);
    std::string text = SaveToText(club, world);
    // Two entries promised, one ID line present and no PLAYER section.
    text = ReplaceAll(text, "\r\n0\r\n%INDEX%KIT", "\r\n2\r\n5\r\n%INDEX%KIT");
    CClub loaded;
    loaded.SetId(kClubId);
    ASSERT_TRUE(LoadFromText(loaded, text, world));
    EXPECT_EQ(loaded.PlayerCount(), 0u);
    EXPECT_TRUE(world.players.empty());
    EXPECT_EQ(world.discarded.size(), 1u);
}

TEST(ClubSection, PlayersMissingFromTheRegistryAreNotWritten) {
    ClubTestWorld world;
    CClub club;
    CPlayer& player = world.AddPerson(0);
    club.AddPlayer(player.Id());
    club.AddPlayer(999); // no such player
    std::string text = SaveToText(club, world);
    EXPECT_NE(text.find("\r\n1\r\n" + std::to_string(player.Id()) + "\r\n%INDEX%PLAYER"),
              std::string::npos);
    EXPECT_EQ(text.find("\r\n999\r\n"), std::string::npos);
}

TEST(ClubSection, MissingSectionLeavesTheClubAsItWas) {
    ClubTestWorld world;
    CClub club;
    club.SetName(0, "Unchanged");
    CClub before = club;
    FileVersion::SetLoaded(FileVersion::kCurrent);
    EXPECT_FALSE(LoadFromText(club, "%INDEX%OTHER\r\n1\r\n%INDEXEND%OTHER\r\n", world));
    EXPECT_EQ(club, before);
}

// Texts ------------------------------------------------------------------------------------------

TEST(ClubTexts, FanSiteLinesSurviveSaveAndLoad) {
    ClubTestWorld world;
    CClub club;
    ASSERT_TRUE(club.SetFanSites("one\ntwo\r\nthree\rfour\r\n"));
    EXPECT_EQ(club.FanSites(), "one\r\ntwo\r\nthree\r\nfour\r\n");
    std::string text = SaveToText(club, world);
    EXPECT_NE(text.find("\r\none\ttwo\tthree\tfour\t\r\n"), std::string::npos);
    CClub loaded;
    ASSERT_TRUE(LoadFromText(loaded, text, world));
    EXPECT_EQ(loaded.FanSites(), club.FanSites());
    EXPECT_EQ(loaded.Newspaper(), club.Newspaper()); // the values after it are in step
    EXPECT_EQ(loaded, club);
}

TEST(ClubTexts, LongFanSitesAreCutWithoutSplittingALineBreak) {
    CClub club;
    std::string text(254, 'x');
    ASSERT_TRUE(club.SetFanSites(text + "\nmore"));
    EXPECT_EQ(club.FanSites(), text); // the CR LF would have been cut in half
    ASSERT_TRUE(club.SetFanSites(std::string(253, 'y') + "\nz"));
    EXPECT_EQ(club.FanSites(), std::string(253, 'y') + "\r\n");
}

TEST(ClubTexts, TextsThatWouldNotReadBackAreRefused) {
    CClub club;
    ASSERT_TRUE(club.SetName(0, "Good"));
    EXPECT_FALSE(club.SetName(0, "Say \"hi\""));
    EXPECT_FALSE(club.SetCity(1, "two\nlines"));
    EXPECT_FALSE(club.SetAddress(";comment"));
    EXPECT_FALSE(club.SetMascot("%marker"));
    EXPECT_FALSE(club.SetFanSites("tab\there"));
    EXPECT_FALSE(club.SetTitles(CClub::kCupWins, "1950\r\n1951"));
    EXPECT_FALSE(club.SetName(5, "no slot"));
    EXPECT_FALSE(club.SetAllNames("a\"b"));
    EXPECT_EQ(club.Name(0), "Good");
    EXPECT_TRUE(club.SetAddress("Street; 5 % off")); // only a leading ';' or '%' is refused
}

TEST(ClubTexts, BadgePatternNamesEverySize) {
    CClub club;
    EXPECT_EQ(club.GetBadgePattern(), "");
    club.SetBadgeFile("Badge180\\club7.tga");
    EXPECT_EQ(club.GetBadgePattern(), "Badge%d/CLUB7.TGA");
    club.SetBadgeFile("x\\badge180\\y\\BADGE180.tga");
    EXPECT_EQ(club.GetBadgePattern(), "X/Badge%d/Y/BADGE180.TGA");
}

TEST(ClubTexts, BadgeFilesAreNormalisedOnLoad) {
    ClubTestWorld world;
    struct Case {
        const char* stored;
        const char* loaded;
    } cases[] = {{"Badges/Ab/x.tga", "Badge\\Ab\\x.tga"},
                 {"BADGES\\X.TGA", "BADGE\\X.TGA"},
                 {"club/x.bmp", "club\\x.bmp"}}; // .bmp is kept in current files
    for (const Case& c : cases) {
        CClub club;
        club.SetBadgeFile(c.stored);
        CClub loaded;
        ASSERT_TRUE(LoadFromText(loaded, SaveToText(club, world), world));
        EXPECT_EQ(loaded.BadgeFile(), c.loaded) << c.stored;
        CClub dropped;
        dropped.SetBadgeFile("own.tga");
        LoadFromText(dropped, SaveToText(club, world), world, 0, CClub::kLoadDropBadge);
        EXPECT_EQ(dropped.BadgeFile(), "own.tga");
    }
}

// The player list --------------------------------------------------------------------------------

TEST(ClubPlayers, ListRefusesThe257thPlayerAndDuplicates) {
    CClub club;
    for (uint32_t id = 1; id <= CClub::kMaxPlayers; ++id) {
        ASSERT_TRUE(club.AddPlayer(id));
    }
    EXPECT_FALSE(club.AddPlayer(CClub::kMaxPlayers + 1));
    EXPECT_EQ(club.PlayerCount(), CClub::kMaxPlayers);
    EXPECT_TRUE(club.RemovePlayer(10));
    EXPECT_EQ(club.PlayerId(9), 11u);
    EXPECT_EQ(club.PlayerId(CClub::kMaxPlayers - 1), 0u);
    EXPECT_FALSE(club.AddPlayer(11));
    EXPECT_FALSE(club.AddPlayer(0));
    EXPECT_FALSE(club.RemovePlayer(10));
}

TEST(ClubPlayers, RenumberingGivesTheListThatAddingTheNewIdsInOrderGives) {
    test::SmallRandom next(31);
    for (int round = 0; round < 200; ++round) {
        CClub renumbered;
        const uint32_t count = next(CClub::kMaxPlayers + 1);
        for (uint32_t id = 1; id <= count; ++id) {
            renumbered.AddPlayer(id * 3);
        }
        // Distinct new IDs, some of them 0 (players gone).
        std::vector<uint32_t> newIds(count * 3 + 1, 0);
        for (uint32_t id = 1; id <= count; ++id) {
            newIds[id * 3] = next(4) == 0 ? 0 : 100000 + next(1000) * 1000 + id;
        }
        CClub added;
        for (uint32_t i = 0; i < renumbered.PlayerCount(); ++i) {
            added.AddPlayer(newIds[renumbered.PlayerId(i)]);
        }
        renumbered.RenumberPlayers([&newIds](uint32_t id) { return newIds[id]; });
        ASSERT_EQ(renumbered.PlayerCount(), added.PlayerCount());
        for (uint32_t i = 0; i < CClub::kMaxPlayers; ++i) {
            ASSERT_EQ(renumbered.PlayerId(i), added.PlayerId(i)) << i;
        }
        EXPECT_TRUE(renumbered == added); // the places behind the list are empty as well
        // The list stays usable: the place freed at the end takes a new ID.
        EXPECT_EQ(renumbered.AddPlayer(7), added.AddPlayer(7));
        EXPECT_EQ(renumbered.PlayerCount(), added.PlayerCount());
    }
}

TEST(ClubPlayers, LoadRefusesPlayersBeyond256AndSaysSo) {
    ClubTestWorld world;
    CClub club;
    club.SetId(kClubId);
    for (uint32_t i = 0; i < CClub::kMaxPlayers; ++i) {
        club.AddPlayer(world.AddPerson(0).Id());
    }
    std::string text = SaveToText(club, world);
    // One more entry in the file than a club can list.
    uint32_t extraId = 5000;
    std::string extra = "\r\n" + std::to_string(extraId) + "\r\n%INDEX%PLAYER\r\nExtra\r\n" +
                        "Player\r\n%INDEXEND%PLAYER\r\n%INDEX%KIT";
    text = ReplaceAll(text, "\r\n256\r\n1\r\n%INDEX%PLAYER", "\r\n257\r\n1\r\n%INDEX%PLAYER");
    text = ReplaceAll(text, "\r\n%INDEX%KIT", extra);
    ClubTestWorld other;
    CClub loaded;
    loaded.SetId(kClubId);
    ASSERT_TRUE(LoadFromText(loaded, text, other));
    EXPECT_EQ(loaded.PlayerCount(), CClub::kMaxPlayers);
    EXPECT_EQ(loaded.RefusedPlayerCount(), 1u);
    EXPECT_EQ(other.players.size(), CClub::kMaxPlayers); // not registered behind the list
    EXPECT_EQ(other.FindPlayer(extraId), nullptr);
    EXPECT_EQ(loaded.Kit(), club.Kit());
}

TEST(ClubPlayers, DetailTotalSumsTheListedPlayers) {
    ClubTestWorld world;
    CClub club;
    CPlayer& a = world.AddPerson(0);
    CPlayer& b = world.AddPerson(0);
    a.SetAbility(CPlayer::kPace, 1);
    b.SetTrait(CPlayer::kLeadership, 3);
    club.AddPlayer(a.Id());
    club.AddPlayer(b.Id());
    int32_t expected = a.GetDetailValue() + b.GetDetailValue();
    EXPECT_EQ(club.RecomputeDetailTotal(world), expected);
    CClub loaded;
    ASSERT_TRUE(LoadFromText(loaded, SaveToText(club, world), world));
    EXPECT_EQ(loaded.DetailTotal(), expected);
}

// Older files
// --------------------------------------------------------------------------------------

// A club section without VERSION, in the layout of the first files.
std::string OldClubSection(const std::string& badge, int importantMatch) {
    std::string lines[] = {
        "%INDEX%CLUB0", "\"Old\",\"Alt\",\"\",\"\",\"\"", "\"O\"", "2", "1", "0", "OLD", "3",
        "\"Oldtown\"", "Fans", "", "70002", "0", "0", "1901", "Addr", "Tel", "Web", "Sites",
        "Paper", "Masc", "100", "0", "0", "0", "0", "1000", std::to_string(importantMatch), "10",
        "1", "2", "3", "4", "5", "2", "0",
        // facilities: centre, medical, merchandising, youth, training (no PR, research)
        "1", "2", "3", "4", "5", "0", badge,
        // no club values B; HIST
        "%INDEX%HIST", "1950", "", "", "", "", "", "", "", "%INDEXEND%HIST",
        // latitude (negative, degrees 95 minutes 70), longitude (negative 180 degrees)
        std::to_string(-((95 << 16) | 70)), std::to_string(-(180 << 16)),
        // players, kit
        "0", "%INDEX%KIT", "0", "0", "3", "0", "1", "22", "23", "0", "0", "0", "0", "0", "0", "0",
        "0", "43", "12", "4", "5", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "7",
        "%INDEXEND%KIT", "%INDEXEND%CLUB0"};
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

TEST(ClubOldFiles, FilesWithoutVersionAreConverted) {
    ClubTestWorld world;
    CClub club;
    club.SetId(CClub::MakeId(7, 2));
    ASSERT_TRUE(LoadFromText(club, OldClubSection("Badges/x.bmp", 215000), world));
    EXPECT_EQ(FileVersion::LoadedMajor(), 0u);
    EXPECT_EQ(club.Name(1), "Alt");
    EXPECT_EQ(club.Article(CClub::kArticleClubName, 0), 2);
    EXPECT_EQ(club.Article(CClub::kArticleSecondFanName, 0), 0);
    EXPECT_EQ(club.Abbreviation(0), "OLD");
    EXPECT_EQ(club.AbbreviationArticle(0), 3);
    EXPECT_EQ(club.City(0), "Oldtown");
    EXPECT_EQ(club.FriendlyClub(), 0x00070002u);
    EXPECT_EQ(club.FacilityLevel(CClub::kMedicalDepartment), 2);
    EXPECT_EQ(club.FacilityLevel(CClub::kMerchandising), 3);
    EXPECT_EQ(club.FacilityLevel(CClub::kPublicRelations), 0);
    EXPECT_EQ(club.BadgeFile(), "Badge\\x.tga");
    EXPECT_EQ(club.Titles(CClub::kChampionships), "1950");
    EXPECT_EQ(club.Latitude(), -(90 << 16));
    EXPECT_EQ(club.Longitude(), -(179 << 16));
    EXPECT_EQ(club.Prestige(), 20);
    EXPECT_EQ(club.TransferCountry(0), 7);
    EXPECT_EQ(club.TransferCountry(1), 0);
    EXPECT_EQ(club.YouthCountry(), 7);
    // Kit: first style 0 -> 30, second 0 -> 1, third 3 -> 4; colours through the old table.
    EXPECT_EQ(club.Kit().styles[0][0], 30);
    EXPECT_EQ(club.Kit().styles[0][1], 1);
    EXPECT_EQ(club.Kit().styles[0][2], 4);
    EXPECT_EQ(club.Kit().colours[0][0], 18);
    EXPECT_EQ(club.Kit().colours[0][1], 19);
    EXPECT_EQ(club.Kit().colours[0][2], 63);
    EXPECT_EQ(club.Kit().colours[0][3], 0);
    EXPECT_EQ(club.Kit().styles[1][0], 0);  // above 42
    EXPECT_EQ(club.Kit().styles[1][1], 13); // 12 + 1
    EXPECT_EQ(club.Kit().styles[1][2], 0);  // above 3
    EXPECT_EQ(club.Kit().colourEntry, 7);

    CClub lower;
    lower.SetId(CClub::MakeId(7, 2));
    ASSERT_TRUE(LoadFromText(lower, OldClubSection(".bmp", 45000), world));
    EXPECT_EQ(lower.Prestige(), 4);
    EXPECT_EQ(lower.BadgeFile(), ".tga");
    ASSERT_TRUE(LoadFromText(lower, OldClubSection("bmp", 45000), world));
    EXPECT_EQ(lower.BadgeFile(), "bmp");
}

std::string WithVersion(std::string text, uint32_t version) {
    return ReplaceAll(text, "%INDEX%VERSION\r\n537133064\r\n",
                      "%INDEX%VERSION\r\n" + std::to_string(version) + "\r\n");
}

TEST(ClubOldFiles, ValuesAddedByLaterVersionsAreReadOnlyFromThem) {
    ClubTestWorld world;
    CClub club = GoldenClub();
    club.SetLatitude(-((95 << 16) | 3));
    SetUpGoldenWorld(world);
    std::string current = SaveToText(club, world);

    // Minor 3: no club value A; the line that holds it is passed over with the section end.
    CClub minor3;
    minor3.SetId(kClubId);
    ASSERT_TRUE(LoadFromText(minor3, WithVersion(current, 0x20040003), world));
    EXPECT_EQ(minor3.ClubValueA(), 0);
    EXPECT_EQ(minor3.ColourEntry(), 65535);
    EXPECT_EQ(minor3.Latitude(), -((95 << 16) | 3)); // current major: clamped only after load
    minor3.PostLoadCheck(world);
    EXPECT_EQ(minor3.Latitude(), -(90 << 16));

    // Major 0x2003: negative coordinates are rebuilt and the kit converted.
    CClub old;
    old.SetId(kClubId);
    ASSERT_TRUE(LoadFromText(old, WithVersion(current, 0x20030001), world));
    EXPECT_EQ(old.Latitude(), -(90 << 16));
    EXPECT_EQ(old.Kit().styles[0][1], 13); // old second styles count from 0
    EXPECT_EQ(old.Kit().colours[1][0], 19);
}

TEST(ClubOldFiles, ColourEntryOfMinorBelow6ComesFromTheColourTable) {
    ClubTestWorld world;
    SetUpGoldenWorld(world);
    std::string text = WithVersion(SaveToText(GoldenClub(), world), 0x20040005);
    world.languageSlot = 1;
    world.colours["Beispiel"] = 77; // short name of slot 1
    CClub club;
    club.SetId(kClubId);
    ASSERT_TRUE(LoadFromText(club, text, world));
    EXPECT_EQ(club.ColourEntry(), 77);
    EXPECT_EQ(club.Kit().colourEntry, 77);
    world.colours["FC Beispiel"] = 78; // the name goes first
    ASSERT_TRUE(LoadFromText(club, text, world));
    EXPECT_EQ(club.ColourEntry(), 78);
    CClub current;
    std::string minor6 = WithVersion(SaveToText(GoldenClub(), world), 0x20040006);
    ASSERT_TRUE(LoadFromText(current, minor6, world));
    EXPECT_EQ(current.ColourEntry(), 65535);
}

// Checks
// -------------------------------------------------------------------------------------------

TEST(ClubChecks, PostLoadCheckBringsValuesIntoRange) {
    ClubTestWorld world;
    CClub club;
    club.SetId(CClub::MakeId(7, 1));
    CClub raw = club;
    ClubKit kit;
    kit.styles[0][0] = 200;
    kit.styles[1][1] = 13;
    kit.styles[1][2] = 4;
    club.SetKit(kit);
    club.SetFriendlyClub(CClub::MakeId(8, 1)); // another country
    club.SetRival(0, CClub::MakeId(7, 4));
    club.SetRival(1, CClub::MakeId(7, 5) | CClub::kSecondTeamBit);
    club.SetLongitude(-((180 << 16) | 5));
    club.SetPrestige(99);
    club.SetYouthCountry(207);
    world.renumbering[CClub::MakeId(7, 4)] = 4;
    world.renumbering[CClub::MakeId(7, 5)] = 5;
    // A facility level of 6 can only come from a file.
    for (int i = 0; i < 5; ++i)
        club.SetFacilityLevel(static_cast<CClub::Facility>(i), static_cast<uint8_t>(5 - i));
    std::string text = ReplaceAll(SaveToText(club, world), "\r\n5\r\n3\r\n4\r\n2\r\n1\r\n",
                                  "\r\n6\r\n3\r\n4\r\n2\r\n1\r\n");
    CPlayer& player = world.AddPerson(0);
    player.SetAbility(CPlayer::kPace, 11);
    ASSERT_TRUE(LoadFromText(raw, text, world));
    raw.AddPlayer(player.Id());
    EXPECT_EQ(raw.FacilityLevel(CClub::kClubCentre), 6);
    raw.PostLoadCheck(world);
    EXPECT_EQ(raw.FacilityLevel(CClub::kClubCentre), 0);
    EXPECT_EQ(raw.Kit().styles[0][0], 42);
    EXPECT_EQ(raw.Kit().styles[1][1], 12);
    EXPECT_EQ(raw.Kit().styles[1][2], 3);
    EXPECT_EQ(raw.FriendlyClub(), 0u);
    EXPECT_EQ(raw.Rival(0), CClub::MakeId(7, 4));
    EXPECT_EQ(raw.Rival(1), CClub::MakeId(7, 5));
    EXPECT_EQ(raw.FacilityLevel(CClub::kMedicalDepartment), 3);
    EXPECT_EQ(raw.Longitude(), -(179 << 16));
    EXPECT_EQ(raw.Prestige(), 20);
    EXPECT_EQ(raw.YouthCountry(), 0);
    EXPECT_EQ(player.Ability(CPlayer::kPace), 10); // the players are checked too
}

TEST(ClubChecks, CoordinatesArePackedByTheClampingRules) {
    EXPECT_EQ(CClub::PackLatitude(51, 30, false), (51 << 16) | 30);
    EXPECT_EQ(CClub::PackLatitude(91, 10, false), 90 << 16);
    EXPECT_EQ(CClub::PackLatitude(45, 75, true), -((45 << 16) | 59));
    EXPECT_EQ(CClub::PackLongitude(180, 30, false), 180 << 16);
    EXPECT_EQ(CClub::PackLongitude(180, 0, true), -(179 << 16));
    EXPECT_EQ(CClub::ClampLongitude(INT32_MIN), -(179 << 16));
    EXPECT_EQ(CClub::ClampLatitude((12 << 16) | 59), (12 << 16) | 59);
}

TEST(ClubChecks, CompletenessFollowsClubCentreAndMedicalLevels) {
    ClubTestWorld world;
    CClub club;
    club.SetFacilityLevel(CClub::kClubCentre, 1);
    club.SetFacilityLevel(CClub::kMedicalDepartment, 5);
    for (int i = 0; i < 3; ++i)
        club.AddPlayer(world.AddPerson(4).Id());
    club.AddPlayer(world.AddPerson(1).Id()); // a manager is no staff member
    EXPECT_EQ(club.CheckCompleteness(world), 0u);
    club.AddPlayer(world.AddPerson(5, true).Id());
    EXPECT_EQ(club.CheckCompleteness(world), uint32_t{CClub::kTooManyStaffForLevel1});
    club.SetFacilityLevel(CClub::kClubCentre, 0);
    EXPECT_EQ(club.CheckCompleteness(world), uint32_t{CClub::kNoStaffWithoutClubCentre});
    club.SetFacilityLevel(CClub::kClubCentre, 2);
    EXPECT_EQ(club.CheckCompleteness(world), 0u);
    club.AddPlayer(world.AddPerson(6).Id());
    EXPECT_EQ(club.CheckCompleteness(world), 0u); // five staff members
    club.AddPlayer(world.AddPerson(7).Id());
    EXPECT_EQ(club.CheckCompleteness(world), uint32_t{CClub::kTooManyStaffForLevel2});
    club.SetFacilityLevel(CClub::kClubCentre, 3);

    club.AddPlayer(world.AddPerson(11).Id());
    club.SetFacilityLevel(CClub::kMedicalDepartment, 0);
    EXPECT_EQ(club.CheckCompleteness(world),
              uint32_t{CClub::kNoMedicalStaffAtLevel0 | CClub::kNoTeamDoctorAtLevel0});
    club.SetFacilityLevel(CClub::kMedicalDepartment, 1);
    club.AddPlayer(world.AddPerson(15).Id());
    club.AddPlayer(world.AddPerson(16).Id());
    club.AddPlayer(world.AddPerson(13).Id());
    EXPECT_EQ(club.CheckCompleteness(world),
              uint32_t{CClub::kPsychotherapistNeedsLevel2 | CClub::kPhysiologistNeedsLevel3 |
                       CClub::kSpecialistNeedsLevel4});
    club.SetFacilityLevel(CClub::kMedicalDepartment, 3);
    EXPECT_EQ(club.CheckCompleteness(world), uint32_t{CClub::kSpecialistNeedsLevel4});
    club.SetFacilityLevel(CClub::kMedicalDepartment, 4);
    EXPECT_EQ(club.CheckCompleteness(world), 0u);
    EXPECT_EQ(CClub::CompletenessMessageId(CClub::kTooManyStaffForLevel1), 767);
    EXPECT_EQ(CClub::CompletenessMessageId(CClub::kSpecialistNeedsLevel4), 773);
}

TEST(ClubChecks, SquadNeeds14PlayersAndSingleOfficials) {
    ClubTestWorld world;
    CClub club;
    for (int i = 0; i < 13; ++i)
        club.AddPlayer(world.AddPerson(0).Id());
    club.AddPlayer(world.AddPerson(0, true).Id()); // reserves do not count
    EXPECT_EQ(club.CheckSquad(world), uint32_t{CClub::kTooFewPlayers});
    club.AddPlayer(world.AddPerson(0).Id());
    EXPECT_EQ(club.CheckSquad(world), 0u);
    club.AddPlayer(world.AddPerson(1).Id());
    club.AddPlayer(world.AddPerson(1).Id());
    club.AddPlayer(world.AddPerson(2, true).Id());
    club.AddPlayer(world.AddPerson(2, true).Id());
    club.AddPlayer(world.AddPerson(3, true).Id());
    EXPECT_EQ(club.CheckSquad(world), uint32_t{CClub::kTwoManagers | CClub::kTwoReserveChairmen |
                                               CClub::kReservePresident});
    world.AddPerson(0); // not listed: no effect
    CPlayer& nameless = world.AddPerson(0);
    nameless.SetFirstName("");
    club.AddPlayer(nameless.Id());
    EXPECT_NE(club.CheckSquad(world) & CClub::kBadName, 0u);
    EXPECT_EQ(CClub::SquadMessageId(CClub::kBadName), 674);
    EXPECT_EQ(CClub::SquadMessageId(CClub::kTwoReserveManagers), 0);
}

TEST(ClubChecks, SeasonFlagsClearWhatExcludesThem) {
    CClub club;
    club.SetSeasonFlag(CClub::kRelegated, false, true);
    club.SetSeasonFlag(CClub::kPromoted, true, true);
    club.SetSeasonFlag(CClub::kPromoted, false, true); // clears first-team relegation
    EXPECT_EQ(club.SeasonFlags(), 0x03);
    club.SetSeasonFlag(CClub::kCupWinner, true, true);
    club.SetSeasonFlag(CClub::kCupFinalist, false, true);
    EXPECT_EQ(club.SeasonFlags(), 0x03 | 0x20 | 0x40);
    club.SetSeasonFlag(CClub::kCupWinner, false, true); // clears own final and other's win
    EXPECT_EQ(club.SeasonFlags(), 0x03 | 0x10);
    club.SetSeasonFlag(CClub::kCupFinalist, true, true); // clears own win (none) and other final
    club.SetSeasonFlag(CClub::kPromoted, true, false);
    EXPECT_EQ(club.SeasonFlags(), 0x01 | 0x10 | 0x80);
    EXPECT_TRUE(club.HasSeasonFlag(CClub::kCupFinalist, true));
}

TEST(ClubDefaults, NewClubsAndDefaultNames) {
    CClub club;
    EXPECT_EQ(club.FoundationYear(), 1900);
    EXPECT_EQ(club.Kit().styles[1][2], 1);
    EXPECT_EQ(club.Kit().colours[0][0], 1);
    EXPECT_EQ(club.Kit().colours[0][1], 0);
    CClub first;
    CClub second;
    first.SetDefaults(12);
    second.SetDefaults(12);
    uint32_t n = first.ClubNumber();
    EXPECT_EQ(first.Name(4), "Club " + std::to_string(n));
    EXPECT_EQ(second.ClubNumber(), n + 1);
    EXPECT_EQ(first.CountryNumber(), 12);
    EXPECT_EQ(first.YouthCountry(), 12);
    EXPECT_EQ(CClub::MakeId(3, 0xFFFF) | CClub::kSecondTeamBit, 0x0103FFFFu);
    first.SetId(0x0103FFFF);
    EXPECT_TRUE(first.IsNationalTeam());
    EXPECT_EQ(first.Id(), 0x0003FFFFu);
}

} // namespace
} // namespace tallo
