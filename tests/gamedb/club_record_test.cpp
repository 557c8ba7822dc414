#include "gamedb/club_record.h"

#include <string>

#include <gtest/gtest.h>

#include "gamedb/record_test_leagues.h"
#include "gamedb/record_test_support.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/result_record.h"
#include "world/stadium.h"

namespace tallo::test {
namespace {

constexpr uint32_t kAlpha = 0x000E0001; // club 1 of country 14
constexpr uint32_t kBeta = 0x000E0002;  // club 2 of country 14

// "  %-30s" of the name in slot 0 (20 characters, so 10 blanks of padding).
const std::string kPaddedName = "  FC Alpha Rovers Town" + std::string(10, ' ');

std::string YearList(std::string_view titles) {
    RecordBuild build;
    return build.Run(
        [&](MasterBuffer& buffer, const MasterBuildContext&) { WriteYearList(buffer, titles); });
}

TEST(ClubRecord, TitleYearsStopAtTheFirstNumberBelow1800) {
    EXPECT_EQ(YearList("1950,1960,1790,1999"), ExpectedBytes().U16(1950).U16(1960).U16(0).Bytes());
    EXPECT_EQ(YearList("\"1901, 1902"), ExpectedBytes().U16(1901).U16(1902).U16(0).Bytes());
    // Only a text that begins with a digit is read.
    EXPECT_EQ(YearList(" 1950"), ExpectedBytes().U16(0).Bytes());
    EXPECT_EQ(YearList("none"), ExpectedBytes().U16(0).Bytes());
    EXPECT_EQ(YearList(""), ExpectedBytes().U16(0).Bytes());
    // An empty piece reads as 0 and ends the list.
    EXPECT_EQ(YearList("1950,,1960"), ExpectedBytes().U16(1950).U16(0).Bytes());
}

TEST(ClubRecord, TitleYearsAbove65535AreLeftOutInsteadOfCut) {
    // 70000 would be 4464 in 16 bits; 99999999999 would overflow a 32-bit read.
    EXPECT_EQ(YearList("1950,70000,99999999999,2001"),
              ExpectedBytes().U16(1950).U16(2001).U16(0).Bytes());
    EXPECT_EQ(YearList("65535"), ExpectedBytes().U16(65535).U16(0).Bytes());
}

TEST(ClubRecord, TitleTextIsReadUpTo511Characters) {
    std::string text;
    while (text.size() < 510) {
        text += "1900,";
    }
    // 102 years in 510 characters, then "2000" of which only "2" falls inside the limit and
    // ends the list as a number below 1800.
    std::string bytes = YearList(text + "2000");
    EXPECT_EQ(bytes.size(), 102u * 2 + 2);
    EXPECT_EQ(ReadU16(bytes, bytes.size() - 2), 0);
}

TEST(ClubRecord, ResultRecordsOrderTheGoals) {
    RecordBuild build;
    ResultRecord record;
    record.goalsA = 1;
    record.goalsB = 3;
    record.attendance = 40000;
    record.opponent = "A very long opponent name";
    record.season = 1999;
    auto write = [&](bool win, bool console) {
        return build.Run([&](MasterBuffer& buffer, const MasterBuildContext&) {
            WriteResultRecord(buffer, record, win, console);
        });
    };
    // clang-format off
    EXPECT_EQ(write(true, false), ExpectedBytes()
        .U8(3).U8(1)                    // a win: the larger count first
        .U32(40000)                     // attendance
        .Str("A very long opponent ")   // opponent cut to 21 characters
        .U16(1999).Bytes());            // season
    record.goalsA = 3;
    record.goalsB = 1;
    EXPECT_EQ(write(false, false), ExpectedBytes()
        .U8(1).U8(3)                    // a defeat: the smaller count first
        .U32(40000).Str("A very long opponent ").U16(1999).Bytes());
    EXPECT_EQ(write(true, true), ExpectedBytes()
        .U8(0).U8(0).U32(0).Str("").U16(0).Bytes()); // console: always empty
    // clang-format on
}

TEST(ClubRecord, CoordinatesBecomeSignedMinutes) {
    EXPECT_EQ(GameCoordinate(CClub::PackLatitude(51, 30, true)), -3090);
    EXPECT_EQ(GameCoordinate(CClub::PackLongitude(13, 24, false)), 804);
    EXPECT_EQ(GameCoordinate(CClub::PackLongitude(180, 0, false)), 10800);
    EXPECT_EQ(GameCoordinate(0), 0);
}

TEST(ClubRecord, LeagueCodeOfTheFirstLeagueListingTheClub) {
    RecordBuild build;
    CCountry& spain = *build.world.GetCountry(14);
    CClub& club = *spain.CreateClub("Alpha");
    RecordLeagues leagues(build.world);
    leagues.Add(14, 0, 0);
    leagues.Add(14, 1, 1);
    CDBLeague& third = leagues.Add(14, 2, 2, {club.Id()});
    EXPECT_EQ(ClubLeagueCode(build.world, club), 60); // level 2 of country 14

    third.SetLevel(5); // beyond the country's four codes
    EXPECT_EQ(ClubLeagueCode(build.world, club), 0);

    third.SetLevel(-1);
    EXPECT_EQ(ClubLeagueCode(build.world, club), 0);

    // The first league from number 0 upward decides.
    third.SetLevel(2);
    leagues.Add(14, 7, 3, {club.Id()});
    EXPECT_EQ(ClubLeagueCode(build.world, club), 60);

    // A club of a country without codes, and a club in no league.
    CClub& other = *build.world.GetCountry(15)->CreateClub("Other");
    leagues.Add(15, 0, 0, {other.Id()});
    EXPECT_EQ(ClubLeagueCode(build.world, other), 0);
    CClub& idle = *spain.CreateClub("Idle");
    EXPECT_EQ(ClubLeagueCode(build.world, idle), 0);
    // A reserve team in a league does not make the club a member.
    CClub& reserves = *spain.CreateClub("Reserves");
    leagues.Add(14, 8, 0, {reserves.Id() | ClubId::kSecondTeamBit});
    EXPECT_EQ(ClubLeagueCode(build.world, reserves), 0);
}

TEST(ClubRecord, LeagueSlotTakesTheLastLevelAndClampsPenaltyPoints) {
    RecordBuild build;
    CCountry& country = *build.world.GetCountry(20);
    CClub& club = *country.CreateClub("Alpha");
    // Level 0: league 0; level 1: leagues 1 and 2; level 2: league 3.
    const uint8_t first[] = {0, 1, 3, 0, 0};
    const uint8_t end[] = {1, 3, 4, 0, 0};
    for (int k = 0; k < 5; ++k) {
        country.firstLeagueIndex[k] = first[k];
        country.endLeagueIndex[k] = end[k];
    }
    RecordLeagues leagues(build.world);
    leagues.Add(20, 0, 0);
    leagues.Add(20, 1, 1);
    CDBLeague& second = leagues.Add(20, 2, 1);

    club.SetPenaltyPoints(3);
    EXPECT_EQ(ClubLeagueSlot(build.world, club), 0x63); // in no league: slot 6

    second.AddTeam(club.Id());
    EXPECT_EQ(ClubLeagueSlot(build.world, club), 0x13);

    leagues.Add(20, 3, 2, {club.Id()});
    EXPECT_EQ(ClubLeagueSlot(build.world, club), 0x23); // the last matching level wins

    // Penalty points above 15 would spill into the slot bits.
    club.SetPenaltyPoints(20);
    EXPECT_EQ(ClubLeagueSlot(build.world, club), 0x2F);
}

// Country 14 with clubs Alpha (1) and Beta (2), two leagues, a stadium and a listed staff
// member.
struct ClubWorld {
    explicit ClubWorld(uint32_t options = 0, int language = 0)
        : build(options, language), leagues(build.world) {
        CCountry& country = *build.world.GetCountry(14);
        country.languages[0] = 3;
        country.firstLeagueIndex[0] = 0;
        country.endLeagueIndex[0] = 1;
        country.firstLeagueIndex[1] = 1;
        country.endLeagueIndex[1] = 2;
        alpha = country.CreateClub("Alpha");
        country.CreateClub("Beta");
        leagues.Add(14, 0, 0, {kBeta});
        leagues.Add(14, 1, 1, {kAlpha});

        Stadium arena;
        arena.SetName("Arena");
        arena.SetCity("Alphaville");
        arena.model = 5;
        arena.sizeClass = 0x81;
        for (int stand = 0; stand < Stadium::kStandCount; ++stand) {
            arena.seats[stand] = 100 * (stand + 1);
            arena.terraces[stand] = 10 * (stand + 1);
        }
        arena.vip[0] = 5;
        arena.seasonTicketStands = 0x01; // main stand
        arena.awayStands = 0x10;         // north-west corner
        country.stadiums.Add(arena);

        CPlayer& staff = *build.world.CreatePlayer(900, false);
        staff.SetRole(5);
        staff.SetFirstName("Tom");
        staff.SetSurname("Lee");
        staff.SetLanguageByte(0, 0);
        staff.SetNationality(14); // pool 3 from the country
        alpha->AddPlayer(900);
        alpha->AddPlayer(901); // listed, but no such player

        FillAlpha(*alpha);
    }

    static void FillAlpha(CClub& c) {
        c.SetName(0, "FC Alpha Rovers Town");
        c.SetShortName(0, "Alpha");
        c.SetName(1, "Alpha");
        c.SetShortName(1, "A");
        c.SetName(2, "Sporting Club Alphaville");
        c.SetShortName(2, "");
        for (int slot = 3; slot < 5; ++slot) {
            c.SetName(slot, "");
            c.SetShortName(slot, "");
        }
        const uint8_t articles[3][5] = {{1, 2, 3, 4, 5}, {0, 0, 0, 0, 1}, {2, 0, 0, 0, 0}};
        for (int text = 0; text < 3; ++text) {
            for (int slot = 0; slot < 5; ++slot) {
                c.SetArticle(static_cast<CClub::ArticleText>(text), slot, articles[text][slot]);
            }
        }
        for (int slot = 0; slot < 5; ++slot) {
            c.SetAbbreviationArticle(slot, static_cast<uint8_t>(9 - slot));
        }
        c.SetAbbreviation(0, "FCA");
        c.SetCity(0, "Alphaville");
        c.SetCity(1, "Alfa");
        c.SetFanName("Alphas");
        c.SetMascot("Ally");
        c.SetAddress("Main St 1");
        c.SetTelephone("123");
        c.SetWebSite("www.a.example");
        c.SetFanSites("a\r\nb");
        c.SetNewspaper("Daily");
        c.SetFriendlyClub(2);
        c.SetRival(0, 0x00050002); // only the club number counts: Beta
        c.SetRival(1, 0);
        c.SetFoundationYear(1898);
        c.SetLatitude(CClub::PackLatitude(51, 30, true));
        c.SetLongitude(CClub::PackLongitude(13, 24, false));
        c.SetBadgeFile("Badge180\\club7.tga");
        c.SetColourEntry(17);
        c.SetClubValueA(999);
        for (int i = 0; i < 3; ++i) {
            c.SetClubValueB(i, static_cast<uint8_t>(i + 1));
        }
        c.SetPenaltyPoints(3);
        c.SetStartingCapital(2500000);
        c.SetStockCompany(true);
        c.SetFacilityLevel(CClub::kClubCentre, 1);
        c.SetFacilityLevel(CClub::kMerchandising, 2);
        c.SetFacilityLevel(CClub::kMedicalDepartment, 3);
        c.SetFacilityLevel(CClub::kYouthDepartment, 4);
        c.SetFacilityLevel(CClub::kTrainingGrounds, 5);
        c.SetFacilityLevel(CClub::kPublicRelations, 0);
        c.SetFacilityLevel(CClub::kResearchDepartment, 1);
        c.SetSeasonFlags(0x11);
        const int32_t stats[] = {100, 50, 80, 40, 2};
        for (int i = 0; i < 5; ++i) {
            c.SetLeagueStatistic(static_cast<CClub::Statistic>(i), stats[i]);
        }
        c.SetTitles(CClub::kChampionships, "1950,1960,1790,1999");
        c.SetTitles(CClub::kCupWins, "\"1901");
        c.SetTitles(CClub::kEuropeanCupWins, "1977");
        ResultRecord homeWin;
        homeWin.goalsA = 1;
        homeWin.goalsB = 3;
        homeWin.opponent = "Beta";
        homeWin.season = 1999;
        c.SetRecord(ResultRecord::kHomeWin, homeWin);
        ResultRecord homeDefeat;
        homeDefeat.goalsA = 3;
        homeDefeat.goalsB = 1;
        c.SetRecord(ResultRecord::kHomeDefeat, homeDefeat);
        ResultRecord attendance;
        attendance.attendance = 50000;
        attendance.opponent = "Beta";
        attendance.season = 2001;
        c.SetRecord(ResultRecord::kAttendance, attendance);
        c.SetAttendanceValue(CClub::kMidSeasonAttendance, 30000);
        c.SetAttendanceValue(CClub::kImportantMatchAttendance, 45000);
        c.SetAttendanceValue(CClub::kSeasonTickets, 12000);
        c.SetPrestige(12);
        c.SetTransferCountry(0, 14);
        c.SetTransferCountry(1, 7);
        c.SetYouthCountry(14);
        c.SetCityPhoto("city.tga");
        c.SetMainStadium(1);
        c.SetAlternativeStadium(7); // names no stadium of the country
        ClubKit kit;
        const uint8_t styles[2][3] = {{1, 2, 3}, {4, 5, 6}};
        for (int k = 0; k < 2; ++k) {
            for (int s = 0; s < 3; ++s) {
                kit.styles[k][s] = styles[k][s];
            }
            for (int b = 0; b < 12; ++b) {
                kit.colours[k][b] = static_cast<uint8_t>(k * 12 + b + 1);
            }
        }
        kit.colourEntry = 5;
        c.SetKit(kit);
    }

    std::string Write(CClub& club) {
        return build.Run([&](MasterBuffer& buffer, const MasterBuildContext& context) {
            WriteClubRecord(buffer, context, club);
        });
    }

    RecordBuild build;
    RecordLeagues leagues;
    CClub* alpha = nullptr;
};

// The stadium "Arena" as the game stores it: stands in game order (editor stands 0, 4, 2, 6,
// 1, 7, 3, 5).
ExpectedBytes ArenaRecord(uint8_t model) {
    ExpectedBytes e;
    // clang-format off
    e.U8(0x81)                                                    // size class, model flag
        .Str("Arena").Str("Alphaville")                           // name, city
        .U8(model)
        .U32(100).U32(500).U32(300).U32(700).U32(200).U32(800).U32(400).U32(600) // seats
        .U32(10).U32(50).U32(30).U32(70).U32(20).U32(80).U32(40).U32(60)         // terraces
        .U32(5).U32(0).U32(0).U32(0).U32(0).U32(0).U32(0).U32(0)                 // VIP
        .U8(0x01)                                                 // season tickets: main stand
        .U8(0x02);                                                // away: north-west is game 1
    // clang-format on
    return e;
}

TEST(ClubRecord, ClubOfTheNormalDatabaseByteForByte) {
    ClubWorld world;
    std::string bytes = world.Write(*world.alpha);

    ExpectedBytes body;
    // clang-format off
    body.Str("FC Alpha Rovers Town").Str("Alpha")     // slot 0: name, short name
        .Str("Alpha").Str("Alpha")                    // slot 1: short name "A" too short
        .Str("Sporting Club Alphaville").Str("Sporting Cl") // slot 2: name cut to 11
        .Str("").Str("").Str("").Str("")              // slots 3 and 4
        .U32(15).U8(1).U8(2).U8(3).U8(4).U8(5)        // articles: club name
        .U8(0).U8(0).U8(0).U8(0).U8(1)                //           fan name
        .U8(2).U8(0).U8(0).U8(0).U8(0)                //           second fan name
        .U8(9).U8(8).U8(7).U8(6).U8(5)                // articles of the abbreviation
        .Str("FCA").Str("Alphaville")                 // slot 0: abbreviation, city
        .Str("").Str("Alfa")                          // slot 1
        .Str("").Str("").Str("").Str("").Str("").Str("") // slots 2 to 4
        .Str("Alphas").Str("").Str("Ally")            // fan names, mascot
        .Str("Main St 1").Str("123").Str("www.a.example") // address, telephone, web
        .Str("a\r\nb").Str("Daily")                   // fan sites, newspaper
        .U32(kBeta).U32(kBeta).U32(0)                 // friendly club, rivals (game form)
        .U16(1898)                                    // foundation year
        .U32(static_cast<uint32_t>(-3090))            // latitude: 51 deg 30 min, negative
        .U32(804)                                     // longitude: 13 deg 24 min
        .Str("Badge%d/CLUB7.TGA")                     // badge pattern
        .U16(17)                                      // colour entry
        .U16(14)                                      // league code: level 1 of country 14
        .U8(1).U8(2).U8(3)                            // club values B
        .U8(0x13)                                     // league slot 1, penalty points 3
        .U32(2500000)                                 // starting capital
        .U8(1)                                        // stock company
        .U8(1).U8(3).U8(2).U8(4).U8(5).U8(0).U8(1)    // centre, medical, merchandising, ...
        .U8(0x11)                                     // season flags
        .U32(100).U32(50).U32(80).U32(40).U32(2)      // first-league statistics
        .U16(1950).U16(1960).U16(0)                   // championships (1790 ends the list)
        .U16(1901).U16(0)                             // cup wins
        .U16(0).U16(0)                                // super cup, league cup
        .U16(1977).U16(0)                             // European cup
        .U16(0).U16(0).U16(0)                         // Champions League, club world, world
        .U8(3).U8(1).U32(0).Str("Beta").U16(1999)     // home win 1:3 written 3, 1
        .U8(1).U8(3).U32(0).Str("").U16(0)            // home defeat 3:1 written 1, 3
        .U8(0).U8(0).U32(0).Str("").U16(0)            // away win
        .U8(0).U8(0).U32(0).Str("").U16(0)            // away defeat
        .U8(0).U8(0).U32(50000).Str("Beta").U16(2001) // attendance
        .U32(2)                                       // player count
        .U32(900)                                     // a staff member of pool 3:
        .U8(3).U16(1).U16(1).U16(0).U16(0).U8(5)      //   pool, names, role 5
        .U32(901)                                     // a listed ID without a player
        .U32(30000).U32(45000).U32(12000)             // potential attendance
        .U8(12)                                       // prestige
        .U8(14).U8(7)                                 // transfer preference countries
        .U8(14)                                       // youth country
        .Str("city.tga")                              // city photo
        .Raw(ArenaRecord(5).Bytes())                  // main stadium
        .U32(0)                                       // alternative stadium: none found
        .U16(0x8005)                                  // kit colour entry with its flag
        .U32(6).U8(1).U8(2).U8(3).U8(4).U8(5).U8(6)   // kit styles
        .U32(24);                                     // kit colours 1 to 24
    // clang-format on
    for (int b = 1; b <= 24; ++b) {
        body.U8(static_cast<uint32_t>(b));
    }
    EXPECT_EQ(bytes,
              ExpectedBytes().U32(static_cast<uint32_t>(body.Size())).Bytes() + body.Bytes());
    // The build keeps the league code as the club's club value A.
    EXPECT_EQ(world.alpha->ClubValueA(), 14);
}

TEST(ClubRecord, ConsoleDatabaseWritesOneLanguageAndEmptyRecords) {
    ClubWorld world(MasterOption::kConsole, 1);
    std::string bytes = world.Write(*world.alpha);

    ExpectedBytes head;
    head.U32(static_cast<uint32_t>(bytes.size() - 4)) // body length, also in the console
        .Str("Alpha")
        .Str("Alpha") // slot 1, twice
        .Str("Alpha")
        .Str("Alpha")
        .U32(15);
    ASSERT_GE(bytes.size(), head.Size());
    EXPECT_EQ(bytes.substr(0, head.Size()), head.Bytes());

    // After the articles: abbreviation and city of slot 1 only, then the texts.
    size_t at = head.Size() + 15 + 5;
    EXPECT_EQ(bytes.substr(at, 6), ExpectedBytes().Str("").Str("Alfa").Bytes());

    // No league slot byte: club values B are followed by the starting capital.
    size_t values = bytes.find(ExpectedBytes().U16(14).U8(1).U8(2).U8(3).Bytes());
    ASSERT_NE(values, std::string::npos);
    EXPECT_EQ(ReadU32(bytes, values + 5), 2500000u);

    // Every result record is empty: 9 bytes each after the title lists.
    std::string empty5;
    for (int i = 0; i < 5; ++i) {
        empty5 += ExpectedBytes().U8(0).U8(0).U32(0).Str("").U16(0).Bytes();
    }
    size_t records = bytes.find(empty5 + ExpectedBytes().U32(2).U32(900).Bytes());
    EXPECT_NE(records, std::string::npos);

    // The stadium carries the console model of model 5.
    EXPECT_NE(bytes.find(ArenaRecord(17).Bytes()), std::string::npos);
}

TEST(ClubRecord, MainStadiumFallsBackToTheBuiltInStadiums) {
    ClubWorld world;
    auto smallSeats =
        ExpectedBytes().U32(1000).U32(0).U32(1000).U32(0).U32(1000).U32(0).U32(1000).U32(0).Bytes();
    auto largeSeats = ExpectedBytes()
                          .U32(9650)
                          .U32(2880)
                          .U32(5760)
                          .U32(2880)
                          .U32(9650)
                          .U32(2880)
                          .U32(5760)
                          .U32(2880)
                          .Bytes();
    auto fallbackHead = [](std::string_view city) {
        return ExpectedBytes().U8(1).Str("Stadion").Str(city).U8(1).Bytes();
    };

    // No main stadium key: the small fallback in the club's city.
    world.alpha->SetMainStadium(0);
    std::string bytes = world.Write(*world.alpha);
    EXPECT_NE(bytes.find(fallbackHead("Alphaville") + smallSeats), std::string::npos);

    // A key whose stadium has no places: the small fallback as well.
    CCountry& country = *world.build.world.GetCountry(14);
    Stadium* arena = country.stadiums.Find(1);
    for (int stand = 0; stand < Stadium::kStandCount; ++stand) {
        arena->seats[stand] = arena->terraces[stand] = arena->vip[stand] = 0;
    }
    world.alpha->SetMainStadium(1);
    bytes = world.Write(*world.alpha);
    EXPECT_NE(bytes.find(fallbackHead("Alphaville") + smallSeats), std::string::npos);

    // The national team without a stadium: the large fallback.
    CClub& national = *country.NationalTeam();
    national.SetCity(0, "Capital");
    bytes = world.Write(national);
    EXPECT_NE(bytes.find(fallbackHead("Capital") + largeSeats), std::string::npos);
}

TEST(ClubRecord, AlternativeStadiumIsWrittenWhenItExists) {
    ClubWorld world;
    world.alpha->SetAlternativeStadium(1);
    std::string bytes = world.Write(*world.alpha);
    std::string arena = ArenaRecord(5).Bytes();
    size_t main = bytes.find(arena);
    ASSERT_NE(main, std::string::npos);
    EXPECT_EQ(bytes.substr(main + arena.size(), 4 + arena.size()),
              ExpectedBytes().U32(1).Raw(arena).Bytes());
}

TEST(ClubRecord, BadgeThatFailsTheCheckIsWrittenEmpty) {
    ClubWorld world(MasterOption::kBadgeList);
    world.build.services.badgeUsable = [](const CClub&) { return false; };
    std::string bytes = world.Write(*world.alpha);
    EXPECT_EQ(bytes.find("CLUB7"), std::string::npos);
    // "  %-30s %s\n" with an empty badge text.
    EXPECT_EQ(world.build.text.Text(ConsoleTextFile::Badges), kPaddedName + " " + "\n");
}

TEST(ClubRecord, ConsoleTextListsGetEachLineOnce) {
    ClubWorld world(MasterOption::kConsole | MasterOption::kBadgeList | MasterOption::kKitList |
                        MasterOption::kStadiumList | MasterOption::kConsoleLog,
                    1);
    world.Write(*world.alpha);

    EXPECT_EQ(world.build.text.Text(ConsoleTextFile::Badges), kPaddedName + " Badge%d/CLUB7.TGA\n");
    EXPECT_EQ(world.build.text.Text(ConsoleTextFile::Kits),
              kPaddedName + ", 01, 02, 03, 01, 02, 03, 04, 05, 06, 07, 08, 09, 10, 11, 12,\n" +
                  std::string(32, ' ') +
                  ", 04, 05, 06, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24,\n");
    // The model written: console model 17 of editor model 5.
    EXPECT_EQ(world.build.text.Text(ConsoleTextFile::Stadiums), kPaddedName + " 17\n");
    // Club name in the build language, then the badge text; the staff member has no line.
    EXPECT_EQ(world.build.text.Text(ConsoleTextFile::Log), "  Alpha\n  Badge%d/CLUB7.TGA\n");

    // Without a main stadium key the stadium list gets model 0.
    world.alpha->SetMainStadium(0);
    world.Write(*world.alpha);
    EXPECT_EQ(world.build.text.Text(ConsoleTextFile::Stadiums), kPaddedName + " 0\n");
}

TEST(ClubRecord, NoListLinesWithoutTheirOptionBits) {
    ClubWorld world(MasterOption::kConsole);
    world.Write(*world.alpha);
    for (ConsoleTextFile file : {ConsoleTextFile::Badges, ConsoleTextFile::Kits,
                                 ConsoleTextFile::Stadiums, ConsoleTextFile::Log}) {
        EXPECT_EQ(world.build.text.Text(file), "");
    }
}

} // namespace
} // namespace tallo::test
